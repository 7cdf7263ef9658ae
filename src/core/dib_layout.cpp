#include "core/dib_layout.h"

#include <cstring>

namespace {

constexpr size_t kInfoHeaderBytes = 40;
constexpr size_t kColorEntryBytes = 4;
constexpr size_t kBitfieldMasksBytes = 12;
constexpr uint32_t kBiRgb = 0, kBiRle8 = 1, kBiRle4 = 2, kBiBitfields = 3;
constexpr uint16_t kTrueColorBits = 24;
constexpr uint16_t kLargestDepth = 32;
constexpr uint16_t kOnePlane = 1;

struct InfoHeader {
    uint32_t size;
    int32_t width;
    int32_t height;
    uint16_t planes;
    uint16_t bitCount;
    uint32_t compression;
    uint32_t sizeImage;
    uint32_t colorsUsed;
};

template <typename T>
T Read(const uint8_t *at) {
    T value;
    std::memcpy(&value, at, sizeof(value));
    return value;
}

// The fields of the platform's BITMAPINFOHEADER, at their fixed offsets.
InfoHeader ReadHeader(const uint8_t *data) {
    InfoHeader h;
    h.size = Read<uint32_t>(data);
    h.width = Read<int32_t>(data + 4);
    h.height = Read<int32_t>(data + 8);
    h.planes = Read<uint16_t>(data + 12);
    h.bitCount = Read<uint16_t>(data + 14);
    h.compression = Read<uint32_t>(data + 16);
    h.sizeImage = Read<uint32_t>(data + 20);
    h.colorsUsed = Read<uint32_t>(data + 32);
    return h;
}

bool KnownDepth(uint16_t bits) {
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

// The compression goes with the depth: run lengths of 8 or 4 bits, masks
// for 16 or 32 bits.
bool KnownCompression(const InfoHeader &h) {
    switch (h.compression) {
    case kBiRgb: return true;
    case kBiRle8: return h.bitCount == 8;
    case kBiRle4: return h.bitCount == 4;
    case kBiBitfields: return h.bitCount == 16 || h.bitCount == 32;
    default: return false;
    }
}

// Rows of packed pixels, each padded to four bytes; false when they do not
// fit into `available`.
bool PixelBytes(const InfoHeader &h, size_t available, size_t *bytes) {
    if (h.compression == kBiRle8 || h.compression == kBiRle4) {
        *bytes = h.sizeImage;
        return h.sizeImage > 0 && h.sizeImage <= available;
    }
    const uint64_t stride = (static_cast<uint64_t>(h.width) * h.bitCount + 31) / 32 * 4;
    const uint64_t rows = h.height < 0 ? 0 - static_cast<int64_t>(h.height) : h.height;
    if (rows > available / stride) return false;
    *bytes = static_cast<size_t>(stride * rows);
    return *bytes <= available;
}

}  // namespace

bool ReadDibLayout(const uint8_t *data, size_t size, DibLayout *layout) {
    if (!data || size < kInfoHeaderBytes) return false;
    const InfoHeader h = ReadHeader(data);
    if (h.size < kInfoHeaderBytes || h.size > size) return false;
    if (h.width <= 0 || h.height == 0 || h.height == INT32_MIN || h.planes != kOnePlane) return false;
    if (!KnownDepth(h.bitCount) || !KnownCompression(h)) return false;

    uint32_t colors = 0;
    if (h.bitCount != kTrueColorBits && h.bitCount < kLargestDepth)
        colors = h.colorsUsed ? h.colorsUsed : (1u << h.bitCount);
    // A plain header is followed by the three masks before any colours.
    const size_t masks = h.compression == kBiBitfields && h.size == kInfoHeaderBytes
                             ? kBitfieldMasksBytes
                             : 0;
    const size_t colorsOffset = h.size + masks;
    if (colorsOffset > size || colors > (size - colorsOffset) / kColorEntryBytes) return false;
    const size_t bitsOffset = colorsOffset + size_t(colors) * kColorEntryBytes;
    size_t bitsBytes = 0;
    if (!PixelBytes(h, size - bitsOffset, &bitsBytes)) return false;
    *layout = {colors, colorsOffset, bitsOffset, bitsBytes};
    return true;
}
