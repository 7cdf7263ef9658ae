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
    for (const char16_t *value : {u"Extended", u"extended", u"EXTENDED", u"  Extended\t"})
        EXPECT_TRUE(Extended(value));
    // A non-ASCII letter that folds to 'e' elsewhere is not taken as one.
    for (const char16_t *value : {static_cast<const char16_t *>(nullptr), u"", u"Standard", u"Extend",
                                  u"Extendedd", u"Extended 2", u"1", u"\u00c9xtended"})
        EXPECT_FALSE(Extended(value));
}

}  // namespace
