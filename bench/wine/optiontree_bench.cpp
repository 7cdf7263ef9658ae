// Figures of the document option tree and the Job Options page under Wine:
// the walk over the driver's items per item, for a tree like the sample
// model's and for a synthetic one of 1000 items; and the time from
// CommonUIProp until the Job Options page is initialised, against opening
// the same kind of sheet with one empty page.
#include "core/common_ui_prop.h"
#include "core/driver_config.h"
#include "driver_tree.h"
#include "optiontree/option_tree.h"
#include "sheet_harness.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kWalkRounds = 200;
constexpr int kSheetRounds = 30;
constexpr size_t kSyntheticItems = 1000;

const char *const kSampleKeywords[] = {
    "VXResolution", "VXImageSmoothing", "VXCollate", "VXJob_Type", "VXHDDSpool",
    "VXDrumClean", "VXHairLine", "VXControl", "VXTone", "VXColorRenderStyle",
    "VXTargetColor", "VXBlackSubGra", "VXBlackFinishSubGra", "VXRGBProfile", "VXOutProfile",
    "VXSimProfile", "VXCMYKInputProfile", "VXCMYKLinkProfile", "VXColorMatch", "VXAlwaysPrnHT",
    "VXScreenObo", "VXOverlay", "VXStaple", "VXPunch", "VXBindPosition", "OutputBin",
    "VXMediaType", "VXManualFeed", "TraySwitch", "VXPageSizeCheck", "VXHDD", "VXFinisher",
    "VXJobLimit", "PageSize", "PageRegion", "InputSlot", "Duplex", "MediaType", "Resolution",
};

double Ticks() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart);
}

double TicksPerMicrosecond() {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(frequency.QuadPart) / 1e6;
}

double Median(std::vector<double> samples) {
    std::nth_element(samples.begin(), samples.begin() + samples.size() / 2, samples.end());
    return samples[samples.size() / 2];
}

void AddStandardItems(DriverTree &tree) {
    tree.AddStandard(DMPUB_ORIENTATION, 0, {L"Portrait", L"Landscape"});
    tree.AddRange(DMPUB_SCALE, 100, 25, 400);
    tree.AddRange(DMPUB_COPIES_COLLATE, 1, 1, 9999);
    tree.AddStandard(DMPUB_COLOR, 1, {L"Gray", L"Color"});
    tree.AddStandard(DMPUB_DUPLEX, 0, {L"None", L"Long", L"Short"});
    tree.AddStandard(DMPUB_FORMNAME, 0, {L"A4", L"Letter", L"Legal", L"A5", L"B5"});
    tree.AddStandard(DMPUB_NUP, 0, {L"1", L"2", L"4"});
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

// Microseconds per item of the walk, and of the whole scan with its one
// capability read.
void BenchWalk(const char *label, void (*build)(DriverTree &), HANDLE printer) {
    std::vector<double> walk, scan;
    const double scale = TicksPerMicrosecond();
    size_t items = 0;
    for (int round = 0; round < kWalkRounds; ++round) {
        DriverTree tree;
        build(tree);
        items = tree.ItemCount();
        OEMCUIPPARAM param = {};
        param.cbSize = sizeof(param);
        param.hPrinter = printer;
        param.hOEMHeap = GetProcessHeap();
        tree.Attach(&param);
        DocUiState state = {};
        state.pOemCuipParam = &param;
        state.pPluginIni = PluginIni;
        ResetSlotTable(&state.slots);
        double start = Ticks();
        WalkDriverItems(&state);
        walk.push_back((Ticks() - start) / scale);

        DriverTree again;
        build(again);
        again.Attach(&param);
        ResetSlotTable(&state.slots);
        start = Ticks();
        ScanDriverOptionItems(&state);
        scan.push_back((Ticks() - start) / scale);
    }
    const double walkUs = Median(walk), scanUs = Median(scan);
    printf("%-16s %5zu items: walk %8.2f us = %.3f us/item; whole scan %8.2f us = %.3f us/item\n",
           label, items, walkUs, walkUs / items, scanUs, scanUs / items);
}

// One opening of the sheet, timed from the plug-in's first call (or from
// the sheet alone) until its first page is initialised.
double OpenSheetOnce(bool withPlugin) {
    SheetHarness harness;
    BuildSampleTree(harness.tree);
    if (withPlugin && !harness.PrepareRecord()) return -1;
    const double start = Ticks();
    if (withPlugin && !harness.AddPluginPages()) return -1;
    if (!harness.Open()) return -1;
    const double elapsed = (Ticks() - start) / TicksPerMicrosecond();
    harness.Close();
    return elapsed;
}

// Both kinds in turn, after one warm-up of each, so that both see the
// same state of the process.
bool BenchSheets(double *empty, double *plugin) {
    if (OpenSheetOnce(false) < 0 || OpenSheetOnce(true) < 0) return false;
    std::vector<double> emptySamples, pluginSamples;
    for (int round = 0; round < kSheetRounds; ++round) {
        emptySamples.push_back(OpenSheetOnce(false));
        pluginSamples.push_back(OpenSheetOnce(true));
    }
    *empty = Median(emptySamples);
    *plugin = Median(pluginSamples);
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
    printf("option-tree walk, median of %d (target: under 1 us per item)\n", kWalkRounds);
    BenchWalk("sample-like tree", BuildSampleTree, printer.Get());
    BenchWalk("synthetic tree", BuildSyntheticTree, printer.Get());

    double empty = 0, plugin = 0;
    if (!BenchSheets(&empty, &plugin)) {
        fprintf(stderr, "optiontree_bench: the sheet did not open\n");
        return 1;
    }
    printf("sheet, median of %d: one empty page %.0f us; CommonUIProp to Job Options "
           "initialised %.0f us = %.2fx (target: at most 3x)\n",
           kSheetRounds, empty, plugin, plugin / empty);
    return 0;
}
