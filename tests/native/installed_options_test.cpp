#include "printer/installed_options.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

std::string Entry(const std::string &keyword, const std::string &setting) {
    return keyword + std::string(1, '\0') + setting + std::string(1, '\0') + "\n";
}

const std::string kListEnd("\0\0", 2);

struct Buffer {
    explicit Buffer(const std::string &text) : bytes(kFeatureKeywordBytes, 0xEE) {
        std::copy(text.begin(), text.end(), bytes.begin());
        length = static_cast<uint32_t>(text.size());
    }
    std::string Text() const { return std::string(bytes.begin(), bytes.begin() + length); }
    uint32_t Replace(const char *keyword, const char *setting) {
        length = ReplaceFeatureValue(bytes.data(), length, keyword, setting);
        return length;
    }
    std::vector<uint8_t> bytes;
    uint32_t length;
};

std::vector<std::pair<std::string, std::string>> Pairs(const FeatureValue *values, size_t count) {
    std::vector<std::pair<std::string, std::string>> pairs;
    for (size_t i = 0; i < count; ++i) pairs.emplace_back(values[i].keyword, values[i].setting);
    return pairs;
}

std::vector<int64_t> Fields(const InstalledOptions &o) {
    return {o.installed, o.memoryMb, o.storage, o.punchType, o.jobLimitation, o.spotColor};
}

ProfileLookup LookupOf(const std::map<std::string, std::string> &values) {
    return [values](const char *key) {
        const auto found = values.find(key);
        return found == values.end() ? std::string() : found->second;
    };
}

}  // namespace

TEST(ReplaceFeatureValue, RewritesEveryEntryOfTheKeywordAndFollowsTheLength) {
    Buffer list(Entry("VXHDD", "True") + Entry("VXFinisher", "True") + Entry("VXHDD", "True") + kListEnd);
    const uint32_t before = list.length;
    EXPECT_EQ(list.Replace("VXHDD", "False"), before + 2);
    EXPECT_EQ(list.Text(), Entry("VXHDD", "False") + Entry("VXFinisher", "True") + Entry("VXHDD", "False") + kListEnd);
    // The driver's own entries carry no NUL after the setting; ours do.
    Buffer driver(std::string("VXHDD\0True\nVXFinisher\0False\n", 28) + kListEnd);
    driver.Replace("VXFinisher", "True");
    EXPECT_EQ(driver.Text(), std::string("VXHDD\0True\n", 11) + Entry("VXFinisher", "True") + kListEnd);
}

TEST(ReplaceFeatureValue, AbsentOrPrefixKeywordsLeaveTheListAsItWas) {
    const std::string text = Entry("VXHDDSpool", "True") + Entry("VXFinisher", "True") + kListEnd;
    Buffer list(text);
    for (const char *keyword : {"VXHDD", "vxfinisher", ""}) {
        EXPECT_EQ(list.Replace(keyword, "False"), text.size()) << keyword;
        EXPECT_EQ(list.Text(), text) << keyword;
    }
}

TEST(ReplaceFeatureValue, StopsAtTheListEndAndBoundsTheClaimedLength) {
    Buffer list(Entry("VXHDD", "True") + kListEnd + "garbage after the end");
    const uint32_t listBytes = static_cast<uint32_t>(Entry("VXHDD", "True").size() + 2);
    EXPECT_EQ(list.Replace("VXHDD", "False"), listBytes + 1);
    EXPECT_EQ(list.Text(), Entry("VXHDD", "False") + kListEnd);
    // A size beyond the buffer reads only the buffer.
    Buffer claimed(Entry("VXHDD", "True") + kListEnd);
    EXPECT_EQ(ReplaceFeatureValue(claimed.bytes.data(), 100000, "VXHDD", "False"), listBytes + 1);
    // A zero length reads nothing.
    EXPECT_EQ(ReplaceFeatureValue(claimed.bytes.data(), 0, "VXHDD", "False"), 0u);
}

