// The plug-in's document pages in a property sheet made by this program,
// which plays compstui: it takes the pages the plug-in adds, shows them in a
// modeless sheet and records the results the pages report. Modal dialogs
// and message boxes the pages open are handed to a callback as they appear.
#pragma once

#include "core/doc_ui_state.h"
#include "core/oem_devmode.h"
#include "core/win_holders.h"
#include "support/dialog_input.h"
#include "support/driver_tree.h"
#include "support/wine_test_support.h"

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

constexpr size_t kRecordBytes = kOemDevmodeSize;

// A modal window that appeared: its caption, its message text when it is a
// message box, and its window for the callback to drive.
struct ModalWindow {
    HWND window;
    std::wstring caption;
    std::wstring text;
};

// The modal windows of this thread as they activate: every top-level dialog
// that is not a property sheet, handed to the handler once, a moment after
// it appears so that its controls exist. Without a handler, message boxes
// are answered with OK and dialogs cancelled.
class ModalWatch {
public:
    ModalWatch();
    ~ModalWatch();
    ModalWatch(const ModalWatch &) = delete;
    ModalWatch &operator=(const ModalWatch &) = delete;
    // The handler must end the window.
    void OnModal(std::function<void(const ModalWindow &)> handler) { handler_ = std::move(handler); }
    const std::vector<ModalWindow> &Seen() const { return seen_; }

private:
    static LRESULT CALLBACK CbtHook(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK Timer(HWND, UINT, UINT_PTR, DWORD);
    void Handle(HWND window);

    static inline ModalWatch *current_ = nullptr;
    ModalWatch *previous_;
    HHOOK hook_;
    std::vector<HWND> pending_;
    std::vector<ModalWindow> seen_;
    std::function<void(const ModalWindow &)> handler_;
};

class SheetHarness {
public:
    explicit SheetHarness(const WCHAR *printerName = kSamplePrinter);
    ~SheetHarness();
    SheetHarness(const SheetHarness &) = delete;
    SheetHarness &operator=(const SheetHarness &) = delete;

    DriverTree tree;
    DWORD sheetFlags = 0;
    // The driver hides its standard UI for the plug-in before CommonUIProp.
    bool hideStandardUI = false;
    // A page layout of the Job Options page other than the plug-in's own:
    // the first page the plug-in adds is shown with it instead.
    const DLGTEMPLATE *jobOptionsTemplate = nullptr;
    // The same for the second page the plug-in adds, the Color page.
    const DLGTEMPLATE *colorTemplate = nullptr;

    // The model's default record, as the driver has it before its UI opens.
    bool PrepareRecord();
    // CommonUIProp (both calls) and DocumentPropertySheets, after the default
    // record unless it was prepared already; false on failure.
    bool AddPluginPages();
    // The modeless sheet with the plug-in's pages and a blank last page.
    bool Open();
    void Close() {
        if (sheet_) DestroyWindow(std::exchange(sheet_, nullptr));
    }

    HMODULE PluginModule() const { return library_.Module(); }
    HWND Sheet() const { return sheet_; }
    HWND Page(int index) const { return PropSheet_IndexToHwnd(sheet_, index); }
    HWND JobOptions() const { return Page(0); }
    DocUiState *State() const {
        return reinterpret_cast<DocUiState *>(GetWindowLongPtrW(JobOptions(), DWLP_USER));
    }
    BYTE *Record() { return record_; }
    // The driver's DEVMODE, public part and private part, that the pages see;
    // the private record is its last part, as the driver lays it out.
    DEVMODEW *PublicDevmode() { return devmode_.As<DEVMODEW>(); }
    size_t PageCount() const { return pages_.size(); }
    const std::vector<LPARAM> &ReportedResults() const { return results_; }
    // The page handle each result came with: the 1-based order in which the
    // plug-in added the page.
    const std::vector<LPARAM> &ReportingPages() const { return reportingPages_; }
    // The pages as the plug-in described them, in the order it added them.
    const std::vector<PROPSHEETPAGEW> &DescribedPages() const { return described_; }

    // The modal windows the pages open, as ModalWatch hands them over.
    void OnModal(std::function<void(const ModalWindow &)> handler) {
        modals_.OnModal(std::move(handler));
    }
    const std::vector<ModalWindow> &Modals() const { return modals_.Seen(); }

    // Selects page `index` of the sheet; false when the current page refused.
    bool SelectPage(int index);
    // The sheet's Apply: every page is left and applied.
    void Apply() { PropSheet_Apply(sheet_); }
    void Click(HWND page, UINT id) { SendDlgItemMessageW(page, id, BM_CLICK, 0, 0); }
    void SetText(HWND page, UINT id, const WCHAR *text) { SetDlgItemTextW(page, id, text); }
    std::wstring Text(HWND page, UINT id) { return dialog_input::Text(page, id); }
    bool Checked(HWND page, UINT id) { return dialog_input::Checked(page, id); }
    bool Enabled(HWND page, UINT id) { return dialog_input::Enabled(page, id); }
    bool Shown(HWND page, UINT id) {
        return (GetWindowLongW(GetDlgItem(page, id), GWL_STYLE) & WS_VISIBLE) != 0;
    }
    // Selects entry `index` of a drop-down list as a user does, with the
    // selection-change notification.
    void Choose(HWND page, UINT id, int index) { dialog_input::Choose(page, id, index); }
    std::vector<std::wstring> Entries(HWND page, UINT id) {
        return dialog_input::ComboEntries(page, id);
    }

private:
    static LONG_PTR CALLBACK ComPropSheet(HANDLE sheet, UINT function, LPARAM lParam1,
                                          LPARAM lParam2);

    PluginLibrary library_;
    IPrintOemUI2 *plugin_ = nullptr;
    std::wstring printerName_;
    std::unique_ptr<PrinterHandle> printer_;
    HANDLE heap_ = nullptr;
    OEMCUIPPARAM cuip_ = {};
    OEMUIPSPARAM psParam_ = {};
    OPTITEM pluginItems_[1] = {};
    BYTE *record_ = nullptr;
    HeapBlock devmode_;
    std::vector<HPROPSHEETPAGE> pages_;
    std::vector<PROPSHEETPAGEW> described_;
    std::vector<LPARAM> results_;
    std::vector<LPARAM> reportingPages_;
    ModalWatch modals_;
    bool recordReady_ = false;
    HWND sheet_ = nullptr;
};
