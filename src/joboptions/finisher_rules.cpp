#include "joboptions/finisher_rules.h"

#include <cstring>

namespace {

constexpr uint32_t kPunchTypeShift = 3;
constexpr uint8_t kKeyLandscape = 0x80;
constexpr uint8_t kKeyRotated = 0x40;
constexpr uint32_t kClassNone = 0;
constexpr uint32_t kDuplexClassStep = 4;
constexpr uint32_t kLastSimplexClass = 3;

const char *const kPunchUnits[] = {"Type1", "Type2", "Type3", "Type4"};
constexpr uint32_t kPunchType1 = 1, kPunchType2 = 2, kPunchType3 = 3, kPunchType4 = 4;

// Sheet class per paper group: booklet, other layouts portrait, landscape.
struct PaperGroup {
    const char *const *names;
    size_t count;
    uint32_t booklet, portrait, landscape;
};

const char *const kLetterA4[] = {"Letter", "A4"};
const char *const kB5[] = {"B5"};
const char *const kA3B4[] = {"A3", "B4"};
const char *const kLongSheets[] = {"Tabloid", "FanFoldGermanLegal", "VXLegal", "Legal",
                                   "Executive"};

const PaperGroup kPaperGroups[] = {
    {kLetterA4, 2, 4, 5, 5},
    {kB5, 1, 0, 1, 1},
    {kA3B4, 2, 4, 6, 7},
    {kLongSheets, 5, 0, 2, 3},
};

// Papers every punch unit of type 2 or 4 handles, and those of type 1.
const char *const kWidePunchPapers[] = {"A3",  "A4",     "B5",        "B4",      "Letter",
                                        "FanFoldGermanLegal", "VXLegal", "Legal", "Executive",
                                        "Tabloid"};
const char *const kType1Papers[] = {"A3", "Tabloid", "Letter", "FanFoldGermanLegal", "VXLegal",
                                    "Legal"};

template <size_t N>
bool IsOneOf(const char *value, size_t bytes, const char *const (&names)[N]) {
    for (const char *name : names)
        if (SettingIs(value, bytes, name)) return true;
    return false;
}

bool InGroup(const char *value, size_t bytes, const PaperGroup &group) {
    for (size_t i = 0; i < group.count; ++i)
        if (SettingIs(value, bytes, group.names[i])) return true;
    return false;
}

uint32_t Bit(uint32_t option) { return option < kMaxFinisherOptions ? 1u << option : 0; }

uint32_t AllOptions(uint32_t count) {
    if (count >= kMaxFinisherOptions) return ~0u;
    return (1u << count) - 1;
}

// The entry of `selection` among the kept options of an item with `count`
// options; the first entry when it is not kept, -1 when nothing is.
int EntryOf(uint32_t keep, uint32_t count, uint32_t selection) {
    keep &= AllOptions(count);
    if (!keep) return -1;
    if (selection >= kMaxFinisherOptions || !(keep & Bit(selection))) return 0;
    int entry = 0;
    for (uint32_t option = 0; option < selection; ++option)
        if (keep & Bit(option)) ++entry;
    return entry;
}

// One row of the bind-position table: options kept, whether option 1 goes
// with two staples, which selections are corrected and to what.
struct BindRule {
    uint32_t keep;
    bool dropLeftWithTwoStaples;
    uint32_t correct;  // bits of the selections that are corrected
    uint32_t correctTo;
};

constexpr uint32_t kAnySelection = 0xFFFFFFFFu;
constexpr uint32_t kEveryOption = 0xFFFFFFFFu;
constexpr uint32_t kNoCorrection = 0;
constexpr uint32_t B(uint32_t option) { return 1u << option; }

// Indexed by sheet class; class 0 of a booklet layout key has its own row.
const BindRule kBindRules[] = {
    {kEveryOption, false, kAnySelection, kBindLeftTop},
    {B(kBindNone) | B(kBindLeft) | B(kBindLeftTop) | B(kBindTop), true, B(kBindBooklet), kBindLeftTop},
    {B(kBindNone) | B(kBindLeft), true, B(kBindLeftTop) | B(kBindTop) | B(kBindBooklet), kBindNone},
    {B(kBindLeftTop) | B(kBindTop), false, B(kBindNone) | B(kBindLeft) | B(kBindBooklet), kBindLeftTop},
    {B(kBindBooklet), false, kAnySelection, kBindBooklet},
    {B(kBindNone) | B(kBindLeft) | B(kBindLeftTop) | B(kBindTop) | B(kBindBooklet), true,
     kNoCorrection, kBindNone},
    {B(kBindNone) | B(kBindLeft) | B(kBindBooklet), true, B(kBindLeftTop) | B(kBindTop), kBindNone},
    {B(kBindLeftTop) | B(kBindTop) | B(kBindBooklet), false, B(kBindNone) | B(kBindLeft), kBindLeftTop},
};
const BindRule kBookletKeyRule = {B(kBindBooklet), false, kAnySelection, kBindBooklet};

const BindRule &BindRuleFor(uint32_t sheetClass, uint8_t layoutKey) {
    if (sheetClass == kClassNone && layoutKey == kLayoutBooklet) return kBookletKeyRule;
    if (sheetClass >= sizeof(kBindRules) / sizeof(kBindRules[0])) return kBindRules[kClassNone];
    return kBindRules[sheetClass];
}

bool Corrected(const BindRule &rule, uint32_t selection) {
    if (rule.correct == kAnySelection) return true;
    return (rule.correct & Bit(selection)) != 0;
}

void ResetChoices(FinisherFeatures *features) {
    features->bindPosition.selection = kBindLeftTop;
    features->staple.selection = kStapleNone;
    features->punch.selection = kPunchNone;
}

FinisherList PlanBindPosition(uint32_t sheetClass, uint8_t layoutKey, FinisherFeatures *features) {
    FinisherFeature &bind = features->bindPosition;
    const BindRule &rule = BindRuleFor(sheetClass, layoutKey);
    uint32_t keep = rule.keep & AllOptions(bind.optionCount);
    if (rule.dropLeftWithTwoStaples && features->staple.selection == kStapleTwo)
        keep &= ~Bit(kBindLeft);
    if (Corrected(rule, bind.selection)) bind.selection = rule.correctTo;
    return {keep, EntryOf(keep, bind.optionCount, bind.selection)};
}

FinisherList PlanStaple(uint32_t sheetClass, FinisherFeatures *features) {
    FinisherFeature &staple = features->staple;
    uint32_t keep = AllOptions(staple.optionCount);
    if (sheetClass == kClassNone) {
        keep = Bit(kStapleNone);
        staple.selection = kStapleNone;
    }
    if (features->bindPosition.selection == kBindBooklet) keep &= ~Bit(kStapleOne);
    return {keep, EntryOf(keep, staple.optionCount, staple.selection)};
}

FinisherList PlanPunch(const FinisherSheet &sheet, bool sheetPortrait, uint32_t sheetClass,
                       FinisherFeatures *features) {
    FinisherFeature &punch = features->punch;
    const uint32_t bind = features->bindPosition.selection;
    const bool keepChoice = sheetClass != kClassNone && bind != kBindBooklet &&
                            PunchingAllowed(sheet.punchUnit, sheet.pageSize, sheet.pageSizeBytes,
                                            sheet.layout, sheetPortrait, bind);
    uint32_t keep = AllOptions(punch.optionCount);
    if (!keepChoice) {
        keep = Bit(kPunchNone);
        punch.selection = kPunchNone;
    }
    return {keep, EntryOf(keep, punch.optionCount, punch.selection)};
}

}  // namespace

