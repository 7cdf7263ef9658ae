// The Watermarks dialog reached from the Job Options page: the list from
// the plug-in ini, choosing, New, Edit, Delete, the two ticks, the limit of
// 16, Cancel restoring everything, OK copying the chosen watermark into the
// private record and Apply writing the list back.
#include "watermark_test_support.h"

#include "resources/resource_ids.h"

#include <gtest/gtest.h>

namespace {

const WCHAR kLimitText[] =
    L"A maximum number of 16 watermarks can be saved. \nPlease delete or edit one of your existing "
    L"watermarks\nbefore creating a new one";

class WatermarksDialogTest : public WatermarkTest {
protected:
    // Opens the dialog, lets `act` work on it and ends it with `end`; the
    // dialogs it opens go to the scripts queued for them.
    void Run(std::function<void(HWND)> act, UINT end) {
        Expect(kWatermarksCaption, std::move(act), end);
        RunWatermarks();
    }
    // The editor's next opening takes `text` and is ended with `end`.
    void ExpectEditor(const WCHAR *text, UINT end = IDOK) {
        Expect(kEditorCaption, [text](HWND editor) { SetDlgItemTextW(editor, IDC_WATERMARK_TEXT, text); }, end);
    }
};

void ExpectLines(HWND dialog, const std::vector<std::wstring> &lines, int selected) {
    EXPECT_EQ(ListBoxLines(dialog, IDC_WATERMARK_LIST), lines);
    EXPECT_EQ(ListSelection(dialog, IDC_WATERMARK_LIST), selected);
    const bool chosen = selected > 0;
    EXPECT_EQ(Enabled(dialog, IDC_EDIT_WATERMARK), chosen);
    EXPECT_EQ(Enabled(dialog, IDC_DELETE_WATERMARK), chosen);
}

TEST_F(WatermarksDialogTest, ListsTheStoredWatermarksAfterNoneAndSelectsTheRecordsChoice) {
    printer.Store({StoredValue(L"Draft"), StoredValue(L"Copy\\, internal"), StoredValue(L"Void")});
    Open([](PageSetup &setup) { setup.editRecord = [](OemDevmode *r) { r->dwWatermarkIndex = 2; }; });
    Run([&](HWND dialog) { ExpectLines(dialog, {L"None", L"Draft", L"Copy, internal", L"Void"}, 2); }, IDCANCEL);
}

// The record's choice names the third entry, which the cut list no longer has.
TEST_F(WatermarksDialogTest, AKeyNotStartingWithWEndsTheListAndAChoiceBeyondItOpensWithNone) {
    printer.Store({StoredValue(L"One"), StoredValue(L"Two")});
    printer.StoreKey(L"Other", StoredValue(L"Three"));
    printer.StoreKey(L"WTMK004", StoredValue(L"Four"));
    Open([](PageSetup &setup) { setup.editRecord = [](OemDevmode *r) { r->dwWatermarkIndex = 3; }; });
    Run([&](HWND dialog) { ExpectLines(dialog, {L"None", L"One", L"Two"}, 0); }, IDCANCEL);
}

TEST_F(WatermarksDialogTest, HandEditedFilesAreHeldToSixteenWatermarksAndToTheirFields) {
    const std::wstring longText(1500, L'x');
    std::vector<std::wstring> values = {StoredValue(longText, 72, 45, 0xC0C0C0, 6)};
    for (int i = 2; i <= 20; ++i) values.push_back(StoredValue(L"W" + std::to_wstring(i)));
    printer.Store(values);
    Open([](PageSetup &setup) { setup.editRecord = [](OemDevmode *r) { r->dwWatermarkIndex = 1; }; });
    Run([&](HWND dialog) {
        const std::vector<std::wstring> lines = ListBoxLines(dialog, IDC_WATERMARK_LIST);
        ASSERT_EQ(lines.size(), 17u) << "None and the first 16";
        EXPECT_EQ(lines[1], longText.substr(0, 128));
        EXPECT_EQ(lines[16], L"W16");
    }, IDOK);
    EXPECT_EQ(Text(Record()->wszWmText), longText.substr(0, 128));
    EXPECT_EQ(Record()->wWmPosition, 6) << "the fields behind the long text still read";
}

TEST_F(WatermarksDialogTest, NewAppendsAndSelectsOkCommitsAndApplyStores) {
    printer.Store({StoredValue(L"Draft")});
    Open();
    ExpectEditor(L"a\\b,c;d");
    Run([&](HWND dialog) {
        Click(dialog, IDC_NEW_WATERMARK);
        ExpectLines(dialog, {L"None", L"Draft", L"a\\b,c;d"}, 2);
    }, IDOK);

    OemDevmode *record = Record();
    EXPECT_EQ((Values{record->dwWatermarkIndex, record->dwWmSize, record->sWmAngle, record->dwWmColor,
                      record->wWmPosition}),
              (Values{2, 72, 45, 0xC0C0C0, 3}));
    EXPECT_EQ(Text(record->wszWmText), L"a\\b,c;d");
    EXPECT_STREQ(record->szWmPsColor, "0.75 0.75 0.75");
    EXPECT_EQ(Text(record->wszWmFontName), L"Helvetica") << "the sample list's first font, regular";
    EXPECT_EQ(printer.Section(kWatermarkSection).size(), 1u) << "nothing is written before Apply";

    Harness().Apply();
    const auto stored = printer.Section(kWatermarkSection);
    ASSERT_EQ(stored.size(), 2u);
    EXPECT_EQ(stored[0].first, L"WTMK001");
    EXPECT_EQ(stored[1].first, L"WTMK002");
    EXPECT_EQ(stored[1].second, L"72,0,45,0,0,12632256,a\\\\b\\,c\\;d,Helvetica,0,0,0,3,0,0,0,0");
    EXPECT_EQ(State()->fWatermarksDirty, 0u);

    // The next opening reads the file again.
    Run([&](HWND dialog) { ExpectLines(dialog, {L"None", L"Draft", L"a\\b,c;d"}, 2); }, IDCANCEL);
}

TEST_F(WatermarksDialogTest, TenWatermarksAreStoredUpToWTMK0010AndAnEmptyListLeavesNoSection) {
    std::vector<std::wstring> values;
    for (int i = 1; i <= 9; ++i) values.push_back(StoredValue(L"W" + std::to_wstring(i)));
    printer.Store(values);
    Open();
    ExpectEditor(L"Tenth");
    Run([&](HWND dialog) { Click(dialog, IDC_NEW_WATERMARK); }, IDOK);
    Harness().Apply();
    const auto stored = printer.Section(kWatermarkSection);
    ASSERT_EQ(stored.size(), 10u);
    EXPECT_EQ(stored[8].first, L"WTMK009");
    EXPECT_EQ(stored[9].first, L"WTMK0010");

    Run([&](HWND dialog) {
        for (int i = 0; i < 10; ++i) {
            PickLine(dialog, IDC_WATERMARK_LIST, 1);
            Click(dialog, IDC_DELETE_WATERMARK);
        }
    }, IDOK);
    Harness().Apply();
    EXPECT_TRUE(printer.Section(kWatermarkSection).empty());
    EXPECT_EQ(GetPrivateProfileSectionW(kWatermarkSection, nullptr, 0, printer.Ini().c_str()), 0u);
}

TEST_F(WatermarksDialogTest, CancelAfterDeletingEverythingRestoresListAndSelection) {
    printer.Store({StoredValue(L"One"), StoredValue(L"Two"), StoredValue(L"Three")});
    Open([](PageSetup &setup) { setup.editRecord = [](OemDevmode *r) { r->dwWatermarkIndex = 3; }; });
    const std::vector<BYTE> recordBefore = opening->RecordBytes();
    Run([&](HWND dialog) {
        PickLine(dialog, IDC_WATERMARK_LIST, 2);
        Click(dialog, IDC_DELETE_WATERMARK);
        EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDC_NEW_WATERMARK));
        ExpectLines(dialog, {L"None", L"One", L"Three"}, 0);
        for (int i = 0; i < 2; ++i) {
            PickLine(dialog, IDC_WATERMARK_LIST, 1);
            Click(dialog, IDC_DELETE_WATERMARK);
        }
        ExpectLines(dialog, {L"None"}, 0);
    }, IDCANCEL);
    EXPECT_EQ(opening->RecordBytes(), recordBefore);
    Run([&](HWND dialog) { ExpectLines(dialog, {L"None", L"One", L"Two", L"Three"}, 3); }, IDCANCEL);
}

