// The private record through DevMode, against Wine's spooler and the
// configuration files of installed printers.
#include "support/sheet_visit.h"
#include "support/devmode_param.h"
#include "support/plugin_object_test.h"
#include "core/oem_devmode.h"
#include "core/win_holders.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr BYTE kFill = 0xAB;
constexpr DWORD kFilledDword = 0xABABABABu;
constexpr DWORD kDriverPrivateBytes = 400;

std::wstring Text(const char16_t *s) { return reinterpret_cast<const WCHAR *>(s); }

// A DEVMODE as the driver keeps it: public part, driver part, then the
// plug-in's record; spare bytes after it hold a guard pattern.
struct DriverDevmode {
    explicit DriverDevmode(DWORD recordBytes = kOemDevmodeSize, DWORD spare = 64)
        : bytes(sizeof(DEVMODEW) + kDriverPrivateBytes + recordBytes + spare, 0xEE) {
        std::memset(bytes.data(), 0, sizeof(DEVMODEW) + kDriverPrivateBytes);
        std::memset(record(), kFill, recordBytes);
        DEVMODEW *dm = publicPart();
        dm->dmSize = sizeof(DEVMODEW);
        dm->dmDriverExtra = static_cast<WORD>(kDriverPrivateBytes + recordBytes);
    }
    DEVMODEW *publicPart() { return reinterpret_cast<DEVMODEW *>(bytes.data()); }
    BYTE *record() { return bytes.data() + sizeof(DEVMODEW) + kDriverPrivateBytes; }
    OemDevmode *rec() { return reinterpret_cast<OemDevmode *>(record()); }
    std::vector<BYTE> bytes;
};

class DevModeTest : public PluginObjectTest {
protected:
    HRESULT Run(DWORD mode, HANDLE printer, DriverDevmode *in, DriverDevmode &out) {
        OEMDMPARAM param = DevModeParam(printer, library.Module(), in ? in->publicPart() : nullptr,
                                        in ? in->record() : nullptr, out.publicPart(), out.record(),
                                        kOemDevmodeSize);
        return plugin->DevMode(mode, &param);
    }
    // A printer of its own driver on `files`, replacing the last one, and
    // its default record.
    HANDLE Install(const WCHAR *name, const std::vector<std::wstring> &files, DriverDevmode &out) {
        handle.reset();
        installed = std::make_unique<TestPrinter>(name, files);
        EXPECT_TRUE(installed->Installed());
        handle = std::make_unique<PrinterHandle>(name);
        EXPECT_EQ(Run(OEMDM_DEFAULT, handle->Get(), nullptr, out), S_OK);
        return handle->Get();
    }

    // The sample printer's default record into `out`.
    HRESULT SampleDefault(DriverDevmode &out) { return Run(OEMDM_DEFAULT, sample.Get(), nullptr, out); }

    PrinterHandle sample{kSamplePrinter};
    std::unique_ptr<TestPrinter> installed;
    std::unique_ptr<PrinterHandle> handle;
};

TEST_F(DevModeTest, DefaultRecordOfTheSamplePrinter) {
    ASSERT_NE(sample.Get(), nullptr);
    DriverDevmode out;
    ASSERT_EQ(SampleDefault(out), S_OK);
    const OemDevmode &rec = *out.rec();
    EXPECT_TRUE(WholeRecord(out.record()));
    EXPECT_EQ(rec.dwRecField3900, 2100u);
    EXPECT_EQ(rec.awActiveOverlay[0], 255);

    WCHAR dir[MAX_PATH];
    DWORD needed;
    GetPrinterDriverDirectoryW(nullptr, nullptr, 1, reinterpret_cast<BYTE *>(dir), sizeof(dir),
                               &needed);
    EXPECT_EQ(Text(rec.wszDriverDirectory), dir);

    // The encryption fields are the library's own defaults.
    LoadedLibrary crypto(LoadLibraryW(DriverFilePath(L"sxcrypt.dll").c_str()));
    const auto getDefault = crypto.ExportAs<BOOL(WINAPI *)(void *, DWORD)>("GetDefaultSetting");
    ASSERT_NE(getDefault, nullptr);
    DWORD area[10] = {};
    ASSERT_TRUE(getDefault(area, 1));
    EXPECT_EQ((std::vector<DWORD>{rec.dwCryptoSetting0, rec.dwCryptoSetting1, rec.dwCryptoSetting6,
                                  rec.dwCryptoSetting7}),
              (std::vector<DWORD>{area[0], area[1], area[6], area[7]}));
    EXPECT_EQ(rec.cbEncryptedPassword, 0u);
    EXPECT_EQ(out.record()[kOemDevmodeSize], 0xEE);
}

