// The document event hook through the real plug-in: what each event
// answers, a real job on the sample printer whose application name the
// printer side reads back by name, and, on a printer of a probe model, the
// job-information library's answers, the companion program's start where
// shared memory cannot serve, and the objects' security.
#include "core/win_holders.h"
#include "host_text.h"
#include "install/print_job.h"
#include "support/plugin_object_test.h"

#include <gtest/gtest.h>

#include <aclapi.h>
#include <sddl.h>
#include <winddiui.h>
#include <winspool.h>

#include <cstddef>
#include <cstring>
#include <cwchar>
#include <memory>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

namespace {

const WCHAR kProbePrinter[] = L"SX DocEvent Probe";
const WCHAR kProbeIni[] = L"sxprobe.ini";
const WCHAR kProbeCap[] = L"sxprobe.cap";
const WCHAR kProbeSection[] = L"PROBE";
const WCHAR kProbeLibraryFile[] = L"sxjobprobe.dll";
const WCHAR kCompanionFile[] = L"sxcolorap.exe";
constexpr size_t kMappingBytes = 122;
constexpr INT kUntouched = 0x7EADBEEF;
constexpr DWORD kCompanionWaitMs = 15000;
constexpr DWORD kNoCompanionWaitMs = 2000;
constexpr size_t kFilterHeaderBytes = offsetof(DOCEVENT_FILTER, aDocEventCall);
constexpr BYTE kGuard = 0xA5;

using SetProbeAnswerFn = void(WINAPI *)(const char *, DWORD);
using ReadProbeCallFn = LONG(WINAPI *)(DWORD *, DWORD *, BOOL *);

std::wstring Hex8(DWORD value) {
    WCHAR text[9];
    swprintf(text, 9, L"%08x", value);
    return text;
}

std::wstring ProgramFileName() {
    WCHAR path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::wstring full(path, length);
    return full.substr(full.find_last_of(L'\\') + 1);
}

std::string LineOf(const std::string &record, const std::string &key) {
    const size_t start = record.rfind("\n" + key + ": ");
    if (start == std::string::npos) return "(missing)";
    const size_t from = start + key.size() + 3;
    return record.substr(from, record.find('\n', from) - from);
}

// What a call answered: its HRESULT, whether it set a result, and the result.
std::tuple<HRESULT, bool, INT> Answer(const DocumentEventCall &call) {
    return std::make_tuple(call.hr, call.resultSet, call.result);
}

class DocumentEventTest : public PluginObjectTest {
protected:
    DocumentEventCall Call(HANDLE printer, INT event, ULONG inBytes, void *in, ULONG outBytes,
                           void *out) {
        return CallDocumentEvent(plugin, printer, nullptr, event, inBytes, in, outBytes, out);
    }
    void StartJob(HANDLE printer, DWORD jobId) {
        LONG id = static_cast<LONG>(jobId);
        const DocumentEventCall call =
            Call(printer, DOCUMENTEVENT_STARTDOCPOST, sizeof(id), &id, 0, nullptr);
        EXPECT_EQ(std::make_pair(call.hr, call.resultSet), std::make_pair(S_OK, false));
    }
};

TEST_F(DocumentEventTest, EventsBesidesTheJobStartAnswerWithoutWork) {
    const PrinterHandle printer(kSamplePrinter);
    DOCEVENT_CREATEDCPRE create = {nullptr, const_cast<WCHAR *>(kSamplePrinter), nullptr, FALSE};
    DocumentEventCall call =
        Call(printer.Get(), DOCUMENTEVENT_CREATEDCPRE, sizeof(create), &create, 0, nullptr);
    EXPECT_EQ(Answer(call), std::make_tuple(S_OK, true, DOCUMENTEVENT_SUCCESS));
    EXPECT_EQ(plugin->DocumentEvent(nullptr, nullptr, DOCUMENTEVENT_CREATEDCPRE, 0, nullptr, 0,
                                     nullptr, nullptr),
              S_OK);
    for (INT event : {DOCUMENTEVENT_CREATEDCPOST, DOCUMENTEVENT_STARTDOCPRE,
                      DOCUMENTEVENT_STARTPAGE, DOCUMENTEVENT_ENDPAGE, DOCUMENTEVENT_ENDDOCPRE,
                      DOCUMENTEVENT_ENDDOCPOST, DOCUMENTEVENT_DELETEDC, DOCUMENTEVENT_ESCAPE, 0,
                      DOCUMENTEVENT_LAST, -1}) {
        call = Call(printer.Get(), event, 0, nullptr, 0, nullptr);
        EXPECT_EQ(std::make_pair(call.hr, call.resultSet), std::make_pair(S_OK, false)) << event;
    }

    // A job start without a usable job id or printer publishes nothing.
    const DWORD jobId = 0x5A5A;
    LONG id = jobId;
    EXPECT_EQ(Call(printer.Get(), DOCUMENTEVENT_STARTDOCPOST, 0, nullptr, 0, nullptr).hr, S_OK);
    EXPECT_EQ(Call(printer.Get(), DOCUMENTEVENT_STARTDOCPOST, sizeof(id) - 1, &id, 0, nullptr).hr, S_OK);
    EXPECT_EQ(Call(nullptr, DOCUMENTEVENT_STARTDOCPOST, sizeof(id), &id, 0, nullptr).hr, S_OK);
    PublishedName published;
    EXPECT_FALSE(ReadPublishedName(printer.Get(), jobId, &published));
    EXPECT_FALSE(published.mappingOpened || published.mutexOpened);
}

TEST_F(DocumentEventTest, QueryFilterAsksForTheJobStartOnly) {
    const EventFilterAnswer answer = QueryEventFilter(plugin, nullptr);
    EXPECT_EQ(std::make_pair(answer.call.hr, answer.call.result), std::make_pair(S_OK, INT{DOCUMENTEVENT_SUCCESS}));
    ASSERT_TRUE(answer.filtered);
    EXPECT_EQ(answer.events, std::vector<DWORD>({DOCUMENTEVENT_STARTDOCPOST}));

    // Header only, and a header whose element count promises room that the
    // buffer does not have: both report one needed element. A block too
    // small for its header, or none, is left alone.
    for (UINT allocated : {0u, 4u}) {
        std::vector<BYTE> block(kFilterHeaderBytes + 16, kGuard);
        DOCEVENT_FILTER *filter = reinterpret_cast<DOCEVENT_FILTER *>(block.data());
        filter->cbSize = kFilterHeaderBytes;
        filter->cElementsAllocated = allocated;
        filter->cElementsNeeded = 0xFFFFFFFF;
        filter->cElementsReturned = 0xFFFFFFFF;
        const DocumentEventCall call =
            Call(nullptr, DOCUMENTEVENT_QUERYFILTER, 0, nullptr, kFilterHeaderBytes, filter);
        EXPECT_EQ(Answer(call), std::make_tuple(S_OK, true, DOCUMENTEVENT_SUCCESS));
        EXPECT_EQ(std::make_pair(filter->cElementsNeeded, filter->cElementsReturned), std::make_pair(1u, 0xFFFFFFFFu));
        for (size_t i = kFilterHeaderBytes; i < block.size(); ++i) EXPECT_EQ(block[i], kGuard) << i;
    }
    std::vector<BYTE> block(kFilterHeaderBytes + 8, kGuard);
    DocumentEventCall call = Call(nullptr, DOCUMENTEVENT_QUERYFILTER, 0, nullptr,
                                  kFilterHeaderBytes - 1, block.data());
    EXPECT_EQ(Answer(call), std::make_tuple(S_OK, true, DOCUMENTEVENT_FAILURE));
    for (BYTE b : block) EXPECT_EQ(b, kGuard);
    EXPECT_EQ(Answer(Call(nullptr, DOCUMENTEVENT_QUERYFILTER, 0, nullptr, 0, nullptr)),
              std::make_tuple(S_OK, true, DOCUMENTEVENT_FAILURE));
}

TEST_F(DocumentEventTest, RealJobPublishesTheApplicationNameForThePrinterSide) {
    const PrinterHandle printer(kSamplePrinter);
    ASSERT_NE(printer.Get(), nullptr);
    WCHAR temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring output = std::wstring(temp) + L"docevent_page.ps";
    DeleteFileW(output.c_str());
    PrintJobReport report;
    std::string error;
    ASSERT_TRUE(PrintOnePage(plugin, printer.Get(), kSamplePrinter, output, &report, &error))
        << error;
    ASSERT_GT(report.jobId, 0u);
    // The driver passed STARTDOCPOST (and nothing the filter left out).
    std::vector<std::pair<INT, HRESULT>> calls;
    for (const auto &call : report.calls) calls.emplace_back(call.event, call.hr);
    EXPECT_EQ(calls, (std::vector<std::pair<INT, HRESULT>>{{DOCUMENTEVENT_CREATEDCPRE, S_OK},
                                                           {DOCUMENTEVENT_STARTDOCPOST, S_OK}}));
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    ASSERT_TRUE(GetFileAttributesExW(output.c_str(), GetFileExInfoStandard, &data));
    EXPECT_GT(data.nFileSizeLow, 0u);
    DeleteFileW(output.c_str());

    PublishedName published;
    ASSERT_TRUE(ReadPublishedName(printer.Get(), report.jobId, &published));
    const std::wstring base = std::wstring(L"Local\\SX Color 4200 PS") + Hex8(report.jobId);
    EXPECT_EQ(std::make_pair(published.mappingName, published.mutexName), std::make_pair(base + L"A", base + L"B"));
    ASSERT_EQ(published.bytes.size(), kMappingBytes);
    // The stand-in library names the program by its file name when it
    // carries no description.
    EXPECT_EQ(published.applicationName, ProgramFileName());
    const size_t nameBytes = (published.applicationName.size() + 1) * sizeof(WCHAR);
    for (size_t i = nameBytes - sizeof(WCHAR); i < kMappingBytes; ++i)
        EXPECT_EQ(published.bytes[i], 0) << i;
}

// A printer of its own model whose job-information library answers what the
// test sets, and whose companion program is the sample model's.
class ProbeModelTest : public DocumentEventTest {
protected:
    static void SetUpTestSuite() {
        CopyFileW((ExeDirectory() + L"\\jobinf_probe.dll").c_str(),
                  DriverFilePath(kProbeLibraryFile).c_str(), FALSE);
        WriteDriverProfile(kProbeIni, L"OEMFiles", L"OEMConfigFile1", L"sxoemui.dll");
        WriteDriverProfile(kProbeCap, L"Capability", kProbePrinter, kProbeSection);
        printer_.reset(new TestPrinter(kProbePrinter, {kProbeIni, kProbeCap}));
    }
    static void TearDownTestSuite() { printer_.reset(); }
    void SetUp() override {
        DocumentEventTest::SetUp();
        ASSERT_TRUE(printer_->Installed());
        SetModelKey(L"JobInfoDLL", kProbeLibraryFile);
        SetModelKey(L"COLORAPEXE", kCompanionFile);
        probe_.Reset(LoadLibraryW(DriverFilePath(kProbeLibraryFile).c_str()));
        setAnswer_ = probe_.ExportAs<SetProbeAnswerFn>("SetProbeAnswer");
        readCall_ = probe_.ExportAs<ReadProbeCallFn>("ReadProbeCall");
        ASSERT_TRUE(setAnswer_ && readCall_);
        Answer("Writer", "Other");
        ClearCompanionRecord();
        probePrinter_ = std::make_unique<PrinterHandle>(kProbePrinter);
        ASSERT_NE(probePrinter_->Get(), nullptr);
    }
    static void SetModelKey(const WCHAR *key, const WCHAR *value) {
        WriteDriverProfile(kProbeCap, kProbeSection, key, value);
    }
    void Answer(const char *first, const char *second) {
        char answer[120] = {};
        std::memcpy(answer, first, std::strlen(first));
        std::memcpy(answer + 60, second, std::strlen(second));
        setAnswer_(answer, sizeof(answer));
    }
    HANDLE Printer() const { return probePrinter_->Get(); }
    std::wstring Published(DWORD jobId, PublishedName *published = nullptr) {
        PublishedName local;
        if (!published) published = &local;
        if (!ReadPublishedName(Printer(), jobId, published)) return L"(not published)";
        return published->applicationName;
    }
    static std::wstring ObjectName(const std::wstring &base, DWORD jobId, WCHAR kind) {
        return L"Local\\" + base + Hex8(jobId) + kind;
    }
    // An object of another kind under `name`, which keeps the plug-in from making its own.
    static HANDLE Occupy(const std::wstring &name) { return CreateEventW(nullptr, TRUE, FALSE, name.c_str()); }
    void SetShare(const std::wstring &shareName, bool shared) {
        SpoolerPrinter handle;
        ASSERT_TRUE(handle.Open(kProbePrinter, PRINTER_ALL_ACCESS));
        DWORD needed = 0;
        GetPrinterW(handle.Get(), 2, nullptr, 0, &needed);
        std::vector<BYTE> info(needed);
        ASSERT_TRUE(GetPrinterW(handle.Get(), 2, info.data(), needed, &needed));
        PRINTER_INFO_2W *printer = reinterpret_cast<PRINTER_INFO_2W *>(info.data());
        printer->pShareName = const_cast<WCHAR *>(shareName.c_str());
        printer->Attributes = shared ? printer->Attributes | PRINTER_ATTRIBUTE_SHARED
                                     : printer->Attributes & ~PRINTER_ATTRIBUTE_SHARED;
        printer->pSecurityDescriptor = nullptr;
        EXPECT_TRUE(SetPrinterW(handle.Get(), 2, info.data(), 0)) << GetLastError();
    }

