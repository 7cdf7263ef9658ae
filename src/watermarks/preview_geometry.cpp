#include "watermarks/preview_geometry.h"

#include "watermarks/watermark_record.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr PaperSize kA4 = {2100, 2970};
constexpr int32_t kTenthsPerPointScaled = 100;   // a point is 100 / 28 tenths of a millimetre
constexpr int32_t kFrameHeightPercent = 120;
constexpr int32_t kFramePadding = 4;
constexpr int32_t kOuterFrameGap = 6;
constexpr int32_t kLargeOuterFrameGap = 8;
constexpr uint32_t kLargeSize = 222;
constexpr int32_t kCircleGrowth = 11;            // the circle is 11/10 of the text's diagonal
constexpr int32_t kCircleGrowthBase = 10;
constexpr int32_t kRingWidth = 2;
constexpr int32_t kLargeRingWidth = 3;
constexpr int32_t kRightAngle = 90;
constexpr int32_t kHalfTurn = 180;
constexpr int32_t kSteepFirst = 40;
constexpr int32_t kSteepLast = 50;
constexpr int16_t kMaxScale = 32767;

// 10000 × sin a°, a = 0..90.
const int16_t kSineTable[kRightAngle + 1] = {
    0, 175, 349, 523, 698, 872, 1045, 1219, 1392, 1564,
    1736, 1908, 2079, 2250, 2419, 2588, 2756, 2924, 3090, 3256,
    3420, 3584, 3746, 3907, 4067, 4226, 4384, 4540, 4695, 4848,
    5000, 5150, 5299, 5446, 5592, 5736, 5878, 6018, 6157, 6293,
    6428, 6561, 6691, 6820, 6947, 7071, 7193, 7314, 7431, 7547,
    7660, 7771, 7880, 7986, 8090, 8192, 8290, 8387, 8480, 8572,
    8660, 8746, 8829, 8910, 8988, 9063, 9135, 9205, 9272, 9336,
    9397, 9455, 9511, 9563, 9613, 9659, 9703, 9744, 9781, 9816,
    9848, 9877, 9903, 9925, 9945, 9962, 9976, 9986, 9994, 9998,
    10000,
};

// A paper row: the first character, then up to two further characters at
// given places (a place of 0 means no test).
struct PaperRow {
    char16_t first;
    size_t secondAt;
    char16_t second;
    size_t thirdAt;
    char16_t third;
    PaperSize size;
};

const PaperRow kPaperRows[] = {
    {u'A', 1, u'4', 0, 0, {2100, 2970}},
    {u'A', 1, u'5', 0, 0, {1480, 2100}},
    {u'A', 1, u'6', 0, 0, {1050, 1480}},
    {u'B', 1, u'5', 0, 0, {1820, 2570}},
    {u'C', 1, u'5', 0, 0, {1620, 2290}},
    {u'C', 1, u'o', 4, u'1', {1050, 2410}},
    {u'C', 1, u'o', 4, u'9', {980, 2250}},
    {u'D', 1, u'L', 0, 0, {970, 2200}},
    {u'E', 1, u'x', 0, 0, {1840, 2660}},
    {u'M', 1, u'o', 0, 0, {856, 1905}},
    {u'L', 2, u't', 0, 0, {2150, 2790}},
    {u'L', 2, u'g', 6, u'3', {2030, 3300}},
    {u'L', 2, u'g', 6, u'4', {2030, 3550}},
    {u'P', 1, u'o', 0, 0, {2100, 2970}},
    {0x306F, 1, 0x304C, 0, 0, {1000, 1480}},
    {0xFF74, 1, 0xFF78, 0, 0, {1840, 2660}},
    {0xFF98, 7, u'3', 0, 0, {2030, 3300}},
    {0xFF98, 7, u'4', 0, 0, {2030, 3550}},
    {0x30EC, 1, 0x30BF, 0, 0, {2150, 2790}},
    {0x5F80, 1, 0x5FA9, 0, 0, {2000, 1480}},
    {0x5C01, 2, 0xFF11, 0, 0, {2349, 1199}},
    {0x5C01, 2, 0xFF12, 0, 0, {2049, 899}},
    {0x5C01, 2, 0xFF13, 0, 0, {2349, 1051}},
    {0x5C01, 2, 0xFF14, 0, 0, {2970, 2159}},
};

int32_t Sine(int angle) { return kSineTable[std::clamp(angle, 0, kRightAngle)]; }

int32_t IntegerSqrt(int64_t value) {
    if (value <= 0) return 0;
    int64_t root = 0;
    int64_t bit = int64_t(1) << 62;
    while (bit > value) bit >>= 2;
    while (bit) {
        if (value >= root + bit) {
            value -= root + bit;
            root = (root >> 1) + bit;
        } else {
            root >>= 1;
        }
        bit >>= 2;
    }
    return static_cast<int32_t>(root);
}

