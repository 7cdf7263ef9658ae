#include "docstate/overlay_set.h"
#include "overlays/overlay_store.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

// A profile file in memory, read the way the profile functions read one.
class MemoryProfile : public OverlayProfile {
public:
    int ReadInt(const char16_t *section, const char16_t *key) override {
        const auto found = values.find({section, key});
        return found == values.end() ? 0 : std::stoi(std::string(found->second.begin(), found->second.end()));
    }
    void ReadString(const char16_t *section, const char16_t *key, char16_t *buffer, size_t capacity) override {
        const auto found = values.find({section, key});
        const std::u16string text = found == values.end() ? u"" : found->second;
        const size_t length = std::min(text.size(), capacity - 1);
        text.copy(buffer, length);
        buffer[length] = 0;
    }
    void WriteString(const char16_t *section, const char16_t *key, const char16_t *value) override {
        values[{section, key}] = value;
        writes.push_back(std::u16string(section) + u"/" + key);
    }
    std::u16string Get(const std::u16string &section, const std::u16string &key) const {
        const auto found = values.find({section, key});
        return found == values.end() ? u"<missing>" : found->second;
    }

    std::map<std::pair<std::u16string, std::u16string>, std::u16string> values;
    std::vector<std::u16string> writes;
};

// A working set that frees its blocks, made with plain definitions to work on.
struct WorkingSet {
    explicit WorkingSet(unsigned definitions = 0) {
        for (unsigned i = 0; i < definitions; ++i) Add(u"D", {u"F"});
    }
    OverlaySet set = {};
    OverlayDefTable defs = {};
    ~WorkingSet() { ReleaseOverlayDefs(&set, defs); }
    bool Load(OverlayProfile &profile, OverlayCopy copy) {
        return LoadOverlayStore(profile, copy, &set, defs);
    }
    OverlayDef &Add(const char16_t *name, std::vector<const char16_t *> forms,
                    uint16_t mode = kPagesAll, const char16_t *pages = u"") {
        OverlayDef *def = NewOverlayDef(name);
        for (const char16_t *form : forms) AppendForm(def, form);
        def->wPageMode = mode;
        CopyOverlayText(def->szCustomPages, pages);
        defs[set.cDefined++] = def;
        return *def;
    }
    std::vector<uint16_t> Active() const {
        return std::vector<uint16_t>(set.awActive, set.awActive + set.cActive);
    }
};

std::u16string Number(int n) {
    const std::string digits = std::to_string(n);
    return std::u16string(digits.begin(), digits.end());
}

std::vector<std::u16string> History(const OverlaySet &set) {
    return std::vector<std::u16string>(set.aszHistory, set.aszHistory + set.cHistory);
}

std::vector<std::u16string> Forms(const OverlayDef &def) {
    return std::vector<std::u16string>(def.aszForm, def.aszForm + def.cForms);
}

void ExpectSameSets(const WorkingSet &a, const WorkingSet &b) {
    ASSERT_EQ(a.set.cDefined, b.set.cDefined);
    EXPECT_EQ(History(a.set), History(b.set));
    for (unsigned i = 0; i < a.set.cDefined; ++i) {
        const OverlayDef &x = *a.defs[i];
        const OverlayDef &y = *b.defs[i];
        EXPECT_EQ(std::make_tuple(std::u16string(x.szName), x.wPageMode, std::u16string(x.szCustomPages), Forms(x)),
                  std::make_tuple(std::u16string(y.szName), y.wPageMode, std::u16string(y.szCustomPages), Forms(y)));
    }
}

