// The measuring sheet of the print position adjustment, printed through the
// spooler on the sheet's printer with the values being edited.
#pragma once

#include <windows.h>

#include "adjust/adjust_rules.h"
#include "core/doc_ui_state.h"

// Prints one page (simplex) or two (duplex mode 1 or 2) with a copy of the
// sheet's DEVMODE that carries `values`. False when no printer device
// context could be made; a document the spooler refuses prints nothing.
bool PrintAdjustmentTestPage(const DocUiState *state, uint32_t mode, const AdjustValues &values);
