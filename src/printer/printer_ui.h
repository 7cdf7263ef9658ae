// The printer properties: the plug-in's push-button item among the
// driver's installable-option items, the items it recognises, and the
// callback through which detection fills their selections.
#pragma once

#include "core/platform_oem.h"

class OemUiPlugin;

// The printer step of CommonUIProp (both of the driver's calls).
HRESULT RunPrinterStep(OemUiPlugin *plugin, POEMCUIPPARAM param);

LONG APIENTRY PrinterOptionCallback(PCPSUICBPARAM callback, POEMCUIPPARAM param);

struct PrnUiState;
// DevicePropertySheets INIT: the sheet's handle, function and parameter.
void KeepPrinterSheet(PrnUiState *state, const PROPSHEETUI_INFO *info);

// The plug-in item's id and the printer value its selection is kept in.
constexpr BYTE kDetectButtonItemId = 2;
extern const WCHAR kOemUiValue[];