TEST(OverlayStore, SaveWritesTheKeysInOrderAndLoadGivesTheSameSet) {
    WorkingSet saved;
    saved.Add(u"Company letter", {u"LETTERHEAD"}, kPagesCustom, u"1,3,5-12");
    saved.Add(u"Invoice", {u"LOGO", u"FOOTER"}, kPagesFirst);
    PushFormHistory(&saved.set, u"FOOTER");
    PushFormHistory(&saved.set, u"LETTERHEAD");
    MemoryProfile ini;
    SaveOverlayStore(ini, OverlayCopy::Committed, saved.set, saved.defs);

    const std::vector<std::u16string> order = {
        u"OverlaySetting/Overlay_Num",      u"OverlaySetting/History_Num",
        u"OverlaySetting/History 0",        u"OverlaySetting/History 1",
        u"Overlay_Info 0/Overlay_Name",     u"Overlay_Info 0/PageMode",
        u"Overlay_Info 0/CustomPage",       u"Overlay_Info 0/Form_Num",
        u"Overlay_Info 0/Form_Name 0",      u"Overlay_Info 1/Overlay_Name",
        u"Overlay_Info 1/PageMode",         u"Overlay_Info 1/CustomPage",
        u"Overlay_Info 1/Form_Num",         u"Overlay_Info 1/Form_Name 0",
        u"Overlay_Info 1/Form_Name 1"};
    EXPECT_EQ(ini.writes, order);
    EXPECT_EQ((std::vector<std::u16string>{
                  ini.Get(u"OverlaySetting", u"Overlay_Num"), ini.Get(u"OverlaySetting", u"History 0"),
                  ini.Get(u"Overlay_Info 0", u"PageMode"), ini.Get(u"Overlay_Info 0", u"CustomPage"),
                  ini.Get(u"Overlay_Info 1", u"CustomPage")}),
              (std::vector<std::u16string>{u"2", u"LETTERHEAD", u"4", u"1,3,5-12", u""}));

    WorkingSet loaded;
    ASSERT_TRUE(loaded.Load(ini, OverlayCopy::Committed));
    ExpectSameSets(saved, loaded);
}

TEST(OverlayStore, StagingCopyUsesItsOwnSectionsAndCommitCopiesIt) {
    WorkingSet edited;
    edited.Add(u"Draft", {u"DRAFT"});
    MemoryProfile ini;
    ini.values[{u"OverlaySetting", u"Overlay_Num"}] = u"0";
    SaveOverlayStore(ini, SaveCopyForState(kOverlayStateStaged), edited.set, edited.defs);
    EXPECT_EQ((std::vector<std::u16string>{ini.Get(u"OverlaySetting_Sv", u"Overlay_Num"),
                                           ini.Get(u"Overlay_Info_Sv 0", u"Overlay_Name"),
                                           ini.Get(u"OverlaySetting", u"Overlay_Num")}),
              (std::vector<std::u16string>{u"1", u"Draft", u"0"}));

    // Apply: load the staging copy, then save it into the committed one.
    ASSERT_TRUE(OverlayCommitDue(kOverlayStateStaged, true));
    WorkingSet staged;
    ASSERT_TRUE(staged.Load(ini, OverlayCopy::Staging));
    SaveOverlayStore(ini, SaveCopyForState(kOverlayStateSettled), staged.set, staged.defs);
    WorkingSet committed;
    ASSERT_TRUE(committed.Load(ini, OverlayCopy::Committed));
    ExpectSameSets(edited, committed);
}

TEST(OverlayStore, MissingFileReadsEmptyAndDeletedSectionsStayUnread) {
    MemoryProfile ini;
    WorkingSet empty;
    ASSERT_TRUE(empty.Load(ini, OverlayCopy::Committed));
    EXPECT_EQ(std::make_pair(empty.set.cDefined, empty.set.cHistory), std::make_pair(uint16_t{0}, uint16_t{0}));

    WorkingSet three;
    for (const char16_t *name : {u"A", u"B", u"C"}) three.Add(name, {u"F"});
    SaveOverlayStore(ini, OverlayCopy::Committed, three.set, three.defs);
    const bool last[] = {false, false, true};
    DeleteOverlayDefs(&three.set, three.defs, last);
    SaveOverlayStore(ini, OverlayCopy::Committed, three.set, three.defs);
    EXPECT_EQ(ini.Get(u"Overlay_Info 2", u"Overlay_Name"), u"C");
    WorkingSet loaded;
    ASSERT_TRUE(loaded.Load(ini, OverlayCopy::Committed));
    EXPECT_EQ(loaded.set.cDefined, 2);
}

