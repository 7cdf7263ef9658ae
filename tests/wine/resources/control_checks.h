// Checks of one created control: what it is, whether it takes input, and
// whether its text fits inside it in its own font.
#pragma once

#include <windows.h>

#include <string>

bool IsGroupBox(HWND control);
bool IsLabel(HWND control);
// Edits, lists, combo boxes, track bars, tab controls and buttons other than
// group boxes and owner-drawn pictures: what the keyboard must reach. An
// up-down's arrows work through the edit it sits on.
bool TakesInput(HWND control);
bool IsRadio(HWND control);
bool IsUpDown(HWND control);

// True when the control draws a text of its own: buttons other than
// owner-drawn ones, and text statics.
bool ShowsText(HWND control);
// True when '&' in the control's text marks a mnemonic.
bool HasMnemonics(HWND control);

struct TextFit {
    bool fits = true;
    SIZE needed = {0, 0};
    SIZE room = {0, 0};
};
// How the control's text lies in the room the control draws it in.
TextFit MeasureTextFit(HWND control);

std::wstring WindowText(HWND window);

// The control's window rectangle in its dialog's client coordinates.
RECT PlaceInDialog(HWND dialog, HWND control);
// Whether the control lies wholly inside its dialog's client area.
bool InsideDialog(HWND dialog, HWND control);
