#include "../../host/ppd/ppd_selection.h"

#include <gtest/gtest.h>

namespace {

const char kText[] =
    "*OpenUI *Finisher: Boolean\n*DefaultFinisher: False\n"
    "*Finisher True: \"\"\n*Finisher False: \"\"\n*CloseUI: *Finisher\n"
    "*OpenUI *Staple: PickOne\n*DefaultStaple: None\n"
    "*Staple None: \"\"\n*Staple One: \"\"\n*Staple Two: \"\"\n*CloseUI: *Staple\n"
    "*OpenUI *Tray: PickOne\n*DefaultTray: Auto\n"
    "*Tray Auto: \"\"\n*Tray T2: \"\"\n*CloseUI: *Tray\n"
    "*OpenUI *Trays: PickOne\n*DefaultTrays: 1\n"
    "*Trays 1: \"\"\n*Trays 2: \"\"\n*CloseUI: *Trays\n"
    "*UIConstraints: *Finisher False *Staple One\n"
    "*UIConstraints: *Staple *Finisher False\n"
    "*UIConstraints: *Trays 1 *Tray T2\n"
    "*UIConstraints: *Missing A *Tray T2\n";

class PpdSelectionTest : public ::testing::Test {
protected:
    PpdFile file_ = ParsePpd(kText);
    PpdSelection selection_{file_};
    size_t Feature(const char *keyword) const { return file_.FindFeature(keyword); }
    size_t Option(const char *feature, const char *option) const {
        return file_.features[Feature(feature)].FindOption(option);
    }
};

TEST_F(PpdSelectionTest, StartsAtTheDefaults) {
    EXPECT_EQ(selection_.SelectedOption(Feature("Finisher")).keyword, "False");
    EXPECT_EQ(selection_.SelectedOption(Feature("Staple")).keyword, "None");
    EXPECT_EQ(selection_.SelectedOption(Feature("Trays")).keyword, "1");
}

TEST_F(PpdSelectionTest, SelectRefusesOptionsTheFeatureLacks) {
    EXPECT_FALSE(selection_.Select(Feature("Staple"), 3));
    EXPECT_FALSE(selection_.SelectKeyword(Feature("Staple"), "Three"));
    EXPECT_FALSE(selection_.Select(99, 0));
    EXPECT_EQ(selection_.Selected(Feature("Staple")), 0u);
    EXPECT_TRUE(selection_.SelectKeyword(Feature("Staple"), "Two"));
    EXPECT_EQ(selection_.Selected(Feature("Staple")), 2u);
}

TEST_F(PpdSelectionTest, ConflictsFollowBothSidesOfAConstraint) {
    const PpdConstraint *conflict = selection_.Conflict(Feature("Staple"), Option("Staple", "One"));
    ASSERT_NE(conflict, nullptr);
    EXPECT_EQ(conflict->feature1, "Finisher");
    // "Two" is caught by the rule without an option: any Staple but None.
    EXPECT_NE(selection_.Conflict(Feature("Staple"), Option("Staple", "Two")), nullptr);
    EXPECT_EQ(selection_.Conflict(Feature("Staple"), Option("Staple", "None")), nullptr);
    EXPECT_NE(selection_.Conflict(Feature("Tray"), Option("Tray", "T2")), nullptr);

    ASSERT_TRUE(selection_.SelectKeyword(Feature("Finisher"), "True"));
    EXPECT_EQ(selection_.Conflict(Feature("Staple"), Option("Staple", "One")), nullptr);
    ASSERT_TRUE(selection_.SelectKeyword(Feature("Staple"), "One"));
    // Turning the finisher off now breaks the staple choice.
    EXPECT_NE(selection_.Conflict(Feature("Finisher"), Option("Finisher", "False")), nullptr);
    EXPECT_EQ(selection_.Conflict(Feature("Finisher"), Option("Finisher", "True")), nullptr);
}

TEST_F(PpdSelectionTest, OffOptions) {
    for (const char *off : {"None", "False", "Off"}) EXPECT_TRUE(IsOffOption(off)) << off;
    for (const char *on : {"off", "True", ""}) EXPECT_FALSE(IsOffOption(on)) << on;
}

}  // namespace
