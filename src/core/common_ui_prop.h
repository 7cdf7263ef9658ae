// The CommonUIProp entry: configuration files and help path, then the
// document or printer option handling.
#pragma once

#include "core/platform_oem.h"

class OemUiPlugin;

constexpr DWORD kPluginIniBufferBytes = 522;
constexpr DWORD kHelpPathBytes = 520;

// The plug-in ini path buffer of the last CommonUIProp call (on the
// driver's OEM heap, which owns it) and the help file path.
extern WCHAR *PluginIni;
extern WCHAR HelpFilePath[kHelpPathBytes / sizeof(WCHAR)];

HRESULT RunCommonUIProp(OemUiPlugin *plugin, DWORD mode, POEMCUIPPARAM param);
