// Office Color Details and the special toner details, opened from the
// plug-in's extended Color page layout, which carries their buttons, and
// driven inside their modal loops.
#include "color_sheet.h"
#include "support/import_hook.h"

#include "color/color_variant_ids.h"
#include "resources/resource_ids.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

namespace {

constexpr uint32_t kTunerOn = 0x10000;
const wchar_t kInvalidSettings[] = L"One or more of your settings are invalid.";

const std::vector<std::wstring> kRenderStyles = {L"Perceptual", L"Saturation", L"Colorimetric"};
const std::vector<std::wstring> kTargets = {L"Standard", L"Vivid", L"Natural"};
// The slots Office Color Details edits: target colour, RGB choice, black finish.
const std::vector<uint32_t> kOfficeSlots = {kSlotVXTargetColor, kSlotVXColorRenderStyle, kSlotVXBlackSubstitution};
const std::vector<std::wstring> kTuners = {L"Office Vivid", L"Corporate Blue", L"Gamma 1.8", L"Gamma 2.2"};

// The features a test's printer description has.
struct Features {
    bool renderStyle = true;
    bool specialOrder = true;
    bool mirror = true;
    const char *toner = "White";
};

// The record's special toner fields: inactive colour, densities A and B,
// level and one-pass series.
std::vector<uint32_t> TonerFields(const OemDevmode *record) {
    return {record->dwSpecialColorInactive, record->dwSpecialDensityA, record->dwSpecialDensityB,
            record->dwSpecialLevel, record->dw1PassSeries};
}

class DetailDialogTest : public ColorSheetTest {
protected:
    // The sheet of `printer` on the extended Color page, with the features
    // `adjust` leaves and the record `edit` changed.
    void Open(const std::function<void(Features &)> &adjust = {},
              const std::function<void(OemDevmode *)> &edit = {}, const WCHAR *printer = kSamplePrinter) {
        Features features;
        if (adjust) adjust(features);
        DriverTree &tree = NewSheet(printer);
        tree.AddRange(DMPUB_COPIES_COLLATE, 1, 1, 9999);
        tree.AddStandard(DMPUB_COLOR, 1, {L"Monochrome", L"Color"});
        tree.AddFeature("VXControl", 0, {L"Color Print", L"Gray Scale"});
        if (features.renderStyle) tree.AddFeature("VXColorRenderStyle", 1, kRenderStyles);
        tree.AddFeature("VXTargetColor", 2, kTargets);
        tree.AddFeature("VXBlackSubstitution", 1, {L"Off", L"Text", L"All"});
        tree.AddFeature("VXSpecialColorControl", 1, {L"Off", L"Whole", L"Spot", L"Image", L"Disabled", L"Full"});
        if (features.specialOrder) tree.AddFeature("VXSpecialColorOrder", 1, {L"Top", L"Bottom"});
        tree.AddFeature("VXClearOutputMode", 1, {L"Gloss", L"Matte"});
        if (features.mirror) tree.AddMirror(1);
        tree.SetDriverSetting("VXSpecialTonerInstalled", features.toner);
        OpenColorPage(edit, IDD_COLOR_EXTENDED);
    }

