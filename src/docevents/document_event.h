// The document event hook: the driver calls it in the application's process
// at the points of each job; at the start of a job it passes the printing
// application's name on to the printer side.
#pragma once

#include <windows.h>

// S_OK for every event and input; never stops the job.
HRESULT RunDocumentEvent(HANDLE hPrinter, INT iEsc, ULONG cbIn, PVOID pvIn, ULONG cbOut,
                         PVOID pvOut, PINT piResult);
