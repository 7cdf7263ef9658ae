// Color Print Details: the colour-matching method, its profiles, the
// rendering intent and the match precision.
#pragma once

#include <windows.h>

#include "core/doc_ui_state.h"

// Opened with the document UI state; 1 on OK, 0 on Cancel.
INT_PTR CALLBACK ColorDetailsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

void InitColorDetails(HWND dialog, DocUiState *state);
void RefreshColorDetails(HWND dialog, DocUiState *state);
