// The colour settings files beside the plug-in (custom gamma settings and
// the colour tuner's tables) and the colour fields of the private record.
#pragma once

#include <windows.h>

#include "core/driver_config.h"
#include "core/doc_ui_state.h"

constexpr DWORD kColorFilePathBytes = 520;

// The Color page's print cartridge choice, shared by every sheet of the
// process: 0 White, 1 Black.
extern DWORD PrintCartridge;

// The custom gamma settings file named by the plug-in ini; 0 when none is
// configured or the path does not fit.
int FindHalftoneFile(const DocUiState *state, WCHAR *path, DWORD *bytes);
// The colour tuner's file named by the printer model; 0 when none is
// configured or the path does not fit.
int FindColorTunerFile(const OEMUIPSPARAM *sheet, WCHAR *path, DWORD *bytes);

// Calls `add(name, id)` for every setting of a section that lists
// "SettingNum" settings, in order, skipping empty names. Returns the
// section's setting count.
template <typename Add>
int ForEachNamedSetting(const WCHAR *file, const WCHAR *section, Add add);

// The record's colour fields from the page's values; with a tuner setting
// in use, its two tables from the tuner's file.
void SaveColorSettingsToRecord(HWND page, DocUiState *state);

namespace color_store_detail {
int ReadSettingCount(const ConfigFileReader &file, const WCHAR *section);
UINT ReadSettingId(const ConfigFileReader &file, const WCHAR *section, int index);
// False when the setting has no name.
bool ReadSettingName(const ConfigFileReader &file, const WCHAR *section, UINT id, WCHAR *name);
constexpr int kSettingNameChars = 66;  // 65 and the terminator
}  // namespace color_store_detail

template <typename Add>
int ForEachNamedSetting(const WCHAR *file, const WCHAR *section, Add add) {
    using namespace color_store_detail;
    if (!file || !file[0]) return 0;
    // One reading of the file serves all its settings.
    const ConfigFileReader settings(file);
    const int count = ReadSettingCount(settings, section);
    for (int i = 0; i < count; ++i) {
        const UINT id = ReadSettingId(settings, section, i);
        WCHAR name[kSettingNameChars];
        if (ReadSettingName(settings, section, id, name)) add(name, id);
    }
    return count;
}
