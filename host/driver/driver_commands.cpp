// drvhost info, default, convert, merge and show: the plug-in loaded as the
// driver loads it, and the DEVMODEs the driver builds with its section.
#include "commands.h"

#include "driver/devmode_builder.h"
#include "driver/devmode_layout.h"
#include "driver/plugin_loader.h"
#include "file_io.h"
#include "host_text.h"
#include "tools/devmode_dump.h"

#include <vector>

namespace {

constexpr unsigned kSignatureBytes = 4;

std::string SignatureAsText(DWORD signature) {
    std::string text;
    for (unsigned i = 0; i < kSignatureBytes; ++i)
        text += static_cast<char>(signature >> (i * 8));
    return text;
}

std::string HResultName(HRESULT hr) {
    if (hr == S_OK) return "S_OK";
    if (hr == S_FALSE) return "S_FALSE";
    return HexDword(static_cast<DWORD>(hr));
}

bool PrintPluginInfo(PluginSession &session, std::string *error) {
    DWORD signature = 0, version = 0;
    if (!session.QueryInfoDword(OEMGI_GETSIGNATURE, &signature, error)) return false;
    if (!session.QueryInfoDword(OEMGI_GETVERSION, &version, error)) return false;
    PrintOut("printer: " + Utf8(session.PrinterName()) + "\nini: " + Utf8(session.IniPath()) +
             "\nplug-in: " + Utf8(session.PluginPath()) +
             "\ndriver helper: published (IPrintOemDriverUI)\nsignature: \"" +
             SignatureAsText(signature) + "\" " + HexDword(signature) +
             "\nversion: " + std::to_string(version) + "\n");
    return true;
}

// Ends the session and says whether the plug-in let go of everything.
bool FinishSession(PluginSession &session, std::string *error) {
    LONG leaked = 0;
    const HRESULT canUnload = session.Unload(&leaked);
    PrintOut("DllCanUnloadNow: " + HResultName(canUnload) + "\n");
    if (leaked) {
        *error = "the plug-in kept " + std::to_string(leaked) +
                 " reference(s) to the driver helper after its release";
        return false;
    }
    return true;
}

std::string LayoutText(const HeapBlock &devmode) {
    return std::to_string(devmode.Size()) + " bytes (public " +
           std::to_string(kPublicDevmodeSize) + " + driver private " +
           std::to_string(kDriverPrivateSize) + " + plug-in section " +
           std::to_string(devmode.Size() - kPluginSectionOffset) + ")";
}

bool WriteDevmode(const HeapBlock &devmode, const std::wstring &path, std::string *error) {
    if (!WriteWholeFile(path, devmode.Bytes(), devmode.Size(), error)) return false;
    PrintOut("wrote " + LayoutText(devmode) + " to " + Utf8(path) + "\n");
    return true;
}

const char *ModeName(DWORD mode) { return mode == OEMDM_MERGE ? "merge" : "convert"; }

}  // namespace

int RunInfo(const HostOptions &options) {
    PluginSession session;
    std::string error;
    if (!session.Open(options.printer, &error)) return Fail(error);
    if (!PrintPluginInfo(session, &error)) return Fail(error);
    if (!FinishSession(session, &error)) return Fail(error);
    return kExitOk;
}

int RunDefault(const HostOptions &options) {
    PluginSession session;
    HeapBlock devmode;
    std::string error;
    if (!session.Open(options.printer, &error)) return Fail(error);
    const DocumentSettings settings(session.Model());
    if (!BuildDefaultDevmode(session, settings, &devmode, &error)) return Fail(error);
    if (!WriteDevmode(devmode, options.outFile, &error)) return Fail(error);
    if (!FinishSession(session, &error)) return Fail(error);
    return kExitOk;
}

int RunConvert(const HostOptions &options, DWORD mode) {
    std::vector<BYTE> file;
    std::string error;
    if (!ReadWholeFile(options.inFile, &file, &error)) return Fail(error);
    DevmodeFileView view;
    std::string problems;
    const DevmodeCheck check = CheckDevmodeFile(file.data(), file.size(), &view, &problems);
    if (check == DevmodeCheck::Unusable)
        return Fail(Utf8(options.inFile) + " is not a usable DEVMODE: " + problems);

    PluginSession session;
    HeapBlock devmode;
    if (!session.Open(options.printer, &error)) return Fail(error);
    DocumentSettings settings(session.Model());
    if (!BuildConvertedDevmode(session, mode, file, view, &settings, &devmode, &error))
        return Fail(error);
    if (!WriteDevmode(devmode, options.outFile, &error)) return Fail(error);
    if (!FinishSession(session, &error)) return Fail(error);
    if (check == DevmodeCheck::Damaged) {
        PrintError(std::string(ModeName(mode)) + " of a damaged input " + Utf8(options.inFile) +
                   ": " + problems + "; the plug-in saw only the bytes present");
        return kExitDamagedInput;
    }
    if (!problems.empty()) PrintError("note: " + problems);
    return kExitOk;
}

int RunShow(const HostOptions &options) {
    PluginSession session;
    HeapBlock devmode;
    std::string error;
    if (!session.Open(options.printer, &error)) return Fail(error);
    if (!PrintPluginInfo(session, &error)) return Fail(error);
    const DocumentSettings settings(session.Model());
    if (!BuildDefaultDevmode(session, settings, &devmode, &error)) return Fail(error);
    PrintOut("default DEVMODE: " + LayoutText(devmode) + "\n");
    std::string out;
    const bool complete =
        DumpPluginSection(devmode.Bytes(), devmode.Size(), DumpFormat::Text, &out, &error);
    PrintOut(out);
    if (!complete) return Fail(error);
    if (!FinishSession(session, &error)) return Fail(error);
    return kExitOk;
}