    bool Exists(HWND dialog, UINT id) { return GetDlgItem(dialog, id) != nullptr; }
};

TEST_F(DetailDialogTest, OfficeDetailsShowsTheDriversChoicesTheTunerSettingsAndDefaultByPermission) {
    Open();
    OpenDialog(IDC_OFFICE_DETAILS, [&](HWND dialog) {
        EXPECT_EQ(caption, L"Office Color Details");
        EXPECT_EQ(harness->Entries(dialog, IDC_RENDER_STYLE), kRenderStyles);
        EXPECT_EQ(harness->Entries(dialog, IDC_INK_SIMULATION), kTargets);
        EXPECT_EQ(harness->Entries(dialog, IDC_TUNER_SETTING), kTuners);
        EXPECT_EQ(SendDlgItemMessageW(dialog, IDC_TUNER_SETTING, CB_GETITEMDATA, 2, 0), 0x103);
        EXPECT_EQ(Selection(dialog, IDC_RENDER_STYLE), 1);
        EXPECT_EQ(Selection(dialog, IDC_INK_SIMULATION), 2);
        EXPECT_EQ(Checked(dialog, {IDC_BLACK_FINISH_COMPOSITE, IDC_USE_TUNER_SETTING}),
                  (std::vector<bool>{true, false}));
        EXPECT_EQ(Enabled(dialog, {IDC_RENDER_STYLE, IDC_TUNER_SETTING, IDC_USE_TUNER_SETTING}),
                  (std::vector<bool>{true, false, true}));
        harness->Click(dialog, IDCANCEL);
    });
    EXPECT_FALSE(SheetChanged());

    state->pOemUiPsParam->dwFlags |= DM_NOPERMISSION;
    OpenDialog(IDC_OFFICE_DETAILS, [&](HWND dialog) {
        EXPECT_FALSE(harness->Enabled(dialog, IDC_DEFAULT)) << "Default is refused without permission";
    });
}

TEST_F(DetailDialogTest, OfficeDetailsOkWritesTheCopiesAndCancelDropsThem) {
    Open();
    for (UINT end : {IDCANCEL, IDOK}) {
        OpenDialog(IDC_OFFICE_DETAILS, [&](HWND dialog) {
            harness->Choose(dialog, IDC_INK_SIMULATION, 0);
            harness->Choose(dialog, IDC_RENDER_STYLE, 2);
            harness->Click(dialog, IDC_BLACK_FINISH_TRUE);
            harness->Click(dialog, end);
        });
        const std::vector<uint32_t> kept = {0, 2, 2}, dropped = {2, 1, 1};
        EXPECT_EQ(Working(kOfficeSlots), end == IDOK ? kept : dropped);
    }
    EXPECT_TRUE(SheetChanged());
}

TEST_F(DetailDialogTest, OfficeTunerSettingReplacesTheRgbChoiceAndReachesTheRecord) {
    Open();
    OpenDialog(IDC_OFFICE_DETAILS, [&](HWND dialog) {
        harness->Click(dialog, IDC_USE_TUNER_SETTING);
        EXPECT_EQ(Enabled(dialog, {IDC_RENDER_STYLE, IDC_TUNER_SETTING}), (std::vector<bool>{false, true}));
        harness->Choose(dialog, IDC_TUNER_SETTING, 2);
        harness->Click(dialog, IDC_USE_TUNER_SETTING);
        EXPECT_TRUE(harness->Enabled(dialog, IDC_RENDER_STYLE));
        EXPECT_EQ(Selection(dialog, IDC_TUNER_SETTING), 2) << "the chosen setting stays";
        harness->Click(dialog, IDC_USE_TUNER_SETTING);
        harness->Click(dialog, IDOK);
    });
    EXPECT_EQ(state->dwColorTunerSetting, kTunerOn | 0x103);
    ASSERT_TRUE(harness->SelectPage(0));
    EXPECT_EQ(Record()->dwColorTunerSetting, kTunerOn | 0x103);
    EXPECT_GT(Record()->wCcmNtSize, 0u) << "the Gamma 1.8 tables follow the setting";
}

TEST_F(DetailDialogTest, OfficeDefaultSwitchesEverythingOff) {
    Open({}, [](OemDevmode *record) { record->dwColorTunerSetting = kTunerOn | 2; });
    OpenDialog(IDC_OFFICE_DETAILS, [&](HWND dialog) {
        EXPECT_TRUE(harness->Checked(dialog, IDC_USE_TUNER_SETTING));
        EXPECT_EQ(Selection(dialog, IDC_TUNER_SETTING), 1);
        harness->Click(dialog, IDC_DEFAULT);
        EXPECT_FALSE(harness->Checked(dialog, IDC_USE_TUNER_SETTING));
        EXPECT_EQ(Selection(dialog, IDC_RENDER_STYLE), 0);
        EXPECT_EQ(Selection(dialog, IDC_INK_SIMULATION), 0);
        EXPECT_TRUE(harness->Checked(dialog, IDC_BLACK_FINISH_AUTO));
        harness->Click(dialog, IDOK);
    });
    EXPECT_EQ(Working(kOfficeSlots), (std::vector<uint32_t>{0, 0, 0}));
    EXPECT_EQ(state->dwColorTunerSetting, 1u) << "entry 0's id, switched off";
}

TEST_F(DetailDialogTest, OfficeWithoutRgbChoiceKeepsOnlyInkAndBlackFinish) {
    Open([](Features &features) { features.renderStyle = false; },
         [](OemDevmode *record) { record->dwColorTunerSetting = kTunerOn | 4; });
    Working(kSlotVXColorRenderStyle) = 7;
    OpenDialog(IDC_OFFICE_DETAILS, [&](HWND dialog) {
        for (UINT id : {IDC_RGB_GROUP, IDC_RENDER_STYLE_LABEL, IDC_INK_SIMULATION_GROUP, IDC_RENDER_STYLE,
                        IDC_USE_TUNER_SETTING, IDC_TUNER_SETTING})
            EXPECT_FALSE(Exists(dialog, id)) << id;
        for (UINT id : {IDC_INK_SIMULATION, IDC_BLACK_FINISH_GROUP, IDC_BLACK_FINISH_AUTO, IDOK, IDCANCEL,
                        IDC_DEFAULT})
            EXPECT_TRUE(Exists(dialog, id)) << id;
        harness->Choose(dialog, IDC_INK_SIMULATION, 1);
        harness->Click(dialog, IDC_BLACK_FINISH_AUTO);
        harness->Click(dialog, IDOK);
    });
    EXPECT_EQ(Working(kOfficeSlots), (std::vector<uint32_t>{1, 7, 0})) << "no RGB choice is written";
    EXPECT_EQ(state->dwColorTunerSetting, kTunerOn | 4) << "the tuner copy comes back unchanged";
}

// A dialog that cannot be made gives -1: the sheet stays unchanged.
INT_PTR WINAPI FailingDialogBox(HINSTANCE, LPCDLGTEMPLATEW, HWND, DLGPROC, LPARAM) { return -1; }

TEST_F(DetailDialogTest, ADialogThatCannotOpenLeavesTheSheetUnchanged) {
    Open();
    ImportHook hook(GetModuleHandleW(L"sxoemui.dll"), "user32.dll", "DialogBoxIndirectParamW",
                    reinterpret_cast<void *>(FailingDialogBox));
    ASSERT_TRUE(hook.Installed());
    for (UINT button : {IDC_OFFICE_DETAILS, IDC_SPECIAL_TONER, IDC_COLOR_DETAILS, IDC_COLOR_ADVANCED})
        harness->Click(page, button);
    EXPECT_FALSE(SheetChanged());
}

TEST_F(DetailDialogTest, WhiteTonerDialogShowsItsGroupsByColourControl) {
    Open();
    EXPECT_TRUE(harness->Enabled(page, IDC_SPECIAL_TONER));
    OpenDialog(IDC_SPECIAL_TONER, [&](HWND dialog) {
        EXPECT_EQ(caption, L"Special Toner Details");
        EXPECT_EQ(harness->Text(dialog, IDC_TONER_TITLE), L"Installed special toner: White");
        for (UINT id : {IDC_CLEAR_OUTPUT, IDC_CLEAR_OUTPUT_LABEL}) EXPECT_FALSE(Exists(dialog, id)) << id;
        EXPECT_EQ(Checked(dialog, {IDC_COLOR_CONTROL_FIRST + 1, IDC_ORDER_BOTTOM}), (std::vector<bool>{true, true}));
        EXPECT_EQ(Enabled(dialog, {IDC_ORDER_TOP, IDC_DENSITY_A, IDC_LEVEL}), (std::vector<bool>{true, true, true}));
        EXPECT_TRUE(harness->Shown(dialog, IDC_TONER_LAYER));
        EXPECT_EQ(harness->Text(dialog, IDC_DENSITY_A), L"100.00");
        EXPECT_EQ(harness->Text(dialog, IDC_LEVEL), L"100");
        EXPECT_FALSE(harness->Checked(dialog, IDC_MIRROR_PRINT)) << "mirror option 1 is normal print";

        harness->Click(dialog, IDC_COLOR_CONTROL_FIRST + 5);
        EXPECT_EQ(Enabled(dialog, {IDC_ORDER_TOP, IDC_LEVEL, IDC_ONE_PASS}), (std::vector<bool>{true, false, false}));

        harness->Click(dialog, IDC_ORDER_TOP_PICTURE);
        EXPECT_TRUE(harness->Checked(dialog, IDC_ORDER_TOP));
        EXPECT_FALSE(harness->Enabled(dialog, IDC_DENSITY_A)) << "densities go with the lower layer";

        harness->Click(dialog, IDC_COLOR_CONTROL_PICTURE_FIRST);
        EXPECT_TRUE(harness->Checked(dialog, IDC_COLOR_CONTROL_FIRST));
        EXPECT_FALSE(harness->Enabled(dialog, IDC_ORDER_TOP));
        EXPECT_FALSE(harness->Shown(dialog, IDC_TONER_LAYER));
        harness->Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(Working({kSlotVXSpecialColorControl, kSlotVXSpecialColorOrder}), (std::vector<uint32_t>{1, 1}));
}

TEST_F(DetailDialogTest, WhiteTonerOkWritesSlotsAndRecord) {
    Open();
    OpenDialog(IDC_SPECIAL_TONER, [&](HWND dialog) {
        harness->SetText(dialog, IDC_LEVEL, L"40");
        EXPECT_EQ(SendDlgItemMessageW(dialog, IDC_LEVEL_BAR, TBM_GETPOS, 0, 0), 40);
        harness->Click(dialog, IDC_ONE_PASS);
        harness->Click(dialog, IDC_ORDER_TOP);
        harness->Click(dialog, IDC_ORDER_BOTTOM);
        harness->SetText(dialog, IDC_DENSITY_A, L"99.5");
        harness->SetText(dialog, IDC_DENSITY_B, L"99.25");
        harness->Click(dialog, IDC_COLOR_CONTROL_FIRST + 4);
        EXPECT_EQ(Enabled(dialog, {IDC_ORDER_TOP, IDC_LEVEL}), (std::vector<bool>{false, false}));
        harness->Click(dialog, IDC_MIRROR_PRINT);
        EXPECT_TRUE(harness->Checked(dialog, IDC_MIRROR_PRINT));
        harness->Click(dialog, IDOK);
    });
    EXPECT_EQ(Working({kSlotVXSpecialColorControl, kSlotVXSpecialColorOrder, kSlotMirror}),
              (std::vector<uint32_t>{4, 1, 0}))
        << "checked mirror print is option 0";
    EXPECT_EQ(TonerFields(Record()), (std::vector<uint32_t>{1, 9950, 9925, 40, 1}));
    EXPECT_TRUE(SheetChanged());
}

TEST_F(DetailDialogTest, DensityOutOfRangeIsRefusedAtOkForWhiteToner) {
    Open();
    OpenDialog(IDC_SPECIAL_TONER, [&](HWND dialog) {
        harness->SetText(dialog, IDC_DENSITY_B, L"98.00");
        EXPECT_EQ(harness->Text(dialog, IDC_DENSITY_B), L"98.00") << "accepted while typing";
        harness->Click(dialog, IDOK);
        ASSERT_TRUE(IsWindow(dialog)) << "the dialog stays open";
        EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDC_DENSITY_B));
        harness->SetText(dialog, IDC_DENSITY_A, L"100.01");
        EXPECT_EQ(harness->Text(dialog, IDC_DENSITY_A), L"100.00") << "replaced at once";
        harness->SetText(dialog, IDC_DENSITY_A, L"9x");
        EXPECT_EQ(harness->Text(dialog, IDC_DENSITY_A), L"100.00");
        harness->Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(messages, std::vector<std::wstring>{kInvalidSettings});
    EXPECT_EQ(Record()->dwSpecialDensityB, 10000u);
    EXPECT_FALSE(SheetChanged());
}

TEST_F(DetailDialogTest, ClearTonerDensitiesAreCheckedAsWell) {
    Open([](Features &features) { features.toner = "Clear"; });
    OpenDialog(IDC_SPECIAL_TONER, [&](HWND dialog) {
        EXPECT_EQ(harness->Text(dialog, IDC_TONER_TITLE), L"Installed special toner: Clear");
        EXPECT_FALSE(Exists(dialog, IDC_LEVEL)) << "the Clear layout has no level";
        EXPECT_FALSE(Exists(dialog, IDC_CLEAR_OUTPUT));
        harness->SetText(dialog, IDC_DENSITY_A, L"98.00");
        harness->Click(dialog, IDOK);
        ASSERT_TRUE(IsWindow(dialog));
        EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDC_DENSITY_A));
        harness->SetText(dialog, IDC_DENSITY_A, L"99.00");
        harness->Click(dialog, IDOK);
    });
    EXPECT_EQ(messages, std::vector<std::wstring>{kInvalidSettings});
    EXPECT_EQ(Record()->dwSpecialDensityA, 9900u);
    EXPECT_TRUE(SheetChanged());
}

TEST_F(DetailDialogTest, DensityArrowsAndLevelTrackBarStayWithinTheirRanges) {
    Open({}, [](OemDevmode *record) {
        record->dwSpecialDensityA = 9999;
        record->dwSpecialLevel = 4000;
    });
    OpenDialog(IDC_SPECIAL_TONER, [&](HWND dialog) {
        SetFocus(GetDlgItem(dialog, IDC_DENSITY_A));
        const auto press = [&](int position) {
            SendMessageW(dialog, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, position),
                         reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_DENSITY_A_SPIN)));
            return harness->Text(dialog, IDC_DENSITY_A);
        };
        EXPECT_EQ(press(0), L"100.00");
        EXPECT_EQ(press(0), L"100.00") << "the arrows stop at the bound";
        EXPECT_EQ(press(1), L"99.99");