TEST_F(WatermarksDialogTest, OkAfterDeletingTheChosenOneLeavesNoneInTheRecord) {
    printer.Store({StoredValue(L"One"), StoredValue(L"Two")});
    Open([](PageSetup &setup) { setup.editRecord = [](OemDevmode *r) { r->dwWatermarkIndex = 1; }; });
    Run([&](HWND dialog) { Click(dialog, IDC_DELETE_WATERMARK); }, IDOK);
    EXPECT_EQ(Record()->dwWatermarkIndex, 0u);
    EXPECT_EQ(Text(Record()->wszWmText), L"None");
}

TEST_F(WatermarksDialogTest, EditChangesTheSelectedEntryAndCancelInTheEditorKeepsIt) {
    printer.Store({StoredValue(L"One"), StoredValue(L"Two")});
    Open();
    ExpectEditor(L"Changed", IDCANCEL);
    ExpectEditor(L"Second");
    Run([&](HWND dialog) {
        PickLine(dialog, IDC_WATERMARK_LIST, 2);
        Click(dialog, IDC_EDIT_WATERMARK);
        ExpectLines(dialog, {L"None", L"One", L"Two"}, 2);
        Click(dialog, IDC_EDIT_WATERMARK);
        ExpectLines(dialog, {L"None", L"One", L"Second"}, 2);
    }, IDOK);
    EXPECT_EQ(Record()->dwWatermarkIndex, 2u);
    EXPECT_EQ(Text(Record()->wszWmText), L"Second");
}

