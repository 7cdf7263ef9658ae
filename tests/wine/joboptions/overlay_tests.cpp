// Overlays from the Job Options page, driven through the tests' page layout
// that carries the Overlays button: the Overlays and Define Overlays
// dialogs on real controls, the job's active list and overlay mode, and the
// definitions in the printer's plug-in ini, with and without the right to
// write printer data.
#include "support/control_states.h"
#include "support/dialog_input.h"
#include "support/page_test.h"
#include "support/printer_data_denied.h"

#include "overlays/overlay_ids.h"
#include "resources/resource_ids.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace {

using namespace dialog_input;

using Strings = std::vector<std::wstring>;

const WCHAR kOverlaysCaption[] = L"Overlays";
const WCHAR kDefineCaption[] = L"Define Overlays";
const WCHAR kMissing[] = L"<missing>";
constexpr int kTextChars = 512;
constexpr DWORD kSectionChars = 32768;
constexpr UINT kSheetPage = 1;
constexpr uint16_t kEnd = 255;
constexpr UINT kRemovedBeep = 0xFFFFFFFF;

struct Definition {
    std::wstring name;
    int mode;
    std::wstring pages;
    std::vector<std::wstring> forms;
};

// Every section of the ini with its lines, as the profile functions see it.
std::map<std::wstring, std::wstring> IniSnapshot(const std::wstring &ini) {
    std::vector<WCHAR> names(kSectionChars);
    GetPrivateProfileSectionNamesW(names.data(), kSectionChars, ini.c_str());
    std::map<std::wstring, std::wstring> sections;
    for (const WCHAR *name = names.data(); *name; name += lstrlenW(name) + 1) {
        std::vector<WCHAR> lines(kSectionChars);
        const DWORD length = GetPrivateProfileSectionW(name, lines.data(), kSectionChars, ini.c_str());
        sections[name] = std::wstring(lines.data(), length);
    }
    return sections;
}

// The form-name box's own edit, emptied and typed into.
void TypeFormName(HWND dialog, const WCHAR *text) {
    HWND edit = FindWindowExW(GetDlgItem(dialog, IDC_FORM_NAME), nullptr, L"Edit", nullptr);
    SetWindowTextW(edit, L"");
    Type(edit, text);
}

void AddForm(HWND dialog, const WCHAR *name) {
    TypeFormName(dialog, name);
    Press(dialog, IDC_ADD_FORM);
}

// The names in the Overlays dialog's lists.
Strings Defined(HWND overlays) { return ListViewColumn(overlays, IDC_DEFINED_OVERLAYS, 0); }
Strings Active(HWND overlays) { return ListViewColumn(overlays, IDC_ACTIVE_OVERLAYS, 0); }

class OverlayTest : public PageTest {
protected:
    static void SetUpTestSuite() { printer.reset(new ModelPrinter(L"Overlay", {})); }
    static void TearDownTestSuite() { printer.reset(); }

    void SetUp() override {
        ASSERT_TRUE(printer->Installed());
        ClearOverlaySections();
    }
    void TearDown() override {
        EXPECT_EQ(modals.Waiting(), 0u);
        EXPECT_TRUE(modals.unexpected.empty());
        PageTest::TearDown();
    }

    static void ClearOverlaySections() {
        for (const auto &section : IniSnapshot(Ini()))
            if (section.first.rfind(L"Overlay", 0) == 0)
                WritePrivateProfileStringW(section.first.c_str(), nullptr, nullptr, Ini().c_str());
    }

    static const std::wstring &Ini() { return printer->IniPath(); }

    static std::wstring Value(const WCHAR *section, const WCHAR *key) {
        WCHAR text[kTextChars] = L"";
        GetPrivateProfileStringW(section, key, kMissing, text, kTextChars, Ini().c_str());
        return text;
    }
    static Strings Values(const WCHAR *section, const Strings &keys) {
        Strings values;
        for (const std::wstring &key : keys) values.push_back(Value(section, key.c_str()));
        return values;
    }

