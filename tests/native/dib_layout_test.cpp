#include "core/dib_layout.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

struct Header {
    uint32_t size = 40;
    int32_t width = 4;
    int32_t height = 2;
    uint16_t planes = 1;
    uint16_t bitCount = 8;
    uint32_t compression = 0;
    uint32_t sizeImage = 0;
    int32_t xPels = 0, yPels = 0;
    uint32_t colorsUsed = 0;
    uint32_t colorsImportant = 0;
};
static_assert(sizeof(Header) == 40, "BITMAPINFOHEADER");

std::vector<uint8_t> Dib(const Header &h, size_t after) {
    std::vector<uint8_t> bytes(sizeof(h) + after, 0);
    std::memcpy(bytes.data(), &h, sizeof(h));
    return bytes;
}

bool Read(const std::vector<uint8_t> &bytes, DibLayout *layout) {
    return ReadDibLayout(bytes.data(), bytes.size(), layout);
}

TEST(DibLayout, PalettedAndTrueColourBitmapsFindTheirTableAndPixels) {
    DibLayout layout;
    Header h;
    h.colorsUsed = 2;
    ASSERT_TRUE(Read(Dib(h, 2 * 4 + 4 * 2), &layout));
    EXPECT_EQ(layout.colorCount, 2u);
    EXPECT_EQ(layout.colorsOffset, 40u);
    EXPECT_EQ(layout.bitsOffset, 48u);
    EXPECT_EQ(layout.bitsBytes, 8u);

    // No used-colours value: the whole table of the depth.
    h.colorsUsed = 0;
    EXPECT_FALSE(Read(Dib(h, 256 * 4 + 7), &layout));
    ASSERT_TRUE(Read(Dib(h, 256 * 4 + 8), &layout));
    EXPECT_EQ(layout.colorCount, 256u);

    // 24 bits per pixel, bottom-up or top-down: no table, rows padded.
    h.bitCount = 24;
    h.width = 3;
    h.height = -2;
    ASSERT_TRUE(Read(Dib(h, 12 * 2), &layout));
    EXPECT_EQ(layout.colorCount, 0u);
    EXPECT_EQ(layout.bitsBytes, 24u);
}

TEST(DibLayout, HeadersOfAnotherSizeAndMasksThatAreNotThereAreRefused) {
    DibLayout layout;
    Header h;
    EXPECT_FALSE(ReadDibLayout(nullptr, 100, &layout));
    EXPECT_FALSE(Read(std::vector<uint8_t>(39, 0), &layout));
    h.size = 12;
    EXPECT_FALSE(Read(Dib(h, 2000), &layout));

    // Run lengths need their stated size; a colour table follows the three masks.
    h = Header();
    h.compression = 1;
    h.colorsUsed = 1;
    h.width = h.height = 4000;
    h.sizeImage = 0;
    EXPECT_FALSE(Read(Dib(h, 4 + 6), &layout));
    h = Header();
    h.bitCount = 16;
    h.compression = 3;
    h.colorsUsed = 1;
    EXPECT_FALSE(Read(Dib(h, 8 + 4 + 8), &layout));
    ASSERT_TRUE(Read(Dib(h, 12 + 4 + 16), &layout));
    EXPECT_EQ(layout.colorsOffset, 52u);
}

TEST(DibLayout, SizesThatOverflowOrDrawNothingAreRefused) {
    DibLayout layout;
    Header h;
    h.bitCount = 32;
    h.width = 0x7FFFFFFF;
    h.height = 0x7FFFFFFF;
    EXPECT_FALSE(Read(Dib(h, 4096), &layout));
    h.height = INT32_MIN;
    EXPECT_FALSE(Read(Dib(h, 4096), &layout));
    h.width = -7;
    h.height = 5;
    EXPECT_FALSE(Read(Dib(h, 4096), &layout));
    h.width = 0;
    EXPECT_FALSE(Read(Dib(h, 4096), &layout));
    h.width = 1;
    h.height = 0;
    EXPECT_FALSE(Read(Dib(h, 4096), &layout));
    h.height = 1;
    h.bitCount = 7;
    EXPECT_FALSE(Read(Dib(h, 4096), &layout));
    h.bitCount = 8;
    h.compression = 2;  // four-bit run lengths at eight bits
    EXPECT_FALSE(Read(Dib(h, 4096), &layout));
    h.compression = 4;
    EXPECT_FALSE(Read(Dib(h, 4096), &layout));
}

}  // namespace
