#include "support/page_layout.h"

#include "support/dialog_input.h"
#include "support/dialog_template.h"

#include <algorithm>

namespace {

constexpr UINT kPollMs = 20;
constexpr DWORD kInputSettleMs = 100;
constexpr int kAbsoluteSpan = 65535;
const WCHAR kDialogClass[] = L"#32770";

struct DialogCatch {
    HWND before = nullptr;  // the window that had the focus before the press
    HWND found = nullptr;
    OpenedDialog result;
};

DialogCatch *Active;

BOOL CALLBACK FindNewDialog(HWND window, LPARAM param) {
    auto *search = reinterpret_cast<DialogCatch *>(param);
    WCHAR name[16] = L"";
    GetClassNameW(window, name, ARRAYSIZE(name));
    if (!IsWindowVisible(window) || lstrcmpW(name, kDialogClass) != 0) return TRUE;
    if (GetWindowLongW(window, GWL_STYLE) & WS_CHILD) return TRUE;
    HWND sheet = GetAncestor(search->before, GA_ROOT);
    if (window == sheet) return TRUE;
    search->found = window;
    return FALSE;
}

void CALLBACK PollForDialog(HWND, UINT, UINT_PTR, DWORD) {
    DialogCatch *search = Active;
    if (!search || search->found) return;
    EnumThreadWindows(GetCurrentThreadId(), FindNewDialog, reinterpret_cast<LPARAM>(search));
    if (!search->found) return;
    WCHAR caption[256] = L"";
    GetWindowTextW(search->found, caption, ARRAYSIZE(caption));
    search->result.caption = caption;
    search->result.ownedBySheet =
        GetWindow(search->found, GW_OWNER) == GetAncestor(search->before, GA_ROOT);
    PostMessageW(search->found, WM_COMMAND, IDCANCEL, 0);
}

// A window partly below the screen's edge is moved up, so that the mouse
// can reach every control of a tall page.
void BringOnScreen(HWND control) {
    HWND root = GetAncestor(control, GA_ROOT);
    RECT place;
    GetWindowRect(root, &place);
    if (place.top >= 0 && place.left >= 0 && place.bottom <= GetSystemMetrics(SM_CYSCREEN) &&
        place.right <= GetSystemMetrics(SM_CXSCREEN))
        return;
    SetWindowPos(root, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SendMouseClick(HWND control) {
    BringOnScreen(control);
    RECT place;
    GetWindowRect(control, &place);
    const int x = (place.left + place.right) / 2;
    const int y = (place.top + place.bottom) / 2;
    const int width = GetSystemMetrics(SM_CXSCREEN) - 1;
    const int height = GetSystemMetrics(SM_CYSCREEN) - 1;
    INPUT inputs[3] = {};
    for (INPUT &input : inputs) {
        input.type = INPUT_MOUSE;
        input.mi.dx = x * kAbsoluteSpan / width;
        input.mi.dy = y * kAbsoluteSpan / height;
    }
    inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE;
    inputs[2].mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE;
    SendInput(ARRAYSIZE(inputs), inputs, sizeof(INPUT));
}

void SendSpaceBar(HWND control) {
    SetFocus(control);
    INPUT inputs[2] = {};
    for (INPUT &input : inputs) {
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = VK_SPACE;
    }
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(ARRAYSIZE(inputs), inputs, sizeof(INPUT));
}

}  // namespace

std::vector<int> TemplateControlIds(HMODULE module, int templateId) {
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(templateId), RT_DIALOG);
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const void *data = loaded ? LockResource(loaded) : nullptr;
    DialogTemplate parsed;
    std::vector<int> ids;
    if (!data || !ParseDialogTemplate(data, SizeofResource(module, found), &parsed)) return ids;
    for (const TemplateItem &item : parsed.items) ids.push_back(item.id);
    return ids;
}

std::vector<int> ChildControlIds(HWND dialog) {
    std::vector<int> ids;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        ids.push_back(static_cast<int>(static_cast<short>(GetDlgCtrlID(child))));
    return ids;
}

std::vector<int> WithoutIds(const std::vector<int> &all, const std::vector<int> &gone) {
    std::vector<int> kept;
    for (int id : all)
        if (std::find(gone.begin(), gone.end(), id) == gone.end()) kept.push_back(id);
    return kept;
}

void PumpMessages(DWORD ms) {
    const DWORD start = GetTickCount();
    do {
        dialog_input::RunPostedMessages();
        Sleep(1);
    } while (GetTickCount() - start < ms);
}

OpenedDialog PressAndCatchDialog(HWND control, Press press, DWORD waitMs) {
    DialogCatch search;
    search.before = control;
    Active = &search;
    const UINT_PTR timer = SetTimer(nullptr, 0, kPollMs, PollForDialog);
    if (press == Press::Mouse)
        SendMouseClick(control);
    else
        SendSpaceBar(control);
    const DWORD start = GetTickCount();
    while (!search.found && GetTickCount() - start < waitMs) PumpMessages(kPollMs);
    PumpMessages(kInputSettleMs);
    KillTimer(nullptr, timer);
    Active = nullptr;
    return search.result;
}
