// The driver's side of a job and the printer side's reading of it.
#include "install/print_job.h"

#include "core/win_holders.h"
#include "docevents/doc_event_names.h"

#include <winddiui.h>
#include <winspool.h>

#include <cstddef>

namespace {

// The spooler offers one slot for every event but QUERYFILTER itself.
constexpr UINT kFilterSlots = DOCUMENTEVENT_LAST - 1;
constexpr UINT kFilterUnset = 0xFFFFFFFF;
constexpr INT kResultUntouched = 0x7EADBEEF;
constexpr DWORD kPrinterInfoLevel = 2;
constexpr DWORD kReaderWaitMs = 5000;
constexpr DWORD kRecordPollMs = 50;
const char kRecordEnd[] = "\nend\n";
const WCHAR kRecordFileName[] = L"sxcolorap.log";
const WCHAR kDocumentName[] = L"SX document-event test page";
const WCHAR kPageText[] = L"SX Color 4200 PS: one page through the spooler";
constexpr int kPageTextX = 300;
constexpr int kPageTextY = 300;

struct EventName {
    INT event;
    const char *name;
};

const EventName kEventNames[] = {
    {DOCUMENTEVENT_CREATEDCPRE, "CREATEDCPRE"},   {DOCUMENTEVENT_CREATEDCPOST, "CREATEDCPOST"},
    {DOCUMENTEVENT_STARTDOCPRE, "STARTDOCPRE"},   {DOCUMENTEVENT_STARTPAGE, "STARTPAGE"},
    {DOCUMENTEVENT_ENDPAGE, "ENDPAGE"},           {DOCUMENTEVENT_ENDDOCPRE, "ENDDOCPRE"},
    {DOCUMENTEVENT_DELETEDC, "DELETEDC"},         {DOCUMENTEVENT_ENDDOCPOST, "ENDDOCPOST"},
    {DOCUMENTEVENT_STARTDOCPOST, "STARTDOCPOST"}, {DOCUMENTEVENT_QUERYFILTER, "QUERYFILTER"},
};

// What the driver does at one point of the job: ask the plug-in if the
// filter lets the event through, and note the answer.
class EventSender {
public:
    EventSender(IPrintOemUI2 *plugin, HANDLE printer, PrintJobReport *report)
        : plugin_(plugin), printer_(printer), report_(report) {}
    void Send(HDC dc, INT event, ULONG inBytes = 0, void *in = nullptr) {
        if (report_->filter.filtered && !Listed(event)) return;
        report_->calls.push_back(
            CallDocumentEvent(plugin_, printer_, dc, event, inBytes, in, 0, nullptr));
    }

private:
    bool Listed(INT event) const {
        for (DWORD listed : report_->filter.events)
            if (static_cast<INT>(listed) == event) return true;
        return false;
    }
    IPrintOemUI2 *plugin_;
    HANDLE printer_;
    PrintJobReport *report_;
};

bool DrawPage(HDC dc) {
    if (StartPage(dc) <= 0) return false;
    TextOutW(dc, kPageTextX, kPageTextY, kPageText, lstrlenW(kPageText));
    return EndPage(dc) > 0;
}

bool ReadObjectNames(HANDLE printer, DWORD jobId, PublishedName *published) {
    DWORD needed = 0;
    GetPrinterW(printer, kPrinterInfoLevel, nullptr, 0, &needed);
    std::vector<BYTE> info(needed);
    if (!needed || !GetPrinterW(printer, kPrinterInfoLevel, info.data(), needed, &needed)) {
        published->error = GetLastError();
        return false;
    }
    const PRINTER_INFO_2W *printerInfo = reinterpret_cast<const PRINTER_INFO_2W *>(info.data());
    PrinterJobFacts facts;
    facts.printerName = reinterpret_cast<const char16_t *>(printerInfo->pPrinterName);
    facts.shareName = reinterpret_cast<const char16_t *>(printerInfo->pShareName);
    facts.shared = (printerInfo->Attributes & PRINTER_ATTRIBUTE_SHARED) != 0;
    std::u16string baseName(kObjectBaseNameChars, u'\0');
    BuildObjectBaseName(facts, &baseName[0]);
    std::u16string name(kObjectNameChars, u'\0');
    FormatObjectName(baseName.c_str(), jobId, NamedObjectKind::Mutex, &name[0], kObjectNameChars);
    published->mutexName = reinterpret_cast<const WCHAR *>(name.c_str());
    FormatObjectName(baseName.c_str(), jobId, NamedObjectKind::Mapping, &name[0],
                     kObjectNameChars);
    published->mappingName = reinterpret_cast<const WCHAR *>(name.c_str());
    return true;
}

}  // namespace

