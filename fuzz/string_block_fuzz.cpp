// A string-table block as a resource may hold it, damaged or not: entries
// whose lengths run past the block, any entry number, any output size.
#include "core/resource_rules.h"
#include "fuzz_bytes.h"

#include <memory>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size) {
    FuzzedDataProvider data(bytes, size);
    const unsigned entry = data.ConsumeIntegralInRange<unsigned>(0, 20);
    const size_t outSize = data.ConsumeIntegralInRange<size_t>(0, 600);
    const uint16_t wanted = data.ConsumeIntegral<uint16_t>();
    std::vector<uint16_t> offered;
    for (size_t n = data.ConsumeIntegralInRange<size_t>(0, 12); n > 0; --n)
        offered.push_back(data.ConsumeIntegral<uint16_t>());
    const uint16_t chosen = ChooseResourceLanguage(wanted, offered.data(), offered.size());
    if (chosen) {
        bool found = false;
        for (uint16_t language : offered) found = found || language == chosen;
        FUZZ_CHECK(found);
    }

    const std::vector<uint8_t> raw = data.ConsumeRemainingBytes<uint8_t>();
    const size_t blockChars = raw.size() / sizeof(char16_t);
    std::unique_ptr<char16_t[]> block(new char16_t[blockChars]);
    for (size_t i = 0; i < blockChars; ++i)
        block[i] = static_cast<char16_t>(raw[2 * i] | raw[2 * i + 1] << 8);
    std::unique_ptr<char16_t[]> out(new char16_t[outSize]);
    const size_t copied = CopyStringBlockEntry(block.get(), blockChars, entry, out.get(), outSize);
    if (copied) {
        FUZZ_CHECK(copied < outSize);
        FUZZ_CHECK(out[copied] == 0);
    }
    return 0;
}
