#include "joboptions/shared_printer_warning.h"

#include "core/context_help.h"
#include "core/localized_resources.h"
#include "core/plugin_module.h"
#include "resources/resource_ids.h"

namespace {

const WCHAR kWarningSection[] = L"DisplayAllert";
const WCHAR kWarningKeyFormat[] = L"AllertFlag%ld";
const WCHAR kWarningSeen[] = L"1";
constexpr long kSharedPrinterWarning = 1;
constexpr int kWarningKeyChars = 32;

INT_PTR CALLBACK NoticeDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        ApplyHelpButtonRule(dialog);
        SendDlgItemMessageW(dialog, IDC_NOTICE_ICON, STM_SETICON,
                            reinterpret_cast<WPARAM>(
                                LoadIconW(PluginModule, MAKEINTRESOURCEW(IDI_SHARED_WARNING))),
                            0);
        CheckDlgButton(dialog, IDC_NOTICE_AGAIN, BST_CHECKED);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            EndDialog(dialog, IsDlgButtonChecked(dialog, IDC_NOTICE_AGAIN) == BST_CHECKED ? 1 : 0);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, 0);
            return TRUE;
        }
        return FALSE;
    default:
        return HandleContextHelpMessage(message, wParam, lParam, TRUE, TRUE);
    }
}

}  // namespace

void ShowSharedPrinterWarning(HWND owner, const WCHAR *pluginIni) {
    // Without the ini the warning could not be remembered: it stays off.
    if (!pluginIni || !pluginIni[0]) return;
    WCHAR key[kWarningKeyChars];
    wsprintfW(key, kWarningKeyFormat, kSharedPrinterWarning);
    if (GetPrivateProfileIntW(kWarningSection, key, 0, pluginIni)) return;
    if (LocalizedDialogBox(PluginModule, IDD_SHARED_PRINTER_WARNING, owner, NoticeDialogProc, 0) == 0)
        WritePrivateProfileStringW(kWarningSection, key, kWarningSeen, pluginIni);
}
