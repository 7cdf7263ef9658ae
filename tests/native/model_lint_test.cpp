#include "../../host/lint/model_lint.h"
#include "../../host/lint/near_names.h"
#include "../../host/lint/pe_header.h"
#include "../../host/lint/ppd_lint.h"
#include "core/config_keys.h"
#include "sample_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

namespace {

// The sample model's folder, with its side libraries answering as a
// complete build would; tests take files away, add them or change them.
class FakeFolder : public ModelFolder {
public:
    FakeFolder() {
        for (const char *name : {"sxc4200.hft", "sxc4200.ccm", "sxwmfont.lst"})
            files_[Widen(name)] = ReadSample(name);
        for (const char *name : {"sxc4200.chm", "sxcrypt.dll", "sxnetopt.dll",
                                 "sxusbopt.dll", "sxlink.dll", "sxjobinf.dll", "sxcolorap.exe"})
            files_[Widen(name)] = "MZ";
    }

    bool Exists(FileHome, const std::u16string &name) override { return Lookup(name) != files_.end(); }
    std::vector<std::u16string> FileNames(FileHome) override {
        std::vector<std::u16string> names;
        for (const auto &file : files_) names.push_back(file.first);
        return names;
    }
    bool ReadFile(FileHome, const std::u16string &name, std::string *bytes) override {
        const auto file = Lookup(name);
        if (file == files_.end()) return false;
        *bytes = file->second;
        return true;
    }
    bool IsDependentFile(const std::u16string &name) override { return !notDependent_.count(name); }
    LibraryReport InspectLibrary(FileHome, const std::u16string &name, ValueKind,
                                 const std::vector<std::string> &exports,
                                 const std::vector<LibraryResource> &resources) override {
        LibraryReport report;
        report.loaded = !unloadable_.count(name);
        if (!report.loaded) report.problem = "not a 64-bit library";
        for (const std::string &e : exports)
            if (lacking_.count(e)) report.missingExports.push_back(e);
        for (const LibraryResource &r : resources)
            if (lacking_.count(ResourceName(r))) report.missingResources.push_back(r);
        return report;
    }

    std::map<std::u16string, std::string> files_;
    std::set<std::u16string> unloadable_;
    std::set<std::string> lacking_;
    std::set<std::u16string> notDependent_;

private:
    std::map<std::u16string, std::string>::iterator Lookup(const std::u16string &name) {
        return std::find_if(files_.begin(), files_.end(), [&](const auto &file) { return SameName(file.first, name); });
    }
};

ConfigFile Config(const std::string &name, const std::string &text) {
    ConfigFile file;
    file.present = true;
    file.name = name;
    file.profile = ParseNumberedProfile(text);
    return file;
}

struct SampleModel {
    std::string ini = ReadSample("sxc4200.ini");
    std::string cap = ReadSample("sxc4200.cap");
    std::string ver = ReadSample("sxc4200.ver");
    std::string ppd = ReadSample("sxc4200.ppd");
    FakeFolder folder;

    const std::string &Text(const std::string &file) const {
        return file == "sxc4200.ini" ? ini : file == "sxc4200.cap" ? cap : ver;
    }

