#include "core/context_help.h"

#include "core/context_help_table.h"
#include "core/os_version.h"

#include <cwchar>

WCHAR HelpFilePath[kHelpPathBytes / sizeof(WCHAR)];

namespace {

const WCHAR kHtmlHelpServerKey[] =
    L"CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";
const WCHAR kHtmlHelpFallback[] = L"hhctrl.ocx";
const WCHAR kPopupSuffix[] = L">popup";
constexpr DWORD kServerPathBytes = 260;
constexpr WORD kHtmlHelpOrdinal = 15;
constexpr size_t kHelpPathChars = kHelpPathBytes / sizeof(WCHAR);

typedef HWND(WINAPI *HtmlHelpWFn)(HWND, LPCWSTR, UINT, DWORD_PTR);

// Looked up once; a failure is remembered. The library stays loaded for
// the life of the process, as the help windows it owns may outlive a dialog.
bool HtmlHelpLookedUp = false;
HtmlHelpWFn HtmlHelpEntry = nullptr;

void ReadHtmlHelpServer(WCHAR *path, DWORD bytes) {
    path[0] = L'\0';
    HKEY key;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, kHtmlHelpServerKey, 0, KEY_READ, &key) == ERROR_SUCCESS) {
        DWORD type = 0;
        DWORD size = bytes - sizeof(WCHAR);
        if (RegQueryValueExW(key, nullptr, nullptr, &type, reinterpret_cast<BYTE *>(path),
                             &size) != ERROR_SUCCESS ||
            (type != REG_SZ && type != REG_EXPAND_SZ))
            size = 0;
        path[size / sizeof(WCHAR)] = L'\0';
        RegCloseKey(key);
    }
    if (!path[0]) wcscpy(path, kHtmlHelpFallback);
}

HtmlHelpWFn FindHtmlHelp() {
    if (HtmlHelpLookedUp) return HtmlHelpEntry;
    HtmlHelpLookedUp = true;
    WCHAR server[kServerPathBytes / sizeof(WCHAR)];
    ReadHtmlHelpServer(server, sizeof(server));
    HMODULE library = LoadLibraryW(server);
    if (!library) return nullptr;
    HtmlHelpEntry = reinterpret_cast<HtmlHelpWFn>(reinterpret_cast<void *>(
        GetProcAddress(library, MAKEINTRESOURCEA(kHtmlHelpOrdinal))));
    if (!HtmlHelpEntry) FreeLibrary(library);
    return HtmlHelpEntry;
}

}  // namespace

HWND ShowContextHelp(HWND window, UINT controlId, BOOL popup) {
    const uint32_t context = FindHelpContext(controlId);
    if (!context) return nullptr;
    HtmlHelpWFn htmlHelp = FindHtmlHelp();
    if (!htmlHelp) return nullptr;
    if (!popup) return htmlHelp(window, HelpFilePath, kHtmlHelpContextCommand, context);
    // The shared path stays as it is; it also names the plain help file.
    WCHAR path[kHelpPathChars + sizeof(kPopupSuffix) / sizeof(WCHAR)];
    wcscpy(path, HelpFilePath);
    wcscat(path, kPopupSuffix);
    return htmlHelp(window, path, kHtmlHelpContextCommand, context);
}

BOOL HandleContextHelpMessage(UINT message, WPARAM wParam, LPARAM lParam, BOOL popupOnHelp,
                              BOOL popupOnContextMenu) {
    HWND control;
    BOOL popup;
    if (message == WM_HELP) {
        const auto *info = reinterpret_cast<const HELPINFO *>(lParam);
        if (!info) return TRUE;
        control = static_cast<HWND>(info->hItemHandle);
        popup = popupOnHelp;
    } else if (message == WM_CONTEXTMENU) {
        control = reinterpret_cast<HWND>(wParam);
        popup = popupOnContextMenu;
    } else {
        return FALSE;
    }
    if (!control || control == INVALID_HANDLE_VALUE) return TRUE;
    ShowContextHelp(control, GetDlgCtrlID(control), popup);
    return TRUE;
}

void ApplyHelpButtonRule(HWND dialog) {
    const LONG_PTR style = GetWindowLongPtrW(dialog, GWL_EXSTYLE);
    const LONG_PTR wanted = OsMajor6OrLater ? (style & ~static_cast<LONG_PTR>(WS_EX_CONTEXTHELP))
                                            : (style | WS_EX_CONTEXTHELP);
    if (wanted == style) return;
    SetWindowLongPtrW(dialog, GWL_EXSTYLE, wanted);
    SetWindowPos(dialog, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}
