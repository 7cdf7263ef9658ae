// Page layouts as the user meets them: which dialog template a live page
// was made from, and real input on its controls (the mouse through the
// system's input queue, the keyboard on the focused control), with the
// modal dialog it opens caught, named and cancelled.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The control ids of a dialog template of `module`, in template order;
// empty when the module has no such template.
std::vector<int> TemplateControlIds(HMODULE module, int templateId);
// The ids of a dialog's child windows, in their order.
std::vector<int> ChildControlIds(HWND dialog);
// `all` without the ids in `gone`, order kept.
std::vector<int> WithoutIds(const std::vector<int> &all, const std::vector<int> &gone);

enum class Press { Mouse, SpaceBar };

// The caption of the dialog that opened when the control was pressed and
// whether it opened as a modal window of the page's sheet; empty when none
// appeared within the time allowed. The dialog is cancelled.
struct OpenedDialog {
    std::wstring caption;
    bool ownedBySheet = false;
};
// `waitMs` bounds the wait for a dialog that may not come.
OpenedDialog PressAndCatchDialog(HWND control, Press press, DWORD waitMs = 4000);

// The system's messages of this thread handled for `ms` milliseconds.
void PumpMessages(DWORD ms);
