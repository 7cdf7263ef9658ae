// The one-time warning that a shared printer cannot ask for the job name,
// remembered in the plug-in ini once the user asks not to see it again.
#pragma once

#include <windows.h>

void ShowSharedPrinterWarning(HWND owner, const WCHAR *pluginIni);
