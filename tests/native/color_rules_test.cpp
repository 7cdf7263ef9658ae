// The colour-tuner tables as hexadecimal text, the tuner setting's layout,
// the gamma list pick and the colour controls' enabling.
#include "color/color_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

// The result and the bytes read.
using Parsed = std::pair<int, std::vector<uint8_t>>;

Parsed Parse(const std::u16string &text, size_t capacity = kCcmNtCapacity) {
    std::vector<uint8_t> bytes(capacity + 1, 0xEE);
    size_t count = 0;
    const int result = ParseHexBytes(text.c_str(), bytes.data(), capacity, &count);
    EXPECT_EQ(bytes[capacity], 0xEE) << "written past the capacity";
    bytes.resize(count);
    return Parsed(result, bytes);
}

TEST(ParseHexBytes, PairsOfDigitsInEitherCaseAndStrayCharacters) {
    EXPECT_EQ(Parse(u"0aFf"), Parsed(0, {0x0A, 0xFF}));
    EXPECT_EQ(Parse(u""), Parsed(0, {}));
    // A lone last digit is not counted.
    EXPECT_EQ(Parse(u"ABC"), Parsed(0, {0xAB}));
    // A stray low digit keeps the high one; parsing goes on with the next pair.
    EXPECT_EQ(Parse(u"A-01"), Parsed(1, {0xA0, 0x01}));
    // A stray high digit ends the table.
    EXPECT_EQ(Parse(u"12 345"), Parsed(1, {0x12}));
    EXPECT_EQ(Parse(u"12\u00e9\u00e9"), Parsed(1, {0x12}));
    EXPECT_EQ(Parse(u"0x12").second, (std::vector<uint8_t>{0x00, 0x12}));
}

TEST(TunerSetting, SectionIdAndUse) {
    EXPECT_EQ(std::u16string(TunerSection(0x00010103)), u"Gamma");
    EXPECT_EQ(std::u16string(TunerSection(0x00010003)), u"Color");
    EXPECT_TRUE(TunerSettingInUse(0x00010103));
    EXPECT_FALSE(TunerSettingInUse(0x00000103));
    EXPECT_EQ(TunerSettingId(0x00010103), 3u);
    EXPECT_EQ(SwitchSetting(0x0003, true), 0x10003u);
    EXPECT_EQ(SwitchSetting(0x70003, false), 0x0003u);
    EXPECT_EQ(ChooseSetting(0x10003, 0x1234507), 0x14507u);
}

// Print mode and black finish enabled.
std::pair<bool, bool> Allowed(const BlackControls &c) { return {c.printMode, c.blackFinish}; }

TEST(BlackControls, ModeAndCartridge) {
    EXPECT_FALSE(BlackControlsFor(kColorModeGray, kCartridgeWhite).printMode);
    EXPECT_FALSE(BlackControlsFor(kColorModeGray, kCartridgeBlack).blackFinish);
    EXPECT_EQ(Allowed(BlackControlsFor(kColorModeColor, kCartridgeWhite)), std::make_pair(true, false));
    EXPECT_EQ(Allowed(BlackControlsFor(kColorModeColor, kCartridgeBlack)), std::make_pair(false, true));
    // A further colour mode of the printer description: the refresh allows
    // by cartridge, a cartridge click allows nothing.
    EXPECT_TRUE(BlackControlsFor(2, kCartridgeWhite).printMode);
    EXPECT_EQ(Allowed(BlackControlsOnCartridge(2, kCartridgeWhite)), std::make_pair(false, false));
}

// Matching, CMYK and simulation controls, the RGB, CMYK, link and flow
// pictures, and the link list enabled rather than the input list.
std::vector<bool> Shown(const DetailsLayout &l) {
    return {l.matching, l.cmyk, l.simulation, l.rgbPicture, l.cmykPicture, l.linkPicture, l.flowPicture, l.linkList};
}

TEST(DetailsLayout, MatchingMethodAndProfileKind) {
    EXPECT_EQ(Shown(DetailsLayoutFor(0, 0)), (std::vector<bool>{true, true, false, true, true, false, false, false}));
    EXPECT_EQ(Shown(DetailsLayoutFor(0, 1)), (std::vector<bool>{true, true, false, true, false, false, true, true}));
    EXPECT_EQ(Shown(DetailsLayoutFor(1, 1)), (std::vector<bool>{true, false, true, false, true, true, false, false}));
    EXPECT_EQ(Shown(DetailsLayoutFor(2, 0)), std::vector<bool>(8, false));
}

}  // namespace
