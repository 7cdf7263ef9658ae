#include "joboptions/finisher_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <tuple>
#include <vector>

namespace {

constexpr size_t kAnswerBytes = 64;
constexpr uint32_t kBindOptions = 5, kStapleOptions = 3, kPunchOptions = 6;
constexpr uint32_t kA4PaperSize = 9;

// A driver answer as DrvGetDriverSetting leaves it in the page's buffer.
struct Answer {
    explicit Answer(const char *text) { std::strncpy(bytes, text, sizeof(bytes) - 1); }
    char bytes[kAnswerBytes] = {};
};

// The sheet class table: booklet, portrait, landscape per paper.
struct PaperRow {
    const char *name;
    uint32_t booklet, portrait, landscape;
};

const PaperRow kPaperTable[] = {
    {"Letter", 4, 5, 5},  {"A4", 4, 5, 5},        {"B5", 0, 1, 1},
    {"A3", 4, 6, 7},      {"B4", 4, 6, 7},        {"Tabloid", 0, 2, 3},
    {"FanFoldGermanLegal", 0, 2, 3}, {"VXLegal", 0, 2, 3}, {"Legal", 0, 2, 3},
    {"Executive", 0, 2, 3}, {"A5", 0, 0, 0},      {"Letter.Transverse", 0, 0, 0},
    {"LetterSmall", 0, 0, 0}, {"a4", 0, 0, 0},    {"", 0, 0, 0},
};

bool TurnsTheSheet(uint8_t layout) { return layout == 1 || layout == 3; }

TEST(SheetClass, EveryPaperLayoutOrientationAndDuplexState) {
    for (const PaperRow &row : kPaperTable) {
        const Answer paper(row.name);
        for (uint8_t layout = kLayoutOneUp; layout <= kLayoutBooklet; ++layout) {
            for (bool documentPortrait : {true, false}) {
                const bool sheetPortrait = documentPortrait != TurnsTheSheet(layout);
                EXPECT_EQ(SheetIsPortrait(documentPortrait, layout), sheetPortrait);
                const uint32_t expected = layout == kLayoutBooklet ? row.booklet
                                          : sheetPortrait         ? row.portrait
                                                                  : row.landscape;
                const uint32_t found = SheetClass(paper.bytes, sizeof(paper.bytes), layout, sheetPortrait);
                EXPECT_EQ(found, expected) << row.name << " layout " << int(layout)
                                           << (documentPortrait ? " portrait" : " landscape");
                EXPECT_EQ(AdjustClassForDuplex(found, false), expected);
                EXPECT_EQ(AdjustClassForDuplex(found, true), expected > 3 ? expected - 4 : expected) << row.name;
            }
        }
    }
}

TEST(SheetClass, KeywordsMatchOnlyInFullWithTheirTerminator) {
    EXPECT_EQ(SheetClass("Letter", 7, kLayoutOneUp, true), 5u);
    EXPECT_EQ(SheetClass("Letter", 6, kLayoutOneUp, true), 0u);
    const char letterTail[] = {'L', 'e', 't', 't', 'e', 'r', 'X', 0};
    EXPECT_EQ(SheetClass(letterTail, sizeof(letterTail), kLayoutOneUp, true), 0u);
    EXPECT_EQ(SheetClass(nullptr, 0, kLayoutOneUp, true), 0u);
}

TEST(PunchUnit, TypesOneToFourAndNothingElse) {
    for (uint32_t unit = 1; unit <= 4; ++unit) {
        const Answer type(("Type" + std::to_string(unit)).c_str());
        EXPECT_EQ(PunchUnitFromSetting(type.bytes, kAnswerBytes), unit);
    }
    for (const char *other : {"Type5", "None", "type1", "Type1 "})
        EXPECT_EQ(PunchUnitFromSetting(Answer(other).bytes, kAnswerBytes), kNoPunchUnit) << other;
}

// The punching table written row by row.
bool ExpectedPunching(uint32_t unit, const std::string &paper, bool sheetPortrait, uint32_t bind) {
    const std::vector<std::string> wide = {"A3",    "A4",        "B5",     "B4",       "Letter", "FanFoldGermanLegal",
                                           "VXLegal", "Legal", "Executive", "Tabloid"};
    const std::vector<std::string> type1 = {"A3", "Tabloid", "Letter", "FanFoldGermanLegal", "VXLegal", "Legal"};
    auto in = [&](const std::vector<std::string> &list) {
        return std::find(list.begin(), list.end(), paper) != list.end();
    };
    if (unit == 2 || unit == 4) return in(wide);
    if (unit == 1 && in(type1)) return true;
    if ((unit == 1 || unit == 3) && paper == "A4")
        return sheetPortrait ? !(bind == 0 || bind == 1) : (bind == 0 || bind == 1);
    if (unit == 3 && paper == "A3") return true;
    return false;
}

TEST(PunchingAllowed, EveryUnitPaperOrientationAndBindPosition) {
    for (uint32_t unit = 0; unit <= 4; ++unit) {
        for (const PaperRow &row : kPaperTable) {
            const Answer paper(row.name);
            for (uint8_t layout = kLayoutOneUp; layout <= kLayoutBooklet; ++layout) {
                for (bool sheetPortrait : {true, false}) {
                    for (uint32_t bind = kBindNone; bind <= kBindBooklet; ++bind) {
                        const bool expected = layout != kLayoutBooklet &&
                                              ExpectedPunching(unit, row.name, sheetPortrait, bind);
                        EXPECT_EQ(PunchingAllowed(unit, paper.bytes, kAnswerBytes, layout,
                                                  sheetPortrait, bind),
                                  expected)
                            << "unit " << unit << ' ' << row.name << " layout " << int(layout)
                            << (sheetPortrait ? " portrait" : " landscape") << " bind " << bind;
                    }
                }
            }
        }
    }
}

TEST(LayoutKey, LayoutOrientationAndPunchUnitInOneByte) {
    EXPECT_EQ(LayoutKey(kLayoutOneUp, 0, kNoPunchUnit), 0);
    EXPECT_EQ(LayoutKey(kLayoutBooklet, 0, kNoPunchUnit), 6);
    EXPECT_EQ(LayoutKey(kLayoutTwoUp, kOrientationLandscape, kNoPunchUnit), 0x81);
    EXPECT_EQ(LayoutKey(kLayoutFourUp, kOrientationRotated, kNoPunchUnit), 0x42);
    EXPECT_EQ(LayoutKey(kLayoutOneUp, 3, 2), 0x10);
    EXPECT_EQ(LayoutKey(kLayoutSixteenUp, kOrientationLandscape, 4), 0xA5);
}

// A pass over a sheet whose paper and key the memory already holds, so
// that only the class corrections act.
struct Pass {
    Pass(const char *paperName, uint8_t layout, bool documentPortrait, bool duplexNone,
         uint32_t punchUnit = kNoPunchUnit, uint32_t orientation = 0)
        : paper(paperName) {
        sheet = {paper.bytes, sizeof(paper.bytes), duplexNone, punchUnit, kA4PaperSize,
                 documentPortrait, layout, orientation};
        memory = {kA4PaperSize, LayoutKey(layout, orientation, punchUnit)};
        features.bindPosition = {true, kBindOptions, kBindLeftTop};
        features.staple = {true, kStapleOptions, kStapleNone};
        features.punch = {true, kPunchOptions, kPunchNone};
    }
    Pass &Choose(uint32_t bind, uint32_t staple, uint32_t punch) {
        features.bindPosition.selection = bind;
        features.staple.selection = staple;
        features.punch.selection = punch;
        return *this;
    }
    FinisherPlan Run() { return RunFinisherRules(sheet, &memory, &features); }
    uint32_t Bind() const { return features.bindPosition.selection; }
    uint32_t Staple() const { return features.staple.selection; }
    uint32_t Punch() const { return features.punch.selection; }
    // Bind position, staple and punch as they stand.
    std::vector<uint32_t> Choices() const { return {Bind(), Staple(), Punch()}; }

