// The geometry of the watermark page preview: paper size from the form
// name, the scale, the page rectangle, the font height, and the text and
// border boxes of the watermark in pixels. Pure code: no platform headers.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr size_t kPreviewFormNameChars = 32;
constexpr int16_t kPortrait = 1;
// One pixel stands for scale / 28 tenths of a millimetre.
constexpr int32_t kScaleUnit = 28;
// The control's smaller side less this margin holds the page's longer side.
constexpr int32_t kPreviewMargin = 16;
// The page inset that the watermark keeps from the paper's edges.
constexpr int32_t kPageInset = 2;
constexpr int32_t kSineOne = 10000;

struct PaperSize {
    int32_t width;   // tenths of a millimetre
    int32_t height;
};

// The paper of the form name (32 characters at most, terminated or not),
// width and height exchanged when the orientation is not portrait.
PaperSize GetPreviewPaperSize(const char16_t *formName, int16_t orientation);

// 10000 × sin a° for a = 0..90, rounded.
int16_t SineTableEntry(int angle);

struct PreviewRect {
    int32_t left, top, right, bottom;
};

struct PreviewPage {
    int32_t scale;   // s
    PreviewRect rect;
};

// False when the control is too small for a page or the scale wraps in
// 16 bits: nothing is drawn then.
bool ComputePreviewPage(int32_t clientWidth, int32_t clientHeight, PaperSize paper,
                        PreviewPage *page);

// The font height in pixels for a size in points, at least 1.
int32_t PreviewFontHeight(uint32_t pointSize, int32_t scale);

struct WatermarkShape {
    uint32_t size;
    int16_t angle;
    int32_t offsetX, offsetY;
    uint16_t position;
    uint16_t border;
};

struct PreviewPoint {
    int32_t x, y;
};

struct WatermarkLayout {
    int32_t sn, cs;                    // |sin| and |cos| of the angle, × 10000
    int32_t textWidth, textHeight;     // the rotated text's box, tw × th
    PreviewPoint textBox;              // its top left
    PreviewPoint anchor;               // left end of the text cell's bottom
    int32_t borderWidth, borderHeight; // bw × bh
    PreviewPoint borderBox;            // its top left (bx, by)
    // Frames: the single (inner) frame box and the outer box of the double
    // frame, unrotated, and the outline thickness of the chosen border.
    int32_t frameWidth, frameHeight;
    int32_t outerWidth, outerHeight;
    int32_t thickness;
    // Circle: the ring between these radii around the centre.
    PreviewPoint centre;
    int32_t innerRadius, outerRadius;
};

// The layout of text whose unrotated extent is textW × textH pixels.
WatermarkLayout ComputeWatermarkLayout(const PreviewPage &page, const WatermarkShape &shape,
                                       int32_t textW, int32_t textH);

// The four corners of a w × h box turned by `angle` degrees counter-
// clockwise about `centre` (screen coordinates, y downwards), in order
// around the box.
void RotatedBoxCorners(PreviewPoint centre, int32_t w, int32_t h, int16_t angle,
                       PreviewPoint corners[4]);

// The ring's pixels on row `dy` from the centre: columns `first` to `last`
// on each side of the centre (first = 0: one run across the row); false
// when the row misses the ring.
bool RingSpan(int32_t innerRadius, int32_t outerRadius, int32_t dy, int32_t *first,
              int32_t *last);
