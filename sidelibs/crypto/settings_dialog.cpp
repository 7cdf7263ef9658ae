#include "settings_dialog.h"

#include "resource.h"

#include <cstring>

namespace {

constexpr WCHAR kFirstPrintable = L' ';
constexpr WCHAR kLastPrintable = L'~';
// Room for one character more than allowed, to see text pasted past the limit.
constexpr int kPasswordReadChars = kMaxPasswordChars + 2;
constexpr int kHoldHoursDigits = 3;

struct DialogState {
    CryptoSettingBlock *block;
    bool icCard;
};

HINSTANCE ThisModule() {
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                           GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&ShowSettingsDialog), &module);
    return module;
}

bool IsPrintableAscii(const WCHAR *text, size_t length) {
    for (size_t i = 0; i < length; ++i)
        if (text[i] < kFirstPrintable || text[i] > kLastPrintable) return false;
    return true;
}

// The block's password when it is one the dialog could have written;
// anything else is shown as empty rather than cut or garbled.
size_t BlockPassword(const CryptoSettingBlock &block, WCHAR *text) {
    const void *end = memchr(block.password, 0, sizeof(block.password));
    if (!end) return 0;
    const size_t length = static_cast<const char *>(end) - block.password;
    if (length > kMaxPasswordChars) return 0;
    for (size_t i = 0; i < length; ++i) text[i] = static_cast<unsigned char>(block.password[i]);
    text[length] = 0;
    if (!IsPrintableAscii(text, length)) return 0;
    return length;
}

bool IsChecked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

void SetCheck(HWND dialog, int id, DWORD value) {
    CheckDlgButton(dialog, id, value ? BST_CHECKED : BST_UNCHECKED);
}

bool PasswordNeeded(HWND dialog, const DialogState &state) {
    return !state.icCard && !IsChecked(dialog, IDC_PASSWORD_AT_PANEL);
}

// The typed password, or -1 when it is too long or has characters the
// printer's panel cannot show.
int ReadPassword(HWND dialog, WCHAR (&text)[kPasswordReadChars]) {
    const int length = GetDlgItemTextW(dialog, IDC_PASSWORD, text, kPasswordReadChars);
    if (length > static_cast<int>(kMaxPasswordChars)) return -1;
    if (!IsPrintableAscii(text, length)) return -1;
    return length;
}

bool ReadHoldHours(HWND dialog, DWORD *hours) {
    BOOL translated = FALSE;
    *hours = GetDlgItemInt(dialog, IDC_HOLD_HOURS, &translated, FALSE);
    return translated && *hours >= kHoldHoursMin && *hours <= kHoldHoursMax;
}

bool InputIsValid(HWND dialog, const DialogState &state) {
    DWORD hours;
    if (!ReadHoldHours(dialog, &hours)) return false;
    if (!PasswordNeeded(dialog, state)) return true;
    WCHAR text[kPasswordReadChars];
    return ReadPassword(dialog, text) > 0;
}

void UpdateControls(HWND dialog, const DialogState &state) {
    const bool needed = PasswordNeeded(dialog, state);
    EnableWindow(GetDlgItem(dialog, IDC_PASSWORD_LABEL), needed);
    EnableWindow(GetDlgItem(dialog, IDC_PASSWORD), needed);
    EnableWindow(GetDlgItem(dialog, IDC_PASSWORD_HINT), needed);
    EnableWindow(GetDlgItem(dialog, IDOK), InputIsValid(dialog, state));
}