TEST_F(WatermarksDialogTest, TheSeventeenthIsRefusedWithTheLimitMessage) {
    std::vector<std::wstring> values;
    for (int i = 1; i <= 16; ++i) values.push_back(StoredValue(L"W" + std::to_wstring(i)));
    printer.Store(values);
    Open();
    Run([&](HWND dialog) {
        Click(dialog, IDC_NEW_WATERMARK);
        EXPECT_EQ(ListBoxLines(dialog, IDC_WATERMARK_LIST).size(), 17u);
    }, IDOK);
    EXPECT_EQ(modals.dialogs, std::vector<std::wstring>{kWatermarksCaption}) << "no editor";
    EXPECT_EQ(modals.messages, std::vector<std::wstring>{kLimitText});
    EXPECT_EQ(Harness().Modals().back().caption, L"Warning");
}

TEST_F(WatermarksDialogTest, NoneTicksReachTheRecordOnOkAndCancelRestoresThem) {
    Open();
    Run([&](HWND dialog) { Click(dialog, IDC_WATERMARK_FIRST_PAGE); }, IDOK);
    const OemDevmode *record = Record();
    EXPECT_EQ((Values{record->dwWatermarkIndex, record->bWmFirstPageOnly, record->wWmBackground}), (Values{0, 1, 0}));
    EXPECT_EQ(State()->watermarks.dwNoneFirstPageOnly, 1u);

    Run([&](HWND dialog) {
        EXPECT_TRUE(Checked(dialog, IDC_WATERMARK_FIRST_PAGE));
        Click(dialog, IDC_WATERMARK_FIRST_PAGE);
        Click(dialog, IDC_WATERMARK_BACKGROUND);
        EXPECT_TRUE(Checked(dialog, IDC_WATERMARK_BACKGROUND));
    }, IDCANCEL);
    const WatermarkRecord *none = State()->watermarks.apWatermarks[0];
    EXPECT_EQ((Values{none->bFirstPageOnly, none->wBackground, record->bWmFirstPageOnly}), (Values{1, 0, 1}));
}

TEST_F(WatermarksDialogTest, ResetDropsTheListWithoutWritingIt) {
    printer.Store({StoredValue(L"One")});
    Open();
    ExpectEditor(L"New");
    Run([&](HWND dialog) { Click(dialog, IDC_NEW_WATERMARK); }, IDOK);
    ASSERT_EQ(State()->fWatermarksDirty, 1u);
    PropSheet_PressButton(Harness().Sheet(), PSBTN_CANCEL);
    dialog_input::RunPostedMessages();
    EXPECT_EQ(State()->fWatermarksDirty, 0u);
    EXPECT_EQ(State()->watermarks.pWmWorking, nullptr);
    EXPECT_EQ(printer.Section(kWatermarkSection).size(), 1u);
}

}  // namespace