const char *DocumentEventName(INT event) {
    for (const EventName &entry : kEventNames)
        if (entry.event == event) return entry.name;
    return "event";
}

DocumentEventCall CallDocumentEvent(IPrintOemUI2 *plugin, HANDLE printer, HDC dc, INT event,
                                    ULONG inBytes, void *in, ULONG outBytes, void *out) {
    DocumentEventCall call;
    call.event = event;
    INT result = kResultUntouched;
    call.hr = plugin->DocumentEvent(printer, dc, event, inBytes, in, outBytes, out, &result);
    call.resultSet = result != kResultUntouched;
    call.result = call.resultSet ? result : 0;
    return call;
}

EventFilterAnswer QueryEventFilter(IPrintOemUI2 *plugin, HANDLE printer) {
    const size_t bytes = offsetof(DOCEVENT_FILTER, aDocEventCall) + kFilterSlots * sizeof(DWORD);
    std::vector<BYTE> block(bytes);
    DOCEVENT_FILTER *filter = reinterpret_cast<DOCEVENT_FILTER *>(block.data());
    filter->cbSize = static_cast<UINT>(bytes);
    filter->cElementsAllocated = kFilterSlots;
    filter->cElementsNeeded = kFilterUnset;
    filter->cElementsReturned = kFilterUnset;
    EventFilterAnswer answer;
    answer.call = CallDocumentEvent(plugin, printer, nullptr, DOCUMENTEVENT_QUERYFILTER, 0, nullptr,
                                    static_cast<ULONG>(bytes), filter);
    answer.needed = filter->cElementsNeeded;
    if (answer.call.hr != S_OK || answer.call.result != DOCUMENTEVENT_SUCCESS) return answer;
    if (filter->cElementsReturned > kFilterSlots) return answer;
    answer.events.assign(filter->aDocEventCall, filter->aDocEventCall + filter->cElementsReturned);
    answer.filtered = true;
    return answer;
}

