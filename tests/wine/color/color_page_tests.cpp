// The Color page on a printer of its own model, whose custom gamma and
// colour tuner files each test writes: the colour-mode and cartridge rules,
// the gamma list, Default, the permission rule and the record fields
// written when the page is left.
#include "color_sheet.h"

#include "resources/resource_ids.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <numeric>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

// The handle compstui gave the Color page: the second page the plug-in added.
constexpr LPARAM kColorPageHandle = 2;
constexpr uint32_t kGammaOn = 0x10000;
constexpr uint32_t kListErrorAnswer = 0xFFFF;
constexpr uint32_t kTunerGamma3 = 0x00010103;
constexpr uint32_t kTunerColor3 = 0x00010003;
constexpr uint32_t kTunerGamma3Unused = 0x00000103;
constexpr uint8_t kUntouched = 0xEE;
constexpr int kOverlongTableBytes = 300;
constexpr size_t kNtCapacity = sizeof(OemDevmode::abCcmNt);
constexpr size_t kNvCapacity = sizeof(OemDevmode::abCcmNv);

const WCHAR kHalftoneFile[] = L"sxt_color.hft";
const WCHAR kTunerFile[] = L"sxt_color.ccm";

using Settings = std::vector<std::pair<int, std::wstring>>;
using Bytes = std::vector<uint8_t>;

std::wstring HexTable(int bytes) {
    static const WCHAR kDigits[] = L"0123456789ABCDEF";
    std::wstring text;
    for (int i = 0; i < bytes; ++i) text += {kDigits[(i >> 4) & 0xF], kDigits[i & 0xF]};
    return text;
}

class ColorPageTest : public ColorSheetTest {
protected:
    static void SetUpTestSuite() {
        Printer = new ModelPrinter(L"Color", {{L"CCMInfoFile", kTunerFile}});
        WritePrivateProfileStringW(L"DependentFiles", L"HALFTONE", kHalftoneFile,
                                   Printer->IniPath().c_str());
    }
    static void TearDownTestSuite() {
        delete Printer;
        RemoveColorFiles();
    }
    static void RemoveColorFiles() {
        DeleteFileW(DriverFilePath(kHalftoneFile).c_str());
        DeleteFileW(DriverFilePath(kTunerFile).c_str());
    }

    void SetUp() override {
        ASSERT_TRUE(Printer->Installed());
        RemoveColorFiles();
        ColorSheet();
    }

    void ColorSheet(LONG colorMode = 0) {
        DriverTree &tree = NewSheet(Printer->Name());
        tree.AddRange(DMPUB_COPIES_COLLATE, 1, 1, 9999);
        tree.AddRange(DMPUB_SCALE, 100, 25, 400);
        tree.AddStandard(DMPUB_COLOR, 1, {L"Monochrome", L"Color"});
        control = tree.AddFeature("VXControl", colorMode, {L"Color Print", L"Gray Scale", L"Two Colour"});
        tree.AddFeature("VXBlackSubGra", 1, {L"Auto", L"Composite", L"True Black"});
        tree.AddFeature("VXBlackFinishSubGra", 1, {L"Standard", L"Deep"});
    }

    // (id, name) pairs in list order, "SettingNum" their count.
    static void WriteHalftone(const Settings &settings) {
        WriteDriverProfile(kHalftoneFile, L"PSGamma", L"SettingNum",
                           std::to_wstring(settings.size()).c_str());
        for (size_t i = 0; i < settings.size(); ++i) {
            const std::wstring id = std::to_wstring(settings[i].first);
            WriteDriverProfile(kHalftoneFile, L"PSGamma", (L"SettingID" + std::to_wstring(i)).c_str(),
                               id.c_str());
            WriteDriverProfile(kHalftoneFile, L"PSGamma", (L"SettingName" + id).c_str(),
                               settings[i].second.c_str());
        }
    }
    static void WriteTables(const WCHAR *section, const std::wstring &nt, const std::wstring &nv) {
        WriteDriverProfile(kTunerFile, section, L"CCMNT3", nt.c_str());
        WriteDriverProfile(kTunerFile, section, L"CCMNV3", nv.c_str());
    }

    void Open(const std::function<void(OemDevmode *)> &edit = {}) { OpenColorPage(edit); }
    void OpenWithGamma(uint32_t customGamma) {
        Open([customGamma](OemDevmode *record) { record->dwCustomGamma = customGamma; });
    }

