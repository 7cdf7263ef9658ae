// The watermark preview's paper sizes, scale, page rectangle, font height
// and the text, border and ring geometry.
#include "watermarks/preview_geometry.h"
#include "watermarks/watermark_record.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

namespace {

constexpr int16_t kLandscape = 2;

using Pair = std::pair<int32_t, int32_t>;

PaperSize Paper(const std::u16string &form, int16_t orientation = kPortrait) {
    return GetPreviewPaperSize(form.c_str(), orientation);
}

Pair Size(const PaperSize &size) { return {size.width, size.height}; }
Pair At(const PreviewPoint &point) { return {point.x, point.y}; }
Pair RectSize(const PreviewPage &page) {
    return {page.rect.right - page.rect.left, page.rect.bottom - page.rect.top};
}

TEST(PreviewPaper, FirstCharactersChooseTheRowAndEverythingElseIsA4) {
    const struct {
        std::u16string form;
        int32_t width, height;
    } rows[] = {
        {u"A4", 2100, 2970}, {u"A5", 1480, 2100}, {u"A6", 1050, 1480}, {u"B5 (JIS)", 1820, 2570},
        {u"C5 Envelope", 1620, 2290}, {u"Comm10", 1050, 2410}, {u"Comm9", 980, 2250},
        {u"DL Envelope", 970, 2200}, {u"Executive", 1840, 2660}, {u"Monarch", 856, 1905},
        {u"Letter", 2150, 2790}, {u"Legal13", 2030, 3300}, {u"Legal14", 2030, 3550},
        {u"Postcard", 2100, 2970}, {u"\u306F\u304C\u304D", 1000, 1480}, {u"\uFF74\uFF78", 1840, 2660},
        {u"\uFF98\uFF70\uFF76\uFF9E\uFF99 13", 2030, 3300}, {u"\u30EC\u30BF\u30FC", 2150, 2790},
        {u"\u5F80\u5FA9\u306F\u304C\u304D", 2000, 1480}, {u"\u5C01\u7B52\uFF11", 2349, 1199},
        {u"\u5C01\u7B52\uFF12", 2049, 899}, {u"\u5C01\u7B52\uFF13", 2349, 1051},
        {u"\u5C01\u7B52\uFF14", 2970, 2159},
        // The seventh character of "Legal" is past its end.
        {u"Tabloid", 2100, 2970}, {u"A3", 2100, 2970}, {u"Legal", 2100, 2970}, {u"", 2100, 2970},
    };
    for (const auto &row : rows)
        EXPECT_EQ(Size(Paper(row.form)), Pair(row.width, row.height)) << std::string(row.form.begin(), row.form.end());
    EXPECT_EQ(GetPreviewPaperSize(nullptr, kPortrait).width, 2100);
    // A name filling all 32 characters without a terminator is read no further.
    std::u16string full(40, u'L');
    full[2] = u'g';
    full[6] = u'3';
    EXPECT_EQ(GetPreviewPaperSize(full.c_str(), kPortrait).height, 3300);
}

TEST(PreviewPaper, LandscapeExchangesWidthAndHeight) {
    EXPECT_EQ(Size(Paper(u"A5", kLandscape)), Pair(2100, 1480));
    EXPECT_EQ(Paper(u"A5", 0).width, 2100) << "anything but portrait";
}

TEST(PreviewPage, A4InA135PixelControl) {
    PreviewPage page;
    ASSERT_TRUE(ComputePreviewPage(135, 160, Paper(u"A4"), &page));
    EXPECT_EQ(page.scale, 698);
    EXPECT_EQ(RectSize(page), Pair(84, 119));
    EXPECT_EQ(Pair(page.rect.left, page.rect.top), Pair((135 - 84) / 2, (160 - 119) / 2));
    EXPECT_EQ(PreviewFontHeight(72, page.scale), 10);

    ASSERT_TRUE(ComputePreviewPage(135, 160, Paper(u"A4", kLandscape), &page));
    EXPECT_EQ(page.scale, 698);
    EXPECT_EQ(RectSize(page), Pair(119, 84));
}

TEST(PreviewPage, TooSmallControlsAndWrappingScalesDrawNothing) {
    PreviewPage page;
    // At 17 by 17 pixels the scale, 83160, does not fit 16 bits.
    for (const Pair &control : {Pair(16, 200), Pair(0, 0), Pair(-5, 100), Pair(17, 17)})
        EXPECT_FALSE(ComputePreviewPage(control.first, control.second, Paper(u"A4"), &page)) << control.first;
    ASSERT_TRUE(ComputePreviewPage(20, 20, Paper(u"A4"), &page));
    EXPECT_GT(page.rect.right, page.rect.left);
    EXPECT_GT(page.rect.bottom, page.rect.top);
}

TEST(PreviewFont, HeightIsTheRoundedSizeAtLeastOne) {
    EXPECT_EQ(PreviewFontHeight(0, 698), 1);
    EXPECT_EQ(PreviewFontHeight(600, 698), 86);
    EXPECT_EQ(PreviewFontHeight(4000000000u, 698), 573065903) << "no overflow";
}

TEST(PreviewSine, TableEntries) {
    for (int a = 0; a <= 90; ++a)
        EXPECT_EQ(SineTableEntry(a), static_cast<int>(std::lround(10000 * std::sin(a * M_PI / 180))));
}

// Watermarks on an A4 page in a 135 by 160 pixel control.
class WatermarkLayoutTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(ComputePreviewPage(135, 160, Paper(u"A4"), &page)); }
    PreviewPage page;
};

