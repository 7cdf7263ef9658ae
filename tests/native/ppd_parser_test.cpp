#include "../../host/ppd/ppd_file.h"
#include "sample_files.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

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

// A feature in one line: keyword/translation [group] (jcl) default keyword#index: options.
std::string Outline(const PpdFeature &f) {
    std::string text = f.keyword + "/" + f.translation + " [" + f.group + "]" + (f.jcl ? " jcl" : "") +
                       " default " + f.defaultKeyword + "#" + std::to_string(f.defaultIndex) + ":";
    for (const PpdOption &option : f.options) text += " " + option.keyword + "/" + option.translation;
    return text;
}

TEST(PpdParser, ReadsHeaderValuesFeaturesOptionsDefaultsAndUiConstraints) {
    const PpdFile ppd = ParsePpd(kSmall);
    EXPECT_TRUE(ppd.adobeHeader && ppd.colorDevice);
    EXPECT_EQ((std::vector<std::string>{ppd.fileVersion, ppd.pcFileName, ppd.modelName, ppd.nickName}),
              (std::vector<std::string>{"1.20", "SMALL.PPD", "Small Model", "Small Model PS"}));
    ASSERT_EQ(ppd.features.size(), 2u);
    EXPECT_EQ(Outline(ppd.features[0]), "PageSize/Page Size [General] default Letter#1: A4/A4 Paper Letter/US Letter");
    // No translation: the keyword.
    EXPECT_EQ(Outline(ppd.features[1]), "Duplex/Duplex [General] default None#0: None/None DuplexNoTumble/Long Edge");
    ASSERT_EQ(ppd.groups.size(), 1u);
    EXPECT_EQ(ppd.groups[0].keyword + "/" + ppd.groups[0].translation, "General/General Options");

    // With and without options; the non-UI constraint is skipped.
    std::vector<std::string> constraints;
    for (const PpdConstraint &c : ppd.constraints)
        constraints.push_back(c.feature1 + " " + c.option1 + " " + c.feature2 + " " + c.option2);
    EXPECT_EQ(constraints, (std::vector<std::string>{"PageSize A4 Duplex DuplexNoTumble", "Duplex  PageSize Letter"}));
}

TEST(PpdParser, SampleModelHasItsFeaturesInFileOrderWithGroupsAndConstraints) {
    const std::string text = ReadSample("sxc4200.ppd");
    ASSERT_FALSE(text.empty());
    const PpdFile ppd = ParsePpd(text);
    ASSERT_GE(ppd.features.size(), 60u);
    // Model, default resolution, and keyword and group of the first and the last feature.
    EXPECT_EQ((std::vector<std::string>{ppd.modelName, ppd.defaultResolution, ppd.features[0].keyword,
                                        ppd.features[0].group, ppd.features.back().keyword, ppd.features.back().group}),
              (std::vector<std::string>{"SX Color 4200 PS", "600dpi", "VXOptionTray", kInstallableOptionsGroup,
                                        "VXPunch", "Finishing"}));

    const PpdFeature *resolution = ppd.Feature("VXResolution");
    ASSERT_NE(resolution, nullptr);
    ASSERT_EQ(resolution->options.size(), 3u);
    EXPECT_EQ(resolution->options[0].translation, "Zenit/High Quality");
    EXPECT_EQ(resolution->defaultIndex, 2u);
    EXPECT_EQ(ppd.Feature("VXHDD")->options[ppd.Feature("VXHDD")->defaultIndex].keyword, "False");
    EXPECT_EQ(ppd.Feature("PageSize")->options.size(), 15u);
    // ImageableArea has options but is no user-interface feature.
    EXPECT_EQ(ppd.Feature("ImageableArea"), nullptr);

    EXPECT_EQ(std::make_pair(ppd.constraints.size(), ppd.groups.size()), std::make_pair(size_t{26}, size_t{7}));
}

