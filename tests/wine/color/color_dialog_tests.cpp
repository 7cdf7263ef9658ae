// Color Print Details and Advanced, opened from the Color page of the sample
// printer and driven inside their modal loops.
#include "color_sheet.h"

#include "resources/resource_ids.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <vector>

namespace {

constexpr int kColorPage = 1;
constexpr uint32_t kMethodSimulation = 1, kMethodOther = 2;

const std::vector<UINT> kMatchingControls = {
    IDC_INPUT_GROUP,          IDC_RGB_PROFILE_LABEL, IDC_RGB_PROFILE,
    IDC_OUTPUT_GROUP,         IDC_MATCH_PRECISION,   IDC_OUTPUT_PROFILE_LABEL,
    IDC_OUTPUT_PROFILE,       IDC_RENDERING_INTENT_LABEL, IDC_RENDERING_INTENT,
    IDC_MATCH_PRECISION_GROUP, IDC_PRECISION_QUALITY_LABEL, IDC_PRECISION_SPEED_LABEL};
const std::vector<UINT> kCmykControls = {IDC_CMYK_INPUT_PROFILE, IDC_USE_CMYK_INPUT_PROFILE,
                                         IDC_USE_CMYK_LINK_PROFILE, IDC_CMYK_LINK_PROFILE};
const std::vector<UINT> kSimulationControls = {IDC_SIMULATION_LABEL, IDC_SIMULATION_PROFILE};
const std::vector<UINT> kPictures = {IDC_RGB_PICTURE, IDC_CMYK_PICTURE, IDC_LINK_PICTURE,
                                     IDC_FLOW_PICTURE};

const std::vector<UINT> kProfileLists = {IDC_CMYK_INPUT_PROFILE, IDC_CMYK_LINK_PROFILE};
const std::vector<UINT> kHalftoneBoxes = {IDC_ALWAYS_PRINTER_HALFTONE, IDC_GRAY_HALFTONES};

// The slots the Details dialog edits, in its copies' order.
const std::vector<uint32_t> kDetailsSlots = {
    kSlotVXColorICMS,  kSlotVXCMYKProfile,     kSlotVXRGBProfile,   kSlotVXCMYKInputProfile,
    kSlotVXCMYKLinkProfile, kSlotVXOutProfile, kSlotVXColorRenderDict, kSlotVXSimProfile,
    kSlotVXColorMatch, kSlotVXPureBlack,       kSlotVXPreserveBlack, kSlotVXBlackSubGra};

class ColorDialogTest : public ColorSheetTest {
protected:
    void TearDown() override {
        EXPECT_TRUE(messages.empty()) << "no message box is expected";
        ColorSheetTest::TearDown();
    }

    void Open(LONG outProfile = 1, bool halftoneChoices = true, LONG resolution = 1) {
        DriverTree &tree = NewSheet();
        tree.AddRange(DMPUB_COPIES_COLLATE, 1, 1, 9999);
        tree.AddRange(DMPUB_SCALE, 100, 25, 400);
        tree.AddStandard(DMPUB_COLOR, 1, {L"Monochrome", L"Color"});
        tree.AddFeature("VXControl", 0, {L"Color Print", L"Gray Scale"});
        tree.AddFeature("VXColorICMS", 0, {L"Input", L"Simulation", L"Printer"});
        tree.AddFeature("VXCMYKProfile", 0, {L"Input", L"Link"});
        tree.AddFeature("VXRGBProfile", 1, {L"sRGB", L"Adobe RGB"});
        tree.AddFeature("VXCMYKInputProfile", 1, {L"SWOP", L"Euroscale"});
        tree.AddFeature("VXCMYKLinkProfile", 1, {L"Link A", L"Link B"});
        tree.AddFeature("VXOutProfile", outProfile, {L"Auto", L"Photo", L"Office"});
        tree.AddFeature("VXColorRenderDict", 1, {L"Perceptual", L"Saturation"});
        tree.AddFeature("VXSimProfile", 1, {L"None", L"Press"});
        tree.AddFeature("VXColorMatch", 1, {L"Speed", L"Normal", L"Quality"});
        tree.AddFeature("VXPureBlack", 1, {L"On", L"Off"});
        tree.AddFeature("VXPreserveBlack", 1, {L"On", L"Off"});
        tree.AddFeature("VXBlackSubGra", 2, {L"Auto", L"Composite", L"True Black"});
        tree.AddFeature("VXResolution", resolution, {L"High", L"Fine", L"Normal"});
        if (halftoneChoices) {
            tree.AddFeature("VXAlwaysPrnHT", 0, {L"True", L"False"});
            tree.AddFeature("VXScreenObo", 1, {L"True", L"False"});
        }
        OpenColorPage();
    }

