#include "docstate/feature_slots.h"

#include <cstring>

namespace {

constexpr uint32_t kNoSlot = kSlotAbsent;
constexpr uint32_t kNoHelp = 0;

const KeywordRule kKeywordRules[] = {
    {"VXOutputMode", kSlotVXOutputMode, true, 802},
    {"VXOutputModeBlack", kSlotVXOutputModeBlack, true, 851},
    {"VXCollate", kSlotVXCollate, true, 807},
    {"OutputBin", kSlotOutputBin, true, 849},
    {"VXStaple", kSlotVXStaple, true, 822},
    {"VXMediaType", kNoSlot, false, 420},
    {"VXManualFeed", kNoSlot, false, 603},
    {"TraySwitch", kNoSlot, false, 601},
    {"VXPageSizeCheck", kNoSlot, false, 602},
    {"VXMPTPageSizeCheck", kNoSlot, false, 605},
    {"VXEnvRotate", kNoSlot, false, 2201},
    {"VXHDDSpool", kSlotVXHDDSpool, true, 1211},
    {"VXDrumClean", kSlotVXDrumClean, true, 1203},
    {"VXJob_Type", kSlotVXJobType, true, kNoHelp},
    {"VXOverlay", kSlotVXOverlay, true, kNoHelp},
    {"VXControl", kSlotVXControl, true, kNoHelp},
    {"VXSeparationorder", kSlotVXSeparationorder, true, kNoHelp},
    {"VXOverPrint", kSlotVXOverPrint, true, kNoHelp},
    {"VXProcessMode", kSlotVXProcessMode, true, kNoHelp},
    {"VXBlackSubstitution", kSlotVXBlackSubstitution, true, kNoHelp},
    {"VXHalftoneMode", kSlotVXHalftoneMode, true, kNoHelp},
    {"VXAlwaysPrnHT", kSlotVXAlwaysPrnHT, true, kNoHelp},
    {"VXSpecialColorSpace", kSlotVXSpecialColorSpace, true, kNoHelp},
    {"VXColorRenderStyle", kSlotVXColorRenderStyle, true, kNoHelp},
    {"VXColorRenderDict", kSlotVXColorRenderDict, true, kNoHelp},
    {"VXTargetColor", kSlotVXTargetColor, true, kNoHelp},
    {"VXTone", kSlotVXTone, true, kNoHelp},
    {"VXHairLine", kSlotVXHairLine, true, kNoHelp},
    {"VXPunch", kSlotVXPunch, true, 823},
    {"VXBindPosition", kSlotVXBindPosition, true, 824},
    {"VXBlackSubGra", kSlotVXBlackSubGra, true, kNoHelp},
    {"VXColorICMS", kSlotVXColorICMS, true, kNoHelp},
    {"VXCMYKProfile", kSlotVXCMYKProfile, true, kNoHelp},
    {"VXRGBProfile", kSlotVXRGBProfile, true, kNoHelp},
    {"VXCMYKInputProfile", kSlotVXCMYKInputProfile, true, kNoHelp},
    {"VXCMYKLinkProfile", kSlotVXCMYKLinkProfile, true, kNoHelp},
    {"VXOutProfile", kSlotVXOutProfile, true, kNoHelp},
    {"VXSimProfile", kSlotVXSimProfile, true, kNoHelp},
    {"VXPureBlack", kSlotVXPureBlack, true, kNoHelp},
    {"VXPreserveBlack", kSlotVXPreserveBlack, true, kNoHelp},
    {"VXColorMatch", kSlotVXColorMatch, true, kNoHelp},
    {"VXResolution", kSlotVXResolution, true, kNoHelp},
    {"VXImageSmoothing", kSlotVXImageSmoothing, true, kNoHelp},
    {"VXTrapping", kSlotVXTrapping, true, kNoHelp},
    {"VXScreenSelection", kSlotVXScreenSelection, true, kNoHelp},
    {"VXScreenObo", kSlotVXScreenObo, true, kNoHelp},
    {"VXFITTOMPT", kSlotFitToMpt, true, kNoHelp},
    {"VXFITTOTRAY1", kSlotFitToTray1, true, kNoHelp},
    {"VXFITTOTRAY2", kSlotFitToTray1 + 1, true, kNoHelp},
    {"VXFITTOTRAY3", kSlotFitToTray1 + 2, true, kNoHelp},
    {"VXFITTOTRAY4", kSlotFitToTray1 + 3, true, kNoHelp},
    {"VXFITTOTRAY5", kSlotFitToTray5, true, kNoHelp},
    {"VXRotateSort", kSlotVXRotateSort, true, kNoHelp},
    {"VXSpecialColorControl", kSlotVXSpecialColorControl, true, kNoHelp},
    {"VXSpecialColorOrder", kSlotVXSpecialColorOrder, true, kNoHelp},
    {"VXClearOutputMode", kSlotVXClearOutputMode, true, kNoHelp},
    {"VXErrorDiffusion", kSlotVXErrorDiffusion, true, kNoHelp},
    {"VXPrintBlkTxt", kNoSlot, false, 430},
    {"VXBlackFinishSubGra", kSlotVXBlackFinishSubGra, true, kNoHelp},
};

const uint32_t kColourSteps[] = {
    kSlotVXControl,         kSlotVXSeparationorder,  kSlotVXOverPrint,
    kSlotVXProcessMode,     kSlotVXBlackSubstitution, kSlotVXAlwaysPrnHT,
    kSlotVXSpecialColorSpace, kSlotVXColorRenderStyle, kSlotVXColorRenderDict,
    kSlotVXTargetColor,     kSlotVXTone,             kSlotPrintQuality,
};
const uint32_t kOutputModeBlackFirst[] = {kSlotVXOutputModeBlack, kSlotVXOutputMode,
                                          kSlotVXResolution, kSlotVXSpecialColorControl};
const uint32_t kResolutionFirst[] = {kSlotVXResolution, kSlotVXSpecialColorControl,
                                     kSlotVXOutputMode, kSlotVXOutputModeBlack};
const uint32_t kJobSteps[] = {kSlotScale, kSlotVXJobType, kSlotCopiesCollate};
const uint32_t kCollateFirst[] = {kSlotVXCollate, kSlotVXRotateSort};
const uint32_t kRotateSortFirst[] = {kSlotVXRotateSort, kSlotVXCollate};
const uint32_t kDeviceSteps[] = {kSlotMirror,      kSlotVXHDDSpool,     kSlotVXDrumClean,
                                 kSlotVXHairLine,  kSlotFitToMpt,       kSlotFitToTray1,
                                 kSlotFitToTray1 + 1, kSlotFitToTray1 + 2, kSlotFitToTray1 + 3,
                                 kSlotFitToTray5};
const uint32_t kFinishingFirst[] = {kSlotVXStaple, kSlotVXPunch, kSlotOutputBin};
const uint32_t kOutputBinFirst[] = {kSlotOutputBin, kSlotVXStaple, kSlotVXPunch};
const uint32_t kRemainingSteps[] = {
    kSlotVXBindPosition,   kSlotVXBlackSubGra,      kSlotVXColorICMS,
    kSlotVXCMYKProfile,    kSlotVXRGBProfile,       kSlotVXCMYKInputProfile,
    kSlotVXCMYKLinkProfile, kSlotVXOutProfile,      kSlotVXSimProfile,
    kSlotVXPureBlack,      kSlotVXPreserveBlack,    kSlotVXColorMatch,
    kSlotVXImageSmoothing, kSlotVXScreenObo,        kSlotVXTrapping,
    kSlotVXScreenSelection, kSlotVXSpecialColorOrder, kSlotVXClearOutputMode,
    kSlotVXErrorDiffusion, kSlotVXBlackFinishSubGra, kSlotVXOverlay,
};

class PushPlan {
public:
    PushPlan(uint32_t *order, size_t capacity) : order_(order), capacity_(capacity) {}

