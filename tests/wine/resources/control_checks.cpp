#include "resources/control_checks.h"

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

struct ClassKind {
    ControlKind kind;
    const wchar_t *className;
};

const ClassKind kClasses[] = {
    {ControlKind::PushButton, L"Button"},
    {ControlKind::DefaultPushButton, L"Button"},
    {ControlKind::CheckBox, L"Button"},
    {ControlKind::AutoCheckBox, L"Button"},
    {ControlKind::Radio, L"Button"},
    {ControlKind::AutoRadio, L"Button"},
    {ControlKind::GroupBox, L"Button"},
    {ControlKind::OwnerDrawn, L"Button"},
    {ControlKind::Label, L"Static"},
    {ControlKind::Icon, L"Static"},
    {ControlKind::EtchedLine, L"Static"},
    {ControlKind::Edit, L"Edit"},
    {ControlKind::UpDown, UPDOWN_CLASSW},
    {ControlKind::DropDownList, L"ComboBox"},
    {ControlKind::DropDownCombo, L"ComboBox"},
    {ControlKind::ListBox, L"ListBox"},
    {ControlKind::ListView, WC_LISTVIEWW},
    {ControlKind::TrackBar, TRACKBAR_CLASSW},
    {ControlKind::HorizontalScrollBar, L"ScrollBar"},
    {ControlKind::TabControl, WC_TABCONTROLW},
};

const wchar_t *ClassOfKind(ControlKind kind) {
    for (const ClassKind &entry : kClasses)
        if (entry.kind == kind) return entry.className;
    return L"";
}

std::wstring ClassName(HWND window) {
    WCHAR name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

DWORD Style(HWND window) { return static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)); }

DWORD ButtonType(DWORD style) { return style & BS_TYPEMASK; }
DWORD StaticType(DWORD style) { return style & SS_TYPEMASK; }

bool IsTextStatic(DWORD style) {
    const DWORD type = StaticType(style);
    return type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT || type == SS_SIMPLE ||
           type == SS_LEFTNOWORDWRAP;
}

bool TypeMatches(ControlKind kind, DWORD style) {
    const DWORD button = ButtonType(style);
    switch (kind) {
    case ControlKind::PushButton: return button == BS_PUSHBUTTON || button == BS_DEFPUSHBUTTON;
    case ControlKind::DefaultPushButton: return button == BS_DEFPUSHBUTTON;
    case ControlKind::CheckBox: return button == BS_CHECKBOX || button == BS_AUTOCHECKBOX;
    case ControlKind::AutoCheckBox: return button == BS_AUTOCHECKBOX;
    case ControlKind::Radio: return button == BS_RADIOBUTTON || button == BS_AUTORADIOBUTTON;
    case ControlKind::AutoRadio: return button == BS_AUTORADIOBUTTON;
    case ControlKind::GroupBox: return button == BS_GROUPBOX;
    case ControlKind::OwnerDrawn: return button == BS_OWNERDRAW;
    case ControlKind::Label: return IsTextStatic(style);
    case ControlKind::Icon: return StaticType(style) == SS_ICON;
    case ControlKind::EtchedLine: return StaticType(style) == SS_ETCHEDHORZ;
    case ControlKind::DropDownList: return (style & CBS_DROPDOWNLIST) == CBS_DROPDOWNLIST;
    case ControlKind::DropDownCombo: return (style & CBS_DROPDOWNLIST) == CBS_DROPDOWN;
    case ControlKind::HorizontalScrollBar: return !(style & SBS_VERT);
    case ControlKind::Edit:
    case ControlKind::UpDown:
    case ControlKind::ListBox:
    case ControlKind::ListView:
    case ControlKind::TrackBar:
    case ControlKind::TabControl: return true;
    }
    return false;
}

struct TraitRule {
    uint32_t trait;
    const char *name;
    bool (*holds)(DWORD style);
};

const TraitRule kTraitRules[] = {
    {kDisabled, "disabled", [](DWORD s) { return (s & WS_DISABLED) != 0; }},
    {kCentred, "centred", [](DWORD s) { return StaticType(s) == SS_CENTER; }},
    {kStartsGroup, "starts a group", [](DWORD s) { return (s & WS_GROUP) != 0; }},
    {kMultiline, "multi-line", [](DWORD s) { return (s & BS_MULTILINE) != 0; }},
    {kSetsBuddyInt, "sets its buddy's number", [](DWORD s) { return (s & UDS_SETBUDDYINT) != 0; }},
    {kNoThousands, "no thousands separators", [](DWORD s) { return (s & UDS_NOTHOUSANDS) != 0; }},
    {kReportView, "report view", [](DWORD s) { return (s & LVS_TYPEMASK) == LVS_REPORT; }},
    {kUnsorted, "unsorted", [](DWORD s) { return !(s & LBS_SORT); }},
    {kNotifies, "notifies", [](DWORD s) { return (s & LBS_NOTIFY) != 0; }},
    {kVerticalScroll, "vertical scroll bar", [](DWORD s) { return (s & WS_VSCROLL) != 0; }},
    {kAutoTicks, "auto ticks", [](DWORD s) { return (s & TBS_AUTOTICKS) != 0; }},
};

