// The plug-in's pages in the driver's property sheets.
#pragma once

#include "core/platform_oem.h"

class OemUiPlugin;

HRESULT RunDocumentPropertySheets(OemUiPlugin *plugin, PPROPSHEETUI_INFO info, LPARAM lParam);
HRESULT RunDevicePropertySheets(OemUiPlugin *plugin, PPROPSHEETUI_INFO info, LPARAM lParam);
