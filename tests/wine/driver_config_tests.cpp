// Path building and model keys at their limits, called directly.
#include "support/wine_test_support.h"
#include "core/driver_config.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::wstring DriverDirectory() {
    WCHAR dir[MAX_PATH];
    DWORD needed;
    GetPrinterDriverDirectoryW(nullptr, nullptr, 1, reinterpret_cast<BYTE *>(dir), sizeof(dir),
                               &needed);
    return dir;
}

TEST(BuildDriverFilePath, JoinsDirectoryFolderAndName) {
    WCHAR path[260];
    DWORD bytes = sizeof(path);
    ASSERT_EQ(BuildDriverFilePath(path, &bytes, L"sxcrypt.dll"), 1);
    const std::wstring expected = DriverDirectory() + L"\\3\\sxcrypt.dll";
    EXPECT_EQ(path, expected);
    EXPECT_EQ(bytes, expected.size() * sizeof(WCHAR));
}

TEST(BuildDriverFilePath, NameThatDoesNotFitLeavesTheFolder) {
    WCHAR path[261];
    path[260] = L'#';
    DWORD bytes = 520;
    const std::wstring longName(240, L'n');
    EXPECT_EQ(BuildDriverFilePath(path, &bytes, longName.c_str()), 0);
    const std::wstring folder = DriverDirectory() + L"\\3";
    EXPECT_EQ(path, folder);
    EXPECT_EQ(bytes, folder.size() * sizeof(WCHAR));
    EXPECT_EQ(path[260], L'#');
}

TEST(BuildDriverFilePath, BufferSmallerThanTheDirectoryFails) {
    WCHAR path[8] = {};
    DWORD bytes = sizeof(path);
    EXPECT_EQ(BuildDriverFilePath(path, &bytes, L"x"), 0);
}

TEST(CapabilityKeys, SamplePrinterModelAndAbsentDriver) {
    PrinterHandle printer(kSamplePrinter);
    ASSERT_NE(printer.Get(), nullptr);
    WCHAR ini[kConfigPathChars] = L"unchanged";
    ASSERT_EQ(FindDriverConfigFiles(printer.Get(), ini), 1);
    WCHAR value[MAX_PATH];
    ReadCapabilityString(printer.Get(), L"CryptoDll", value, MAX_PATH);
    EXPECT_STREQ(value, L"sxcrypt.dll");
    WCHAR version[kConfigPathChars] = L"";
    EXPECT_EQ(FindVersionFile(printer.Get(), version, kConfigPathChars), 1);
    EXPECT_EQ(_wcsicmp(version, DriverFilePath(L"sxc4200.ver").c_str()), 0);
    SideLibrary crypto(printer.Get());
    EXPECT_NE(crypto.Handle(), nullptr);

    const WCHAR name[] = L"SX Test No Entry";
    WriteDriverProfile(L"sxt_noentry.cap", L"Capability", L"Someone Else", L"Elsewhere");
    WriteDriverProfile(L"sxt_noentry.cap", L"Elsewhere", L"CryptoDll", L"sxcrypt.dll");
    TestPrinter other(name, {L"sxt_noentry.cap"});
    ASSERT_TRUE(other.Installed());
    PrinterHandle otherHandle(name);
    WCHAR untouched[kConfigPathChars] = L"untouched";
    EXPECT_EQ(FindDriverConfigFiles(otherHandle.Get(), untouched), 1);
    EXPECT_STREQ(untouched, L"untouched");
    ReadCapabilityString(otherHandle.Get(), L"CryptoDll", value, MAX_PATH);
    EXPECT_STREQ(value, L"");
    EXPECT_EQ(ReadCompressionCapability(otherHandle.Get()), 0u);
    WCHAR psOutput[16];
    ReadCapabilityString(otherHandle.Get(), L"PSOutputOpt", psOutput, 16);
    EXPECT_EQ(psOutput[0], 0);
    WCHAR noVersion[8] = L"keep";
    EXPECT_EQ(FindVersionFile(otherHandle.Get(), noVersion, 8), 0);
    EXPECT_STREQ(noVersion, L"keep");
    SideLibrary none(otherHandle.Get());
    EXPECT_EQ(none.Handle(), nullptr);
}

TEST(CapabilityKeys, DriverWithoutConfigurationFiles) {
    const WCHAR name[] = L"SX Test Nothing";
    TestPrinter printer(name, {L"sxoemui.dll"});
    ASSERT_TRUE(printer.Installed());
    PrinterHandle handle(name);
    WCHAR ini[kConfigPathChars] = L"same";
    EXPECT_EQ(FindDriverConfigFiles(handle.Get(), ini), 0);
    EXPECT_STREQ(ini, L"same");
    EXPECT_EQ(CapabilityFile[0], 0);
}

}  // namespace
