// The printer properties under Wine as the driver host opens them: from
// the plug-in's first CommonUIProp in printer mode, through compstui, the
// driver's page with the installable options and the plug-in's
// DevicePropertySheets, until the sheet shows; against a sheet of one
// empty page opened through the same compstui call. A second row shows the
// plug-in's part before the sheet: HideStandardUI and both CommonUIProp
// calls.
#include "bench_table.h"
#include "driver/driver_calls.h"
#include "driver/plugin_loader.h"
#include "sheet/printer_sheet.h"
#include "sheet/sheet_function.h"

#include <commctrl.h>

#include <cstdio>
#include <string>

namespace {

constexpr int kRounds = 30;
const WCHAR kPrinter[] = L"SX Color 4200 PS";
// Posted by the empty page from WM_INITDIALOG: the sheet is there once it
// arrives.
constexpr UINT kEmptyShownMessage = WM_APP + 1;
const WCHAR kEmptyTitle[] = L"Printer Properties";

struct BlankTemplate {
    DLGTEMPLATE header;
    WORD menu, windowClass, title;
};
BlankTemplate Blank = {{WS_CHILD | WS_DISABLED | WS_CAPTION, 0, 0, 0, 0, 100, 50}, 0, 0, 0};

struct EmptySheet {
    double start = 0;
    double elapsed = -1;
};

INT_PTR CALLBACK EmptyPageProc(HWND page, UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        const auto *described = reinterpret_cast<const PROPSHEETPAGEW *>(lParam);
        SetWindowLongPtrW(page, DWLP_USER, described->lParam);
        PostMessageW(page, kEmptyShownMessage, 0, 0);
        return TRUE;
    }
    if (message != kEmptyShownMessage) return FALSE;
    auto *sheet = reinterpret_cast<EmptySheet *>(GetWindowLongPtrW(page, DWLP_USER));
    if (sheet->elapsed < 0) sheet->elapsed = BenchMicroseconds() - sheet->start;
    PostMessageW(GetParent(page), PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    return TRUE;
}

LONG CALLBACK EmptySheetFunction(PPROPSHEETUI_INFO info, LPARAM lParam) {
    return AnswerSheetReason(
        kEmptyTitle,
        [](PPROPSHEETUI_INFO init) {
            PROPSHEETPAGEW page = {};
            page.dwSize = sizeof(page);
            page.dwFlags = PSP_DLGINDIRECT | PSP_USETITLE;
            page.pResource = &Blank.header;
            page.pszTitle = L"Blank";
            page.pfnDlgProc = EmptyPageProc;
            page.lParam = init->lParamInit;
            if (!init->pfnComPropSheet(init->hComPropSheet, CPSFUNC_ADD_PROPSHEETPAGEW,
                                       reinterpret_cast<LPARAM>(&page), 0))
                return 0L;
            init->Result = 1;
            return 1L;
        },
        info, lParam);
}

double OpenEmptySheetOnce() {
    EmptySheet sheet;
    DWORD result = 0;
    sheet.start = BenchMicroseconds();
    if (CommonPropertySheetUIW(nullptr, EmptySheetFunction, reinterpret_cast<LPARAM>(&sheet),
                               &result) < 0)
        return -1;
    return sheet.elapsed;
}

struct PrinterSheetTimes {
    double prepared = -1;
    double shown = -1;
};

// The plug-in is loaded for each opening, as the driver loads it; the
// time runs from its first CommonUIProp.
PrinterSheetTimes OpenPrinterSheetOnce() {
    PrinterSheetTimes times;
    PluginSession session;
    std::string error;
    if (!session.Open(kPrinter, &error)) {
        std::fprintf(stderr, "printer_sheet_bench: %s\n", error.c_str());
        return times;
    }
    CallLog log;
    PrinterSheet sheet(session, log);
    const double start = BenchMicroseconds();
    sheet.onShown = [&](HWND window) {
        times.shown = BenchMicroseconds() - start;
        PostMessageW(window, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    };
    const bool prepared = sheet.PrepareItems(&error);
    times.prepared = BenchMicroseconds() - start;
    if (!prepared || !sheet.Show(&error)) {
        std::fprintf(stderr, "printer_sheet_bench: %s\n", error.c_str());
        times.shown = -1;
    }
    return times;
}

}  // namespace

int wmain() {
    INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&classes);
    if (OpenEmptySheetOnce() < 0 || OpenPrinterSheetOnce().shown < 0) {
        std::fprintf(stderr, "printer_sheet_bench: the sheet did not open\n");
        return 1;
    }
    InterleavedRounds rounds;
    const size_t empty = rounds.Add(OpenEmptySheetOnce);
    double prepared = 0;
    const size_t printer = rounds.Add([&prepared] {
        const PrinterSheetTimes times = OpenPrinterSheetOnce();
        prepared = times.prepared;
        return times.shown;
    });
    const size_t plugin = rounds.Add([&prepared] { return prepared; });
    if (!rounds.Run(kRounds)) {
        std::fprintf(stderr, "printer_sheet_bench: the sheet did not open\n");
        return 1;
    }
    PrintBenchHeader();
    PrintBenchRow("printer properties: CommonUIProp to sheet shown", rounds, printer,
                  "compstui sheet of one empty page", empty, 0);
    PrintBenchRow("  of which the plug-in's CommonUIProp calls", rounds, plugin,
                  "compstui sheet of one empty page", empty, 0);
    return 0;
}
