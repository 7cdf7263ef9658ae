// The print position adjustment's values, texts, modes, pictures and the
// measuring sheet of its test print.
#include "adjust/adjust_rules.h"
#include "color/fixed_decimal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <tuple>
#include <vector>

namespace {

OemDevmode DefaultRecord() {
    OemDevmode record;
    std::memset(&record, 0, sizeof(record));
    for (int page = 0; page < kAdjustPageCount; ++page)
        record.adwAdjScale1[page] = record.adwAdjScale2[page] = 10000;
    return record;
}

TEST(AdjustRules, TextsStoreTheValueTheNearerBoundOrTheDefault) {
    const struct {
        AdjustField field;
        const char16_t *text;
        int32_t stored;
    } cases[] = {
        {kAdjScale1, u"105", 10200}, {kAdjScale1, u"99.5", 9950}, {kAdjScale2, u"97", 9800},
        {kAdjScale2, u"100.257", 10025}, {kAdjScale1, u"", 10000}, {kAdjScale1, u"abc", 10000},
        {kAdjShift1, u"1.x", 0}, {kAdjShift1, u"-1.5", -15}, {kAdjShift2, u"-3", -20},
        {kAdjShift2, u"+1", 0},  // only a minus sign is allowed
        {kAdjShift2, u"1-", 0}, {kAdjFine, u"-.25", -25}, {kAdjFine, u"0.5", 50},
        {kAdjFine, u"99999999999999999999999", 50}, {kAdjFine, u"-99999999999999999999999", -50},
    };
    for (const auto &c : cases)
        EXPECT_EQ(AdjustValueFromText(c.field, c.text), c.stored) << c.field << " " << c.stored;
}

TEST(AdjustRules, ParseFixedPointTellsEmptyFromInvalid) {
    const std::tuple<const char16_t *, int, FixedPointText, int64_t> rows[] = {
        {u"", 2, FixedPointText::Empty, 7}, {u"1.2.", 1, FixedPointText::Invalid, 7},
        {u"-", 1, FixedPointText::Valid, 0}, {u"12.", 2, FixedPointText::Valid, 1200}};
    for (const auto &row : rows) {
        int64_t value = 7;
        EXPECT_EQ(ParseFixedPoint(std::get<0>(row), std::get<1>(row), &value), std::get<2>(row)) << std::get<3>(row);
        EXPECT_EQ(value, std::get<3>(row));
    }
}

TEST(AdjustRules, ArrowsMoveOneUnitOfTheLastDecimal) {
    EXPECT_EQ(StepAdjustValue(kAdjScale1, 10000, true), 10001);
    EXPECT_EQ(StepAdjustValue(kAdjScale1, 10200, true), 10200);
    EXPECT_EQ(StepAdjustValue(kAdjShift1, -20, false), -20);
    EXPECT_EQ(StepAdjustValue(kAdjShift1, 0, false), -1);
    EXPECT_EQ(StepAdjustValue(kAdjFine, 50, true), 50);
}

TEST(AdjustRules, EachEditFieldHoldsItsLongestValueExactly) {
    for (int field = 0; field < kAdjustFieldCount; ++field) {
        const AdjustLimits &limits = LimitsOf(static_cast<AdjustField>(field));
        size_t longest = 0;
        for (int32_t bound : {limits.lowest, limits.highest}) {
            char16_t text[kFixedDecimalChars];
            FormatFixedDecimal(text, bound, limits.decimals);
            longest = std::max(longest, std::u16string(text).size());
        }
        EXPECT_EQ(static_cast<size_t>(limits.editChars), longest) << field;
    }
}

TEST(AdjustRules, RecordValuesOutsideTheirRangesComeInAtTheBound) {
    OemDevmode record = DefaultRecord();
    record.adwAdjScale1[0] = 0xFFFFFFFFu;
    record.adwAdjScale2[4] = 0;
    record.alAdjShift1[2] = INT32_MIN;
    record.alAdjFine[3] = 51;
    record.dwAdjEnable = 7;
    AdjustValues values;
    LoadAdjustValues(record, &values);
    EXPECT_EQ(
        (std::vector<int64_t>{values.value[kAdjScale1][0], values.value[kAdjScale2][4], values.value[kAdjShift1][2],
                              values.value[kAdjFine][3], values.value[kAdjScale1][1], values.enable}),
        (std::vector<int64_t>{10200, 9800, -20, 50, 10000, 1}));
}

TEST(AdjustRules, StoreWritesOnlyTheAdjustmentFields) {
    OemDevmode record = DefaultRecord();
    std::memset(&record, 0xAB, sizeof(record));
    AdjustValues values;
    DefaultAdjustValues(&values);
    values.value[kAdjShift2][3] = -7;
    values.enable = 1;
    StoreAdjustValues(values, &record);
    EXPECT_EQ((std::vector<int64_t>{record.adwAdjScale1[4], record.alAdjShift2[3], record.alAdjFine[0],
                                    record.dwAdjEnable, record.dwSpecialDensityB, record.dwSpecialColorInactive}),
              (std::vector<int64_t>{10000, -7, 0, 1, 0xABABABAB, 0xABABABAB}));
}

TEST(AdjustRules, ModesPagesTestPrintsAndBins) {
    // The names compare byte by byte, case included: "none" is not "None".
    const std::pair<const char *, uint32_t> duplex[] = {{"None", kAdjustSimplex}, {"DuplexNoTumble", kAdjustLongEdge},
                                                        {"DuplexTumble", kAdjustShortEdge}, {"", kAdjustLongEdge},
                                                        {"none", kAdjustShortEdge}};
    for (const auto &d : duplex) EXPECT_EQ(DuplexModeFromSetting(d.first), d.second) << d.first;

    // Per mode: the pages of the front and back tabs, the job's duplex and page count.
    const int pages[][4] = {{0, 0, 1, 1}, {1, 2, 2, 2}, {3, 4, 3, 2}};
    for (uint32_t mode = kAdjustSimplex; mode <= kAdjustShortEdge; ++mode) {
        const std::vector<int> found = {AdjustPageOf(mode, 0), AdjustPageOf(mode, 1), TestPrintDuplex(mode),
                                        TestPrintPages(mode)};
        EXPECT_EQ(found, std::vector<int>(pages[mode], pages[mode] + 4)) << mode;
    }
    EXPECT_EQ(AdjustPageOf(kAdjustShortEdge, -1), 3);

    const char *slots[] = {"*UseFormTrayTable", "Front", "Upper", "Lower", "Tray3", "Tray4", "Tray5"};
    for (uint32_t bin = 0; bin < 7; ++bin) EXPECT_EQ(BinIndexForInputSlot(slots[bin]), bin) << slots[bin];
    EXPECT_EQ(BinIndexForInputSlot("Auto"), 5u);
    EXPECT_EQ(BinIndexForInputSlot(""), 5u);
}

// Scale, shift and fine-adjustment pictures.
std::vector<uint32_t> Pictures(const AdjustValues &values, int page) {
    const AdjustPictures pictures = AdjustPicturesFor(values, page);
    return {pictures.scale, pictures.shift, pictures.fine};
}

TEST(AdjustRules, PicturesCompareWithTheDefaults) {
    AdjustValues values;
    DefaultAdjustValues(&values);
    EXPECT_EQ(Pictures(values, 0), (std::vector<uint32_t>{4061 + 4, 4061 + 9 + 4, 4061 + 18}));
    values.value[kAdjScale1][2] = 9900;
    values.value[kAdjScale2][2] = 10100;
    values.value[kAdjShift1][2] = 5;
    values.value[kAdjShift2][2] = -5;
    EXPECT_EQ(Pictures(values, 2), (std::vector<uint32_t>{4080 + 2, 4080 + 9 + 6, 4098}));
    EXPECT_EQ(AdjustPicturesFor(values, 3).scale, 4061u + 4);
    EXPECT_EQ(AdjustPicturesFor(values, 4).fine, 4098u);
}

bool HasLine(const TestSheet &sheet, SheetLine line) {
    return std::any_of(sheet.lines, sheet.lines + sheet.lineCount, [&](const SheetLine &l) {
        return l.x1 == line.x1 && l.y1 == line.y1 && l.x2 == line.x2 && l.y2 == line.y2;
    });
}

TEST(AdjustRules, MeasuringSheetOfAnA4PageAt600Dpi) {
    constexpr int W = 4960, H = 7016;
    TestSheet sheet;
    PlanTestSheet(W, H, 2, &sheet);
    // Frame, centre lines, and ticks 50 mm apart from the centre, 15 mm long across their line.
    for (const SheetLine &line :
         {SheetLine{3, 3, W - 3, 3}, SheetLine{3, H - 3, 3, 3}, SheetLine{3, H / 2, W - 3, H / 2},
          SheetLine{W / 2, 3, W / 2, H - 3}, SheetLine{W / 2 + 1181, H / 2 - 354, W / 2 + 1181, H / 2 + 354},
          SheetLine{W / 2 - 2 * 1181, H / 2 - 354, W / 2 - 2 * 1181, H / 2 + 354},
          SheetLine{W / 2 - 354, H / 2 - 2 * 1181, W / 2 + 354, H / 2 - 2 * 1181}})
        EXPECT_TRUE(HasLine(sheet, line)) << line.x1 << "," << line.y1 << " " << line.x2 << "," << line.y2;
    EXPECT_FALSE(HasLine(sheet, {W / 2 + 3 * 1181, H / 2 - 354, W / 2 + 3 * 1181, H / 2 + 354}));
    EXPECT_FALSE(HasLine(sheet, {W / 2 - 354, H / 2 - 3 * 1181, W / 2 + 354, H / 2 - 3 * 1181}));
    // Frame and centre lines, arrow shafts, and two ticks each way on each
    // centre line: the third would leave the page.
    EXPECT_EQ(sheet.lineCount, 6u + 4u + 4u + 4u);
    const int x0 = W / 64, y0 = H / 64;
    EXPECT_EQ((std::vector<int>{sheet.texts[0].text[0], sheet.texts[0].x, sheet.texts[0].y, sheet.texts[2].text[0],
                                sheet.texts[5].text[0], sheet.texts[5].y}),
              (std::vector<int>{u'2', x0, 3, u'X', u'Y', y0 + 600}));
    EXPECT_TRUE(HasLine(sheet, {x0 + 800, 100, x0 + 1100, 100}));
    EXPECT_TRUE(HasLine(sheet, {x0 + 40, y0 + 790, x0 + 40, y0 + 1090}));
    EXPECT_EQ(sheet.heads[3].y[0], y0 + 1110);
    EXPECT_EQ(sheet.heads[1].x[1], x0 + 1070);
}

TEST(AdjustRules, MeasuringSheetOfTinyAndHugePagesStaysInItsArrays) {
    TestSheet sheet;
    PlanTestSheet(0, 0, 1, &sheet);
    EXPECT_EQ(sheet.lineCount, 10u);
    EXPECT_EQ(sheet.texts[0].text[0], u'1');
    PlanTestSheet(2000000000, 2000000000, 1, &sheet);
    EXPECT_EQ(sheet.lineCount, kMaxSheetLines);
}

}  // namespace
