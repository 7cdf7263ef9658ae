// The finisher rule pass as the Job Options page runs it when it opens:
// the sheet read from the driver, the selections corrected and kept in the
// record, and the lists of a page layout that carries them.
#include "support/page_test.h"

#include "joboptions/job_options_variant_ids.h"

#include <gtest/gtest.h>

namespace {

using Entries = std::vector<std::wstring>;

constexpr BYTE kOneUp = 0, kTwoUp = 1, kBooklet = 6;
constexpr BYTE kLayoutKeyTypeTwoUnit = 2 << 3;

class FinisherPageTest : public PageTest {
protected:
    // The record of an opening that already saw this sheet, so that only
    // the class corrections act.
    static std::function<void(OemDevmode *)> Remembered(uint32_t paperSize, BYTE layoutKey) {
        return [=](OemDevmode *record) {
            record->dwLastPaperSize = paperSize;
            record->bLastLayoutKey = layoutKey;
        };
    }

    uint32_t Bind() const { return opening->Working(kSlotVXBindPosition); }
    // The working bind position, staple and punch, in that order.
    std::vector<uint32_t> Finishing() const {
        return WorkingSlots(opening->State(), {kSlotVXBindPosition, kSlotVXStaple, kSlotVXPunch});
    }
};

TEST_F(FinisherPageTest, A4PortraitOneUpDuplexIsClassFiveWithoutCorrection) {
    PageSetup setup;
    setup.bindPosition = 4;
    setup.staple = 2;
    setup.editRecord = Remembered(DMPAPER_A4, kOneUp);
    Open(setup);
    EXPECT_EQ(Finishing(), (std::vector<uint32_t>{4, 2, 0}));
    // Class 5 offers every bind position but the left edge with two
    // staples; booklet binding takes the single staple away.
    EXPECT_EQ(opening->ListEntries(IDC_BIND_POSITION),
              (Entries{L"Off", L"Top Left", L"Top Edge", L"Booklet"}));
    EXPECT_EQ(opening->ListSelection(IDC_BIND_POSITION), L"Booklet");
    EXPECT_EQ(opening->ListEntries(IDC_STAPLE), (Entries{L"Off", L"2 Staples"}));
    EXPECT_EQ(opening->ListSelection(IDC_STAPLE), L"2 Staples");
    // No punch unit: nothing to punch.
    EXPECT_EQ(opening->ListEntries(IDC_PUNCH), (Entries{L"Off"}));
    EXPECT_EQ(opening->Record()->dwLastPaperSize, static_cast<uint32_t>(DMPAPER_A4));
    EXPECT_EQ(opening->Record()->bLastLayoutKey, kOneUp);
}

TEST_F(FinisherPageTest, WithoutDuplexTheSameSheetIsClassOne) {
    PageSetup setup;
    setup.bindPosition = 4;
    setup.settings["Duplex"] = "None";
    setup.editRecord = Remembered(DMPAPER_A4, kOneUp);
    Open(setup);
    EXPECT_EQ(Bind(), 2u);
    EXPECT_EQ(opening->ListEntries(IDC_BIND_POSITION),
              (Entries{L"Off", L"Left Edge", L"Top Left", L"Top Edge"}));
    EXPECT_EQ(opening->ListSelection(IDC_BIND_POSITION), L"Top Left");
}

TEST_F(FinisherPageTest, BookletA4DuplexForcesBindFourAndPunchZeroOnEitherLayout) {
    PageSetup setup;
    setup.layout = kBooklet;
    setup.bindPosition = 1;
    setup.staple = 1;
    setup.punch = 2;
    setup.settings["VXPunchUnit"] = "Type2";
    setup.editRecord = Remembered(DMPAPER_A4, kBooklet | kLayoutKeyTypeTwoUnit);
    Open(setup);
    EXPECT_EQ(Finishing(), (std::vector<uint32_t>{4, 1, 0}));
    EXPECT_EQ(opening->ListEntries(IDC_BIND_POSITION), (Entries{L"Booklet"}));
    EXPECT_EQ(opening->ListEntries(IDC_PUNCH), (Entries{L"Off"}));
    EXPECT_EQ(opening->ListEntries(IDC_STAPLE), (Entries{L"Off", L"2 Staples"}));

    // Leaving the page takes the corrections into the driver's items.
    ASSERT_TRUE(opening->Harness().SelectPage(1));
    EXPECT_EQ(opening->Harness().tree.Item(opening->Items().bindPosition).Sel, 4);
    EXPECT_EQ(opening->Harness().tree.Item(opening->Items().punch).Sel, 0);

    // The system's own layout has no lists but corrects the selections all the same.
    setup.extendedLayout = false;
    Open(setup);
    EXPECT_EQ(GetDlgItem(opening->Page(), IDC_BIND_POSITION), nullptr);
    EXPECT_EQ(Bind(), 4u);
    ASSERT_TRUE(opening->Harness().SelectPage(1));
    EXPECT_EQ(opening->Harness().tree.Item(opening->Items().bindPosition).Sel, 4);
}

TEST_F(FinisherPageTest, OpeningTwiceWithoutAChangeKeepsTheUsersChoices) {
    PageSetup setup;
    setup.settings["VXPunchUnit"] = "Type2";
    setup.bindPosition = 3;
    setup.staple = 1;
    setup.punch = 1;
    Open(setup);
    // A fresh record knows no sheet yet: the choices start over.
    EXPECT_EQ(Finishing(), (std::vector<uint32_t>{2, 0, 0}));
    setup.record = opening->RecordBytes();

    // The user chose again on the driver's own pages; same paper, layout,
    // orientation and punch unit.
    Open(setup);
    EXPECT_EQ(Finishing(), (std::vector<uint32_t>{3, 1, 1}));
    EXPECT_EQ(opening->ListSelection(IDC_PUNCH), L"2 Holes");
    setup.record = opening->RecordBytes();

    // Another paper resets them once; A3 portrait (class 6) then takes the
    // top-left binding to none.
    setup.paperSize = DMPAPER_A3;
    setup.settings["PageSize"] = "A3";
    Open(setup);
    EXPECT_EQ(Finishing(), (std::vector<uint32_t>{0, 0, 0}));
    EXPECT_EQ(opening->Record()->dwLastPaperSize, static_cast<uint32_t>(DMPAPER_A3));
}

TEST_F(FinisherPageTest, TheOrientationItemAndLayoutTurnTheSheet) {
    PageSetup setup;
    setup.paperSize = DMPAPER_A3;
    setup.settings["PageSize"] = "A3";
    setup.layout = kTwoUp;
    setup.orientationItem = 1;
    setup.bindPosition = 1;
    setup.editRecord = Remembered(DMPAPER_A3, 0x80 | kTwoUp);
    Open(setup);
    // Two-up on a portrait document: the A3 sheet lies landscape, class 7.
    EXPECT_EQ(Bind(), 2u);
    EXPECT_EQ(opening->ListEntries(IDC_BIND_POSITION),
              (Entries{L"Top Left", L"Top Edge", L"Booklet"}));
    EXPECT_EQ(opening->Record()->bLastLayoutKey, 0x80 | kTwoUp);
}

}  // namespace