    void ExpectShown(HWND dialog, const std::vector<UINT> &ids, bool shown) {
        for (UINT id : ids) EXPECT_EQ(harness->Shown(dialog, id), shown) << id;
    }
};

TEST_F(ColorDialogTest, DetailsLayoutFollowsTheMatchingMethod) {
    Open();
    Working(kSlotVXColorICMS) = kMethodSimulation;
    OpenDialog(IDC_COLOR_DETAILS, [&](HWND dialog) {
        EXPECT_EQ(caption, L"Color Print Details");
        EXPECT_EQ(harness->Entries(dialog, IDC_OUTPUT_PROFILE),
                  (std::vector<std::wstring>{L"Auto", L"Photo", L"Office"}));
        EXPECT_EQ(Selection(dialog, IDC_RGB_PROFILE), 1);
        EXPECT_EQ(SendDlgItemMessageW(dialog, IDC_MATCH_PRECISION, TBM_GETPOS, 0, 0), 1);
        ExpectShown(dialog, kMatchingControls, true);
        ExpectShown(dialog, kCmykControls, false);
        ExpectShown(dialog, kSimulationControls, true);
        ExpectShown(dialog, {IDC_CMYK_PICTURE, IDC_LINK_PICTURE}, true);
        ExpectShown(dialog, {IDC_RGB_PICTURE, IDC_FLOW_PICTURE}, false);
    });
    Working(kSlotVXColorICMS) = kMethodOther;
    OpenDialog(IDC_COLOR_DETAILS, [&](HWND dialog) {
        ExpectShown(dialog, kMatchingControls, false);
        ExpectShown(dialog, kCmykControls, false);
        ExpectShown(dialog, kSimulationControls, false);
        ExpectShown(dialog, kPictures, false);
        ExpectShown(dialog, {IDOK, IDCANCEL, IDC_DEFAULT}, true);
    });
}

TEST_F(ColorDialogTest, DetailsProfileKindSwitchesInputAndLinkLists) {
    Open();
    OpenDialog(IDC_COLOR_DETAILS, [&](HWND dialog) {
        EXPECT_TRUE(harness->Checked(dialog, IDC_USE_CMYK_INPUT_PROFILE));
        EXPECT_EQ(Enabled(dialog, kProfileLists), (std::vector<bool>{true, false}));
        harness->Click(dialog, IDC_USE_CMYK_LINK_PROFILE);
        EXPECT_EQ(Enabled(dialog, kProfileLists), (std::vector<bool>{false, true}));
        ExpectShown(dialog, {IDC_RGB_PICTURE, IDC_FLOW_PICTURE}, true);
        ExpectShown(dialog, {IDC_CMYK_PICTURE, IDC_LINK_PICTURE}, false);
        harness->Click(dialog, IDOK);
    });
    EXPECT_EQ(Working(kSlotVXCMYKProfile), 1u);
}

TEST_F(ColorDialogTest, DetailsFirstOutputProfileDisablesTheRenderingIntent) {
    Open(0);
    OpenDialog(IDC_COLOR_DETAILS, [&](HWND dialog) {
        EXPECT_EQ(Enabled(dialog, {IDC_RENDERING_INTENT, IDC_RENDERING_INTENT_LABEL}),
                  (std::vector<bool>{false, false}));
        harness->Choose(dialog, IDC_OUTPUT_PROFILE, 2);
        EXPECT_TRUE(harness->Enabled(dialog, IDC_RENDERING_INTENT));
        harness->Choose(dialog, IDC_OUTPUT_PROFILE, 0);
        EXPECT_FALSE(harness->Enabled(dialog, IDC_RENDERING_INTENT));
        harness->Choose(dialog, IDC_OUTPUT_PROFILE, 1);
        harness->Click(dialog, IDOK);
    });
    EXPECT_EQ(Working(kSlotVXOutProfile), 1u);
}

TEST_F(ColorDialogTest, DetailsDefaultIsWrittenOnlyOnOk) {
    Open();
    const std::vector<uint32_t> before = Working(kDetailsSlots);
    ASSERT_FALSE(SheetChanged());
    OpenDialog(IDC_COLOR_DETAILS, [&](HWND dialog) {
        harness->Click(dialog, IDC_DEFAULT);
        EXPECT_TRUE(harness->Checked(dialog, IDC_USE_CMYK_LINK_PROFILE));
        EXPECT_EQ(SendDlgItemMessageW(dialog, IDC_MATCH_PRECISION, TBM_GETPOS, 0, 0), 2);
        EXPECT_EQ(Selection(dialog, IDC_RGB_PROFILE), 0);
        harness->Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(Working(kDetailsSlots), before);
    EXPECT_FALSE(SheetChanged());

    OpenDialog(IDC_COLOR_DETAILS, [&](HWND dialog) {
        harness->Click(dialog, IDC_DEFAULT);
        harness->Click(dialog, IDOK);
    });
    EXPECT_EQ(Working(kDetailsSlots), (std::vector<uint32_t>{0, 1, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0}));
    EXPECT_TRUE(SheetChanged());
    Leave();
    ASSERT_TRUE(harness->SelectPage(kColorPage));
    EXPECT_EQ(Selection(page, IDC_PRINT_MODE), 0);
}

TEST_F(ColorDialogTest, AdvancedShowsBothHalftoneChoicesByResolutionAndWritesThem) {
    Open();
    OpenDialog(IDC_COLOR_ADVANCED, [&](HWND dialog) {
        EXPECT_EQ(caption, L"Advanced");
        ExpectShown(dialog, kHalftoneBoxes, true);
        EXPECT_TRUE(harness->Enabled(dialog, IDC_ALWAYS_PRINTER_HALFTONE));
        EXPECT_EQ(Checked(dialog, kHalftoneBoxes), (std::vector<bool>{true, false}));
        harness->Click(dialog, IDC_ALWAYS_PRINTER_HALFTONE);
        harness->Click(dialog, IDC_GRAY_HALFTONES);
        harness->Click(dialog, IDOK);
    });
    EXPECT_EQ(Working({kSlotVXAlwaysPrnHT, kSlotVXScreenObo}), (std::vector<uint32_t>{1, 0}));
    EXPECT_TRUE(SheetChanged());

    // The first resolution takes the printer halftone away.
    Open(1, true, 0);
    OpenDialog(IDC_COLOR_ADVANCED, [&](HWND dialog) {
        EXPECT_TRUE(harness->Shown(dialog, IDC_ALWAYS_PRINTER_HALFTONE));
        EXPECT_EQ(Enabled(dialog, kHalftoneBoxes), (std::vector<bool>{false, true}));
    });
}

TEST_F(ColorDialogTest, AdvancedWithoutTheFeaturesHidesBothBoxes) {
    Open(1, false);
    Working(kSlotVXSpecialColorSpace) = 1;
    OpenDialog(IDC_COLOR_ADVANCED, [&](HWND dialog) {
        ExpectShown(dialog, kHalftoneBoxes, false);
        ExpectShown(dialog, {IDC_COLOR_ADVANCED_GROUP}, true);
        harness->Click(dialog, IDOK);
    });
    EXPECT_EQ(Working(kSlotVXSpecialColorSpace), 0u);
}

TEST_F(ColorDialogTest, AdvancedDefaultWritesOnlyOnOk) {
    Open();
    Working(kSlotVXAlwaysPrnHT) = 1;
    OpenDialog(IDC_COLOR_ADVANCED, [&](HWND dialog) {
        EXPECT_FALSE(harness->Checked(dialog, IDC_ALWAYS_PRINTER_HALFTONE));
        harness->Click(dialog, IDC_DEFAULT);
        EXPECT_EQ(Checked(dialog, kHalftoneBoxes), (std::vector<bool>{true, true}));
        harness->Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(Working({kSlotVXAlwaysPrnHT, kSlotVXScreenObo}), (std::vector<uint32_t>{1, 1}));
    EXPECT_FALSE(SheetChanged());
    OpenDialog(IDC_COLOR_ADVANCED, [&](HWND dialog) {
        harness->Click(dialog, IDC_DEFAULT);
        harness->Click(dialog, IDOK);
    });
    EXPECT_EQ(Working({kSlotVXAlwaysPrnHT, kSlotVXScreenObo}), (std::vector<uint32_t>{0, 0}));
}

}  // namespace
