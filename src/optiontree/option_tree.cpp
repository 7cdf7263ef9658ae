#include "optiontree/option_tree.h"
#include "core/config_key_text.h"

#include "core/context_help.h"
#include "core/dialog_utils.h"
#include "core/driver_config.h"
#include "core/oem_devmode.h"
#include "core/oem_ui_plugin.h"

#include <cwchar>

namespace {

constexpr UINT kMirrorItemNameId = 423;
constexpr ULONG_PTR kPostScriptOutputItemId = 25;
constexpr DWORD kPostScriptOutputOverlayOption = 2;
constexpr DWORD kOverlayFromPrinter = 2;
constexpr UINT kCompressionSelectable = 0x1;
constexpr DWORD kSpecialColorOff = 0;
constexpr DWORD kSpecialColorOffAlternate = 4;
constexpr DWORD kMediaNameChars = 128;
constexpr DWORD kHiddenPaperValueChars = 522;

const WCHAR kWriteTestValue[] = L"W_TEST";
const WCHAR kUserTypeKeyFormat[] = L"USERTYPE%d";
const WCHAR kUnsetMediaName[] = L"default_name";
// The driver's Letter size on a Japanese system; paper names are hidden
// only where the driver's paper names are Japanese.
const WCHAR kJapaneseLetterName[] = L"\x30EC\x30BF\x30FC";

// The OIEXT that sends the driver's help for an item to the plug-in's file.
POIEXT SharedHelpExt;

// Option texts may be resource ids instead of strings.
bool IsText(const WCHAR *text) { return !IS_INTRESOURCE(text); }

PUSERDATA ItemUserData(const OPTITEM &item) {
    return reinterpret_cast<PUSERDATA>(item.UserData);
}

void Hide(OPTITEM &item) { item.Flags |= OPTIF_HIDE; }

void FillSlot(DocUiState *state, uint32_t slot, DWORD index, const OPTITEM &item) {
    state->slots.index[slot] = index;
    state->slots.working[slot] = static_cast<DWORD>(item.Sel);
}

void GiveHelpContext(OPTITEM &item, DWORD context) {
    if (!SharedHelpExt) return;
    item.HelpIndex = context;
    item.Flags |= OPTIF_HAS_POIEXT;
    item.pOIExt = SharedHelpExt;
}

// A key of the plug-in ini: from the configuration the caller read, when it
// holds one, else from the file.
DWORD ReadPluginIniString(const DocUiState *state, DriverConfigSnapshot *config,
                          const WCHAR *section, const WCHAR *key, const WCHAR *defaultValue,
                          WCHAR *out, DWORD chars) {
    if (config)
        return config->ReadFileString(state->pPluginIni, section, key, defaultValue, out, chars);
    return GetPrivateProfileStringW(section, key, defaultValue, out, chars, state->pPluginIni);
}

bool HasOptionNamed(const OPTTYPE *type, const WCHAR *name) {
    for (WORD i = 0; i < type->Count; ++i) {
        const WCHAR *text = type->pOptParam[i].pData;
        if (IsText(text) && lstrcmpW(text, name) == 0) return true;
    }
    return false;
}

void HidePaperNames(const DocUiState *state, DriverConfigSnapshot *config, OPTITEM &item) {
    const OPTTYPE *type = item.pOptType;
    if (!type || !type->pOptParam || !HasOptionNamed(type, kJapaneseLetterName)) return;

    WCHAR value[kHiddenPaperValueChars];
    ReadPluginIniString(state, config, KeyText(kPlgFeatureSection), KeyText(kKeyHidePaperName), L"",
                        value, kHiddenPaperValueChars);
    char16_t names[kMaxHiddenPaperNames][kHiddenPaperNameChars];
    const uint32_t count = SplitHiddenPaperNames(reinterpret_cast<const char16_t *>(value), names);
    for (WORD i = 0; i < type->Count; ++i) {
        OPTPARAM &option = type->pOptParam[i];
        if (!IsText(option.pData)) continue;
        for (uint32_t n = 0; n < count; ++n)
            if (lstrcmpW(option.pData, reinterpret_cast<const WCHAR *>(names[n])) == 0)
                option.Flags |= OPTPF_HIDE;
    }
}

// The new names go into text the plug-in owns on the OEM heap: the
// driver's own option text may be shorter than the name.
void NameUserMediaTypes(const DocUiState *state, DriverConfigSnapshot *config, OPTITEM &item) {
    const OPTTYPE *type = item.pOptType;
    if (!type || !type->pOptParam || type->Count == 0) return;
    const uint32_t count = type->Count;
    HANDLE heap = state->pOemCuipParam->hOEMHeap;

    WCHAR(*values)[kMediaNameChars] = static_cast<WCHAR(*)[kMediaNameChars]>(
        HeapAlloc(heap, HEAP_ZERO_MEMORY, sizeof(WCHAR[kMediaNameChars]) * count));
    bool *isDefault = static_cast<bool *>(HeapAlloc(heap, HEAP_ZERO_MEMORY, count));
    uint32_t *targets = static_cast<uint32_t *>(
        HeapAlloc(heap, HEAP_ZERO_MEMORY, sizeof(uint32_t) * count));
    if (values && isDefault && targets) {
        for (uint32_t j = 1; j <= count; ++j) {
            WCHAR key[32];
            wsprintfW(key, kUserTypeKeyFormat, static_cast<int>(j));
            ReadPluginIniString(state, config, KeyText(kUsertypeSection), key, kUnsetMediaName,
                                values[j - 1], kMediaNameChars);
            isDefault[j - 1] = lstrcmpW(values[j - 1], kUnsetMediaName) == 0;
            if (isDefault[j - 1]) break;
        }
        const uint32_t names = PlanUserMediaNames(isDefault, count, targets);
        for (uint32_t j = 0; j < names; ++j) {
            if (!values[j][0]) continue;
            const size_t bytes = (lstrlenW(values[j]) + 1) * sizeof(WCHAR);
            WCHAR *text = static_cast<WCHAR *>(HeapAlloc(heap, 0, bytes));
            if (!text) continue;
            memcpy(text, values[j], bytes);
            type->pOptParam[targets[j]].pData = text;
        }
    }
    if (targets) HeapFree(heap, 0, targets);
    if (isDefault) HeapFree(heap, 0, isDefault);
    if (values) HeapFree(heap, 0, values);
}

void ApplyItemRules(DocUiState *state, DWORD index, OPTITEM &item) {
    const PUSERDATA userData = ItemUserData(item);
    if (userData && userData->dwItemID == kPostScriptOutputItemId)
        state->slots.index[kSlotPostScriptOutput] = index;
    if (reinterpret_cast<ULONG_PTR>(item.pName) == kMirrorItemNameId) {
        FillSlot(state, kSlotMirror, index, item);
        Hide(item);
    }
    if (!userData || !userData->pKeyWordName) return;
    const KeywordRule *rule = FindKeywordRule(userData->pKeyWordName);
    if (!rule) return;
    if (rule->slot != kSlotAbsent) FillSlot(state, rule->slot, index, item);
    if (rule->hide) Hide(item);
    if (rule->helpContext) GiveHelpContext(item, rule->helpContext);
}

void ScanItem(DocUiState *state, DriverConfigSnapshot *config, DWORD index, OPTITEM &item) {
    switch (item.DMPubID) {
    case DMPUB_ORIENTATION: state->slots.index[kSlotOrientation] = index; break;
    case DMPUB_SCALE: FillSlot(state, kSlotScale, index, item); Hide(item); break;
    case DMPUB_COPIES_COLLATE: FillSlot(state, kSlotCopiesCollate, index, item); Hide(item); break;
    case DMPUB_PRINTQUALITY: FillSlot(state, kSlotPrintQuality, index, item); Hide(item); break;
    case DMPUB_COLOR: state->slots.index[kSlotColor] = index; break;
    case DMPUB_DUPLEX: state->slots.index[kSlotDuplex] = index; break;
    case DMPUB_FORMNAME:
        HidePaperNames(state, config, item);
        state->slots.index[kSlotFormName] = index;
        break;
    case DMPUB_MEDIATYPE: NameUserMediaTypes(state, config, item); break;
    case DMPUB_NUP: state->slots.index[kSlotNup] = index; break;
    case DMPUB_DEFSOURCE:
    case DMPUB_TTOPTION:
    case DMPUB_ICMMETHOD:
    case DMPUB_ICMINTENT:
    case DMPUB_DITHERTYPE:
    case DMPUB_PAGEORDER: break;
    default: ApplyItemRules(state, index, item); break;
    }
}

bool TestPrinterDataWritable(HANDLE printer) {
    DWORD tick = GetTickCount();
    return SetPrinterDataW(printer, const_cast<WCHAR *>(kWriteTestValue), REG_DWORD,
                           reinterpret_cast<BYTE *>(&tick), sizeof(tick)) == ERROR_SUCCESS;
}

void ClearPluginItems(POEMCUIPPARAM param) {
    for (DWORD i = 0; i < param->cOEMOptItems; ++i) {
        OPTITEM &item = param->pOEMOptItems[i];
        ZeroMemory(&item, sizeof(item));
        item.cbSize = sizeof(OPTITEM);
        item.DMPubID = 0;
    }
}

// The scan with the model's "Compression" value already read.
void ScanItemsWithCompression(DocUiState *state, UINT compression, DriverConfigSnapshot *config) {
    POEMCUIPPARAM param = state->pOemCuipParam;
    SharedHelpExt = static_cast<POIEXT>(HeapAlloc(param->hOEMHeap, HEAP_ZERO_MEMORY, sizeof(OIEXT)));
    if (SharedHelpExt) {
        SharedHelpExt->cbSize = sizeof(OIEXT);
        SharedHelpExt->pHelpFile = HelpFilePath;
    }
    if (compression & kCompressionSelectable) state->slots.index[kSlotCompression] = 0;
    WalkDriverItems(state, config);
}

// The model section's lines on the OEM heap, for the pages of this sheet.
WCHAR *KeepModelKeys(HANDLE heap, DriverConfigSnapshot &config) {
    std::u16string lines;
    if (!config.KeepModelSection(&lines)) return nullptr;
    const SIZE_T bytes = (lines.size() + 1) * sizeof(WCHAR);
    WCHAR *kept = static_cast<WCHAR *>(HeapAlloc(heap, 0, bytes));
    if (kept) memcpy(kept, lines.c_str(), bytes);
    return kept;
}

}  // namespace