    static void WriteCommitted(const std::vector<Definition> &definitions) {
        const std::wstring file = Ini();
        auto write = [&](const std::wstring &section, const std::wstring &key, const std::wstring &value) {
            WritePrivateProfileStringW(section.c_str(), key.c_str(), value.c_str(), file.c_str());
        };
        write(L"OverlaySetting", L"Overlay_Num", std::to_wstring(definitions.size()));
        write(L"OverlaySetting", L"History_Num", L"0");
        for (size_t i = 0; i < definitions.size(); ++i) {
            const Definition &d = definitions[i];
            const std::wstring section = L"Overlay_Info " + std::to_wstring(i);
            write(section, L"Overlay_Name", d.name);
            write(section, L"PageMode", std::to_wstring(d.mode));
            write(section, L"CustomPage", d.pages);
            write(section, L"Form_Num", std::to_wstring(d.forms.size()));
            for (size_t f = 0; f < d.forms.size(); ++f)
                write(section, L"Form_Name " + std::to_wstring(f), d.forms[f]);
        }
    }

    void Open(std::vector<uint16_t> active = {kEnd, kEnd, kEnd, kEnd}, DWORD sheetFlags = 0,
              bool withOverlay = true) {
        PageSetup setup;
        setup.sheetFlags = sheetFlags;
        setup.printer = printer->Name();
        setup.withOverlay = withOverlay;
        setup.editRecord = [active](OemDevmode *record) {
            for (size_t i = 0; i < kMaxActiveOverlays; ++i) record->awActiveOverlay[i] = active[i];
        };
        PageTest::Open(setup);
        modals.Attach(Harness());
    }

    void OpenOverlays(std::function<void(HWND)> script) {
        modals.Expect(kOverlaysCaption, std::move(script));
        Harness().Click(page, IDC_JOB_OVERLAYS);
        EXPECT_EQ(modals.Waiting(kOverlaysCaption), 0u);
    }

    std::vector<uint16_t> ActiveRecord() {
        const OemDevmode *record = opening->Record();
        return std::vector<uint16_t>(record->awActiveOverlay, record->awActiveOverlay + kMaxActiveOverlays);
    }

    static inline std::unique_ptr<ModelPrinter> printer;
    std::vector<std::wstring> &messages = modals.messages;
};

