// The About dialog: driver name and versions from the driver's files.
#pragma once

#include "core/doc_ui_state.h"

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

void FillAboutTexts(HWND dialog, const DocUiState *state);