void ScanDriverOptionItems(DocUiState *state) {
    ScanItemsWithCompression(state, ReadCompressionCapability(state->pOemCuipParam->hPrinter),
                             nullptr);
}

void WalkDriverItems(DocUiState *state, DriverConfigSnapshot *config) {
    POEMCUIPPARAM param = state->pOemCuipParam;
    if (!param->pDrvOptItems) return;
    for (DWORD i = 0; i < param->cDrvOptItems; ++i)
        ScanItem(state, config, i, param->pDrvOptItems[i]);
}

HRESULT RunDocumentStep(OemUiPlugin *plugin, POEMCUIPPARAM param, DriverConfigSnapshot &config) {
    if (!param->pOEMOptItems) {
        param->cOEMOptItems = 0;
        return S_OK;
    }
    param->pOEMUserData = plugin;
    param->OEMCUIPCallback = OptionTreeCallback;
    ClearPluginItems(param);
    PrinterDataWritable = TestPrinterDataWritable(param->hPrinter) ? 1 : 0;

    DocUiState *state = static_cast<DocUiState *>(
        HeapAlloc(param->hOEMHeap, HEAP_ZERO_MEMORY, sizeof(DocUiState)));
    if (!state) return E_OUTOFMEMORY;
    plugin->pDocUiState = state;
    state->pOemCuipParam = param;
    ResetSlotTable(&state->slots);
    state->pPluginIni = PluginIni;
    state->pModelKeys = KeepModelKeys(param->hOEMHeap, config);

    ScanItemsWithCompression(state, config.ReadCompressionCapability(), &config);
    state->slots.working[kSlotHideStandardUI] = plugin->fHideStandardUICalled;
    return S_OK;
}

