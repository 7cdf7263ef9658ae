#include "resources/control_checks.h"

#include "core/gdi_holders.h"

#include <commctrl.h>

#include <vector>

namespace {

// Room the system's controls keep around their text: the push button's
// frame, the group box's inset of the caption, the focus gap of a check
// box's text, and the check box's square at 96 dpi (12 pixels and a line).
constexpr int kButtonFrame = 2;
constexpr int kDefaultButtonBorder = 1;
constexpr int kGroupCaptionInset = 7;
constexpr int kLabelFocusGap = 1;
constexpr int kCheckBoxSide = 12;
constexpr int kCheckBoxLine = 1;
constexpr int kDefaultDpi = 96;

std::wstring ClassName(HWND window) {
    WCHAR name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

bool IsClass(HWND window, const WCHAR *name) {
    return lstrcmpiW(ClassName(window).c_str(), name) == 0;
}

DWORD Style(HWND window) { return static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)); }

DWORD ButtonType(DWORD style) { return style & BS_TYPEMASK; }
DWORD StaticType(DWORD style) { return style & SS_TYPEMASK; }

bool IsTextStatic(DWORD style) {
    const DWORD type = StaticType(style);
    return type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT || type == SS_SIMPLE ||
           type == SS_LEFTNOWORDWRAP;
}

bool IsCheckOrRadio(DWORD style) {
    const DWORD type = ButtonType(style);
    return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_RADIOBUTTON ||
           type == BS_AUTORADIOBUTTON || type == BS_3STATE || type == BS_AUTO3STATE;
}

// The check box's square and the gap of half a digit that follows it.
int CheckBoxIndent(HDC dc) {
    int digit = 0;
    GetCharWidthW(dc, L'0', L'0', &digit);
    return kCheckBoxSide * GetDeviceCaps(dc, LOGPIXELSX) / kDefaultDpi + kCheckBoxLine + digit / 2;
}

struct Room {
    SIZE size;
    UINT format;
};

Room ButtonRoom(HDC dc, DWORD style, const RECT &client) {
    const UINT lines = (style & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE;
    int width = client.right, height = client.bottom;
    switch (ButtonType(style)) {
    case BS_DEFPUSHBUTTON:
        width -= 2 * kDefaultButtonBorder;
        height -= 2 * kDefaultButtonBorder;
        [[fallthrough]];
    case BS_PUSHBUTTON:
        width -= 2 * kButtonFrame;
        height -= 2 * kButtonFrame;
        break;
    case BS_GROUPBOX:
        return {{client.right - 2 * kGroupCaptionInset - kLabelFocusGap, client.bottom},
                DT_SINGLELINE};
    default:
        if (IsCheckOrRadio(style)) width -= CheckBoxIndent(dc) + kLabelFocusGap;
    }
    return {{width, height}, lines};
}

Room StaticRoom(DWORD style, const RECT &client) {
    const DWORD type = StaticType(style);
    UINT format = (type == SS_SIMPLE || type == SS_LEFTNOWORDWRAP) ? DT_SINGLELINE
                                                                   : DT_WORDBREAK | DT_EXPANDTABS;
    if (style & SS_NOPREFIX) format |= DT_NOPREFIX;
    return {{client.right, client.bottom}, format};
}

}  // namespace

std::wstring WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::vector<WCHAR> text(static_cast<size_t>(length) + 1);
    GetWindowTextW(window, text.data(), length + 1);
    return text.data();
}

RECT PlaceInDialog(HWND dialog, HWND control) {
    RECT box = {};
    GetWindowRect(control, &box);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT *>(&box), 2);
    return box;
}

bool InsideDialog(HWND dialog, HWND control) {
    RECT client = {};
    GetClientRect(dialog, &client);
    const RECT box = PlaceInDialog(dialog, control);
    return box.left >= 0 && box.top >= 0 && box.right <= client.right && box.bottom <= client.bottom;
}

bool IsGroupBox(HWND control) {
    return IsClass(control, L"Button") && ButtonType(Style(control)) == BS_GROUPBOX;
}

bool IsLabel(HWND control) { return IsClass(control, L"Static"); }

bool IsRadio(HWND control) {
    const DWORD type = ButtonType(Style(control));
    return IsClass(control, L"Button") && (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON);
}

bool IsUpDown(HWND control) { return IsClass(control, UPDOWN_CLASSW); }

bool TakesInput(HWND control) {
    if (IsLabel(control) || IsUpDown(control)) return false;
    if (!IsClass(control, L"Button")) return true;
    const DWORD type = ButtonType(Style(control));
    return type != BS_GROUPBOX && type != BS_OWNERDRAW;
}

bool ShowsText(HWND control) {
    const DWORD style = Style(control);
    if (IsClass(control, L"Button")) return ButtonType(style) != BS_OWNERDRAW;
    if (IsLabel(control)) return IsTextStatic(style);
    return false;
}

bool HasMnemonics(HWND control) {
    if (!ShowsText(control)) return false;
    return !(IsLabel(control) && (Style(control) & SS_NOPREFIX));
}

TextFit MeasureTextFit(HWND control) {
    TextFit fit;
    const std::wstring text = WindowText(control);
    if (text.empty() || !ShowsText(control)) return fit;
    WindowDc dc(control);
    Selection font(dc.Get(), reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    RECT client;
    GetClientRect(control, &client);
    const DWORD style = Style(control);
    const Room room = IsLabel(control) ? StaticRoom(style, client) : ButtonRoom(dc.Get(), style, client);
    RECT needed = {0, 0, room.size.cx, 0};
    DrawTextW(dc.Get(), text.c_str(), -1, &needed, room.format | DT_CALCRECT);
    fit.needed = {needed.right - needed.left, needed.bottom - needed.top};
    fit.room = room.size;
    fit.fits = fit.needed.cx <= fit.room.cx && fit.needed.cy <= fit.room.cy;
    return fit;
}
