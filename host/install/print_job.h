// A print job as an application prints it and as the PostScript driver
// sees it: the document events the driver passes to the plug-in at each
// point of the job, and the printer side reading back what the plug-in
// handed on for the job (the application name in the job's shared memory,
// or the companion program's record). Only platform types cross this
// header, so that test programs with their own holders can use it.
#pragma once

#include "core/platform_oem.h"

#include <string>
#include <vector>

struct DocumentEventCall {
    INT event = 0;
    HRESULT hr = E_FAIL;
    INT result = 0;
    bool resultSet = false;
};

// The plug-in's answer to DOCUMENTEVENT_QUERYFILTER, as the spooler asks it.
struct EventFilterAnswer {
    DocumentEventCall call;
    UINT needed = 0;
    std::vector<DWORD> events;
    // The plug-in gave a usable list: only its events go to it.
    bool filtered = false;
};

struct PrintJobReport {
    EventFilterAnswer filter;
    std::vector<DocumentEventCall> calls;
    DWORD jobId = 0;
    bool pagePrinted = false;
};

// One document event as the driver calls it; the result slot starts with
// a marker so that an untouched result shows.
DocumentEventCall CallDocumentEvent(IPrintOemUI2 *plugin, HANDLE printer, HDC dc, INT event,
                                    ULONG inBytes, void *in, ULONG outBytes, void *out);
EventFilterAnswer QueryEventFilter(IPrintOemUI2 *plugin, HANDLE printer);

// Prints one page on the printer through GDI and the spooler, its output
// going to outputPath, and calls the plug-in's DocumentEvent where the
// driver does: QUERYFILTER and CREATEDCPRE before the device context is
// made, the later points (STARTDOCPOST with the spooler's job id) as the
// filter asks. False with a message when the job could not be printed.
bool PrintOnePage(IPrintOemUI2 *plugin, HANDLE printer, const std::wstring &printerName,
                  const std::wstring &outputPath, PrintJobReport *report, std::string *error);

// The printer side's view of a job's published application name.
struct PublishedName {
    std::wstring mutexName;
    std::wstring mappingName;
    bool mappingOpened = false;
    bool mutexOpened = false;
    DWORD error = 0;            // why an object did not open
    std::vector<BYTE> bytes;    // the mapping's 122 bytes
    std::wstring applicationName;
};

// Opens the job's mutex and mapping by their names as the printer side
// does (read access only), waits for the mutex and reads the name.
bool ReadPublishedName(HANDLE printer, DWORD jobId, PublishedName *published);

// The companion program's record of its starts, in the temporary folder.
std::wstring CompanionRecordPath();
void ClearCompanionRecord();
// Waits until a complete record block is there; false after timeoutMs.
bool WaitForCompanionRecord(DWORD timeoutMs, std::string *record);

const char *DocumentEventName(INT event);
