#include "core/profile_text.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

ProfileText Parse(const std::u16string &text) { return ProfileText(text.data(), text.size()); }

std::u16string Read(const ProfileText &profile, const char16_t *section, const char16_t *key,
                    const char16_t *fallback = u"", size_t chars = 64) {
    std::vector<char16_t> out(chars + 1, u'#');
    const size_t length = profile.ReadString(section, key, fallback, out.data(), chars);
    const std::u16string text(out.data());
    EXPECT_EQ(text.size(), length);
    return text;
}

const std::u16string kCapability =
    u"; Per-model capabilities.\r\n"
    u"Stray=before any section\r\n"
    u"[Capability]\r\n"
    u"SX Color 4200 PS=SXC4200\r\n"
    u"\r\n"
    u"  [SXC4200]  \r\n"
    u"CryptoDll = sxcrypt.dll \r\n"
    u"CARD_DLL=\r\n"
    u"Compression=1281\r\n"
    u"PSOutputOpt=-1\r\n"
    u"NoEquals\r\n"
    u"Quoted=\"a b\"\r\n"
    u"[sxc4200]\r\n"
    u"Later=never seen\r\n";

TEST(ProfileText, NamesMatchWithoutCaseAndValuesLoseTheirBlanks) {
    const ProfileText profile = Parse(kCapability);
    EXPECT_EQ(u"SXC4200", Read(profile, u"capability", u"sx color 4200 ps"));
    EXPECT_EQ(u"sxcrypt.dll", Read(profile, u" SXC4200 ", u"CRYPTODLL"));
    EXPECT_EQ(u"", Read(profile, u"SXC4200", u"CARD_DLL", u"unused"));
    // Only the first section of a name is searched.
    EXPECT_EQ(u"none", Read(profile, u"SXC4200", u"Later", u"none"));
    // Lines before the first header and lines without '=' answer nothing.
    EXPECT_EQ(u"none", Read(profile, u"", u"Stray", u"none"));
    EXPECT_EQ(u"none", Read(profile, u"SXC4200", u"NoEquals", u"none"));
    EXPECT_EQ(u"none", Read(profile, u"Missing", u"CryptoDll", u"none"));
}

TEST(ProfileText, DefaultsLoseTrailingSpacesAndEverythingIsCutToTheBuffer) {
    const ProfileText profile = Parse(kCapability);
    EXPECT_EQ(u"default_name", Read(profile, u"Usertype", u"USERTYPE1", u"default_name  "));
    EXPECT_EQ(u"sxcr", Read(profile, u"SXC4200", u"CryptoDll", u"", 5));
    EXPECT_EQ(u"defa", Read(profile, u"SXC4200", u"Missing", u"default", 5));
    EXPECT_EQ(u"", Read(profile, u"SXC4200", u"", u"default"));
}

TEST(ProfileText, EnclosingQuotesGoOnlyWhenTheValueFits) {
    const ProfileText profile = Parse(u"[S]\nA=\"a b\"\nB='x\"\nC=\"\nD=''\n");
    // Key, buffer size and value read; when the value is cut, the platform
    // drops the last character kept instead of the quote.
    const std::tuple<const char16_t *, size_t, std::u16string> reads[] = {
        {u"A", 64, u"a b"}, {u"B", 64, u"'x\""}, {u"C", 64, u"\""}, {u"D", 64, u""},
        {u"A", 4, u"a "},   {u"A", 3, u"a "},     {u"A", 5, u"a b"}};
    for (const auto &r : reads)
        EXPECT_EQ(std::get<2>(r), Read(profile, u"S", std::get<0>(r), u"", std::get<1>(r))) << std::get<1>(r);
}

TEST(ProfileText, HeadersRunToTheLastBracketAndBrokenHeadersAreEntries) {
    const ProfileText profile = Parse(u"[A] x]\nk=1\n[B\nk=2\n[]\nk=3\n");
    // "[B" is a line of section "A] x" without a value; the first "k" wins.
    EXPECT_EQ(u"1", Read(profile, u"A] x", u"k"));
    EXPECT_EQ(u"none", Read(profile, u"A] x", u"[B", u"none"));
    EXPECT_EQ(u"none", Read(profile, u"B", u"k", u"none"));
    EXPECT_EQ(u"none", Read(profile, u"", u"k", u"none"));
}

