#include "../../host/ppd/ppd_text.h"

#include <gtest/gtest.h>

namespace {

TEST(PpdText, HexSubstringsBecomeBytesAndMalformedOnesStay) {
    EXPECT_EQ(DecodeHexSubstrings("<E9>t<e9>"), "\xE9t\xE9");
    EXPECT_EQ(DecodeHexSubstrings("<41 42\t43>"), "ABC");
    EXPECT_EQ(DecodeHexSubstrings("a < b"), "a < b");
    EXPECT_EQ(DecodeHexSubstrings("<4G>"), "<4G>");
    EXPECT_EQ(DecodeHexSubstrings("<414>"), "<414>");
    EXPECT_EQ(DecodeHexSubstrings("<>"), "<>");
    EXPECT_EQ(DecodeHexSubstrings("open <41"), "open <41");
    EXPECT_EQ(DecodeHexSubstrings("<<41>>"), "<A>");
}

TEST(PpdText, Utf8IsCheckedStrictly) {
    EXPECT_TRUE(IsValidUtf8(""));
    EXPECT_TRUE(IsValidUtf8("plain"));
    EXPECT_TRUE(IsValidUtf8("\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80"));
    EXPECT_FALSE(IsValidUtf8("\xE9t\xE9"));          // Latin-1
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));           // overlong
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));       // surrogate
    EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80"));   // above U+10FFFF
    EXPECT_FALSE(IsValidUtf8("\xE4\xB8"));           // cut short
    EXPECT_FALSE(IsValidUtf8("\x80"));
}

TEST(PpdText, DecodesUtf8WhateverTheDeclarationAndElseTheEightBitTable) {
    EXPECT_EQ(DecodePpdText("Papier \xC3\xA9pais", PpdEncoding::Latin1), u"Papier \u00E9pais");
    EXPECT_EQ(DecodePpdText("Papier \xE9pais", PpdEncoding::Latin1), u"Papier \u00E9pais");
    EXPECT_EQ(DecodePpdText("\x80 \x93x\x94", PpdEncoding::WindowsAnsi), u"\u20AC \u201Cx\u201D");
    EXPECT_EQ(DecodePpdText("\x80", PpdEncoding::Latin1), u"\u0080");
    EXPECT_EQ(DecodePpdText("\xF0\x9F\x98\x80", PpdEncoding::Latin1), u"\U0001F600");
    EXPECT_EQ(DecodePpdText("", PpdEncoding::Utf8), u"");
}

TEST(PpdText, EncodingNamesAndTheCodePagesLeftToThePlatform) {
    EXPECT_EQ(EncodingOf("ISOLatin1"), PpdEncoding::Latin1);
    EXPECT_EQ(EncodingOf("WindowsANSI"), PpdEncoding::WindowsAnsi);
    EXPECT_EQ(EncodingOf("UTF-8"), PpdEncoding::Utf8);
    EXPECT_EQ(EncodingOf("JIS83-RKSJ"), PpdEncoding::ShiftJis);
    EXPECT_EQ(EncodingOf("Something"), PpdEncoding::Latin1);
    EXPECT_EQ(CodePageOf(PpdEncoding::ShiftJis), 932u);
    EXPECT_EQ(CodePageOf(PpdEncoding::Gbk), 936u);
    EXPECT_EQ(CodePageOf(PpdEncoding::Korean), 949u);
    EXPECT_EQ(CodePageOf(PpdEncoding::Big5), 950u);
    EXPECT_EQ(CodePageOf(PpdEncoding::Latin1), 0u);
    EXPECT_EQ(CodePageOf(PpdEncoding::Utf8), 0u);
}

}  // namespace
