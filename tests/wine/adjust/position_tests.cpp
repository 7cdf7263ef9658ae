// The print position adjustment, opened from the plug-in's extended Job
// Options layout and driven inside its modal loop: the mode and pages the
// driver's duplex setting gives, the five pages' values with their limits, OK, Cancel and
// Default, and the test print as a real job of a printer on a file port.
#include "support/control_states.h"
#include "support/dialog_input.h"
#include "support/import_hook.h"
#include "support/page_test.h"

#include "core/oem_devmode.h"
#include "joboptions/job_options_variant_ids.h"
#include "resources/resource_ids.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int kPages = 5;
// The class atom of dialog windows, "#32770".
constexpr ULONG_PTR kDialogClassAtom = 32770;
const WCHAR kFilePortPrinter[] = L"SX Test Position Print";
const WCHAR kSampleDriver[] = L"SX Color 4200 PS";
const WCHAR kPrintFile[] = L"C:\\sxt_position_print.ps";

// The sample model's driver on a port that is a file, so that a job's
// output can be read back.
class FilePortPrinter {
public:
    FilePortPrinter() {
        DeleteFileW(kPrintFile);
        PRINTER_INFO_2W info = {};
        info.pPrinterName = const_cast<WCHAR *>(kFilePortPrinter);
        info.pPortName = const_cast<WCHAR *>(kPrintFile);
        info.pDriverName = const_cast<WCHAR *>(kSampleDriver);
        info.pPrintProcessor = const_cast<WCHAR *>(L"WinPrint");
        info.pDatatype = const_cast<WCHAR *>(L"RAW");
        HANDLE added = AddPrinterW(nullptr, 2, reinterpret_cast<BYTE *>(&info));
        if (added) ClosePrinter(added);
        installed_ = added != nullptr;
    }
    ~FilePortPrinter() {
        SpoolerPrinter printer;
        if (printer.Open(kFilePortPrinter, PRINTER_ALL_ACCESS)) DeletePrinter(printer.Get());
        DeleteFileW(kPrintFile);
    }
    bool Installed() const { return installed_; }
    static std::string Output() {
        std::ifstream file(kPrintFile, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }

private:
    bool installed_ = false;
};

size_t Count(const std::string &text, const std::string &what) {
    size_t count = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++count;
    return count;
}

// What the plug-in hands to CreateDCW, and what it calls while printing.
struct PrintCalls {
    std::vector<BYTE> devmode;
    std::wstring device;
    int startDocs = 0, startPages = 0, endPages = 0, endDocs = 0;
    bool failStartDoc = false;
    bool failCreateDc = false;
};
PrintCalls *Calls;

// StartDoc, StartPage, EndPage and EndDoc calls, in that order.
std::vector<int> Counts(const PrintCalls &calls) {
    return {calls.startDocs, calls.startPages, calls.endPages, calls.endDocs};
}

HDC WINAPI RecordingCreateDc(LPCWSTR driver, LPCWSTR device, LPCWSTR port, const DEVMODEW *devmode) {
    if (devmode) {
        const BYTE *bytes = reinterpret_cast<const BYTE *>(devmode);
        Calls->devmode.assign(bytes, bytes + devmode->dmSize + devmode->dmDriverExtra);
    }
    Calls->device = device ? device : L"";
    if (Calls->failCreateDc) return nullptr;
    return CreateDCW(driver, device, port, devmode);
}
int WINAPI RecordingStartDoc(HDC dc, const DOCINFOW *info) {
    ++Calls->startDocs;
    return Calls->failStartDoc ? SP_ERROR : StartDocW(dc, info);
}
// StartPage, EndPage or EndDoc, counted in `counter`.
template <int PrintCalls::*counter, int(WINAPI *forward)(HDC)>
int WINAPI Counting(HDC dc) {
    ++(Calls->*counter);
    return forward(dc);
}

class PrintHooks {
public:
    explicit PrintHooks(PrintCalls *calls) {
        Calls = calls;
        HMODULE plugin = GetModuleHandleW(L"sxoemui.dll");
        const std::pair<const char *, void *> hooks[] = {
            {"CreateDCW", reinterpret_cast<void *>(RecordingCreateDc)},
            {"StartDocW", reinterpret_cast<void *>(RecordingStartDoc)},
            {"StartPage", reinterpret_cast<void *>(Counting<&PrintCalls::startPages, StartPage>)},
            {"EndPage", reinterpret_cast<void *>(Counting<&PrintCalls::endPages, EndPage>)},
            {"EndDoc", reinterpret_cast<void *>(Counting<&PrintCalls::endDocs, EndDoc>)},
        };
        for (const auto &[name, replacement] : hooks)
            hooks_.push_back(std::make_unique<ImportHook>(plugin, "gdi32.dll", name, replacement));
    }
    bool Installed() const {
        return std::all_of(hooks_.begin(), hooks_.end(), [](const auto &hook) { return hook->Installed(); });
    }

private:
    std::vector<std::unique_ptr<ImportHook>> hooks_;
};

class PositionTest : public SheetTest {
protected:
    void Open(const char *duplex = "DuplexTumble", const std::function<void(OemDevmode *)> &edit = {},
              const WCHAR *printer = kSamplePrinter) {
        DriverTree &tree = NewSheet(printer);
        tree.AddRange(DMPUB_COPIES_COLLATE, 1, 1, 9999);
        tree.AddStandard(DMPUB_COLOR, 1, {L"Monochrome", L"Color"});
        if (duplex) tree.SetDriverSetting("Duplex", duplex);
        tree.SetDriverSetting("InputSlot", "Tray3");
        ASSERT_TRUE(harness->PrepareRecord());
        harness->jobOptionsTemplate = ModuleDialogTemplate(harness->PluginModule(), IDD_JOB_OPTIONS_EXTENDED);
        ASSERT_NE(harness->jobOptionsTemplate, nullptr);
        if (edit) edit(Record());
        ASSERT_TRUE(harness->AddPluginPages());
        ASSERT_TRUE(harness->Open());
        page = harness->JobOptions();
        ASSERT_NE(GetDlgItem(page, IDC_POSITION_ADJUST), nullptr);
    }

