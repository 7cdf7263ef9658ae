#include "joboptions/job_pin_dialog.h"

#include "core/context_help.h"
#include "core/localized_resources.h"
#include "core/oem_devmode.h"
#include "core/os_version.h"
#include "core/win_holders.h"
#include "joboptions/secure_print_rules.h"
#include "joboptions/shared_printer_warning.h"
#include "core/doc_ui_state.h"
#include "resources/resource_ids.h"

#include <imm.h>
#include <winspool.h>

namespace {

constexpr DWORD kXpMajorVersion = 5;
constexpr DWORD kFirstXpMinorVersion = 1;
constexpr DWORD kRemovedBeep = 0xFFFFFFFF;
// Room beyond the limits, to see text that was set or pasted past them.
constexpr int kTypedTextChars = 256;

// Process-wide, set when the dialog starts.
BOOL fPrinterLocal;
BOOL fSystemIsXp;

static_assert(sizeof(WCHAR) == sizeof(char16_t), "record text is 16-bit");

DocUiState *DialogState(HWND dialog) {
    return reinterpret_cast<DocUiState *>(GetWindowLongPtrW(dialog, DWLP_USER));
}

OemDevmode *Record(const DocUiState *state) {
    return state && state->pOemUiPsParam ? static_cast<OemDevmode *>(state->pOemUiPsParam->pOEMDM)
                                         : nullptr;
}

DWORD PrinterAttributes(HANDLE printer) {
    DWORD needed = 0;
    GetPrinterW(printer, 2, nullptr, 0, &needed);
    if (!needed) return 0;
    GlobalBlock block(needed);
    if (!block || !GetPrinterW(printer, 2, block.As<BYTE>(), needed, &needed)) return 0;
    return block.As<PRINTER_INFO_2W>()->Attributes;
}

bool SystemIsXp() {
    const OSVERSIONINFOW &version = ReadOsVersion();
    return version.dwMajorVersion == kXpMajorVersion &&
           version.dwMinorVersion >= kFirstXpMinorVersion;
}

// A record text shown in its box; a field without a terminator is cut at
// its end.
template <size_t N>
void ShowRecordText(HWND dialog, UINT id, const char16_t (&field)[N]) {
    WCHAR text[N];
    lstrcpynW(text, reinterpret_cast<const WCHAR *>(field), N);
    SetDlgItemTextW(dialog, id, text);
}

template <size_t N>
void StoreRecordText(char16_t (&field)[N], const WCHAR *text) {
    lstrcpynW(reinterpret_cast<WCHAR *>(field), text, N);
}

BOOL InitDialog(HWND dialog, DocUiState *state) {
    SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(state));
    const OemDevmode *record = Record(state);
    if (!record) {
        EndDialog(dialog, 0);
        return TRUE;
    }
    ApplyHelpButtonRule(dialog);
    SendDlgItemMessageW(dialog, IDC_JOB_NAME, EM_LIMITTEXT, kJobNameChars, 0);
    SendDlgItemMessageW(dialog, IDC_JOB_PIN, EM_LIMITTEXT, kJobPinDigits, 0);
    fPrinterLocal = !PrinterSharedOrNetwork(state->pOemUiPsParam->hPrinter);
    fSystemIsXp = SystemIsXp();
    ShowRecordText(dialog, IDC_JOB_NAME, record->wszJobName);
    ShowRecordText(dialog, IDC_JOB_PIN, record->wszJobPin);
    CheckDlgButton(dialog, IDC_ASK_JOB_NAME, record->fAskJobName ? BST_CHECKED : BST_UNCHECKED);
    if (OsMajor6OrLater) EnableWindow(GetDlgItem(dialog, IDC_ASK_JOB_NAME), FALSE);
    if (!fPrinterLocal) {
        CheckDlgButton(dialog, IDC_ASK_JOB_NAME, BST_UNCHECKED);
        EnableWindow(GetDlgItem(dialog, IDC_ASK_JOB_NAME), FALSE);
    }
    return TRUE;
}

// Drops what the box does not take, with one beep, keeping the caret.
void FilterBox(HWND dialog, UINT id, bool (*allowed)(char16_t)) {
    HWND edit = GetDlgItem(dialog, id);
    ImmAssociateContext(edit, nullptr);
    WCHAR text[kTypedTextChars];
    const int length = GetWindowTextW(edit, text, kTypedTextChars);
    if (length <= 0) return;
    DWORD start = 0, end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const TypedText kept = FilterTypedText(reinterpret_cast<char16_t *>(text),
                                           static_cast<size_t>(length), end, allowed);
    if (!kept.removed) return;
    MessageBeep(kRemovedBeep);
    SetWindowTextW(edit, text);
    SendMessageW(edit, EM_SETSEL, kept.caret, kept.caret);
}

bool AskJobNameChecked(HWND dialog) {
    return IsDlgButtonChecked(dialog, IDC_ASK_JOB_NAME) == BST_CHECKED;
}

void OnOk(HWND dialog, DocUiState *state) {
    WCHAR name[kTypedTextChars];
    WCHAR pin[kTypedTextChars];
    const int nameLength = GetDlgItemTextW(dialog, IDC_JOB_NAME, name, kTypedTextChars);
    const int pinLength = GetDlgItemTextW(dialog, IDC_JOB_PIN, pin, kTypedTextChars);
    const bool ask = AskJobNameChecked(dialog);
    switch (CheckJobPin(static_cast<size_t>(nameLength), static_cast<size_t>(pinLength), ask)) {
    case PinCheck::NeedFourDigits:
        ShowMessage(dialog, IDS_PIN_NEEDS_FOUR_DIGITS, 0, MB_ICONHAND);
        return;
    case PinCheck::NeedJobName:
        ShowMessage(dialog, IDS_JOB_NAME_MISSING, 0, MB_ICONHAND);
        return;
    case PinCheck::Accept:
        break;
    }
    OemDevmode *record = Record(state);
    StoreRecordText(record->wszJobName, name);
    StoreRecordText(record->wszJobPin, pin);
    record->fAskJobName = ask ? 1 : 0;
    EndDialog(dialog, 1);
}

BOOL OnCommand(HWND dialog, DocUiState *state, UINT id, UINT code) {
    switch (id) {
    case IDC_JOB_NAME:
        if (code == EN_UPDATE) FilterBox(dialog, id, JobNameCharAllowed);
        return TRUE;
    case IDC_JOB_PIN:
        if (code == EN_UPDATE) FilterBox(dialog, id, PinCharAllowed);
        return TRUE;
    case IDC_ASK_JOB_NAME:
        if (code == BN_CLICKED && AskJobNameChecked(dialog) && fSystemIsXp)
            ShowSharedPrinterWarning(dialog, state->pPluginIni);
        return TRUE;
    case IDOK:
        OnOk(dialog, state);
        return TRUE;
    case IDCANCEL:
        EndDialog(dialog, 0);
        return TRUE;
    default:
        return FALSE;
    }
}

}  // namespace

bool PrinterSharedOrNetwork(HANDLE printer) {
    return (PrinterAttributes(printer) & (PRINTER_ATTRIBUTE_SHARED | PRINTER_ATTRIBUTE_NETWORK)) != 0;
}

INT_PTR CALLBACK JobPinDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) return InitDialog(dialog, reinterpret_cast<DocUiState *>(lParam));
    DocUiState *state = DialogState(dialog);
    if (!Record(state)) return FALSE;
    if (message == WM_COMMAND) return OnCommand(dialog, state, LOWORD(wParam), HIWORD(wParam));
    return HandleContextHelpMessage(message, wParam, lParam, TRUE, TRUE);
}
