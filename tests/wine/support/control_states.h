// Several controls of a dialog read at once, so that a test compares a
// dialog's whole state in one check, and a button clicked as the mouse
// clicks it.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace dialog_input {

// Each control's state, in the order of `ids`.
std::vector<bool> Enabled(HWND dialog, const std::vector<UINT> &ids);
std::vector<bool> Checked(HWND dialog, const std::vector<UINT> &ids);
std::vector<bool> Shown(HWND dialog, const std::vector<UINT> &ids);
std::vector<std::wstring> Texts(HWND dialog, const std::vector<UINT> &ids);

// BM_CLICK: a check box or radio changes its state before its parent
// hears of it, unlike Press.
void Click(HWND dialog, UINT id);

}  // namespace dialog_input