TEST_F(OverlayTest, DefinedAndChosenOverlayReachesTheJobOnOkAndTheIniOnApply) {
    Open();
    modals.Expect(kDefineCaption, [](HWND define) {
        EXPECT_EQ(Text(define, IDC_OVERLAY_NAME), PluginString(IDS_NEW_OVERLAY_NAME));
        EXPECT_EQ(Selection(define, IDC_PAGE_MODE), kPagesAll);
        EXPECT_EQ(ComboEntries(define, IDC_PAGE_MODE).size(), kPageModeCount);
        EXPECT_FALSE(Enabled(define, IDC_ADD_FORM) || Enabled(define, IDC_RENAME_FORM) || Enabled(define, IDC_DELETE_FORM));
        SetDlgItemTextW(define, IDC_OVERLAY_NAME, L"Letter");
        Type(define, IDC_CUSTOM_PAGES, L"01,3--5,,7-9-11");
        EXPECT_EQ(Text(define, IDC_CUSTOM_PAGES), L"1,3-5,7-911");
        EXPECT_EQ(Selection(define, IDC_PAGE_MODE), kPagesCustom);
        TypeFormName(define, L"LETTER HEAD");
        EXPECT_EQ(Text(define, IDC_FORM_NAME), L"LETTERHEAD");
        EXPECT_TRUE(Enabled(define, IDC_ADD_FORM));
        Press(define, IDC_ADD_FORM);
        AddForm(define, L"FOOTER");
        EXPECT_EQ(ListBoxLines(define, IDC_DEFINED_FORMS), (Strings{L"LETTERHEAD", L"FOOTER"}));
        EXPECT_EQ(Enabled(define, {IDC_ADD_FORM, IDC_DELETE_FORM}), (std::vector<bool>{false, true}));
        EXPECT_EQ(ComboEntries(define, IDC_FORM_NAME), (Strings{L"FOOTER", L"LETTERHEAD"}));
        Press(define, IDOK);
    });
    modals.Expect(kDefineCaption, [](HWND define) {
        EXPECT_EQ(Text(define, IDC_OVERLAY_NAME), L"Letter");
        EXPECT_EQ(Selection(define, IDC_PAGE_MODE), kPagesCustom);
        Press(define, IDCANCEL);
    });
    OpenOverlays([](HWND overlays) {
        EXPECT_EQ(Text(overlays, IDC_ACTIVE_OVERLAYS_MAX), L"(Max. 4)");
        EXPECT_EQ(Text(overlays, IDC_DEFINED_OVERLAYS_MAX), L"(Max. 32)");
        // With the right to write printer data the last mode is not offered.
        EXPECT_EQ(ComboEntries(overlays, IDC_OVERLAY_MODE), (Strings{L"Off", L"Print Overlay"}));
        EXPECT_EQ(Enabled(overlays, {IDC_NEW_OVERLAY, IDC_ADD_ACTIVE_OVERLAY}), (std::vector<bool>{true, false}));
        Press(overlays, IDC_NEW_OVERLAY);
        EXPECT_EQ(Defined(overlays), (Strings{L"Letter"}));
        EXPECT_EQ(ListViewColumn(overlays, IDC_DEFINED_OVERLAYS, 1), (Strings{L"1,3-5,7-911"}));
        SelectRows(overlays, IDC_DEFINED_OVERLAYS, {0});
        EXPECT_EQ(Enabled(overlays, {IDC_EDIT_OVERLAY, IDC_ADD_ACTIVE_OVERLAY}), (std::vector<bool>{true, true}));
        Press(overlays, IDC_ADD_ACTIVE_OVERLAY);
        EXPECT_EQ(Active(overlays), (Strings{L"Letter"}));
        SelectRows(overlays, IDC_DEFINED_OVERLAYS, {0});
        EXPECT_FALSE(Enabled(overlays, IDC_ADD_ACTIVE_OVERLAY));
        // A double click edits the row.
        DoubleClick(overlays, IDC_DEFINED_OVERLAYS, 0);
        RunPostedMessages();
        // Focus in one list clears the other's selection.
        SelectRows(overlays, IDC_ACTIVE_OVERLAYS, {0});
        SelectRows(overlays, IDC_DEFINED_OVERLAYS, {0});
        SetFocus(GetDlgItem(overlays, IDC_ACTIVE_OVERLAYS));
        EXPECT_EQ(SendDlgItemMessageW(overlays, IDC_DEFINED_OVERLAYS, LVM_GETSELECTEDCOUNT, 0, 0), 0);
        Choose(overlays, IDC_OVERLAY_MODE, 1);
        Press(overlays, IDOK);
    });
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(ActiveRecord(), (std::vector<uint16_t>{0, kEnd, kEnd, kEnd}));
    EXPECT_EQ(opening->Working(kSlotVXOverlay), 1u);
    EXPECT_EQ(Harness().tree.Item(opening->Items().overlay).Sel, 1);

    // Staged, not yet committed.
    EXPECT_EQ(Value(L"OverlaySetting_Sv", L"Overlay_Num"), L"1");
    EXPECT_EQ(Value(L"Overlay_Info_Sv 0", L"Overlay_Name"), L"Letter");
    EXPECT_EQ(Value(L"OverlaySetting", L"Overlay_Num"), kMissing);

    Harness().Apply();
    EXPECT_EQ(Values(L"OverlaySetting", {L"Overlay_Num", L"History_Num", L"History 0", L"History 1"}),
              (Strings{L"1", L"2", L"FOOTER", L"LETTERHEAD"}));
    EXPECT_EQ(Values(L"Overlay_Info 0",
                     {L"Overlay_Name", L"PageMode", L"CustomPage", L"Form_Num", L"Form_Name 0", L"Form_Name 1"}),
              (Strings{L"Letter", L"4", L"1,3-5,7-911", L"2", L"LETTERHEAD", L"FOOTER"}));
    // The page's own result, then the commit's.
    EXPECT_EQ(Harness().ReportedResults(), (std::vector<LPARAM>{CPSUI_OK, CPSUI_OK}));
    EXPECT_EQ(Harness().ReportingPages(), (std::vector<LPARAM>{kSheetPage, kSheetPage}));

    // A second Apply has nothing left to commit.
    Harness().Apply();
    EXPECT_EQ(Harness().ReportedResults().size(), 3u);
}

