#include "docstate/feature_slots.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
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
    EXPECT_EQ(std::make_tuple(rule->slot, rule->hide, rule->helpContext), std::make_tuple(kSlotVXCollate, true, 807u));
    for (const char *other : {"vxcollate", "VXCollate ", "VXCollat", "", static_cast<const char *>(nullptr)})
        EXPECT_EQ(FindKeywordRule(other), nullptr) << (other ? other : "(null)");
}

TEST(KeywordRules, HelpOnlyRowsStayVisibleWithoutSlot) {
    for (const char *keyword : {"VXMediaType", "VXManualFeed", "TraySwitch", "VXPageSizeCheck",
                                "VXMPTPageSizeCheck", "VXEnvRotate", "VXPrintBlkTxt"}) {
        const KeywordRule *rule = FindKeywordRule(keyword);
        ASSERT_NE(rule, nullptr) << keyword;
        EXPECT_EQ(std::make_pair(rule->hide, rule->slot), std::make_pair(false, kSlotAbsent)) << keyword;
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
    for (uint32_t absent : {kSlotFormName, kSlotPostScriptOutput}) EXPECT_EQ(Position(order, absent), order.size());
}

std::vector<uint32_t> MediaTargets(std::vector<bool> isDefault) {
    bool flags[16];
    uint32_t targets[16];
    std::copy(isDefault.begin(), isDefault.end(), flags);
    const uint32_t count = PlanUserMediaNames(flags, static_cast<uint32_t>(isDefault.size()), targets);
    return std::vector<uint32_t>(targets, targets + count);
}

// Two names go to the last two of ten; no first key names nothing, all keys name everything.
TEST(UserMediaNames, NamesGoToTheLastMediaOrToNone) {
    EXPECT_EQ(MediaTargets({false, false, true, true, true, true, true, true, true, true}),
              (std::vector<uint32_t>{8, 9}));
    EXPECT_EQ(MediaTargets({true, false, false, false}), std::vector<uint32_t>{});
    EXPECT_EQ(MediaTargets({false, false, false}), (std::vector<uint32_t>{0, 1, 2}));
}

TEST(HiddenPaperNames, SplitAtCommas) {
    char16_t names[kMaxHiddenPaperNames][kHiddenPaperNameChars];
    EXPECT_EQ(SplitHiddenPaperNames(u"", names), 0u);
    ASSERT_EQ(SplitHiddenPaperNames(u"A4,,Letter", names), 3u);
    EXPECT_EQ((std::vector<std::u16string>{names[0], names[1], names[2]}),
              (std::vector<std::u16string>{u"A4", u"", u"Letter"}));

    // A long name is cut and the next still found.
    const std::u16string longName(100, u'x');
    ASSERT_EQ(SplitHiddenPaperNames((longName + u",B5").c_str(), names), 2u);
    EXPECT_EQ(std::u16string(names[1]), u"B5");
}

}  // namespace
