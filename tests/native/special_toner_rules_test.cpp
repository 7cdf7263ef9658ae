// The fixed-point texts shared by the special toner and print position
// dialogs, and the special toner's ranges and enabling rules.
#include "color/fixed_decimal.h"
#include "color/special_toner_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

std::u16string Format(int32_t value, int decimals) {
    char16_t text[kFixedDecimalChars];
    FormatFixedDecimal(text, value, decimals);
    return text;
}

struct Parsed {
    int error;
    uint32_t value;
};
Parsed Parse(const char16_t *text, int decimals = 2) {
    uint32_t value = 0xDEAD;
    const int error = ParseFixedDecimal(text, decimals, &value);
    return {error, value};
}

TEST(FixedDecimal, ParsesWholeAndFractionDigits) {
    const std::pair<const char16_t *, uint32_t> texts[] = {
        {u"12.5", 1250}, {u"12", 1200}, {u"12.345", 1234}, {u".5", 50}, {u"", 0}};
    for (const auto &t : texts) {
        const Parsed parsed = Parse(t.first);
        EXPECT_EQ(std::make_pair(parsed.error, parsed.value), std::make_pair(0, t.second));
    }
    EXPECT_EQ(Parse(u"100", 0).value, 100u);
}

TEST(FixedDecimal, RefusesLettersSignsAndSecondPoints) {
    for (const char16_t *text : {u"1a", u"1.2x", u"-1", u"+1", u"1.2.3", u" 1", u"1,5", u"12.34a"}) {
        const Parsed parsed = Parse(text);
        EXPECT_EQ(parsed.error, 1) << std::string(text, text + std::char_traits<char16_t>::length(text));
        EXPECT_EQ(parsed.value, 0xDEADu) << "the value is left alone on an error";
    }
}

TEST(FixedDecimal, HugeNumbersStayAtTheLargestValue) {
    EXPECT_EQ(Parse(u"99999999999999999999").value, 0xFFFFFFFFu);
    EXPECT_EQ(Parse(u"42949672.96").value, 0xFFFFFFFFu);
    EXPECT_EQ(Parse(u"42949672.95").value, 4294967295u);
}

TEST(FixedDecimal, FormatsWithAPointBeforeTheDecimals) {
    const struct {
        int32_t value;
        int decimals;
        std::u16string text;
    } cases[] = {
        {10000, 2, u"100.00"}, {9950, 2, u"99.50"}, {5, 2, u"0.05"}, {100, 0, u"100"}, {-250, 1, u"-25.0"},
        {-5, 1, u"-0.5"}, {-50, 2, u"-0.50"}, {0, 0, u"0"}, {0, 1, u"0.0"}, {99999, 0, u"99999"},
        // Beyond five places only the last four digits are kept.
        {100000, 0, u"0"}, {123456, 2, u"34.56"}, {-123456, 0, u"-3456"}, {INT32_MIN, 2, u"-36.48"},
    };
    for (const auto &c : cases) EXPECT_EQ(Format(c.value, c.decimals), c.text) << c.value;
}

TEST(SpecialToner, DensityTypingTakesUpToAHundredPercent) {
    // 98.00 is out of range, yet accepted while typing.
    const struct {
        const char16_t *text;
        TypedValue typed;
        uint32_t density;
    } rows[] = {{u"", TypedValue::Empty, 9950},         {u"98.00", TypedValue::Taken, 9800},
                {u"100.01", TypedValue::Replaced, 10000}, {u"9a", TypedValue::Replaced, 10000},
                {u"-99", TypedValue::Replaced, 10000},    {u"99999999999", TypedValue::Replaced, 10000}};
    for (const auto &row : rows) {
        uint32_t density = 9950;
        EXPECT_EQ(DensityFromText(row.text, &density), row.typed) << row.density;
        EXPECT_EQ(density, row.density);
    }
    for (uint32_t density : {9800u, 10001u}) EXPECT_FALSE(DensityInRange(density)) << density;
    for (uint32_t density : {9900u, 10000u}) EXPECT_TRUE(DensityInRange(density)) << density;
}

TEST(SpecialToner, LevelTypingStopsAtAHundred) {
    // Decimals beyond none are ignored.
    const std::tuple<const char16_t *, TypedValue, uint32_t> rows[] = {
        {u"", TypedValue::Empty, 40}, {u"0", TypedValue::Taken, 0}, {u"101", TypedValue::Replaced, 100},
        {u"5.5", TypedValue::Taken, 5}};
    for (const auto &row : rows) {
        uint32_t level = 40;
        EXPECT_EQ(LevelFromText(std::get<0>(row), &level), std::get<1>(row)) << std::get<2>(row);
        EXPECT_EQ(level, std::get<2>(row));
    }
    EXPECT_EQ(ClampLevel(4000000000u), 100u);
}

TEST(SpecialToner, ArrowsStepInsideTheRange) {
    EXPECT_EQ(StepDensity(9950, true), 9951u);
    EXPECT_EQ(StepDensity(10000, true), 10000u);
    EXPECT_EQ(StepDensity(9900, false), 9900u);
    EXPECT_EQ(StepDensity(9800, true), 9900u);
    EXPECT_EQ(StepDensity(0xFFFFFFFFu, false), 10000u);
    EXPECT_EQ(ClampDensity(0), 9900u);
    EXPECT_EQ(ClampDensity(0xFFFFFFFFu), 10000u);
}

// White toner's groups follow the colour control and the order; clear
// toner switches only its output mode.
TEST(SpecialToner, GroupsFollowTheTonerColourControlAndOrder) {
    const Switch on = Switch::On, off = Switch::Off, keep = Switch::Keep;
    const struct {
        uint32_t kind, colorControl, order;
        std::vector<Switch> clearOrderDensityLevel;
    } rows[] = {
        {kTonerWhite, 0, 1, {keep, off, keep, off}}, {kTonerWhite, 1, 0, {keep, on, off, on}},
        {kTonerWhite, 5, 1, {keep, on, on, off}},    {kTonerWhite, 4, 1, {keep, off, keep, off}},
        {kTonerClear, 2, 0, {on, keep, keep, keep}},  {kTonerClear, 4, 0, {off, keep, keep, keep}},
    };
    for (const auto &row : rows) {
        const SpecialTonerEnabling e = SpecialTonerEnablingFor(row.kind, row.colorControl, row.order);
        EXPECT_EQ((std::vector<Switch>{e.clearOutput, e.order, e.density, e.level}), row.clearOrderDensityLevel)
            << row.kind << " " << row.colorControl << " " << row.order;
    }
    for (uint32_t colorControl : {0u, 4u}) EXPECT_TRUE(SpecialColorInactive(colorControl)) << colorControl;
    EXPECT_FALSE(SpecialColorInactive(5));
}

TEST(SpecialToner, OnePassDriversByExactName) {
    for (const char16_t *name : {u"TVX K700(PS)", u"KE700(PS)"}) EXPECT_TRUE(OnePassSeriesDriver(name));
    for (const char16_t *name : {u"KE700(PS) ", u"ke700(ps)", u"SX Color 4200 PS", u""})
        EXPECT_FALSE(OnePassSeriesDriver(name));
}

}  // namespace