TEST_F(OverlayTest, CancelRestoresTheDefinitionsAndKeepsEarlierConfirmedEditsForApply) {
    WriteCommitted({{L"A", kPagesAll, L"", {L"FA"}},
                    {L"B", kPagesFirst, L"", {L"FB"}},
                    {L"C", kPagesCustom, L"2-3", {L"FC"}}});
    const auto committed = IniSnapshot(Ini());
    Open({2, 1, kEnd, kEnd});
    modals.Expect(kDefineCaption, [](HWND define) {
        EXPECT_EQ(Text(define, IDC_OVERLAY_NAME), L"A");
        EXPECT_EQ(ListBoxLines(define, IDC_DEFINED_FORMS), (Strings{L"FA"}));
        EXPECT_EQ(Text(define, IDC_FORM_NAME), L"FA");
        SetDlgItemTextW(define, IDC_OVERLAY_NAME, L"Changed");
        Choose(define, IDC_PAGE_MODE, kPagesOdd);
        PickLine(define, IDC_DEFINED_FORMS, 0);
        Press(define, IDC_DELETE_FORM);
        Press(define, IDCANCEL);
    });
    // The Edit's Cancel put back the forms as well.
    modals.Expect(kDefineCaption, [](HWND define) {
        EXPECT_EQ(Text(define, IDC_OVERLAY_NAME), L"A");
        EXPECT_EQ(ListBoxLines(define, IDC_DEFINED_FORMS), (Strings{L"FA"}));
        Press(define, IDCANCEL);
    });
    OpenOverlays([](HWND overlays) {
        EXPECT_EQ(Active(overlays), (Strings{L"C", L"B"}));
        EXPECT_EQ(ListViewColumn(overlays, IDC_DEFINED_OVERLAYS, 1),
                  (Strings{L"All Pages", L"First Page", L"2-3"}));
        SelectRows(overlays, IDC_DEFINED_OVERLAYS, {0});
        Press(overlays, IDC_EDIT_OVERLAY);
        EXPECT_EQ(Defined(overlays), (Strings{L"A", L"B", L"C"}));
        EXPECT_EQ(ListViewColumn(overlays, IDC_DEFINED_OVERLAYS, 1)[0], L"All Pages");
        SelectRows(overlays, IDC_DEFINED_OVERLAYS, {0});
        Press(overlays, IDC_EDIT_OVERLAY);
        // Deleting B leaves C active under its new index.
        SelectRows(overlays, IDC_DEFINED_OVERLAYS, {1});
        Press(overlays, IDC_DELETE_OVERLAY);
        EXPECT_EQ(Defined(overlays), (Strings{L"A", L"C"}));
        EXPECT_EQ(Active(overlays), (Strings{L"C"}));
        Press(overlays, IDCANCEL);
    });
    EXPECT_EQ(IniSnapshot(Ini()), committed);
    EXPECT_EQ(ActiveRecord(), (std::vector<uint16_t>{2, 1, kEnd, kEnd}));

    modals.Expect(kDefineCaption, [](HWND define) {
        SetDlgItemTextW(define, IDC_OVERLAY_NAME, L"D");
        AddForm(define, L"FD");
        Press(define, IDOK);
    });
    OpenOverlays([](HWND overlays) {
        EXPECT_EQ(Defined(overlays), (Strings{L"A", L"B", L"C"}));
        Press(overlays, IDC_NEW_OVERLAY);
        Press(overlays, IDOK);
    });
    // A later dialog that deletes everything and is cancelled changes nothing.
    OpenOverlays([](HWND overlays) {
        EXPECT_EQ(Defined(overlays), (Strings{L"A", L"B", L"C", L"D"}));
        SelectRows(overlays, IDC_DEFINED_OVERLAYS, {0, 1, 2, 3});
        Press(overlays, IDC_DELETE_OVERLAY);
        EXPECT_TRUE(Defined(overlays).empty());
        Press(overlays, IDCANCEL);
    });
    EXPECT_EQ(Value(L"OverlaySetting", L"Overlay_Num"), L"3");
    Harness().Apply();
    EXPECT_EQ(Value(L"OverlaySetting", L"Overlay_Num"), L"4");
    EXPECT_EQ(Values(L"Overlay_Info 3", {L"Overlay_Name", L"Form_Name 0"}), (Strings{L"D", L"FD"}));
    EXPECT_EQ(Value(L"Overlay_Info 2", L"CustomPage"), L"2-3");
}

