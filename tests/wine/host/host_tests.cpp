// drvhost run as a child process: exit status, what it prints and the
// DEVMODE files it writes. The sample printer is installed by the test
// setup with "drvhost install".
#include "core/oem_devmode.h"
#include "support/plugin_resources.h"
#include "support/wine_test_support.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

// Public DEVMODEW followed by the host's driver-private part.
constexpr size_t kSectionOffset = 220 + 512;
constexpr size_t kDevmodeBytes = kSectionOffset + sizeof(OemDevmode);

std::wstring TempFile(const WCHAR *name) {
    WCHAR folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    return std::wstring(folder) + name;
}

std::wstring Quoted(const std::wstring &path) { return L"\"" + path + L"\""; }

std::vector<char> ReadBytes(const std::wstring &path) {
    std::ifstream file(path.c_str(), std::ios::binary);
    return std::vector<char>(std::istreambuf_iterator<char>(file), {});
}

void WriteBytes(const std::wstring &path, const std::vector<char> &bytes) {
    std::ofstream file(path.c_str(), std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

OemDevmode *RecordIn(std::vector<char> &devmode) {
    return reinterpret_cast<OemDevmode *>(devmode.data() + kSectionOffset);
}

// Runs drvhost and checks its exit status and that its output holds
// every one of `parts`.
void ExpectRun(const std::wstring &arguments, DWORD exitCode, const std::vector<std::string> &parts = {}) {
    const DriverHostRun run = RunDriverHost(arguments);
    EXPECT_EQ(exitCode, run.exitCode) << Utf8(arguments) << "\n" << run.output;
    for (const std::string &part : parts)
        EXPECT_NE(run.output.find(part), std::string::npos) << part << " in\n" << run.output;
}

class HostTest : public ::testing::Test {
protected:
    void SetUp() override {
        defaultFile_ = Scratch(L"sx-host-default.dev");
        const DriverHostRun run = RunDriverHost(L"default --out " + Quoted(defaultFile_));
        ASSERT_EQ(0u, run.exitCode) << run.output;
        defaultDevmode_ = ReadBytes(defaultFile_);
        ASSERT_EQ(kDevmodeBytes, defaultDevmode_.size());
    }
    void TearDown() override {
        for (const std::wstring &file : written_) DeleteFileW(file.c_str());
    }
    std::wstring Scratch(const WCHAR *name) {
        written_.push_back(TempFile(name));
        return written_.back();
    }

    std::wstring defaultFile_;
    std::vector<char> defaultDevmode_;
    std::vector<std::wstring> written_;
};

TEST_F(HostTest, DumpShowsEveryFieldByNameAsTextAndJson) {
    size_t count = 0;
    const OemFieldInfo *fields = OemDevmodeFields(&count);
    std::vector<std::string> parts = {
        " 3916  dwCollate = 0\n", "dwSignature = 842018864",
        "wszPluginIniPath = \"C:\\windows\\system32\\spool\\drivers\\x64\\3\\sxc4200.ini\""};
    for (size_t i = 0; i < count; ++i) parts.push_back(std::string(" ") + fields[i].name + " = ");
    ExpectRun(L"dump " + Quoted(defaultFile_), 0, parts);
    ExpectRun(L"dump " + Quoted(defaultFile_) + L" --json", 0,
              {"\"printer-section-offset\": 732", "\"dwSize\": 4052",
               "\"wszPluginIniPath\": \"C:\\\\windows\\\\system32"});
}

TEST_F(HostTest, ConvertOfACutShortFileUsesOnlyTheBytesPresent) {
    std::vector<char> cut = defaultDevmode_;
    RecordIn(cut)->dwCollate = 1;
    RecordIn(cut)->wszJobName[0] = u'J';
    cut.resize(kSectionOffset + offsetof(OemDevmode, wszJobPin));
    const std::wstring in = Scratch(L"sx-host-cut.dev");
    const std::wstring converted = Scratch(L"sx-host-cut-out.dev");
    WriteBytes(in, cut);

    ExpectRun(L"convert --in " + Quoted(in) + L" --out " + Quoted(converted), 3);
    std::vector<char> out = ReadBytes(converted);
    ASSERT_EQ(kDevmodeBytes, out.size());
    EXPECT_EQ(u'J', RecordIn(out)->wszJobName[0]);
    EXPECT_EQ(0u, RecordIn(out)->dwCollate);  // beyond the file: the default stays
}

TEST_F(HostTest, FailuresAreReportedWithANonZeroStatus) {
    ExpectRun(L"dump " + Quoted(TempFile(L"sx-host-no-such-file.dev")), 1, {"sx-host-no-such-file.dev"});
    const std::wstring shortFile = Scratch(L"sx-host-short.dev");
    WriteBytes(shortFile, std::vector<char>(defaultDevmode_.begin(), defaultDevmode_.begin() + 10));
    ExpectRun(L"dump " + Quoted(shortFile), 1);
    ExpectRun(L"convert --in " + Quoted(shortFile) + L" --out " + Quoted(Scratch(L"sx-x.dev")), 1);

    std::vector<char> foreign = defaultDevmode_;
    RecordIn(foreign)->dwSignature = 0x12345678;
    const std::wstring foreignFile = Scratch(L"sx-host-foreign.dev");
    WriteBytes(foreignFile, foreign);
    ExpectRun(L"dump " + Quoted(foreignFile), 1, {"signature 0x12345678"});
    ExpectRun(L"info --printer \"No Such Printer\"", 1, {"No Such Printer"});
    ExpectRun(L"frobnicate", 2);
    ExpectRun(L"default", 2);  // --out is required
}

TEST_F(HostTest, PrinterCommandsReportWhatTheyChanged) {
    ExpectRun(L"printer-event", 0,
              {"PrinterEvent(PRINTER_EVENT_INITIALIZE) -> S_OK", "FeatureKeyword after:\n  VXOptionTray=0",
               "InstalledMemory=512MB", "flags@224=0x0000002E"});
    ExpectRun(L"config-device", 0, {"ConfigDeviceOptionExp -> 1"});
    ExpectRun(L"prnprops --detect --press ok", 0, {"items after:\n  VXOptionTray: 0\n", "  InstalledMemory: 512MB\n"});
    ExpectRun(L"docprops --detect", 2);
    ExpectRun(L"config-device --printer \"No Such Printer\"", 1);
}

TEST_F(HostTest, VariantPagesAndInstalledOptionsBelongToDocprops) {
    ExpectRun(L"info --variant-pages", 2, {"--variant-pages is an option of docprops only"});
    ExpectRun(L"show --installed VXSpecialTonerInstalled=White", 2);
    ExpectRun(L"docprops --installed VXSpecialTonerInstalled --press cancel", 2,
              {"--installed needs FEATURE=OPTION"});
}

}  // namespace