    bool Enabled(UINT id) { return harness->Enabled(page, id); }
    bool Checked(UINT id) { return harness->Checked(page, id); }
    std::vector<bool> Enabled(const std::vector<UINT> &ids) { return dialog_input::Enabled(page, ids); }
    std::vector<bool> Checked(const std::vector<UINT> &ids) { return dialog_input::Checked(page, ids); }
    void Click(UINT id) { harness->Click(page, id); }
    LRESULT Send(UINT id, UINT message, WPARAM wParam = 0) {
        return SendDlgItemMessageW(page, id, message, wParam, 0);
    }
    std::vector<LRESULT> GammaIds() {
        std::vector<LRESULT> ids;
        for (LRESULT i = 0; i < Send(IDC_GAMMA_LIST, CB_GETCOUNT); ++i)
            ids.push_back(Send(IDC_GAMMA_LIST, CB_GETITEMDATA, i));
        return ids;
    }
    void ExpectBlackControls(bool printMode, bool blackFinish) {
        EXPECT_EQ(Enabled({IDC_PRINT_MODE_LABEL, IDC_PRINT_MODE, IDC_BLACK_FINISH_LABEL, IDC_BLACK_FINISH}),
                  (std::vector<bool>{printMode, printMode, blackFinish, blackFinish}));
    }

    static inline ModelPrinter *Printer = nullptr;
    DWORD control = 0;
};

TEST_F(ColorPageTest, ColorModeAndCartridgeChooseTheBlackControls) {
    Open();
    EXPECT_EQ(Checked({IDC_COLOR_PRINT, IDC_CARTRIDGE_WHITE}), (std::vector<bool>{true, true}));
    EXPECT_EQ(Enabled({IDC_COLOR_DETAILS, IDC_COLOR_ADVANCED, IDC_DEFAULT}), (std::vector<bool>{true, true, true}));
    EXPECT_EQ(harness->Entries(page, IDC_PRINT_MODE),
              (std::vector<std::wstring>{L"Auto", L"Composite", L"True Black"}));
    EXPECT_EQ(std::make_pair(Selection(page, IDC_PRINT_MODE), Selection(page, IDC_BLACK_FINISH)),
              std::make_pair(LRESULT{1}, LRESULT{1}));
    ExpectBlackControls(true, false);

    Click(IDC_CARTRIDGE_BLACK);
    ExpectBlackControls(false, true);
    Click(IDC_GRAY_PRINT);
    EXPECT_EQ(Working(kSlotVXControl), 1u);
    EXPECT_FALSE(Enabled(IDC_COLOR_DETAILS));
    ExpectBlackControls(false, false);
    Click(IDC_CARTRIDGE_WHITE);
    ExpectBlackControls(false, false);
    Click(IDC_COLOR_PRINT);
    EXPECT_EQ(Working(kSlotVXControl), 0u);
    EXPECT_TRUE(Enabled(IDC_COLOR_DETAILS));
    ExpectBlackControls(true, false);

    // The third colour mode checks neither radio.
    ColorSheet(2);
    Open();
    EXPECT_EQ(Checked({IDC_COLOR_PRINT, IDC_GRAY_PRINT}), (std::vector<bool>{false, false}));
    EXPECT_FALSE(Enabled(IDC_COLOR_DETAILS));
    ExpectBlackControls(true, false);
}

TEST_F(ColorPageTest, CustomGammaSwitchKeepsTheChosenId) {
    WriteHalftone({{5, L"Soft"}, {0x103, L"High"}, {6, L""}, {2, L"Dark"}});
    OpenWithGamma(2);
    EXPECT_EQ(harness->Entries(page, IDC_GAMMA_LIST),
              (std::vector<std::wstring>{L"Soft", L"High", L"Dark"}));
    EXPECT_EQ(GammaIds(), (std::vector<LRESULT>{5, 3, 2}));
    EXPECT_EQ(Selection(page, IDC_GAMMA_LIST), 2);
    EXPECT_EQ(Working(kSlotVXTone), 2u);
    EXPECT_EQ(Enabled({IDC_CUSTOM_GAMMA, IDC_GAMMA_LIST}), (std::vector<bool>{true, false}));
    EXPECT_FALSE(Checked(IDC_CUSTOM_GAMMA));

    Click(IDC_CUSTOM_GAMMA);
    EXPECT_EQ(Working(kSlotVXTone), kGammaOn | 2);
    EXPECT_TRUE(Checked(IDC_CUSTOM_GAMMA) && Enabled(IDC_GAMMA_LIST));
    harness->Choose(page, IDC_GAMMA_LIST, 1);
    EXPECT_EQ(Working(kSlotVXTone), kGammaOn | 3);
    Click(IDC_CUSTOM_GAMMA);
    EXPECT_EQ(Working(kSlotVXTone), 3u);
    EXPECT_FALSE(Enabled(IDC_GAMMA_LIST));
}