TEST_F(OverlayTest, WithoutTheRightToWritePrinterDataDefinitionsAreOnlyUsed) {
    WriteCommitted({{L"A", kPagesAll, L"", {L"FA"}}, {L"B", kPagesEven, L"", {L"FB"}}});
    PrinterDataDenied denied(printer->Name());
    ASSERT_TRUE(denied.Denied());
    const auto before = IniSnapshot(Ini());
    Open({1, kEnd, kEnd, kEnd});
    OpenOverlays([](HWND overlays) {
        for (UINT id : {IDC_NEW_OVERLAY, IDC_EDIT_OVERLAY, IDC_DELETE_OVERLAY})
            EXPECT_EQ(GetDlgItem(overlays, id), nullptr) << id;
        EXPECT_EQ(ComboEntries(overlays, IDC_OVERLAY_MODE).size(), 3u);
        Choose(overlays, IDC_OVERLAY_MODE, 2);
        Choose(overlays, IDC_OVERLAY_MODE, 1);
        Choose(overlays, IDC_OVERLAY_MODE, 2);
        SelectRows(overlays, IDC_DEFINED_OVERLAYS, {0});
        DoubleClick(overlays, IDC_DEFINED_OVERLAYS, 0);
        RunPostedMessages();
        Press(overlays, IDC_ADD_ACTIVE_OVERLAY);
        EXPECT_EQ(Active(overlays), (Strings{L"B", L"A"}));
        Press(overlays, IDOK);
    });
    const std::wstring eps = PluginString(IDS_CREATE_FORM_SETS_EPS);
    ASSERT_FALSE(eps.empty());
    EXPECT_EQ(messages, (Strings{eps, eps}));
    EXPECT_EQ(ActiveRecord(), (std::vector<uint16_t>{1, 0, kEnd, kEnd}));
    EXPECT_EQ(opening->Working(kSlotVXOverlay), 2u);
    // Creating a form switches the driver's PostScript output as announced.
    EXPECT_EQ(Harness().tree.Item(opening->Items().overlay).Sel, 2);
    EXPECT_EQ(Harness().tree.Item(opening->Items().postScriptOutput).Sel, 2);

    // A second opening in the same sheet shows the committed definitions and
    // keeps the job's active list.
    OpenOverlays([](HWND overlays) {
        EXPECT_EQ(Defined(overlays), (Strings{L"A", L"B"}));
        EXPECT_EQ(Active(overlays), (Strings{L"B", L"A"}));
        Press(overlays, IDOK);
    });
    EXPECT_EQ(ActiveRecord(), (std::vector<uint16_t>{1, 0, kEnd, kEnd}));
    Harness().Apply();
    EXPECT_EQ(IniSnapshot(Ini()), before);
}

