#include "joboptions/job_options_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

namespace {

DigitFilter Filter(const std::u16string &text, uint32_t clampAt = kNoClamp) {
    return FilterDigits(text.data(), text.size(), clampAt);
}

// The value, the digits kept and whether the text is rewritten.
std::tuple<uint32_t, size_t, bool> Judged(const DigitFilter &f) { return {f.value, f.digits, f.rewrite}; }

std::u16string Version(const char16_t *option, const char16_t *driver, const char16_t *internal,
                       size_t capacity = kAboutTextChars) {
    char16_t out[kAboutTextChars];
    ComposeDriverVersion(option, driver, internal, out, capacity);
    return out;
}

TEST(DigitFilter, StrayCharactersAreDroppedTheScaleClampsAtItsCeilingAndLongInputSaturates) {
    EXPECT_EQ(Judged(Filter(u"1a2")), std::make_tuple(12u, size_t{2}, true));
    EXPECT_EQ(Judged(Filter(u"007")), std::make_tuple(7u, size_t{3}, false));
    EXPECT_EQ(Judged(Filter(u"ab")), std::make_tuple(0u, size_t{0}, true));
    EXPECT_EQ(Judged(Filter(u"5000", 1000)), std::make_tuple(1000u, size_t{4}, true));
    EXPECT_FALSE(Filter(u"1000", 1000).rewrite);
    EXPECT_EQ(Filter(std::u16string(64, u'9')).value, 0xFFFFFFFFu);
}

TEST(DriverFlag, ComparesWholeWordsWithTheirTerminator) {
    EXPECT_EQ(ReadDriverFlag("True", 5), DriverFlag::True);
    EXPECT_EQ(ReadDriverFlag("False", 6), DriverFlag::False);
    for (const auto &other : {std::pair<const char *, size_t>{"TrueX", 6}, {"true", 5}, {"True", 4}})
        EXPECT_EQ(ReadDriverFlag(other.first, other.second), DriverFlag::Unknown) << other.first;
    EXPECT_TRUE(HddPresent(DriverFlag::Unknown, true));
    EXPECT_FALSE(HddPresent(DriverFlag::False, true));
    EXPECT_TRUE(HddPresent(DriverFlag::True, false));
}

TEST(AboutTexts, PpdLinesGiveVersionAndNotice) {
    char16_t out[kAboutTextChars];
    EXPECT_FALSE(PpdFileVersionFromLine("*PSVersion: \"(3010)\"", out, kAboutTextChars));
    EXPECT_FALSE(PpdFileVersionFromLine("*FileVersion: 1.2", out, kAboutTextChars));
    ASSERT_TRUE(PpdFileVersionFromLine("*FileVersion: \"1.20\"\r\n", out, kAboutTextChars));
    EXPECT_EQ(std::u16string(out), u"1.20");
    ASSERT_TRUE(PpdFileVersionFromLine("*FileVersion: \"2.0", out, kAboutTextChars));
    EXPECT_EQ(std::u16string(out), u"2.0");

    EXPECT_FALSE(PpdNoticeFromLine("*Copyright(C)", out, kAboutTextChars));
    ASSERT_TRUE(PpdNoticeFromLine("*% Copyright 2026 SX Printing Systems\n", out, kAboutTextChars));
    EXPECT_EQ(std::u16string(out), u"Copyright 2026 SX Printing Systems");
}

TEST(AboutTexts, OptionVersionWinsElseTheDriverVersionTakesFiveCharactersAndTheInternalSuffix) {
    EXPECT_EQ(Version(u"Custom 7-b", u"12/01/2026,1.20.0.3", u"A-B-C"), u"Custom 7-b");
    EXPECT_EQ(Version(u"", u"12/01/2026,1.20.0.3", u""), u"1.20.");
    EXPECT_EQ(Version(u"", u"12/01/2026,1.20.0.3", u"SXC4200-\"PS-L3\"-0.3"), u"1.20.0.3");
    EXPECT_EQ(Version(u"", u"12/01/2026,1.20.0.3", u"SXC4200-PS-\"L3\""), u"1.20.L3");
    EXPECT_EQ(Version(u"", u"12/01/2026,1.20.0.3", u"one-\"a-b\""), u"1.20.");
    EXPECT_EQ(Version(u"", u"1.20.0.3", u"a-b-c"), u"");
    EXPECT_EQ(Version(nullptr, u"x,9\"rest", u"a-b"), u"9");
}

TEST(AboutTexts, LongSuffixIsLeftOut) {
    const std::u16string longTail = u"a-b-" + std::u16string(246, u'x');
    EXPECT_EQ(Version(u"", u"d,1.2", longTail.c_str()), u"1.2");
    const std::u16string fits = u"a-b-" + std::u16string(245, u'x');
    EXPECT_EQ(Version(u"", u"d,1.2", fits.c_str()).size(), 3u + 245u);
}

}  // namespace