TEST_F(DevModeTest, LaterCapabilityFileWinsAndExtensionsIgnoreCase) {
    const WCHAR name[] = L"SX Test Two Caps";
    WriteDriverProfile(L"SXTUPPER.INI", L"OEMFiles", L"OEMConfigFile1", L"sxoemui.dll");
    WriteDriverProfile(L"sxt_first.CAP", L"Capability", name, L"FirstModel");
    WriteDriverProfile(L"sxt_first.CAP", L"FirstModel", L"Compression", L"256");
    WriteDriverProfile(L"sxt_second.Cap", L"Capability", name, L"SecondModel");
    WriteDriverProfile(L"sxt_second.Cap", L"SecondModel", L"Compression", L"2304");
    DriverDevmode out;
    Install(name, {L"sxt_first.CAP", L"SXTUPPER.INI", L"sxt_second.Cap"}, out);
    EXPECT_EQ(Text(out.rec()->wszCapabilityPath), DriverFilePath(L"sxt_second.Cap"));
    EXPECT_EQ(Text(out.rec()->wszPluginIniPath), DriverFilePath(L"SXTUPPER.INI"));
    EXPECT_EQ(out.rec()->wCompression, 3);
}

TEST_F(DevModeTest, UnqualifiedIniAndUnknownModelLeaveTheirFields) {
    const WCHAR name[] = L"SX Test Unknown Model";
    WriteDriverProfile(L"sxt_plain.ini", L"Other", L"Key", L"1");
    WriteDriverProfile(L"sxt_other.cap", L"Capability", L"Some Other Driver", L"OtherModel");
    WriteDriverProfile(L"sxt_other.cap", L"OtherModel", L"Compression", L"2304");
    WriteDriverProfile(L"sxt_other.cap", L"OtherModel", L"CryptoDll", L"sxcrypt.dll");
    DriverDevmode out;
    OEMCUIPPARAM param = {};
    param.cbSize = sizeof(param);
    param.hPrinter = Install(name, {L"sxt_plain.ini", L"sxt_other.cap"}, out);
    param.hOEMHeap = GetProcessHeap();
    EXPECT_EQ(out.rec()->wszPluginIniPath[0], 0xABAB);
    EXPECT_EQ(out.rec()->wCompression, 0);
    EXPECT_EQ(out.rec()->dwCryptoSetting0, kFilledDword);
    EXPECT_EQ(out.rec()->cbEncryptedPassword, kFilledDword);
    // The ini still counts as a configuration file for CommonUIProp.
    EXPECT_EQ(plugin->CommonUIProp(OEMCUIP_DOCPROP, &param), S_OK);
}

