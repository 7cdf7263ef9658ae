// The feature slots of the document option tree: which driver item each
// slot stands for, which items the plug-in hides or gives help to, and the
// order in which working selections go back to the driver. No platform
// types, so the rules are tested natively.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr uint32_t kFeatureSlotCount = 90;
constexpr uint32_t kSlotAbsent = 0xFFFF;

enum FeatureSlot : uint32_t {
    kSlotFormName = 2,
    kSlotFitToMpt = 4,
    kSlotFitToTray1 = 5,
    kSlotFitToTray5 = 9,
    kSlotColor = 10,
    kSlotVXControl = 11,
    kSlotVXSeparationorder = 12,
    kSlotVXOverPrint = 13,
    kSlotVXProcessMode = 14,
    kSlotVXBlackSubstitution = 16,
    kSlotVXAlwaysPrnHT = 17,
    kSlotVXColorRenderStyle = 18,
    kSlotVXColorRenderDict = 19,
    kSlotVXTargetColor = 21,
    kSlotVXTone = 22,
    kSlotPrintQuality = 23,
    kSlotVXHalftoneMode = 24,
    kSlotVXOutputMode = 25,
    kSlotOrientation = 26,
    kSlotVXJobType = 28,
    kSlotCopiesCollate = 29,
    kSlotVXCollate = 30,
    kSlotOutputBin = 31,
    kSlotVXStaple = 32,
    kSlotScale = 33,
    kSlotVXDrumClean = 34,
    kSlotVXHDDSpool = 35,
    kSlotMirror = 36,
    kSlotVXOverlay = 38,
    kSlotNup = 40,
    kSlotVXPunch = 41,
    kSlotVXBindPosition = 42,
    kSlotDuplex = 43,
    kSlotPostScriptOutput = 45,
    kSlotCompression = 55,
    kSlotVXColorICMS = 56,
    kSlotVXCMYKProfile = 57,
    kSlotVXRGBProfile = 58,
    kSlotVXCMYKInputProfile = 59,
    kSlotVXCMYKLinkProfile = 60,
    kSlotVXOutProfile = 61,
    kSlotVXSimProfile = 62,
    kSlotVXPureBlack = 63,
    kSlotVXPreserveBlack = 64,
    kSlotVXColorMatch = 65,
    kSlotVXResolution = 67,
    kSlotVXImageSmoothing = 68,
    kSlotVXBlackSubGra = 69,
    kSlotVXScreenObo = 72,
    kSlotVXHairLine = 73,
    kSlotHideStandardUI = 74,
    kSlotVXTrapping = 76,
    kSlotVXOutputModeBlack = 77,
    kSlotJobCopy78 = 78,
    kSlotVXRotateSort = 79,
    kSlotVXSpecialColorControl = 80,
    kSlotVXSpecialColorOrder = 81,
    kSlotVXClearOutputMode = 82,
    kSlotVXSpecialColorSpace = 83,
    kSlotVXErrorDiffusion = 84,
    kSlotVXScreenSelection = 87,
    kSlotVXBlackFinishSubGra = 88,
};

// What the walk does with an item whose keyword is in the table.
struct KeywordRule {
    const char *keyword;
    uint32_t slot;       // kSlotAbsent: no slot
    bool hide;
    uint32_t helpContext;  // 0: none
};

// The rule for a keyword, compared exactly (case-sensitive); null when the
// keyword is not the plug-in's.
const KeywordRule *FindKeywordRule(const char *keyword);

// The whole keyword table, in its order.
const KeywordRule *KeywordRules(size_t *count);

// The two slot tables of the document state.
struct SlotTable {
    uint32_t index[kFeatureSlotCount];
    uint32_t working[kFeatureSlotCount];
};

void ResetSlotTable(SlotTable *slots);

constexpr size_t kMaxPushSteps = 64;

// The slots in the order their selections go back to the driver; the order
// depends on some working selections. Returns the number written.
size_t PlanSlotPush(const SlotTable &slots, uint32_t *order, size_t capacity);

// The user media-type rule: `values[j-1]` is the name read for USERTYPEj
// (j = 1..optionCount), `isDefault[j-1]` whether it was the "default_name"
// word. Fills `targets[j-1]` with the option position that takes name j;
// returns how many names apply (k - 1).
uint32_t PlanUserMediaNames(const bool *isDefault, uint32_t optionCount, uint32_t *targets);

constexpr uint32_t kMaxHiddenPaperNames = 12;
constexpr uint32_t kHiddenPaperNameChars = 64;  // 63 characters and the terminator

// Splits the "HidePaperName" value at commas into at most 12 names of at
// most 63 characters each; returns the number of names.
uint32_t SplitHiddenPaperNames(const char16_t *value,
                               char16_t names[kMaxHiddenPaperNames][kHiddenPaperNameChars]);