Pair AnchorInBox(const WatermarkLayout &l) { return {l.anchor.x - l.textBox.x, l.anchor.y - l.textBox.y}; }

WatermarkShape Shape(int16_t angle, uint16_t position = 3, uint16_t border = kBorderNone, uint32_t size = 72) {
    return WatermarkShape{size, angle, 0, 0, position, border};
}

TEST_F(WatermarkLayoutTest, AngleZeroAnchorsAtTheBottomLeftOfTheTextBox) {
    const WatermarkLayout l = ComputeWatermarkLayout(page, Shape(0), 50, 10);
    EXPECT_EQ(Pair(l.textWidth, l.textHeight), Pair(50, 10));
    EXPECT_EQ(At(l.anchor), Pair(l.textBox.x, l.textBox.y + 10));
    // Centred in the page less two pixels on every side.
    EXPECT_EQ(At(l.borderBox), Pair(page.rect.left + 2 + 80 / 2 - 25, page.rect.top + 2 + 115 / 2 - 5));
}

TEST_F(WatermarkLayoutTest, AnchorInEachQuadrant) {
    // -30: sn 5000, cs 8660.
    WatermarkLayout l = ComputeWatermarkLayout(page, Shape(-30), 50, 10);
    EXPECT_EQ(Pair(l.textWidth, l.textHeight), Pair((8660 * 50 + 5000 * 10) / 10000, (5000 * 50 + 8660 * 10) / 10000));
    EXPECT_EQ(AnchorInBox(l), Pair(0, 8660 * 10 / 10000));
    l = ComputeWatermarkLayout(page, Shape(30), 50, 10);
    EXPECT_EQ(AnchorInBox(l), Pair(5000 * 10 / 10000, l.textHeight));
    // 120: sn = sin 60, cs = sin 30.
    l = ComputeWatermarkLayout(page, Shape(120), 50, 10);
    EXPECT_EQ(Pair(l.sn, l.cs), Pair(8660, 5000));
    EXPECT_EQ(AnchorInBox(l), Pair(l.textWidth, 8660 * 50 / 10000));
    // -150: sn = sin 30, cs = sin 60.
    l = ComputeWatermarkLayout(page, Shape(-150), 50, 10);
    EXPECT_EQ(Pair(l.sn, l.cs), Pair(5000, 8660));
    EXPECT_EQ(AnchorInBox(l), Pair(8660 * 50 / 10000, 0));
    // -180 and 180 read the table's ends; angles beyond the range are held to it.
    for (int16_t angle : {-180, 180, 300}) {
        l = ComputeWatermarkLayout(page, Shape(angle), 50, 10);
        EXPECT_EQ(Pair(l.sn, l.cs), Pair(0, 10000)) << angle;
    }
}

TEST_F(WatermarkLayoutTest, CircleAtUpperLeftKeepsItsBoxInTheCornerWhileTheTextTurns) {
    for (int16_t angle : {0, 30, 90, -120}) {
        const WatermarkLayout l = ComputeWatermarkLayout(page, Shape(angle, 0, kBorderCircle), 50, 10);
        SCOPED_TRACE(angle);
        EXPECT_EQ(Pair(l.borderWidth, l.borderHeight), Pair(55, 55));  // trunc(sqrt(2600)) = 50, × 11 / 10
        EXPECT_EQ(At(l.borderBox), Pair(page.rect.left + 2, page.rect.top + 2));
        EXPECT_EQ(Pair(l.textBox.x, l.centre.x), Pair(l.borderBox.x + 27 - l.textWidth / 2, l.borderBox.x + 27));
        EXPECT_EQ(Pair(l.innerRadius, l.outerRadius), Pair(27, 29));
    }
    const WatermarkLayout large = ComputeWatermarkLayout(page, Shape(0, 0, kBorderCircle, 222), 50, 10);
    EXPECT_EQ(large.outerRadius, 30);
}

