// drvhost lint run as the printer maker's engineers run it: over a copy of
// the sample model's files with faults planted in them, over the installed
// sample printer and over printers whose driver the model does not know.
// Judged by exit status and by the JSON findings.
#include "support/wine_test_support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

// The sample model's files and the side libraries built beside the tests.
const WCHAR *const kModelFiles[] = {
    L"sxc4200.ini", L"sxc4200.cap", L"sxc4200.ppd", L"sxc4200.ver",  L"sxc4200.hft",
    L"sxc4200.ccm", L"sxoemui.dll", L"sxcrypt.dll", L"sxlink.dll",   L"sxcard.dll",
    L"sxjobinf.dll", L"sxcolorap.exe", L"sxwmfont.lst", L"sxnetopt.dll", L"sxusbopt.dll",
    L"sxc4200.chm",
};

const WCHAR kLintPrinter[] = L"SX Lint Foreign Driver";

std::wstring Quoted(const std::wstring &text) { return L"\"" + text + L"\""; }

std::string ReadText(const std::wstring &path) {
    std::ifstream file(path.c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

void WriteText(const std::wstring &path, const std::string &text) {
    std::ofstream file(path.c_str(), std::ios::binary | std::ios::trunc);
    file << text;
}

bool Contains(const std::string &text, const std::string &part) { return text.find(part) != std::string::npos; }

// The findings of a JSON answer, one object text each.
std::vector<std::string> JsonFindings(const std::string &json) {
    std::vector<std::string> findings;
    size_t pos = json.find("{\"severity\"");
    while (pos != std::string::npos) {
        const size_t next = json.find("{\"severity\"", pos + 1);
        findings.push_back(json.substr(pos, next == std::string::npos ? std::string::npos : next - pos));
        pos = next;
    }
    return findings;
}

std::string Field(const char *name, const std::string &value) {
    return std::string("\"") + name + "\":\"" + value + "\"";
}

// A finding of that kind for that file and key, with a consequence.
bool HasFinding(const DriverHostRun &run, const std::string &kind, const std::string &file,
                const std::string &key) {
    for (const std::string &f : JsonFindings(run.output))
        if (Contains(f, Field("kind", kind)) && Contains(f, Field("file", file)) &&
            Contains(f, Field("key", key)) && !Contains(f, Field("consequence", "")))
            return true;
    return false;
}

void ExpectSays(const DriverHostRun &run, const std::vector<std::string> &texts) {
    for (const std::string &text : texts) EXPECT_TRUE(Contains(run.output, text)) << text << "\n" << run.output;
}

class ModelCopy : public ::testing::Test {
protected:
    void SetUp() override {
        WCHAR temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        folder_ = std::wstring(temp) + L"sx-lint-" + std::to_wstring(GetCurrentProcessId());
        CreateDirectoryW(folder_.c_str(), nullptr);
        for (const WCHAR *name : kModelFiles)
            ASSERT_TRUE(CopyFileW((ExeDirectory() + L"\\" + name).c_str(), Path(name).c_str(), FALSE))
                << "cannot copy the model file";
    }
    void TearDown() override {
        for (const WCHAR *name : kModelFiles) DeleteFileW(Path(name).c_str());
        RemoveDirectoryW(folder_.c_str());
    }

    std::wstring Path(const std::wstring &name) const { return folder_ + L"\\" + name; }

    void Plant(const WCHAR *file, const std::string &from, const std::string &to) {
        std::string text = ReadText(Path(file));
        const size_t at = text.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        text.replace(at, from.size(), to);
        WriteText(Path(file), text);
    }

    DriverHostRun Lint(const std::wstring &more = L"") {
        return RunDriverHost(L"lint --dir " + Quoted(folder_) + L" --json" + more);
    }

    std::wstring folder_;
};

// One fault in each file the check reads from the folder, and the side
// libraries' faults, which only the files themselves show: a program where a
// library belongs, a library without the export or the resources it must
// carry, a library where a program belongs, a name near a file of the folder.
TEST_F(ModelCopy, EveryPlantedFaultIsReportedWithItsFileKeyAndConsequence) {
    Plant(L"sxc4200.cap", "CryptoDll=sxcrypt.dll", "CryptoDll=sxcolorap.exe");
    Plant(L"sxc4200.cap", "CARD_DLL=", "CARD_DLL=sxjobinf.dll");
    Plant(L"sxc4200.cap", "JobInfoDLL=sxjobinf.dll", "JobInfoDLL=sxjobinfo.dll");
    Plant(L"sxc4200.cap", "AskTvxRES=sxlink.dll", "AskTvxRES=sxjobinf.dll");
    Plant(L"sxc4200.cap", "COLORAPEXE=sxcolorap.exe", "COLORAPEXE=sxcard.dll");
    Plant(L"sxc4200.ini", "HTMLHELP=", "HTMLHLP=");
    Plant(L"sxc4200.ppd", "*OpenUI *VXResolution/", "*OpenUI *VXresolution/");
    Plant(L"sxc4200.ccm", "CCMNV2=", "CCMNW2=");
    Plant(L"sxc4200.hft", "SettingName7=", "SettingNam7=");
    Plant(L"sxc4200.ver", "DriverVer=12/01/2026,", "DriverVer=");
    WriteText(Path(L"sxwmfont.lst"), "[PrinterFont]\n1=Times,Times-Italic,Times-Bold,Times-BoldItalic,Times New Roman\n"
                                     "3=Courier,Courier-Oblique,Courier-Bold,Courier-BoldOblique,Courier New\n");

    const DriverHostRun run = Lint();
    EXPECT_EQ(run.exitCode, 1u) << run.output;
    const char *const expected[][3] = {
        {"bad-library", "sxc4200.cap", "CryptoDll"}, {"missing-export", "sxc4200.cap", "CARD_DLL"},
        {"missing-file", "sxc4200.cap", "JobInfoDLL"}, {"missing-resource", "sxc4200.cap", "AskTvxRES"},
        {"bad-library", "sxc4200.cap", "COLORAPEXE"}, {"unknown-key", "sxc4200.ini", "HTMLHLP"},
        {"unknown-keyword", "sxc4200.ppd", "VXresolution"}, {"unknown-key", "sxc4200.ccm", "CCMNW2"},
        {"missing-setting", "sxc4200.hft", "SettingName7"}, {"bad-value", "sxc4200.ver", "DriverVer"},
        {"value-range", "sxwmfont.lst", "3"}};
    for (const auto &e : expected)
        EXPECT_TRUE(HasFinding(run, e[0], e[1], e[2])) << e[0] << " " << e[2] << "\n" << run.output;
    ExpectSays(run, {"it is a program, not a library", "has no export \\\"QueryCardDriver\\\"",
                     Field("suggestion", "sxjobinf.dll"), "has no dialog 800"});
}

TEST_F(ModelCopy, ADescriptionNamedUnlikeThePluginIniLeavesTheAboutDialogWithoutItsVersion) {
    ASSERT_TRUE(MoveFileW(Path(L"sxc4200.ppd").c_str(), Path(L"sxc4200a.ppd").c_str()));
    const DriverHostRun run = Lint();
    MoveFileW(Path(L"sxc4200a.ppd").c_str(), Path(L"sxc4200.ppd").c_str());
    EXPECT_TRUE(HasFinding(run, "missing-file", "sxc4200.ini", "sxc4200.PPD")) << run.output;
    EXPECT_TRUE(Contains(run.output, "About dialog shows no description version")) << run.output;
    EXPECT_FALSE(Contains(run.output, "no printer description")) << "the folder's one description is read";
}

TEST_F(ModelCopy, AModelNamedForAnotherDriverGetsTheNearestDriverName) {
    const DriverHostRun run = Lint(L" --model " + Quoted(L"SX Colour 4200 PS"));
    EXPECT_EQ(run.exitCode, 1u) << run.output;
    EXPECT_TRUE(HasFinding(run, "missing-model", "sxc4200.cap", "SX Colour 4200 PS")) << run.output;
    EXPECT_TRUE(Contains(run.output, Field("suggestion", "SX Color 4200 PS"))) << run.output;
}

TEST_F(ModelCopy, WithoutModelEveryMappedDriverIsCheckedAndSharedFilesReportedOnce) {
    Plant(L"sxc4200.cap", "SX Color 4200 PS=SXC4200", "SX Color 4200 PS=SXC4200\nSX Color 4200 PS Duplex=SXC4200D");
    Plant(L"sxc4200.ini", "HTMLHELP=", "HTMLHLP=");
    const DriverHostRun run = Lint();
    EXPECT_EQ(run.exitCode, 1u) << run.output;
    EXPECT_TRUE(HasFinding(run, "missing-model", "sxc4200.cap", "SX Color 4200 PS Duplex")) << run.output;
    size_t typos = 0;
    for (const std::string &finding : JsonFindings(run.output))
        typos += Contains(finding, Field("key", "HTMLHLP"));
    EXPECT_EQ(typos, 1u) << run.output;
}

TEST_F(ModelCopy, TextFindingsNameTheLineTheConsequenceAndTheLikelySpelling) {
    Plant(L"sxc4200.cap", "CryptoDll=sxcrypt.dll", "CryptoDl=sxcrypt.dll");
    const DriverHostRun run = RunDriverHost(L"lint --dir " + Quoted(folder_));
    EXPECT_EQ(run.exitCode, 1u) << run.output;
    ExpectSays(run, {"sxc4200.cap:6: error [unknown-key] [SXC4200] CryptoDl:", "encrypted secure print is off",
                     "did you mean \"CryptoDll\"?"});
}

// Each model's driver package, and the installed sample printer.
TEST(LintPackage, EveryModelsDriverPackageAndTheInstalledSamplePrinterCheckClean) {
    const std::wstring packages = ExeDirectory() + L"\\..\\package\\";
    for (const std::wstring &where :
         {L" --dir " + Quoted(packages + L"sxc4200"), L" --dir " + Quoted(packages + L"sxc5200"), std::wstring()}) {
        const DriverHostRun run = RunDriverHost(L"lint --json" + where);
        EXPECT_TRUE(Contains(run.output, "\"findings\":")) << run.output;
        EXPECT_TRUE(JsonFindings(run.output).empty()) << run.output;
        EXPECT_EQ(run.exitCode, 0u) << run.output;
    }
}

TEST(LintInstalled, APrinterWhoseDriverTheModelDoesNotKnowReadsNoModelKey) {
    TestPrinter printer(kLintPrinter, {L"sxc4200.ini", L"sxc4200.cap", L"sxc4200.ver", L"sxoemui.dll"});
    ASSERT_TRUE(printer.Installed());
    const DriverHostRun run = RunDriverHost(L"lint --json --printer " + Quoted(kLintPrinter));
    EXPECT_EQ(run.exitCode, 1u) << run.output;
    EXPECT_TRUE(HasFinding(run, "missing-model", "sxc4200.cap", "SX Lint Foreign Driver")) << run.output;
}

TEST(LintInstalled, NamedFilesThatAreNotTheDriversOwnAreReported) {
    const WCHAR capability[] = L"sxlint.cap";
    const WCHAR partialDriver[] = L"SX Lint Partial Driver";
    WriteDriverProfile(capability, L"Capability", partialDriver, L"SXLINT");
    WriteDriverProfile(capability, L"SXLINT", L"CCMInfoFile", L"sxc4200.ccm");
    WriteDriverProfile(capability, L"SXLINT", L"JobInfoDLL", L"sxjobinf.dll");
    {
        TestPrinter printer(partialDriver, {L"sxc4200.ini", capability, L"sxc4200.ver", L"sxjobinf.dll"});
        ASSERT_TRUE(printer.Installed());
        const DriverHostRun run = RunDriverHost(L"lint --json --printer " + Quoted(partialDriver));
        EXPECT_TRUE(HasFinding(run, "not-dependent-file", "sxlint.cap", "CCMInfoFile")) << run.output;
        EXPECT_TRUE(HasFinding(run, "not-dependent-file", "sxc4200.ini", "HALFTONE")) << run.output;
        EXPECT_FALSE(HasFinding(run, "not-dependent-file", "sxlint.cap", "JobInfoDLL")) << run.output;
    }
    DeleteFileW(DriverFilePath(capability).c_str());
}

TEST(LintCommandLine, RefusesOptionsThatDoNotGoTogetherAndReportsAMissingFolder) {
    EXPECT_EQ(RunDriverHost(L"lint --dir C:\\ --printer X").exitCode, 2u);
    EXPECT_EQ(RunDriverHost(L"lint --model X").exitCode, 2u);
    EXPECT_EQ(RunDriverHost(L"info --dir C:\\").exitCode, 2u);
    const DriverHostRun missing = RunDriverHost(L"lint --dir C:\\no-such-model-folder");
    EXPECT_EQ(missing.exitCode, 1u);
    EXPECT_TRUE(Contains(missing.output, "no folder")) << missing.output;
    const DriverHostRun printer = RunDriverHost(L"lint --printer \"No Such Printer\"");
    EXPECT_EQ(printer.exitCode, 1u);
    EXPECT_TRUE(Contains(printer.output, "cannot open the printer")) << printer.output;
}

}  // namespace
