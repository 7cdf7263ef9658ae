#include "support/dialog_input.h"

#include "support/import_hook.h"

#include <commctrl.h>

namespace dialog_input {

namespace {

constexpr int kTextChars = 512;
const WCHAR kPluginFileName[] = L"sxoemui.dll";

int Beeps;
UINT LastBeep;

BOOL WINAPI CountBeep(UINT type) {
    ++Beeps;
    LastBeep = type;
    return TRUE;
}

std::wstring ComboText(HWND list, LRESULT index) {
    WCHAR text[kTextChars] = L"";
    if (SendMessageW(list, CB_GETLBTEXTLEN, index, 0) < kTextChars)
        SendMessageW(list, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
    return text;
}

}  // namespace

std::wstring Text(HWND dialog, UINT id) {
    WCHAR text[kTextChars] = L"";
    GetDlgItemTextW(dialog, id, text, kTextChars);
    return text;
}

bool Enabled(HWND dialog, UINT id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != 0; }

bool Checked(HWND dialog, UINT id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

void Press(HWND dialog, UINT id) {
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void Type(HWND edit, const WCHAR *text) {
    for (const WCHAR *c = text; *c; ++c) SendMessageW(edit, WM_CHAR, *c, 1);
}

void Type(HWND dialog, UINT id, const WCHAR *text) { Type(GetDlgItem(dialog, id), text); }

void Choose(HWND dialog, UINT id, int index) {
    HWND list = GetDlgItem(dialog, id);
    SendMessageW(list, CB_SETCURSEL, index, 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

LRESULT Selection(HWND dialog, UINT id) { return SendDlgItemMessageW(dialog, id, CB_GETCURSEL, 0, 0); }

std::vector<std::wstring> ComboEntries(HWND dialog, UINT id) {
    HWND list = GetDlgItem(dialog, id);
    std::vector<std::wstring> entries;
    const LRESULT count = SendMessageW(list, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) entries.push_back(ComboText(list, i));
    return entries;
}

std::wstring ComboSelection(HWND dialog, UINT id) {
    const LRESULT selected = Selection(dialog, id);
    return selected == CB_ERR ? L"" : ComboText(GetDlgItem(dialog, id), selected);
}

std::vector<std::wstring> ListBoxLines(HWND dialog, UINT id) {
    std::vector<std::wstring> lines;
    const LRESULT count = SendDlgItemMessageW(dialog, id, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        WCHAR text[kTextChars] = L"";
        if (SendDlgItemMessageW(dialog, id, LB_GETTEXTLEN, i, 0) < kTextChars)
            SendDlgItemMessageW(dialog, id, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
        lines.push_back(text);
    }
    return lines;
}

void PickLine(HWND dialog, UINT id, int row) {
    HWND list = GetDlgItem(dialog, id);
    SendMessageW(list, LB_SETCURSEL, row, 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

std::vector<std::wstring> ListViewColumn(HWND dialog, UINT id, int column) {
    HWND list = GetDlgItem(dialog, id);
    std::vector<std::wstring> cells;
    const LRESULT count = SendMessageW(list, LVM_GETITEMCOUNT, 0, 0);
    for (LRESULT row = 0; row < count; ++row) {
        WCHAR text[kTextChars] = L"";
        LVITEMW item = {};
        item.iSubItem = column;
        item.pszText = text;
        item.cchTextMax = kTextChars;
        SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
        cells.push_back(text);
    }
    return cells;
}

void SelectRows(HWND dialog, UINT id, const std::vector<int> &rows) {
    HWND list = GetDlgItem(dialog, id);
    LVITEMW item = {};
    item.stateMask = LVIS_SELECTED;
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
    item.state = LVIS_SELECTED;
    for (int row : rows) SendMessageW(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
}

void DoubleClick(HWND dialog, UINT id, int row) {
    NMITEMACTIVATE click = {};
    click.hdr.hwndFrom = GetDlgItem(dialog, id);
    click.hdr.idFrom = id;
    click.hdr.code = NM_DBLCLK;
    click.iItem = row;
    SendMessageW(dialog, WM_NOTIFY, id, reinterpret_cast<LPARAM>(&click));
}

void RunPostedMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

std::wstring PluginString(UINT id) {
    WCHAR text[kTextChars] = L"";
    LoadStringW(GetModuleHandleW(kPluginFileName), id, text, kTextChars);
    return text;
}

BeepCounter::BeepCounter()
    : hook_(std::make_unique<ImportHook>(GetModuleHandleW(kPluginFileName), "user32.dll",
                                         "MessageBeep", reinterpret_cast<void *>(CountBeep))) {
    Reset();
}

BeepCounter::~BeepCounter() = default;

bool BeepCounter::Installed() const { return hook_->Installed(); }

int BeepCounter::Count() const { return Beeps; }

UINT BeepCounter::LastType() const { return LastBeep; }

void BeepCounter::Reset() {
    Beeps = 0;
    LastBeep = 0;
}

}  // namespace dialog_input
