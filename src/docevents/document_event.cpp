// Which events the hook answers, and the start of a job: the application
// name is asked of the model's job-information library and published for
// the printer side in the job's shared memory, or handed to the model's
// companion program where the job goes to another machine or the memory
// cannot be made.
#include "docevents/document_event.h"
#include "core/config_key_text.h"

#include "core/driver_config.h"
#include "core/os_version.h"
#include "docevents/application_name.h"
#include "docevents/companion_program.h"
#include "docevents/doc_event_names.h"
#include "docevents/name_publication.h"

#include <winddiui.h>
#include <winspool.h>

#include <cstddef>
#include <cstring>

namespace {

const WCHAR kEmfDespoolingValue[] = L"EMFDespoolingSetting";
constexpr DWORD kPrinterInfoLevel = 2;
constexpr DWORD kJobInfoLevel = 2;
constexpr DWORD kFilteredEvent = DOCUMENTEVENT_STARTDOCPOST;
constexpr ULONG kFilterHeaderBytes = offsetof(DOCEVENT_FILTER, aDocEventCall);

// The event printer's own configuration files and model section. They are
// looked up for every event (an application may print to printers of
// several models) and kept apart from the process-wide paths, which a
// property sheet open in the same process may be using.
struct EventModel {
    WCHAR driverName[kConfigPathChars];
    WCHAR pluginIni[kConfigPathChars];
    WCHAR capabilityFile[kConfigPathChars];
    WCHAR section[kModelSectionChars];
};

void ReadEventModel(HANDLE hPrinter, EventModel *model) {
    model->pluginIni[0] = 0;
    model->section[0] = 0;
    ReadPrinterDriverName(hPrinter, model->driverName, kConfigPathChars);
    FindDriverConfigFilesFor(hPrinter, model->pluginIni, model->capabilityFile);
    if (!model->driverName[0] || !model->capabilityFile[0]) return;
    GetPrivateProfileStringW(KeyText(kCapabilitySection), model->driverName, L"", model->section,
                             kModelSectionChars, model->capabilityFile);
}

void ReadModelKey(const EventModel &model, const WCHAR *key, WCHAR *out, DWORD chars) {
    out[0] = 0;
    if (!model.section[0]) return;
    GetPrivateProfileStringW(model.section, key, L"", out, chars, model.capabilityFile);
}

const char16_t *AsText16(const WCHAR *text) { return reinterpret_cast<const char16_t *>(text); }

bool ReadEmfDespoolingSetting(HANDLE hPrinter, DWORD *setting) {
    DWORD type = 0, needed = 0;
    *setting = 0;
    return GetPrinterDataW(hPrinter, const_cast<WCHAR *>(kEmfDespoolingValue), &type,
                           reinterpret_cast<BYTE *>(setting), sizeof(*setting),
                           &needed) == ERROR_SUCCESS;
}

bool PublishInSharedMemory(const PrinterJobFacts &facts, const WCHAR (&appName)[kAppNameChars]) {
    char16_t baseName[kObjectBaseNameChars];
    BuildObjectBaseName(facts, baseName);
    WCHAR mutexName[kObjectNameChars], mappingName[kObjectNameChars];
    if (!FormatObjectName(baseName, facts.jobId, NamedObjectKind::Mutex,
                          reinterpret_cast<char16_t *>(mutexName), kObjectNameChars) ||
        !FormatObjectName(baseName, facts.jobId, NamedObjectKind::Mapping,
                          reinterpret_cast<char16_t *>(mappingName), kObjectNameChars))
        return false;
    return PublishApplicationName(mutexName, mappingName, appName);
}

void HandToCompanionProgram(HANDLE hPrinter, const EventModel &model, PrinterJobFacts facts,
                            const WCHAR (&appName)[kAppNameChars]) {
    if (facts.serverName && facts.serverName[0]) {
        DWORD emfSetting = 0;
        const bool read = ReadEmfDespoolingSetting(hPrinter, &emfSetting);
        facts.clientRendering = ClientRenderingFlag(OsMajor6OrLater != 0, read, emfSetting);
    }
    WCHAR pipeName[kPipeNameChars];
    if (!FormatPipeName(facts, reinterpret_cast<char16_t *>(pipeName), kPipeNameChars)) return;
    WCHAR commandLine[kCommandLineChars];
    if (!FormatCompanionCommandLine(AsText16(appName), AsText16(pipeName),
                                    reinterpret_cast<char16_t *>(commandLine), kCommandLineChars))
        return;
    if (!model.pluginIni[0]) return;
    WCHAR program[kSideLibraryNameChars];
    ReadModelKey(model, KeyText(kKeyColorApExe), program, kSideLibraryNameChars);
    StartCompanionProgram(program, commandLine);
}

// The sizes of the spooler's answers, asked before they are read.
DWORD PrinterInfoBytes(HANDLE hPrinter) {
    DWORD needed = 0;
    GetPrinterW(hPrinter, kPrinterInfoLevel, nullptr, 0, &needed);
    return needed;
}

DWORD JobInfoBytes(HANDLE hPrinter, DWORD jobId) {
    DWORD needed = 0;
    GetJobW(hPrinter, jobId, kJobInfoLevel, nullptr, 0, &needed);
    return needed;
}

void OnStartDocPost(HANDLE hPrinter, DWORD jobId) {
    DetectOsVersion();
    EventModel model;
    ReadEventModel(hPrinter, &model);
    WCHAR jobInfoDll[kSideLibraryNameChars];
    ReadModelKey(model, KeyText(kKeyJobInfoDll), jobInfoDll, kSideLibraryNameChars);
    WCHAR appName[kAppNameChars];
    ReadPrintingApplication(jobInfoDll, appName);

    DWORD needed = PrinterInfoBytes(hPrinter);
    const GlobalBlock printerBlock(needed);
    if (!printerBlock ||
        !GetPrinterW(hPrinter, kPrinterInfoLevel, printerBlock.As<BYTE>(), needed, &needed))
        return;
    const PRINTER_INFO_2W *printer = printerBlock.As<PRINTER_INFO_2W>();
    needed = JobInfoBytes(hPrinter, jobId);
    const GlobalBlock jobBlock(needed);
    const bool jobRead =
        jobBlock && GetJobW(hPrinter, jobId, kJobInfoLevel, jobBlock.As<BYTE>(), needed, &needed);

    PrinterJobFacts facts;
    facts.printerName = AsText16(printer->pPrinterName);
    facts.shareName = AsText16(printer->pShareName);
    facts.serverName = AsText16(printer->pServerName);
    facts.driverName = AsText16(model.driverName);
    facts.shared = (printer->Attributes & PRINTER_ATTRIBUTE_SHARED) != 0;
    facts.rawDataType = jobRead && IsRawDataType(AsText16(jobBlock.As<JOB_INFO_2W>()->pDatatype));
    facts.jobId = jobId;

    if (!IsRemoteCase(facts) && PublishInSharedMemory(facts, appName)) return;
    HandToCompanionProgram(hPrinter, model, facts, appName);
}

// The plug-in asks to be called for the start of each job only.
int AnswerQueryFilter(ULONG cbOut, void *pvOut) {
    if (!pvOut || cbOut < kFilterHeaderBytes) return DOCUMENTEVENT_FAILURE;
    DOCEVENT_FILTER *filter = static_cast<DOCEVENT_FILTER *>(pvOut);
    if (filter->cElementsAllocated >= 1 && cbOut >= kFilterHeaderBytes + sizeof(DWORD)) {
        filter->cElementsReturned = 1;
        filter->aDocEventCall[0] = kFilteredEvent;
    } else {
        // No element and no returned count: the needed count alone tells
        // the spooler to ask again with room.
        filter->cElementsNeeded = 1;
    }
    return DOCUMENTEVENT_SUCCESS;
}

void SetResult(PINT piResult, int result) {
    if (piResult) *piResult = result;
}

}  // namespace

HRESULT RunDocumentEvent(HANDLE hPrinter, INT iEsc, ULONG cbIn, PVOID pvIn, ULONG cbOut,
                         PVOID pvOut, PINT piResult) {
    switch (DOCUMENTEVENT_EVENT(iEsc)) {
    case DOCUMENTEVENT_CREATEDCPRE:
        SetResult(piResult, DOCUMENTEVENT_SUCCESS);
        break;
    case DOCUMENTEVENT_STARTDOCPOST:
        if (hPrinter && pvIn && cbIn >= sizeof(LONG)) {
            LONG jobId = 0;
            std::memcpy(&jobId, pvIn, sizeof(jobId));
            OnStartDocPost(hPrinter, static_cast<DWORD>(jobId));
        }
        break;
    case DOCUMENTEVENT_QUERYFILTER:
        SetResult(piResult, AnswerQueryFilter(cbOut, pvOut));
        break;
    default:
        break;
    }
    return S_OK;
}
