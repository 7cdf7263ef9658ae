#include "watermarks/watermark_font_list.h"

#include "core/driver_config.h"

namespace {

constexpr DWORD kFileNameChars = 520;
constexpr DWORD kEntryChars = 512;
constexpr int kKeyChars = 16;
const WCHAR kDependentFiles[] = L"DependentFiles";
const WCHAR kFontListKey[] = L"WMFONT";
const WCHAR kPrinterFont[] = L"PrinterFont";
const WCHAR kDefaultNo[] = L"DefaultNo";

}  // namespace

WCHAR WatermarkFontList[kFontListPathBytes / sizeof(WCHAR)];

void SetWatermarkFontListPath(const WCHAR *pluginIni) {
    WatermarkFontList[0] = 0;
    if (!pluginIni || !pluginIni[0]) return;
    WCHAR name[kFileNameChars + 1] = L"";
    GetPrivateProfileStringW(kDependentFiles, kFontListKey, L"", name, kFileNameChars, pluginIni);
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
    const DWORD length = GetPrivateProfileStringW(kPrinterFont, key, L"", value, kEntryChars,
                                                  WatermarkFontList);
    if (!length) return false;
    ParseFontEntry(reinterpret_cast<const char16_t *>(value), length, entry);
    return true;
}

uint32_t ReadFontListDefaultNo() {
    if (!WatermarkFontList[0]) return 0;
    return GetPrivateProfileIntW(kPrinterFont, kDefaultNo, 0, WatermarkFontList);
}

uint32_t FontListEnd() { return JapaneseThreadLocale() ? 0 : ReadFontListDefaultNo(); }
