// drvhost install, printer-event and config-device: adding the printer as
// its installer does, the spooler's initialisation event and the export
// that refreshes the installable options, each printing what changed.
#include "commands.h"

#include "driver/devmode_builder.h"
#include "driver/document_settings.h"
#include "driver/driver_files.h"
#include "driver/plugin_loader.h"
#include "host_text.h"
#include "install/printer_install.h"
#include "sheet/printer_sheet.h"

#include <winspool.h>

namespace {

const WCHAR kAnswersFile[] = L"sxprinter.ans";
const WCHAR kDefaultAnswers[] = L"Default";
const WCHAR kOptionsFile[] = L"\\tvxopt.dat";
const WCHAR kUserTypePrefix[] = L"USERTYPE";
// What the printer's installer records of the printer in the options file.
const WCHAR *const kInstallerKeys[] = {L"Installed",         L"Random Access Memory", L"SD Card",
                                       L"PunchType",         L"JobLimitationMode",    L"SpotColor",
                                       L"DrvInst_DuplexPrinting"};
const char kExportName[] = "ConfigDeviceOptionExp";
constexpr DWORD kValueChars = 512;
constexpr DWORD kSectionProbeChars = 4;
constexpr DWORD kDefaultsLevel = 8;
constexpr size_t kDriverFlagsOffset = 224;
constexpr size_t kOutputOptionOffset = 344;

typedef int(WINAPI *ConfigDeviceOptionFn)(HANDLE printer);

std::wstring ReadValue(const std::wstring &file, const WCHAR *section, const WCHAR *key) {
    WCHAR value[kValueChars] = L"";
    GetPrivateProfileStringW(section, key, L"", value, kValueChars, file.c_str());
    return value;
}

// The default DEVMODE's places the initialisation sets.
std::string DescribeDefaults(HANDLE printer) {
    DWORD needed = 0;
    GetPrinterW(printer, kDefaultsLevel, nullptr, 0, &needed);
    std::vector<BYTE> info(needed ? needed : 1);
    if (!needed || !GetPrinterW(printer, kDefaultsLevel, info.data(), needed, &needed))
        return "  (no default DEVMODE)\n";
    const DEVMODEW *devmode = reinterpret_cast<PRINTER_INFO_8W *>(info.data())->pDevMode;
    if (!devmode) return "  (no default DEVMODE)\n";
    const BYTE *bytes = reinterpret_cast<const BYTE *>(devmode);
    const size_t size = size_t(devmode->dmSize) + devmode->dmDriverExtra;
    std::string text = "  dmPaperSize=" + std::to_string(devmode->dmPaperSize) +
                       " dmDefaultSource=" + std::to_string(devmode->dmDefaultSource) +
                       " dmDuplex=" + std::to_string(devmode->dmDuplex);
    if (size > kOutputOptionOffset)
        text += " flags@224=" + HexDword(bytes[kDriverFlagsOffset]) +
                " output@344=" + std::to_string(bytes[kOutputOptionOffset]);
    return text + "\n";
}

void PrintState(const char *when, HANDLE printer) {
    PrintOut(std::string("FeatureKeyword ") + when + ":\n" + DescribeFeatureKeyword(printer) +
             "default DEVMODE " + when + ":\n" + DescribeDefaults(printer));
}

bool SendInitializeEvent(PluginSession &session, std::string *error) {
    std::wstring name = session.PrinterName();
    const HRESULT hr = session.Plugin()->PrinterEvent(&name[0], PRINTER_EVENT_INITIALIZE, 0, 0);
    PrintOut("PrinterEvent(PRINTER_EVENT_INITIALIZE) -> " +
             (hr == S_OK ? std::string("S_OK") : HexDword(static_cast<DWORD>(hr))) + "\n");
    if (SUCCEEDED(hr)) return true;
    *error = "the plug-in refused the printer's initialisation";
    return false;
}

bool WriteInstallerOptions(const std::wstring &printer, const std::wstring &sourceFolder) {
    const std::wstring answers = JoinPath(sourceFolder, kAnswersFile);
    WCHAR probe[kSectionProbeChars];
    const WCHAR *section = GetPrivateProfileSectionW(printer.c_str(), probe, kSectionProbeChars,
                                                     answers.c_str())
                               ? printer.c_str()
                               : kDefaultAnswers;
    WCHAR windows[MAX_PATH];
    const UINT length = GetWindowsDirectoryW(windows, MAX_PATH);
    if (!length || length >= MAX_PATH) return false;
    const std::wstring optionsFile = std::wstring(windows) + kOptionsFile;
    WritePrivateProfileStringW(printer.c_str(), nullptr, nullptr, optionsFile.c_str());
    for (const WCHAR *key : kInstallerKeys) {
        const std::wstring value = ReadValue(answers, section, key);
        if (!value.empty())
            WritePrivateProfileStringW(printer.c_str(), key, value.c_str(), optionsFile.c_str());
    }
    for (int n = 1;; ++n) {
        const std::wstring key = kUserTypePrefix + std::to_wstring(n);
        const std::wstring value = ReadValue(answers, section, key.c_str());
        if (value.empty()) break;
        WritePrivateProfileStringW(printer.c_str(), key.c_str(), value.c_str(), optionsFile.c_str());
    }
    PrintOut("options file " + Utf8(optionsFile) + " [" + Utf8(printer) + "] from " +
             Utf8(answers) + "\n");
    return true;
}

}  // namespace

