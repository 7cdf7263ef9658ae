// The stored form of a watermark in the plug-in ini, the custom colours,
// the PostScript colour and the font list entries.
#include "watermarks/watermark_record.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>

namespace {

WatermarkRecord Parse(const std::u16string &value) {
    WatermarkRecord record;
    std::memset(&record, 0x5A, sizeof(record));
    ParseWatermarkValue(value.c_str(), value.size(), &record);
    return record;
}

std::u16string Text(const char16_t *text) { return std::u16string(text); }

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

TEST(WatermarkValue, RoundTripsEveryField) {
    WatermarkRecord r = Sample();
    CopyCut(r.wszText, kWatermarkTextChars, u"a\\b,c;d\\\\,;");
    r.sAngle = -180;
    r.crColor = 0x00FFEEDD;
    r.bItalic = 1;
    r.bCharSet = 128;
    r.wBackground = 1;
    r.wStyleCode = 5;
    const std::u16string value = FormatWatermarkValue(r);
    EXPECT_EQ(value,
              u"60,2,-180,100,-50,16772829,a\\\\b\\,c\\;d\\\\\\\\\\,\\;,Helvetica-Bold,700,1,128,3,2,1,1,5")
        << "each separator and backslash of the text preceded by one backslash";
    EXPECT_EQ(FormatWatermarkValue(Parse(value)), value);
    EXPECT_EQ(Text(Parse(value).wszText), Text(r.wszText));
}

TEST(WatermarkValue, NumberFieldsReadHexMinusAnywhereAndSkipOtherCharacters) {
    size_t pos = 0;
    EXPECT_EQ(ReadNumberField(u"0x1F", 4, &pos), 31);
    pos = 0;
    EXPECT_EQ(ReadNumberField(u"1-0", 3, &pos), -10);
    pos = 0;
    EXPECT_EQ(ReadNumberField(u" 4a2;9", 6, &pos), 42);
    EXPECT_EQ(pos, 4u) << "stops at the separator";
}

TEST(WatermarkValue, SemicolonsSeparateLikeCommas) {
    const WatermarkRecord r = Parse(u"60;2;-30;100;-50;255;Text;Font;400;1;0;6;1;1;1;5");
    EXPECT_EQ(r.dwSize, 60u);
    EXPECT_EQ(Text(r.wszText), u"Text");
    EXPECT_EQ(Text(r.wszFontName), u"Font");
    EXPECT_EQ(r.wPosition, 6);
    EXPECT_EQ(r.wStyleCode, 5);
}

TEST(WatermarkValue, SixteenBitFieldsKeepTheirLowByte) {
    const WatermarkRecord r = Parse(u"72,0,65581,0,0,0,T,F,0,257,258,259,257,256,513,261");
    EXPECT_EQ(r.sAngle, 45) << "the angle keeps 16 bits";
    EXPECT_EQ(r.bItalic, 1);
    EXPECT_EQ(r.bCharSet, 2);
    EXPECT_EQ(r.wPosition, 3);
    EXPECT_EQ(r.wBorder, 1);
    EXPECT_EQ(r.wBackground, 0);
    EXPECT_EQ(r.bFirstPageOnly, 1);
    EXPECT_EQ(r.wStyleCode, 5);
}

TEST(WatermarkValue, AShortValueReadsItsMissingFieldsAsZeroOrEmpty) {
    WatermarkRecord r = Parse(u"60,2");
    EXPECT_EQ(r.dwSize, 60u);
    EXPECT_EQ(r.dwFontIndex, 2u);
    EXPECT_EQ(r.crColor, 0u);
    EXPECT_EQ(r.wszText[0], 0);
    EXPECT_EQ(r.wStyleCode, 0);
    r = Parse(u"1,2,3,4,5,6,Text");
    EXPECT_EQ(Text(r.wszText), u"Text");
    EXPECT_EQ(r.wszFontName[0], 0);
    EXPECT_EQ(r.dwWeight, 0u);
    r = Parse(u"");
    EXPECT_EQ(r.dwSize, 0u);
}

TEST(WatermarkValue, FieldsBehindAnOverlongTextStillRead) {
    const std::u16string text(300, u'x');
    const WatermarkRecord r = Parse(u"72,0,45,0,0,0," + text + u",Font,400,0,0,3,0,0,0,0");
    EXPECT_EQ(Text(r.wszText), text.substr(0, kWatermarkTextChars - 1));
    EXPECT_EQ(Text(r.wszFontName), u"Font");
    EXPECT_EQ(r.dwWeight, 400u);
    EXPECT_EQ(r.wPosition, 3);
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
    EXPECT_EQ(r.dwSize, 72u);
    EXPECT_EQ(r.dwFontIndex, 4u);
    EXPECT_EQ(r.sAngle, 45);
    EXPECT_EQ(r.crColor, 0x00C0C0C0u);
    EXPECT_EQ(r.wPosition, 3);
    EXPECT_EQ(r.wBorder, 0);
    EXPECT_EQ(r.dwWeight, 0u);
    EXPECT_EQ(r.wszText[0], 0);
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
    EXPECT_EQ(weight, 400u);
    EXPECT_EQ(italic, 1);
    ApplyWatermarkStyle(2, &weight, &italic);
    EXPECT_EQ(weight, 700u);
    EXPECT_EQ(italic, 0);
}

FontEntry Entry(const std::u16string &value) {
    FontEntry entry;
    ParseFontEntry(value.c_str(), value.size(), &entry);
    return entry;
}

TEST(FontEntries, WesternFontTakesTheFieldOfItsStyle) {
    const FontEntry entry = Entry(u"Helvetica,Helvetica-Oblique,Helvetica-Bold,Helvetica-BoldOblique,Arial");
    EXPECT_FALSE(IsJapaneseFont(entry));
    WatermarkRecord r;
    SetWatermarkDefaults(&r, 0);
    r.dwWeight = 700;
    r.bItalic = 1;
    ResolvePrinterFont(&entry, &r);
    EXPECT_EQ(Text(r.wszFontName), u"Helvetica-BoldOblique");
    EXPECT_EQ(r.wStyleCode, 5);
    r.dwWeight = 400;
    r.bItalic = 0;
    ResolvePrinterFont(&entry, &r);
    EXPECT_EQ(Text(r.wszFontName), u"Helvetica");
    EXPECT_EQ(r.wStyleCode, 0);
    char16_t face[kFaceNameChars];
    uint8_t charSet = 0;
    PreviewFaceName(entry, face, &charSet);
    EXPECT_EQ(Text(face), u"Arial");
    EXPECT_EQ(charSet, 0);
}

TEST(FontEntries, JapaneseFontKeepsFieldThreeAndCodesItsStyle) {
    const FontEntry entry = Entry(u"Mincho,MS Mincho;HeiseiMin-W3-90ms-RKSJ-H,\u65E5\u672C\u8A9E");
    EXPECT_TRUE(IsJapaneseFont(entry));
    WatermarkRecord r;
    SetWatermarkDefaults(&r, 0);
    r.dwWeight = 700;
    r.bItalic = 1;
    ResolvePrinterFont(&entry, &r);
    EXPECT_EQ(Text(r.wszFontName), u"HeiseiMin-W3-90ms-RKSJ-H");
    EXPECT_EQ(r.wStyleCode, 3);
    char16_t face[kFaceNameChars];
    uint8_t charSet = 0;
    PreviewFaceName(entry, face, &charSet);
    EXPECT_EQ(Text(face), u"MS Mincho");
    EXPECT_EQ(charSet, 128);
}

TEST(FontEntries, AMissingEntryClearsTheFontName) {
    WatermarkRecord r;
    SetWatermarkDefaults(&r, 0);
    CopyCut(r.wszFontName, kWatermarkFontNameChars, u"Old");
    r.bItalic = 1;
    ResolvePrinterFont(nullptr, &r);
    EXPECT_EQ(r.wszFontName[0], 0);
    EXPECT_EQ(r.wStyleCode, 5);
}

TEST(FontSizes, LinesOfTheSizeList) {
    for (const auto &size : {std::pair<uint32_t, int>{8, 0}, {14, 5}, {72, 15}, {13, -1}})
        EXPECT_EQ(FontSizeLine(size.first), size.second) << size.first;
    EXPECT_EQ(FontSizeOfLine(13), 36u);
    EXPECT_EQ(FontSizeOfLine(16), 0u);
}

OffsetText Offset(const std::u16string &text) { return FilterOffsetText(text.c_str(), text.size()); }

TEST(WatermarkOffsetText, KeepsDigitsAndALeadingMinusWithinRange) {
    OffsetText typed = Offset(u"12a");
    EXPECT_EQ(typed.value, 12);
    EXPECT_EQ(typed.kept, 2u);
    EXPECT_TRUE(typed.dropped);
    typed = Offset(u"1500");
    EXPECT_EQ(typed.value, 1000);
    EXPECT_FALSE(typed.dropped);
    EXPECT_EQ(Offset(u"-").value, 0);
    EXPECT_EQ(Offset(u"-2500").value, -1000);
    typed = Offset(u"5-3");
    EXPECT_EQ(typed.value, 53) << "a minus sign inside the number is dropped";
    EXPECT_TRUE(typed.dropped);
    EXPECT_EQ(Offset(u"99999999999999999999").value, 1000);
}

}  // namespace
