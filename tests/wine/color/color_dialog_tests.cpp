// Color Print Details and Advanced, opened from the Color page of the sample
// printer and driven inside their modal loops.
#include "support/page_fixture.h"

#include "resources/resource_ids.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <functional>
#include <vector>

namespace {

constexpr int kColorPage = 1;
constexpr UINT kApplyButton = 0x3021;
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

// The slots the Details dialog edits, in its copies' order.
const std::vector<uint32_t> kDetailsSlots = {
    kSlotVXColorICMS,  kSlotVXCMYKProfile,     kSlotVXRGBProfile,   kSlotVXCMYKInputProfile,
    kSlotVXCMYKLinkProfile, kSlotVXOutProfile, kSlotVXColorRenderDict, kSlotVXSimProfile,
    kSlotVXColorMatch, kSlotVXPureBlack,       kSlotVXPreserveBlack, kSlotVXBlackSubGra};

class ColorDialogTest : public ::testing::Test {
protected:
    void TearDown() override { CloseLeftoverWindows(); }

    void Open(LONG outProfile = 1, bool halftoneChoices = true, LONG resolution = 1) {
        DriverTree &tree = harness.tree;
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
        ASSERT_TRUE(harness.AddPluginPages());
        ASSERT_TRUE(harness.Open());
        ASSERT_TRUE(harness.SelectPage(kColorPage));
        page = harness.Page(kColorPage);
        state = harness.State();
        ASSERT_NE(state, nullptr);
        ASSERT_NE(GetDlgItem(page, IDC_COLOR_ADVANCED), nullptr);
    }

    // Opens a dialog from the page; `drive` works it and ends it. A drive
    // cut short by a failed assertion still leaves the dialog cancelled.
    void OpenDialog(UINT button, const std::function<void(HWND)> &drive) {
        const size_t before = harness.Modals().size();
        harness.OnModal([&](const ModalWindow &modal) {
            drive(modal.window);
            PostMessageW(modal.window, WM_COMMAND, IDCANCEL, 0);
        });
        harness.Click(page, button);
        ASSERT_EQ(harness.Modals().size(), before + 1);
    }

    void ExpectShown(HWND dialog, const std::vector<UINT> &ids, bool shown) {
        for (UINT id : ids) EXPECT_EQ(harness.Shown(dialog, id), shown) << id;
    }
    std::vector<uint32_t> Working(const std::vector<uint32_t> &slots) const {
        std::vector<uint32_t> values;
        for (uint32_t slot : slots) values.push_back(state->slots.working[slot]);
        return values;
    }
    bool SheetChanged() { return harness.Enabled(harness.Sheet(), kApplyButton); }
    LRESULT Selection(HWND dialog, UINT id) { return SendDlgItemMessageW(dialog, id, CB_GETCURSEL, 0, 0); }

    SheetHarness harness;
    HWND page = nullptr;
    DocUiState *state = nullptr;
};

TEST_F(ColorDialogTest, DetailsLayoutFollowsTheMatchingMethod) {
    Open();
    state->slots.working[kSlotVXColorICMS] = kMethodSimulation;
    OpenDialog(IDC_COLOR_DETAILS, [&](HWND dialog) {
        EXPECT_EQ(harness.Modals().back().caption, L"Color Print Details");
        EXPECT_EQ(harness.Entries(dialog, IDC_OUTPUT_PROFILE),
                  (std::vector<std::wstring>{L"Auto", L"Photo", L"Office"}));
        EXPECT_EQ(Selection(dialog, IDC_RGB_PROFILE), 1);
        EXPECT_EQ(SendDlgItemMessageW(dialog, IDC_MATCH_PRECISION, TBM_GETPOS, 0, 0), 1);
        ExpectShown(dialog, kMatchingControls, true);
        ExpectShown(dialog, kCmykControls, false);
        ExpectShown(dialog, kSimulationControls, true);
        ExpectShown(dialog, {IDC_CMYK_PICTURE, IDC_LINK_PICTURE}, true);
        ExpectShown(dialog, {IDC_RGB_PICTURE, IDC_FLOW_PICTURE}, false);
    });
    state->slots.working[kSlotVXColorICMS] = kMethodOther;
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
        EXPECT_TRUE(harness.Checked(dialog, IDC_USE_CMYK_INPUT_PROFILE));
        EXPECT_TRUE(harness.Enabled(dialog, IDC_CMYK_INPUT_PROFILE));
        EXPECT_FALSE(harness.Enabled(dialog, IDC_CMYK_LINK_PROFILE));
        harness.Click(dialog, IDC_USE_CMYK_LINK_PROFILE);
        EXPECT_FALSE(harness.Enabled(dialog, IDC_CMYK_INPUT_PROFILE));
        EXPECT_TRUE(harness.Enabled(dialog, IDC_CMYK_LINK_PROFILE));
        ExpectShown(dialog, {IDC_RGB_PICTURE, IDC_FLOW_PICTURE}, true);
        ExpectShown(dialog, {IDC_CMYK_PICTURE, IDC_LINK_PICTURE}, false);
        harness.Click(dialog, IDOK);
    });
    EXPECT_EQ(state->slots.working[kSlotVXCMYKProfile], 1u);
}

TEST_F(ColorDialogTest, DetailsFirstOutputProfileDisablesTheRenderingIntent) {
    Open(0);
    OpenDialog(IDC_COLOR_DETAILS, [&](HWND dialog) {
        EXPECT_FALSE(harness.Enabled(dialog, IDC_RENDERING_INTENT));
        EXPECT_FALSE(harness.Enabled(dialog, IDC_RENDERING_INTENT_LABEL));
        harness.Choose(dialog, IDC_OUTPUT_PROFILE, 2);
        EXPECT_TRUE(harness.Enabled(dialog, IDC_RENDERING_INTENT));
        harness.Choose(dialog, IDC_OUTPUT_PROFILE, 0);
        EXPECT_FALSE(harness.Enabled(dialog, IDC_RENDERING_INTENT));
        harness.Choose(dialog, IDC_OUTPUT_PROFILE, 1);
        harness.Click(dialog, IDOK);
    });
    EXPECT_EQ(state->slots.working[kSlotVXOutProfile], 1u);
}

