#include "printer/printer_ui.h"

#include "core/context_help.h"
#include "core/driver_config.h"
#include "core/localized_resources.h"
#include "core/oem_ui_plugin.h"
#include "core/os_version.h"
#include "core/plugin_module.h"
#include "core/doc_ui_state.h"
#include "optiontree/option_tree.h"
#include "printer/detection.h"
#include "printer/prn_ui_state.h"
#include "resources/resource_ids.h"

#include <wchar.h>

const WCHAR kOemUiValue[] = L"OEMUI_VALUE";

namespace {

constexpr BYTE kJobLimitItemId = 11;
constexpr DWORD kJobLimitOff = 1;
constexpr DWORD kPluginItemHelp = 2210;
constexpr BYTE kPluginItemLevel = 2;
constexpr BYTE kPushButtonStyle = 0xE0;
constexpr WORD kPushButtonCount = 1;
constexpr WORD kPushButtonFirstControl = 1;
constexpr size_t kPushButtonParams = 2;
constexpr LPARAM kSecondParamMarker = 9999;
constexpr int kItemNameChars = 256;
// The driver's own items the printer step knows by their name's string id.
constexpr UINT kCollapsedItemName = 64798;
constexpr UINT kTrackedItemNames[kPrnTrackedItemCount] = {404, 405, 440, 427, 428};

// An apply since the last page activation: the activation then skips
// detection once.
bool applySinceActivation;

HRESULT FailWith(DWORD error) {
    SetLastError(error);
    return E_FAIL;
}

template <typename T>
T *HeapNew(HANDLE heap, SIZE_T count = 1) {
    return static_cast<T *>(HeapAlloc(heap, HEAP_ZERO_MEMORY, sizeof(T) * count));
}

UINT NameId(const OPTITEM &item) {
    return IS_INTRESOURCE(item.pName) ? static_cast<UINT>(reinterpret_cast<ULONG_PTR>(item.pName))
                                      : 0;
}

void ScanPrinterItems(PrnUiState *state, POIEXT helpExt) {
    POEMCUIPPARAM param = state->pOemCuipParam;
    for (DWORD i = 0; param->pDrvOptItems && i < param->cDrvOptItems; ++i) {
        OPTITEM &item = param->pDrvOptItems[i];
        const UINT nameId = NameId(item);
        if (nameId == kCollapsedItemName) item.Flags |= OPTIF_COLLAPSE;
        for (DWORD k = 0; nameId && k < kPrnTrackedItemCount; ++k) {
            if (nameId != kTrackedItemNames[k]) continue;
            state->adwOptionIndex[kPrnTrackedIndexBase + k] = i;
            state->adwOptionSel[k] = static_cast<DWORD>(item.Sel);
        }
        const PUSERDATA userData = reinterpret_cast<PUSERDATA>(item.UserData);
        if (!userData || !userData->pKeyWordName) continue;
        const InstallableItemRule *rule = FindInstallableItemRule(userData->pKeyWordName);
        if (!rule) continue;
        item.HelpIndex = rule->helpContext;
        item.UserItemID = rule->itemId;
        if (!helpExt) continue;
        item.Flags |= OPTIF_HAS_POIEXT;
        item.pOIExt = helpExt;
    }
}

bool FillPluginItem(HANDLE heap, OPTITEM &item, POIEXT helpExt) {
    WCHAR name[kItemNameChars] = L"";
    const int length =
        LoadLocalizedString(PluginModule, IDS_GET_INSTALLED_OPTIONS, name, kItemNameChars);
    WCHAR *text = HeapNew<WCHAR>(heap, static_cast<SIZE_T>(length) + 1);
    OPTTYPE *type = HeapNew<OPTTYPE>(heap);
    OPTPARAM *params = HeapNew<OPTPARAM>(heap, kPushButtonParams);
    if (!text || !type || !params) return false;
    wmemcpy(text, name, static_cast<size_t>(length) + 1);
    params[1].lParam = kSecondParamMarker;
    type->cbSize = sizeof(OPTTYPE);
    type->Type = TVOT_PUSHBUTTON;
    type->Count = kPushButtonCount;
    type->BegCtrlID = kPushButtonFirstControl;
    type->pOptParam = params;
    type->Style = kPushButtonStyle;
    item.Level = kPluginItemLevel;
    item.DlgPageIdx = 0;
    item.Flags = helpExt ? OPTIF_CALLBACK | OPTIF_HAS_POIEXT : OPTIF_CALLBACK;
    item.UserData = 0;
    item.pName = text;
    item.HelpIndex = kPluginItemHelp;
    item.UserItemID = kDetectButtonItemId;
    item.pOIExt = helpExt;
    item.pOptType = type;
    return true;
}

// The network library decides whether the printer can be asked at all.
void OfferDetection(PrnUiState *state, OPTITEM &item) {
    POEMCUIPPARAM param = state->pOemCuipParam;
    NetworkOptionLibrary library(param->hPrinter);
    std::string name;
    const bool capable = library.Loaded() && SideLibraryPrinterName(param->pPrinterName, &name) &&
                         library.Capable(name.c_str());
    if (!capable) item.Flags |= OPTIF_HIDE;
    state->hNetExtLibrary = library.Release();
}

DocUiState *NewDocUiState(OemUiPlugin *plugin, POEMCUIPPARAM param) {
    DocUiState *state = HeapNew<DocUiState>(param->hOEMHeap);
    if (!state) return nullptr;
    ResetSlotTable(&state->slots);
    state->pPluginIni = PluginIni;
    state->slots.working[kSlotHideStandardUI] = plugin->fHideStandardUICalled;
    return state;
}

// The plug-in's own item, when the callback is about it.
bool IsPluginItem(POEMCUIPPARAM param, const OPTITEM *item) {
    return item && param->pOEMOptItems && param->cOEMOptItems && item >= param->pOEMOptItems &&
           item < param->pOEMOptItems + param->cOEMOptItems &&
           item->UserItemID == kDetectButtonItemId;
}

LONG OnSelectionChanged(PCPSUICBPARAM callback, POEMCUIPPARAM param) {
    const OemUiPlugin *plugin = static_cast<const OemUiPlugin *>(param->pOEMUserData);
    if (IsPluginItem(param, callback->pCurItem)) {
        uint32_t selections[kDetectedSelectionCount];
        if (DetectOptionsByButton(param, selections, callback->hDlg))
            ApplyDetectedSelections(param, selections);
        return CPSUICB_ACTION_OPTIF_CHANGED;
    }
    if (!callback->pCurItem || callback->pCurItem->UserItemID != kJobLimitItemId)
        return CPSUICB_ACTION_NONE;
    if (plugin && plugin->fHideStandardUICalled && !OsMajor6OrLater) return CPSUICB_ACTION_NONE;
    for (DWORD i = 0; param->pDrvOptItems && i < param->cDrvOptItems; ++i) {
        if (param->pDrvOptItems[i].UserItemID != kJobLimitItemId) continue;
        DWORD off = kJobLimitOff;
        SetOptItemSel(param, i, &off, OEMCUIP_PRNPROP);
    }
    return CPSUICB_ACTION_OPTIF_CHANGED;
}

LONG OnApply(POEMCUIPPARAM param) {
    applySinceActivation = true;
    if (!param->pOEMOptItems || !param->cOEMOptItems) return CPSUICB_ACTION_NONE;
    DWORD value = static_cast<DWORD>(param->pOEMOptItems[0].Sel);
    SetPrinterDataW(param->hPrinter, const_cast<WCHAR *>(kOemUiValue), REG_DWORD,
                    reinterpret_cast<BYTE *>(&value), sizeof(value));
    return CPSUICB_ACTION_NONE;
}

LONG OnFocus(PCPSUICBPARAM callback, POEMCUIPPARAM param) {
    OPTITEM *item = callback->pCurItem;
    if (!IsPluginItem(param, item)) return CPSUICB_ACTION_NONE;
    NetworkOptionLibrary library(param->hPrinter);
    std::string name;
    const bool valid = SideLibraryPrinterName(param->pPrinterName, &name) &&
                       library.ValidPort(name.c_str());
    if (valid) item->Flags &= ~OPTIF_DISABLED;
    else item->Flags |= OPTIF_DISABLED;
    item->Flags |= OPTIF_CHANGED;
    return CPSUICB_ACTION_NONE;
}

LONG OnActivate(PCPSUICBPARAM callback, POEMCUIPPARAM param) {
    const bool detect = !applySinceActivation && OsMajor6OrLater;
    applySinceActivation = false;
    if (!detect) return CPSUICB_ACTION_NONE;
    uint32_t selections[kDetectedSelectionCount];
    if (!DetectOptionsOnActivate(param, selections, callback->hDlg)) return CPSUICB_ACTION_NONE;
    ApplyDetectedSelections(param, selections);
    return CPSUICB_ACTION_OPTIF_CHANGED;
}

}  // namespace

