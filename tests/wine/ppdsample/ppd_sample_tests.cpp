// Real printer descriptions that were not written for the plug-in: each is
// installed as a printer with the plug-in, its document properties are
// prepared and opened as the driver opens them, and closed again. None may
// crash or hang, none may give the plug-in one of its own model's feature
// slots, the plug-in may hide only the items it governs, and its Color page
// is there exactly when the driver has a colour item. A crash or a hang is
// named by the case that was running when the program ended.
#include "sample_folder.h"

#include "core/oem_ui_plugin.h"
#include "driver/devmode_builder.h"
#include "sheet/document_sheet.h"
#include "driver/document_ui.h"
#include "driver/driver_files.h"
#include "core/win_holders.h"
#include "host_text.h"
#include "lint/model_check.h"
#include "core/doc_ui_state.h"
#include "driver/plugin_loader.h"
#include "install/printer_install.h"
#include "sheet/sheet_pages.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <fcntl.h>
#include <io.h>
#include <winspool.h>

#include <algorithm>
#include <cstdio>
#include <cctype>
#include <ostream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

void PrintTo(const SampleDescription &description, std::ostream *out) {
    *out << description.fileName;
}

namespace {

constexpr size_t kMinimumDescriptions = 50;
constexpr size_t kMinimumMakers = 15;
constexpr size_t kMinimumColour = 10;
constexpr size_t kMinimumMonochrome = 10;

const WCHAR kPrinterName[] = L"PPD Sample";
const WCHAR kJobOptionsTitle[] = L"Job Options";
const WCHAR kColorTitle[] = L"Color";
const char kDocumentStepLine[] = "CommonUIProp(OEMCUIP_DOCPROP) with ";
const char kSucceeded[] = "-> S_OK";
const WCHAR kNullDevice[] = L"NUL";

// The plug-in's paper-name hiding: only on a driver whose Letter has its
// Japanese name, and only the names its ini lists.
const WCHAR kJapaneseLetterName[] = L"\x30EC\x30BF\x30FC";
const WCHAR kFeatureSection[] = L"Plg_Feature";
const WCHAR kHidePaperNameKey[] = L"HidePaperName";
constexpr DWORD kHidePaperNameChars = 522;

// The feature the plug-in shows on its Job Options page instead of the
// driver's page; every other feature a foreign description has stays.
const char kOutputBinKeyword[] = "OutputBin";

// The slots a description without the plug-in's own features can fill:
// the standard items', the PostScript output and mirror items', the output
// bin and the compression capability of the plug-in's own files.
const uint32_t kStandardSlots[] = {
    kSlotFormName, kSlotColor,  kSlotPrintQuality, kSlotOrientation,       kSlotCopiesCollate,
    kSlotOutputBin, kSlotScale, kSlotMirror,       kSlotNup,               kSlotDuplex,
    kSlotPostScriptOutput,      kSlotCompression,
};

// The C runtime's standard output goes to the null device while it lives:
// installing prints every step, a dozen lines per description.
class QuietOutput {
public:
    QuietOutput() {
        std::fflush(stdout);
        saved_ = _dup(_fileno(stdout));
        const int null = _wopen(kNullDevice, _O_WRONLY);
        if (null >= 0) {
            _dup2(null, _fileno(stdout));
            _close(null);
        }
    }
    ~QuietOutput() {
        std::fflush(stdout);
        if (saved_ < 0) return;
        _dup2(saved_, _fileno(stdout));
        _close(saved_);
    }
    QuietOutput(const QuietOutput &) = delete;
    QuietOutput &operator=(const QuietOutput &) = delete;

private:
    int saved_ = -1;
};

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::wstring OptionText(const OPTPARAM &option) {
    return IS_INTRESOURCE(option.pData) ? std::wstring() : std::wstring(option.pData);
}

bool HasOptionNamed(const OPTITEM &item, const WCHAR *name) {
    if (!item.pOptType || !item.pOptType->pOptParam) return false;
    for (WORD i = 0; i < item.pOptType->Count; ++i)
        if (OptionText(item.pOptType->pOptParam[i]) == name) return true;
    return false;
}

std::set<std::wstring> HiddenPaperNames(const std::wstring &ini) {
    WCHAR value[kHidePaperNameChars] = L"";
    GetPrivateProfileStringW(kFeatureSection, kHidePaperNameKey, L"", value, kHidePaperNameChars,
                             ini.c_str());
    std::set<std::wstring> names;
    std::wistringstream list(value);
    for (std::wstring name; std::getline(list, name, L',');) names.insert(name);
    return names;
}

// The items the plug-in governs itself and so hides from the driver's page.
bool PluginGoverns(const OPTITEM &item) {
    if (item.DMPubID == DMPUB_SCALE || item.DMPubID == DMPUB_COPIES_COLLATE ||
        item.DMPubID == DMPUB_PRINTQUALITY)
        return true;
    if (item.pName == MAKEINTRESOURCEW(kMirroredOutputNameId)) return true;
    const USERDATA *data = reinterpret_cast<const USERDATA *>(item.UserData);
    return data && data->pKeyWordName && std::string(data->pKeyWordName) == kOutputBinKeyword;
}

bool HasColourItem(DriverItems &items) {
    return std::any_of(items.Items(), items.Items() + items.Count(),
                       [](const OPTITEM &item) { return item.DMPubID == DMPUB_COLOR; });
}

// The plug-in's state of this opening, through the object it left as the
// driver's user data.
const DocUiState *StateOf(DocumentSheet &sheet) {
    const auto *plugin = static_cast<const OemUiPlugin *>(sheet.CommonUiParam().pOEMUserData);
    return plugin ? plugin->pDocUiState : nullptr;
}

bool DocumentStepSucceeded(CallLog &log) {
    for (const std::string &line : log.Lines())
        if (line.rfind(kDocumentStepLine, 0) == 0) return line.find(kSucceeded) != std::string::npos;
    return false;
}

// The process's visible top-level windows.
int ShownWindows() {
    int count = 0;
    EnumWindows(
        [](HWND window, LPARAM count) {
            DWORD process = 0;
            GetWindowThreadProcessId(window, &process);
            *reinterpret_cast<int *>(count) += process == GetCurrentProcessId() && IsWindowVisible(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

bool InstallSamplePrinter(const SampleDescription &description, std::string *error) {
    InstallRequest request;
    request.printerName = kPrinterName;
    request.sourceFolder = ExeDirectory();
    request.ppdFile = description.path;
    QuietOutput quiet;
    return InstallModelPrinter(request, error);
}

void RemoveSamplePrinter() {
    SpoolerPrinter printer;
    if (printer.Open(kPrinterName, PRINTER_ALL_ACCESS)) DeletePrinter(printer.Get());
    printer.Reset(nullptr);
    DeletePrinterDriverW(nullptr, nullptr, const_cast<WCHAR *>(kPrinterName));
}

TEST(PpdSample, HoldsFiftyDescriptionsOfFifteenMakersInColourAndMonochrome) {
    ASSERT_FALSE(SampleFolder().empty())
        << "SX_PPD_SAMPLE_DIR is not set: the sample is written by the ppd_sample_setup test";
    const std::vector<SampleDescription> sample = SampleDescriptions();
    ASSERT_GE(sample.size(), kMinimumDescriptions)
        << "the sample folder " << Utf8(SampleFolder()) << " holds only " << sample.size()
        << " descriptions";
    std::set<std::string> makers;
    size_t colour = 0, monochrome = 0;
    for (const SampleDescription &description : sample) {
        PpdFile ppd;
        std::string error;
        ASSERT_TRUE(ReadDescription(description, &ppd, &error)) << error;
        EXPECT_TRUE(ppd.adobeHeader) << description.fileName;
        EXPECT_FALSE(ppd.manufacturer.empty()) << description.fileName;
        EXPECT_FALSE(ppd.features.empty()) << description.fileName;
        makers.insert(Lower(ppd.manufacturer));
        ++(ppd.colorDevice ? colour : monochrome);
    }
    EXPECT_GE(makers.size(), kMinimumMakers);
    EXPECT_GE(colour, kMinimumColour);
    EXPECT_GE(monochrome, kMinimumMonochrome);
}

class ForeignDescription : public ::testing::TestWithParam<SampleDescription> {
protected:
    static void SetUpTestSuite() {
        INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_STANDARD_CLASSES | ICC_TAB_CLASSES |
                                                             ICC_UPDOWN_CLASS | ICC_BAR_CLASSES};
        InitCommonControlsEx(&classes);
    }
    static void TearDownTestSuite() { RemoveSamplePrinter(); }
};

void ExpectOnlyStandardSlots(const DocUiState &state, DWORD driverItems) {
    const std::set<uint32_t> standard(std::begin(kStandardSlots), std::end(kStandardSlots));
    std::string foreign;
    for (uint32_t slot = 0; slot < kFeatureSlotCount; ++slot) {
        if (!SlotPresent(&state, slot)) continue;
        if (!standard.count(slot)) foreign += " " + std::to_string(slot);
        if (slot != kSlotCompression) {
            EXPECT_LT(state.slots.index[slot], driverItems) << "slot " << slot;
        }
    }
    EXPECT_TRUE(foreign.empty()) << "the plug-in's own feature slots are present:" << foreign;
    if (SlotPresent(&state, kSlotColor)) {
        EXPECT_EQ(SlotItem(&state, kSlotColor)->DMPubID, DMPUB_COLOR);
    }
}

void ExpectHiddenOnlyWhatThePluginGoverns(DriverItems &items,
                                          const std::set<std::wstring> &papers) {
    for (DWORD i = 0; i < items.Count(); ++i) {
        const OPTITEM &item = items.Items()[i];
        const std::string name = Utf8(ItemName(item));
        const bool hidden = (item.Flags & OPTIF_HIDE) != 0;
        EXPECT_EQ(hidden, PluginGoverns(item))
            << "item " << i << " \"" << name << "\" is "
            << (hidden ? "hidden, but the plug-in does not govern it"
                       : "shown, but the plug-in governs it");
        if (!item.pOptType || !item.pOptType->pOptParam) continue;
        const bool hidesPapers =
            item.DMPubID == DMPUB_FORMNAME && HasOptionNamed(item, kJapaneseLetterName);
        for (WORD o = 0; o < item.pOptType->Count; ++o) {
            const OPTPARAM &option = item.pOptType->pOptParam[o];
            const bool expected = hidesPapers && papers.count(OptionText(option));
            EXPECT_EQ((option.Flags & OPTPF_HIDE) != 0, expected)
                << "item \"" << name << "\", option \"" << Utf8(OptionText(option)) << "\" is "
                << (expected ? "shown" : "hidden");
        }
    }
}

TEST_P(ForeignDescription, OpensWithThePluginsPagesAndClosesAgain) {
    const SampleDescription &description = GetParam();
    std::string error;
    ASSERT_TRUE(InstallSamplePrinter(description, &error)) << error;
    std::vector<Finding> findings;
    ASSERT_TRUE(CheckInstalledPrinter(kPrinterName, &findings, &error)) << error;
    for (const Finding &finding : findings) EXPECT_FALSE(finding.consequence.empty()) << finding.message;
    PluginSession session;
    ASSERT_TRUE(session.Open(kPrinterName, &error)) << error;
    ASSERT_EQ(FileNameOf(session.Model().ppdPath), FileNameOf(description.path))
        << "the printer's data file is " << Utf8(session.Model().ppdPath);
    ASSERT_FALSE(session.Model().ppd.features.empty());

    DocumentUi ui(session.Model(), session.PrinterName());
    HeapBlock devmode;
    ASSERT_TRUE(BuildDefaultDevmode(session, ui.Settings(), &devmode, &error)) << error;
    ui.SetDevmode(std::move(devmode));
    const bool colour = HasColourItem(ui.Items());

    std::vector<SheetPage> pages;
    size_t rows = 0;
    {
        DocumentSheet sheet(session, ui);
        SheetOptions options;
        options.onShown = [&](HWND window) {
            pages = VisitPages(window);
            rows = sheet.Page().Rows().size();
            PostMessageW(window, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
        };
        ASSERT_TRUE(sheet.PrepareItems(options, &error)) << error;
        ASSERT_TRUE(DocumentStepSucceeded(ui.Log())) << "the plug-in's document step failed";
        const DocUiState *state = StateOf(sheet);
        ASSERT_NE(state, nullptr);
        ExpectOnlyStandardSlots(*state, ui.Items().Count());
        EXPECT_EQ(SlotPresent(state, kSlotColor), colour);
        ExpectHiddenOnlyWhatThePluginGoverns(ui.Items(), HiddenPaperNames(session.IniPath()));

        ASSERT_TRUE(sheet.Show(&error)) << error;
        EXPECT_FALSE(sheet.Stored());
    }

    EXPECT_EQ(ShownWindows(), 0) << "windows left open after the sheet closed";
    ASSERT_GE(pages.size(), 2u) << "the sheet did not show the plug-in's pages";
    EXPECT_EQ(pages[0].title, kOptionsPageTitle);
    EXPECT_EQ(pages[1].title, kJobOptionsTitle);
    const auto colorPages = std::count_if(pages.begin(), pages.end(), [](const SheetPage &page) {
        return page.title == kColorTitle;
    });
    EXPECT_EQ(colorPages, colour ? 1 : 0) << "colour item: " << colour;
    if (colour && pages.size() > 2) {
        EXPECT_EQ(pages[2].title, kColorTitle);
    }
    for (const SheetPage &page : pages) EXPECT_NE(page.window, nullptr) << Utf8(page.title);

    size_t visible = 0;
    for (DWORD i = 0; i < ui.Items().Count(); ++i)
        visible += !(ui.Items().Items()[i].Flags & OPTIF_HIDE);
    EXPECT_EQ(rows, visible) << "rows on the driver's page";

    LONG leaked = 0;
    session.Unload(&leaked);
    EXPECT_EQ(leaked, 0) << "helper references the plug-in kept";
}

INSTANTIATE_TEST_SUITE_P(Sample, ForeignDescription, ::testing::ValuesIn(SampleDescriptions()),
                         [](const ::testing::TestParamInfo<SampleDescription> &info) {
                             return info.param.testName;
                         });

}  // namespace
