// The driver host's command table: the options of its command line and one
// entry point per command, each implemented in the room it belongs to.
#pragma once

#include "host_text.h"

#include <windows.h>

#include <string>

constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;
// The output was written, but the input DEVMODE was damaged.
constexpr int kExitDamagedInput = 3;

// Reports a command's failure on stderr and gives its exit status.
inline int Fail(const std::string &message) {
    PrintError(message);
    return kExitFailure;
}

struct HostOptions {
    std::wstring printer;
    std::wstring fromFolder;
    std::wstring inFile;
    std::wstring outFile;
    std::wstring dumpFile;
    std::wstring ppdFile;
    std::wstring screenshotsDir;
    std::wstring logFile;
    std::wstring installed;  // docprops: FEATURE=OPTION of an installable feature
    std::wstring press;  // docprops: "ok" or "cancel" once the sheet shows
    std::wstring lintFolder;  // lint: a folder of model files instead of a printer
    std::wstring model;       // lint: the driver name the capability file maps
    bool json = false;
    bool noPermission = false;
    bool variantPages = false;
    bool detect = false;  // prnprops: press the plug-in's detection button once shown
};

int RunInstall(const HostOptions &options);
int RunInfo(const HostOptions &options);
int RunDefault(const HostOptions &options);
// mode: OEMDM_CONVERT or OEMDM_MERGE.
int RunConvert(const HostOptions &options, DWORD mode);
int RunDump(const HostOptions &options);
int RunShow(const HostOptions &options);
int RunDocProps(const HostOptions &options);
// PRINTER_EVENT_INITIALIZE for the printer, as the spooler sends it.
int RunPrinterEvent(const HostOptions &options);
// The installer's options file from the model's printer answers, then the event.
int InitializeInstalledPrinter(const HostOptions &options);
class PluginSession;
// The driver's defaults stored as the printer's default DEVMODE, as the
// spooler keeps them for a new printer.
bool StoreDriverDefaults(PluginSession &session, std::string *error);
int RunPrnProps(const HostOptions &options);
int RunConfigDevice(const HostOptions &options);
int RunPrint(const HostOptions &options);
// Exit status 0 without errors (warnings allowed), 1 with errors.
int RunLint(const HostOptions &options);
// The values --press takes.
bool IsPressChoice(const std::wstring &press);
