// Where the parts of a device-independent bitmap resource lie: header,
// colour table and pixels, each checked against the bytes the resource
// really holds. A bitmap comes from the plug-in's own module or from a
// model's side library, and its header may claim any size. Pure code: no
// platform headers.
#pragma once

#include <cstddef>
#include <cstdint>

struct DibLayout {
    uint32_t colorCount;  // entries of the colour table
    size_t colorsOffset;  // where the colour table starts
    size_t bitsOffset;    // where the pixels start
    size_t bitsBytes;     // how many bytes of pixels the header asks for
};

// False when the bytes hold no bitmap the platform can draw from them
// alone: a header shorter than its own size, a width or height of no
// pixels, a depth or compression it does not know, or a colour table,
// masks or pixels beyond `size`. The colour count is the header's
// used-colours value, or 1 shifted left by the depth; 24 and 32 bits per
// pixel have no table.
bool ReadDibLayout(const uint8_t *data, size_t size, DibLayout *layout);
