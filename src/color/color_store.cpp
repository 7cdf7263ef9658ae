#include "color/color_store.h"
#include "core/config_key_text.h"

#include "color/color_rules.h"
#include "core/driver_config.h"
#include "core/oem_devmode.h"

namespace {

const WCHAR kSettingIdFormat[] = L"SettingID%d";
const WCHAR kSettingNameFormat[] = L"SettingName%d";
const WCHAR kNtTableFormat[] = L"CCMNT%d";
const WCHAR kNvTableFormat[] = L"CCMNV%d";
constexpr DWORD kFileNameChars = 520;
constexpr DWORD kTableTextChars = 1020;
constexpr int kKeyChars = 32;
// Far more settings than any file lists; a corrupt count must not keep the
// page reading for minutes.
constexpr int kMaxSettings = 1024;

int FindNamedFile(const WCHAR *name, WCHAR *path, DWORD *bytes) {
    if (!name[0] || !path || !bytes) return 0;
    return BuildDriverFilePath(path, bytes, name);
}

// A table of the tuner's file into a record field: at most `capacity`
// bytes, the size saying how many.
uint16_t LoadTable(const WCHAR *file, const WCHAR *section, const WCHAR *format, UINT id,
                   uint8_t *table, size_t capacity) {
    WCHAR key[kKeyChars];
    wsprintfW(key, format, static_cast<int>(id));
    WCHAR text[kTableTextChars] = L"";
    if (file) GetPrivateProfileStringW(section, key, L"", text, kTableTextChars, file);
    size_t count = 0;
    ParseHexBytes(reinterpret_cast<const char16_t *>(text), table, capacity, &count);
    return static_cast<uint16_t>(count);
}

}  // namespace

DWORD PrintCartridge = 0;

namespace color_store_detail {

int ReadSettingCount(const ConfigFileReader &file, const WCHAR *section) {
    const int count = static_cast<int>(file.ReadInt(section, KeyText(kKeySettingNum), 0));
    if (count <= 0) return 0;
    return count < kMaxSettings ? count : kMaxSettings;
}

UINT ReadSettingId(const ConfigFileReader &file, const WCHAR *section, int index) {
    WCHAR key[kKeyChars];
    wsprintfW(key, kSettingIdFormat, index);
    return file.ReadInt(section, key, 0);
}

bool ReadSettingName(const ConfigFileReader &file, const WCHAR *section, UINT id, WCHAR *name) {
    WCHAR key[kKeyChars];
    wsprintfW(key, kSettingNameFormat, static_cast<int>(id));
    file.ReadString(section, key, L"", name, kSettingNameChars);
    return name[0] != 0;
}

}  // namespace color_store_detail

int FindHalftoneFile(const DocUiState *state, WCHAR *path, DWORD *bytes) {
    WCHAR name[kFileNameChars] = L"";
    if (state && state->pPluginIni && state->pPluginIni[0])
        GetPrivateProfileStringW(KeyText(kDependentFilesSection), KeyText(kKeyHalftone), L"", name,
                                 kFileNameChars, state->pPluginIni);
    return FindNamedFile(name, path, bytes);
}

int FindColorTunerFile(const OEMUIPSPARAM *sheet, WCHAR *path, DWORD *bytes) {
    WCHAR name[kFileNameChars] = L"";
    if (sheet)
        ReadCapabilityString(sheet->hPrinter, KeyText(kKeyCcmInfoFile), name, kFileNameChars);
    return FindNamedFile(name, path, bytes);
}

void SaveColorSettingsToRecord(HWND, DocUiState *state) {
    const POEMUIPSPARAM sheet = state->pOemUiPsParam;
    OemDevmode *record = sheet ? static_cast<OemDevmode *>(sheet->pOEMDM) : nullptr;
    if (!record) return;
    record->wColorPageValue = 0;
    record->dwColorTunerSetting = state->dwColorTunerSetting;
    record->dwCustomGamma = state->slots.working[kSlotVXTone];
    record->dwPrintCartridge = PrintCartridge;

    // The tuner's file is looked for only when a tuner setting needs it.
    const uint32_t setting = record->dwColorTunerSetting;
    if (!TunerSettingInUse(setting)) return;
    WCHAR path[kColorFilePathBytes / sizeof(WCHAR)];
    DWORD bytes = sizeof(path);
    const bool found = FindColorTunerFile(sheet, path, &bytes) != 0;
    const WCHAR *section = reinterpret_cast<const WCHAR *>(TunerSection(setting));
    const WCHAR *file = found ? path : nullptr;
    const UINT id = TunerSettingId(setting);
    record->wCcmNtSize =
        LoadTable(file, section, kNtTableFormat, id, record->abCcmNt, kCcmNtCapacity);
    record->wCcmNvSize =
        LoadTable(file, section, kNvTableFormat, id, record->abCcmNv, kCcmNvCapacity);
}
