// The print position adjustment dialog (template 122): the enable switch,
// the duplex mode shown, five embedded pages (template 1901) with the scale,
// shift and fine values of each page kind, Default and the test print.
#pragma once

#include <windows.h>

#include "core/doc_ui_state.h"

INT_PTR CALLBACK PositionDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK PositionPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
