// PNG files of RGB images, written without any library: one zlib stream
// of fixed-Huffman deflate blocks over the unfiltered rows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// 8 bits per channel, rows top first, no padding.
struct RgbImage {
    uint32_t width = 0;
    uint32_t height = 0;
    std::vector<uint8_t> pixels;
};

std::vector<uint8_t> EncodePng(const RgbImage &image);

// The checksums the format uses, exposed for their known answers.
uint32_t Crc32(const uint8_t *data, size_t size, uint32_t crc = 0);
uint32_t Adler32(const uint8_t *data, size_t size);
// A complete zlib stream of `data`.
std::vector<uint8_t> ZlibCompress(const std::vector<uint8_t> &data);
