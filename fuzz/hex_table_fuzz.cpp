// The colour tuner's tables as hexadecimal text, as a profile file may hold
// them: any 16-bit text, any field capacity. The field is exactly as large
// as its capacity; the count never passes it, and text of whole hexadecimal
// pairs is read without a stray mark.
#include "color/color_rules.h"
#include "fuzz_bytes.h"

#include <memory>

namespace {

constexpr size_t kLargestCapacity = 2 * kCcmNvCapacity;

bool IsHexDigit(char16_t c) {
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size) {
    FuzzedDataProvider data(bytes, size);
    const size_t capacity = data.ConsumeBool()
                                ? (data.ConsumeBool() ? kCcmNtCapacity : kCcmNvCapacity)
                                : data.ConsumeIntegralInRange<size_t>(0, kLargestCapacity);
    const std::u16string text = RemainingU16Text(data);

    std::unique_ptr<uint8_t[]> field(new uint8_t[capacity]);
    size_t count = kLargestCapacity + 1;
    const int stray = ParseHexBytes(text.c_str(), field.get(), capacity, &count);
    FUZZ_CHECK(stray == 0 || stray == 1);
    FUZZ_CHECK(count <= capacity);

    size_t pairs = 0;
    while (pairs * 2 + 1 < text.size() && IsHexDigit(text[pairs * 2]) &&
           IsHexDigit(text[pairs * 2 + 1]))
        ++pairs;
    const size_t whole = pairs < capacity ? pairs : capacity;
    FUZZ_CHECK(count >= whole);
    if (pairs * 2 == text.size()) {
        FUZZ_CHECK(stray == 0);
        FUZZ_CHECK(count == whole);
    }
    return 0;
}