int32_t Turned(int32_t a, int32_t b, int32_t first, int32_t second) {
    return static_cast<int32_t>((int64_t(a) * first + int64_t(b) * second) / kSineOne);
}

// The angle folded into 0..89 (90 for a half turn) decides whether the
// outlines are steep enough to need the thicker pen.
bool SteepAngle(int32_t angle) {
    const int32_t folded = angle == kHalfTurn ? kRightAngle : (angle + kHalfTurn) % kRightAngle;
    return folded >= kSteepFirst && folded <= kSteepLast;
}

int32_t FrameThickness(const WatermarkShape &shape, int32_t angle) {
    const bool large = shape.size >= kLargeSize;
    const bool steep = SteepAngle(angle);
    if (shape.border == kBorderDouble) return large ? (steep ? 3 : 2) : 1;
    return (large ? 3 : 2) + (steep ? 1 : 0);
}

}  // namespace

PaperSize GetPreviewPaperSize(const char16_t *formName, int16_t orientation) {
    size_t length = 0;
    while (formName && length < kPreviewFormNameChars && formName[length]) ++length;
    auto at = [&](size_t i) -> char16_t { return i < length ? formName[i] : 0; };
    PaperSize size = kA4;
    for (const PaperRow &row : kPaperRows) {
        if (at(0) != row.first || at(row.secondAt) != row.second) continue;
        if (row.thirdAt && at(row.thirdAt) != row.third) continue;
        size = row.size;
        break;
    }
    if (orientation != kPortrait) std::swap(size.width, size.height);
    return size;
}

int16_t SineTableEntry(int angle) { return static_cast<int16_t>(Sine(angle)); }

bool ComputePreviewPage(int32_t clientWidth, int32_t clientHeight, PaperSize paper,
                        PreviewPage *page) {
    const int32_t room = std::min(clientWidth, clientHeight) - kPreviewMargin;
    if (room <= 0 || paper.width <= 0 || paper.height <= 0) return false;
    const int64_t longer = std::max(paper.width, paper.height);
    const int64_t scale = longer * kScaleUnit / room;
    if (scale <= 0 || scale > kMaxScale) return false;
    const int32_t s = static_cast<int32_t>(scale);
    const int32_t width = static_cast<int32_t>(int64_t(paper.width) * kScaleUnit / s);
    const int32_t height = static_cast<int32_t>(int64_t(paper.height) * kScaleUnit / s);
    if (width <= 0 || height <= 0) return false;
    page->scale = s;
    page->rect.left = (clientWidth - width) / 2;
    page->rect.top = (clientHeight - height) / 2;
    page->rect.right = page->rect.left + width;
    page->rect.bottom = page->rect.top + height;
    return true;
}

int32_t PreviewFontHeight(uint32_t pointSize, int32_t scale) {
    if (scale <= 0) return 1;
    const int64_t height = (int64_t(pointSize) * 2 * kTenthsPerPointScaled + scale) / (2 * int64_t(scale));
    return static_cast<int32_t>(std::clamp<int64_t>(height, 1, INT32_MAX));
}