    Answer paper;
    FinisherSheet sheet;
    FinisherMemory memory;
    FinisherFeatures features = {};
};

uint32_t Mask(std::initializer_list<uint32_t> options) {
    uint32_t mask = 0;
    for (uint32_t option : options) mask |= 1u << option;
    return mask;
}

// Sheets of each class: paper, layout, document portrait, duplex "None".
struct ClassSheet {
    uint32_t sheetClass;
    const char *paper;
    uint8_t layout;
    bool portrait;
};

const ClassSheet kClassSheets[] = {
    {0, "A5", kLayoutOneUp, true},  {1, "B5", kLayoutOneUp, true},
    {2, "Legal", kLayoutOneUp, true}, {3, "Legal", kLayoutOneUp, false},
    {4, "A4", kLayoutBooklet, true}, {5, "A4", kLayoutOneUp, true},
    {6, "A3", kLayoutOneUp, true},  {7, "A3", kLayoutOneUp, false},
};

// The bind-position table: kept options (staple not 2) and the corrected
// selection for each selection 0..4.
struct BindRow {
    uint32_t keep;
    uint32_t correctedFrom[5];
    bool dropsLeftWithTwoStaples;
};

const BindRow kBindTable[] = {
    {0x1F, {2, 2, 2, 2, 2}, false},
    {0x0F, {0, 1, 2, 3, 2}, true},
    {0x03, {0, 1, 0, 0, 0}, true},
    {0x0C, {2, 2, 2, 3, 2}, false},
    {0x10, {4, 4, 4, 4, 4}, false},
    {0x1F, {0, 1, 2, 3, 4}, true},
    {0x13, {0, 1, 0, 0, 4}, true},
    {0x1C, {2, 2, 2, 3, 4}, false},
};

TEST(FinisherPass, BindPositionByClassSelectionAndStaple) {
    for (const ClassSheet &cs : kClassSheets) {
        const BindRow &row = kBindTable[cs.sheetClass];
        for (uint32_t bind = kBindNone; bind <= kBindBooklet; ++bind) {
            for (uint32_t staple = kStapleNone; staple <= kStapleTwo; ++staple) {
                Pass pass(cs.paper, cs.layout, cs.portrait, false);
                const FinisherPlan plan = pass.Choose(bind, staple, kPunchNone).Run();
                ASSERT_EQ(plan.sheetClass, cs.sheetClass) << cs.paper;
                const uint32_t corrected = row.correctedFrom[bind];
                uint32_t keep = row.keep;
                if (row.dropsLeftWithTwoStaples && staple == kStapleTwo) keep &= ~Mask({kBindLeft});
                int entry = 0;
                if (keep & Mask({corrected}))
                    for (uint32_t option = 0; option < corrected; ++option)
                        entry += (keep >> option) & 1;
                // The options kept, the corrected selection and its entry in the list.
                EXPECT_EQ(std::make_tuple(plan.bindPosition.keep, pass.Bind(), plan.bindPosition.selectedEntry),
                          std::make_tuple(keep, corrected, entry))
                    << "class " << cs.sheetClass << " bind " << bind << " staple " << staple;
            }
        }
    }
}

TEST(FinisherPass, ClassZeroOfABookletKeyBindsAsBooklet) {
    // Class 0 by its paper, layout key 6: booklet layout, no orientation
    // bit, no punch unit.
    Pass booklet("Legal", kLayoutBooklet, true, false);
    FinisherPlan plan = booklet.Choose(kBindLeft, kStapleOne, 2).Run();
    EXPECT_EQ(plan.sheetClass, 0u);
    EXPECT_EQ(std::make_pair(plan.bindPosition.keep, plan.bindPosition.selectedEntry),
              std::make_pair(Mask({kBindBooklet}), 0));
    EXPECT_EQ(plan.staple.keep, Mask({kStapleNone}));
    EXPECT_EQ(booklet.Choices(), (std::vector<uint32_t>{kBindBooklet, kStapleNone, kPunchNone}));

    // A punch unit changes the key: every option, bind position 2.
    Pass withUnit("Legal", kLayoutBooklet, true, false, 2);
    plan = withUnit.Choose(kBindLeft, kStapleNone, kPunchNone).Run();
    EXPECT_EQ(plan.bindPosition.keep, 0x1Fu);
    EXPECT_EQ(withUnit.Bind(), kBindLeftTop);
}

TEST(FinisherPass, StapleListNarrowsByClassAndBooklet) {
    // Paper, layout, bind position and staple chosen; the staple options kept,
    // the entry of the selection and the staple after the pass.
    const std::tuple<const char *, uint8_t, uint32_t, uint32_t, std::tuple<uint32_t, int, uint32_t>> sheets[] = {
        {"A5", kLayoutOneUp, kBindLeftTop, kStapleTwo, {Mask({kStapleNone}), 0, kStapleNone}},
        {"A4", kLayoutBooklet, kBindBooklet, kStapleTwo, {Mask({kStapleNone, kStapleTwo}), 1, kStapleTwo}},
        {"A4", kLayoutOneUp, kBindLeft, kStapleOne, {0x7u, 1, kStapleOne}}};
    for (const auto &sheet : sheets) {
        Pass pass(std::get<0>(sheet), std::get<1>(sheet), true, false);
        const FinisherPlan plan = pass.Choose(std::get<2>(sheet), std::get<3>(sheet), kPunchNone).Run();
        EXPECT_EQ(std::make_tuple(plan.staple.keep, plan.staple.selectedEntry, pass.Staple()), std::get<4>(sheet))
            << std::get<0>(sheet) << " layout " << int(std::get<1>(sheet));
    }
}

TEST(FinisherPass, PunchKeptOnlyWhereTheUnitCanPunch) {
    // Type1 with A4, sheet portrait: punching needs bind position 2, 3 or 4,
    // and bind position 4 still cuts it.
    for (uint32_t bind = kBindNone; bind <= kBindBooklet; ++bind) {
        Pass pass("A4", kLayoutOneUp, true, false, 1);
        const FinisherPlan plan = pass.Choose(bind, kStapleNone, 3).Run();
        const bool kept = bind == kBindLeftTop || bind == kBindTop;
        EXPECT_EQ(std::make_tuple(pass.Punch(), plan.punch.keep, plan.punch.selectedEntry),
                  kept ? std::make_tuple(3u, 0x3Fu, 3) : std::make_tuple(kPunchNone, Mask({kPunchNone}), 0))
            << "bind " << bind;
    }
    // Type3 with A4 landscape at bind position 1 punches; no unit, or a class 0 sheet, never does.
    const std::tuple<const char *, bool, uint32_t, uint32_t, uint32_t> sheets[] = {
        {"A4", false, 3, kBindLeft, 2}, {"A4", true, kNoPunchUnit, kBindLeftTop, kPunchNone},
        {"A5", true, 2, kBindLeftTop, kPunchNone}};
    for (const auto &sheet : sheets) {
        Pass pass(std::get<0>(sheet), kLayoutOneUp, std::get<1>(sheet), false, std::get<2>(sheet));
        pass.Choose(std::get<3>(sheet), kStapleNone, 2).Run();
        EXPECT_EQ(pass.Punch(), std::get<4>(sheet)) << std::get<0>(sheet) << " unit " << std::get<2>(sheet);
    }
}

TEST(FinisherPass, ASheetPrintedOnOneSideTakesTheSmallerClass) {
    Pass a4Simplex("A4", kLayoutOneUp, true, true);
    EXPECT_EQ(a4Simplex.Choose(kBindBooklet, kStapleNone, kPunchNone).Run().sheetClass, 1u);
    EXPECT_EQ(a4Simplex.Bind(), kBindLeftTop);
    EXPECT_EQ(Pass("A3", kLayoutTwoUp, true, false).Run().sheetClass, 7u);
    EXPECT_EQ(Pass("A3", kLayoutTwoUp, true, true).Run().sheetClass, 3u);
}

TEST(FinisherPass, ChangedPaperOrKeyResetsTheChoicesOnce) {
    Pass pass("A4", kLayoutOneUp, true, false, 2);
    pass.memory = {0, 0};
    pass.Choose(kBindTop, kStapleOne, 2).Run();
    EXPECT_EQ(std::make_pair(pass.memory.lastPaperSize, uint32_t{pass.memory.lastLayoutKey}),
              std::make_pair(kA4PaperSize, uint32_t{LayoutKey(kLayoutOneUp, 0, 2)}));
    EXPECT_EQ(pass.Choices(), (std::vector<uint32_t>{kBindLeftTop, kStapleNone, kPunchNone}));

    // The same sheet again keeps what the user chose meanwhile.
    pass.Choose(kBindTop, kStapleOne, 2).Run();
    EXPECT_EQ(pass.Choices(), (std::vector<uint32_t>{kBindTop, kStapleOne, 2}));

    // Only the orientation item changed: the key differs.
    pass.sheet.orientationSelection = kOrientationRotated;
    pass.Run();
    EXPECT_EQ(pass.memory.lastLayoutKey, 0x50);
    EXPECT_EQ(pass.Choices(), (std::vector<uint32_t>{kBindLeftTop, kStapleNone, kPunchNone}));
}

TEST(FinisherPass, AbsentFeaturesGetNoListAndNoCorrection) {
    Pass pass("A4", kLayoutBooklet, true, false);
    pass.features.bindPosition.present = false;
    pass.features.punch.present = false;
    const FinisherPlan plan = pass.Choose(kBindLeft, kStapleOne, 2).Run();
    EXPECT_EQ(std::make_pair(pass.Bind(), pass.Punch()), std::make_pair(kBindLeft, 2u));
    EXPECT_EQ(std::make_pair(plan.bindPosition.keep, plan.staple.keep), std::make_pair(0u, 0x7u));
}

TEST(FinisherPass, ItemsWithFewerOptionsKeepOnlyWhatTheyHave) {
    Pass pass("A4", kLayoutOneUp, true, false);
    pass.features.bindPosition.optionCount = 3;
    const FinisherPlan plan = pass.Choose(kBindTop, kStapleNone, kPunchNone).Run();
    EXPECT_EQ(std::make_pair(plan.bindPosition.keep, plan.bindPosition.selectedEntry), std::make_pair(0x7u, 0));

    Pass empty("A5", kLayoutOneUp, true, false);
    empty.features.staple.optionCount = 0;
    EXPECT_EQ(empty.Run().staple.selectedEntry, -1);
}

}  // namespace