    template <size_t N>
    void Append(const uint32_t (&steps)[N]) {
        for (uint32_t slot : steps)
            if (count_ < capacity_) order_[count_++] = slot;
    }
    size_t Count() const { return count_; }

private:
    uint32_t *order_;
    size_t capacity_;
    size_t count_ = 0;
};

}  // namespace

const KeywordRule *KeywordRules(size_t *count) {
    *count = sizeof(kKeywordRules) / sizeof(kKeywordRules[0]);
    return kKeywordRules;
}

const KeywordRule *FindKeywordRule(const char *keyword) {
    if (!keyword) return nullptr;
    for (const KeywordRule &rule : kKeywordRules)
        if (std::strcmp(rule.keyword, keyword) == 0) return &rule;
    return nullptr;
}

void ResetSlotTable(SlotTable *slots) {
    for (uint32_t i = 0; i < kFeatureSlotCount; ++i) {
        slots->index[i] = kSlotAbsent;
        slots->working[i] = 0;
    }
}

size_t PlanSlotPush(const SlotTable &slots, uint32_t *order, size_t capacity) {
    PushPlan plan(order, capacity);
    plan.Append(kColourSteps);
    if (slots.working[kSlotVXOutputMode] == 0)
        plan.Append(kOutputModeBlackFirst);
    else
        plan.Append(kResolutionFirst);
    plan.Append(kJobSteps);
    if (slots.working[kSlotVXCollate] != 0)
        plan.Append(kCollateFirst);
    else
        plan.Append(kRotateSortFirst);
    plan.Append(kDeviceSteps);
    if (slots.working[kSlotVXStaple] == 0 && slots.working[kSlotVXPunch] == 0)
        plan.Append(kFinishingFirst);
    else
        plan.Append(kOutputBinFirst);
    plan.Append(kRemainingSteps);
    return plan.Count();
}

uint32_t PlanUserMediaNames(const bool *isDefault, uint32_t optionCount, uint32_t *targets) {
    uint32_t firstDefault = optionCount + 1;
    for (uint32_t j = 1; j <= optionCount; ++j) {
        if (isDefault[j - 1]) {
            firstDefault = j;
            break;
        }
    }
    const uint32_t names = firstDefault - 1;
    for (uint32_t j = 1; j <= names; ++j) targets[j - 1] = optionCount - firstDefault + j;
    return names;
}

uint32_t SplitHiddenPaperNames(const char16_t *value,
                               char16_t names[kMaxHiddenPaperNames][kHiddenPaperNameChars]) {
    if (!value || !*value) return 0;
    uint32_t count = 0;
    const char16_t *p = value;
    while (count < kMaxHiddenPaperNames) {
        uint32_t length = 0;
        while (*p && *p != u',') {
            if (length + 1 < kHiddenPaperNameChars) names[count][length++] = *p;
            ++p;
        }
        names[count][length] = 0;
        ++count;
        if (!*p) break;
        ++p;
    }
    return count;
}