    // Presses the page's button; `drive` works the dialog and should end it.
    void OpenDialog(const std::function<void(HWND)> &drive) { SheetTest::OpenDialog(IDC_POSITION_ADJUST, drive); }

    static std::vector<HWND> PageWindows(HWND dialog) {
        std::vector<HWND> pages;
        for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            if (GetClassLongPtrW(child, GCW_ATOM) == kDialogClassAtom) pages.push_back(child);
        return pages;
    }
    // The page with the visible style: the drive runs before the dialog
    // itself is first shown.
    static HWND ShownPage(HWND dialog) {
        HWND shown = nullptr;
        for (HWND candidate : PageWindows(dialog))
            if (GetWindowLongW(candidate, GWL_STYLE) & WS_VISIBLE) {
                EXPECT_EQ(shown, nullptr) << "one page at a time";
                shown = candidate;
            }
        return shown;
    }
    // The one tab control of the three modes that is shown; 0 when none or
    // more than one is.
    UINT ShownTabs(HWND dialog) {
        std::vector<UINT> shown;
        for (UINT tabs : {IDC_ADJUST_SIMPLEX_TABS, IDC_ADJUST_LONG_EDGE_TABS, IDC_ADJUST_SHORT_EDGE_TABS})
            if (harness->Shown(dialog, tabs)) shown.push_back(tabs);
        return shown.size() == 1 ? shown[0] : 0;
    }
    static std::vector<std::wstring> Texts(HWND page) {
        return dialog_input::Texts(page, {IDC_SCALE1, IDC_SCALE2, IDC_SHIFT1, IDC_SHIFT2, IDC_FINE});
    }
    static std::wstring TabText(HWND dialog, UINT tabs, int index) {
        WCHAR text[64] = L"";
        TCITEMW item = {};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = ARRAYSIZE(text);
        SendDlgItemMessageW(dialog, tabs, TCM_GETITEMW, index, reinterpret_cast<LPARAM>(&item));
        return text;
    }
    static void ChooseTab(HWND dialog, UINT tabs, int index) {
        HWND control = GetDlgItem(dialog, tabs);
        SendMessageW(control, TCM_SETCURSEL, index, 0);
        NMHDR header = {control, tabs, static_cast<UINT>(TCN_SELCHANGE)};
        SendMessageW(dialog, WM_NOTIFY, tabs, reinterpret_cast<LPARAM>(&header));
    }
    static void Type(HWND page, UINT id, const WCHAR *text, bool leave = true) {
        SetDlgItemTextW(page, id, text);
        if (leave)
            SendMessageW(page, WM_COMMAND, MAKEWPARAM(id, EN_KILLFOCUS),
                         reinterpret_cast<LPARAM>(GetDlgItem(page, id)));
    }
    // The field's text once `text` is typed into it and the field is left.
    std::wstring Retyped(HWND page, UINT id, const WCHAR *text) {
        Type(page, id, text);
        return harness->Text(page, id);
    }
};

// Each page's values tell the pages apart.
void DistinctValues(OemDevmode *record) {
    for (int p = 0; p < kPages; ++p) {
        record->adwAdjScale1[p] = 9900 + p;
        record->adwAdjScale2[p] = 10100 - p;
        record->alAdjShift1[p] = -p;
        record->alAdjShift2[p] = p;
        record->alAdjFine[p] = -10 * p;
    }
    record->dwAdjEnable = 1;
}

// One page's five stored values, scales first.
std::vector<long long> PageValues(const OemDevmode *record, int p) {
    return {record->adwAdjScale1[p], record->adwAdjScale2[p], record->alAdjShift1[p], record->alAdjShift2[p],
            record->alAdjFine[p]};
}

TEST_F(PositionTest, OpensOnTheDriversDuplexModeSwitchedOff) {
    Open("DuplexTumble");
    OpenDialog([&](HWND dialog) {
        EXPECT_EQ(caption, L"Print Position Adjustment");
        EXPECT_EQ(PageWindows(dialog).size(), 5u);
        EXPECT_TRUE(harness->Checked(dialog, IDC_ADJUST_SHORT_EDGE));
        EXPECT_FALSE(harness->Checked(dialog, IDC_ADJUST_ENABLE));
        EXPECT_EQ(ShownTabs(dialog), IDC_ADJUST_SHORT_EDGE_TABS);
        EXPECT_EQ(TabText(dialog, IDC_ADJUST_SHORT_EDGE_TABS, 0), L"Front Side");
        EXPECT_EQ(TabText(dialog, IDC_ADJUST_SHORT_EDGE_TABS, 1), L"Back Side");
        EXPECT_EQ(SendDlgItemMessageW(dialog, IDC_ADJUST_SIMPLEX_TABS, TCM_GETITEMCOUNT, 0, 0), 1);
        EXPECT_FALSE(harness->Enabled(dialog, IDC_ADJUST_SIMPLEX) ||
                     harness->Enabled(dialog, IDC_ADJUST_SHORT_EDGE_TABS));
        HWND shown = ShownPage(dialog);
        ASSERT_NE(shown, nullptr);
        EXPECT_FALSE(harness->Enabled(shown, IDC_SCALE1));
        EXPECT_EQ(Texts(shown), (std::vector<std::wstring>{L"100.00", L"100.00", L"0.0", L"0.0", L"0.00"}));

        harness->Click(dialog, IDC_ADJUST_ENABLE);
        EXPECT_TRUE(harness->Enabled(dialog, IDC_ADJUST_SIMPLEX));
        EXPECT_TRUE(harness->Enabled(shown, IDC_FINE));
        for (HWND other : PageWindows(dialog)) EXPECT_TRUE(harness->Enabled(other, IDC_SCALE2));
        harness->Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(Record()->dwAdjEnable, 0u);
    EXPECT_FALSE(SheetChanged());
}

TEST_F(PositionTest, EveryDuplexValueOfTheDriverOpensItsMode) {
    const struct {
        const char *duplex;
        UINT mode, tabs;
    } cases[] = {{"None", IDC_ADJUST_SIMPLEX, IDC_ADJUST_SIMPLEX_TABS},
                 {"DuplexNoTumble", IDC_ADJUST_LONG_EDGE, IDC_ADJUST_LONG_EDGE_TABS},
                 {nullptr, IDC_ADJUST_SIMPLEX, IDC_ADJUST_SIMPLEX_TABS}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.duplex ? c.duplex : "(no answer)");
        Open(c.duplex);
        OpenDialog([&](HWND dialog) {
            EXPECT_TRUE(harness->Checked(dialog, c.mode));
            EXPECT_EQ(ShownTabs(dialog), c.tabs);
            harness->Click(dialog, IDCANCEL);
        });
        harness.reset();
    }
}

TEST_F(PositionTest, EachTabShowsItsOwnPageAndModesKeepTheTab) {
    Open("DuplexTumble", DistinctValues);
    OpenDialog([&](HWND dialog) {
        EXPECT_EQ(Texts(ShownPage(dialog)),
                  (std::vector<std::wstring>{L"99.03", L"100.97", L"-0.3", L"0.3", L"-0.30"}));
        ChooseTab(dialog, IDC_ADJUST_SHORT_EDGE_TABS, 1);
        HWND back = ShownPage(dialog);
        EXPECT_EQ(Texts(back), (std::vector<std::wstring>{L"99.04", L"100.96", L"-0.4", L"0.4", L"-0.40"}));
        EXPECT_EQ(GetFocus(), GetDlgItem(back, IDC_SCALE1));

        harness->Click(dialog, IDC_ADJUST_LONG_EDGE);
        EXPECT_EQ(ShownTabs(dialog), IDC_ADJUST_LONG_EDGE_TABS);
        EXPECT_EQ(SendDlgItemMessageW(dialog, IDC_ADJUST_LONG_EDGE_TABS, TCM_GETCURSEL, 0, 0), 1);
        EXPECT_EQ(Texts(ShownPage(dialog))[0], L"99.02");

        harness->Click(dialog, IDC_ADJUST_SIMPLEX);
        EXPECT_EQ(Texts(ShownPage(dialog))[0], L"99.00");
        harness->Click(dialog, IDC_ADJUST_SHORT_EDGE);
        EXPECT_EQ(Texts(ShownPage(dialog))[0], L"99.03") << "simplex has only the front tab";
        harness->Click(dialog, IDCANCEL);
    });
}

TEST_F(PositionTest, TypedValuesAndArrowsKeepTheirLimitsAndOkStoresThem) {
    Open("DuplexTumble", [](OemDevmode *record) {
        record->dwAdjEnable = 1;
        record->alAdjShift1[4] = 19;
    });
    OpenDialog([&](HWND dialog) {
        HWND front = ShownPage(dialog);
        EXPECT_EQ(Retyped(front, IDC_SCALE1, L"105"), L"102.00");
        EXPECT_EQ(Retyped(front, IDC_SCALE2, L"99.5"), L"99.50");
        EXPECT_EQ(Retyped(front, IDC_SHIFT1, L"1.x"), L"0.0");
        EXPECT_EQ(Retyped(front, IDC_SHIFT2, L"-1.55"), L"-1.5");
        Type(front, IDC_FINE, L"-.25", false);
        ChooseTab(dialog, IDC_ADJUST_SHORT_EDGE_TABS, 1);
        HWND back = ShownPage(dialog);
        EXPECT_EQ(Retyped(back, IDC_SCALE1, L""), L"100.00") << "an empty field stores the default";
        EXPECT_EQ(Retyped(back, IDC_FINE, L"-99999999999999999999"), L"-0.50");

        SetFocus(GetDlgItem(back, IDC_SHIFT1));
        const auto press = [&](int position) {
            SendMessageW(back, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, position),
                         reinterpret_cast<LPARAM>(GetDlgItem(back, IDC_SHIFT1_SPIN)));
            return harness->Text(back, IDC_SHIFT1);
        };
        EXPECT_EQ(press(0), L"2.0");
        EXPECT_EQ(press(0), L"2.0") << "the arrows stop at the bound";
        press(1);
        EXPECT_EQ(press(1), L"1.8");
        harness->Click(dialog, IDOK);
    });
    EXPECT_EQ(PageValues(Record(), 3), (std::vector<long long>{10200, 9950, 0, -15, -25}));
    EXPECT_EQ((std::vector<long long>{Record()->alAdjFine[4], Record()->alAdjShift1[4]}),
              (std::vector<long long>{-50, 18}));
    EXPECT_EQ(Record()->adwAdjScale1[0], 10000u);
    EXPECT_EQ(Record()->dwAdjEnable, 1u);
    EXPECT_TRUE(SheetChanged());
}

TEST_F(PositionTest, CancelLeavesTheRecordAndRecordValuesOutOfRangeComeInAtTheBound) {
    Open("None", [](OemDevmode *record) {
        record->dwAdjEnable = 1;
        record->adwAdjScale1[0] = 50000;
        record->alAdjFine[0] = -7;
    });
    const std::vector<BYTE> before(harness->Record(), harness->Record() + kRecordBytes);
    OpenDialog([&](HWND dialog) {
        HWND front = ShownPage(dialog);
        EXPECT_EQ(harness->Text(front, IDC_SCALE1), L"102.00");
        EXPECT_EQ(harness->Text(front, IDC_FINE), L"-0.07");
        Type(front, IDC_SCALE2, L"98");
        harness->Click(dialog, IDC_ADJUST_ENABLE);
        harness->Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(std::vector<BYTE>(harness->Record(), harness->Record() + kRecordBytes), before);
    EXPECT_FALSE(SheetChanged());
}

TEST_F(PositionTest, DefaultResetsAllFivePagesAndTheDriversMode) {
    Open("DuplexNoTumble", DistinctValues);
    OpenDialog([&](HWND dialog) {
        harness->Click(dialog, IDC_ADJUST_SHORT_EDGE);
        ChooseTab(dialog, IDC_ADJUST_SHORT_EDGE_TABS, 1);
        harness->Click(dialog, IDC_DEFAULT);
        EXPECT_TRUE(harness->Checked(dialog, IDC_ADJUST_LONG_EDGE));
        EXPECT_EQ(SendDlgItemMessageW(dialog, IDC_ADJUST_LONG_EDGE_TABS, TCM_GETCURSEL, 0, 0), 0);
        EXPECT_FALSE(harness->Checked(dialog, IDC_ADJUST_ENABLE));
        for (HWND each : PageWindows(dialog))
            EXPECT_EQ(Texts(each), (std::vector<std::wstring>{L"100.00", L"100.00", L"0.0", L"0.0", L"0.00"}));
        harness->Click(dialog, IDOK);
    });
    for (int p = 0; p < kPages; ++p)
        EXPECT_EQ(PageValues(Record(), p), (std::vector<long long>{10000, 10000, 0, 0, 0})) << p;
    EXPECT_EQ(Record()->dwAdjEnable, 0u);
}

TEST_F(PositionTest, TestPrintIsARealJobWithTheValuesBeingEdited) {
    FilePortPrinter printer;
    ASSERT_TRUE(printer.Installed());
    PrintCalls calls;
    Open("DuplexNoTumble", DistinctValues, kFilePortPrinter);
    PrintHooks hooks(&calls);
    ASSERT_TRUE(hooks.Installed());
    OpenDialog([&](HWND dialog) {
        harness->Click(dialog, IDC_ADJUST_SHORT_EDGE);
        Type(ShownPage(dialog), IDC_SCALE1, L"101.5");
        harness->Click(dialog, IDC_ADJUST_TEST_PRINT);
        EXPECT_TRUE(IsWindow(dialog));
        harness->Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(calls.device, kFilePortPrinter);
    EXPECT_EQ(Counts(calls), (std::vector<int>{1, 2, 2, 1}));
    ASSERT_EQ(calls.devmode.size(), harness->PublicDevmode()->dmSize + harness->PublicDevmode()->dmDriverExtra);
    const auto *copy = reinterpret_cast<const DEVMODEW *>(calls.devmode.data());
    EXPECT_EQ(copy->dmDuplex, DMDUP_HORIZONTAL) << "the mode being edited, not the driver's";
    // Wine's printers list no bins: the "Tray3" index lies beyond the list.
    EXPECT_EQ(copy->dmDefaultSource, harness->PublicDevmode()->dmDefaultSource);
    const auto *carried = reinterpret_cast<const OemDevmode *>(calls.devmode.data() + (harness->Record() -
                                                                reinterpret_cast<BYTE *>(harness->PublicDevmode())));
    EXPECT_EQ(carried->adwAdjScale1[3], 10150u) << "the value being edited, not yet stored";
    EXPECT_EQ(carried->adwAdjScale2[4], 10096u);
    EXPECT_EQ(carried->dwAdjEnable, 1u);
    EXPECT_EQ(Record()->adwAdjScale1[3], 9903u) << "the record itself waits for OK";

    const std::string output = FilePortPrinter::Output();
    EXPECT_NE(output.find("%!PS"), std::string::npos) << "no PostScript reached the printer's port file";
    EXPECT_NE(output.find("Test Print"), std::string::npos);
    EXPECT_EQ(Count(output, "%%Page:"), 2u);
}

TEST_F(PositionTest, RefusedDocumentPrintsNothingAndTheDialogGoesOn) {
    PrintCalls calls;
    calls.failStartDoc = true;
    Open("DuplexTumble");
    PrintHooks hooks(&calls);
    OpenDialog([&](HWND dialog) {
        harness->Click(dialog, IDC_ADJUST_TEST_PRINT);
        EXPECT_EQ(Counts(calls), (std::vector<int>{1, 0, 0, 0})) << "no end for a document that never started";
        harness->Click(dialog, IDC_ADJUST_ENABLE);
        harness->Click(dialog, IDOK);
    });
    EXPECT_EQ(Record()->dwAdjEnable, 1u);

    calls = PrintCalls();
    calls.failCreateDc = true;
    OpenDialog([&](HWND dialog) {
        harness->Click(dialog, IDC_ADJUST_TEST_PRINT);
        EXPECT_EQ(calls.startDocs, 0);
        harness->Click(dialog, IDOK);
    });
    EXPECT_EQ(Record()->dwAdjEnable, 1u);
}

}  // namespace
