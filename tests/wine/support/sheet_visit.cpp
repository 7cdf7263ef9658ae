#include "support/sheet_visit.h"

#include "core/oem_devmode.h"
#include "sheet/document_sheet.h"
#include "file_io.h"
#include "sheet/sheet_pages.h"

#include <commctrl.h>
#include <prsht.h>

#include <cstdlib>
#include <cstring>
#include <cwchar>

namespace {

// A page that refuses to be left keeps the sheet open after OK; Cancel
// follows after this long.
constexpr UINT kRefusedOkMs = 1500;
const WCHAR kDialogClass[] = L"#32770";
const WCHAR kOutFileName[] = L"sx-hardening.dev";

// Answers every modal window a page opens while the sheet is up with
// Cancel (OK for a message box with OK alone), and counts them.
class ModalCloser {
public:
    ModalCloser() {
        current_ = this;
        hook_ = SetWindowsHookExW(WH_CBT, Hook, nullptr, GetCurrentThreadId());
    }
    ~ModalCloser() {
        if (hook_) UnhookWindowsHookEx(hook_);
        current_ = nullptr;
    }
    ModalCloser(const ModalCloser &) = delete;
    ModalCloser &operator=(const ModalCloser &) = delete;
    uint32_t Closed() const { return closed_; }

private:
    static bool IsSheet(HWND window) {
        return FindWindowExW(window, nullptr, WC_TABCONTROLW, nullptr) != nullptr;
    }
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        if (code == HCBT_ACTIVATE && current_) {
            HWND window = reinterpret_cast<HWND>(wParam);
            WCHAR name[16] = L"";
            GetClassNameW(window, name, ARRAYSIZE(name));
            if (std::wcscmp(name, kDialogClass) == 0 && !IsSheet(window)) {
                ++current_->closed_;
                PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
            }
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static ModalCloser *current_;
    HHOOK hook_ = nullptr;
    uint32_t closed_ = 0;
};
ModalCloser *ModalCloser::current_ = nullptr;

HWND g_openSheet = nullptr;

void CALLBACK CancelRefusedOk(HWND, UINT, UINT_PTR timer, DWORD) {
    if (g_openSheet && IsWindow(g_openSheet))
        PostMessageW(g_openSheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    KillTimer(nullptr, timer);
}

std::wstring OutFile() {
    WCHAR folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    return std::wstring(folder) + kOutFileName;
}

void InitControls() {
    INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_STANDARD_CLASSES | ICC_TAB_CLASSES |
                                                         ICC_UPDOWN_CLASS | ICC_BAR_CLASSES |
                                                         ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&classes);
}

}  // namespace

bool VisitDocumentProperties(PluginSession &session, DocumentUi &ui, SheetVisit *visit,
                             std::string *error) {
    InitControls();
    ModalCloser closer;
    const std::wstring outFile = OutFile();
    DeleteFileW(outFile.c_str());
    DocumentSheet sheet(session, ui);
    SheetOptions options;
    options.outFile = outFile;
    options.onShown = [visit](HWND window) {
        g_openSheet = window;
        visit->pages = PageCount(window);
        for (int page = 1; page < visit->pages; ++page) {
            if (SelectPage(window, page))
                ++visit->left;
            else
                ++visit->refused;
            // Painted at once, owner-drawn pictures included.
            RedrawWindow(PropSheet_IndexToHwnd(window, page), nullptr, nullptr,
                         RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        }
        SetTimer(nullptr, 0, kRefusedOkMs, CancelRefusedOk);
        PostMessageW(window, PSM_PRESSBUTTON, PSBTN_OK, 0);
    };
    const bool shown = sheet.PrepareItems(options, error) && sheet.Show(error);
    g_openSheet = nullptr;
    visit->modals = closer.Closed();
    visit->stored = sheet.Stored();
    if (shown && visit->stored && !ReadWholeFile(outFile, &visit->devmode, error)) return false;
    DeleteFileW(outFile.c_str());
    return shown;
}

bool WholeRecord(const BYTE *record) {
    OEM_DMEXTRAHEADER header;
    std::memcpy(&header, record, sizeof(header));
    return header.dwSize == kOemDevmodeSize && header.dwSignature == kOemSignature &&
           header.dwVersion == kOemVersion;
}

uint32_t RunSetting(const char *name, uint32_t fallback) {
    char text[32] = "";
    const DWORD length = GetEnvironmentVariableA(name, text, sizeof(text));
    if (!length || length >= sizeof(text)) return fallback;
    return static_cast<uint32_t>(std::strtoul(text, nullptr, 0));
}
