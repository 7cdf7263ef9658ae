// The JOB PIN dialog: job name, PIN and the ask-for-name choice of a
// secure job, kept in the job's record.
#pragma once

#include <windows.h>

INT_PTR CALLBACK JobPinDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// The printer is shared or reached over the network.
bool PrinterSharedOrNetwork(HANDLE printer);