        EXPECT_EQ(harness->Text(dialog, IDC_LEVEL), L"100") << "a stored level beyond 100 comes in as 100";
        harness->SetText(dialog, IDC_LEVEL, L"250");
        EXPECT_EQ(harness->Text(dialog, IDC_LEVEL), L"100");
        SendDlgItemMessageW(dialog, IDC_LEVEL_BAR, TBM_SETPOS, TRUE, 30);
        SendMessageW(dialog, WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, 30),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_LEVEL_BAR)));
        EXPECT_EQ(harness->Text(dialog, IDC_LEVEL), L"30");
        harness->Click(dialog, IDOK);
    });
    EXPECT_EQ((std::vector<uint32_t>{Record()->dwSpecialDensityA, Record()->dwSpecialLevel}),
              (std::vector<uint32_t>{9999, 30}));
}

TEST_F(DetailDialogTest, SpecialTonerDefaultResetsTheCopies) {
    Open({}, [](OemDevmode *record) {
        record->dwSpecialDensityA = 9900;
        record->dwSpecialLevel = 10;
        record->dw1PassSeries = 1;
    });
    OpenDialog(IDC_SPECIAL_TONER, [&](HWND dialog) {
        harness->Click(dialog, IDC_DEFAULT);
        EXPECT_EQ(Checked(dialog, {IDC_COLOR_CONTROL_FIRST, IDC_ORDER_TOP, IDC_MIRROR_PRINT}),
                  (std::vector<bool>{true, true, true}));
        EXPECT_EQ(harness->Text(dialog, IDC_DENSITY_A), L"100.00");
        EXPECT_EQ(harness->Text(dialog, IDC_LEVEL), L"100");
        EXPECT_FALSE(harness->Checked(dialog, IDC_ONE_PASS)) << "the sample driver is no one-pass model";
        harness->Click(dialog, IDOK);
    });
    EXPECT_EQ(Working({kSlotVXSpecialColorControl, kSlotVXSpecialColorOrder}), (std::vector<uint32_t>{0, 0}));
    EXPECT_EQ(TonerFields(Record()), (std::vector<uint32_t>{1, 10000, 10000, 100, 0})) << "Off is inactive";
}

