// The CommonUIProp entry: configuration files and help path, then the
// document or printer option handling.
#pragma once

#include "core/context_help.h"
#include "core/platform_oem.h"

class OemUiPlugin;

constexpr DWORD kPluginIniBufferBytes = 522;

// The plug-in ini path buffer of the last CommonUIProp call (on the
// driver's OEM heap, which owns it).
extern WCHAR *PluginIni;

HRESULT RunCommonUIProp(OemUiPlugin *plugin, DWORD mode, POEMCUIPPARAM param);
