// The Overlays dialog (template 109): the job's overlay mode and active
// overlays, and the printer-wide definitions behind them.
#pragma once

#include <windows.h>

// Init parameter: the DocUiState. Ends with 1 for OK, 0 for Cancel.
INT_PTR CALLBACK OverlaysDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