TEST_F(WatermarkLayoutTest, LowerRightIsTwoPixelsInsideThePage) {
    for (uint16_t border : {kBorderNone, kBorderCircle, kBorderSingle, kBorderDouble}) {
        const WatermarkLayout l = ComputeWatermarkLayout(page, Shape(45, 6, border), 40, 10);
        EXPECT_EQ(Pair(l.borderBox.x + l.borderWidth, l.borderBox.y + l.borderHeight),
                  Pair(page.rect.right - 2, page.rect.bottom - 2)) << border;
    }
}

TEST_F(WatermarkLayoutTest, PositionsAndAdjustment) {
    const int32_t usableW = 80, usableH = 115, left = page.rect.left + 2, top = page.rect.top + 2;
    const int32_t columns[] = {left, left + usableW / 2 - 10, left + usableW - 20};
    const int32_t rows[] = {top, top + usableH / 2 - 5, top + usableH - 10};
    // Position, then the column and row of its box; an unknown position is centred.
    const uint16_t boxes[][3] = {{0, 0, 0}, {1, 1, 0}, {2, 2, 0}, {3, 1, 1},
                                 {4, 0, 2}, {5, 1, 2}, {6, 2, 2}, {9, 1, 1}};
    for (const auto &box : boxes) {
        const WatermarkLayout l = ComputeWatermarkLayout(page, Shape(0, box[0]), 20, 10);
        EXPECT_EQ(At(l.borderBox), Pair(columns[box[1]], rows[box[2]])) << box[0];
    }

    WatermarkShape moved = Shape(0, 3);
    moved.offsetX = 1000;
    moved.offsetY = -1000;
    const WatermarkLayout adjusted = ComputeWatermarkLayout(page, moved, 20, 10);
    EXPECT_EQ(At(adjusted.borderBox), Pair(columns[1] + 1000 * 100 / 698, rows[1] - 1000 * 100 / 698));
}

TEST_F(WatermarkLayoutTest, FrameBoxesAndThicknesses) {
    WatermarkLayout l = ComputeWatermarkLayout(page, Shape(0, 3, kBorderSingle), 50, 10);
    EXPECT_EQ(Pair(l.frameWidth, l.frameHeight), Pair(50 + 2 * (16 - 10) - 4, 10 * 120 / 100 + 4));
    EXPECT_EQ(Pair(l.borderWidth, l.borderHeight), Pair(l.frameWidth, l.frameHeight));
    EXPECT_EQ(l.thickness, 2);
    l = ComputeWatermarkLayout(page, Shape(45, 3, kBorderSingle), 50, 10);
    EXPECT_EQ(Pair(l.thickness, l.borderWidth), Pair(3, (7071 * l.frameWidth + 7071 * l.frameHeight) / 10000));
    EXPECT_EQ(ComputeWatermarkLayout(page, Shape(-135, 3, kBorderSingle, 300), 50, 10).thickness, 4);
    EXPECT_EQ(ComputeWatermarkLayout(page, Shape(180, 3, kBorderSingle, 300), 50, 10).thickness, 3);

    l = ComputeWatermarkLayout(page, Shape(0, 3, kBorderDouble), 50, 10);
    EXPECT_EQ(Pair(l.outerWidth, l.outerHeight), Pair(l.frameWidth + 6, l.frameHeight + 6));
    EXPECT_EQ(Pair(l.borderWidth, l.thickness), Pair(l.outerWidth, 1));
    l = ComputeWatermarkLayout(page, Shape(0, 3, kBorderDouble, 222), 50, 10);
    EXPECT_EQ(Pair(l.outerWidth, l.thickness), Pair(l.frameWidth + 8, 2));
    EXPECT_EQ(ComputeWatermarkLayout(page, Shape(50, 3, kBorderDouble, 222), 50, 10).thickness, 3);
}

TEST(RotatedBox, CornersAtZeroAndNinety) {
    PreviewPoint c[4];
    RotatedBoxCorners({50, 50}, 20, 10, 0, c);
    EXPECT_EQ((std::vector<Pair>{At(c[0]), At(c[2])}), (std::vector<Pair>{{40, 45}, {60, 55}}));
    RotatedBoxCorners({50, 50}, 20, 10, 90, c);
    // The text runs upwards: its start is at the bottom, its foot to the right.
    EXPECT_EQ((std::vector<Pair>{At(c[0]), At(c[1]), At(c[2])}), (std::vector<Pair>{{45, 60}, {45, 40}, {55, 40}}));
}

TEST(RingSpanTest, RowsThroughTheHoleAndAboveIt) {
    int32_t first = 0, last = 0;
    ASSERT_TRUE(RingSpan(10, 12, 0, &first, &last));
    EXPECT_EQ(Pair(first, last), Pair(10, 12));
    ASSERT_TRUE(RingSpan(10, 12, 11, &first, &last));
    EXPECT_EQ(Pair(first, last), Pair(0, 4));
    EXPECT_FALSE(RingSpan(10, 12, 13, &first, &last));
    EXPECT_FALSE(RingSpan(0, 0, 0, &first, &last));
}

}  // namespace