TEST(PpdParser, AcceptsEveryLineEndingAndQuotedValuesOverSeveralLines) {
    const char crlf[] = "*PPD-Adobe: \"4.3\"\r\n*OpenUI *Tray/Tray: PickOne\r\n*DefaultTray: B\r\n"
                        "*Tray A/First: \"line one\r\n*not a statement: x\r\nline three\"\r\n"
                        "*End\r\n*Tray B/Second: \"\"\r\n*CloseUI: *Tray\r\n";
    const char cr[] = "*PPD-Adobe: \"4.3\"\r*OpenUI *Tray/Tray: PickOne\r*DefaultTray: B\r"
                      "*Tray A/First: \"\"\r*Tray B/Second: \"\"\r*CloseUI: *Tray\r";
    for (const char *text : {crlf, cr}) {
        const PpdFile ppd = ParsePpd(text);
        ASSERT_EQ(ppd.features.size(), 1u);
        EXPECT_EQ(Outline(ppd.features[0]), "Tray/Tray [] default B#1: A/First B/Second") << text;
        EXPECT_EQ(ppd.Feature("not"), nullptr);
    }
}

TEST(PpdParser, MissingCloseUiEndsTheFeatureAtTheNextOpenUi) {
    const PpdFile ppd = ParsePpd("*OpenUI *First: PickOne\n*First A: \"\"\n"
                                 "*OpenUI *Second: Boolean\n*Second True: \"\"\n*Second False: \"\"\n"
                                 "*First B: \"\"\n");
    ASSERT_EQ(ppd.features.size(), 2u);
    EXPECT_EQ(ppd.features[1].type, PpdUiType::Boolean);
    EXPECT_EQ(ppd.features[1].options.size(), 2u);
    // An option line of an earlier feature still reaches that feature.
    EXPECT_EQ(ppd.features[0].options.size(), 2u);
    EXPECT_FALSE(ppd.adobeHeader);
}

// Descriptions of one feature each and the feature read from them.
TEST(PpdParser, JclFeaturesRepeatedOptionsEmptyFeaturesDefaultsAndTranslations) {
    const std::pair<const char *, const char *> descriptions[] = {
        // A repeated option keeps its first translation; a feature without options is left out.
        {"*JCLOpenUI *JCLEconomode/Toner Saver: Boolean\n*DefaultJCLEconomode: True\n"
         "*JCLEconomode False/Off: \"\"\n*JCLEconomode True/On: \"\"\n"
         "*JCLEconomode True/Again: \"\"\n*JCLCloseUI: *JCLEconomode\n"
         "*OpenUI *Empty/Nothing: PickOne\n*CloseUI: *Empty\n",
         "JCLEconomode/Toner Saver [] jcl default True#1: False/Off True/On"},
        // A default naming no option falls back to the first.
        {"*OpenUI *Bin: PickOne\n*DefaultBin: Unknown\n*Bin Up: \"\"\n*Bin Down: \"\"\n",
         "Bin/Bin [] default Unknown#0: Up/Up Down/Down"},
        // Translation strings keep their bytes and decode hex.
        {"*OpenUI *Media/Papier \xE9pais: PickOne\n"
         "*Media Thick/Dick \xC3\xBC<62>er: \"\"\n*Media Thin/<41 42>: \"\"\n*CloseUI: *Media\n",
         "Media/Papier \xE9pais [] default #0: Thick/Dick \xC3\xBC" "ber Thin/AB"},
    };
    for (const auto &description : descriptions) {
        const PpdFile ppd = ParsePpd(description.first);
        ASSERT_EQ(ppd.features.size(), 1u) << description.second;
        EXPECT_EQ(Outline(ppd.features[0]), description.second);
    }
}

// An unclosed quote ends with its line; embedded NULs and binary bytes do
// not stop the reader: the option after them still reaches its feature.
TEST(PpdParser, UnclosedQuotesBinaryBytesAndAByteOrderMarkDoNotStopTheReader) {
    const std::string texts[] = {
        "*OpenUI *X: PickOne\n*X Y: \"never closed\n*X Z: unquoted\n",
        "*OpenUI *A: PickOne\n*A One: \"\"\n" + std::string("\0\x01\xFF*bad\n", 8) + "*A Two: \"\"\n*CloseUI: *A\n"};
    for (const std::string &text : texts) {
        const PpdFile ppd = ParsePpd(text);
        ASSERT_EQ(ppd.features.size(), 1u) << text.substr(0, 20);
        EXPECT_EQ(ppd.features[0].options.size(), 2u) << text.substr(0, 20);
    }
    EXPECT_TRUE(ParsePpd("\xEF\xBB\xBF*PPD-Adobe: \"4.3\"\n").adobeHeader);
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