TEST_F(ColorPageTest, GammaSettingsWithoutNamesLeaveTheListEmpty) {
    WriteHalftone({{1, L""}, {2, L""}});
    OpenWithGamma(kGammaOn | 1);
    ASSERT_NE(GetDlgItem(page, IDC_GAMMA_LIST), nullptr);
    EXPECT_EQ(Send(IDC_GAMMA_LIST, CB_GETCOUNT), 0);
    EXPECT_EQ(Working(kSlotVXTone), kListErrorAnswer);
    EXPECT_EQ(Enabled({IDC_CUSTOM_GAMMA, IDC_GAMMA_LIST}), (std::vector<bool>{false, false}));
    EXPECT_FALSE(Checked(IDC_CUSTOM_GAMMA));
}

TEST_F(ColorPageTest, HalftoneFileWithoutCountRemovesTheGammaControls) {
    WriteDriverProfile(kHalftoneFile, L"PSGamma", L"SettingID0", L"1");
    WriteDriverProfile(kHalftoneFile, L"PSGamma", L"SettingName1", L"Soft");
    OpenWithGamma(kGammaOn | 1);
    EXPECT_EQ(GetDlgItem(page, IDC_CUSTOM_GAMMA), nullptr);
    EXPECT_EQ(GetDlgItem(page, IDC_GAMMA_LIST), nullptr);
    EXPECT_EQ(Working(kSlotVXTone), 0u);
}

TEST_F(ColorPageTest, DriverToneItemFillsTheGammaList) {
    WriteHalftone({{1, L"Soft"}});
    harness->tree.AddFeature("VXTone", 2, {L"Normal", L"Light", L"Dark"});
    OpenWithGamma(kGammaOn | 1);
    EXPECT_EQ(harness->Entries(page, IDC_GAMMA_LIST),
              (std::vector<std::wstring>{L"Normal", L"Light", L"Dark"}));
    EXPECT_EQ(Selection(page, IDC_GAMMA_LIST), 2);
    EXPECT_EQ(Working(kSlotVXTone), 2u);
    harness->Choose(page, IDC_GAMMA_LIST, 1);
    EXPECT_EQ(Working(kSlotVXTone), 1u);
    Leave();
    EXPECT_EQ(Record()->dwCustomGamma, 1u);
}

TEST_F(ColorPageTest, DefaultClearsTheColorSlotsAndCartridgeButNotTheTuner) {
    ColorSheet(1);
    DriverTree &tree = harness->tree;
    tree.AddFeature("VXTone", 2, {L"Normal", L"Light", L"Dark"});
    tree.AddFeature("VXOutputMode", 1, {L"Off", L"On"});
    tree.AddFeature("VXOutputModeBlack", 1, {L"Off", L"On"});
    tree.AddFeature("VXColorICMS", 1, {L"Input", L"Simulation"});
    Open([](OemDevmode *record) {
        record->dwPrintCartridge = 1;
        record->dwColorTunerSetting = kTunerGamma3;
    });
    Click(IDC_DEFAULT);
    for (uint32_t slot : {kSlotVXControl, kSlotVXTone, kSlotVXOutputMode, kSlotVXOutputModeBlack,
                          kSlotVXBlackSubGra, kSlotVXBlackFinishSubGra})
        EXPECT_EQ(Working(slot), 0u) << "slot " << slot;
    EXPECT_EQ(Working(kSlotVXColorICMS), 1u);
    EXPECT_EQ(state->dwColorTunerSetting, kTunerGamma3);
    EXPECT_EQ(Checked({IDC_COLOR_PRINT, IDC_CARTRIDGE_WHITE}), (std::vector<bool>{true, true}));
    EXPECT_EQ(Selection(page, IDC_PRINT_MODE), 0);
    Leave();
    EXPECT_EQ(Record()->dwPrintCartridge, 0u);
}

