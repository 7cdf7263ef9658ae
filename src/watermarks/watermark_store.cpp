#include "watermarks/watermark_store.h"

#include "core/localized_resources.h"
#include "core/plugin_module.h"
#include "core/win_holders.h"
#include "resources/resource_ids.h"
#include "watermarks/watermark_font_list.h"

#include <memory>

namespace {

constexpr int kSectionChars = 64;
constexpr DWORD kValueChars = 1024;
constexpr DWORD kMaxValueChars = 65536;
constexpr DWORD kFirstKeyListChars = 4096;
// A profile read that fills the buffer up to two characters was cut.
constexpr DWORD kCutMargin = 2;
constexpr WCHAR kWatermarkKeyFirst = L'W';

const char16_t *Chars(const WCHAR *text) { return reinterpret_cast<const char16_t *>(text); }
const WCHAR *Wide(const char16_t *text) { return reinterpret_cast<const WCHAR *>(text); }

void WatermarkSection(WCHAR *section) {
    section[0] = 0;
    LoadLocalizedString(PluginModule, IDS_WATERMARK_SECTION, section, kSectionChars);
}

void CustomColorSection(WCHAR *section) {
    section[0] = 0;
    LoadStringW(PluginModule, IDS_CUSTOM_COLOR_SECTION, section, kSectionChars);
}

// The key names of a section, each terminated, the list ending with an
// empty name; empty when the section is missing or there is no memory.
class SectionKeys {
public:
    SectionKeys(const WCHAR *section, const WCHAR *file) {
        for (DWORD chars = kFirstKeyListChars; section[0] && file && file[0]; chars *= 2) {
            block_ = std::make_unique<GlobalBlock>(chars * sizeof(WCHAR));
            if (!*block_) {
                block_.reset();
                return;
            }
            const DWORD length =
                GetPrivateProfileStringW(section, nullptr, L"", block_->As<WCHAR>(), chars, file);
            if (length + kCutMargin < chars) return;
        }
    }
    bool Allocated() const { return block_ != nullptr; }
    const WCHAR *First() const { return block_ ? block_->As<WCHAR>() : L""; }
    static const WCHAR *Next(const WCHAR *key) { return key + lstrlenW(key) + 1; }

private:
    std::unique_ptr<GlobalBlock> block_;
};

// A whole value, however long a hand-edited file made it; null when there
// is no memory for it.
std::unique_ptr<GlobalBlock> ReadWholeValue(const WCHAR *section, const WCHAR *key, const WCHAR *file,
                                            DWORD *length) {
    std::unique_ptr<GlobalBlock> value;
    for (DWORD chars = kValueChars; chars <= kMaxValueChars; chars *= 2) {
        value = std::make_unique<GlobalBlock>(chars * sizeof(WCHAR));
        if (!*value) return nullptr;
        *length = GetPrivateProfileStringW(section, key, L"", value->As<WCHAR>(), chars, file);
        if (*length + kCutMargin < chars) break;
    }
    return value;
}

void ReadStoredWatermarks(DocUiState *state) {
    WatermarkList *list = &state->watermarks;
    WCHAR section[kSectionChars];
    WatermarkSection(section);
    const SectionKeys keys(section, state->pPluginIni);
    for (const WCHAR *key = keys.First(); key[0] && list->cWatermarks < kMaxWatermarks;
         key = SectionKeys::Next(key)) {
        if (key[0] != kWatermarkKeyFirst) break;
        DWORD length = 0;
        const std::unique_ptr<GlobalBlock> value = ReadWholeValue(section, key, state->pPluginIni, &length);
        if (!value) break;
        WatermarkRecord *entry = AllocateWatermark(list);
        if (!entry) break;
        ParseWatermarkValue(Chars(value->As<WCHAR>()), length, entry);
        list->apWatermarks[++list->cWatermarks] = entry;
    }
}

void FreeSlot(WatermarkList *list, unsigned slot) {
    FreeWatermark(list, list->apWatermarks[slot]);
    list->apWatermarks[slot] = nullptr;
}

}  // namespace

