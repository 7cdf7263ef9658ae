// The numeric texts of the special toner and print position dialogs: any
// bytes, read as 16-bit text, parse without overrunning, store only values
// inside their ranges, and every value formats into its buffer and reads
// back.
#include "adjust/adjust_rules.h"
#include "color/fixed_decimal.h"
#include "color/special_toner_rules.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

void Check(bool holds) {
    if (!holds) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    std::vector<char16_t> text(size / 2 + 1, 0);
    std::memcpy(text.data(), data, size / 2 * 2);
    const char16_t *input = text.data();

    for (int decimals = 0; decimals <= 2; ++decimals) {
        uint32_t value = 0;
        ParseFixedDecimal(input, decimals, &value);
    }
    uint32_t density = kDensityHighest;
    if (DensityFromText(input, &density) != TypedValue::Empty) Check(density <= kDensityHighest);
    uint32_t level = 0;
    LevelFromText(input, &level);
    Check(level <= kLevelHighest);

    for (int field = 0; field < kAdjustFieldCount; ++field) {
        const AdjustField which = static_cast<AdjustField>(field);
        const AdjustLimits &limits = LimitsOf(which);
        const int32_t stored = AdjustValueFromText(which, input);
        Check(stored >= limits.lowest && stored <= limits.highest);
        char16_t shown[kFixedDecimalChars];
        FormatFixedDecimal(shown, stored, limits.decimals);
        Check(AdjustValueFromText(which, shown) == stored);
    }

    if (size >= 4) {
        int32_t any = 0;
        std::memcpy(&any, data, sizeof(any));
        char16_t shown[kFixedDecimalChars];
        FormatFixedDecimal(shown, any, data[0] % 5);
        size_t length = 0;
        while (shown[length]) ++length;
        Check(length < kFixedDecimalChars);
    }
    return 0;
}
