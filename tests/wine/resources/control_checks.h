// Checks of one created control: its window class and styles against the
// expected kind, and whether its text fits inside it in its own font.
#pragma once

#include "resources/expected_templates.h"

#include <windows.h>

#include <string>

// Empty when the control is of the kind and its template style has the
// traits; otherwise what differs. The traits are read from the template
// because controls change some style bits themselves (a list box drops
// WS_VSCROLL while its items fit).
std::string KindMismatch(HWND control, DWORD templateStyle, ControlKind kind, uint32_t traits);

// True when the control draws a text of its own: buttons other than
// owner-drawn ones, and text statics.
bool ShowsText(HWND control);
// True when '&' in the control's text marks a mnemonic.
bool HasMnemonics(HWND control);

struct TextFit {
    bool fits = true;
    SIZE needed = {0, 0};
    SIZE room = {0, 0};
    bool wraps = false;  // measured as several lines in the room's width
    int lineWidth = 0;   // the whole text on one line
};
// How the control's text lies in the room the control draws it in.
TextFit MeasureTextFit(HWND control);

std::wstring WindowText(HWND window);
