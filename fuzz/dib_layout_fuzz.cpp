// Bitmap resources as a side library or a damaged module may hold them:
// whatever the header claims, a layout that is accepted lies wholly inside
// the resource's bytes.
#include "core/dib_layout.h"
#include "fuzz_bytes.h"

#include <algorithm>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size) {
    // The resource's bytes alone, without slack after them.
    std::unique_ptr<uint8_t[]> resource(new uint8_t[size]);
    std::copy(bytes, bytes + size, resource.get());
    DibLayout layout;
    if (!ReadDibLayout(resource.get(), size, &layout)) return 0;
    FUZZ_CHECK(layout.colorsOffset >= 40);
    FUZZ_CHECK(layout.colorsOffset + size_t(layout.colorCount) * 4 == layout.bitsOffset);
    FUZZ_CHECK(layout.bitsOffset <= size);
    FUZZ_CHECK(layout.bitsBytes <= size - layout.bitsOffset);
    // Every byte the platform would read is read here, under the sanitizer.
    volatile uint8_t sink = 0;
    for (size_t i = 0; i < layout.bitsBytes; ++i) sink ^= resource[layout.bitsOffset + i];
    for (size_t i = 0; i < size_t(layout.colorCount) * 4; ++i)
        sink ^= resource[layout.colorsOffset + i];
    return 0;
}
