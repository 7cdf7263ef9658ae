// The special toner details dialog (template 4001 for White toner, 4002 for
// Clear): colour control, layer order, mirror printing, the two densities,
// the level and the one-pass series flag, edited on copies that OK writes.
#pragma once

#include <windows.h>

#include "core/doc_ui_state.h"

// What the printer has: 0 none, 1 White, 2 Clear. Process-wide, set by the
// Color page.
extern DWORD SpecialTonerKind;

void InitSpecialToner(HWND dialog, DocUiState *state);
void RefreshSpecialToner(HWND dialog, DocUiState *state);
void DrawSpecialTonerPictures(HWND dialog, const DocUiState *state);
// Both density fields inside their range, or a message and the focus on
// the first that is not.
bool ValidateSpecialDensities(HWND dialog);
void DefaultSpecialToner(const DocUiState *state);
INT_PTR CALLBACK SpecialTonerDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
