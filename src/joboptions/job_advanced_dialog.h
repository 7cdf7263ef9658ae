// The Advanced job options dialog of the Job Options page.
#pragma once

#include <windows.h>

INT_PTR CALLBACK JobAdvancedDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
