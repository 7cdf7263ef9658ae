// The Color property page: colour or gray scale, custom gamma, the print
// cartridge with its Print Mode and Black Finish, and the two colour
// dialogs it opens.
#pragma once

#include <windows.h>

#include "core/doc_ui_state.h"

INT_PTR CALLBACK ColorPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

void InitColorPage(HWND page, DocUiState *state);
void RefreshColorPage(HWND page, DocUiState *state);
void UpdateColorModeControls(HWND page, DocUiState *state);
