// The IC-card library named by the model's "CARD_DLL" key: asked once when
// the Job Options page opens whether an IC-card driver is present.
#pragma once

#include <windows.h>

// The library's "QueryCardDriver" answer; 0 when no library is named or it,
// or its export, is missing. `modelKeys`: the model section's lines the
// sheet kept, if any (see ReadKeptCapabilityString).
DWORD QueryIcCardDriver(HANDLE printer, const WCHAR *modelKeys = nullptr);