    std::vector<Finding> Lint() {
        ModelInput input;
        input.driverName = u"SX Color 4200 PS";
        input.pluginIni = Config("sxc4200.ini", ini);
        input.capability = Config("sxc4200.cap", cap);
        input.version = Config("sxc4200.ver", ver);
        input.ppdPresent = true;
        input.ppdName = "sxc4200.ppd";
        input.ppdText = ppd;
        return LintModel(input, folder);
    }
};

void Replace(std::string *text, const std::string &from, const std::string &to) {
    const size_t at = text->find(from);
    ASSERT_NE(at, std::string::npos) << from;
    text->replace(at, from.size(), to);
}

// The 1-based line of the first line holding `part`.
int LineOf(const std::string &text, const std::string &part) {
    const size_t at = text.find(part);
    if (at == std::string::npos) return -1;
    int line = 1;
    for (size_t i = 0; i < at; ++i) line += text[i] == '\n';
    return line;
}

// The one finding expected, with its kind, file, line and key.
Finding Only(const std::vector<Finding> &findings, const char *kind) {
    EXPECT_EQ(findings.size(), 1u) << FormatFindingsText(findings);
    if (findings.empty()) return Finding();
    EXPECT_EQ(findings[0].kind, kind) << FormatFindingsText(findings);
    return findings[0];
}

TEST(ConfigKeys, KnowEveryKeyOfTheSampleModelSectionWithoutRegardToCase) {
    const NumberedProfile cap = ParseNumberedProfile(ReadSample("sxc4200.cap"));
    const NumberedSection *model = cap.Section(u"SXC4200");
    ASSERT_NE(model, nullptr);
    // The second sample model sets every key, the page layouts included.
    const NumberedProfile proCap = ParseNumberedProfile(ReadSample("sxc5200.cap"));
    const NumberedSection *proModel = proCap.Section(u"SXC5200PRO");
    ASSERT_NE(proModel, nullptr);
    size_t count = 0;
    CapabilityKeys(&count);
    EXPECT_EQ(proModel->entries.size(), count);
    for (const NumberedSection *section : {model, proModel})
        for (const NumberedEntry &entry : section->entries)
            EXPECT_NE(FindCapabilityKey(entry.key.c_str()), nullptr) << Utf8From(entry.key);
    EXPECT_EQ(FindCapabilityKey(u"cryptodll"), FindCapabilityKey(kKeyCryptoDll));
    EXPECT_EQ(FindCapabilityKey(u"CryptoDl"), nullptr);
    EXPECT_NE(FindPluginIniKey(u"dependentfiles", u"htmlhelp"), nullptr);
    EXPECT_EQ(FindPluginIniKey(u"SpecialKey", u"HTMLHELP"), nullptr);
}

TEST(ConfigKeys, ClassifyDependentFilesByExtensionInAnyCase) {
    const std::pair<const char16_t *, DependentFileKind> files[] = {
        {u"C:\\d\\OEMUI.INI", DependentFileKind::PluginIni}, {u"model.Cap", DependentFileKind::Capability},
        {u"sxc4200.VER", DependentFileKind::Version}, {u"sxc4200.ini.bak", DependentFileKind::Other},
        {u"cap", DependentFileKind::Other}};
    for (const auto &file : files) EXPECT_EQ(ClassifyDependentFile(file.first), file.second) << Utf8From(file.first);
}

TEST(NumberedProfile, ReadsAsTheProfileFunctionsDo) {
    const NumberedProfile profile = ParseNumberedProfile(
        "\xEF\xBB\xBF; comment\r\nstray=before any section\r\n[One]\r\n  Key = \"quoted value\" \r\n"
        "key=second\r\n;Key=commented\r\n[two]\nA=1\n[ONE]\nLater=x\nnovalue\n");
    ASSERT_EQ(profile.sections.size(), 3u);
    const NumberedEntry *key = profile.Find(u"one", u"KEY");
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(std::make_pair(key->value, key->line), std::make_pair(std::u16string(u"quoted value"), 4));
    EXPECT_NE(profile.Find(u"One", u"later"), nullptr) << "a section named twice reads as one";
    EXPECT_EQ(profile.Find(u"One", u"stray"), nullptr);
    ASSERT_NE(profile.Find(u"one", u"novalue"), nullptr);
    EXPECT_EQ(profile.Find(u"one", u"novalue")->value, u"");
    EXPECT_EQ(profile.Section(u"TWO")->line, 7);

    const std::pair<std::string, std::u16string> wide[] = {
        {std::string("\xFF\xFE[\0S\0]\0\n\0k\0=\0\xE9\0", 16), u"\u00E9"},
        {std::string("\xFE\xFF\0[\0S\0]\0\n\0k\0=\0x", 16), u"x"}};
    for (const auto &text : wide) {
        const NumberedProfile profile = ParseNumberedProfile(text.first);
        ASSERT_NE(profile.Find(u"S", u"k"), nullptr);
        EXPECT_EQ(profile.Find(u"S", u"k")->value, text.second);
    }

    long long value = 0;
    EXPECT_FALSE(ParseWholeNumber(u"99999999999", &value)) << "a whole number holds 32 bits";
}

TEST(NumberedProfile, TakesDamagedTextWithoutLosingItsPlace) {
    const std::string damaged[] = {
        "", "[", "[open", "=", "==\n=x", std::string("\xFF\xFE[\0", 4), "\xEF\xBB\xBF\xC3",
        std::string(100000, 'k') + "=v", std::string("[s]\n\0\0=\0", 8), "\xFF\xFE",
    };
    for (const std::string &text : damaged) {
        const NumberedProfile profile = ParseNumberedProfile(text);
        for (const NumberedSection &section : profile.sections)
            for (const NumberedEntry &entry : section.entries) EXPECT_GT(entry.line, 0);
    }
    const NumberedProfile open = ParseNumberedProfile("[Open\nKey=1\n");
    ASSERT_EQ(open.sections.size(), 1u);
    EXPECT_EQ(open.sections[0].name, u"Open");
    EXPECT_NE(open.Find(u"Open", u"Key"), nullptr);
}

TEST(PpdLint, TakesDamagedDescriptionsWithoutFailing) {
    const std::string damaged[] = {
        "", "*", "*OpenUI", "*OpenUI *", "*OpenUI *VXresolution", "*UIConstraints:", "*UIConstraints: *A",
        "*UIConstraints: *VXHDD True *\n", "*OpenUI *VXHDD: PickOne\n*VXHDD\n*CloseUI",
        std::string(70000, '*'),
    };
    for (const std::string &text : damaged) {
        for (const Finding &f : LintPpd("d.ppd", text)) {
            EXPECT_FALSE(f.consequence.empty()) << text.substr(0, 40);
            EXPECT_GE(f.line, 0);
        }
    }
}

TEST(NearNames, ProposeOnlyNamesASlipAway) {
    const std::vector<std::u16string> keys = {u"CryptoDll", u"USBExtDLL", u"USBExtDAT", u"HELP", u"HTMLHELP"};
    // Neighbours swapped and letter case count as slips; short names allow one
    // edit; the name itself is no suggestion.
    const std::pair<const char16_t *, const char16_t *> slips[] = {
        {u"CryptoDl", u"CryptoDll"}, {u"CrpytoDll", u"CryptoDll"}, {u"usbextdll", u"USBExtDLL"},
        {u"HTMLHLP", u"HTMLHELP"},   {u"HLP", u"HELP"},            {u"HX", u""},
        {u"Compression", u""},       {u"CryptoDll", u""}};
    for (const auto &slip : slips) EXPECT_EQ(NearestName(slip.first, keys), slip.second) << Utf8From(slip.first);
    EXPECT_EQ(NameDistance(u"VXresolution", u"VXResolution"), 0u);
}

TEST(ModelLint, FindsNothingInTheSampleModel) { EXPECT_EQ(FormatFindingsText(SampleModel().Lint()), "no findings\n"); }

// Slips in the sample model and the findings they give, in the order they
// are reported.
struct Expected {
    const char *kind;
    const char *file;
    const char *key;
    Severity severity;
    const char *suggestion;
    const char *message;      // a part of it
    const char *consequence;  // a part of it
    const char *line = "";    // the text starting the line named, "" when none
    const char *section = nullptr;
};

struct SlipSet {
    void (*edit)(SampleModel &);
    std::vector<Expected> findings;
};

const char kCap[] = "sxc4200.cap", kIni[] = "sxc4200.ini", kVer[] = "sxc4200.ver", kFonts[] = "sxwmfont.lst";
const char kTuner[] = "sxc4200.ccm", kHalftone[] = "sxc4200.hft";
constexpr Severity kError = Severity::Error, kWarning = Severity::Warning;

const SlipSet kSlipSets[] = {
    {[](SampleModel &m) { Replace(&m.cap, "CryptoDll=", "CryptoDl="); },
     {{kUnknownKey, kCap, "CryptoDl", kError, "CryptoDll", "", "encrypted secure print is off", "CryptoDl=",
       "SXC4200"}}},
    {[](SampleModel &m) { Replace(&m.ini, "[SpecialKey]\n", "[SpecialKey]\nColourfulness=3\n"); },
     {{kUnknownKey, kIni, "Colourfulness", kWarning, "", "", "", "Colourfulness="}}},
    {[](SampleModel &m) { Replace(&m.cap, "Compression=1281", "Compression=1281 ; level 5, shown"); },
     {{kBadValue, kCap, "Compression", kWarning, "", "", "reads 1281"}}},
    {[](SampleModel &m) { Replace(&m.cap, "JobInfoDLL=sxjobinf.dll", "JobInfoDLL=sxjobinfo.dll"); },
     {{kMissingFile, kCap, "JobInfoDLL", kError, "sxjobinf.dll", "", "empty application name"}}},
    {[](SampleModel &m) { m.folder.files_.erase(u"sxc4200.chm"); },  // sxc4200.ccm is no help file
     {{kMissingFile, kIni, "HTMLHELP", kError, "", "", ""}}},
    // A library found by the platform's search is not the driver's to list.
    {[](SampleModel &m) { m.folder.notDependent_ = {u"sxc4200.ccm", u"sxnetopt.dll"}; },
     {{kNotDependentFile, kCap, "CCMInfoFile", kWarning, "", "", ""}}},
    {[](SampleModel &m) { Replace(&m.cap, "SX Color 4200 PS=SXC4200", "SX Colour 4200 PS=SXC4200"); },
     {{kMissingModel, kCap, "SX Color 4200 PS", kError, "SX Colour 4200 PS", "", ""}}},
    {[](SampleModel &m) { Replace(&m.cap, "[SXC4200]", "[SXC420O]"); },
     {{kMissingModel, kCap, "SX Color 4200 PS", kError, "SXC420O", "", "", "SX Color 4200 PS="}}},
    {[](SampleModel &m) { Replace(&m.ini, "[DependentFiles]", "[DependantFiles]"); },
     {{kUnknownSection, kIni, "", kError, "DependentFiles", "", ""}}},
    {[](SampleModel &m) { Replace(&m.ver, "DriverVer=12/01/2026,1.20.0.3", "DriverVer=1.20.0.3"); },
     {{kBadValue, kVer, "DriverVer", kWarning, "", "", ""}}},
    // Keys written into the other file.
    {[](SampleModel &m) {
         Replace(&m.cap, "COLORAPEXE=sxcolorap.exe", "COLORAPEXE=sxcolorap.exe\nHALFTONE=sxc4200.hft");
         Replace(&m.ini, "[SpecialKey]\n", "[SpecialKey]\nCompression=1281\n");
     },
     {{kUnknownKey, kIni, "Compression", kError, "", "capability file's model section", ""},
      {kUnknownKey, kCap, "HALFTONE", kError, "", "", "no custom gamma setting"}}},
    // Values that do not parse, and what is read instead.
    {[](SampleModel &m) {
         Replace(&m.cap, "Compression=1281", "Compression=12x81");
         Replace(&m.cap, "HueboardRegPath=SOFTWARE", "HueboardRegPath=HKEY_LOCAL_MACHINE\\SOFTWARE");
     },
     {{kBadValue, kCap, "Compression", kError, "", "", "reads 12"},
      {kBadValue, kCap, "HueboardRegPath", kError, "", "", ""}}},
    // Integers outside what the plug-in acts on.
    {[](SampleModel &m) {
         Replace(&m.cap, "PSOutputOpt=-1", "PSOutputOpt=");
         Replace(&m.ini, "1PassSeries=0", "1PassSeries=2");
     },
     {{kValueRange, kIni, "1PassSeries", kWarning, "", "", ""},
      {kBadValue, kCap, "PSOutputOpt", kWarning, "", "", "not the default -1"}}},
    // Named files missing: a one-letter slip may change the extension.
    {[](SampleModel &m) {
         Replace(&m.ini, "HTMLHELP=sxc4200.chm", "HTMLHELP=sxc4200.hcm");
         Replace(&m.ini, "WMFONT=sxwmfont.lst", "WMFONT=sxwmfont.ls");
     },
     {{kMissingFile, kIni, "HTMLHELP", kError, "sxc4200.chm", "", ""},
      {kMissingFile, kIni, "WMFONT", kError, "sxwmfont.lst", "", ""}}},
    // Side libraries that do not load or lack an export or a resource.
    {[](SampleModel &m) {
         m.folder.unloadable_.insert(u"sxlink.dll");
         m.folder.lacking_ = {"DecryptPassword", "IsValidPort"};
     },
     {{kMissingExport, kCap, "CryptoDll", kError, "", "DecryptPassword", ""},
      {kMissingExport, kCap, "NetExtDLL", kError, "", "IsValidPort", ""},
      {kBadLibrary, kCap, "AskTvxRES", kError, "", "", "no link page"}}},
    {[](SampleModel &m) { m.folder.lacking_ = {"dialog 800", "bitmap 1003"}; },
     {{kMissingResource, kCap, "AskTvxRES", kError, "", "dialog 800", ""},
      {kMissingResource, kCap, "AskTvxRES", kError, "", "bitmap 1003", ""}}},
    // A key slip and a gap in a numbered list.
    {[](SampleModel &m) {
         Replace(&m.ini, "HTMLHELP=", "HTMLHLP=");
         Replace(&m.ini, "[Usertype]\n", "[Usertype]\nUSERTYPE1=Thick\nUSERTYPE3=Glossy\n");
     },
     {{kUnknownKey, kIni, "HTMLHLP", kError, "HTMLHELP", "", ""},
      {kValueRange, kIni, "USERTYPE3", kWarning, "", "", "USERTYPE2 is missing"}}},
    // The watermark font list: a default past the list, a missing style, a gap, a slip.
    {[](SampleModel &m) {
         m.folder.files_[u"sxwmfont.lst"] =
             "[PrinterFont]\nDefaultNo=9\n1=Helvetica,Helvetica-Oblique,,Helvetica-BoldOblique,Arial\n"
             "2=Times,Times-Italic,Times-Bold,Times-BoldItalic,Times New Roman\n"
             "4=Courier,Courier-Oblique,Courier-Bold,Courier-BoldOblique,Courier New\n"
             "DefaltNo=1\n";
     },
     {{kValueRange, kFonts, "DefaultNo", kWarning, "", "", ""},
      {kMissingSetting, kFonts, "1", kError, "", "", "bold style"},
      {kValueRange, kFonts, "4", kWarning, "", "", "3 is missing"},
      {kUnknownKey, kFonts, "DefaltNo", kError, "DefaultNo", "", ""}}},
    // The tuner settings the model points at; jobs read the tables of setting 4, not of 260.
    {[](SampleModel &m) {
         std::string &ccm = m.folder.files_[u"sxc4200.ccm"];
         Replace(&ccm, "CCMNV2=", "CCMNW2=");
         Replace(&ccm, "CCMNT3=1A11", "CCMNT3=1G11");
         Replace(&ccm, "SettingID1=4", "SettingID1=260");
     },
     {{kMissingSetting, kTuner, "CCMNV2", kError, "", "no such table", ""},
      {kUnknownKey, kTuner, "CCMNW2", kError, "CCMNT2", "", ""},
      {kValueRange, kTuner, "SettingID1", kError, "", "", "tables of setting 4"},
      {kMissingSetting, kTuner, "SettingName260", kError, "", "no name key", ""},
      {kBadTable, kTuner, "CCMNT3", kError, "", "", "high digit"}}},
    // The halftone settings.
    {[](SampleModel &m) {
         std::string &hft = m.folder.files_[u"sxc4200.hft"];
         Replace(&hft, "SettingName7=Soft Photo", "SettingNam7=Soft Photo");
         Replace(&hft, "SettingNum=5", "SettingNum=6");
     },
     {{kMissingSetting, kHalftone, "SettingID5", kError, "", "no id", ""},
      {kMissingSetting, kHalftone, "SettingName7", kError, "", "no name key", ""},
      {kUnknownKey, kHalftone, "SettingNam7", kError, "SettingName7", "", ""}}},
    // A Japanese entry's second field is its screen face.
    {[](SampleModel &m) {
         m.folder.files_[u"sxwmfont.lst"] =
             "\xEF\xBB\xBF[PrinterFont]\nDefaultNo=0\n"
             "1=Mincho,,HeiseiMin-W3-90ms-RKSJ-H,\xE6\x97\xA5\xE6\x9C\xAC\n";
     },
     {{kMissingSetting, kFonts, "1", kError, "", "", "screen face"}}},
};

TEST(ModelLint, ReportsEachSlipWithItsKindKeyAndNearestNameInOrder) {
    for (const SlipSet &slips : kSlipSets) {
        SampleModel model;
        slips.edit(model);
        const std::vector<Finding> findings = model.Lint();
        EXPECT_EQ(findings.size(), slips.findings.size()) << FormatFindingsText(findings);
        for (size_t i = 0; i < std::min(findings.size(), slips.findings.size()); ++i) {
            const Finding &f = findings[i];
            const Expected &e = slips.findings[i];
            EXPECT_EQ(f.kind, e.kind) << e.key;
            EXPECT_EQ(f.file, e.file) << e.key;
            EXPECT_EQ(f.key, e.key);
            EXPECT_EQ(f.severity, e.severity) << e.key;
            EXPECT_EQ(f.suggestion, e.suggestion) << e.key;
            EXPECT_NE(f.message.find(e.message), std::string::npos) << FormatFindingsText({f});
            EXPECT_NE(f.consequence.find(e.consequence), std::string::npos) << FormatFindingsText({f});
            if (*e.line) { EXPECT_EQ(f.line, LineOf(model.Text(f.file), e.line)) << e.key; }
            if (e.section) { EXPECT_EQ(f.section, e.section) << e.key; }
        }
    }
}

TEST(ModelLint, WarnsOfADuplicateKeyAndNamesTheLineThatCounts) {
    SampleModel model;
    Replace(&model.cap, "COLORAPEXE=sxcolorap.exe", "COLORAPEXE=sxcolorap.exe\ncolorapexe=other.exe");
    const Finding f = Only(model.Lint(), kDuplicateKey);
    EXPECT_EQ(f.line, LineOf(model.cap, "colorapexe="));
    EXPECT_NE(f.consequence.find("line " + std::to_string(LineOf(model.cap, "COLORAPEXE="))), std::string::npos);
}

// A family keyword a slip away from a slot; a foreign keyword only when it
// differs from a standard one in case alone.
TEST(PpdLint, ReportsKeywordsASlipAwayFromTheirSlotOrStandardName) {
    std::string ppd = ReadSample("sxc4200.ppd");
    Replace(&ppd, "*OpenUI *VXResolution/", "*OpenUI *VXresolution/");
    Finding f = Only(LintPpd("sxc4200.ppd", ppd), kUnknownKeyword);
    EXPECT_EQ(std::make_tuple(f.key, f.suggestion, f.line),
              std::make_tuple(std::string("VXresolution"), std::string("VXResolution"),
                              LineOf(ppd, "*OpenUI *VXresolution/")));
    EXPECT_NE(f.consequence.find("slot absent"), std::string::npos);

    const std::string foreign =
        "*PPD-Adobe: \"4.3\"\n*OpenUI *Collate: Boolean\n*Collate True: \"\"\n*CloseUI: *Collate\n"
        "*OpenUI *outputbin: PickOne\n*outputbin Upper: \"\"\n*CloseUI: *outputbin\n"
        "*OpenUI *VXSomethingElse: PickOne\n*VXSomethingElse A: \"\"\n*CloseUI: *VXSomethingElse\n";
    f = Only(LintPpd("foreign.ppd", foreign), kUnknownKeyword);
    EXPECT_EQ(std::make_pair(f.key, f.suggestion), std::make_pair(std::string("outputbin"), std::string("OutputBin")));
}

TEST(PpdLint, ReportsMissingComparedOptionsAndConstraintsOnWhatDoesNotExist) {
    std::string ppd = ReadSample("sxc4200.ppd");
    Replace(&ppd, "*VXHDD True/Installed", "*VXHDD Yes/Installed");
    Replace(&ppd, "*UIConstraints: *VXFinisher False *VXStaple One", "*UIConstraints: *VXFinisher False *VXStaple Onr");
    Replace(&ppd, "*UIConstraints: *VXControl Gray", "*UIConstraints: *VXContol Gray");
    // "True" was renamed, so the two constraints naming *VXHDD True... none
    // do; the sample's storage constraints name False only.
    const std::vector<Finding> findings = LintPpd("sxc4200.ppd", ppd);
    ASSERT_EQ(findings.size(), 3u) << FormatFindingsText(findings);
    EXPECT_EQ(findings[0].kind, kMissingOption);
    // Key, suggestion and line of each, in file order.
    const std::tuple<std::string, std::string, int> expected[] = {
        {"VXHDD", "", LineOf(ppd, "*OpenUI *VXHDD/")}, {"*VXStaple Onr", "One", LineOf(ppd, "*VXStaple Onr")},
        {"*VXContol", "VXControl", LineOf(ppd, "*VXContol")}};
    for (size_t i = 0; i < findings.size(); ++i)
        EXPECT_EQ(std::make_tuple(findings[i].key, findings[i].suggestion, findings[i].line), expected[i]) << i;
}

std::string PeBytes(uint16_t machine, uint16_t characteristics) {
    std::string bytes(0x80 + 24, '\0');
    bytes[0] = 'M';
    bytes[1] = 'Z';
    bytes[0x3C] = 0x40;
    bytes.replace(0x40, 4, std::string("PE\0\0", 4));
    bytes[0x44] = static_cast<char>(machine & 0xFF);
    bytes[0x45] = static_cast<char>(machine >> 8);
    bytes[0x56] = static_cast<char>(characteristics & 0xFF);
    bytes[0x57] = static_cast<char>(characteristics >> 8);
    return bytes;
}

TEST(PeHeader, TellsLibrariesOfThePluginsKindFromOthers) {
    constexpr uint16_t kLibrary = 0x2022, kProgram = 0x0022;
    EXPECT_EQ(PeProblem(ReadPeHeader(PeBytes(kMachineX64, kLibrary)), false), "");
    EXPECT_NE(PeProblem(ReadPeHeader(PeBytes(kMachineX86, kLibrary)), false).find("machine 0x014C"), std::string::npos);
    EXPECT_EQ(PeProblem(ReadPeHeader(PeBytes(kMachineX64, kProgram)), false), "it is a program, not a library");
    EXPECT_EQ(PeProblem(ReadPeHeader(PeBytes(kMachineX86, kProgram)), true), "");
    EXPECT_EQ(PeProblem(ReadPeHeader(PeBytes(kMachineX64, kLibrary)), true), "it is a library, not a program");
    EXPECT_FALSE(ReadPeHeader("MZ").valid);
    std::string pointsOutside = PeBytes(kMachineX64, kLibrary);
    pointsOutside[0x3C] = static_cast<char>(0xF0);
    pointsOutside[0x3F] = 0x7F;
    EXPECT_FALSE(ReadPeHeader(pointsOutside).valid);
    EXPECT_FALSE(ReadPeHeader(PeBytes(kMachineX64, kLibrary).substr(0, 0x50)).valid);
}

TEST(LintFinding, FormatsTextAndJsonWithCounts) {
    const Finding f = {Severity::Error, kUnknownKey, "a.cap", 7, "M", "Crypto\"Dl", "m", "c", "CryptoDll"};
    const Finding w = {Severity::Warning, kUnknownKey, "a.cap", 0, "M", "Crypto\"Dl", "m", "c", "CryptoDll"};
    const std::vector<Finding> findings = {f, w};
    const std::string text = FormatFindingsText(findings);
    for (const char *line : {"a.cap:7: error [unknown-key] [M] Crypto\"Dl: m\n", "a.cap: warning",
                             "did you mean \"CryptoDll\"?", "1 error, 1 warning\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line << " in\n" << text;
    const std::string json = FormatFindingsJson(findings);
    for (const char *part : {"\"key\":\"Crypto\\\"Dl\"", "\"errors\":1,\"warnings\":1}"})
        EXPECT_NE(json.find(part), std::string::npos) << part << " in\n" << json;
    EXPECT_EQ(FormatFindingsText({}), "no findings\n");
    EXPECT_EQ(Utf8From(u"\u30EC\xD83D\xDE00"), "\xE3\x83\xAC\xF0\x9F\x98\x80");
}

}  // namespace
