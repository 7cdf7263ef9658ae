// The Advanced colour dialog: the two halftone choices of the printer.
#pragma once

#include <windows.h>

#include "core/doc_ui_state.h"

// Opened with the document UI state; 1 on OK, 0 on Cancel.
INT_PTR CALLBACK AdvancedColorDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

void InitAdvancedColor(HWND dialog, DocUiState *state);
void DefaultAdvancedColor(HWND dialog, DocUiState *state);
void SaveAdvancedColor(HWND dialog, DocUiState *state);
