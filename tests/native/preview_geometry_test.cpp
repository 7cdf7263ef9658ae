// The watermark preview's paper sizes, scale, page rectangle, font height
// and the text, border and ring geometry.
#include "watermarks/preview_geometry.h"
#include "watermarks/watermark_record.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr int16_t kLandscape = 2;

PaperSize Paper(const std::u16string &form, int16_t orientation = kPortrait) {
    return GetPreviewPaperSize(form.c_str(), orientation);
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
    for (const auto &row : rows) {
        const PaperSize size = Paper(row.form);
        EXPECT_EQ(size.width, row.width) << std::string(row.form.begin(), row.form.end());
        EXPECT_EQ(size.height, row.height) << std::string(row.form.begin(), row.form.end());
    }
    EXPECT_EQ(GetPreviewPaperSize(nullptr, kPortrait).width, 2100);
    // A name filling all 32 characters without a terminator is read no further.
    std::u16string full(40, u'L');
    full[2] = u'g';
    full[6] = u'3';
    EXPECT_EQ(GetPreviewPaperSize(full.c_str(), kPortrait).height, 3300);
}

TEST(PreviewPaper, LandscapeExchangesWidthAndHeight) {
    const PaperSize size = Paper(u"A5", kLandscape);
    EXPECT_EQ(size.width, 2100);
    EXPECT_EQ(size.height, 1480);
    EXPECT_EQ(Paper(u"A5", 0).width, 2100) << "anything but portrait";
}

TEST(PreviewPage, A4InA135PixelControl) {
    PreviewPage page;
    ASSERT_TRUE(ComputePreviewPage(135, 160, Paper(u"A4"), &page));
    EXPECT_EQ(page.scale, 698);
    EXPECT_EQ(page.rect.right - page.rect.left, 84);
    EXPECT_EQ(page.rect.bottom - page.rect.top, 119);
    EXPECT_EQ(page.rect.left, (135 - 84) / 2);
    EXPECT_EQ(page.rect.top, (160 - 119) / 2);
    EXPECT_EQ(PreviewFontHeight(72, page.scale), 10);

    ASSERT_TRUE(ComputePreviewPage(135, 160, Paper(u"A4", kLandscape), &page));
    EXPECT_EQ(page.scale, 698);
    EXPECT_EQ(page.rect.right - page.rect.left, 119);
    EXPECT_EQ(page.rect.bottom - page.rect.top, 84);
}