TEST(OverlayStore, HandEditedCountsAndTextsStopAtTheirLimits) {
    MemoryProfile ini;
    ini.values[{u"OverlaySetting", u"Overlay_Num"}] = u"40";
    ini.values[{u"OverlaySetting", u"History_Num"}] = u"12";
    for (int i = 0; i < 12; ++i)
        ini.values[{u"OverlaySetting", u"History " + Number(i)}] = std::u16string(1, char16_t(u'a' + i));
    ini.values[{u"Overlay_Info 0", u"Form_Num"}] = u"5";
    ini.values[{u"Overlay_Info 0", u"Overlay_Name"}] = std::u16string(100, u'N');
    ini.values[{u"Overlay_Info 0", u"CustomPage"}] = std::u16string(300, u'1');
    for (int f = 0; f < 5; ++f)
        ini.values[{u"Overlay_Info 0", u"Form_Name " + Number(f)}] = std::u16string(80, char16_t(u'A' + f));
    ini.values[{u"Overlay_Info 1", u"Form_Num"}] = u"-3";
    ini.values[{u"Overlay_Info 1", u"PageMode"}] = u"9";

    WorkingSet loaded;
    ASSERT_TRUE(loaded.Load(ini, OverlayCopy::Committed));
    EXPECT_EQ(loaded.set.cDefined, kMaxOverlayDefinitions);
    EXPECT_EQ(loaded.set.cHistory, kMaxFormHistory);
    EXPECT_EQ(std::u16string(loaded.set.aszHistory[9]), u"j");
    const OverlayDef &first = *loaded.defs[0];
    EXPECT_EQ(std::u16string(first.szName), std::u16string(kOverlayNameChars - 1, u'N'));
    EXPECT_EQ(std::u16string(first.szCustomPages), std::u16string(kCustomPagesChars - 1, u'1'));
    const size_t cut = kFormNameChars - 1;
    EXPECT_EQ(Forms(first), (std::vector<std::u16string>{std::u16string(cut, u'A'), std::u16string(cut, u'B'),
                                                         std::u16string(cut, u'C')}));
    EXPECT_EQ(std::make_pair(loaded.defs[1]->cForms, loaded.defs[1]->wPageMode),
              std::make_pair(uint16_t{0}, uint16_t{9}));
}

TEST(OverlayState, StagingIsReadOnlyAfterAConfirmedDialogOfThisSheet) {
    const OverlayOpening first = OpenOverlayState(kOverlayStateFresh, true);
    EXPECT_EQ(std::make_pair(first.source, first.state), std::make_pair(OverlayCopy::Committed, kOverlayStateStaged));
    const OverlayOpening second = OpenOverlayState(kOverlayStateStaged, true);
    EXPECT_EQ(std::make_pair(second.source, second.state), std::make_pair(OverlayCopy::Staging, kOverlayStateSettled));
    EXPECT_EQ(OpenOverlayState(kOverlayStateSettled, true).source, OverlayCopy::Committed);
    // No staging copy was written without the right to write.
    EXPECT_EQ(OpenOverlayState(kOverlayStateStaged, false).source, OverlayCopy::Committed);

    // Cancel returns to what held before the dialog opened.
    EXPECT_EQ(CancelOverlayState(first.state), kOverlayStateSettled);
    EXPECT_EQ(CancelOverlayState(second.state), kOverlayStateStaged);
    EXPECT_FALSE(OverlayCommitDue(kOverlayStateStaged, false));
    EXPECT_FALSE(OverlayCommitDue(kOverlayStateSettled, true));
    EXPECT_EQ(SaveCopyForState(kOverlayStateStaged), OverlayCopy::Staging);
    EXPECT_EQ(SaveCopyForState(kOverlayStateFresh), OverlayCopy::Committed);
}

TEST(ActiveList, RecordEntriesUpToTheEndMarkAndTheRepairs) {
    const struct {
        unsigned defined;
        uint16_t record[kMaxActiveOverlays];
        std::vector<uint16_t> active;
    } cases[] = {
        {4, {3, 0, 255, 255}, {3, 0}},
        {1, {3, 0, 255, 255}, {0}},
        {0, {3, 0, 255, 255}, {}},
        {3, {1, 7, 0, 255}, {1, 0}},  // an index past the definitions is dropped
        {5, {2, 1, 0, 3}, {2, 1, 0, 3}},
    };
    for (const auto &c : cases) {
        WorkingSet working(c.defined);
        TakeActiveList(&working.set, c.record);
        EXPECT_EQ(working.Active(), c.active) << c.defined;
        uint16_t stored[kMaxActiveOverlays] = {9, 9, 9, 9};
        StoreActiveList(working.set, stored);
        std::vector<uint16_t> expected = c.active;
        expected.resize(kMaxActiveOverlays, kActiveListEnd);
        EXPECT_EQ(std::vector<uint16_t>(stored, stored + kMaxActiveOverlays), expected);
    }
}

