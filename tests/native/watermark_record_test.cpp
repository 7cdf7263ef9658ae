// The stored form of a watermark in the plug-in ini, the custom colours,
// the PostScript colour and the font list entries.
#include "watermarks/watermark_record.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <tuple>
#include <utility>

namespace {

WatermarkRecord Parse(const std::u16string &value) {
    WatermarkRecord record;
    std::memset(&record, 0x5A, sizeof(record));
    ParseWatermarkValue(value.c_str(), value.size(), &record);
    return record;
}

WatermarkRecord Sample() {
    WatermarkRecord r;
    SetWatermarkDefaults(&r, 0);
    r.dwSize = 60;
    r.dwFontIndex = 2;
    r.sAngle = -30;
    r.lOffsetX = 100;
    r.lOffsetY = -50;
    r.crColor = 255;
    CopyCut(r.wszText, kWatermarkTextChars, u"Copy, internal use");
    CopyCut(r.wszFontName, kWatermarkFontNameChars, u"Helvetica-Bold");
    r.dwWeight = 700;
    r.wPosition = 3;
    r.wBorder = 2;
    r.bFirstPageOnly = 1;
    return r;
}

TEST(WatermarkValue, WritesTheSixteenFieldsWithTheTextEscaped) {
    EXPECT_EQ(FormatWatermarkValue(Sample()),
              u"60,2,-30,100,-50,255,Copy\\, internal use,Helvetica-Bold,700,0,0,3,2,0,1,0");
}

TEST(WatermarkValue, NumberFieldsReadHexMinusAnywhereAndSkipOtherCharacters) {
    size_t pos = 0, hexPos = 0, minusPos = 0;
    EXPECT_EQ(ReadNumberField(u"0x1F", 4, &hexPos), 31);
    EXPECT_EQ(ReadNumberField(u"1-0", 3, &minusPos), -10);
    EXPECT_EQ(ReadNumberField(u" 4a2;9", 6, &pos), 42);
    EXPECT_EQ(pos, 4u) << "stops at the separator";
}

// Each stored value read and written back: the writer shows every field.
TEST(WatermarkValue, ReadsSemicolonsShortValuesSixteenBitFieldsAndOverlongTexts) {
    const std::u16string longText(300, u'x'), cutText(kWatermarkTextChars - 1, u'x');
    const std::pair<std::u16string, std::u16string> rows[] = {
        {u"60;2;-180;100;-50;16772829;Text;Font;400;1;128;6;1;1;1;5",
         u"60,2,-180,100,-50,16772829,Text,Font,400,1,128,6,1,1,1,5"},
        // The angle keeps 16 bits, the other small fields their low byte.
        {u"72,0,65581,0,0,0,T,F,0,257,258,259,257,256,513,261", u"72,0,45,0,0,0,T,F,0,1,2,3,1,0,1,5"},
        {u"60,2", u"60,2,0,0,0,0,,,0,0,0,0,0,0,0,0"},
        {u"1,2,3,4,5,6,Text", u"1,2,3,4,5,6,Text,,0,0,0,0,0,0,0,0"},
        {u"", u"0,0,0,0,0,0,,,0,0,0,0,0,0,0,0"},
        {u"72,0,45,0,0,0," + longText + u",Font,400,0,0,3,0,0,0,0",
         u"72,0,45,0,0,0," + cutText + u",Font,400,0,0,3,0,0,0,0"},
    };
    for (const auto &row : rows) EXPECT_EQ(FormatWatermarkValue(Parse(row.first)), row.second);
}

TEST(WatermarkKeys, NumberedFromOneAfterThePrefix) {
    for (const auto &key : {std::pair<int, std::u16string>{1, u"WTMK001"}, {9, u"WTMK009"}, {10, u"WTMK0010"},
                            {16, u"WTMK0016"}})
        EXPECT_EQ(WatermarkKeyName(key.first), key.second);
    EXPECT_EQ(CustomColorKeyName(0), u"Color0");
    EXPECT_EQ(CustomColorKeyName(15), u"Color15");
}

TEST(WatermarkDefaults, NoneEntryAndJapaneseDefaultFont) {
    WatermarkRecord r;
    std::memset(&r, 0x77, sizeof(r));
    SetWatermarkDefaults(&r, 4);
    EXPECT_EQ(FormatWatermarkValue(r), u"72,4,45,0,0,12632256,,,0,0,0,3,0,0,0,0");
    EXPECT_EQ(DefaultWatermarkFontIndex(true, 20), 19u);
    EXPECT_EQ(DefaultWatermarkFontIndex(true, 0), 0u);
    EXPECT_EQ(DefaultWatermarkFontIndex(false, 20), 0u);
}

TEST(CustomColors, ReadsThreePartsModulo256) {
    EXPECT_EQ(ParseCustomColor(u"255,0,0", 7), 0x0000FFu);
    EXPECT_EQ(ParseCustomColor(u" 1, +2,  3", 10), 0x030201u);
    EXPECT_EQ(ParseCustomColor(u"256,257,-1", 10), 0xFF0100u);
    EXPECT_EQ(ParseCustomColor(u"10", 2), 10u) << "missing parts read 0";
    EXPECT_EQ(FormatCustomColor(0x00C0C0C0), u"192,192,192");
    EXPECT_EQ(ParseCustomColor(FormatCustomColor(0x123456).c_str(), 11), 0x123456u);
}

TEST(PsColor, FourteenCharactersAndZeroFill) {
    char out[kPsColorBytes];
    std::memset(out, 'x', sizeof(out));
    FormatPsColor(0x00C0C0C0, out);
    EXPECT_STREQ(out, "0.75 0.75 0.75");
    EXPECT_EQ(out[15], 0);
    FormatPsColor(0x000000FF, out);
    EXPECT_STREQ(out, "1.00 0.00 0.00");
    FormatPsColor(0x00FFFFFF, out);
    EXPECT_EQ(std::strlen(out), 14u);
}

TEST(WatermarkStyle, IndexAndChoice) {
    EXPECT_EQ(WatermarkStyleIndex(0, 0), 0u) << "never chosen shows as Regular";
    EXPECT_EQ(WatermarkStyleIndex(0, 1), 1u);
    EXPECT_EQ(WatermarkStyleIndex(700, 0), 2u);
    EXPECT_EQ(WatermarkStyleIndex(700, 1), 3u);
    uint32_t weight = 0;
    uint8_t italic = 0;
    ApplyWatermarkStyle(1, &weight, &italic);
    EXPECT_EQ(std::make_pair(weight, italic), std::make_pair(400u, uint8_t{1}));
    ApplyWatermarkStyle(2, &weight, &italic);
    EXPECT_EQ(std::make_pair(weight, italic), std::make_pair(700u, uint8_t{0}));
}

FontEntry Entry(const std::u16string &value) {
    FontEntry entry;
    ParseFontEntry(value.c_str(), value.size(), &entry);
    return entry;
}

using Font = std::pair<std::u16string, int>;

// The font name and style code a record of this weight and slant takes from
// the entry, replacing the name it had.
Font Resolved(const FontEntry *entry, uint32_t weight, uint8_t italic) {
    WatermarkRecord r;
    SetWatermarkDefaults(&r, 0);
    CopyCut(r.wszFontName, kWatermarkFontNameChars, u"Old");
    r.dwWeight = weight;
    r.bItalic = italic;
    ResolvePrinterFont(entry, &r);
    return {r.wszFontName, r.wStyleCode};
}

// The preview's face name and character set.
Font Face(const FontEntry &entry) {
    char16_t face[kFaceNameChars];
    uint8_t charSet = 0;
    PreviewFaceName(entry, face, &charSet);
    return {face, charSet};
}

TEST(FontEntries, WesternFontTakesTheFieldOfItsStyle) {
    const FontEntry entry = Entry(u"Helvetica,Helvetica-Oblique,Helvetica-Bold,Helvetica-BoldOblique,Arial");
    EXPECT_FALSE(IsJapaneseFont(entry));
    EXPECT_EQ(Resolved(&entry, 700, 1), Font(u"Helvetica-BoldOblique", 5));
    EXPECT_EQ(Resolved(&entry, 400, 0), Font(u"Helvetica", 0));
    EXPECT_EQ(Face(entry), Font(u"Arial", 0));
}

TEST(FontEntries, JapaneseFontKeepsFieldThreeAndCodesItsStyle) {
    const FontEntry entry = Entry(u"Mincho,MS Mincho;HeiseiMin-W3-90ms-RKSJ-H,\u65E5\u672C\u8A9E");
    EXPECT_TRUE(IsJapaneseFont(entry));
    EXPECT_EQ(Resolved(&entry, 700, 1), Font(u"HeiseiMin-W3-90ms-RKSJ-H", 3));
    EXPECT_EQ(Face(entry), Font(u"MS Mincho", 128));
}

TEST(FontEntries, AMissingEntryClearsTheFontName) { EXPECT_EQ(Resolved(nullptr, 0, 1), Font(u"", 5)); }

TEST(FontSizes, LinesOfTheSizeList) {
    for (const auto &size : {std::pair<uint32_t, int>{8, 0}, {14, 5}, {72, 15}, {13, -1}})
        EXPECT_EQ(FontSizeLine(size.first), size.second) << size.first;
    EXPECT_EQ(FontSizeOfLine(13), 36u);
    EXPECT_EQ(FontSizeOfLine(16), 0u);
}

OffsetText Offset(const std::u16string &text) { return FilterOffsetText(text.c_str(), text.size()); }

TEST(WatermarkOffsetText, KeepsDigitsAndALeadingMinusWithinRange) {
    OffsetText typed = Offset(u"12a");
    EXPECT_EQ(std::make_tuple(typed.value, typed.kept, typed.dropped), std::make_tuple(12, size_t{2}, true));
    typed = Offset(u"1500");
    EXPECT_EQ(std::make_pair(typed.value, typed.dropped), std::make_pair(1000, false));
    EXPECT_EQ(Offset(u"-").value, 0);
    EXPECT_EQ(Offset(u"-2500").value, -1000);
    typed = Offset(u"5-3");
    EXPECT_EQ(std::make_pair(typed.value, typed.dropped), std::make_pair(53, true))
        << "a minus sign inside the number is dropped";
    EXPECT_EQ(Offset(u"99999999999999999999").value, 1000);
}

}  // namespace