bool SettingIs(const char *value, size_t bytes, const char *word) {
    const size_t wordBytes = std::strlen(word) + 1;
    return value && bytes >= wordBytes && std::memcmp(value, word, wordBytes) == 0;
}

uint32_t PunchUnitFromSetting(const char *value, size_t bytes) {
    for (uint32_t i = 0; i < sizeof(kPunchUnits) / sizeof(kPunchUnits[0]); ++i)
        if (SettingIs(value, bytes, kPunchUnits[i])) return i + 1;
    return kNoPunchUnit;
}

bool SheetIsPortrait(bool documentPortrait, uint8_t layout) {
    const bool turned = layout == kLayoutTwoUp || layout == kLayoutSixUp;
    return documentPortrait != turned;
}

uint32_t SheetClass(const char *pageSize, size_t bytes, uint8_t layout, bool sheetPortrait) {
    for (const PaperGroup &group : kPaperGroups) {
        if (!InGroup(pageSize, bytes, group)) continue;
        if (layout == kLayoutBooklet) return group.booklet;
        return sheetPortrait ? group.portrait : group.landscape;
    }
    return kClassNone;
}

uint32_t AdjustClassForDuplex(uint32_t sheetClass, bool duplexNone) {
    if (duplexNone && sheetClass > kLastSimplexClass) return sheetClass - kDuplexClassStep;
    return sheetClass;
}

bool PunchingAllowed(uint32_t punchUnit, const char *pageSize, size_t bytes, uint8_t layout,
                     bool sheetPortrait, uint32_t bindPosition) {
    if (layout == kLayoutBooklet) return false;
    switch (punchUnit) {
    case kPunchType2:
    case kPunchType4:
        return IsOneOf(pageSize, bytes, kWidePunchPapers);
    case kPunchType1:
    case kPunchType3:
        if (punchUnit == kPunchType1 && IsOneOf(pageSize, bytes, kType1Papers)) return true;
        if (SettingIs(pageSize, bytes, "A4")) {
            const bool sideBinding = bindPosition == kBindNone || bindPosition == kBindLeft;
            return sheetPortrait ? !sideBinding : sideBinding;
        }
        return punchUnit == kPunchType3 && SettingIs(pageSize, bytes, "A3");
    default:
        return false;
    }
}

uint8_t LayoutKey(uint8_t layout, uint32_t orientationSelection, uint32_t punchUnit) {
    uint32_t key = layout;
    if (orientationSelection == kOrientationLandscape) key |= kKeyLandscape;
    if (orientationSelection == kOrientationRotated) key |= kKeyRotated;
    key |= punchUnit << kPunchTypeShift;
    return static_cast<uint8_t>(key);
}

FinisherPlan RunFinisherRules(const FinisherSheet &sheet, FinisherMemory *memory,
                              FinisherFeatures *features) {
    const bool portrait = SheetIsPortrait(sheet.documentPortrait, sheet.layout);
    FinisherPlan plan = {};
    plan.sheetClass = AdjustClassForDuplex(
        SheetClass(sheet.pageSize, sheet.pageSizeBytes, sheet.layout, portrait), sheet.duplexNone);
    const uint8_t key = LayoutKey(sheet.layout, sheet.orientationSelection, sheet.punchUnit);

    if (memory->lastPaperSize != sheet.paperSize) {
        memory->lastPaperSize = sheet.paperSize;
        ResetChoices(features);
    }
    if (memory->lastLayoutKey != key) {
        memory->lastLayoutKey = key;
        ResetChoices(features);
    }
    if (features->bindPosition.present)
        plan.bindPosition = PlanBindPosition(plan.sheetClass, key, features);
    if (features->staple.present) plan.staple = PlanStaple(plan.sheetClass, features);
    if (features->punch.present) plan.punch = PlanPunch(sheet, portrait, plan.sheetClass, features);
    return plan;
}
