// Every faulty variant of every side-library stand-in (bin/sidelib-faults.txt:
// an export missing, every export failing or answering -1, garbage
// answers, resources missing or lying) configured in turn for a printer of
// the sample model: DevMode DEFAULT, CONVERT and MERGE with a guard page
// after the record, and the document properties opened, each page left and
// OK pressed. The plug-in stays within its buffers, shows no message for a
// library that fails it, and turns the library's feature off.
#include "fault_printer.h"
#include "guarded_buffer.h"
#include "sheet_visit.h"

#include "core/oem_devmode.h"
#include "devmode_builder.h"
#include "document_ui.h"
#include "model_files.h"
#include "plugin_loader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr BYTE kFill = 0xAB;
constexpr uint32_t kFilledDword = 0xABABABABu;

// DevMode on the variant's printer with a guard page after the record.
struct RecordCall {
    HRESULT hr;
    std::vector<BYTE> record;
};

RecordCall CallDevMode(PluginSession &session, DWORD mode, const BYTE *inRecord) {
    GuardedBuffer out(kOemDevmodeSize);
    std::memset(out.Data(), kFill, kOemDevmodeSize);
    OEMDMPARAM param = {};
    param.cbSize = sizeof(param);
    param.hPrinter = session.Printer();
    param.hModule = session.Module();
    param.pOEMDMIn = const_cast<BYTE *>(inRecord);
    param.pOEMDMOut = out.Data();
    param.cbBufSize = kOemDevmodeSize;
    const HRESULT hr = session.Plugin()->DevMode(mode, &param);
    return {hr, std::vector<BYTE>(out.Data(), out.Data() + kOemDevmodeSize)};
}

// The sample's sheet: the driver's page, Job Options, Color and the link
// page, which goes when its library has no page template.
int ExpectedPages(const FaultVariant &variant) {
    constexpr int kSamplePages = 4;
    return variant.key == L"AskTvxRES" && variant.what == "has no resources" ? kSamplePages - 1
                                                                              : kSamplePages;
}

bool DefaultsMayFail(const FaultVariant &variant) {
    return variant.key == L"CryptoDll" && (variant.what == "lacks GetDefaultSetting" ||
                                           variant.what == "every export fails");
}


TEST(SideLibraryFaults, EveryStandInHasVariants) {
    const std::vector<FaultVariant> variants = ReadFaultVariants();
    for (const WCHAR *key : {L"CryptoDll", L"CARD_DLL", L"AskTvxRES"}) {
        bool found = false;
        for (const FaultVariant &variant : variants) found = found || variant.key == key;
        EXPECT_TRUE(found) << "no faulty variant configured by " << std::string(key, key + wcslen(key));
    }
}

TEST(SideLibraryFaults, ThePluginKeepsToItsBuffersAndTurnsTheFeatureOffSilently) {
    const std::vector<FaultVariant> variants = ReadFaultVariants();
    ASSERT_FALSE(variants.empty());
    std::string error;
    struct Removal {
        ~Removal() { RemoveFaultPrinter(); }
    } removal;
    ASSERT_TRUE(InstallFaultPrinter(&error)) << error;
    for (const FaultVariant &variant : variants) {
        const std::string name(variant.file.begin(), variant.file.end());
        SCOPED_TRACE(name + " " + variant.what);
        ASSERT_TRUE(ConfigureFaultVariant(variant, &error)) << error;

        PluginSession session;
        ASSERT_TRUE(session.Open(kFaultPrinterName, &error)) << error;
        const RecordCall defaults = CallDevMode(session, OEMDM_DEFAULT, nullptr);
        ASSERT_EQ(defaults.hr, S_OK);
        ASSERT_TRUE(WholeRecord(defaults.record.data()));
        OemDevmode record;
        std::memcpy(&record, defaults.record.data(), sizeof(record));
        if (DefaultsMayFail(variant)) {
            EXPECT_EQ(record.dwCryptoSetting0, kFilledDword);
            EXPECT_EQ(record.cbEncryptedPassword, kFilledDword);
        } else {
            EXPECT_EQ(record.cbEncryptedPassword, 0u);
        }
        for (DWORD mode : {OEMDM_CONVERT, OEMDM_MERGE}) {
            const RecordCall converted = CallDevMode(session, mode, defaults.record.data());
            EXPECT_EQ(converted.hr, S_OK);
            EXPECT_TRUE(WholeRecord(converted.record.data())) << mode;
        }

        DocumentUi ui(session.Model(), session.PrinterName());
        HeapBlock devmode;
        ASSERT_TRUE(BuildDefaultDevmode(session, ui.Settings(), &devmode, &error)) << error;
        ui.SetDevmode(std::move(devmode));
        SheetVisit visit;
        ASSERT_TRUE(VisitDocumentProperties(session, ui, &visit, &error)) << error;
        EXPECT_EQ(visit.pages, ExpectedPages(variant));
        EXPECT_EQ(visit.modals, 0u);
        EXPECT_EQ(visit.refused, 0);
        EXPECT_TRUE(visit.stored);
        if (visit.stored) {
            ASSERT_GE(visit.devmode.size(), kPluginSectionOffset + kOemDevmodeSize);
            EXPECT_TRUE(WholeRecord(visit.devmode.data() + kPluginSectionOffset));
        }
        std::printf("%-34s %-28s %d pages\n", name.c_str(), variant.what.c_str(), visit.pages);
    }
}

}  // namespace
