// The IC-card library named by the model's "CARD_DLL" key: asked once when
// the Job Options page opens whether an IC-card driver is present.
#pragma once

#include <windows.h>

// The library's "QueryCardDriver" answer; 0 when no library is named or it,
// or its export, is missing.
DWORD QueryIcCardDriver(HANDLE printer);
