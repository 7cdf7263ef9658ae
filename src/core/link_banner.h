// The banner and link label that the Job Options and Color pages share:
// both open the model's "TabLinkName" address.
#pragma once

#include <windows.h>

#include "core/doc_ui_state.h"
#include "resources/dialog_ids.h"

constexpr DWORD kLinkTargetChars = 261;  // 522 bytes
// The model's link address; empty when none is configured.
void ReadLinkTarget(const DocUiState *state, WCHAR *target);
bool HasLinkTarget(const DocUiState *state);
void OpenLinkTarget(HWND page, const DocUiState *state);
void DeleteLinkFont();
// WM_SETCURSOR over the banner or the link label: the hand when a link is
// configured.
BOOL SetLinkCursor(HWND page, const DocUiState *state, HWND over);
// WM_CTLCOLORSTATIC for the link label: blue, underlined, transparent.
INT_PTR ColourLinkLabel(HWND control, HDC dc);
