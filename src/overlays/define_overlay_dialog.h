// The Define Overlays dialog (template 203): name, pages and forms of the
// definition whose index the DocUiState names. It writes into that
// definition; the caller keeps a backup to undo a Cancel.
#pragma once

#include <windows.h>

// Init parameter: the DocUiState. Ends with 1 for OK, 0 for Cancel.
INT_PTR CALLBACK DefineOverlayDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