TEST_F(ColorPageTest, NoPermissionDisablesTheListedControls) {
    WriteHalftone({{1, L"Soft"}});
    for (DWORD cartridge : {0u, 1u}) {
        SCOPED_TRACE(cartridge);
        ColorSheet();
        harness->sheetFlags = DM_NOPERMISSION;
        Open([cartridge](OemDevmode *record) {
            record->dwPrintCartridge = cartridge;
            record->dwCustomGamma = kGammaOn | 1;
        });
        // As the user sees the page: drawn once.
        RedrawWindow(page, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        for (UINT id : {IDC_COLOR_MODE_GROUP, IDC_COLOR_PRINT, IDC_GRAY_PRINT, IDC_COLOR_DETAILS,
                        IDC_GAMMA_LIST, IDC_COLOR_ADVANCED, IDC_DEFAULT, IDC_PRINT_MODE_LABEL,
                        IDC_PRINT_MODE})
            EXPECT_FALSE(Enabled(id)) << id;
        for (UINT id : {IDC_CARTRIDGE_WHITE, IDC_CARTRIDGE_BLACK, IDC_CUSTOM_GAMMA})
            EXPECT_TRUE(Enabled(id)) << id;
        EXPECT_EQ(Enabled(IDC_BLACK_FINISH), cartridge == 1);
    }
}

TEST_F(ColorPageTest, LeavingPushesAndWritesTheRecordsColorFields) {
    WriteHalftone({{4, L"Warm"}});
    Open([](OemDevmode *record) {
        record->wColorPageValue = 7;
        record->dwColorTunerSetting = kTunerGamma3;
        record->dwCustomGamma = kGammaOn | 4;
    });
    Click(IDC_GRAY_PRINT);
    Click(IDC_CARTRIDGE_BLACK);
    harness->tree.calls.clear();
    Leave();
    EXPECT_FALSE(harness->tree.calls.empty());
    EXPECT_EQ(harness->tree.Item(control).Sel, 1);
    const OemDevmode *record = Record();
    EXPECT_EQ((std::vector<uint32_t>{record->wColorPageValue, record->dwColorTunerSetting, record->dwCustomGamma,
                                     record->dwPrintCartridge}),
              (std::vector<uint32_t>{0, kTunerGamma3, kGammaOn | 4, 1}));
}

TEST_F(ColorPageTest, TunerSettingChoosesTheTablesSection) {
    WriteTables(L"Gamma", L"0aFf", L"A-01");
    WriteTables(L"Color", L"11", L"2233");
    struct Case {
        uint32_t setting;
        uint16_t ntSize, nvSize;
        Bytes nt, nv;
    };
    const Case cases[] = {{kTunerGamma3, 2, 2, {0x0A, 0xFF}, {0xA0, 0x01}},
                          {kTunerColor3, 1, 2, {0x11}, {0x22, 0x33}},
                          {kTunerGamma3Unused, 9, 9, {kUntouched}, {kUntouched, kUntouched}}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.setting);
        ColorSheet();
        Open([&c](OemDevmode *record) {
            record->dwColorTunerSetting = c.setting;
            record->wCcmNtSize = record->wCcmNvSize = 9;
            memset(record->abCcmNt, kUntouched, kNtCapacity);
            memset(record->abCcmNv, kUntouched, kNvCapacity);
        });
        Leave();
        const OemDevmode *record = Record();
        EXPECT_EQ(record->dwColorTunerSetting, c.setting);
        EXPECT_EQ(std::make_tuple(record->wCcmNtSize, Bytes(record->abCcmNt, record->abCcmNt + c.nt.size()),
                                  record->wCcmNvSize, Bytes(record->abCcmNv, record->abCcmNv + c.nv.size())),
                  std::make_tuple(c.ntSize, c.nt, c.nvSize, c.nv));
    }
}

// The tables' two fields differ in size: each is cut at its own.
TEST_F(ColorPageTest, OverlongTableIsCutAtItsField) {
    WriteTables(L"Gamma", HexTable(kOverlongTableBytes), L"01");
    Open([](OemDevmode *record) {
        record->dwColorTunerSetting = kTunerGamma3;
        memset(record->abCcmNv, kUntouched, kNvCapacity);
    });
    Leave();
    const OemDevmode *record = Record();
    ASSERT_EQ(record->wCcmNtSize, kNtCapacity);
    Bytes counting(kNtCapacity);
    std::iota(counting.begin(), counting.end(), 0);
    EXPECT_EQ(Bytes(record->abCcmNt, record->abCcmNt + kNtCapacity), counting);
    Bytes nv(kNvCapacity, kUntouched);
    nv[0] = 1;
    EXPECT_EQ(Bytes(record->abCcmNv, record->abCcmNv + kNvCapacity), nv);
    EXPECT_EQ(record->wCcmNvSize, 1);
}

TEST_F(ColorPageTest, ApplyReportsOkForTheColorPage) {
    Open();
    harness->Apply();
    const std::vector<LPARAM> &pages = harness->ReportingPages();
    const auto found = std::find(pages.rbegin(), pages.rend(), kColorPageHandle);
    ASSERT_NE(found, pages.rend());
    EXPECT_EQ(harness->ReportedResults()[static_cast<size_t>(pages.rend() - found - 1)], CPSUI_OK);
}

}  // namespace
