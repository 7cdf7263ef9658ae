#include "../../host/ppd/feature_keyword_data.h"
#include "../../host/ppd/ppd_media.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

TEST(PpdMedia, PaperKeywordsAndDuplexModesHaveTheirPlatformNumbers) {
    const struct {
        const char *keyword;
        size_t position;
        int16_t paper;
    } papers[] = {
        {"Letter", 5, 1}, {"A4", 0, 9}, {"A3", 1, 8}, {"B4", 3, 12}, {"Env10", 13, 20},
        {"FanFoldGermanLegal", 9, 41}, {"DoublePostcard", 12, 69}, {"A6", 0, 70},
        // Unknown sizes count from the first user number by their position.
        {"VXLegal", 10, kFirstUserPaper + 10}, {"letter", 0, kFirstUserPaper}, {"Custom", 1000000, 0x7FFF},
    };
    for (const auto &p : papers) EXPECT_EQ(PaperSizeOf(p.keyword, p.position), p.paper) << p.keyword;
    const std::pair<const char *, int16_t> duplex[] = {
        {"None", 1}, {"DuplexNoTumble", 2}, {"DuplexTumble", 3}, {"SimplexTumble", 1}};
    for (const auto &d : duplex) EXPECT_EQ(DuplexModeOf(d.first), d.second) << d.first;
}

TEST(PpdMedia, Resolutions) {
    int16_t x = 0, y = 0;
    ASSERT_TRUE(ReadResolution("600dpi", &x, &y));
    EXPECT_EQ(std::make_pair(x, y), std::make_pair(int16_t{600}, int16_t{600}));
    ASSERT_TRUE(ReadResolution("600x1200dpi", &x, &y));
    EXPECT_EQ(std::make_pair(x, y), std::make_pair(int16_t{600}, int16_t{1200}));
    for (const char *bad : {"", "dpi", "600", "600x", "600xdpi", "0dpi", "x600dpi", "600dpix", "99999dpi", "600 dpi"})
        EXPECT_FALSE(ReadResolution(bad, &x, &y)) << bad;
}

std::vector<uint8_t> Bytes(const std::string &text) {
    return std::vector<uint8_t>(text.begin(), text.end());
}

using Settings = std::vector<std::pair<std::string, std::string>>;

Settings Pairs(const std::vector<FeatureSetting> &settings) {
    Settings pairs;
    for (const FeatureSetting &s : settings) pairs.emplace_back(s.feature, s.option);
    return pairs;
}

TEST(FeatureKeywordData, RoundTripInOrder) {
    const std::vector<FeatureSetting> settings = {
        {"VXHDD", "False"}, {"VXFinisher", "True"}, {"VXOptionTray", "2"}};
    const std::vector<uint8_t> data = FormatFeatureKeywordData(settings, kFeatureKeywordCapacity);
    EXPECT_EQ(data, Bytes(std::string("VXHDD\0False\0\nVXFinisher\0True\0\nVXOptionTray\0" "2\0\n\0\0", 48)));
    EXPECT_EQ(Pairs(ParseFeatureKeywordData(data.data(), data.size())), Pairs(settings));
}

TEST(FeatureKeywordData, EntriesThatDoNotFitAreLeftOut) {
    const std::vector<FeatureSetting> settings = {
        {"Long", std::string(20, 'x')}, {"A", "B"}};
    const std::vector<uint8_t> data = FormatFeatureKeywordData(settings, 12);
    EXPECT_EQ(data, Bytes(std::string("A\0B\0\n\0\0", 7)));
    EXPECT_EQ(FormatFeatureKeywordData({}, 2), Bytes(std::string("\0\0", 2)));
}

TEST(FeatureKeywordData, ReadsTheFormsOtherWritersLeave) {
    const std::pair<std::string, Settings> forms[] = {
        {std::string("A\0one\nB\0two\n\0\0", 15), {{"A", "one"}, {"B", "two"}}},
        {std::string("A\0one\0\0", 7), {{"A", "one"}}},
        {std::string("A\0one\0\nB\0tw", 11), {{"A", "one"}}},
        {std::string("Broken\n", 7), {}}};
    for (const auto &form : forms)
        EXPECT_EQ(Pairs(ParseFeatureKeywordData(Bytes(form.first).data(), form.first.size())), form.second);
    EXPECT_TRUE(ParseFeatureKeywordData(nullptr, 0).empty());
}

}  // namespace