TEST(ActiveList, AddRemoveAndDeletingDefinitionsRenumbers) {
    WorkingSet working(6);
    const bool picks[6] = {true, false, true, true, true, true};
    AppendActiveOverlays(&working.set, picks);
    EXPECT_EQ(working.Active(), (std::vector<uint16_t>{0, 2, 3, 4}));
    const bool drop[4] = {false, true, false, true};
    RemoveActiveOverlays(&working.set, drop);
    EXPECT_EQ(working.Active(), (std::vector<uint16_t>{0, 3}));

    WorkingSet three(3);
    three.set.awActive[0] = 2;
    three.set.awActive[1] = 1;
    three.set.cActive = 2;
    OverlayDef *last = three.defs[2];
    const bool second[3] = {false, true, false};
    DeleteOverlayDefs(&three.set, three.defs, second);
    EXPECT_EQ(three.set.cDefined, 2);
    EXPECT_EQ(std::make_pair(three.defs[1], three.defs[2]), std::make_pair(last, static_cast<OverlayDef *>(nullptr)));
    EXPECT_EQ(three.Active(), (std::vector<uint16_t>{1}));
}

// Remove, New, Add, Edit, Delete.
std::vector<bool> Enabled(const OverlayButtons &b) {
    return {b.removeActive, b.newDefinition, b.addActive, b.editDefinition, b.deleteDefinition};
}

TEST(OverlayButtons, AddNeedsRoomAndNoDefinitionAlreadyActive) {
    WorkingSet working(5);
    working.set.cActive = 4;
    EXPECT_FALSE(PlanOverlayButtons(working.set, 0, 1, false).addActive);
    working.set.cActive = 3;
    EXPECT_FALSE(PlanOverlayButtons(working.set, 0, 2, false).addActive);
    EXPECT_TRUE(PlanOverlayButtons(working.set, 0, 1, false).addActive);
    EXPECT_FALSE(PlanOverlayButtons(working.set, 0, 1, true).addActive);
    EXPECT_EQ(Enabled(PlanOverlayButtons(working.set, 1, 2, false)),
              (std::vector<bool>{true, true, false, false, true}));
    working.set.cDefined = kMaxOverlayDefinitions;
    EXPECT_FALSE(PlanOverlayButtons(working.set, 0, 0, false).newDefinition);
    working.set.cDefined = 0;
    working.set.cActive = 0;
    EXPECT_EQ(Enabled(PlanOverlayButtons(working.set, 1, 1, false)),
              (std::vector<bool>{false, true, false, false, false}));
}

std::u16string Filtered(const std::u16string &typed, size_t *removed = nullptr) {
    std::u16string text = typed;
    const PageListFilter result = FilterPageList(&text[0], text.size(), text.size());
    if (removed) *removed = result.removed;
    return text.substr(0, result.length);
}

TEST(PageList, TypingKeepsOnlyWhatTheGrammarAllows) {
    size_t removed = 0;
    EXPECT_EQ(Filtered(u"01,3--5,,7-9-11", &removed), u"1,3-5,7-911");
    EXPECT_EQ(removed, 4u);
    const std::pair<std::u16string, std::u16string> typed[] = {
        {u"12345", u"1234"}, {u"1,3,5-12", u"1,3,5-12"}, {u",-1", u"1"},         {u"10-", u"10-"},
        {u"1 2a3", u"123"},  {u"1-,2", u"1-2"},          {u"9999-00001", u"9999-1"}};
    for (const auto &t : typed) EXPECT_EQ(Filtered(t.first), t.second) << std::string(t.first.begin(), t.first.end());

    std::u16string text = u"1x2y";
    EXPECT_EQ(FilterPageList(&text[0], text.size(), 3).caret, 1u);
    EXPECT_EQ(FilterPageList(&text[0], 2, 0).caret, 0u);
}

TEST(FormHistory, MostRecentFirstAtMostTenAndARepeatMovesUp) {
    WorkingSet working;
    for (char16_t c = u'A'; c <= u'L'; ++c) {
        const char16_t name[] = {c, 0};
        PushFormHistory(&working.set, name);
    }
    using Names = std::vector<std::u16string>;
    EXPECT_EQ(History(working.set), (Names{u"L", u"K", u"J", u"I", u"H", u"G", u"F", u"E", u"D", u"C"}));
    PushFormHistory(&working.set, u"G");
    EXPECT_EQ(History(working.set), (Names{u"G", u"L", u"K", u"J", u"I", u"H", u"F", u"E", u"D", u"C"}));
    const std::u16string longName(80, u'X');
    PushFormHistory(&working.set, longName.c_str());
    EXPECT_EQ(std::u16string(working.set.aszHistory[0]), std::u16string(kFormNameChars - 1, u'X'));
}

