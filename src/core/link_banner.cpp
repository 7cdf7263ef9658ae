#include "core/link_banner.h"
#include "core/config_key_text.h"

#include "core/dialog_utils.h"
#include "core/driver_config.h"
#include "resources/resource_ids.h"

#include <shellapi.h>

namespace {


}  // namespace

void ReadLinkTarget(const DocUiState *state, WCHAR *target) {
    target[0] = 0;
    if (state->pOemUiPsParam)
        ReadKeptCapabilityString(state->pModelKeys, state->pOemUiPsParam->hPrinter,
                                 KeyText(kKeyTabLinkName), target, kLinkTargetChars);
}

bool HasLinkTarget(const DocUiState *state) {
    WCHAR target[kLinkTargetChars];
    ReadLinkTarget(state, target);
    return target[0] != 0;
}

void OpenLinkTarget(HWND page, const DocUiState *state) {
    WCHAR target[kLinkTargetChars];
    ReadLinkTarget(state, target);
    if (target[0]) ShellExecuteW(page, nullptr, target, nullptr, nullptr, SW_SHOWNORMAL);
}

void DeleteLinkFont() {
    if (!LinkFont) return;
    DeleteObject(LinkFont);
    LinkFont = nullptr;
}

BOOL SetLinkCursor(HWND page, const DocUiState *state, HWND over) {
    const int id = GetDlgCtrlID(over);
    if ((id != IDC_BANNER && id != static_cast<int>(IDC_LINK_TEXT)) || !HasLinkTarget(state))
        return FALSE;
    SetCursor(HandCursor);
    SetWindowLongPtrW(page, DWLP_MSGRESULT, TRUE);
    return TRUE;
}

INT_PTR ColourLinkLabel(HWND control, HDC dc) {
    if (GetDlgCtrlID(control) != static_cast<int>(IDC_LINK_TEXT)) return FALSE;
    if (LinkFont) SelectObject(dc, LinkFont);
    SetTextColor(dc, RGB(0, 0, 255));
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<INT_PTR>(GetStockObject(HOLLOW_BRUSH));
}