TEST(PreviewPage, TooSmallControlsAndWrappingScalesDrawNothing) {
    PreviewPage page;
    EXPECT_FALSE(ComputePreviewPage(16, 200, Paper(u"A4"), &page));
    EXPECT_FALSE(ComputePreviewPage(0, 0, Paper(u"A4"), &page));
    EXPECT_FALSE(ComputePreviewPage(-5, 100, Paper(u"A4"), &page));
    EXPECT_FALSE(ComputePreviewPage(17, 17, Paper(u"A4"), &page)) << "83160 does not fit 16 bits";
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

PreviewPage A4Page() {
    PreviewPage page;
    EXPECT_TRUE(ComputePreviewPage(135, 160, Paper(u"A4"), &page));
    return page;
}

WatermarkShape Shape(int16_t angle, uint16_t position = 3, uint16_t border = kBorderNone,
                     uint32_t size = 72) {
    return WatermarkShape{size, angle, 0, 0, position, border};
}

TEST(WatermarkLayoutTest, AngleZeroAnchorsAtTheBottomLeftOfTheTextBox) {
    const PreviewPage page = A4Page();
    const WatermarkLayout l = ComputeWatermarkLayout(page, Shape(0), 50, 10);
    EXPECT_EQ(l.textWidth, 50);
    EXPECT_EQ(l.textHeight, 10);
    EXPECT_EQ(l.anchor.x, l.textBox.x);
    EXPECT_EQ(l.anchor.y, l.textBox.y + 10);
    // Centred in the page less two pixels on every side.
    EXPECT_EQ(l.borderBox.x, page.rect.left + 2 + 80 / 2 - 25);
    EXPECT_EQ(l.borderBox.y, page.rect.top + 2 + 115 / 2 - 5);
}

TEST(WatermarkLayoutTest, AnchorInEachQuadrant) {
    const PreviewPage page = A4Page();
    // -30: sn 5000, cs 8660.
    WatermarkLayout l = ComputeWatermarkLayout(page, Shape(-30), 50, 10);
    EXPECT_EQ(l.textWidth, (8660 * 50 + 5000 * 10) / 10000);
    EXPECT_EQ(l.textHeight, (5000 * 50 + 8660 * 10) / 10000);
    EXPECT_EQ(l.anchor.x - l.textBox.x, 0);
    EXPECT_EQ(l.anchor.y - l.textBox.y, 8660 * 10 / 10000);
    // 30.
    l = ComputeWatermarkLayout(page, Shape(30), 50, 10);
    EXPECT_EQ(l.anchor.x - l.textBox.x, 5000 * 10 / 10000);
    EXPECT_EQ(l.anchor.y - l.textBox.y, l.textHeight);
    // 120: sn = sin 60, cs = sin 30.
    l = ComputeWatermarkLayout(page, Shape(120), 50, 10);
    EXPECT_EQ(l.sn, 8660);
    EXPECT_EQ(l.cs, 5000);
    EXPECT_EQ(l.anchor.x - l.textBox.x, l.textWidth);
    EXPECT_EQ(l.anchor.y - l.textBox.y, 8660 * 50 / 10000);
    // -150: sn = sin 30, cs = sin 60.
    l = ComputeWatermarkLayout(page, Shape(-150), 50, 10);
    EXPECT_EQ(l.sn, 5000);
    EXPECT_EQ(l.cs, 8660);
    EXPECT_EQ(l.anchor.x - l.textBox.x, 8660 * 50 / 10000);
    EXPECT_EQ(l.anchor.y - l.textBox.y, 0);
    // -180 and 180 read the table's ends.
    l = ComputeWatermarkLayout(page, Shape(-180), 50, 10);
    EXPECT_EQ(l.sn, 0);
    EXPECT_EQ(l.cs, 10000);
    // Angles beyond the range are held to it.
    for (int16_t angle : {180, 300}) {
        l = ComputeWatermarkLayout(page, Shape(angle), 50, 10);
        EXPECT_EQ(l.sn, 0);
        EXPECT_EQ(l.cs, 10000);
    }
}

TEST(WatermarkLayoutTest, CircleAtUpperLeftKeepsItsBoxInTheCornerWhileTheTextTurns) {
    const PreviewPage page = A4Page();
    for (int16_t angle : {0, 30, 90, -120}) {
        const WatermarkLayout l = ComputeWatermarkLayout(page, Shape(angle, 0, kBorderCircle), 50, 10);
        EXPECT_EQ(l.borderWidth, 55) << angle;  // trunc(sqrt(2600)) = 50, × 11 / 10
        EXPECT_EQ(l.borderHeight, 55);
        EXPECT_EQ(l.borderBox.x, page.rect.left + 2);
        EXPECT_EQ(l.borderBox.y, page.rect.top + 2);
        EXPECT_EQ(l.textBox.x, l.borderBox.x + 27 - l.textWidth / 2);
        EXPECT_EQ(l.centre.x, l.borderBox.x + 27);
        EXPECT_EQ(l.innerRadius, 27);
        EXPECT_EQ(l.outerRadius, 29);
    }
    const WatermarkLayout large = ComputeWatermarkLayout(page, Shape(0, 0, kBorderCircle, 222), 50, 10);
    EXPECT_EQ(large.outerRadius, 30);
}

TEST(WatermarkLayoutTest, LowerRightIsTwoPixelsInsideThePage) {
    const PreviewPage page = A4Page();
    for (uint16_t border : {kBorderNone, kBorderCircle, kBorderSingle, kBorderDouble}) {
        const WatermarkLayout l = ComputeWatermarkLayout(page, Shape(45, 6, border), 40, 10);
        EXPECT_EQ(l.borderBox.x + l.borderWidth, page.rect.right - 2) << border;
        EXPECT_EQ(l.borderBox.y + l.borderHeight, page.rect.bottom - 2) << border;
    }
}

TEST(WatermarkLayoutTest, PositionsAndAdjustment) {
    const PreviewPage page = A4Page();
    const int32_t usableW = 80, usableH = 115;
    const WatermarkLayout upperCentre = ComputeWatermarkLayout(page, Shape(0, 1), 20, 10);
    EXPECT_EQ(upperCentre.borderBox.x, page.rect.left + 2 + usableW / 2 - 10);
    EXPECT_EQ(upperCentre.borderBox.y, page.rect.top + 2);
    const WatermarkLayout upperRight = ComputeWatermarkLayout(page, Shape(0, 2), 20, 10);
    EXPECT_EQ(upperRight.borderBox.x, page.rect.left + 2 + usableW - 20);
    const WatermarkLayout lowerLeft = ComputeWatermarkLayout(page, Shape(0, 4), 20, 10);
    EXPECT_EQ(lowerLeft.borderBox.x, page.rect.left + 2);
    EXPECT_EQ(lowerLeft.borderBox.y, page.rect.top + 2 + usableH - 10);
    const WatermarkLayout lowerCentre = ComputeWatermarkLayout(page, Shape(0, 5), 20, 10);
    EXPECT_EQ(lowerCentre.borderBox.x, upperCentre.borderBox.x);
    EXPECT_EQ(lowerCentre.borderBox.y, lowerLeft.borderBox.y);
    const WatermarkLayout other = ComputeWatermarkLayout(page, Shape(0, 9), 20, 10);
    const WatermarkLayout centre = ComputeWatermarkLayout(page, Shape(0, 3), 20, 10);
    EXPECT_EQ(other.borderBox.x, centre.borderBox.x);
    EXPECT_EQ(other.borderBox.y, centre.borderBox.y);

    WatermarkShape moved = Shape(0, 3);
    moved.offsetX = 1000;
    moved.offsetY = -1000;
    const WatermarkLayout adjusted = ComputeWatermarkLayout(page, moved, 20, 10);
    EXPECT_EQ(adjusted.borderBox.x - centre.borderBox.x, 1000 * 100 / 698);
    EXPECT_EQ(adjusted.borderBox.y - centre.borderBox.y, -1000 * 100 / 698);
}

TEST(WatermarkLayoutTest, FrameBoxesAndThicknesses) {
    const PreviewPage page = A4Page();
    WatermarkLayout l = ComputeWatermarkLayout(page, Shape(0, 3, kBorderSingle), 50, 10);
    EXPECT_EQ(l.frameHeight, 10 * 120 / 100 + 4);
    EXPECT_EQ(l.frameWidth, 50 + 2 * (16 - 10) - 4);
    EXPECT_EQ(l.borderWidth, l.frameWidth);
    EXPECT_EQ(l.borderHeight, l.frameHeight);
    EXPECT_EQ(l.thickness, 2);
    l = ComputeWatermarkLayout(page, Shape(45, 3, kBorderSingle), 50, 10);
    EXPECT_EQ(l.thickness, 3);
    EXPECT_EQ(l.borderWidth, (7071 * l.frameWidth + 7071 * l.frameHeight) / 10000);
    EXPECT_EQ(ComputeWatermarkLayout(page, Shape(-135, 3, kBorderSingle, 300), 50, 10).thickness, 4);
    EXPECT_EQ(ComputeWatermarkLayout(page, Shape(180, 3, kBorderSingle, 300), 50, 10).thickness, 3);

    l = ComputeWatermarkLayout(page, Shape(0, 3, kBorderDouble), 50, 10);
    EXPECT_EQ(l.outerWidth, l.frameWidth + 6);
    EXPECT_EQ(l.outerHeight, l.frameHeight + 6);
    EXPECT_EQ(l.borderWidth, l.outerWidth);
    EXPECT_EQ(l.thickness, 1);
    l = ComputeWatermarkLayout(page, Shape(0, 3, kBorderDouble, 222), 50, 10);
    EXPECT_EQ(l.outerWidth, l.frameWidth + 8);
    EXPECT_EQ(l.thickness, 2);
    EXPECT_EQ(ComputeWatermarkLayout(page, Shape(50, 3, kBorderDouble, 222), 50, 10).thickness, 3);
}

TEST(RotatedBox, CornersAtZeroAndNinety) {
    PreviewPoint c[4];
    RotatedBoxCorners({50, 50}, 20, 10, 0, c);
    EXPECT_EQ(c[0].x, 40);
    EXPECT_EQ(c[0].y, 45);
    EXPECT_EQ(c[2].x, 60);
    EXPECT_EQ(c[2].y, 55);
    RotatedBoxCorners({50, 50}, 20, 10, 90, c);
    // The text runs upwards: its start is at the bottom, its foot to the right.
    EXPECT_EQ(c[0].x, 45);
    EXPECT_EQ(c[0].y, 60);
    EXPECT_EQ(c[1].x, 45);
    EXPECT_EQ(c[1].y, 40);
    EXPECT_EQ(c[2].x, 55);
    EXPECT_EQ(c[2].y, 40);
}

TEST(RingSpanTest, RowsThroughTheHoleAndAboveIt) {
    int32_t first = 0, last = 0;
    ASSERT_TRUE(RingSpan(10, 12, 0, &first, &last));
    EXPECT_EQ(first, 10);
    EXPECT_EQ(last, 12);
    ASSERT_TRUE(RingSpan(10, 12, 11, &first, &last));
    EXPECT_EQ(first, 0);
    EXPECT_EQ(last, 4);
    EXPECT_FALSE(RingSpan(10, 12, 13, &first, &last));
    EXPECT_FALSE(RingSpan(0, 0, 0, &first, &last));
}

}  // namespace