LONG APIENTRY OptionTreeCallback(PCPSUICBPARAM callback, POEMCUIPPARAM param) {
    if (!callback || !param) return CPSUICB_ACTION_NONE;
    if (callback->Reason == CPSUICB_REASON_SETACTIVE) {
        SheetVisitFlags |= kDriverPageVisited;
        return CPSUICB_ACTION_NONE;
    }
    if (callback->Reason != CPSUICB_REASON_APPLYNOW) return CPSUICB_ACTION_NONE;

    const OemUiPlugin *plugin = static_cast<const OemUiPlugin *>(param->pOEMUserData);
    const DocUiState *state = plugin ? plugin->pDocUiState : nullptr;
    OemDevmode *record = static_cast<OemDevmode *>(param->pOEMDM);
    if (!state || !record) return CPSUICB_ACTION_NONE;

    const DWORD special = state->slots.working[kSlotVXSpecialColorControl];
    record->dwSpecialColorInactive =
        (special == kSpecialColorOff || special == kSpecialColorOffAlternate) ? 1 : 0;
    if (SlotPresent(state, kSlotNup))
        record->bNupSelection = static_cast<uint8_t>(SlotItem(state, kSlotNup)->Sel);
    if (SlotPresent(state, kSlotOrientation))
        record->bOrientationSelection = static_cast<uint8_t>(SlotItem(state, kSlotOrientation)->Sel);
    return CPSUICB_ACTION_NONE;
}