TEST_F(OverlayTest, DefineOverlaysRefusesWithItsMessagesById) {
    WriteCommitted({{L"Letter", kPagesAll, L"", {L"LH"}}});
    Open();
    BeepCounter beeps;
    ASSERT_TRUE(beeps.Installed());
    modals.Expect(kDefineCaption, [&beeps](HWND define) {
        for (const WCHAR *name : {L"", L" Letter ", L"letter"}) {
            SetDlgItemTextW(define, IDC_OVERLAY_NAME, name);
            Press(define, IDOK);
        }

        AddForm(define, L"FORM.");
        EXPECT_TRUE(ListBoxLines(define, IDC_DEFINED_FORMS).empty());
        AddForm(define, L"FORM.A");
        AddForm(define, L"F2");
        AddForm(define, L"F3");
        TypeFormName(define, L"F4");
        EXPECT_FALSE(Enabled(define, IDC_ADD_FORM));

        PickLine(define, IDC_DEFINED_FORMS, 1);
        EXPECT_EQ(Text(define, IDC_FORM_NAME), L"F2");
        EXPECT_TRUE(Enabled(define, IDC_DELETE_FORM));
        TypeFormName(define, L"G2");
        EXPECT_TRUE(Enabled(define, IDC_RENAME_FORM));
        Press(define, IDC_RENAME_FORM);
        EXPECT_EQ(ListBoxLines(define, IDC_DEFINED_FORMS), (Strings{L"FORM.A", L"G2", L"F3"}));
        PickLine(define, IDC_DEFINED_FORMS, 0);
        Press(define, IDC_DELETE_FORM);
        EXPECT_EQ(ListBoxLines(define, IDC_DEFINED_FORMS), (Strings{L"G2", L"F3"}));
        EXPECT_EQ(Text(define, IDC_FORM_NAME), L"FORM.A");
        EXPECT_EQ(Enabled(define, {IDC_ADD_FORM, IDC_DELETE_FORM}), (std::vector<bool>{true, false}));

        beeps.Reset();
        SetDlgItemTextW(define, IDC_CUSTOM_PAGES, L"01,3--5,,7-9-11");
        EXPECT_EQ(Text(define, IDC_CUSTOM_PAGES), L"1,3-5,7-911");
        EXPECT_EQ(beeps.Count(), 1);
        EXPECT_EQ(beeps.LastType(), kRemovedBeep);
        SetDlgItemTextW(define, IDC_CUSTOM_PAGES, L"");
        Type(define, IDC_CUSTOM_PAGES, L"12345");
        EXPECT_EQ(Text(define, IDC_CUSTOM_PAGES), L"1234");
        Choose(define, IDC_PAGE_MODE, kPagesFirst);
        EXPECT_EQ(Text(define, IDC_CUSTOM_PAGES), L"");
        Type(define, IDC_CUSTOM_PAGES, L"5");
        EXPECT_EQ(Selection(define, IDC_PAGE_MODE), kPagesCustom);
        SetDlgItemTextW(define, IDC_CUSTOM_PAGES, L"");
        EXPECT_EQ(Selection(define, IDC_PAGE_MODE), kPagesAll);
        Press(define, IDCANCEL);
    });
    OpenOverlays([](HWND overlays) {
        Press(overlays, IDC_NEW_OVERLAY);
        EXPECT_EQ(Defined(overlays), (Strings{L"Letter"}));
        Press(overlays, IDCANCEL);
    });
    EXPECT_EQ(messages, (Strings{PluginString(IDS_OVERLAY_NAME_MISSING), PluginString(IDS_OVERLAY_NAME_EXISTS),
                                 PluginString(IDS_OVERLAY_NEEDS_FORM), PluginString(IDS_FORM_NAME_ENDS_WITH_DOT)}));
}

TEST_F(OverlayTest, AddAndDeleteKeepTheActiveListWithinItsRules) {
    std::vector<Definition> five;
    for (const WCHAR *name : {L"A", L"B", L"C", L"D", L"E"}) five.push_back({name, kPagesAll, L"", {L"F"}});
    WriteCommitted(five);
    Open({0, 1, 9, kEnd});
    OpenOverlays([](HWND overlays) {
        // The index past the definitions is dropped.
        EXPECT_EQ(Active(overlays), (Strings{L"A", L"B"}));
        SelectRows(overlays, IDC_DEFINED_OVERLAYS, {2, 3, 4});
        EXPECT_EQ(Enabled(overlays, {IDC_ADD_ACTIVE_OVERLAY, IDC_EDIT_OVERLAY, IDC_DELETE_OVERLAY}),
                  (std::vector<bool>{false, false, true}));
        SelectRows(overlays, IDC_DEFINED_OVERLAYS, {0, 2});
        EXPECT_FALSE(Enabled(overlays, IDC_ADD_ACTIVE_OVERLAY));
        SelectRows(overlays, IDC_DEFINED_OVERLAYS, {2, 3});
        Press(overlays, IDC_ADD_ACTIVE_OVERLAY);
        EXPECT_EQ(Active(overlays), (Strings{L"A", L"B", L"C", L"D"}));
        SelectRows(overlays, IDC_DEFINED_OVERLAYS, {4});
        EXPECT_FALSE(Enabled(overlays, IDC_ADD_ACTIVE_OVERLAY));

        SelectRows(overlays, IDC_ACTIVE_OVERLAYS, {1});
        EXPECT_TRUE(Enabled(overlays, IDC_REMOVE_ACTIVE_OVERLAY));
        SetFocus(GetDlgItem(overlays, IDC_REMOVE_ACTIVE_OVERLAY));
        Press(overlays, IDC_REMOVE_ACTIVE_OVERLAY);
        // The button it disabled gives the keyboard focus to the definitions.
        EXPECT_EQ(GetFocus(), GetDlgItem(overlays, IDC_DEFINED_OVERLAYS));
        EXPECT_EQ(Active(overlays), (Strings{L"A", L"C", L"D"}));
        EXPECT_FALSE(Enabled(overlays, IDC_REMOVE_ACTIVE_OVERLAY));

        SelectRows(overlays, IDC_DEFINED_OVERLAYS, {2});
        Press(overlays, IDC_DELETE_OVERLAY);
        EXPECT_EQ(Active(overlays), (Strings{L"A", L"D"}));
        Press(overlays, IDOK);
    });
    EXPECT_EQ(ActiveRecord(), (std::vector<uint16_t>{0, 2, kEnd, kEnd}));
    Harness().Apply();
    EXPECT_EQ(Value(L"OverlaySetting", L"Overlay_Num"), L"4");
    EXPECT_EQ(Value(L"Overlay_Info 2", L"Overlay_Name"), L"D");
    // The old highest section stays behind, unread.
    EXPECT_EQ(Value(L"Overlay_Info 4", L"Overlay_Name"), L"E");
}