bool IsCheckOrRadio(DWORD style) {
    const DWORD type = ButtonType(style);
    return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_RADIOBUTTON ||
           type == BS_AUTORADIOBUTTON || type == BS_3STATE || type == BS_AUTO3STATE;
}

class ControlDC {
public:
    explicit ControlDC(HWND control)
        : control_(control), dc_(GetDC(control)),
          previous_(dc_ ? SelectObject(dc_, reinterpret_cast<HFONT>(
                                                SendMessageW(control, WM_GETFONT, 0, 0)))
                        : nullptr) {}
    ~ControlDC() {
        if (!dc_) return;
        if (previous_) SelectObject(dc_, previous_);
        ReleaseDC(control_, dc_);
    }
    ControlDC(const ControlDC &) = delete;
    ControlDC &operator=(const ControlDC &) = delete;
    HDC Get() const { return dc_; }

private:
    HWND control_;
    HDC dc_;
    HGDIOBJ previous_;
};

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

std::string KindMismatch(HWND control, DWORD templateStyle, ControlKind kind, uint32_t traits) {
    const std::wstring actualClass = ClassName(control);
    if (lstrcmpiW(actualClass.c_str(), ClassOfKind(kind)) != 0) {
        std::string found(actualClass.begin(), actualClass.end());
        std::wstring wanted = ClassOfKind(kind);
        return "window class " + found + ", not " + std::string(wanted.begin(), wanted.end());
    }
    const DWORD style = Style(control);
    char hex[16];
    wsprintfA(hex, "0x%08lX", style);
    if (!TypeMatches(kind, style)) return std::string("style ") + hex + " is of another kind";
    std::string missing;
    for (const TraitRule &rule : kTraitRules)
        if ((traits & rule.trait) && !rule.holds(templateStyle))
            missing += std::string(missing.empty() ? "" : ", ") + rule.name;
    wsprintfA(hex, "0x%08lX", templateStyle);
    return missing.empty() ? std::string()
                           : std::string("template style ") + hex + " lacks: " + missing;
}

bool ShowsText(HWND control) {
    const std::wstring className = ClassName(control);
    const DWORD style = Style(control);
    if (lstrcmpiW(className.c_str(), L"Button") == 0) return ButtonType(style) != BS_OWNERDRAW;
    if (lstrcmpiW(className.c_str(), L"Static") == 0) return IsTextStatic(style);
    return false;
}

bool HasMnemonics(HWND control) {
    if (!ShowsText(control)) return false;
    const bool isStatic = lstrcmpiW(ClassName(control).c_str(), L"Static") == 0;
    return !(isStatic && (Style(control) & SS_NOPREFIX));
}

TextFit MeasureTextFit(HWND control) {
    TextFit fit;
    const std::wstring text = WindowText(control);
    if (text.empty() || !ShowsText(control)) return fit;
    ControlDC dc(control);
    RECT client;
    GetClientRect(control, &client);
    const DWORD style = Style(control);
    const bool isStatic = lstrcmpiW(ClassName(control).c_str(), L"Static") == 0;
    const Room room = isStatic ? StaticRoom(style, client) : ButtonRoom(dc.Get(), style, client);
    RECT needed = {0, 0, room.size.cx, 0};
    DrawTextW(dc.Get(), text.c_str(), -1, &needed, room.format | DT_CALCRECT);
    fit.needed = {needed.right - needed.left, needed.bottom - needed.top};
    fit.room = room.size;
    fit.wraps = (room.format & DT_WORDBREAK) != 0;
    RECT line = {0, 0, 0, 0};
    DrawTextW(dc.Get(), text.c_str(), -1, &line,
              (room.format & ~DT_WORDBREAK) | DT_SINGLELINE | DT_CALCRECT);
    fit.lineWidth = line.right - line.left;
    fit.fits = fit.needed.cx <= fit.room.cx && fit.needed.cy <= fit.room.cy;
    return fit;
}
