#include "docstate/feature_slots.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

std::vector<uint32_t> Plan(const SlotTable &slots) {
    uint32_t order[kMaxPushSteps];
    const size_t count = PlanSlotPush(slots, order, kMaxPushSteps);
    return std::vector<uint32_t>(order, order + count);
}

size_t Position(const std::vector<uint32_t> &order, uint32_t slot) {
    return std::find(order.begin(), order.end(), slot) - order.begin();
}

SlotTable EmptyTable() {
    SlotTable slots;
    ResetSlotTable(&slots);
    return slots;
}

TEST(KeywordRules, MatchExactlyIncludingCase) {
    const KeywordRule *rule = FindKeywordRule("VXCollate");
    ASSERT_NE(rule, nullptr);
    EXPECT_EQ(rule->slot, kSlotVXCollate);
    EXPECT_TRUE(rule->hide);
    EXPECT_EQ(rule->helpContext, 807u);

    EXPECT_EQ(FindKeywordRule("vxcollate"), nullptr);
    EXPECT_EQ(FindKeywordRule("VXCollate "), nullptr);
    EXPECT_EQ(FindKeywordRule("VXCollat"), nullptr);
    EXPECT_EQ(FindKeywordRule(""), nullptr);
    EXPECT_EQ(FindKeywordRule(nullptr), nullptr);
}

TEST(KeywordRules, HelpOnlyRowsStayVisibleWithoutSlot) {
    for (const char *keyword : {"VXMediaType", "VXManualFeed", "TraySwitch", "VXPageSizeCheck",
                                "VXMPTPageSizeCheck", "VXEnvRotate", "VXPrintBlkTxt"}) {
        const KeywordRule *rule = FindKeywordRule(keyword);
        ASSERT_NE(rule, nullptr) << keyword;
        EXPECT_FALSE(rule->hide) << keyword;
        EXPECT_EQ(rule->slot, kSlotAbsent) << keyword;
        EXPECT_NE(rule->helpContext, 0u) << keyword;
    }
}

TEST(KeywordRules, TrayFitKeywordsFillConsecutiveSlots) {
    const char *keywords[] = {"VXFITTOMPT", "VXFITTOTRAY1", "VXFITTOTRAY2", "VXFITTOTRAY3",
                              "VXFITTOTRAY4", "VXFITTOTRAY5"};
    for (uint32_t i = 0; i < 6; ++i) {
        const KeywordRule *rule = FindKeywordRule(keywords[i]);
        ASSERT_NE(rule, nullptr);
        EXPECT_EQ(rule->slot, kSlotFitToMpt + i);
    }
}

TEST(SlotPush, OutputModeZeroPushesBlackModeFirst) {
    SlotTable slots = EmptyTable();
    std::vector<uint32_t> order = Plan(slots);
    EXPECT_LT(Position(order, kSlotVXOutputModeBlack), Position(order, kSlotVXOutputMode));
    EXPECT_LT(Position(order, kSlotVXOutputMode), Position(order, kSlotVXResolution));
    EXPECT_LT(Position(order, kSlotVXResolution), Position(order, kSlotVXSpecialColorControl));

    slots.working[kSlotVXOutputMode] = 1;
    order = Plan(slots);
    EXPECT_LT(Position(order, kSlotVXResolution), Position(order, kSlotVXSpecialColorControl));
    EXPECT_LT(Position(order, kSlotVXSpecialColorControl), Position(order, kSlotVXOutputMode));
    EXPECT_LT(Position(order, kSlotVXOutputMode), Position(order, kSlotVXOutputModeBlack));
}

TEST(SlotPush, CollateAndFinishingOrderFollowSelections) {
    SlotTable slots = EmptyTable();
    std::vector<uint32_t> order = Plan(slots);
    EXPECT_LT(Position(order, kSlotVXRotateSort), Position(order, kSlotVXCollate));
    EXPECT_LT(Position(order, kSlotVXPunch), Position(order, kSlotOutputBin));
    EXPECT_LT(Position(order, kSlotVXStaple), Position(order, kSlotVXPunch));

    slots.working[kSlotVXCollate] = 1;
    slots.working[kSlotVXPunch] = 2;
    order = Plan(slots);
    EXPECT_LT(Position(order, kSlotVXCollate), Position(order, kSlotVXRotateSort));
    EXPECT_LT(Position(order, kSlotOutputBin), Position(order, kSlotVXStaple));
}

TEST(SlotPush, EveryStepOnceFromColourToOverlay) {
    const std::vector<uint32_t> order = Plan(EmptyTable());
    ASSERT_FALSE(order.empty());
    EXPECT_EQ(order.front(), kSlotVXControl);
    EXPECT_EQ(order.back(), kSlotVXOverlay);
    std::vector<uint32_t> sorted = order;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end());
    EXPECT_EQ(order.size(), 55u);
    EXPECT_EQ(Position(order, kSlotFormName), order.size());
    EXPECT_EQ(Position(order, kSlotPostScriptOutput), order.size());
}

TEST(UserMediaNames, TwoNamesGoToTheLastTwoOfTen) {
    bool isDefault[10] = {false, false, true, true, true, true, true, true, true, true};
    uint32_t targets[10];
    ASSERT_EQ(PlanUserMediaNames(isDefault, 10, targets), 2u);
    EXPECT_EQ(targets[0], 8u);
    EXPECT_EQ(targets[1], 9u);
}

TEST(UserMediaNames, NoFirstKeyNamesNothingAndAllKeysNameEverything) {
    bool none[4] = {true, false, false, false};
    uint32_t targets[4];
    EXPECT_EQ(PlanUserMediaNames(none, 4, targets), 0u);

    bool all[3] = {false, false, false};
    ASSERT_EQ(PlanUserMediaNames(all, 3, targets), 3u);
    EXPECT_EQ(targets[0], 0u);
    EXPECT_EQ(targets[2], 2u);
}

TEST(HiddenPaperNames, SplitAtCommas) {
    char16_t names[kMaxHiddenPaperNames][kHiddenPaperNameChars];
    EXPECT_EQ(SplitHiddenPaperNames(u"", names), 0u);
    ASSERT_EQ(SplitHiddenPaperNames(u"A4,,Letter", names), 3u);
    EXPECT_EQ(std::u16string(names[0]), u"A4");
    EXPECT_EQ(std::u16string(names[1]), u"");
    EXPECT_EQ(std::u16string(names[2]), u"Letter");

    // A long name is cut and the next still found.
    const std::u16string longName(100, u'x');
    ASSERT_EQ(SplitHiddenPaperNames((longName + u",B5").c_str(), names), 2u);
    EXPECT_EQ(std::u16string(names[1]), u"B5");
}

}  // namespace
