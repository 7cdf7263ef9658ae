// Office Color Details: RGB colour rendering, a colour tuner setting, CMYK
// ink simulation and black finish, edited on copies that OK writes back.
#pragma once

#include <windows.h>

#include "core/doc_ui_state.h"

void InitOfficeDetails(HWND dialog, DocUiState *state);
void RefreshOfficeDetails(HWND dialog, DocUiState *state);
INT_PTR CALLBACK OfficeDetailsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