void ShowBlock(HWND dialog, const DialogState &state) {
    const CryptoSettingBlock &block = *state.block;
    WCHAR password[kMaxPasswordChars + 1] = {};
    BlockPassword(block, password);
    SendDlgItemMessageW(dialog, IDC_PASSWORD, EM_LIMITTEXT, kMaxPasswordChars, 0);
    SetDlgItemTextW(dialog, IDC_PASSWORD, password);
    SecureZeroMemory(password, sizeof(password));

    const bool holdValid = block.holdHours >= kHoldHoursMin && block.holdHours <= kHoldHoursMax;
    SendDlgItemMessageW(dialog, IDC_HOLD_HOURS, EM_LIMITTEXT, kHoldHoursDigits, 0);
    SetDlgItemInt(dialog, IDC_HOLD_HOURS, holdValid ? block.holdHours : kDefaultHoldHours, FALSE);

    SetCheck(dialog, IDC_PASSWORD_AT_PANEL, block.passwordAtPanel);
    SetCheck(dialog, IDC_DELETE_AFTER, block.deleteAfterPrinting);
    SetCheck(dialog, IDC_HIDE_NAME, block.hideJobName);
    // With an IC card the card identifies the user; no password is asked.
    EnableWindow(GetDlgItem(dialog, IDC_PASSWORD_AT_PANEL), !state.icCard);
}

void StoreBlock(HWND dialog, const DialogState &state) {
    CryptoSettingBlock &block = *state.block;
    WCHAR text[kPasswordReadChars] = {};
    const int length = PasswordNeeded(dialog, state) ? ReadPassword(dialog, text) : 0;
    memset(block.password, 0, sizeof(block.password));
    for (int i = 0; i < length; ++i) block.password[i] = static_cast<char>(text[i]);
    SecureZeroMemory(text, sizeof(text));

    ReadHoldHours(dialog, &block.holdHours);
    block.passwordAtPanel = IsChecked(dialog, IDC_PASSWORD_AT_PANEL);
    block.deleteAfterPrinting = IsChecked(dialog, IDC_DELETE_AFTER);
    block.hideJobName = IsChecked(dialog, IDC_HIDE_NAME);
}

HWND FirstFocus(HWND dialog, const DialogState &state) {
    if (PasswordNeeded(dialog, state)) return GetDlgItem(dialog, IDC_PASSWORD);
    return GetDlgItem(dialog, IDC_HOLD_HOURS);
}

BOOL OnInitDialog(HWND dialog, DialogState *state) {
    SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(state));
    ShowBlock(dialog, *state);
    UpdateControls(dialog, *state);
    SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(FirstFocus(dialog, *state)),
                 TRUE);
    return FALSE;
}

void OnOk(HWND dialog, const DialogState &state) {
    // OK is disabled while the input is invalid, but a keyboard or posted
    // command can still arrive.
    if (!InputIsValid(dialog, state)) {
        MessageBeep(MB_ICONEXCLAMATION);
        return;
    }
    StoreBlock(dialog, state);
    EndDialog(dialog, IDOK);
}

bool ChangesValidity(WORD id, WORD code) {
    if (id == IDC_PASSWORD || id == IDC_HOLD_HOURS) return code == EN_CHANGE;
    return id == IDC_PASSWORD_AT_PANEL && code == BN_CLICKED;
}

INT_PTR CALLBACK SettingsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG)
        return OnInitDialog(dialog, reinterpret_cast<DialogState *>(lParam));
    if (message != WM_COMMAND) return FALSE;
    const auto *state = reinterpret_cast<DialogState *>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (!state) return FALSE;
    const WORD id = LOWORD(wParam), code = HIWORD(wParam);
    if (id == IDOK) {
        OnOk(dialog, *state);
        return TRUE;
    }
    if (id == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    }
    if (ChangesValidity(id, code)) UpdateControls(dialog, *state);
    return TRUE;
}

}  // namespace

bool ShowSettingsDialog(HWND parent, CryptoSettingBlock *block, DWORD mode) {
    DialogState state = {block, (mode & kModeBaseMask) == kModeIcCard};
    const INT_PTR result =
        DialogBoxParamW(ThisModule(), MAKEINTRESOURCEW(IDD_CRYPTO_SETTINGS), parent,
                        SettingsDialogProc, reinterpret_cast<LPARAM>(&state));
    return result == IDOK;
}
