// drvhost run as a child process: exit status, what it prints and the
// DEVMODE files it writes. The sample printer is installed by the test
// setup with "drvhost install".
#include "core/oem_devmode.h"
#include "support/wine_test_support.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
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

bool Contains(const std::string &text, const std::string &part) {
    return text.find(part) != std::string::npos;
}

class HostTest : public ::testing::Test {
protected:
    void SetUp() override {
        defaultFile_ = TempFile(L"sx-host-default.dev");
        const DriverHostRun run = RunDriverHost(L"default --out " + Quoted(defaultFile_));
        ASSERT_EQ(0u, run.exitCode) << run.output;
        defaultDevmode_ = ReadBytes(defaultFile_);
        ASSERT_EQ(kDevmodeBytes, defaultDevmode_.size());
    }
    void TearDown() override {
        for (const std::wstring &file : written_) DeleteFileW(file.c_str());
        DeleteFileW(defaultFile_.c_str());
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
    const DriverHostRun text = RunDriverHost(L"dump " + Quoted(defaultFile_));
    EXPECT_EQ(0u, text.exitCode) << text.output;
    EXPECT_TRUE(Contains(text.output, " 3916  dwCollate = 0\n")) << text.output;
    EXPECT_TRUE(Contains(text.output, "dwSignature = 842018864")) << text.output;
    EXPECT_TRUE(Contains(text.output, "wszPluginIniPath = \"C:\\windows\\system32\\spool\\drivers"
                                      "\\x64\\3\\sxc4200.ini\""))
        << text.output;
    size_t count = 0;
    const OemFieldInfo *fields = OemDevmodeFields(&count);
    for (size_t i = 0; i < count; ++i)
        EXPECT_TRUE(Contains(text.output, std::string(" ") + fields[i].name + " = ")) << fields[i].name;

    const DriverHostRun json = RunDriverHost(L"dump " + Quoted(defaultFile_) + L" --json");
    EXPECT_EQ(0u, json.exitCode) << json.output;
    EXPECT_TRUE(Contains(json.output, "\"printer-section-offset\": 732")) << json.output;
    EXPECT_TRUE(Contains(json.output, "\"dwSize\": 4052")) << json.output;
    EXPECT_TRUE(Contains(json.output, "\"wszPluginIniPath\": \"C:\\\\windows\\\\system32"))
        << json.output;
}

TEST_F(HostTest, ConvertOfACutShortFileUsesOnlyTheBytesPresent) {
    std::vector<char> cut = defaultDevmode_;
    RecordIn(cut)->dwCollate = 1;
    RecordIn(cut)->wszJobName[0] = u'J';
    cut.resize(kSectionOffset + offsetof(OemDevmode, wszJobPin));
    const std::wstring in = Scratch(L"sx-host-cut.dev");
    const std::wstring converted = Scratch(L"sx-host-cut-out.dev");
    WriteBytes(in, cut);

    const DriverHostRun run =
        RunDriverHost(L"convert --in " + Quoted(in) + L" --out " + Quoted(converted));
    EXPECT_EQ(3u, run.exitCode) << run.output;
    std::vector<char> out = ReadBytes(converted);
    ASSERT_EQ(kDevmodeBytes, out.size());
    EXPECT_EQ(u'J', RecordIn(out)->wszJobName[0]);
    EXPECT_EQ(0u, RecordIn(out)->dwCollate);  // beyond the file: the default stays
}

TEST_F(HostTest, FailuresAreReportedWithANonZeroStatus) {
    const DriverHostRun missing =
        RunDriverHost(L"dump " + Quoted(TempFile(L"sx-host-no-such-file.dev")));
    EXPECT_EQ(1u, missing.exitCode) << missing.output;
    EXPECT_TRUE(Contains(missing.output, "sx-host-no-such-file.dev")) << missing.output;

    const std::wstring shortFile = Scratch(L"sx-host-short.dev");
    WriteBytes(shortFile, std::vector<char>(defaultDevmode_.begin(), defaultDevmode_.begin() + 10));
    const DriverHostRun tooShort = RunDriverHost(L"dump " + Quoted(shortFile));
    EXPECT_EQ(1u, tooShort.exitCode) << tooShort.output;
    const DriverHostRun convertShort = RunDriverHost(L"convert --in " + Quoted(shortFile) +
                                                     L" --out " + Quoted(Scratch(L"sx-x.dev")));
    EXPECT_EQ(1u, convertShort.exitCode) << convertShort.output;

    std::vector<char> foreign = defaultDevmode_;
    RecordIn(foreign)->dwSignature = 0x12345678;
    const std::wstring foreignFile = Scratch(L"sx-host-foreign.dev");
    WriteBytes(foreignFile, foreign);
    const DriverHostRun wrongSignature = RunDriverHost(L"dump " + Quoted(foreignFile));
    EXPECT_EQ(1u, wrongSignature.exitCode) << wrongSignature.output;
    EXPECT_TRUE(Contains(wrongSignature.output, "signature 0x12345678")) << wrongSignature.output;

    const DriverHostRun noPrinter = RunDriverHost(L"info --printer \"No Such Printer\"");
    EXPECT_EQ(1u, noPrinter.exitCode) << noPrinter.output;
    EXPECT_TRUE(Contains(noPrinter.output, "No Such Printer")) << noPrinter.output;

    EXPECT_EQ(2u, RunDriverHost(L"frobnicate").exitCode);
    EXPECT_EQ(2u, RunDriverHost(L"default").exitCode);  // --out is required
}

TEST_F(HostTest, PrinterCommandsReportWhatTheyChanged) {
    const DriverHostRun event = RunDriverHost(L"printer-event");
    EXPECT_EQ(0u, event.exitCode) << event.output;
    EXPECT_TRUE(Contains(event.output, "PrinterEvent(PRINTER_EVENT_INITIALIZE) -> S_OK")) << event.output;
    EXPECT_TRUE(Contains(event.output, "FeatureKeyword after:\n  VXOptionTray=0")) << event.output;
    EXPECT_TRUE(Contains(event.output, "InstalledMemory=512MB")) << event.output;
    EXPECT_TRUE(Contains(event.output, "flags@224=0x0000002E")) << event.output;

    const DriverHostRun refresh = RunDriverHost(L"config-device");
    EXPECT_EQ(0u, refresh.exitCode) << refresh.output;
    EXPECT_TRUE(Contains(refresh.output, "ConfigDeviceOptionExp -> 1")) << refresh.output;

    const DriverHostRun properties = RunDriverHost(L"prnprops --detect --press ok");
    EXPECT_EQ(0u, properties.exitCode) << properties.output;
    EXPECT_TRUE(Contains(properties.output, "items after:\n  VXOptionTray: 0\n")) << properties.output;
    EXPECT_TRUE(Contains(properties.output, "  InstalledMemory: 512MB\n")) << properties.output;

    EXPECT_EQ(2u, RunDriverHost(L"docprops --detect").exitCode);
    EXPECT_EQ(1u, RunDriverHost(L"config-device --printer \"No Such Printer\"").exitCode);
}

TEST_F(HostTest, VariantPagesAndInstalledOptionsBelongToDocprops) {
    const DriverHostRun elsewhere = RunDriverHost(L"info --variant-pages");
    EXPECT_EQ(2u, elsewhere.exitCode) << elsewhere.output;
    EXPECT_TRUE(Contains(elsewhere.output, "--variant-pages is an option of docprops only")) << elsewhere.output;
    const DriverHostRun installedElsewhere =
        RunDriverHost(L"show --installed VXSpecialTonerInstalled=White");
    EXPECT_EQ(2u, installedElsewhere.exitCode) << installedElsewhere.output;
    const DriverHostRun noOption =
        RunDriverHost(L"docprops --installed VXSpecialTonerInstalled --press cancel");
    EXPECT_EQ(2u, noOption.exitCode) << noOption.output;
    EXPECT_TRUE(Contains(noOption.output, "--installed needs FEATURE=OPTION")) << noOption.output;
}

}  // namespace