TEST_F(OverlayTest, NoPermissionModeShowsTheChoiceButChangesNothing) {
    WriteCommitted({{L"A", kPagesAll, L"", {L"FA"}}, {L"B", kPagesAll, L"", {L"FB"}}});
    Open({1, kEnd, kEnd, kEnd}, DM_NOPERMISSION);
    EXPECT_FALSE(Harness().Enabled(page, IDC_JOB_OVERLAYS));
    modals.Expect(kOverlaysCaption, [](HWND overlays) {
        EXPECT_EQ(Active(overlays), (Strings{L"B"}));
        for (UINT id : {IDC_OVERLAY_MODE, IDC_ACTIVE_OVERLAYS, IDC_DEFINED_OVERLAYS,
                        IDC_ADD_ACTIVE_OVERLAY, IDC_NEW_OVERLAY, IDC_DELETE_OVERLAY})
            EXPECT_FALSE(Enabled(overlays, id)) << id;
        SelectRows(overlays, IDC_DEFINED_OVERLAYS, {0});
        Press(overlays, IDC_ADD_ACTIVE_OVERLAY);
        Press(overlays, IDC_DELETE_OVERLAY);
        EXPECT_EQ(Defined(overlays), (Strings{L"A", L"B"}));
        EXPECT_EQ(Active(overlays), (Strings{L"B"}));
        Press(overlays, IDCANCEL);
    });
    // The page's button is disabled; other page layouts reach the dialog all the same.
    SendMessageW(page, WM_COMMAND, IDC_JOB_OVERLAYS, 0);
    EXPECT_EQ(ActiveRecord(), (std::vector<uint16_t>{1, kEnd, kEnd, kEnd}));
}

TEST_F(OverlayTest, WithoutTheOverlayItemOnlyTheActiveListReachesTheJob) {
    WriteCommitted({{L"A", kPagesAll, L"", {L"FA"}}});
    Open({kEnd, kEnd, kEnd, kEnd}, 0, false);
    OpenOverlays([](HWND overlays) {
        EXPECT_FALSE(Enabled(overlays, IDC_OVERLAY_MODE));
        EXPECT_TRUE(ComboEntries(overlays, IDC_OVERLAY_MODE).empty());
        SelectRows(overlays, IDC_DEFINED_OVERLAYS, {0});
        Press(overlays, IDC_ADD_ACTIVE_OVERLAY);
        Press(overlays, IDOK);
    });
    EXPECT_EQ(ActiveRecord(), (std::vector<uint16_t>{0, kEnd, kEnd, kEnd}));
    EXPECT_EQ(opening->Working(kSlotVXOverlay), 0u);
}

}  // namespace
