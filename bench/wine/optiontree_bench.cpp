// Figures of the document option tree and the Job Options page under Wine:
// the walk over the driver's items, for a tree like the sample model's and
// for a synthetic one of 1000 items, against a budget of 1 us per item; and
// the time from CommonUIProp until the Job Options page is initialised,
// against opening the same kind of sheet with one empty page. Two more rows
// split that ratio: the same pages with procedures that do nothing (what
// the page layouts and the sheet itself take), and the rest, the
// plug-in's own work.
#include "bench_table.h"
#include "core/driver_config.h"
#include "core/win_holders.h"
#include "support/driver_tree.h"
#include "optiontree/option_tree.h"
#include "support/sheet_harness.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kWalkRounds = 200;
constexpr int kSheetRounds = 100;
constexpr size_t kSyntheticItems = 1000;
constexpr double kBudgetPerItemUs = 1.0;
constexpr double kSheetTargetRatio = 2.0;
constexpr UINT kJobOptionsTemplate = 113;
constexpr UINT kColorTemplate = 111;
constexpr UINT kLinkTemplate = 800;
constexpr UINT kLinkIcon = 1102;
const WCHAR kLinkLibrary[] = L"sxlink.dll";
const WCHAR kPluginLibrary[] = L"sxoemui.dll";

const char *const kSampleKeywords[] = {
    "VXResolution", "VXImageSmoothing", "VXCollate", "VXJob_Type", "VXHDDSpool",
    "VXDrumClean", "VXHairLine", "VXControl", "VXTone", "VXColorRenderStyle",
    "VXTargetColor", "VXBlackSubGra", "VXBlackFinishSubGra", "VXRGBProfile", "VXOutProfile",
    "VXSimProfile", "VXCMYKInputProfile", "VXCMYKLinkProfile", "VXColorMatch", "VXAlwaysPrnHT",
    "VXScreenObo", "VXOverlay", "VXStaple", "VXPunch", "VXBindPosition", "OutputBin",
    "VXMediaType", "VXManualFeed", "TraySwitch", "VXPageSizeCheck", "VXHDD", "VXFinisher",
    "VXJobLimit", "PageSize", "PageRegion", "InputSlot", "Duplex", "MediaType", "Resolution",
};

void AddStandardItems(DriverTree &tree) {
    tree.AddStandard(DMPUB_ORIENTATION, 0, {L"Portrait", L"Landscape"});
    tree.AddRange(DMPUB_SCALE, 100, 25, 400);
    tree.AddRange(DMPUB_COPIES_COLLATE, 1, 1, 9999);
    tree.AddStandard(DMPUB_COLOR, 1, {L"Gray", L"Color"});
    tree.AddStandard(DMPUB_DUPLEX, 0, {L"None", L"Long", L"Short"});
    tree.AddStandard(DMPUB_FORMNAME, 0, {L"A4", L"Letter", L"Legal", L"A5", L"B5"});
    tree.AddStandard(DMPUB_NUP, 0, {L"1", L"2", L"4"});
    tree.AddStandard(DMPUB_MEDIATYPE, 0, {L"Plain", L"Thick", L"Recycled"});
    tree.AddMirror(1);
    tree.AddPostScriptOutput(0);
}

void BuildSampleTree(DriverTree &tree) {
    AddStandardItems(tree);
    for (const char *keyword : kSampleKeywords) tree.AddFeature(keyword, 0, {L"Off", L"On"});
}

void BuildSyntheticTree(DriverTree &tree) {
    AddStandardItems(tree);
    static std::vector<std::string> names;
    names.clear();
    names.reserve(kSyntheticItems);
    for (size_t i = 0; tree.ItemCount() < kSyntheticItems; ++i) {
        const char *known = kSampleKeywords[i % ARRAYSIZE(kSampleKeywords)];
        names.push_back(i % 3 ? "Feature" + std::to_string(i) : known);
        tree.AddFeature(names.back().c_str(), 0, {L"A", L"B"});
    }
}

// The walk alone, with the configuration CommonUIProp has read already,
// and the whole scan with its reads of the configuration files, of a fresh
// tree per round.
void BenchWalk(const char *label, void (*build)(DriverTree &), HANDLE printer) {
    InterleavedRounds rounds;
    size_t items = 0;
    OEMCUIPPARAM param = {};
    DocUiState state = {};
    std::unique_ptr<DriverTree> tree;
    auto prepare = [&] {
        tree.reset(new DriverTree);
        build(*tree);
        items = tree->ItemCount();
        param = {};
        param.cbSize = sizeof(param);
        param.hPrinter = printer;
        param.hOEMHeap = GetProcessHeap();
        tree->Attach(&param);
        state = {};
        state.pOemCuipParam = &param;
        state.pPluginIni = PluginIni;
        ResetSlotTable(&state.slots);
    };
    WCHAR ini[kPluginIniBufferBytes / sizeof(WCHAR)];
    DriverConfigSnapshot config(printer);
    config.FindConfigFiles(ini);
    const size_t walk = rounds.Add([&] {
        prepare();
        return TimeOnce([&] { WalkDriverItems(&state, &config); });
    });
    const size_t scan = rounds.Add([&] {
        prepare();
        return TimeOnce([&] { ScanDriverOptionItems(&state); });
    });
    rounds.Run(kWalkRounds);
    const double budget = kBudgetPerItemUs * static_cast<double>(items);
    const std::string budgetText = std::to_string(items) + " items at 1 us each";
    PrintBenchRow(std::string("walk, ") + label, rounds.Median(walk), budgetText, budget,
                  rounds.Median(walk) / budget, 1.0, kWalkRounds);
    PrintBenchRow(std::string("scan with its file reads, ") + label, rounds.Median(scan),
                  budgetText, budget, rounds.Median(scan) / budget, 0, kWalkRounds);
}

