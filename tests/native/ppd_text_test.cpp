#include "../../host/ppd/ppd_text.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

TEST(PpdText, HexSubstringsBecomeBytesAndMalformedOnesStay) {
    const std::pair<const char *, const char *> texts[] = {
        {"<E9>t<e9>", "\xE9t\xE9"}, {"<41 42\t43>", "ABC"}, {"a < b", "a < b"},       {"<4G>", "<4G>"},
        {"<414>", "<414>"},         {"<>", "<>"},        {"open <41", "open <41"}, {"<<41>>", "<A>"}};
    for (const auto &t : texts) EXPECT_EQ(DecodeHexSubstrings(t.first), t.second) << t.first;
}

TEST(PpdText, Utf8IsCheckedStrictly) {
    for (const char *valid : {"", "plain", "\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80"})
        EXPECT_TRUE(IsValidUtf8(valid)) << valid;
    // Latin-1, overlong, a surrogate, above U+10FFFF, cut short, a lone continuation.
    for (const char *invalid : {"\xE9t\xE9", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE4\xB8", "\x80"})
        EXPECT_FALSE(IsValidUtf8(invalid)) << invalid;
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
    const std::pair<const char *, PpdEncoding> names[] = {
        {"ISOLatin1", PpdEncoding::Latin1}, {"WindowsANSI", PpdEncoding::WindowsAnsi},
        {"UTF-8", PpdEncoding::Utf8}, {"JIS83-RKSJ", PpdEncoding::ShiftJis},
        {"Something", PpdEncoding::Latin1}};
    for (const auto &name : names) EXPECT_EQ(EncodingOf(name.first), name.second) << name.first;
    const std::pair<PpdEncoding, uint32_t> pages[] = {
        {PpdEncoding::ShiftJis, 932}, {PpdEncoding::Gbk, 936}, {PpdEncoding::Korean, 949},
        {PpdEncoding::Big5, 950}, {PpdEncoding::Latin1, 0}, {PpdEncoding::Utf8, 0}};
    for (const auto &page : pages) EXPECT_EQ(CodePageOf(page.first), page.second);
}

}  // namespace