void ReleasePrnUiState(PrnUiState *state) {
    if (!state || !state->hNetExtLibrary) return;
    FreeLibrary(state->hNetExtLibrary);
    state->hNetExtLibrary = nullptr;
}

HRESULT RunPrinterStep(OemUiPlugin *plugin, POEMCUIPPARAM param) {
    DetectOsVersion();
    if (!param->pOEMOptItems) {
        param->cOEMOptItems = 1;
        return S_OK;
    }
    param->pOEMUserData = plugin;
    param->OEMCUIPCallback = PrinterOptionCallback;
    for (DWORD i = 0; i < param->cOEMOptItems; ++i) {
        ZeroMemory(&param->pOEMOptItems[i], sizeof(OPTITEM));
        param->pOEMOptItems[i].cbSize = sizeof(OPTITEM);
    }
    if (!param->cOEMOptItems) return S_OK;

    HANDLE heap = param->hOEMHeap;
    PrnUiState *state = HeapNew<PrnUiState>(heap);
    if (!state) return FailWith(ERROR_NOT_ENOUGH_MEMORY);
    if (plugin->pPrnUiState && HeapValidate(heap, 0, plugin->pPrnUiState))
        ReleasePrnUiState(plugin->pPrnUiState);
    plugin->pPrnUiState = state;
    state->pOemCuipParam = param;
    for (DWORD &index : state->adwOptionIndex) index = kPrnAbsentIndex;
    POIEXT helpExt = HeapNew<OIEXT>(heap);
    if (helpExt) {
        helpExt->cbSize = sizeof(OIEXT);
        helpExt->pHelpFile = HelpFilePath;
    }
    ScanPrinterItems(state, helpExt);

    OPTITEM &item = param->pOEMOptItems[0];
    if (!FillPluginItem(heap, item, helpExt)) return FailWith(ERROR_NOT_ENOUGH_MEMORY);
    OfferDetection(state, item);
    param->cOEMOptItems = 1;

    DocUiState *docState = NewDocUiState(plugin, param);
    if (docState) plugin->pDocUiState = docState;
    return S_OK;
}

LONG APIENTRY PrinterOptionCallback(PCPSUICBPARAM callback, POEMCUIPPARAM param) {
    if (!callback || !param) return CPSUICB_ACTION_NONE;
    switch (callback->Reason) {
    case CPSUICB_REASON_SEL_CHANGED: return OnSelectionChanged(callback, param);
    case CPSUICB_REASON_APPLYNOW: return OnApply(param);
    case CPSUICB_REASON_OPTITEM_SETFOCUS: return OnFocus(callback, param);
    case CPSUICB_REASON_SETACTIVE: return OnActivate(callback, param);
    default: return CPSUICB_ACTION_NONE;
    }
}

void KeepPrinterSheet(PrnUiState *state, const PROPSHEETUI_INFO *info) {
    if (!state) return;
    state->hComPropSheet = info->hComPropSheet;
    state->pfnComPropSheet = info->pfnComPropSheet;
    state->pOemUiPsParam = reinterpret_cast<POEMUIPSPARAM>(info->lParamInit);
}
