#include "../../host/ppd/ppd_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace {

const char kSmall[] =
    "*PPD-Adobe: \"4.3\"\n"
    "*FileVersion: \"1.20\"\n"
    "*PCFileName: \"SMALL.PPD\"\n"
    "*ModelName: \"Small Model\"\n"
    "*NickName: \"Small Model PS\"\n"
    "*ColorDevice: True\n"
    "*OpenGroup: General/General Options\n"
    "*OpenUI *PageSize/Page Size: PickOne\n"
    "*OrderDependency: 10 AnySetup *PageSize\n"
    "*DefaultPageSize: Letter\n"
    "*PageSize A4/A4 Paper: \"<< /PageSize [595 842] >> setpagedevice\"\n"
    "*PageSize Letter/US Letter: \"<< /PageSize [612 792] >> setpagedevice\"\n"
    "*CloseUI: *PageSize\n"
    "*OpenUI *Duplex: PickOne\n"
    "*DefaultDuplex: None\n"
    "*Duplex None: \"\"\n"
    "*Duplex DuplexNoTumble/Long Edge: \"\"\n"
    "*CloseUI: *Duplex\n"
    "*CloseGroup: General\n"
    "*UIConstraints: *PageSize A4 *Duplex DuplexNoTumble\n"
    "*NonUIConstraints: *PageSize Letter *Duplex DuplexNoTumble\n"
    "*UIConstraints: *Duplex *PageSize Letter\n";

