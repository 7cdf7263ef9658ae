// The CommonUIProp entry: configuration files and help path, then the
// document or printer option handling.
#pragma once

#include "core/platform_oem.h"

class OemUiPlugin;

HRESULT RunCommonUIProp(OemUiPlugin *plugin, DWORD mode, POEMCUIPPARAM param);
