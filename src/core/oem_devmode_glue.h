// The DevMode entry: sizes, defaults, converts and merges the private record
// inside the driver's DEVMODE.
#pragma once

#include "core/platform_oem.h"

HRESULT HandleOemDevMode(DWORD mode, POEMDMPARAM param);
