#include "watermarks/watermark_font_list.h"
#include "core/config_key_text.h"

#include "core/driver_config.h"

namespace {

constexpr DWORD kFileNameChars = 520;
constexpr DWORD kEntryChars = 512;
constexpr int kKeyChars = 16;

}  // namespace

WCHAR WatermarkFontList[kFontListPathBytes / sizeof(WCHAR)];

void SetWatermarkFontListPath(const WCHAR *pluginIni) {
    WatermarkFontList[0] = 0;
    if (!pluginIni || !pluginIni[0]) return;
    WCHAR name[kFileNameChars + 1] = L"";
    GetPrivateProfileStringW(KeyText(kDependentFilesSection), KeyText(kKeyWmFont), L"", name,
                             kFileNameChars, pluginIni);
    if (!name[0]) return;
    DWORD bytes = kFontListPathBytes;
    if (!BuildDriverFilePath(WatermarkFontList, &bytes, name)) WatermarkFontList[0] = 0;
}

bool JapaneseThreadLocale() { return GetThreadLocale() == kJapaneseLocale; }

bool ReadFontListEntry(uint32_t number, FontEntry *entry) {
    if (!WatermarkFontList[0]) return false;
    WCHAR key[kKeyChars];
    wsprintfW(key, L"%u", number);
    WCHAR value[kEntryChars] = L"";
    const DWORD length = GetPrivateProfileStringW(KeyText(kFontListSection), key, L"", value,
                                                  kEntryChars, WatermarkFontList);
    if (!length) return false;
    ParseFontEntry(reinterpret_cast<const char16_t *>(value), length, entry);
    return true;
}

uint32_t ReadFontListDefaultNo() {
    if (!WatermarkFontList[0]) return 0;
    return GetPrivateProfileIntW(KeyText(kFontListSection), KeyText(kKeyDefaultNo), 0,
                                 WatermarkFontList);
}

uint32_t FontListEnd() { return JapaneseThreadLocale() ? 0 : ReadFontListDefaultNo(); }
