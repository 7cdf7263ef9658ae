// The Watermarks dialog (template 112), the watermark editor (114) and its
// Font dialog (115), and what the Job Options page does with them.
#pragma once

#include <windows.h>

#include "core/doc_ui_state.h"

INT_PTR CALLBACK WatermarksDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK WatermarkEditorProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK WatermarkFontDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Puts the selected list entry into whichever of the two dialogs' controls
// `dialog` carries, then redraws the preview.
void RefreshWatermarkControls(HWND dialog, DocUiState *state);
void UpdateWatermarkButtons(HWND dialog, const DocUiState *state);

// The Job Options page: opens the Watermarks dialog (nonzero on OK), and
// writes or drops the list loaded during the sheet.
INT_PTR OpenWatermarksDialog(HWND page, DocUiState *state);
void CommitWatermarksOnApply(DocUiState *state);
void DropWatermarksOnReset(DocUiState *state);