TEST(ProfileText, NumbersFollowThePlatformConversion) {
    const ProfileText profile = Parse(u"[N]\nDec=1281\nHex=0x0500\nNeg=-1\nOct=0o17\nBin=0b101\nText=12ab\n"
                                      u"Upper=0X10\nEmpty=\nLong=123456789012345678901234567890123\n");
    std::vector<uint32_t> read;
    for (const char16_t *key : {u"Dec", u"Hex", u"Neg", u"Oct", u"Bin", u"Text", u"Upper", u"Empty"})
        read.push_back(profile.ReadInt(u"N", key, 7));
    EXPECT_EQ(read, (std::vector<uint32_t>{1281, 0x500, 0xFFFFFFFF, 15, 5, 12, 0, 7}));
    EXPECT_EQ(static_cast<uint32_t>(-1), profile.ReadInt(u"N", u"Missing", -1));
    // The value is read through a 30-character buffer before conversion.
    EXPECT_EQ(ProfileTextToNumber(u"12345678901234567890123456789"), profile.ReadInt(u"N", u"Long", 0));
}

TEST(ProfileText, OnlyAsciiLettersMatchInEitherCase) {
    const ProfileText profile = Parse(u"[Capability]\n\u00C9tiquette \u0416=E\n");
    EXPECT_EQ(u"E", Read(profile, u"CAPABILITY", u"\u00C9TIQUETTE \u0416"));
    EXPECT_EQ(u"", Read(profile, u"CAPABILITY", u"\u00E9TIQUETTE \u0436"));
}

TEST(ProfileText, KeptSectionLinesAnswerAsTheFileDoes) {
    const ProfileText profile = Parse(kCapability);
    const std::u16string lines = profile.SectionLines(u"sxc4200");
    for (const char16_t *key : {u"CryptoDll", u"compression", u"CARD_DLL", u"Quoted", u"NoEquals",
                                u"Later", u"Missing", u""}) {
        for (size_t chars : {size_t(1), size_t(3), size_t(64)}) {
            std::vector<char16_t> kept(chars, u'#'), read(chars, u'#');
            EXPECT_EQ(profile.ReadString(u"SXC4200", key, u"", read.data(), chars),
                      ReadSectionLines(lines.c_str(), key, kept.data(), chars));
            EXPECT_EQ(std::u16string(read.data()), std::u16string(kept.data()));
        }
    }
    EXPECT_EQ(u"", profile.SectionLines(u"Missing"));
}

TEST(ProfileEncoding, TheByteOrderMarkDecides) {
    const auto detect = [](const uint8_t *bytes, size_t size) {
        size_t mark = 9;
        const ProfileEncoding encoding = DetectProfileEncoding(bytes, size, &mark);
        return std::make_pair(encoding, mark);
    };
    const uint8_t utf8[] = {0xEF, 0xBB, 0xBF, 'a'};
    EXPECT_EQ(detect(utf8, sizeof(utf8)), std::make_pair(ProfileEncoding::Utf8, size_t{3}));
    const uint8_t little[] = {0xFF, 0xFE, '[', 0, 'S', 0, ']', 0, 0x41};
    EXPECT_EQ(detect(little, sizeof(little)), std::make_pair(ProfileEncoding::Utf16Le, size_t{2}));
    EXPECT_EQ(u"[S]", DecodeUtf16Profile(little + 2, sizeof(little) - 2, false));
    const uint8_t big[] = {0xFE, 0xFF, 0, '[', 0x30, 0xEC};
    EXPECT_EQ(detect(big, sizeof(big)).first, ProfileEncoding::Utf16Be);
    EXPECT_EQ(u"[\u30EC", DecodeUtf16Profile(big + 2, sizeof(big) - 2, true));
    const uint8_t plain[] = {'[', 'S', ']'};
    EXPECT_EQ(detect(plain, sizeof(plain)), std::make_pair(ProfileEncoding::Ansi, size_t{0}));
    EXPECT_EQ(detect(plain, 1).first, ProfileEncoding::Ansi);
}

}  // namespace
