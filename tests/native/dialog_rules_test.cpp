// The key filter of numeric fields, the shared help table and the overlay
// row test.
#include "core/context_help_table.h"
#include "core/numeric_edit_rules.h"
#include "docstate/overlay_set.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

namespace {

NumericKey Judge(const std::u16string &text, size_t caret, bool isSigned = false) {
    return JudgeNumericKey(text.data(), text.size(), caret, isSigned);
}

TEST(NumericKey, DigitsZerosAndSigns) {
    const struct {
        std::u16string text;
        size_t caret;
        bool isSigned;
        NumericKey key;
    } cases[] = {
        {u"7", 1, false, NumericKey::Accept}, {u"0", 1, false, NumericKey::Accept},  // a lone zero passes
        {u"05", 1, false, NumericKey::Reject},  // zero typed before "5"
        {u"50", 2, false, NumericKey::Accept}, {u"105", 2, false, NumericKey::Accept},
        {u"1a", 2, false, NumericKey::Reject}, {u" 1", 1, false, NumericKey::Reject},
        {u"12", 0, false, NumericKey::NothingTyped}, {u"12", 3, false, NumericKey::NothingTyped},
        // Signs only first and only in signed fields.
        {u"-", 1, true, NumericKey::Accept}, {u"+5", 1, true, NumericKey::Accept},
        {u"5-", 2, true, NumericKey::Reject}, {u"--5", 1, true, NumericKey::Reject},
        {u"-", 1, false, NumericKey::Reject},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Judge(c.text, c.caret, c.isSigned), c.key) << std::string(c.text.begin(), c.text.end());
}

TEST(NumericKey, ValueAndClamp) {
    for (const auto &text : std::vector<std::pair<std::u16string, int64_t>>{
             {u"1000", 1000}, {u"-42", -42}, {u"-", 0}, {u"12x9", 12}})
        EXPECT_EQ(text.second, NumericTextValue(text.first.data(), text.first.size()));
    int32_t value = 0;
    EXPECT_TRUE(ClampNumericValue(1000, 1, 999, &value));
    EXPECT_EQ(999, value);
    EXPECT_TRUE(ClampNumericValue(0, 1, 999, &value));
    EXPECT_EQ(1, value);
    EXPECT_FALSE(ClampNumericValue(500, 1, 999, &value));
    const std::u16string huge(30, u'9');
    EXPECT_TRUE(ClampNumericValue(NumericTextValue(huge.data(), huge.size()), -50, 50, &value));
    EXPECT_EQ(50, value);
}

TEST(ContextHelp, SharedRowsAndFirstPairWins) {
    // Control, then its help context; 0 for a control the table lacks.
    const std::pair<uint32_t, uint32_t> controls[] = {{1, 3},       {2, 4},    {10000, 1}, {1392, 839},
                                                      {4111, 1770}, {4110, 0}, {10001, 0}};
    for (const auto &control : controls) EXPECT_EQ(control.second, FindHelpContext(control.first)) << control.first;
    for (uint32_t id = 1586; id <= 1589; ++id) EXPECT_EQ(853u, FindHelpContext(id));
    for (uint32_t id = 4005; id <= 4020; ++id) EXPECT_EQ(2501u, FindHelpContext(id));

    size_t count = 0;
    const HelpPair *table = ContextHelpTable(&count);
    EXPECT_EQ(0u, table[count].controlId);
    std::set<uint32_t> seen;
    for (size_t i = 0; i < count; ++i) {
        ASSERT_NE(0u, table[i].controlId);
        if (!seen.insert(table[i].controlId).second) continue;
        EXPECT_EQ(table[i].contextId, FindHelpContext(table[i].controlId)) << table[i].controlId;
    }
}

TEST(OverlayRows, OnlyDefinedRowsThatTheJobUses) {
    OverlaySet set = {};
    set.cDefined = 3;
    set.cActive = 2;
    set.awActive[0] = 2;
    set.awActive[1] = 0;
    set.awActive[2] = 1;  // beyond cActive
    for (uint16_t row : {0, 2}) EXPECT_TRUE(IsActiveOverlayRow(set, row)) << row;
    EXPECT_FALSE(IsActiveOverlayRow(set, 1));
    set.awActive[0] = 5;
    EXPECT_FALSE(IsActiveOverlayRow(set, 5));  // not a defined row
    set.cActive = 9;  // a damaged count reads no further than the array
    EXPECT_FALSE(IsActiveOverlayRow(set, 3));
}

}  // namespace