TEST(ReplaceFeatureValue, NeverGrowsPastTheBufferAndKeepsTheLaterSteps) {
    // Filler so that the list is exactly full.
    std::string text = Entry("VXHDD", "True") + Entry("VXFinisher", "False");
    const std::string filler = "VXPad";
    while (text.size() + Entry(filler, "x").size() + 2 <= kFeatureKeywordBytes)
        text += Entry(filler, "x");
    text += std::string(kFeatureKeywordBytes - 2 - text.size(), 'p') + kListEnd;
    ASSERT_EQ(text.size(), kFeatureKeywordBytes);
    Buffer list(text);
    // Growing by one byte does not fit: the data stays exactly as it was.
    EXPECT_EQ(list.Replace("VXHDD", "False"), kFeatureKeywordBytes);
    EXPECT_EQ(list.Text(), text);
    EXPECT_EQ(list.bytes.size(), kFeatureKeywordBytes);
    // A shrinking step still runs, and then the growing one fits.
    EXPECT_EQ(list.Replace("VXFinisher", "Tru"), kFeatureKeywordBytes - 2);
    EXPECT_EQ(list.Replace("VXHDD", "False"), kFeatureKeywordBytes - 1);
}

TEST(ReplaceFeatureValue, AMatchRestartsAtTheKeywordsFirstCharacter) {
    // "VVXHDD": the second V does not start a new match.
    Buffer list(Entry("VVXHDD", "True") + Entry("XVXHDD", "True") + kListEnd);
    list.Replace("VXHDD", "False");
    EXPECT_EQ(list.Text(), Entry("VVXHDD", "True") + Entry("XVXHDD", "False") + kListEnd);
}

TEST(InstalledFeatures, MapsTheOptionFlagsToTheNineKeywordsInOrder) {
    // Installed flags, memory, storage, punch type, job limitation, spot colour.
    InstalledOptions options = {0x5A, 256, 0, 4, 1, 2};
    FeatureValue values[kInstalledFeatureCount];
    ASSERT_EQ(InstalledFeatureValues(options, false, values), 9u);
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"VXOptionMPF", "True"},  {"VXOptionDuplex", "False"}, {"VXFinisher", "True"},
        {"VXPunchUnit", "None"},  {"VXJobLimit", "True"},      {"VXOptionTray", "4"},
        {"VXHDD", "False"},       {"InstalledMemory", "256MB"}, {"VXSpecialTonerInstalled", "Clear"}};
    EXPECT_EQ(Pairs(values, 9), expected);
    options = {0x23, 0, 1, 3, 1, 7};
    ASSERT_EQ(InstalledFeatureValues(options, true, values), 8u);
    // No memory entry, and job limitation never on from OS major version 6.
    EXPECT_EQ(Pairs(values, 8), (std::vector<std::pair<std::string, std::string>>{
                                    {"VXOptionMPF", "False"}, {"VXOptionDuplex", "True"}, {"VXFinisher", "False"},
                                    {"VXPunchUnit", "Type3"}, {"VXJobLimit", "False"}, {"VXOptionTray", "2"},
                                    {"VXHDD", "True"}, {"VXSpecialTonerInstalled", "None"}}));
    options.memoryMb = -5;
    EXPECT_EQ(InstalledFeatureValues(options, true, values), 8u);
}

TEST(InstalledFeatures, RewriteLeavesMemoryAloneWhenNoneIsReported) {
    const std::string start = Entry("InstalledMemory", "128MB") + Entry("VXOptionDuplex", "True") +
                              Entry("VXOptionTray", "0") + kListEnd;
    Buffer list(start);
    InstalledOptions options = {0x01};
    list.length = RewriteInstalledFeatures(list.bytes.data(), list.length, options, false);
    EXPECT_EQ(list.Text(), Entry("InstalledMemory", "128MB") + Entry("VXOptionDuplex", "False") +
                               Entry("VXOptionTray", "1") + kListEnd);
    options.memoryMb = 2048;
    list.length = RewriteInstalledFeatures(list.bytes.data(), list.length, options, false);
    EXPECT_EQ(list.Text().substr(0, Entry("InstalledMemory", "2048MB").size()), Entry("InstalledMemory", "2048MB"));
}