TEST_F(DetailDialogTest, WithoutOrderFeatureTheDialogIsWhiteWithoutOrderAndDensities) {
    Open([](Features &features) {
        features.specialOrder = false;
        features.mirror = false;
        features.toner = "Clear";
    }, [](OemDevmode *record) { record->dwSpecialDensityA = 500; });
    OpenDialog(IDC_SPECIAL_TONER, [&](HWND dialog) {
        EXPECT_EQ(harness->Text(dialog, IDC_TONER_TITLE), L"Installed special toner: White");
        for (UINT id : {IDC_ORDER_RESULT, IDC_ORDER_GROUP, IDC_ORDER_TOP, IDC_ORDER_BOTTOM_PICTURE,
                        IDC_DENSITY_GROUP, IDC_DENSITY_A, IDC_DENSITY_B_UNIT, IDC_MIRROR_PRINT, IDC_MIRROR_ICON})
            EXPECT_FALSE(Exists(dialog, id)) << id;
        EXPECT_TRUE(Exists(dialog, IDC_LEVEL));
        harness->Click(dialog, IDOK);
    });
    EXPECT_EQ(Record()->dwSpecialDensityA, 9900u) << "a stored density outside its range never goes back";
}

TEST_F(DetailDialogTest, DefaultTurnsOnePassOnForTheOnePassDrivers) {
    const WCHAR kIni[] = L"sxt_onepass.ini";
    WriteDriverProfile(kIni, L"OEMFiles", L"OEMConfigFile1", L"sxoemui.dll");
    TestPrinter printer(L"KE700(PS)", {kIni});
    ASSERT_TRUE(printer.Installed());
    Open({}, {}, L"KE700(PS)");
    OpenDialog(IDC_SPECIAL_TONER, [&](HWND dialog) {
        EXPECT_FALSE(harness->Checked(dialog, IDC_ONE_PASS));
        harness->Click(dialog, IDC_DEFAULT);
        EXPECT_TRUE(harness->Checked(dialog, IDC_ONE_PASS));
        harness->Click(dialog, IDOK);
    });
    EXPECT_EQ(Record()->dw1PassSeries, 1u);
    harness.reset();
    DeleteFileW(DriverFilePath(kIni).c_str());
}

TEST_F(DetailDialogTest, NoSpecialTonerDisablesTheButton) {
    Open([](Features &features) { features.toner = "None"; });
    EXPECT_FALSE(harness->Enabled(page, IDC_SPECIAL_TONER));
}

}  // namespace