BOOL SetOptItemSel(POEMCUIPPARAM param, DWORD itemIndex, DWORD *working, DWORD mode) {
    if (itemIndex == kSlotAbsent || !param || itemIndex >= param->cDrvOptItems) return FALSE;
    const POEMUIOBJ uiObject = param->poemuiobj;
    if (!uiObject || !uiObject->pOemUIProcs || !uiObject->pOemUIProcs->DrvUpdateUISetting)
        return FALSE;

    OPTITEM &item = param->pDrvOptItems[itemIndex];
    const DWORD old = static_cast<DWORD>(item.Sel);
    const bool wasHidden = (item.Flags & OPTIF_HIDE) != 0;
    item.Flags &= ~OPTIF_HIDE;
    item.Sel = static_cast<LONG>(*working);
    item.Flags |= OPTIF_CHANGED;
    const BOOL accepted = uiObject->pOemUIProcs->DrvUpdateUISetting(uiObject, &item, old, mode);
    if (wasHidden) item.Flags |= OPTIF_HIDE;
    if (!accepted) *working = old;
    return accepted;
}

void PushSlotsToDriver(DocUiState *state) {
    POEMCUIPPARAM param = state->pOemCuipParam;
    uint32_t order[kMaxPushSteps];
    const size_t steps = PlanSlotPush(state->slots, order, kMaxPushSteps);
    for (size_t i = 0; i < steps; ++i) {
        const uint32_t slot = order[i];
        DWORD working = state->slots.working[slot];
        SetOptItemSel(param, state->slots.index[slot], &working, OEMCUIP_DOCPROP);
        state->slots.working[slot] = working;
    }
    if (SlotPresent(state, kSlotVXOverlay) &&
        state->slots.working[kSlotVXOverlay] == kOverlayFromPrinter) {
        DWORD option = kPostScriptOutputOverlayOption;
        SetOptItemSel(param, state->slots.index[kSlotPostScriptOutput], &option, OEMCUIP_DOCPROP);
    }
}
