// Helpers of the libFuzzer targets: 16-bit text out of fuzz bytes, and a
// check that ends the run loudly when a property of the code breaks.
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#define FUZZ_CHECK(condition)                                                         \
    do {                                                                              \
        if (!(condition)) {                                                           \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__,     \
                         #condition);                                                 \
            std::abort();                                                             \
        }                                                                             \
    } while (0)

// Little-endian 16-bit text out of raw bytes, ended at the first NUL.
inline std::u16string U16FromBytes(const std::vector<uint8_t> &bytes) {
    std::u16string text;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const char16_t c = static_cast<char16_t>(bytes[i] | bytes[i + 1] << 8);
        if (c == 0) break;
        text.push_back(c);
    }
    return text;
}

// Up to `maxChars` characters, taken from the front of the input so that
// seeds hold their texts as plain UTF-16LE.
inline std::u16string ConsumeU16Text(FuzzedDataProvider &data, size_t maxChars) {
    const size_t chars = data.ConsumeIntegralInRange<size_t>(0, maxChars);
    return U16FromBytes(data.ConsumeBytes<uint8_t>(chars * sizeof(char16_t)));
}

// Every remaining byte pair as 16-bit text, ended where the input or its
// first NUL ends it.
inline std::u16string RemainingU16Text(FuzzedDataProvider &data) {
    return U16FromBytes(data.ConsumeRemainingBytes<uint8_t>());
}