WatermarkLayout ComputeWatermarkLayout(const PreviewPage &page, const WatermarkShape &shape,
                                       int32_t textW, int32_t textH) {
    WatermarkLayout out = {};
    const int32_t a = std::clamp<int32_t>(shape.angle, -kHalfTurn, kHalfTurn);
    const int32_t W = std::max(textW, 0);
    const int32_t H = std::max(textH, 0);
    if (a < -kRightAngle) {
        out.sn = Sine(a + kHalfTurn);
        out.cs = Sine(-a - kRightAngle);
    } else if (a < 0) {
        out.sn = Sine(-a);
        out.cs = Sine(kRightAngle + a);
    } else if (a < kRightAngle) {
        out.sn = Sine(a);
        out.cs = Sine(kRightAngle - a);
    } else {
        out.sn = Sine(kHalfTurn - a);
        out.cs = Sine(a - kRightAngle);
    }
    const int32_t sn = out.sn, cs = out.cs;
    out.textWidth = Turned(cs, sn, W, H);
    out.textHeight = Turned(sn, cs, W, H);

    PreviewPoint anchorInBox;
    if (a < -kRightAngle)
        anchorInBox = {Turned(cs, 0, W, 0), 0};
    else if (a < 0)
        anchorInBox = {0, Turned(cs, 0, H, 0)};
    else if (a < kRightAngle)
        anchorInBox = {Turned(sn, 0, H, 0), out.textHeight};
    else
        anchorInBox = {out.textWidth, Turned(sn, 0, W, 0)};

    const bool large = shape.size >= kLargeSize;
    out.frameHeight = H * kFrameHeightPercent / 100 + kFramePadding;
    out.frameWidth = W + 2 * (out.frameHeight - H) - kFramePadding;
    const int32_t gap = large ? kLargeOuterFrameGap : kOuterFrameGap;
    out.outerWidth = out.frameWidth + gap;
    out.outerHeight = out.frameHeight + gap;
    const int32_t diameter =
        IntegerSqrt(int64_t(W) * W + int64_t(H) * H) * kCircleGrowth / kCircleGrowthBase;

    switch (shape.border) {
    case kBorderCircle:
        out.borderWidth = out.borderHeight = diameter;
        break;
    case kBorderSingle:
        out.borderWidth = Turned(cs, sn, out.frameWidth, out.frameHeight);
        out.borderHeight = Turned(sn, cs, out.frameWidth, out.frameHeight);
        break;
    case kBorderDouble:
        out.borderWidth = Turned(cs, sn, out.outerWidth, out.outerHeight);
        out.borderHeight = Turned(sn, cs, out.outerWidth, out.outerHeight);
        break;
    default:
        out.borderWidth = out.textWidth;
        out.borderHeight = out.textHeight;
        break;
    }

    const PreviewRect &r = page.rect;
    const int32_t usableW = (r.right - r.left) - 2 * kPageInset;
    const int32_t usableH = (r.bottom - r.top) - 2 * kPageInset;
    const int32_t centreX = usableW / 2 - out.borderWidth / 2;
    const int32_t centreY = usableH / 2 - out.borderHeight / 2;
    const int32_t rightX = usableW - out.borderWidth;
    const int32_t bottomY = usableH - out.borderHeight;
    static const struct { int8_t x, y; } kPlaces[kWatermarkPositions] = {
        {0, 0}, {1, 0}, {2, 0}, {1, 1}, {0, 2}, {1, 2}, {2, 2}};
    const auto &place = kPlaces[shape.position < kWatermarkPositions ? shape.position : kDefaultWatermarkPosition];
    const int32_t xs[] = {0, centreX, rightX};
    const int32_t ys[] = {0, centreY, bottomY};
    const int32_t scale = page.scale > 0 ? page.scale : 1;
    out.borderBox.x = xs[place.x] + r.left + kPageInset +
                      static_cast<int32_t>(int64_t(shape.offsetX) * kTenthsPerPointScaled / scale);
    out.borderBox.y = ys[place.y] + r.top + kPageInset +
                      static_cast<int32_t>(int64_t(shape.offsetY) * kTenthsPerPointScaled / scale);

    out.textBox.x = out.borderBox.x + out.borderWidth / 2 - out.textWidth / 2;
    out.textBox.y = out.borderBox.y + out.borderHeight / 2 - out.textHeight / 2;
    out.anchor.x = out.textBox.x + anchorInBox.x;
    out.anchor.y = out.textBox.y + anchorInBox.y;

    out.centre = {out.borderBox.x + diameter / 2, out.borderBox.y + diameter / 2};
    out.innerRadius = diameter / 2;
    out.outerRadius = out.innerRadius + (large ? kLargeRingWidth : kRingWidth);
    out.thickness = shape.border == kBorderCircle ? out.outerRadius - out.innerRadius
                                                  : FrameThickness(shape, a);
    return out;
}

void RotatedBoxCorners(PreviewPoint centre, int32_t w, int32_t h, int16_t angle,
                       PreviewPoint corners[4]) {
    const int32_t a = std::clamp<int32_t>(angle, -kHalfTurn, kHalfTurn);
    const int32_t magnitude = std::abs(a);
    const int32_t sine = (a < 0 ? -1 : 1) * Sine(magnitude <= kRightAngle ? magnitude : kHalfTurn - magnitude);
    const int32_t cosine = magnitude <= kRightAngle ? Sine(kRightAngle - magnitude)
                                                    : -Sine(magnitude - kRightAngle);
    // Along the text (cos, -sin) and towards its foot (sin, cos), halved.
    static const int kSigns[4][2] = {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}};
    for (int i = 0; i < 4; ++i) {
        const int64_t along = int64_t(kSigns[i][0]) * w;
        const int64_t across = int64_t(kSigns[i][1]) * h;
        const int64_t dx = along * cosine + across * sine;
        const int64_t dy = -along * sine + across * cosine;
        corners[i].x = centre.x + static_cast<int32_t>(dx / (2 * kSineOne));
        corners[i].y = centre.y + static_cast<int32_t>(dy / (2 * kSineOne));
    }
}

bool RingSpan(int32_t innerRadius, int32_t outerRadius, int32_t dy, int32_t *first,
              int32_t *last) {
    const int64_t row = int64_t(dy) * dy;
    const int64_t outer = int64_t(outerRadius) * outerRadius;
    if (outerRadius <= 0 || row > outer) return false;
    *last = IntegerSqrt(outer - row);
    const int64_t hole = int64_t(innerRadius) * innerRadius - row;
    if (hole <= 0) {
        *first = 0;
        return true;
    }
    int32_t x = IntegerSqrt(hole);
    if (int64_t(x) * x < hole) ++x;
    *first = x;
    return *first <= *last;
}