    static inline std::unique_ptr<TestPrinter> printer_;
    LoadedLibrary probe_;
    SetProbeAnswerFn setAnswer_ = nullptr;
    ReadProbeCallFn readCall_ = nullptr;
    std::unique_ptr<PrinterHandle> probePrinter_;
};

// Spooled jobs' events carry the spooled flag in their high word.
TEST_F(ProbeModelTest, LibraryIsAskedWithA120ByteAnswerForPlainAndSpooledJobsAndFreedAgain) {
    StartJob(Printer(), 0x101);
    DWORD flags = 0, size = 0;
    BOOL hadBuffer = FALSE;
    EXPECT_EQ(readCall_(&flags, &size, &hadBuffer), 1);
    EXPECT_EQ(std::make_tuple(flags, size, hadBuffer), std::make_tuple(0ul, 120ul, TRUE));
    EXPECT_EQ(Published(0x101), L"Writer");

    LONG id = 0x10E;
    EXPECT_EQ(Call(Printer(), DOCUMENTEVENT_STARTDOCPOST | DOCUMENTEVENT_SPOOLED, sizeof(id), &id, 0, nullptr).hr,
              S_OK);
    EXPECT_EQ(Published(0x10E), L"Writer");
    EXPECT_EQ(Call(Printer(), DOCUMENTEVENT_CREATEDCPRE | DOCUMENTEVENT_SPOOLED, 0, nullptr, 0, nullptr).result,
              DOCUMENTEVENT_SUCCESS);
    probe_.Reset(nullptr);
    EXPECT_EQ(GetModuleHandleW(kProbeLibraryFile), nullptr);
}

TEST_F(ProbeModelTest, NameIsConvertedWithTheUserDefaultCodePage) {
    UINT codePage = 0;
    GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                   reinterpret_cast<WCHAR *>(&codePage), sizeof(codePage) / sizeof(WCHAR));
    struct Sample {
        UINT codePage;
        const char *bytes;
        const WCHAR *name;
    };
    const Sample samples[] = {
        {1252, "Caf\xE9 \x80", L"Caf\u00E9 \u20AC"},
        {932, "\x93\xFA\x96\x7B Writer", L"\u65E5\u672C Writer"},
    };
    for (const Sample &sample : samples) {
        if (sample.codePage != codePage) continue;
        Answer(sample.bytes, "");
        StartJob(Printer(), 0x104);
        EXPECT_EQ(Published(0x104), sample.name);
        return;
    }
    GTEST_SKIP() << "no sample for the user code page " << codePage;
}