// One opening of the sheet, timed from the plug-in's first call (or from
// the sheet alone) until its first page is initialised.
double OpenSheetOnce(bool withPlugin) {
    SheetHarness harness;
    BuildSampleTree(harness.tree);
    if (withPlugin && !harness.PrepareRecord()) return -1;
    const double start = BenchMicroseconds();
    if (withPlugin && !harness.AddPluginPages()) return -1;
    if (!harness.Open()) return -1;
    const double elapsed = BenchMicroseconds() - start;
    harness.Close();
    return elapsed;
}

INT_PTR CALLBACK InertPageProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG;
}

// The blank last page the sheet harness adds after the plug-in's pages.
struct BlankTemplate {
    DLGTEMPLATE header;
    WORD menu, windowClass, title;
};
BlankTemplate Blank = {{WS_CHILD | WS_DISABLED | WS_CAPTION, 0, 0, 0, 0, 100, 50}, 0, 0, 0};

HPROPSHEETPAGE BlankPage() {
    PROPSHEETPAGEW page = {};
    page.dwSize = sizeof(page);
    page.dwFlags = PSP_DLGINDIRECT | PSP_USETITLE;
    page.pResource = &Blank.header;
    page.pszTitle = L"Blank";
    page.pfnDlgProc = InertPageProc;
    return CreatePropertySheetPageW(&page);
}

HPROPSHEETPAGE InertPage(HMODULE module, UINT templateId, HICON icon) {
    PROPSHEETPAGEW page = {};
    page.dwSize = sizeof(page);
    page.dwFlags = icon ? PSP_USEHICON : 0;
    page.hInstance = module;
    page.hIcon = icon;
    page.pszTemplate = MAKEINTRESOURCEW(templateId);
    page.pfnDlgProc = InertPageProc;
    return CreatePropertySheetPageW(&page);
}

// The plug-in's three page layouts and the harness's blank page in a sheet,
// with procedures that do nothing: what the layouts cost before any work
// of the plug-in (the link page's library is loaded beforehand).
double OpenInertSheetOnce() {
    SheetHarness harness;
    HMODULE plugin = GetModuleHandleW(kPluginLibrary);
    LoadedLibrary link(LoadLibraryW((DriverFilesFolder() + L"\\" + kLinkLibrary).c_str()));
    if (!plugin || !link.Get()) return -1;
    const double start = BenchMicroseconds();
    HPROPSHEETPAGE pages[] = {
        InertPage(plugin, kJobOptionsTemplate, nullptr), InertPage(plugin, kColorTemplate, nullptr),
        InertPage(link.Get(), kLinkTemplate, LoadIconW(link.Get(), MAKEINTRESOURCEW(kLinkIcon))),
        BlankPage()};
    PROPSHEETHEADERW header = {};
    header.dwSize = sizeof(header);
    header.dwFlags = PSH_MODELESS;
    header.pszCaption = L"Document Properties";
    header.nPages = ARRAYSIZE(pages);
    header.phpage = pages;
    HWND sheet = reinterpret_cast<HWND>(PropertySheetW(&header));
    const double elapsed = BenchMicroseconds() - start;
    if (!sheet) return -1;
    DestroyWindow(sheet);
    return elapsed;
}

// The kinds in turn, after one warm-up of each, so that all see the same
// state of the process and the same load of the machine.
bool BenchSheets() {
    if (OpenSheetOnce(false) < 0 || OpenSheetOnce(true) < 0 || OpenInertSheetOnce() < 0)
        return false;
    InterleavedRounds rounds;
    const size_t empty = rounds.Add([] { return OpenSheetOnce(false); });
    const size_t plugin = rounds.Add([] { return OpenSheetOnce(true); });
    const size_t inert = rounds.Add(OpenInertSheetOnce);
    if (!rounds.Run(kSheetRounds)) return false;
    PrintBenchRow("CommonUIProp to Job Options initialised", rounds, plugin, "sheet of one empty page",
                  empty, kSheetTargetRatio);
    PrintBenchRow("  the same pages with inert procedures", rounds, inert, "sheet of one empty page",
                  empty, 0);
    PrintBenchRow("  the plug-in's own work (first less second)", rounds.MedianExcess(plugin, inert),
                  "sheet of one empty page", rounds.Median(empty),
                  rounds.MedianExcessRatio(plugin, inert, empty), 0, kSheetRounds);
    return true;
}

}  // namespace

int wmain() {
    PrinterHandle printer(kSamplePrinter);
    static WCHAR ini[kPluginIniBufferBytes / sizeof(WCHAR)];
    PluginIni = ini;
    if (!printer.Get() || !FindDriverConfigFiles(printer.Get(), PluginIni)) {
        fprintf(stderr, "optiontree_bench: the sample printer is not installed\n");
        return 1;
    }
    PrintBenchHeader();
    BenchWalk("sample-like tree", BuildSampleTree, printer.Get());
    BenchWalk("synthetic tree", BuildSyntheticTree, printer.Get());
    if (!BenchSheets()) {
        fprintf(stderr, "optiontree_bench: the sheet did not open\n");
        return 1;
    }
    return 0;
}