TEST(Forms, AddRenameDeleteAndTheFullStopRule) {
    OverlayDef def = {};
    EXPECT_TRUE(CanAddForm(def, u"FORM.A"));
    EXPECT_FALSE(EndsWithFullStop(u"FORM.A"));
    EXPECT_TRUE(EndsWithFullStop(u"FORM."));
    EXPECT_FALSE(CanAddForm(def, u""));
    ASSERT_TRUE(AppendForm(&def, u"ONE"));
    ASSERT_TRUE(AppendForm(&def, u"TWO"));
    EXPECT_FALSE(CanAddForm(def, u"ONE"));
    EXPECT_TRUE(CanAddForm(def, u"one"));
    ASSERT_TRUE(AppendForm(&def, u"THREE"));
    EXPECT_FALSE(CanAddForm(def, u"FOUR"));
    EXPECT_FALSE(AppendForm(&def, u"FOUR"));
    EXPECT_TRUE(CanRenameForm(def, u"FOUR", true));
    EXPECT_FALSE(CanRenameForm(def, u"FOUR", false));
    EXPECT_FALSE(CanRenameForm(def, u"TWO", true));
    ASSERT_TRUE(RenameForm(&def, 1, u"FOUR"));
    ASSERT_TRUE(RemoveForm(&def, 0));
    EXPECT_EQ(Forms(def), (std::vector<std::u16string>{u"FOUR", u"THREE"}));
    EXPECT_FALSE(RemoveForm(&def, 2));

    for (char16_t c : std::u16string(u" \"%()*/:<>?[\\]{|}\x7F\x00E9\t"))
        EXPECT_FALSE(FormNameCharAllowed(c)) << int(c);
    for (char16_t c : std::u16string(u"AZaz09._-!#$&+,;=@^`~'")) EXPECT_TRUE(FormNameCharAllowed(c)) << int(c);
}

TEST(DefineOverlay, NameFormsAndCustomPagesOnOk) {
    WorkingSet working;
    working.Add(u"Letter", {u"L"});
    working.Add(u"New Overlay", {});
    EXPECT_EQ(CheckDefinition(working.set, working.defs, 1, u""), DefinitionCheck::NameMissing);
    EXPECT_EQ(CheckDefinition(working.set, working.defs, 1, u"Letter"), DefinitionCheck::NameExists);
    EXPECT_EQ(CheckDefinition(working.set, working.defs, 1, u"letter"), DefinitionCheck::NeedsForm);
    AppendForm(working.defs[1], u"F");
    EXPECT_EQ(CheckDefinition(working.set, working.defs, 1, u"New Overlay"), DefinitionCheck::Accept);
    EXPECT_EQ(CheckDefinition(working.set, working.defs, 0, u"Letter"), DefinitionCheck::Accept);

    // A new block sits after the last definition while it is edited.
    OverlayDef *fresh = NewOverlayDef(u"New Overlay");
    working.defs[2] = fresh;
    EXPECT_EQ(CheckDefinition(working.set, working.defs, 2, u"New Overlay"), DefinitionCheck::NameExists);
    EXPECT_EQ(CheckDefinition(working.set, working.defs, 2, u"Other"), DefinitionCheck::NeedsForm);

    fresh->wPageMode = kPagesCustom;
    FinishDefinition(fresh, u"Other", u"");
    EXPECT_EQ(fresh->wPageMode, kPagesAll);
    fresh->wPageMode = kPagesCustom;
    FinishDefinition(fresh, u"Other", u"2-4");
    EXPECT_EQ(std::u16string(fresh->szCustomPages), u"2-4");
    fresh->wPageMode = kPagesOdd;
    FinishDefinition(fresh, u"Other", u"2-4");
    EXPECT_EQ(std::u16string(fresh->szCustomPages), u"");
    const std::u16string longName(70, u'n');
    FinishDefinition(fresh, longName.c_str(), u"");
    EXPECT_EQ(OverlayTextLength(fresh->szName), kOverlayNameChars - 1);
}

TEST(DefineOverlay, NamesLoseTheSpacesTheIniCannotKeep) {
    for (const auto &typed : std::vector<std::pair<std::u16string, std::u16string>>{
             {u"  Company letter \t", u"Company letter"}, {u"   ", u""}, {u"A", u"A"}, {u"", u""}}) {
        std::u16string name = typed.first;
        TrimOverlayName(&name[0]);
        EXPECT_EQ(std::u16string(name.c_str()), typed.second);
    }
}

}  // namespace