TEST_F(ProbeModelTest, MissingLibraryOrExportPublishesAnEmptyName) {
    DWORD jobId = 0x105;
    for (const WCHAR *library : {L"sxcard.dll", L"sxnosuch.dll", L""}) {
        SetModelKey(L"JobInfoDLL", library);
        StartJob(Printer(), jobId);
        PublishedName published;
        EXPECT_EQ(Published(jobId++, &published), L"") << library;
        EXPECT_EQ(published.bytes, std::vector<BYTE>(kMappingBytes, 0));
    }
}

TEST_F(ProbeModelTest, EachEventReadsItsOwnPrintersModel) {
    const PrinterHandle sample(kSamplePrinter);
    StartJob(Printer(), 0x108);
    StartJob(sample.Get(), 0x108);
    StartJob(Printer(), 0x109);
    EXPECT_EQ(Published(0x108), L"Writer");
    PublishedName published;
    ASSERT_TRUE(ReadPublishedName(sample.Get(), 0x108, &published));
    EXPECT_EQ(published.applicationName, ProgramFileName());
    EXPECT_EQ(Published(0x109), L"Writer");
}

TEST_F(ProbeModelTest, CompanionCarriesTheNameWhenTheMappingCannotBeMade) {
    const DWORD jobId = 0x10A;
    const std::wstring pipeName =
        std::wstring(L"\\\\.\\pipe\\") + kProbePrinter + L"\\" + Hex8(jobId) + L"\\AppInfo";
    // An object of another kind holds the mapping's name; the test's own
    // handle to the mutex shows whether the plug-in released it.
    const UniqueHandle blocker(Occupy(ObjectName(kProbePrinter, jobId, L'A')));
    const UniqueHandle mutex(
        CreateMutexW(nullptr, FALSE, ObjectName(kProbePrinter, jobId, L'B').c_str()));
    const UniqueHandle pipe(CreateNamedPipeW(pipeName.c_str(), PIPE_ACCESS_INBOUND, PIPE_TYPE_BYTE, 1, 0,
                                       512, 0, nullptr));
    ASSERT_NE(pipe.Get(), INVALID_HANDLE_VALUE);
    StartJob(Printer(), jobId);

    std::string record;
    ASSERT_TRUE(WaitForCompanionRecord(kCompanionWaitMs, &record));
    EXPECT_EQ((std::vector<std::string>{LineOf(record, "command line"), LineOf(record, "start-up flags"),
                                        LineOf(record, "fill attribute"), LineOf(record, "pipe served")}),
              (std::vector<std::string>{"0 \"Writer\" \"" + Utf8(pipeName) + "\"", "0x00000080", "0x00000088",
                                        "connected, 14 bytes written"}));
    WCHAR got[16] = {};
    DWORD read = 0;
    EXPECT_TRUE(ReadFile(pipe.Get(), got, sizeof(got), &read, nullptr));
    EXPECT_EQ(read, 14u);
    EXPECT_STREQ(got, L"Writer");

    DWORD wait = WAIT_FAILED;
    std::thread other([&] { wait = WaitForSingleObject(mutex.Get(), 0); });
    other.join();
    EXPECT_EQ(wait, static_cast<DWORD>(WAIT_OBJECT_0));
    ReleaseMutex(mutex.Get());
    PublishedName published;
    EXPECT_EQ(Published(jobId, &published), L"(not published)");
}