TEST(OptionsFiles, ReadTheNetworkAndUsbColumns) {
    const InstalledOptions network = ReadInstalledOptions(
        LookupOf({{"Installed", "48"}, {"Random Access Memory", "512"}, {"SD Card", "1"},
                  {"PunchType", "2"}, {"JobLimitationMode", "1"}, {"SpotColor", "1"},
                  {"RAM", "999"}}),
        OptionsColumn::Network);
    EXPECT_EQ(Fields(network), (std::vector<int64_t>{48, 512, 1, 2, 1, 1}));
    const InstalledOptions usb = ReadInstalledOptions(
        LookupOf({{"Installed", "272"}, {"RAM", "  -12"}, {"SD Card", "0"}}), OptionsColumn::Usb);
    EXPECT_EQ(Fields(usb), (std::vector<int64_t>{272, -12, 1, 0, 0, 0}));
    EXPECT_EQ(ReadInstalledOptions(LookupOf({{"Installed", "16"}}), OptionsColumn::Usb).storage, 0u);
    EXPECT_EQ(Fields(ReadInstalledOptions(LookupOf({}), OptionsColumn::Network)),
              (std::vector<int64_t>{0, 0, 0, 0, 0, 0}));
}

TEST(OptionsFiles, IntegersReadAsTheProfileFunctionsReadThem) {
    const std::pair<const char *, int32_t> cases[] = {
        {"256", 256}, {" \t+64MB", 64}, {"-7", -7}, {"abc", 0}, {"--1", 0}, {"", 0},
        {"99999999999999999999", INT32_MAX}, {"-99999999999999999999", INT32_MIN}};
    for (const auto &c : cases) EXPECT_EQ(ParseProfileInteger(c.first), c.second) << c.first;
}

TEST(DetectedSelections, FollowTheItemsOptionOrder) {
    InstalledOptions options = {0x30};
    uint32_t vector[kDetectedSelectionCount];
    BuildDetectedSelections(options, false, 1, vector);
    // Duplex and feeder installed, no storage, no finisher, job limitation on.
    for (const auto &item : std::vector<std::pair<uint8_t, uint32_t>>{{5, 0}, {9, 1}, {3, 1}, {8, 0}, {7, 1}}) {
        uint32_t sel = 99;
        EXPECT_TRUE(DetectedSelectionFor(vector, item.first, &sel)) << int(item.first);
        EXPECT_EQ(sel, item.second) << int(item.first);
    }
    uint32_t sel = 99;
    for (uint8_t item : {uint8_t{13}, uint8_t{2}}) EXPECT_FALSE(DetectedSelectionFor(vector, item, &sel)) << int(item);

    // Installed flags, memory, storage, punch type, job limitation, spot colour.
    options = {0x0F | kInstalledFinisher, 0, 1, 2, 1, 2};
    BuildDetectedSelections(options, false, 0, vector);
    EXPECT_EQ(std::vector<uint32_t>(vector, vector + 9), (std::vector<uint32_t>{0, 1, 4, 0, 1, 0, 1, 0, 2}));
    BuildDetectedSelections(options, true, 0, vector);
    EXPECT_EQ(vector[7], 1u);  // job limitation always off from OS major version 6
}

TEST(DetectedSelections, MemoryMatchesTheFirstOptionReadingAsTheSize) {
    const char16_t *texts[] = {u"128 MB", nullptr, u"MB", u"", u"256 MB", u"256 MB", u"1024 MB"};
    for (const auto &memory : std::vector<std::pair<int32_t, uint32_t>>{{256, 4}, {1024, 6}, {512, 0}, {0, 0}})
        EXPECT_EQ(MatchMemoryOption(texts, 7, memory.first), memory.second) << memory.first;
    EXPECT_EQ(MatchMemoryOption(nullptr, 3, 128), 0u);
}

TEST(InstallableItems, RecogniseTheKeywordsExactly) {
    const InstallableItemRule *rule = FindInstallableItemRule("InstalledMemory");
    ASSERT_NE(rule, nullptr);
    EXPECT_EQ(std::make_pair(rule->helpContext, int(rule->itemId)), std::make_pair(2207u, 7));
    ASSERT_NE(FindInstallableItemRule("VXOutputManagement"), nullptr);
    EXPECT_EQ(FindInstallableItemRule("VXOutputManagement")->helpContext, 1813u);
    for (const char *keyword : {"VXHDDSpool", "vxhdd", static_cast<const char *>(nullptr)})
        EXPECT_EQ(FindInstallableItemRule(keyword), nullptr) << (keyword ? keyword : "(null)");
    EXPECT_EQ(UserTypeKey(3), "USERTYPE3");
}
