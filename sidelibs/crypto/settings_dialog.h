// The library's own settings dialog.
#pragma once

#include "sxcrypt.h"

// Shows the block's values and password modally; on OK writes the edited
// values and password back and returns true. The block is untouched on
// Cancel or when the dialog cannot be shown.
bool ShowSettingsDialog(HWND parent, CryptoSettingBlock *block, DWORD mode);