TEST_F(ProbeModelTest, MutexThatCannotBeMadeAlsoLeadsToTheCompanion) {
    const DWORD jobId = 0x10B;
    const UniqueHandle blocker(Occupy(ObjectName(kProbePrinter, jobId, L'B')));
    StartJob(Printer(), jobId);
    std::string record;
    ASSERT_TRUE(WaitForCompanionRecord(kCompanionWaitMs, &record));
    EXPECT_EQ(LineOf(record, "application"), "Writer");
    EXPECT_EQ(LineOf(record, "pipe"),
              "\\\\.\\pipe\\" + Utf8(kProbePrinter) + "\\" + Utf8(Hex8(jobId)) + "\\AppInfo");
    EXPECT_EQ(LineOf(record, "pipe served"), "not served (error 2)");
}

TEST_F(ProbeModelTest, SharedPrinterPublishesAndPipesUnderItsShareName) {
    SetShare(L"Floor:2\\Office", true);
    const DWORD jobId = 0x1A;
    StartJob(Printer(), jobId);
    PublishedName published;
    EXPECT_EQ(Published(jobId, &published), L"Writer");
    EXPECT_EQ(published.mappingName, L"Local\\Floor020Office0000001aA");

    const DWORD blockedJob = 0x1B;
    const UniqueHandle blocker(Occupy(L"Local\\Floor020Office0000001bA"));
    StartJob(Printer(), blockedJob);
    std::string record;
    ASSERT_TRUE(WaitForCompanionRecord(kCompanionWaitMs, &record));
    EXPECT_EQ(LineOf(record, "pipe"), "\\\\.\\pipe\\Floor:2\\Office\\0000001b\\AppInfo");
    SetShare(L"", false);
}

