#include "core/dib_layout.h"

#include <gtest/gtest.h>

#include <cstring>
#include <tuple>
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

std::vector<size_t> Fields(const DibLayout &l) { return {l.colorCount, l.colorsOffset, l.bitsOffset, l.bitsBytes}; }

TEST(DibLayout, PalettedAndTrueColourBitmapsFindTheirTableAndPixels) {
    DibLayout layout;
    Header h;
    h.colorsUsed = 2;
    ASSERT_TRUE(Read(Dib(h, 2 * 4 + 4 * 2), &layout));
    // Colours, where they start, where the pixels start and how many bytes they take.
    EXPECT_EQ(Fields(layout), (std::vector<size_t>{2, 40, 48, 8}));

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
    EXPECT_EQ(Fields(layout), (std::vector<size_t>{0, 40, 40, 24}));
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
    // Width, height, bits per pixel, compression (2: four-bit run lengths at eight bits).
    const std::tuple<int32_t, int32_t, uint16_t, uint32_t> refused[] = {
        {0x7FFFFFFF, 0x7FFFFFFF, 32, 0}, {0x7FFFFFFF, INT32_MIN, 32, 0}, {-7, 5, 32, 0}, {0, 5, 32, 0},
        {1, 0, 32, 0}, {1, 1, 7, 0}, {1, 1, 8, 2}, {1, 1, 8, 4}};
    for (const auto &r : refused) {
        std::tie(h.width, h.height, h.bitCount, h.compression) = r;
        EXPECT_FALSE(Read(Dib(h, 4096), &layout))
            << h.width << "x" << h.height << " " << h.bitCount << " " << h.compression;
    }
}

}  // namespace