COLORREF CustomColorTable[kCustomColors] = {
    kDefaultWatermarkColor, kDefaultWatermarkColor, kDefaultWatermarkColor, kDefaultWatermarkColor,
    kDefaultWatermarkColor, kDefaultWatermarkColor, kDefaultWatermarkColor, kDefaultWatermarkColor,
    kDefaultWatermarkColor, kDefaultWatermarkColor, kDefaultWatermarkColor, kDefaultWatermarkColor,
    kDefaultWatermarkColor, kDefaultWatermarkColor, kDefaultWatermarkColor, kDefaultWatermarkColor,
};

WatermarkRecord *AllocateWatermark(WatermarkList *list) {
    if (!list->hHeap) list->hHeap = GetProcessHeap();
    return static_cast<WatermarkRecord *>(
        HeapAlloc(static_cast<HANDLE>(list->hHeap), HEAP_ZERO_MEMORY, sizeof(WatermarkRecord)));
}

void FreeWatermark(WatermarkList *list, WatermarkRecord *record) {
    if (record && list->hHeap) HeapFree(static_cast<HANDLE>(list->hHeap), 0, record);
}

void CopyWatermark(WatermarkRecord *destination, const WatermarkRecord *source) {
    if (destination && source && destination != source) *destination = *source;
}

void InitNoneWatermark(WatermarkList *list) {
    WatermarkRecord *none = list->apWatermarks[0];
    if (!none) return;
    SetWatermarkDefaults(none, DefaultWatermarkFontIndex(JapaneseThreadLocale(), ReadFontListDefaultNo()));
    LoadLocalizedString(PluginModule, IDS_WATERMARK_NONE, reinterpret_cast<WCHAR *>(none->wszText),
                        kWatermarkTextChars);
    LoadLocalizedString(PluginModule, IDS_WATERMARK_DEFAULT_FONT,
                        reinterpret_cast<WCHAR *>(none->wszFontName), kWatermarkFontNameChars);
}

void TakeSelectedAsWorking(WatermarkList *list) {
    const uint32_t selected = list->iWmSelected <= list->cWatermarks ? list->iWmSelected : 0;
    CopyWatermark(list->pWmWorking, list->apWatermarks[selected]);
}

void ClearNoneWorkingText(HWND, WatermarkList *list) {
    if (list->iWmSelected != 0 || !list->pWmWorking) return;
    list->pWmWorking->wszText[0] = 0;
    LoadLocalizedString(PluginModule, IDS_WATERMARK_NONE_PREVIEW_TEXT,
                        reinterpret_cast<WCHAR *>(list->pWmWorking->wszText), kWatermarkTextChars);
}

bool LoadWatermarkList(HWND dialog, const OemDevmode *record, DocUiState *state) {
    WatermarkList *list = &state->watermarks;
    if (!state->fWatermarksDirty) {
        const uint32_t noneFirstPageOnly = list->dwNoneFirstPageOnly;
        const uint32_t noneBackground = list->dwNoneBackground;
        *list = WatermarkList{};
        list->dwNoneFirstPageOnly = noneFirstPageOnly;
        list->dwNoneBackground = noneBackground;
        list->hHeap = state->pOemCuipParam && state->pOemCuipParam->hOEMHeap
                          ? state->pOemCuipParam->hOEMHeap
                          : GetProcessHeap();
        list->apWatermarks[0] = AllocateWatermark(list);
        list->pWmWorking = AllocateWatermark(list);
        if (!list->apWatermarks[0] || !list->pWmWorking) {
            ReleaseWatermarkList(list);
            return false;
        }
        InitNoneWatermark(list);
        ReadStoredWatermarks(state);
        list->iWmSelected = record ? record->dwWatermarkIndex : 0;
        state->fWatermarksDirty = 1;
    }
    for (uint32_t i = 1; i <= list->cWatermarks; ++i) {
        WatermarkRecord *copy = AllocateWatermark(list);
        if (!copy) {
            // Without every copy Cancel could not restore the list.
            for (uint32_t taken = 1; taken < i; ++taken) FreeSlot(list, kAtOpenSlotBase + taken);
            return false;
        }
        CopyWatermark(copy, list->apWatermarks[i]);
        list->apWatermarks[kAtOpenSlotBase + i] = copy;
    }
    if (list->cWatermarks < list->iWmSelected) list->iWmSelected = 0;
    list->cWatermarksAtOpen = list->cWatermarks;
    list->iWmSelectedAtOpen = list->iWmSelected;
    TakeSelectedAsWorking(list);
    ClearNoneWorkingText(dialog, list);
    if (list->iWmSelected != 0) {
        EnableWindow(GetDlgItem(dialog, IDC_EDIT_WATERMARK), TRUE);
        EnableWindow(GetDlgItem(dialog, IDC_DELETE_WATERMARK), TRUE);
    }
    return true;
}

