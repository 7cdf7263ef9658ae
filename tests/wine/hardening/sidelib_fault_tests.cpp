// Every faulty variant of every side-library stand-in (bin/sidelib-faults.txt:
// an export missing, every export failing or answering -1, garbage
// answers, resources missing or lying) configured in turn for a printer of
// the sample model: DevMode DEFAULT, CONVERT and MERGE with a guard page
// after the record, and the document properties opened, each page left and
// OK pressed; a job printed with each job-information variant and the
// printer properties' detection run with each detection variant. The
// plug-in stays within its buffers, shows no message for a library that
// fails it, and turns the library's feature off.
#include "fault_printer.h"
#include "guarded_buffer.h"
#include "support/devmode_param.h"
#include "support/sheet_visit.h"

#include "core/oem_devmode.h"
#include "driver/devmode_builder.h"
#include "driver/document_ui.h"
#include "driver/plugin_loader.h"
#include "host_text.h"
#include "install/print_job.h"
#include "sheet/printer_sheet.h"

#include <gtest/gtest.h>
#include <shlobj.h>
#include <winspool.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr BYTE kFill = 0xAB;
constexpr uint32_t kFilledDword = 0xABABABABu;
constexpr size_t kAppNameHalfChars = 60;

// DevMode on the variant's printer with a guard page after the record.
HRESULT CallDevMode(PluginSession &session, DWORD mode, const BYTE *inRecord,
                    std::vector<BYTE> *record) {
    GuardedBuffer out(kOemDevmodeSize);
    std::memset(out.Data(), kFill, kOemDevmodeSize);
    OEMDMPARAM param =
        DevModeParam(session.Printer(), session.Module(), nullptr, inRecord, nullptr, out.Data(), kOemDevmodeSize);
    const HRESULT hr = session.Plugin()->DevMode(mode, &param);
    record->assign(out.Data(), out.Data() + kOemDevmodeSize);
    return hr;
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

// The record calls and one opening of the document properties, OK pressed.
void ExpectTheFeatureTurnsOffSilently(PluginSession &session, const FaultVariant &variant) {
    std::vector<BYTE> defaults, converted;
    ASSERT_EQ(CallDevMode(session, OEMDM_DEFAULT, nullptr, &defaults), S_OK);
    ASSERT_TRUE(WholeRecord(defaults.data()));
    OemDevmode record;
    std::memcpy(&record, defaults.data(), sizeof(record));
    if (DefaultsMayFail(variant)) {
        EXPECT_EQ(record.dwCryptoSetting0, kFilledDword);
        EXPECT_EQ(record.cbEncryptedPassword, kFilledDword);
    } else {
        EXPECT_EQ(record.cbEncryptedPassword, 0u);
    }
    for (DWORD mode : {OEMDM_CONVERT, OEMDM_MERGE}) {
        EXPECT_EQ(CallDevMode(session, mode, defaults.data(), &converted), S_OK) << mode;
        EXPECT_TRUE(WholeRecord(converted.data())) << mode;
    }

    DocumentUi ui(session.Model(), session.PrinterName());
    HeapBlock devmode;
    std::string error;
    ASSERT_TRUE(BuildDefaultDevmode(session, ui.Settings(), &devmode, &error)) << error;
    ui.SetDevmode(std::move(devmode));
    SheetVisit visit;
    ASSERT_TRUE(VisitDocumentProperties(session, ui, &visit, &error)) << error;
    EXPECT_EQ(visit.pages, ExpectedPages(variant));
    EXPECT_EQ(visit.modals, 0u);
    EXPECT_EQ(visit.refused, 0);
    ASSERT_TRUE(visit.stored);
    ASSERT_GE(visit.devmode.size(), kPluginSectionOffset + kOemDevmodeSize);
    EXPECT_TRUE(WholeRecord(visit.devmode.data() + kPluginSectionOffset));
    std::printf("%-34s %-28s %d pages\n", Utf8(variant.file).c_str(), variant.what.c_str(),
                visit.pages);
}

// A print job through the spooler with the variant as the job-information
// library: the driver's document events succeed and the printer side finds
// the application name empty, or for garbage no more than one half of it.
void ExpectTheJobPrints(PluginSession &session, const FaultVariant &variant) {
    WCHAR temp[MAX_PATH];
    ASSERT_TRUE(GetTempPathW(MAX_PATH, temp));
    const std::wstring output = std::wstring(temp) + L"sidelib_fault_page.ps";
    PrintJobReport report;
    std::string error;
    ASSERT_TRUE(PrintOnePage(session.Plugin(), session.Printer(), kFaultPrinterName, output,
                             &report, &error))
        << error;
    DeleteFileW(output.c_str());
    ASSERT_EQ(report.calls.size(), 2u);
    EXPECT_EQ(report.calls[1].event, DOCUMENTEVENT_STARTDOCPOST);
    EXPECT_EQ(report.calls[1].hr, S_OK);
    PublishedName published;
    ASSERT_TRUE(ReadPublishedName(session.Printer(), report.jobId, &published));
    const bool garbage = variant.what == "answers garbage";
    EXPECT_EQ(published.applicationName,
              garbage ? std::wstring(kAppNameHalfChars, L'G') : std::wstring());
}

// The detection data files a working library left behind, which a faulty
// one that claims success must not be taken to have written.
void DeleteDetectionDataFiles() {
    WCHAR folder[MAX_PATH];
    if (GetTempPathW(MAX_PATH, folder)) DeleteFileW((std::wstring(folder) + L"sxnetopt.dat").c_str());
    if (SHGetSpecialFolderPathW(nullptr, folder, CSIDL_APPDATA, FALSE))
        DeleteFileW((std::wstring(folder) + L"\\sxusbopt.dat").c_str());
}

const char kStoredKeyword[] = "VXFinisher\0False\0\nVXOptionTray\0" "0\0\n\0";

std::string StoredFeatureKeyword(HANDLE printer) {
    char data[512] = {};
    DWORD type = 0, got = 0;
    if (GetPrinterDataW(printer, const_cast<WCHAR *>(L"FeatureKeyword"), &type,
                        reinterpret_cast<BYTE *>(data), sizeof(data), &got) != ERROR_SUCCESS)
        return "(absent)";
    return std::string(data, got);
}

void StoreFeatureKeyword(HANDLE printer) {
    DWORD size = sizeof(kStoredKeyword) - 1;
    SetPrinterDataW(printer, const_cast<WCHAR *>(L"FeatureKeyword"), REG_BINARY,
                    reinterpret_cast<BYTE *>(const_cast<char *>(kStoredKeyword)), size);
    SetPrinterDataW(printer, const_cast<WCHAR *>(L"FeatureKeywordSize"), REG_DWORD,
                    reinterpret_cast<BYTE *>(&size), sizeof(size));
}

std::map<std::string, std::string> ItemOptions(PrinterSheet &sheet) {
    std::map<std::string, std::string> options;
    for (DWORD i = 0; i < sheet.Items().Count(); ++i)
        options[sheet.Items().Keyword(i)] = sheet.Items().OptionKeyword(i);
    return options;
}

// Without a capability answer the printer cannot be asked: the button goes.
bool ButtonHidden(const FaultVariant &variant) {
    return variant.key == L"NetExtDLL" &&
           (variant.what == "lacks GetNetextCapability" || variant.what == "every export fails");
}

// The printer properties' detection (page activation and the button) and
// the options refresh: what the faulty library did not read never reaches
// the items, and the stored "FeatureKeyword" stays as it was.
void ExpectDetectionFindsNothing(PluginSession &session, const FaultVariant &variant) {
    DeleteDetectionDataFiles();
    StoreFeatureKeyword(session.Printer());
    CallLog log;
    PrinterSheet sheet(session, log);
    std::string error;
    ASSERT_TRUE(sheet.PrepareItems(&error)) << error;
    ASSERT_EQ(sheet.PluginItemCount(), 1u);
    OPTITEM &button = sheet.PluginItems()[0];
    EXPECT_EQ((button.Flags & OPTIF_HIDE) != 0, ButtonHidden(variant));
    const std::map<std::string, std::string> before = ItemOptions(sheet);
    sheet.NotifyPlugin(CPSUICB_REASON_SETACTIVE, nullptr, nullptr, 0);
    EXPECT_EQ(ItemOptions(sheet), before);
    // The button asks the network library whatever the port, and needs
    // only its reading and its data file.
    if (variant.key == L"NetExtDLL") {
        sheet.NotifyPlugin(CPSUICB_REASON_SEL_CHANGED, nullptr, &button, button.Sel);
        const bool buttonReads =
            variant.what == "lacks GetNetextCapability" || variant.what == "lacks IsValidPort";
        EXPECT_EQ(ItemOptions(sheet) != before, buttonReads);
    }

    const auto refresh = reinterpret_cast<int(WINAPI *)(HANDLE)>(
        reinterpret_cast<void *>(GetProcAddress(session.Module(), "ConfigDeviceOptionExp")));
    ASSERT_NE(refresh, nullptr);
    EXPECT_EQ(refresh(session.Printer()), 0);
    EXPECT_EQ(StoredFeatureKeyword(session.Printer()),
              std::string(kStoredKeyword, sizeof(kStoredKeyword) - 1));
}

using Exercise = void (*)(PluginSession &, const FaultVariant &);

// Every variant configured by `key` (null: every variant), on a printer on
// `port`.
void ExerciseVariantsOn(const std::wstring &port, const WCHAR *key, Exercise exercise) {
    const FaultPrinter printer(port);
    ASSERT_EQ(printer.Error(), "");
    for (const FaultVariant &variant : ReadFaultVariants()) {
        if (key && variant.key != key) continue;
        SCOPED_TRACE(Utf8(variant.file) + " " + variant.what);
        std::string error;
        ASSERT_TRUE(printer.Configure(variant, &error)) << error;
        PluginSession session;
        ASSERT_TRUE(session.Open(kFaultPrinterName, &error)) << error;
        exercise(session, variant);
    }
}

TEST(SideLibraryFaults, ThePluginKeepsToItsBuffersAndTurnsTheFeatureOffSilently) {
    std::set<std::wstring> keys;
    for (const FaultVariant &variant : ReadFaultVariants()) keys.insert(variant.key);
    EXPECT_EQ(keys, (std::set<std::wstring>{L"AskTvxRES", L"CARD_DLL", L"CryptoDll", L"JobInfoDLL",
                                            L"NetExtDLL", L"USBExtDLL"}));
    ExerciseVariantsOn(L"", nullptr, ExpectTheFeatureTurnsOffSilently);
}

TEST(SideLibraryFaults, AJobPrintsWithAnyJobInformationLibrary) {
    ExerciseVariantsOn(L"", L"JobInfoDLL", ExpectTheJobPrints);
}

TEST(SideLibraryFaults, DetectionTakesNothingAFaultyLibraryDidNotRead) {
    ExerciseVariantsOn(L"", L"NetExtDLL", ExpectDetectionFindsNothing);
    ExerciseVariantsOn(L"USB001", L"USBExtDLL", ExpectDetectionFindsNothing);
}

}  // namespace
