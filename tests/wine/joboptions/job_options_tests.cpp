// The Job Options page with its Advanced and About dialogs, driven by
// messages as a user drives them.
#include "support/control_states.h"
#include "support/page_test.h"

#include "core/oem_devmode.h"
#include "resources/resource_ids.h"

#include <gtest/gtest.h>

namespace {

constexpr LONG kScaleLower = 25;
constexpr LONG kScaleUpper = 400;

class JobOptionsTest : public SheetTest {
protected:
    // A tree like the sample model's: the features this page and its
    // dialogs show, with the driver's current selections.
    void OpenSheet(bool withMirror = true, const char *hdd = "True") {
        DriverTree &tree = NewSheet();
        copies = tree.AddRange(DMPUB_COPIES_COLLATE, 2, 1, 9999);
        tree.AddRange(DMPUB_SCALE, 100, kScaleLower, kScaleUpper);
        tree.AddFeature("VXResolution", 1, {L"High", L"Fine", L"Normal"});
        tree.AddFeature("VXImageSmoothing", 1, {L"On", L"Off"});
        collate = tree.AddFeature("VXCollate", 0, {L"Off", L"On"});
        tree.AddFeature("VXHDDSpool", 1, {L"Off", L"On"});
        tree.AddFeature("VXDrumClean", 0, {L"Off", L"On"});
        tree.AddFeature("VXHairLine", 1, {L"On", L"Off"});
        if (withMirror) tree.AddMirror(1);
        tree.SetDriverSetting("VXHDD", hdd);
        ASSERT_TRUE(harness->AddPluginPages());
        ASSERT_TRUE(harness->Open());
        page = harness->JobOptions();
        state = harness->State();
        ASSERT_NE(state, nullptr);
    }

    uint32_t Working(uint32_t slot) const { return state->slots.working[slot]; }
    std::vector<uint32_t> Working(const std::vector<uint32_t> &slots) const { return WorkingSlots(state, slots); }

    DWORD Selection(const std::vector<UINT> &radios) {
        for (size_t i = 0; i < radios.size(); ++i)
            if (harness->Checked(page, radios[i])) return static_cast<DWORD>(i);
        return 0xFFFF;
    }

    HICON MirrorIcon() {
        return reinterpret_cast<HICON>(SendDlgItemMessageW(page, IDC_MIRROR_ICON, STM_GETICON, 0, 0));
    }