// Writes `bytes` as the whole of a file in the driver folder.
void WriteDriverBytes(const std::wstring &file, const std::string &bytes) {
    UniqueHandle handle(CreateFileW(DriverFilePath(file).c_str(), GENERIC_WRITE, 0, nullptr,
                                    CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    ASSERT_TRUE(WriteFile(handle.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                          nullptr));
}

// UTF-16 little-endian bytes with their byte-order mark.
std::string Utf16Bytes(const std::wstring &text) {
    return "\xFF\xFE" +
           std::string(reinterpret_cast<const char *>(text.data()), text.size() * sizeof(WCHAR));
}

TEST_F(DevModeTest, ConfigurationFilesAnswerAsTheProfileFunctionsInEveryEncoding) {
    const WCHAR name[] = L"SX Test \x00C9ncodings";
    // The model section is named in another letter case, the number is
    // quoted and hexadecimal, and a second section of the same name is
    // never read.
    WriteDriverBytes(L"sxt_utf16.cap",
                     Utf16Bytes(L"; model\r\n[Capability]\r\n  sx test \x00C9NCODINGS = "
                                L"Wide Model \r\n[WIDE model]\r\nCompression = "
                                L"\"0x0900\"\r\nCryptoDll=sxcrypt.dll\r\n"
                                L"[Wide Model]\r\nCompression=0\r\n"));
    WriteDriverBytes(L"sxt_utf8.ini", "\xEF\xBB\xBF[OEMFiles]\nOEMConfigFile1 = 'sxoemui.dll'\n"
                                      "[SpecialKey]\n1PassSeries= 1 \n");
    DriverDevmode out;
    Install(name, {L"sxt_utf8.ini", L"sxt_utf16.cap"}, out);

    const std::wstring cap = DriverFilePath(L"sxt_utf16.cap");
    WCHAR section[128];
    GetPrivateProfileStringW(L"Capability", name, L"", section, 128, cap.c_str());
    EXPECT_STREQ(section, L"Wide Model");
    const UINT compression = GetPrivateProfileIntW(section, L"Compression", 0, cap.c_str());
    EXPECT_EQ(compression, 0x900u);
    EXPECT_EQ(out.rec()->wCompression, CompressionFromCapability(compression));
    EXPECT_EQ(out.rec()->dw1PassSeries, 1u);
    EXPECT_EQ(Text(out.rec()->wszPluginIniPath), DriverFilePath(L"sxt_utf8.ini"));
    EXPECT_NE(out.rec()->dwCryptoSetting0, kFilledDword);
}

TEST_F(DevModeTest, EncryptionLibraryThatCannotLoadKeepsTheEncryptionFields) {
    const struct {
        const WCHAR *name, *cap;
        std::wstring library;
    } cases[] = {
        {L"SX Test No Crypto", L"sxt_nocrypto.cap", L"sxt_absent.dll"},
        // Too long for its path: never loaded.
        {L"SX Test Long Crypto Name", L"sxt_longname.cap", std::wstring(240, L'c') + L".dll"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.name)));
        WriteDriverProfile(c.cap, L"Capability", c.name, L"NoCrypto");
        WriteDriverProfile(c.cap, L"NoCrypto", L"CryptoDll", c.library.c_str());
        DriverDevmode out;
        Install(c.name, {c.cap}, out);
        EXPECT_EQ(out.rec()->dwCryptoSetting0, kFilledDword);
        EXPECT_EQ(out.rec()->dwCryptoSetting7, kFilledDword);
        EXPECT_EQ(out.rec()->dwSignature, kOemSignature);
        EXPECT_EQ(Text(out.rec()->wszCapabilityPath), DriverFilePath(c.cap));
    }
}

TEST_F(DevModeTest, ConvertCopiesOnlyWhatTheInputDevmodeHolds) {
    DriverDevmode out;
    ASSERT_EQ(SampleDefault(out), S_OK);
    out.rec()->wCompression = 3;

    // The record header claims a whole record, the DEVMODE holds 2000 bytes
    // of it, and what follows in memory is not the record's.
    constexpr DWORD kHeld = 2000;
    DriverDevmode in(kHeld, kOemDevmodeSize);
    std::memset(in.record(), 0x21, kHeld);
    in.rec()->dwSize = kOemDevmodeSize;
    in.rec()->dwSignature = kOemSignature;
    ASSERT_EQ(Run(OEMDM_CONVERT, sample.Get(), &in, out), S_OK);
    EXPECT_EQ(out.record()[kHeld - 1], 0x21);
    for (size_t i = kHeld; i < kOemDevmodeSize; ++i) ASSERT_NE(out.record()[i], 0xEE) << i;
    EXPECT_EQ(out.rec()->wCompression, 3);
    EXPECT_EQ(out.rec()->dwRecField3900, 2100u);
    EXPECT_EQ(out.rec()->dwSize, kOemDevmodeSize);
    EXPECT_EQ(out.record()[kOemDevmodeSize], 0xEE);
}

TEST_F(DevModeTest, MergeClampsFieldTwelveAndRepairsTheHeader) {
    for (LONG value : {101L, 100L, -3L}) {
        DriverDevmode in, out;
        ASSERT_EQ(SampleDefault(in), S_OK);
        ASSERT_EQ(SampleDefault(out), S_OK);
        in.rec()->lRecField12 = value;
        in.rec()->dwVersion = 5;
        ASSERT_EQ(Run(OEMDM_MERGE, sample.Get(), &in, out), S_OK);
        EXPECT_EQ(out.rec()->lRecField12, value > 100 ? 0 : value);
        EXPECT_EQ(out.rec()->dwVersion, 1u);
    }
    DriverDevmode out;
    EXPECT_EQ(Run(OEMDM_CONVERT, sample.Get(), nullptr, out), S_OK);
    EXPECT_EQ(out.record()[0], kFill);
}

}  // namespace