// No companion starts when its program is missing or not named, nor with
// a cut pipe name when the share name would pass the platform's limit.
TEST_F(ProbeModelTest, NoCompanionWithoutItsProgramOrWithACutPipeName) {
    const DWORD jobId = 0x10C;
    const UniqueHandle blocker(Occupy(ObjectName(kProbePrinter, jobId, L'A')));
    SetModelKey(L"COLORAPEXE", L"sxnosuch.exe");
    StartJob(Printer(), jobId);
    SetModelKey(L"COLORAPEXE", L"");
    StartJob(Printer(), jobId);
    SetModelKey(L"COLORAPEXE", kCompanionFile);

    std::wstring share, base;
    for (int i = 0; i < 100; ++i) {
        share += L"\\a:";
        base += L"0a0";
    }
    SetShare(share, true);
    const DWORD longJob = 0x1D;
    const UniqueHandle longBlocker(Occupy(ObjectName(base, longJob, L'A')));
    StartJob(Printer(), longJob);
    std::string record;
    EXPECT_FALSE(WaitForCompanionRecord(kNoCompanionWaitMs, &record)) << record;
    SetShare(L"", false);
}

std::wstring SidText(PSID sid) {
    WCHAR *text = nullptr;
    if (!ConvertSidToStringSidW(sid, &text)) return L"?";
    std::wstring result = text;
    LocalFree(text);
    return result;
}

