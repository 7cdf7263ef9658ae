// The numeric edit fields' key test, text value and clamp over any text,
// caret and range a field may hold.
#include "core/numeric_edit_rules.h"
#include "fuzz_bytes.h"

#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size) {
    FuzzedDataProvider data(bytes, size);
    const bool isSigned = data.ConsumeBool();
    const int32_t minimum = data.ConsumeIntegral<int32_t>();
    const int32_t maximum = data.ConsumeIntegral<int32_t>();
    const size_t caretSlack = data.ConsumeIntegralInRange<size_t>(0, 3);
    const std::u16string text = RemainingU16Text(data);

    // The field's characters alone, without a terminator to lean on.
    std::unique_ptr<char16_t[]> chars(new char16_t[text.size()]);
    text.copy(chars.get(), text.size());
    for (size_t caret = 0; caret <= text.size() + caretSlack; ++caret) {
        const NumericKey key = JudgeNumericKey(chars.get(), text.size(), caret, isSigned);
        if (caret == 0 || caret > text.size()) FUZZ_CHECK(key == NumericKey::NothingTyped);
        if (key == NumericKey::Accept) {
            const char16_t c = chars[caret - 1];
            FUZZ_CHECK((c >= u'0' && c <= u'9') || (isSigned && (c == u'-' || c == u'+')));
        }
    }

    const int64_t value = NumericTextValue(chars.get(), text.size());
    int32_t clamped = 0;
    if (ClampNumericValue(value, minimum, maximum, &clamped)) {
        FUZZ_CHECK(clamped == minimum || clamped == maximum);
        FUZZ_CHECK(value < minimum || value > maximum);
    } else {
        FUZZ_CHECK(value >= minimum && value <= maximum);
    }
    return 0;
}
