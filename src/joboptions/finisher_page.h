// The finisher rule pass of the Job Options page: reads the sheet from the
// driver, corrects the bind-position, staple and punch selections and fills
// their lists when the page layout carries them.
#pragma once

#include "optiontree/doc_ui_state.h"

void RunFinisherRulePass(HWND page, DocUiState *state);
