// The extended Job Options layout that a model chooses in its capability
// section: the page is made from it through the plug-in's own registration,
// the controls of absent features are removed and the finishing lists hand
// the user's choice to the driver's items.
#include "support/page_test.h"

#include "joboptions/job_options_variant_ids.h"
#include "docstate/feature_slots.h"
#include "overlays/overlay_ids.h"
#include "resources/dialog_ids.h"
#include "support/control_states.h"
#include "support/page_layout.h"

#include <gtest/gtest.h>


namespace {

class ExtendedLayoutTest : public PageTest {
protected:
    // The page as the plug-in registers it for the model: no test layout.
    void Open(const ModelPrinter &model, PageSetup setup = {}) {
        ASSERT_TRUE(model.Installed());
        setup.printer = model.Name();
        setup.extendedLayout = false;
        setup.withOverlay = true;
        PageTest::Open(setup);
    }

    static std::vector<int> Template(int id) {
        return TemplateControlIds(GetModuleHandleW(L"sxoemui.dll"), id);
    }
};

ModelPrinter &ExtendedModel() {
    static ModelPrinter model(L"xlayout", {{L"TabLayout", L"Extended"}});
    return model;
}

TEST_F(ExtendedLayoutTest, TheLayoutKeyChoosesTheExtendedPageAndOnlyItsExactValue) {
    Open(ExtendedModel());
    ASSERT_FALSE(Template(IDD_JOB_OPTIONS_EXTENDED).empty());
    // Without an encryption library the third job type has nothing to offer.
    EXPECT_EQ(ChildControlIds(page),
              WithoutIds(Template(IDD_JOB_OPTIONS_EXTENDED), {IDC_JOB_TYPE_ENCRYPTED}));

    static ModelPrinter standard(L"xlayoutstd", {{L"TabLayout", L"Standard"}});
    Open(standard);
    EXPECT_EQ(ChildControlIds(page), Template(IDD_JOB_OPTIONS_PAGE));
}

TEST_F(ExtendedLayoutTest, ControlsOfAbsentFeaturesAreRemovedWithTheirFrames) {
    PageSetup setup;
    setup.withJobType = false;
    setup.withFinishing = false;
    setup.withOutputBin = false;
    Open(ExtendedModel(), setup);
    EXPECT_EQ(ChildControlIds(page),
              WithoutIds(Template(IDD_JOB_OPTIONS_EXTENDED),
                         {IDC_JOB_TYPE_NORMAL, IDC_JOB_TYPE_SECURE, IDC_JOB_TYPE_ENCRYPTED,
                          IDC_JOB_TYPE_GROUP, IDC_JOB_PIN_BUTTON, IDC_STAPLE_LABEL, IDC_STAPLE,
                          IDC_PUNCH_LABEL, IDC_PUNCH, IDC_BIND_POSITION_LABEL,
                          IDC_BIND_POSITION, IDC_OUTPUT_BIN_LABEL, IDC_OUTPUT_BIN}));
}

TEST_F(ExtendedLayoutTest, FinishingListsHandTheChosenOptionNotTheEntryToTheDriver) {
    PageSetup setup;
    setup.punch = 0;
    setup.settings["VXPunchUnit"] = "Type2";
    Open(ExtendedModel(), setup);
    // With the finisher the output-bin list lacks option 1, "Face Up".
    ASSERT_EQ(opening->ListEntries(IDC_OUTPUT_BIN),
              (std::vector<std::wstring>{L"Standard", L"Finisher 1", L"Finisher 2"}));
    EXPECT_EQ(opening->ListSelection(IDC_OUTPUT_BIN), L"Standard");
    Harness().Choose(page, IDC_OUTPUT_BIN, 1);
    EXPECT_EQ(opening->Working(kSlotOutputBin), 2u);

    // A4 portrait, duplex, bind position 2: staple keeps every option.
    Harness().Choose(page, IDC_STAPLE, 2);
    EXPECT_EQ(opening->Working(kSlotVXStaple), 2u);
    Harness().Choose(page, IDC_PUNCH, 3);
    EXPECT_EQ(opening->Working(kSlotVXPunch), 3u);

    // Leaving the page gives the driver's items the options.
    ASSERT_TRUE(Harness().SelectPage(1));
    EXPECT_EQ(Harness().tree.Item(opening->Items().staple).Sel, 2);
    EXPECT_EQ(Harness().tree.Item(opening->Items().punch).Sel, 3);

    // Default brings the lists back to the first bin and no finishing.
    ASSERT_TRUE(Harness().SelectPage(0));
    Harness().Click(page, IDC_DEFAULT);
    EXPECT_EQ(opening->ListSelection(IDC_OUTPUT_BIN), L"Standard");
    EXPECT_EQ(opening->ListSelection(IDC_STAPLE), L"Off");
    EXPECT_EQ(opening->ListSelection(IDC_PUNCH), L"Off");
}

TEST_F(ExtendedLayoutTest, WithoutPermissionTheControlsAreOffButAboutAndTheLinkWork) {
    PageSetup setup;
    setup.sheetFlags = DM_NOPERMISSION;
    Open(ExtendedModel(), setup);
    for (UINT id : {IDC_QUALITY_HIGH, IDC_IMAGE_SMOOTHING, IDC_COPIES, IDC_COLLATE, IDC_SCALE,
                    IDC_MIRROR_PRINT, IDC_JOB_TYPE_NORMAL, IDC_JOB_TYPE_SECURE, IDC_OUTPUT_BIN,
                    IDC_STAPLE, IDC_JOB_OVERLAYS, IDC_WATERMARKS_BUTTON, IDC_JOB_ADVANCED,
                    IDC_DEFAULT})
        EXPECT_FALSE(Harness().Enabled(page, id)) << id;
    EXPECT_EQ(dialog_input::Enabled(page, {IDC_ABOUT, IDC_BANNER}), (std::vector<bool>{true, true}));
}

}  // namespace
