// Context help of the dialogs: the control's context from the shared table,
// shown through the HTML Help control.
#pragma once

#include <windows.h>

constexpr UINT kHtmlHelpContextCommand = 15;  // HH_HELP_CONTEXT
constexpr DWORD kHelpPathBytes = 520;

// The help file: the driver directory, "\3" and the ini's HELP or HTMLHELP
// name; CommonUIProp builds it.
extern WCHAR HelpFilePath[kHelpPathBytes / sizeof(WCHAR)];

// HtmlHelpW(window, help path (with ">popup" when asked), context).
// Returns the HTML Help result, or null when the control has no context or
// the help control is unavailable.
HWND ShowContextHelp(HWND window, UINT controlId, BOOL popup);

// WM_HELP and WM_CONTEXTMENU: help for the control concerned. `popup`
// chooses the pop-up window type for each message. Returns TRUE when the
// message was one of the two.
BOOL HandleContextHelpMessage(UINT message, WPARAM wParam, LPARAM lParam, BOOL popupOnHelp,
                              BOOL popupOnContextMenu);

// Adds or drops the title-bar help button by the OS version rule.
void ApplyHelpButtonRule(HWND dialog);