std::wstring CurrentUserSid() {
    HANDLE token = nullptr;
    OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token);
    DWORD needed = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &needed);
    std::vector<BYTE> info(needed);
    GetTokenInformation(token, TokenUser, info.data(), needed, &needed);
    CloseHandle(token);
    return SidText(reinterpret_cast<TOKEN_USER *>(info.data())->User.Sid);
}

// The entries of the object's DACL and then of its label as
// "type:trustee=mask", in their order.
std::vector<std::wstring> SecurityEntries(HANDLE object) {
    PACL dacl = nullptr, sacl = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    std::vector<std::wstring> entries;
    if (GetSecurityInfo(object, SE_KERNEL_OBJECT, DACL_SECURITY_INFORMATION | LABEL_SECURITY_INFORMATION,
                        nullptr, nullptr, &dacl, &sacl, &descriptor) != ERROR_SUCCESS)
        return entries;
    for (PACL acl : {dacl, sacl}) {
        for (DWORD i = 0; acl && i < acl->AceCount; ++i) {
            // Allowing and label entries share one layout.
            ACCESS_ALLOWED_ACE *ace = nullptr;
            if (!GetAce(acl, i, reinterpret_cast<void **>(&ace))) continue;
            WCHAR mask[16];
            swprintf(mask, 16, L"%lx", static_cast<unsigned long>(ace->Mask));
            entries.push_back(std::to_wstring(ace->Header.AceType) + L":" + SidText(&ace->SidStart) + L"=" + mask);
        }
    }
    LocalFree(descriptor);
    return entries;
}

// Full access for the user, the system and the administrators, `everyone`
// for everyone else, and the low label that forbids writing up.
std::vector<std::wstring> ExpectedEntries(const WCHAR *full, const WCHAR *everyone) {
    const std::wstring allow = std::to_wstring(ACCESS_ALLOWED_ACE_TYPE) + L":";
    return {allow + CurrentUserSid() + L"=" + full, allow + L"S-1-5-18=" + full,
            allow + L"S-1-5-32-544=" + full, allow + L"S-1-1-0=" + everyone,
            std::to_wstring(SYSTEM_MANDATORY_LABEL_ACE_TYPE) + L":S-1-16-4096=1"};
}

TEST_F(ProbeModelTest, PublishedObjectsLetEveryoneOnlyReadAndCarryTheLowLabel) {
    const DWORD jobId = 0x10D;
    StartJob(Printer(), jobId);
    const UniqueHandle mapping(OpenFileMappingW(READ_CONTROL | FILE_MAP_READ, FALSE,
                                          ObjectName(kProbePrinter, jobId, L'A').c_str()));
    const UniqueHandle mutex(OpenMutexW(READ_CONTROL | SYNCHRONIZE, FALSE,
                                  ObjectName(kProbePrinter, jobId, L'B').c_str()));
    ASSERT_NE(mapping.Get(), nullptr);
    ASSERT_NE(mutex.Get(), nullptr);
    EXPECT_EQ(SecurityEntries(mapping.Get()), ExpectedEntries(L"f001f", L"4"));
    EXPECT_EQ(SecurityEntries(mutex.Get()), ExpectedEntries(L"1f0001", L"100001"));
}

}  // namespace