    DocUiState *state = nullptr;
    DWORD copies = 0, collate = 0;
};

TEST_F(JobOptionsTest, PageShowsTheDriversSelectionsAndTheModelsLinkPageFollows) {
    OpenSheet();
    EXPECT_EQ(Selection({IDC_QUALITY_HIGH, IDC_QUALITY_FINE, IDC_QUALITY_NORMAL}), 1u);
    EXPECT_EQ(dialog_input::Checked(page, {IDC_IMAGE_SMOOTHING, IDC_COLLATE, IDC_MIRROR_PRINT}),
              (std::vector<bool>{false, false, false}));
    EXPECT_EQ(dialog_input::Texts(page, {IDC_COPIES, IDC_SCALE, IDC_SCALE_RANGE}),
              (std::vector<std::wstring>{L"2", L"100", L"( 25-400 % )"}));
    // The page limits copies to 999 in the driver's own item.
    EXPECT_EQ(harness->tree.Item(copies).pOptType->pOptParam[1].lParam, 999);
    EXPECT_TRUE(harness->Enabled(page, IDC_COPIES));

    ASSERT_EQ(harness->PageCount(), 2u);
    EXPECT_NE(GetModuleHandleW(L"sxlink.dll"), nullptr);
    ASSERT_TRUE(harness->SelectPage(1));
    HWND link = harness->Page(1);
    ASSERT_NE(link, nullptr);
    EXPECT_NE(GetDlgItem(link, 1002), nullptr);
}

TEST_F(JobOptionsTest, ClicksChangeTheWorkingSelections) {
    OpenSheet();
    harness->Click(page, IDC_QUALITY_HIGH);
    EXPECT_EQ(Working(kSlotVXResolution), 0u);
    EXPECT_TRUE(harness->Checked(page, IDC_QUALITY_HIGH));
    harness->Click(page, IDC_QUALITY_NORMAL);
    EXPECT_EQ(Working(kSlotVXResolution), 2u);

    harness->Click(page, IDC_IMAGE_SMOOTHING);
    EXPECT_EQ(Working(kSlotVXImageSmoothing), 0u);
    harness->Click(page, IDC_COLLATE);
    EXPECT_EQ(Working(kSlotVXCollate), 1u);

    const HICON normal = MirrorIcon();
    harness->Click(page, IDC_MIRROR_PRINT);
    EXPECT_EQ(Working(kSlotMirror), 0u);
    EXPECT_NE(MirrorIcon(), normal);
    harness->Click(page, IDC_MIRROR_PRINT);
    EXPECT_EQ(Working(kSlotMirror), 1u);
}

TEST_F(JobOptionsTest, CopiesKeepDigitsWithTheCaretAfterThemAndEmptyCopiesBlockThePage) {
    OpenSheet();
    harness->SetText(page, IDC_COPIES, L"1a2");
    EXPECT_EQ(harness->Text(page, IDC_COPIES), L"12");
    EXPECT_EQ(Working(kSlotCopiesCollate), 12u);
    // The selection's start and end, both after the digits.
    EXPECT_EQ(SendDlgItemMessageW(page, IDC_COPIES, EM_GETSEL, 0, 0), MAKELRESULT(2, 2));

    harness->SetText(page, IDC_COPIES, L"");
    EXPECT_EQ(Working(kSlotCopiesCollate), 0u);
    EXPECT_FALSE(harness->SelectPage(1));
    EXPECT_EQ(harness->Modals().size(), 1u);
    EXPECT_EQ(GetFocus(), GetDlgItem(page, IDC_COPIES));
}

TEST_F(JobOptionsTest, ScaleOutOfRangeIsClampedThenRefusedOnLeaving) {
    OpenSheet();
    harness->SetText(page, IDC_SCALE, L"5000");
    EXPECT_EQ(Working(kSlotScale), 1000u);
    EXPECT_EQ(harness->Text(page, IDC_SCALE), L"1000");

    EXPECT_FALSE(harness->SelectPage(1));
    ASSERT_EQ(harness->Modals().size(), 1u);
    EXPECT_EQ(harness->Modals()[0].text, L"One or more of your settings are invalid.");
    EXPECT_EQ(GetFocus(), GetDlgItem(page, IDC_SCALE));
    EXPECT_TRUE(harness->tree.calls.empty());
}

TEST_F(JobOptionsTest, LeavingPushesSelectionsIntoTheRecordAndComingBackShowsLaterChanges) {
    OpenSheet();
    harness->Click(page, IDC_COLLATE);
    harness->SetText(page, IDC_COPIES, L"7");
    ASSERT_TRUE(harness->SelectPage(1));
    EXPECT_TRUE(harness->Modals().empty());
    EXPECT_EQ(Record()->dwCollate, 1u);
    EXPECT_EQ(harness->tree.Item(collate).Sel, 1);
    EXPECT_EQ(harness->tree.Item(copies).Sel, 7);
    EXPECT_FALSE(harness->tree.calls.empty());

    // Only the activation that follows the page's creation takes the
    // refresh the creation made; coming back shows the selections as they are.
    state->slots.working[kSlotVXResolution] = 0;
    state->slots.working[kSlotVXCollate] = 1;
    ASSERT_TRUE(harness->SelectPage(0));
    EXPECT_EQ(dialog_input::Checked(page, {IDC_QUALITY_HIGH, IDC_COLLATE}), (std::vector<bool>{true, true}));
}

TEST_F(JobOptionsTest, DefaultRestoresThePagesSettings) {
    OpenSheet();
    harness->Click(page, IDC_QUALITY_HIGH);
    harness->Click(page, IDC_MIRROR_PRINT);
    harness->SetText(page, IDC_COPIES, L"5");
    harness->Click(page, IDC_DEFAULT);
    EXPECT_EQ(Selection({IDC_QUALITY_HIGH, IDC_QUALITY_FINE, IDC_QUALITY_NORMAL}), 2u);
    EXPECT_EQ(Working({kSlotVXResolution, kSlotCopiesCollate, kSlotScale, kSlotVXImageSmoothing, kSlotMirror,
                       kSlotVXBindPosition, kSlotVXErrorDiffusion}),
              (std::vector<uint32_t>{2, 1, 100, 1, 0, 2, 1}));
    EXPECT_EQ(harness->Text(page, IDC_COPIES), L"1");
    EXPECT_TRUE(harness->Checked(page, IDC_MIRROR_PRINT));
}

TEST_F(JobOptionsTest, AdvancedOkWritesAndCancelKeeps) {
    OpenSheet();
    // The sample model's "Compression" 0x501: selectable, default level 2.
    ASSERT_EQ(Record()->wCompression, 2);
    OpenDialog(IDC_JOB_ADVANCED, [&](HWND dialog) {
        EXPECT_EQ(dialog_input::Checked(dialog, {IDC_HDD_SPOOL, IDC_HAIR_LINE}), (std::vector<bool>{true, false}));
        harness->Click(dialog, IDC_HDD_SPOOL);
        harness->Click(dialog, IDC_DRUM_CLEAN);
        dialog_input::Choose(dialog, IDC_COMPRESSION, 3);
        harness->Click(dialog, IDCANCEL);
    });
    ASSERT_EQ(harness->Modals().size(), 1u);
    EXPECT_EQ(caption, L"Advanced");
    EXPECT_EQ(Working({kSlotVXHDDSpool, kSlotVXDrumClean}), (std::vector<uint32_t>{1, 0}));
    EXPECT_EQ(Record()->wCompression, 2);

    OpenDialog(IDC_JOB_ADVANCED, [&](HWND dialog) {
        EXPECT_EQ(SendDlgItemMessageW(dialog, IDC_COMPRESSION, CB_GETCOUNT, 0, 0), 4);
        EXPECT_EQ(dialog_input::Selection(dialog, IDC_COMPRESSION), 2);
        dialog_input::Choose(dialog, IDC_COMPRESSION, 3);
        harness->Click(dialog, IDC_HDD_SPOOL);
        harness->Click(dialog, IDC_DRUM_CLEAN);
        harness->Click(dialog, IDC_HAIR_LINE);
        harness->Click(dialog, IDOK);
    });
    ASSERT_EQ(harness->Modals().size(), 2u);
    EXPECT_EQ(Working({kSlotVXHDDSpool, kSlotVXDrumClean, kSlotVXHairLine, kSlotMirror}), (std::vector<uint32_t>{0, 1, 0, 1}));
    EXPECT_EQ(Record()->wCompression, 3);
}

// Default shows the model's defaults in the dialog; only OK takes them.
TEST_F(JobOptionsTest, AdvancedDefaultTakesEffectWithOkOnly) {
    OpenSheet();
    for (const UINT closing : {IDCANCEL, IDOK}) {
        SCOPED_TRACE(closing);
        OpenDialog(IDC_JOB_ADVANCED, [&](HWND dialog) {
            dialog_input::Choose(dialog, IDC_COMPRESSION, 0);
            harness->Click(dialog, IDC_DEFAULT);
            EXPECT_EQ(dialog_input::Checked(dialog, {IDC_HDD_SPOOL, IDC_HAIR_LINE}),
                      (std::vector<bool>{false, true}));
            EXPECT_EQ(dialog_input::Selection(dialog, IDC_COMPRESSION), 2);
            harness->Click(dialog, closing);
        });
        const uint32_t kept = closing == IDOK ? 0u : 1u;
        EXPECT_EQ(Working({kSlotVXHDDSpool, kSlotVXHairLine, kSlotVXDrumClean}), (std::vector<uint32_t>{kept, kept, 0}));
        EXPECT_EQ(Record()->wCompression, 2);
    }
}

TEST_F(JobOptionsTest, MissingMirrorItemTakesItsGroupAwayAndMissingDiskTheSpool) {
    OpenSheet(false, "False");
    EXPECT_EQ(GetDlgItem(page, IDC_MIRROR_PRINT), nullptr);
    EXPECT_EQ(GetDlgItem(page, IDC_SPECIAL_GROUP), nullptr);
    EXPECT_NE(GetDlgItem(page, IDC_COLLATE), nullptr);
    OpenDialog(IDC_JOB_ADVANCED, [&](HWND dialog) {
        EXPECT_FALSE(harness->Checked(dialog, IDC_HDD_SPOOL) || harness->Enabled(dialog, IDC_HDD_SPOOL));
        harness->Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(Working(kSlotVXHDDSpool), 0u);
}

TEST_F(JobOptionsTest, AboutShowsTheSampleModelsVersions) {
    OpenSheet();
    OpenDialog(IDC_ABOUT, [&](HWND dialog) {
        EXPECT_FALSE(harness->Text(dialog, IDC_DRIVER_NAME).empty());
        EXPECT_EQ(harness->Text(dialog, IDC_DRIVER_VERSION), L"1.20.0.3");
        EXPECT_EQ(harness->Text(dialog, IDC_PPD_VERSION), L"1.20");
        EXPECT_EQ(harness->Text(dialog, IDC_PPD_NOTICE), L"2026 SX Printing Systems. All rights reserved.");
        harness->Click(dialog, IDOK);
    });
    ASSERT_EQ(harness->Modals().size(), 1u);
    EXPECT_EQ(caption, L"About");
}

}  // namespace