bool PrintOnePage(IPrintOemUI2 *plugin, HANDLE printer, const std::wstring &printerName,
                  const std::wstring &outputPath, PrintJobReport *report, std::string *error) {
    report->filter = QueryEventFilter(plugin, printer);
    DOCEVENT_CREATEDCPRE create = {nullptr, const_cast<WCHAR *>(printerName.c_str()), nullptr,
                                   FALSE};
    report->calls.push_back(CallDocumentEvent(plugin, printer, nullptr, DOCUMENTEVENT_CREATEDCPRE,
                                              sizeof(create), &create, 0, nullptr));
    EventSender sender(plugin, printer, report);
    HDC dc = CreateDCW(nullptr, printerName.c_str(), nullptr, nullptr);
    if (!dc) {
        *error = "CreateDCW failed for the printer";
        return false;
    }
    sender.Send(dc, DOCUMENTEVENT_CREATEDCPOST);
    DOCINFOW document = {};
    document.cbSize = sizeof(document);
    document.lpszDocName = kDocumentName;
    document.lpszOutput = outputPath.c_str();
    DOCINFOW *documentInfo = &document;
    sender.Send(dc, DOCUMENTEVENT_STARTDOCPRE, sizeof(documentInfo), &documentInfo);
    const int job = StartDocW(dc, &document);
    if (job <= 0) {
        *error = "StartDocW failed";
        DeleteDC(dc);
        return false;
    }
    report->jobId = static_cast<DWORD>(job);
    LONG jobId = job;
    sender.Send(dc, DOCUMENTEVENT_STARTDOCPOST, sizeof(jobId), &jobId);
    sender.Send(dc, DOCUMENTEVENT_STARTPAGE);
    report->pagePrinted = DrawPage(dc);
    sender.Send(dc, DOCUMENTEVENT_ENDPAGE);
    sender.Send(dc, DOCUMENTEVENT_ENDDOCPRE);
    const bool ended = EndDoc(dc) > 0;
    sender.Send(dc, DOCUMENTEVENT_ENDDOCPOST);
    sender.Send(dc, DOCUMENTEVENT_DELETEDC);
    DeleteDC(dc);
    if (!report->pagePrinted || !ended) {
        *error = "the page did not print";
        return false;
    }
    return true;
}

bool ReadPublishedName(HANDLE printer, DWORD jobId, PublishedName *published) {
    if (!ReadObjectNames(printer, jobId, published)) return false;
    const UniqueHandle mutex(
        OpenMutexW(SYNCHRONIZE | MUTEX_MODIFY_STATE, FALSE, published->mutexName.c_str()));
    published->mutexOpened = mutex.Get() != nullptr;
    if (!mutex.Get()) published->error = GetLastError();
    const UniqueHandle mapping(
        OpenFileMappingW(FILE_MAP_READ, FALSE, published->mappingName.c_str()));
    published->mappingOpened = mapping.Get() != nullptr;
    if (!mapping.Get()) {
        published->error = GetLastError();
        return false;
    }
    const DWORD wait = mutex.Get() ? WaitForSingleObject(mutex.Get(), kReaderWaitMs) : WAIT_FAILED;
    const bool owned = wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED;
    const void *view = MapViewOfFile(mapping.Get(), FILE_MAP_READ, 0, 0, kAppNameMappingBytes);
    if (view) {
        const BYTE *bytes = static_cast<const BYTE *>(view);
        published->bytes.assign(bytes, bytes + kAppNameMappingBytes);
        UnmapViewOfFile(view);
    } else {
        published->error = GetLastError();
    }
    if (owned) ReleaseMutex(mutex.Get());
    if (!view) return false;
    const WCHAR *name = reinterpret_cast<const WCHAR *>(published->bytes.data());
    size_t length = 0;
    while (length < kAppNameChars && name[length]) ++length;
    published->applicationName.assign(name, length);
    return owned;
}

std::wstring CompanionRecordPath() {
    WCHAR folder[MAX_PATH + 1];
    const DWORD length = GetTempPathW(MAX_PATH + 1, folder);
    if (!length || length > MAX_PATH) return kRecordFileName;
    return std::wstring(folder, length) + kRecordFileName;
}

void ClearCompanionRecord() { DeleteFileW(CompanionRecordPath().c_str()); }

bool WaitForCompanionRecord(DWORD timeoutMs, std::string *record) {
    const std::wstring path = CompanionRecordPath();
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    do {
        HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            std::string text;
            char chunk[4096];
            DWORD got = 0;
            while (ReadFile(file, chunk, sizeof(chunk), &got, nullptr) && got)
                text.append(chunk, got);
            CloseHandle(file);
            if (text.size() >= sizeof(kRecordEnd) - 1 &&
                text.compare(text.size() - (sizeof(kRecordEnd) - 1), std::string::npos,
                             kRecordEnd) == 0) {
                *record = text;
                return true;
            }
        }
        Sleep(kRecordPollMs);
    } while (GetTickCount64() < deadline);
    return false;
}