void SaveWatermarkList(DocUiState *state) {
    const WatermarkList *list = &state->watermarks;
    if (!state->pPluginIni || !state->pPluginIni[0]) return;
    WCHAR section[kSectionChars];
    WatermarkSection(section);
    if (!section[0]) return;
    WritePrivateProfileStringW(section, nullptr, nullptr, state->pPluginIni);
    for (uint32_t i = 1; i <= list->cWatermarks && i <= kMaxWatermarks; ++i) {
        if (!list->apWatermarks[i]) continue;
        const std::u16string key = WatermarkKeyName(i);
        const std::u16string value = FormatWatermarkValue(*list->apWatermarks[i]);
        WritePrivateProfileStringW(section, Wide(key.c_str()), Wide(value.c_str()), state->pPluginIni);
    }
}

void ReleaseWatermarkList(WatermarkList *list) {
    for (unsigned slot = 0; slot < kWatermarkSlots; ++slot) FreeSlot(list, slot);
    FreeWatermark(list, list->pWmWorking);
    list->pWmWorking = nullptr;
    list->cWatermarks = 0;
    list->iWmSelected = 0;
}

void CommitWatermarkToDevmode(HWND, OemDevmode *record, const WatermarkList *list) {
    const uint32_t selected = list->iWmSelected <= list->cWatermarks ? list->iWmSelected : 0;
    const WatermarkRecord *w = list->apWatermarks[selected];
    if (!record || !w) return;
    record->dwWatermarkIndex = selected;
    record->dwWmSize = w->dwSize;
    record->dwWmFontIndex = w->dwFontIndex;
    record->sWmAngle = w->sAngle;
    record->lWmOffsetX = w->lOffsetX;
    record->lWmOffsetY = w->lOffsetY;
    record->dwWmColor = w->crColor;
    CopyCut(record->wszWmFontName, kWatermarkFontNameChars, w->wszFontName);
    record->dwWmWeight = w->dwWeight;
    record->bWmItalic = w->bItalic;
    record->bWmCharSet = w->bCharSet;
    record->wWmPosition = w->wPosition;
    record->wWmBorder = w->wBorder;
    record->wWmBackground = w->wBackground;
    record->bWmFirstPageOnly = w->bFirstPageOnly;
    record->wWmStyleCode = w->wStyleCode;
    FormatPsColor(w->crColor, record->szWmPsColor);
    CopyCut(record->wszWmText, kWatermarkTextChars, w->wszText);
}

int ReadCustomColors(const WCHAR *pluginIni) {
    WCHAR section[kSectionChars];
    CustomColorSection(section);
    const SectionKeys keys(section, pluginIni);
    if (!keys.Allocated() && section[0] && pluginIni && pluginIni[0]) return 1;
    GlobalBlock value(kValueChars * sizeof(WCHAR));
    if (!value) return 1;
    unsigned index = 0;
    for (const WCHAR *key = keys.First(); key[0] && index < kCustomColors; key = SectionKeys::Next(key)) {
        const DWORD length = GetPrivateProfileStringW(section, key, L"", value.As<WCHAR>(), kValueChars,
                                                      pluginIni);
        CustomColorTable[index++] = ParseCustomColor(Chars(value.As<WCHAR>()), length);
    }
    return 0;
}

void WriteCustomColors(const WCHAR *pluginIni) {
    WCHAR section[kSectionChars];
    CustomColorSection(section);
    if (!section[0] || !pluginIni || !pluginIni[0]) return;
    WritePrivateProfileStringW(section, nullptr, nullptr, pluginIni);
    for (unsigned i = 0; i < kCustomColors; ++i) {
        const std::u16string key = CustomColorKeyName(i);
        const std::u16string value = FormatCustomColor(CustomColorTable[i]);
        WritePrivateProfileStringW(section, Wide(key.c_str()), Wide(value.c_str()), pluginIni);
    }
}
