// A shown window copied from the screen as an RGB image. Wine's PrintWindow
// draws only a dialog's background, not its controls, so the window is
// painted where it stands and its pixels copied instead.
#pragma once

#include "tools/contact_sheets_png.h"

#include <windows.h>

// Paints the window and everything pending, then copies it, frame included.
bool CaptureWindow(HWND window, RgbImage *image);
