#include "resources/language_dialog.h"

#include "support/plugin_resources.h"

namespace {

const WCHAR kHostClass[] = L"Static";
constexpr int kHostWidth = 1000;
constexpr int kHostHeight = 740;

INT_PTR CALLBACK IdleDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

}  // namespace

LanguageDialog::LanguageDialog(HMODULE module, int templateId, LANGID language, bool visible) {
    const ResourceBytes bytes = ExactTemplate(module, templateId, language);
    if (!bytes.data) return;
    host_ = CreateWindowExW(0, kHostClass, L"", WS_POPUP | (visible ? WS_VISIBLE : 0), 0, 0,
                            kHostWidth, kHostHeight, nullptr, nullptr, GetModuleHandleW(nullptr),
                            nullptr);
    if (!host_) return;
    dialog_ = CreateDialogIndirectParamW(module, static_cast<const DLGTEMPLATE *>(bytes.data),
                                         host_, IdleDialogProc, 0);
    if (dialog_ && visible) {
        SetWindowPos(dialog_, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
        UpdateWindow(dialog_);
    }
}

LanguageDialog::~LanguageDialog() {
    if (dialog_) DestroyWindow(dialog_);
    if (host_) DestroyWindow(host_);
}

std::vector<HWND> LanguageDialog::AllControls() const {
    std::vector<HWND> controls;
    if (!dialog_) return controls;
    for (HWND child = GetWindow(dialog_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        controls.push_back(child);
    return controls;
}