// The spooler keeps the driver's defaults as a new printer's default DEVMODE.
bool StoreDriverDefaults(PluginSession &session, std::string *error) {
    const DocumentSettings settings(session.Model());
    HeapBlock devmode;
    if (!BuildDefaultDevmode(session, settings, &devmode, error)) return false;
    PRINTER_INFO_8W defaults = {devmode.As<DEVMODEW>()};
    if (SetPrinterW(session.Printer(), kDefaultsLevel, reinterpret_cast<BYTE *>(&defaults), 0))
        return true;
    *error = "cannot store the default DEVMODE: " + Win32ErrorText(GetLastError());
    return false;
}

int RunInstall(const HostOptions &options) {
    InstallRequest request;
    request.printerName = options.printer;
    request.sourceFolder = options.fromFolder;
    request.ppdFile = options.ppdFile;
    std::string error;
    if (!InstallModelPrinter(request, &error)) return Fail("install failed: " + error);
    // The spooler initialises every printer it adds.
    return InitializeInstalledPrinter(options);
}

int RunPrinterEvent(const HostOptions &options) {
    PluginSession session;
    std::string error;
    if (!session.Open(options.printer, &error)) return Fail(error);
    PrintState("before", session.Printer());
    if (!SendInitializeEvent(session, &error)) return Fail(error);
    PrintState("after", session.Printer());
    LONG leaked = 0;
    session.Unload(&leaked);
    return kExitOk;
}

int RunConfigDevice(const HostOptions &options) {
    PluginSession session;
    std::string error;
    if (!session.Open(options.printer, &error)) return Fail(error);
    auto refresh = reinterpret_cast<ConfigDeviceOptionFn>(
        reinterpret_cast<void *>(GetProcAddress(session.Module(), kExportName)));
    if (!refresh) return Fail(std::string("the plug-in does not export ") + kExportName);
    PrintOut("FeatureKeyword before:\n" + DescribeFeatureKeyword(session.Printer()));
    const int result = refresh(session.Printer());
    PrintOut(std::string(kExportName) + " -> " + std::to_string(result) + "\n");
    PrintOut("FeatureKeyword after:\n" + DescribeFeatureKeyword(session.Printer()));
    LONG leaked = 0;
    session.Unload(&leaked);
    return result ? kExitOk : kExitFailure;
}

int InitializeInstalledPrinter(const HostOptions &options) {
    if (!WriteInstallerOptions(options.printer, options.fromFolder))
        return Fail("cannot write the installer's options file");
    {
        PluginSession session;
        std::string error;
        if (!session.Open(options.printer, &error) || !StoreDriverDefaults(session, &error))
            return Fail(error);
    }
    return RunPrinterEvent(options);
}
