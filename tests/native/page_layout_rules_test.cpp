#include "core/page_layout_rules.h"

#include <gtest/gtest.h>

namespace {

constexpr uint16_t kSystemJobOptions = 113;
constexpr uint16_t kSystemColor = 111;
constexpr uint16_t kExtendedJobOptions = 2113;
constexpr uint16_t kExtendedColor = 2111;

bool Extended(const char16_t *value) {
    const PageTemplates chosen = ChoosePageTemplates(value);
    if (chosen.jobOptions == kExtendedJobOptions && chosen.color == kExtendedColor) return true;
    EXPECT_EQ(kSystemJobOptions, chosen.jobOptions);
    EXPECT_EQ(kSystemColor, chosen.color);
    return false;
}

TEST(PageLayoutRules, OnlyTheExtendedValueChoosesTheExtendedLayoutsForBothPages) {
    EXPECT_TRUE(Extended(u"Extended"));
    EXPECT_TRUE(Extended(u"extended"));
    EXPECT_TRUE(Extended(u"EXTENDED"));
    EXPECT_TRUE(Extended(u"  Extended\t"));

    EXPECT_FALSE(Extended(nullptr));
    EXPECT_FALSE(Extended(u""));
    EXPECT_FALSE(Extended(u"Standard"));
    EXPECT_FALSE(Extended(u"Extend"));
    EXPECT_FALSE(Extended(u"Extendedd"));
    EXPECT_FALSE(Extended(u"Extended 2"));
    EXPECT_FALSE(Extended(u"1"));
    // A non-ASCII letter that folds to 'e' elsewhere is not taken as one.
    EXPECT_FALSE(Extended(u"\u00c9xtended"));
}

}  // namespace
