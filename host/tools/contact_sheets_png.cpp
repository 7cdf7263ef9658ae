#include "tools/contact_sheets_png.h"

#include <algorithm>
#include <array>

namespace {

const uint8_t kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr uint8_t kBitDepth = 8;
constexpr uint8_t kColourTypeRgb = 2;
constexpr uint8_t kNoFilter = 0;
constexpr size_t kBytesPerPixel = 3;

constexpr uint32_t kCrcPolynomial = 0xEDB88320u;
constexpr uint32_t kAdlerModulus = 65521;
// Sums stay below 2^32 for this many bytes between reductions.
constexpr size_t kAdlerRun = 5552;

// zlib header: deflate with a 32 KiB window, check bits for the fastest level.
constexpr uint8_t kZlibMethod = 0x78;
constexpr uint8_t kZlibFlags = 0x01;

constexpr size_t kWindow = 32768;
constexpr size_t kMinMatch = 3;
constexpr size_t kMaxMatch = 258;
constexpr size_t kHashBits = 15;
constexpr size_t kHashSize = size_t(1) << kHashBits;
constexpr int kMaxChain = 64;
constexpr int kNoPosition = -1;

constexpr unsigned kEndOfBlock = 256;
constexpr unsigned kFirstLengthCode = 257;
constexpr unsigned kFixedBlockHeader = 0x3;  // BFINAL, then BTYPE 01
constexpr unsigned kBlockHeaderBits = 3;
constexpr unsigned kDistanceCodeBits = 5;

// Lengths 3..258 and distances 1..32768 by code: base value and extra bits.
const uint16_t kLengthBase[] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
const uint8_t kLengthExtra[] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
const uint16_t kDistanceBase[] = {1,    2,    3,    4,    5,    7,     9,     13,    17,   25,
                                  33,   49,   65,   97,   129,  193,   257,   385,   513,  769,
                                  1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
const uint8_t kDistanceExtra[] = {0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                  6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

// The fixed literal/length code: code ranges, their first code and length.
struct FixedRange {
    unsigned first, last, code, bits;
};
const FixedRange kFixedCodes[] = {
    {0, 143, 0x30, 8}, {144, 255, 0x190, 9}, {256, 279, 0x00, 7}, {280, 287, 0xC0, 8}};

std::array<uint32_t, 256> MakeCrcTable() {
    std::array<uint32_t, 256> table{};
    for (uint32_t n = 0; n < table.size(); ++n) {
        uint32_t c = n;
        for (int k = 0; k < 8; ++k) c = (c & 1) ? kCrcPolynomial ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

// Deflate's bit order: values least significant bit first, Huffman codes
// most significant bit first.
class BitWriter {
public:
    explicit BitWriter(std::vector<uint8_t> *out) : out_(out) {}
    void Bits(uint32_t value, unsigned count) {
        for (unsigned i = 0; i < count; ++i) Bit((value >> i) & 1);
    }
    void Code(uint32_t code, unsigned count) {
        for (unsigned i = count; i-- > 0;) Bit((code >> i) & 1);
    }
    void Flush() {
        if (used_) out_->push_back(current_);
        current_ = 0;
        used_ = 0;
    }

private:
    void Bit(uint32_t bit) {
        current_ |= static_cast<uint8_t>(bit << used_);
        if (++used_ == 8) Flush();
    }
    std::vector<uint8_t> *out_;
    uint8_t current_ = 0;
    unsigned used_ = 0;
};

void WriteSymbol(BitWriter &bits, unsigned symbol) {
    for (const FixedRange &range : kFixedCodes) {
        if (symbol < range.first || symbol > range.last) continue;
        bits.Code(range.code + symbol - range.first, range.bits);
        return;
    }
}

template <size_t N>
size_t CodeOf(const uint16_t (&bases)[N], size_t value) {
    size_t code = 0;
    while (code + 1 < N && bases[code + 1] <= value) ++code;
    return code;
}

void WriteMatch(BitWriter &bits, size_t length, size_t distance) {
    const size_t lengthCode = CodeOf(kLengthBase, length);
    WriteSymbol(bits, kFirstLengthCode + static_cast<unsigned>(lengthCode));
    bits.Bits(static_cast<uint32_t>(length - kLengthBase[lengthCode]), kLengthExtra[lengthCode]);
    const size_t distanceCode = CodeOf(kDistanceBase, distance);
    bits.Code(static_cast<uint32_t>(distanceCode), kDistanceCodeBits);
    bits.Bits(static_cast<uint32_t>(distance - kDistanceBase[distanceCode]),
              kDistanceExtra[distanceCode]);
}

size_t Hash(const uint8_t *at) {
    const uint32_t key = (uint32_t(at[0]) << 16) | (uint32_t(at[1]) << 8) | at[2];
    return (key * 2654435761u) >> (32 - kHashBits);
}

// Greedy LZ77 over hash chains into one fixed-Huffman block.
void Deflate(const std::vector<uint8_t> &data, BitWriter &bits) {
    std::vector<int> head(kHashSize, kNoPosition);
    std::vector<int> previous(kWindow, kNoPosition);
    auto insert = [&](size_t pos) {
        if (pos + kMinMatch > data.size()) return;
        const size_t h = Hash(&data[pos]);
        previous[pos % kWindow] = head[h];
        head[h] = static_cast<int>(pos);
    };
    bits.Bits(kFixedBlockHeader, kBlockHeaderBits);
    size_t pos = 0;
    while (pos < data.size()) {
        size_t bestLength = 0, bestDistance = 0;
        if (pos + kMinMatch <= data.size()) {
            const size_t limit = std::min(kMaxMatch, data.size() - pos);
            int candidate = head[Hash(&data[pos])];
            for (int chain = 0; candidate != kNoPosition && chain < kMaxChain; ++chain) {
                const size_t from = static_cast<size_t>(candidate);
                if (pos - from > kWindow) break;
                size_t length = 0;
                while (length < limit && data[from + length] == data[pos + length]) ++length;
                if (length > bestLength) {
                    bestLength = length;
                    bestDistance = pos - from;
                    if (length == limit) break;
                }
                candidate = previous[from % kWindow];
            }
        }
        if (bestLength >= kMinMatch) {
            WriteMatch(bits, bestLength, bestDistance);
            for (size_t i = 0; i < bestLength; ++i) insert(pos + i);
            pos += bestLength;
        } else {
            WriteSymbol(bits, data[pos]);
            insert(pos);
            ++pos;
        }
    }
    WriteSymbol(bits, kEndOfBlock);
    bits.Flush();
}

void PutBigEndian(std::vector<uint8_t> *out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out->push_back(static_cast<uint8_t>(value >> shift));
}

void PutChunk(std::vector<uint8_t> *out, const char type[4], const std::vector<uint8_t> &body) {
    PutBigEndian(out, static_cast<uint32_t>(body.size()));
    const size_t typeAt = out->size();
    out->insert(out->end(), type, type + 4);
    out->insert(out->end(), body.begin(), body.end());
    PutBigEndian(out, Crc32(out->data() + typeAt, out->size() - typeAt));
}

}  // namespace

uint32_t Crc32(const uint8_t *data, size_t size, uint32_t crc) {
    static const std::array<uint32_t, 256> table = MakeCrcTable();
    crc = ~crc;
    for (size_t i = 0; i < size; ++i) crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

uint32_t Adler32(const uint8_t *data, size_t size) {
    uint32_t a = 1, b = 0;
    while (size) {
        const size_t run = std::min(size, kAdlerRun);
        for (size_t i = 0; i < run; ++i) {
            a += data[i];
            b += a;
        }
        a %= kAdlerModulus;
        b %= kAdlerModulus;
        data += run;
        size -= run;
    }
    return (b << 16) | a;
}

std::vector<uint8_t> ZlibCompress(const std::vector<uint8_t> &data) {
    std::vector<uint8_t> out = {kZlibMethod, kZlibFlags};
    BitWriter bits(&out);
    Deflate(data, bits);
    PutBigEndian(&out, Adler32(data.data(), data.size()));
    return out;
}

std::vector<uint8_t> EncodePng(const RgbImage &image) {
    const size_t rowBytes = size_t(image.width) * kBytesPerPixel;
    std::vector<uint8_t> rows;
    rows.reserve((rowBytes + 1) * image.height);
    for (uint32_t y = 0; y < image.height; ++y) {
        rows.push_back(kNoFilter);
        const auto row = image.pixels.begin() + static_cast<std::ptrdiff_t>(y * rowBytes);
        rows.insert(rows.end(), row, row + static_cast<std::ptrdiff_t>(rowBytes));
    }
    std::vector<uint8_t> header;
    PutBigEndian(&header, image.width);
    PutBigEndian(&header, image.height);
    header.insert(header.end(), {kBitDepth, kColourTypeRgb, 0, 0, 0});

    std::vector<uint8_t> png(std::begin(kSignature), std::end(kSignature));
    PutChunk(&png, "IHDR", header);
    PutChunk(&png, "IDAT", ZlibCompress(rows));
    PutChunk(&png, "IEND", {});
    return png;
}
