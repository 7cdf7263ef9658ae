#include "support/dialog_input.h"

#include "support/import_hook.h"

#include <commctrl.h>

namespace dialog_input {

namespace {

constexpr int kTextChars = 512;
const WCHAR kPluginFileName[] = L"sxoemui.dll";

// The messages by which a list control gives its rows' texts.
struct ListMessages {
    UINT count, length, text;
};
constexpr ListMessages kComboMessages = {CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT};
constexpr ListMessages kListBoxMessages = {LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT};

std::wstring RowText(HWND list, const ListMessages &messages, LRESULT row) {
    WCHAR text[kTextChars] = L"";
    if (SendMessageW(list, messages.length, row, 0) < kTextChars)
        SendMessageW(list, messages.text, row, reinterpret_cast<LPARAM>(text));
    return text;
}

std::vector<std::wstring> RowTexts(HWND list, const ListMessages &messages) {
    std::vector<std::wstring> rows;
    const LRESULT count = SendMessageW(list, messages.count, 0, 0);
    for (LRESULT row = 0; row < count; ++row) rows.push_back(RowText(list, messages, row));
    return rows;
}

}  // namespace

std::wstring Text(HWND dialog, UINT id) {
    WCHAR text[kTextChars] = L"";
    GetDlgItemTextW(dialog, id, text, kTextChars);
    return text;
}

void Press(HWND dialog, UINT id) {
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void Type(HWND edit, const WCHAR *text) {
    for (const WCHAR *c = text; *c; ++c) SendMessageW(edit, WM_CHAR, *c, 1);
}

void Choose(HWND dialog, UINT id, int index) {
    HWND list = GetDlgItem(dialog, id);
    SendMessageW(list, CB_SETCURSEL, index, 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

std::vector<std::wstring> ComboEntries(HWND dialog, UINT id) {
    return RowTexts(GetDlgItem(dialog, id), kComboMessages);
}

std::wstring ComboSelection(HWND dialog, UINT id) {
    const LRESULT selected = Selection(dialog, id);
    return selected == CB_ERR ? L"" : RowText(GetDlgItem(dialog, id), kComboMessages, selected);
}

std::vector<std::wstring> ListBoxLines(HWND dialog, UINT id) {
    return RowTexts(GetDlgItem(dialog, id), kListBoxMessages);
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

BOOL WINAPI BeepCounter::CountBeep(UINT type) {
    ++beeps_;
    lastType_ = type;
    return TRUE;
}

BeepCounter::BeepCounter()
    : hook_(std::make_unique<ImportHook>(GetModuleHandleW(kPluginFileName), "user32.dll",
                                         "MessageBeep", reinterpret_cast<void *>(CountBeep))) {
    Reset();
}

BeepCounter::~BeepCounter() = default;

bool BeepCounter::Installed() const { return hook_->Installed(); }

}  // namespace dialog_input
