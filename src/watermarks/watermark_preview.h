// The page preview of the watermark dialogs: the paper in its proportions
// with the working watermark on it, drawn into an owner-drawn control.
#pragma once

#include <windows.h>

#include "core/doc_ui_state.h"

// Draws the working record of the dialog's DocUiState (in DWLP_USER) into
// control `controlId` of `dialog`, through the control's own device context.
void DrawWatermarkPreview(HWND dialog, UINT controlId);

// The paper of the sheet's public DEVMODE (A4 portrait without one), in
// tenths of a millimetre, width and height exchanged for landscape.
void GetPreviewPaperSize(const DocUiState *state, const WCHAR *formName, LONG *width, LONG *height);