// The sample model's description, found from this file's own place.
std::string ReadSample() {
    std::string path = __FILE__;
    path.resize(path.rfind("tests/native/"));
    std::ifstream file(path + "samples/sxc4200.ppd", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

TEST(PpdParser, ReadsHeaderValuesFeaturesOptionsAndDefaults) {
    const PpdFile ppd = ParsePpd(kSmall);
    EXPECT_TRUE(ppd.adobeHeader);
    EXPECT_EQ(ppd.fileVersion, "1.20");
    EXPECT_EQ(ppd.pcFileName, "SMALL.PPD");
    EXPECT_EQ(ppd.modelName, "Small Model");
    EXPECT_EQ(ppd.nickName, "Small Model PS");
    EXPECT_TRUE(ppd.colorDevice);

    ASSERT_EQ(ppd.features.size(), 2u);
    const PpdFeature &pageSize = ppd.features[0];
    EXPECT_EQ(pageSize.keyword, "PageSize");
    EXPECT_EQ(pageSize.translation, "Page Size");
    EXPECT_EQ(pageSize.group, "General");
    ASSERT_EQ(pageSize.options.size(), 2u);
    EXPECT_EQ(pageSize.options[0].keyword, "A4");
    EXPECT_EQ(pageSize.options[0].translation, "A4 Paper");
    EXPECT_EQ(pageSize.options[1].translation, "US Letter");
    EXPECT_EQ(pageSize.defaultKeyword, "Letter");
    EXPECT_EQ(pageSize.defaultIndex, 1u);

    const PpdFeature &duplex = ppd.features[1];
    EXPECT_EQ(duplex.translation, "Duplex");  // no translation: the keyword
    EXPECT_EQ(duplex.options[0].translation, "None");
    EXPECT_EQ(duplex.options[1].translation, "Long Edge");

    ASSERT_EQ(ppd.groups.size(), 1u);
    EXPECT_EQ(ppd.groups[0].keyword, "General");
    EXPECT_EQ(ppd.groups[0].translation, "General Options");
}

TEST(PpdParser, ReadsUiConstraintsWithAndWithoutOptionsAndSkipsNonUiOnes) {
    const PpdFile ppd = ParsePpd(kSmall);
    ASSERT_EQ(ppd.constraints.size(), 2u);
    EXPECT_EQ(ppd.constraints[0].feature1, "PageSize");
    EXPECT_EQ(ppd.constraints[0].option1, "A4");
    EXPECT_EQ(ppd.constraints[0].feature2, "Duplex");
    EXPECT_EQ(ppd.constraints[0].option2, "DuplexNoTumble");
    EXPECT_EQ(ppd.constraints[1].feature1, "Duplex");
    EXPECT_EQ(ppd.constraints[1].option1, "");
    EXPECT_EQ(ppd.constraints[1].feature2, "PageSize");
    EXPECT_EQ(ppd.constraints[1].option2, "Letter");
}

TEST(PpdParser, SampleModelHasItsFeaturesInFileOrderWithGroupsAndConstraints) {
    const std::string text = ReadSample();
    ASSERT_FALSE(text.empty());
    const PpdFile ppd = ParsePpd(text);
    EXPECT_EQ(ppd.modelName, "SX Color 4200 PS");
    EXPECT_EQ(ppd.defaultResolution, "600dpi");

    ASSERT_GE(ppd.features.size(), 60u);
    EXPECT_EQ(ppd.features[0].keyword, "VXOptionTray");
    EXPECT_EQ(ppd.features[0].group, kInstallableOptionsGroup);
    EXPECT_EQ(ppd.features.back().keyword, "VXPunch");
    EXPECT_EQ(ppd.features.back().group, "Finishing");

    const PpdFeature *resolution = ppd.Feature("VXResolution");
    ASSERT_NE(resolution, nullptr);
    ASSERT_EQ(resolution->options.size(), 3u);
    EXPECT_EQ(resolution->options[0].translation, "Zenit/High Quality");
    EXPECT_EQ(resolution->defaultIndex, 2u);
    EXPECT_EQ(ppd.Feature("VXHDD")->options[ppd.Feature("VXHDD")->defaultIndex].keyword, "False");
    EXPECT_EQ(ppd.Feature("PageSize")->options.size(), 15u);
    // ImageableArea has options but is no user-interface feature.
    EXPECT_EQ(ppd.Feature("ImageableArea"), nullptr);

    EXPECT_EQ(ppd.constraints.size(), 26u);
    EXPECT_EQ(ppd.groups.size(), 7u);
}

TEST(PpdParser, AcceptsEveryLineEndingAndQuotedValuesOverSeveralLines) {
    const char crlf[] =
        "*PPD-Adobe: \"4.3\"\r\n*OpenUI *Tray/Tray: PickOne\r\n*DefaultTray: B\r\n"
        "*Tray A/First: \"line one\r\n*not a statement: x\r\nline three\"\r\n"
        "*End\r\n*Tray B/Second: \"\"\r\n*CloseUI: *Tray\r\n";
    const char cr[] =
        "*PPD-Adobe: \"4.3\"\r*OpenUI *Tray/Tray: PickOne\r*DefaultTray: B\r"
        "*Tray A/First: \"\"\r*Tray B/Second: \"\"\r*CloseUI: *Tray\r";
    for (const char *text : {crlf, cr}) {
        const PpdFile ppd = ParsePpd(text);
        ASSERT_EQ(ppd.features.size(), 1u);
        ASSERT_EQ(ppd.features[0].options.size(), 2u) << text;
        EXPECT_EQ(ppd.features[0].options[1].translation, "Second");
        EXPECT_EQ(ppd.features[0].defaultIndex, 1u);
        EXPECT_EQ(ppd.Feature("not"), nullptr);
    }
}

TEST(PpdParser, MissingCloseUiEndsTheFeatureAtTheNextOpenUi) {
    const PpdFile ppd = ParsePpd(
        "*OpenUI *First: PickOne\n*First A: \"\"\n"
        "*OpenUI *Second: Boolean\n*Second True: \"\"\n*Second False: \"\"\n"
        "*First B: \"\"\n");
    ASSERT_EQ(ppd.features.size(), 2u);
    EXPECT_EQ(ppd.features[1].type, PpdUiType::Boolean);
    EXPECT_EQ(ppd.features[1].options.size(), 2u);
    // An option line of an earlier feature still reaches that feature.
    EXPECT_EQ(ppd.features[0].options.size(), 2u);
    EXPECT_FALSE(ppd.adobeHeader);
}

TEST(PpdParser, JclFeaturesRepeatedOptionsAndEmptyFeatures) {
    const PpdFile ppd = ParsePpd(
        "*JCLOpenUI *JCLEconomode/Toner Saver: Boolean\n*DefaultJCLEconomode: True\n"
        "*JCLEconomode False/Off: \"\"\n*JCLEconomode True/On: \"\"\n"
        "*JCLEconomode True/Again: \"\"\n*JCLCloseUI: *JCLEconomode\n"
        "*OpenUI *Empty/Nothing: PickOne\n*CloseUI: *Empty\n");
    ASSERT_EQ(ppd.features.size(), 1u);
    EXPECT_TRUE(ppd.features[0].jcl);
    EXPECT_EQ(ppd.features[0].keyword, "JCLEconomode");
    ASSERT_EQ(ppd.features[0].options.size(), 2u);
    EXPECT_EQ(ppd.features[0].options[1].translation, "On");
    EXPECT_EQ(ppd.features[0].defaultIndex, 1u);
}

TEST(PpdParser, DefaultNamingNoOptionFallsBackToTheFirst) {
    const PpdFile ppd =
        ParsePpd("*OpenUI *Bin: PickOne\n*DefaultBin: Unknown\n*Bin Up: \"\"\n*Bin Down: \"\"\n");
    ASSERT_EQ(ppd.features.size(), 1u);
    EXPECT_EQ(ppd.features[0].defaultKeyword, "Unknown");
    EXPECT_EQ(ppd.features[0].defaultIndex, 0u);
}

TEST(PpdParser, TranslationStringsKeepTheirBytesAndDecodeHex) {
    const PpdFile ppd = ParsePpd(
        "*OpenUI *Media/Papier \xE9pais: PickOne\n"
        "*Media Thick/Dick \xC3\xBC<62>er: \"\"\n*Media Thin/<41 42>: \"\"\n*CloseUI: *Media\n");
    ASSERT_EQ(ppd.features.size(), 1u);
    EXPECT_EQ(ppd.features[0].translation, "Papier \xE9pais");
    EXPECT_EQ(ppd.features[0].options[0].translation, "Dick \xC3\xBC" "ber");
    EXPECT_EQ(ppd.features[0].options[1].translation, "AB");
}

TEST(PpdParser, AnUnclosedQuoteEndsWithItsLineAndAByteOrderMarkIsSkipped) {
    const PpdFile ppd = ParsePpd("*OpenUI *X: PickOne\n*X Y: \"never closed\n*X Z: unquoted\n");
    ASSERT_EQ(ppd.features.size(), 1u);
    EXPECT_EQ(ppd.features[0].options.size(), 2u);
    EXPECT_TRUE(ParsePpd("\xEF\xBB\xBF*PPD-Adobe: \"4.3\"\n").adobeHeader);
}

TEST(PpdParser, EmbeddedNulsAndBinaryBytesDoNotStopTheReader) {
    std::string text = "*OpenUI *A: PickOne\n*A One: \"\"\n";
    text += std::string("\0\x01\xFF*bad\n", 8);
    text += "*A Two: \"\"\n*CloseUI: *A\n";
    const PpdFile ppd = ParsePpd(text);
    ASSERT_EQ(ppd.features.size(), 1u);
    EXPECT_EQ(ppd.features[0].options.size(), 2u);
}

TEST(PpdParser, HugeFilesWithManyOptionsAndConstraints) {
    std::string text = "*PPD-Adobe: \"4.3\"\n*OpenUI *Big: PickOne\n*DefaultBig: O69999\n";
    constexpr int kOptions = 70000;
    for (int i = 0; i < kOptions; ++i) text += "*Big O" + std::to_string(i) + ": \"\"\n";
    text += "*CloseUI: *Big\n";
    for (int i = 0; i < 5000; ++i) text += "*UIConstraints: *Big O1 *Big O2\n";
    const PpdFile ppd = ParsePpd(text);
    ASSERT_EQ(ppd.features.size(), 1u);
    // The list is cut where a 16-bit count ends; the default lies beyond.
    EXPECT_EQ(ppd.features[0].options.size(), 0xFFFFu);
    EXPECT_EQ(ppd.features[0].defaultIndex, 0u);
    EXPECT_EQ(ppd.constraints.size(), 5000u);
}

}  // namespace
