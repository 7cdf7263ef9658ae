// The option tree's inputs from outside: the printer description's
// keywords, the plug-in ini's hidden paper names, the user media names and
// working selections as a DEVMODE brought them.
#include "fuzz_bytes.h"
#include "docstate/feature_slots.h"

#include <cstring>
#include <memory>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size) {
    FuzzedDataProvider data(bytes, size);
    const std::string keyword = data.ConsumeRandomLengthString(48);
    const KeywordRule *rule = FindKeywordRule(keyword.c_str());
    if (rule) {
        FUZZ_CHECK(std::strcmp(rule->keyword, keyword.c_str()) == 0);
        FUZZ_CHECK(rule->slot < kFeatureSlotCount || rule->slot == kSlotAbsent);
    }

    SlotTable slots;
    ResetSlotTable(&slots);
    for (uint32_t &working : slots.working) working = data.ConsumeIntegral<uint32_t>();
    const size_t capacity = data.ConsumeIntegralInRange<size_t>(0, kMaxPushSteps);
    std::unique_ptr<uint32_t[]> order(new uint32_t[capacity]);
    const size_t steps = PlanSlotPush(slots, order.get(), capacity);
    FUZZ_CHECK(steps <= capacity);
    for (size_t i = 0; i < steps; ++i) FUZZ_CHECK(order[i] < kFeatureSlotCount);

    const uint32_t optionCount = data.ConsumeIntegralInRange<uint32_t>(0, 64);
    std::unique_ptr<bool[]> isDefault(new bool[optionCount]);
    for (uint32_t j = 0; j < optionCount; ++j) isDefault[j] = data.ConsumeBool();
    std::unique_ptr<uint32_t[]> targets(new uint32_t[optionCount]);
    const uint32_t names = PlanUserMediaNames(isDefault.get(), optionCount, targets.get());
    FUZZ_CHECK(names <= optionCount);
    for (uint32_t j = 0; j < names; ++j) FUZZ_CHECK(targets[j] < optionCount);

    const std::u16string hidden = RemainingU16Text(data);
    char16_t split[kMaxHiddenPaperNames][kHiddenPaperNameChars];
    const uint32_t count = SplitHiddenPaperNames(hidden.c_str(), split);
    FUZZ_CHECK(count <= kMaxHiddenPaperNames);
    for (uint32_t i = 0; i < count; ++i) {
        size_t n = 0;
        while (n < kHiddenPaperNameChars && split[i][n]) ++n;
        FUZZ_CHECK(n < kHiddenPaperNameChars);
    }
    return 0;
}