TEST_F(ColorDialogTest, DetailsDefaultIsWrittenOnlyOnOk) {
    Open();
    const std::vector<uint32_t> before = Working(kDetailsSlots);
    ASSERT_FALSE(SheetChanged());
    OpenDialog(IDC_COLOR_DETAILS, [&](HWND dialog) {
        harness.Click(dialog, IDC_DEFAULT);
        EXPECT_TRUE(harness.Checked(dialog, IDC_USE_CMYK_LINK_PROFILE));
        EXPECT_EQ(SendDlgItemMessageW(dialog, IDC_MATCH_PRECISION, TBM_GETPOS, 0, 0), 2);
        EXPECT_EQ(Selection(dialog, IDC_RGB_PROFILE), 0);
        harness.Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(Working(kDetailsSlots), before);
    EXPECT_FALSE(SheetChanged());

    OpenDialog(IDC_COLOR_DETAILS, [&](HWND dialog) {
        harness.Click(dialog, IDC_DEFAULT);
        harness.Click(dialog, IDOK);
    });
    EXPECT_EQ(Working(kDetailsSlots), (std::vector<uint32_t>{0, 1, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0}));
    EXPECT_TRUE(SheetChanged());
    ASSERT_TRUE(harness.SelectPage(0));
    ASSERT_TRUE(harness.SelectPage(kColorPage));
    EXPECT_EQ(SendDlgItemMessageW(page, IDC_PRINT_MODE, CB_GETCURSEL, 0, 0), 0);
}

TEST_F(ColorDialogTest, AdvancedShowsAndWritesBothHalftoneChoices) {
    Open();
    OpenDialog(IDC_COLOR_ADVANCED, [&](HWND dialog) {
        EXPECT_EQ(harness.Modals().back().caption, L"Advanced");
        ExpectShown(dialog, {IDC_ALWAYS_PRINTER_HALFTONE, IDC_GRAY_HALFTONES}, true);
        EXPECT_TRUE(harness.Enabled(dialog, IDC_ALWAYS_PRINTER_HALFTONE));
        EXPECT_TRUE(harness.Checked(dialog, IDC_ALWAYS_PRINTER_HALFTONE));
        EXPECT_FALSE(harness.Checked(dialog, IDC_GRAY_HALFTONES));
        harness.Click(dialog, IDC_ALWAYS_PRINTER_HALFTONE);
        harness.Click(dialog, IDC_GRAY_HALFTONES);
        harness.Click(dialog, IDOK);
    });
    EXPECT_EQ(Working({kSlotVXAlwaysPrnHT, kSlotVXScreenObo}), (std::vector<uint32_t>{1, 0}));
    EXPECT_TRUE(SheetChanged());
}

TEST_F(ColorDialogTest, AdvancedWithoutTheFeaturesHidesBothBoxes) {
    Open(1, false);
    state->slots.working[kSlotVXSpecialColorSpace] = 1;
    OpenDialog(IDC_COLOR_ADVANCED, [&](HWND dialog) {
        ExpectShown(dialog, {IDC_ALWAYS_PRINTER_HALFTONE, IDC_GRAY_HALFTONES}, false);
        ExpectShown(dialog, {IDC_COLOR_ADVANCED_GROUP}, true);
        harness.Click(dialog, IDOK);
    });
    EXPECT_EQ(state->slots.working[kSlotVXSpecialColorSpace], 0u);
}

TEST_F(ColorDialogTest, AdvancedFirstResolutionDisablesPrinterHalftone) {
    Open(1, true, 0);
    OpenDialog(IDC_COLOR_ADVANCED, [&](HWND dialog) {
        EXPECT_TRUE(harness.Shown(dialog, IDC_ALWAYS_PRINTER_HALFTONE));
        EXPECT_FALSE(harness.Enabled(dialog, IDC_ALWAYS_PRINTER_HALFTONE));
        EXPECT_TRUE(harness.Enabled(dialog, IDC_GRAY_HALFTONES));
        harness.Click(dialog, IDCANCEL);
    });
}

TEST_F(ColorDialogTest, AdvancedDefaultWritesOnlyOnOk) {
    Open();
    state->slots.working[kSlotVXAlwaysPrnHT] = 1;
    OpenDialog(IDC_COLOR_ADVANCED, [&](HWND dialog) {
        EXPECT_FALSE(harness.Checked(dialog, IDC_ALWAYS_PRINTER_HALFTONE));
        harness.Click(dialog, IDC_DEFAULT);
        EXPECT_TRUE(harness.Checked(dialog, IDC_ALWAYS_PRINTER_HALFTONE));
        EXPECT_TRUE(harness.Checked(dialog, IDC_GRAY_HALFTONES));
        harness.Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(Working({kSlotVXAlwaysPrnHT, kSlotVXScreenObo}), (std::vector<uint32_t>{1, 1}));
    EXPECT_FALSE(SheetChanged());
    OpenDialog(IDC_COLOR_ADVANCED, [&](HWND dialog) {
        harness.Click(dialog, IDC_DEFAULT);
        harness.Click(dialog, IDOK);
    });
    EXPECT_EQ(Working({kSlotVXAlwaysPrnHT, kSlotVXScreenObo}), (std::vector<uint32_t>{0, 0}));
}

}  // namespace
