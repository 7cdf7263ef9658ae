// A dialog's controls driven as a user drives them, and read back: the
// helpers every dialog and page test shares, so that a test says what the
// user does rather than which message does it.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

class ImportHook;

namespace dialog_input {

std::wstring Text(HWND dialog, UINT id);
inline bool Enabled(HWND dialog, UINT id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != 0; }
inline bool Checked(HWND dialog, UINT id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
// The control's BN_CLICKED, as its parent receives it.
void Press(HWND dialog, UINT id);
// One WM_CHAR per character, as the keyboard sends them.
void Type(HWND edit, const WCHAR *text);
inline void Type(HWND dialog, UINT id, const WCHAR *text) { Type(GetDlgItem(dialog, id), text); }
// A drop-down list's entry chosen, with the selection-change notification.
void Choose(HWND dialog, UINT id, int index);
inline LRESULT Selection(HWND dialog, UINT id) {
    return SendDlgItemMessageW(dialog, id, CB_GETCURSEL, 0, 0);
}
std::vector<std::wstring> ComboEntries(HWND dialog, UINT id);
std::wstring ComboSelection(HWND dialog, UINT id);
std::vector<std::wstring> ListBoxLines(HWND dialog, UINT id);
// A list box's row chosen, with the selection-change notification.
void PickLine(HWND dialog, UINT id, int row);
// One column of a list view, row by row.
std::vector<std::wstring> ListViewColumn(HWND dialog, UINT id, int column);
// Exactly `rows` selected in a list view.
void SelectRows(HWND dialog, UINT id, const std::vector<int> &rows);
// A double click on a list view row, as the list view reports it.
void DoubleClick(HWND dialog, UINT id, int row);
// What was posted to this thread's windows, handled.
void RunPostedMessages();
// A string of the plug-in's resources in the thread's language.
std::wstring PluginString(UINT id);

// The plug-in's MessageBeep calls counted while the counter lives.
class BeepCounter {
public:
    BeepCounter();
    ~BeepCounter();
    BeepCounter(const BeepCounter &) = delete;
    BeepCounter &operator=(const BeepCounter &) = delete;
    bool Installed() const;
    int Count() const { return beeps_; }
    UINT LastType() const { return lastType_; }
    void Reset() { beeps_ = 0, lastType_ = 0; }

private:
    static BOOL WINAPI CountBeep(UINT type);

    static inline int beeps_ = 0;
    static inline UINT lastType_ = 0;
    std::unique_ptr<ImportHook> hook_;
};

}  // namespace dialog_input
