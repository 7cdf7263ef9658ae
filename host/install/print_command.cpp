// drvhost print: one page on the printer through the spooler, with the
// plug-in's document events where the driver calls them, then the printer
// side's view of the job: the application name read back from the job's
// shared memory, or the companion program's record.
#include "commands.h"

#include "driver/plugin_loader.h"
#include "host_text.h"
#include "install/print_job.h"

#include <winddiui.h>

namespace {

constexpr DWORD kCompanionWaitMs = 10000;

std::string HResultText(HRESULT hr) {
    return hr == S_OK ? "S_OK" : HexDword(static_cast<DWORD>(hr));
}

std::string CallText(const DocumentEventCall &call) {
    std::string text = std::string("DocumentEvent ") + DocumentEventName(call.event) + ": " +
                       HResultText(call.hr);
    text += call.resultSet ? ", result " + std::to_string(call.result) : ", result not set";
    return text + "\n";
}

std::string FilterText(const EventFilterAnswer &filter) {
    std::string text = CallText(filter.call);
    if (!filter.filtered) return text + "  no event filter: every event goes to the plug-in\n";
    text += "  events the plug-in asks for:";
    for (DWORD event : filter.events) text += std::string(" ") + DocumentEventName(event);
    return text + "\n";
}

std::string OutputSizeText(const std::wstring &path) {
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data))
        return "no output file " + Utf8(path);
    return std::to_string(data.nFileSizeLow) + " bytes in " + Utf8(path);
}

void PrintJobCalls(const PrintJobReport &report) {
    PrintOut(FilterText(report.filter));
    for (const DocumentEventCall &call : report.calls) {
        if (call.event == DOCUMENTEVENT_STARTDOCPOST)
            PrintOut("job " + std::to_string(report.jobId) + " started\n");
        PrintOut(CallText(call));
    }
}

// The companion program carries the name when shared memory did not.
bool PrintCompanionRecord() {
    std::string record;
    if (!WaitForCompanionRecord(kCompanionWaitMs, &record)) {
        PrintOut("companion program: no record\n");
        return false;
    }
    PrintOut("companion program record:\n" + record);
    return true;
}

}  // namespace

int RunPrint(const HostOptions &options) {
    PluginSession session;
    std::string error;
    if (!session.Open(options.printer, &error)) return Fail(error);
    ClearCompanionRecord();
    PrintOut("printer: " + Utf8(session.PrinterName()) + "\n");
    PrintJobReport report;
    const bool printed = PrintOnePage(session.Plugin(), session.Printer(), session.PrinterName(),
                                      options.outFile, &report, &error);
    PrintJobCalls(report);
    if (!printed) return Fail("print failed: " + error);
    PrintOut("page printed: " + OutputSizeText(options.outFile) + "\n");

    PublishedName published;
    const bool read = ReadPublishedName(session.Printer(), report.jobId, &published);
    PrintOut("printer side: mutex \"" + Utf8(published.mutexName) + "\" " +
             (published.mutexOpened ? "opened" : "not found") + ", mapping \"" +
             Utf8(published.mappingName) + "\" " +
             (published.mappingOpened ? "opened" : "not found") + "\n");
    bool handedOn = read;
    if (read) {
        PrintOut("application name: \"" + Utf8(published.applicationName) + "\"\n");
    } else {
        PrintOut("no published name (" + Win32ErrorText(published.error) + ")\n");
        handedOn = PrintCompanionRecord();
    }
    LONG leaked = 0;
    session.Unload(&leaked);
    if (!handedOn) return Fail("the application name did not reach the printer side");
    return kExitOk;
}
