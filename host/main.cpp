// drvhost: plays the PostScript driver toward the UI plug-in under Wine,
// which has no driver UI module of its own.
#include "commands.h"
#include "core/platform_oem.h"
#include "driver/driver_files.h"
#include "host_text.h"
#include "install/model_files.h"
#include "tools/contact_sheets.h"

#include <cwchar>
#include <vector>

namespace {

const char kUsage[] =
    "usage: drvhost COMMAND [options]\n"
    "\n"
    "  install [--printer NAME] [--from DIR] [--ppd FILE]\n"
    "      copy the model files from DIR (default: drvhost's folder) into the\n"
    "      driver folder, add the driver and the printer (replacing an earlier one);\n"
    "      --ppd installs FILE as the printer's description instead of the model's\n"
    "  info [--printer NAME]\n"
    "      load the printer's plug-in and print its signature and version\n"
    "  default [--printer NAME] --out FILE\n"
    "      write the printer's default DEVMODE to FILE\n"
    "  convert [--printer NAME] --in FILE --out FILE\n"
    "  merge [--printer NAME] --in FILE --out FILE\n"
    "      convert or merge the DEVMODE in FILE into a fresh default one\n"
    "  dump FILE [--json]\n"
    "      decode the plug-in section of a DEVMODE file field by field\n"
    "  show [--printer NAME]\n"
    "      info, a default DEVMODE and its decoded plug-in section\n"
    "  contact-sheets OUTDIR\n"
    "      draw every dialog template in each language into OUTDIR\\LANG.png\n"
    "  docprops [--printer NAME] [--in FILE] [--out FILE] [--no-permission]\n"
    "           [--screenshots DIR] [--log FILE] [--press ok|cancel] [--variant-pages]\n"
    "           [--installed FEATURE=OPTION]\n"
    "      the document properties with the plug-in's pages; OK and Apply store\n"
    "      the DEVMODE in FILE, or as the printer's default without --out.\n"
    "      --in starts from FILE instead of the printer's default;\n"
    "      --screenshots saves every page and sub-dialog as DIR\\TITLE.png and\n"
    "      closes; --log records the plug-in's calls into the driver;\n"
    "      --press presses OK or Cancel as soon as the sheet shows;\n"
    "      --variant-pages shows the plug-in's pages in layouts that also carry\n"
    "      the print position, Office Color Details and special toner buttons;\n"
    "      --installed opens them as if that installable option were installed\n"
    "  printer-event [--printer NAME]\n"
    "      send PRINTER_EVENT_INITIALIZE as the spooler does after adding a printer\n"
    "      (install does it too, after writing the installer's options file)\n"
    "  prnprops [--printer NAME] [--detect] [--press ok|cancel] [--screenshots DIR]\n"
    "           [--log FILE]\n"
    "      the printer properties with the installable options and the plug-in's\n"
    "      detection button; --detect presses it once the sheet shows\n"
    "  config-device [--printer NAME]\n"
    "      call the plug-in's ConfigDeviceOptionExp for the printer\n"
    "  print [--printer NAME] --out FILE\n"
    "      print one page through the spooler into FILE, with the plug-in's\n"
    "      document events where the driver calls them; then read the\n"
    "      application name the plug-in published for the job, as the printer\n"
    "      side does, or show the companion program's record\n"
    "  lint [--printer NAME | --dir DIR [--model DRIVER]] [--json]\n"
    "      check a model's configuration files as the plug-in reads them: the\n"
    "      installed printer's driver files, or the model files in DIR before\n"
    "      installation (DRIVER: the driver name the capability file maps; every\n"
    "      one it maps without --model); each finding names the file, line and\n"
    "      key, what the plug-in does because of it and the likely spelling\n"
    "\n"
    "NAME defaults to \"SX Color 4200 PS\". Exit status: 0 done, 1 failed,\n"
    "2 bad command line, 3 convert/merge done from a damaged input DEVMODE;\n"
    "lint: 0 no errors (warnings allowed), 1 errors found.\n";

enum class Command {
    Install,
    Info,
    Default,
    Convert,
    Merge,
    Dump,
    Show,
    ContactSheets,
    DocProps,
    PrinterEvent,
    PrnProps,
    ConfigDevice,
    Print,
    Lint,
};

struct CommandName {
    const WCHAR *name;
    Command command;
};

const CommandName kCommands[] = {
    {L"install", Command::Install}, {L"info", Command::Info},
    {L"default", Command::Default}, {L"convert", Command::Convert},
    {L"merge", Command::Merge},     {L"dump", Command::Dump},
    {L"show", Command::Show},       {L"contact-sheets", Command::ContactSheets},
    {L"docprops", Command::DocProps},
    {L"printer-event", Command::PrinterEvent},
    {L"prnprops", Command::PrnProps},
    {L"config-device", Command::ConfigDevice},
    {L"print", Command::Print},
    {L"lint", Command::Lint},
};

int UsageError(const std::string &message) {
    PrintError(message);
    PrintOut(kUsage);
    return kExitUsage;
}

bool FindCommand(const WCHAR *name, Command *command) {
    for (const CommandName &entry : kCommands) {
        if (wcscmp(entry.name, name) == 0) {
            *command = entry.command;
            return true;
        }
    }
    return false;
}

// Options that take a value, and where each goes.
std::wstring *ValueTarget(const std::wstring &option, HostOptions *options) {
    if (option == L"--printer") return &options->printer;
    if (option == L"--from") return &options->fromFolder;
    if (option == L"--in") return &options->inFile;
    if (option == L"--out") return &options->outFile;
    if (option == L"--ppd") return &options->ppdFile;
    if (option == L"--screenshots") return &options->screenshotsDir;
    if (option == L"--log") return &options->logFile;
    if (option == L"--press") return &options->press;
    if (option == L"--installed") return &options->installed;
    if (option == L"--dir") return &options->lintFolder;
    if (option == L"--model") return &options->model;
    return nullptr;
}

bool ParseOptions(const std::vector<std::wstring> &args, HostOptions *options,
                  std::string *error) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::wstring &arg = args[i];
        if (arg == L"--json") {
            options->json = true;
            continue;
        }
        if (arg == L"--no-permission") {
            options->noPermission = true;
            continue;
        }
        if (arg == L"--variant-pages") {
            options->variantPages = true;
            continue;
        }
        if (arg == L"--detect") {
            options->detect = true;
            continue;
        }
        if (std::wstring *target = ValueTarget(arg, options)) {
            if (i + 1 >= args.size()) {
                *error = "option " + Utf8(arg) + " needs a value";
                return false;
            }
            *target = args[++i];
            continue;
        }
        if (arg.rfind(L"--", 0) == 0 || !options->dumpFile.empty()) {
            *error = "unexpected argument " + Utf8(arg);
            return false;
        }
        options->dumpFile = arg;
    }
    return true;
}

// Options only some commands take.
std::string MisplacedOption(Command command, const HostOptions &options) {
    const bool docProps = command == Command::DocProps;
    const bool sheet = docProps || command == Command::PrnProps;
    if (command != Command::PrnProps && options.detect) return "--detect is an option of prnprops only";
    if (command != Command::Install && !options.fromFolder.empty())
        return "--from is an option of install only";
    if (command != Command::Install && !options.ppdFile.empty())
        return "--ppd is an option of install only";
    const bool lint = command == Command::Lint;
    if (command != Command::Dump && !lint && options.json)
        return "--json is an option of dump and lint only";
    if (!lint && !options.lintFolder.empty()) return "--dir is an option of lint only";
    if (!lint && !options.model.empty()) return "--model is an option of lint only";
    if (!options.model.empty() && options.lintFolder.empty()) return "--model goes with --dir";
    if (!options.lintFolder.empty() && !options.printer.empty())
        return "--dir and --printer do not go together";
    if (!docProps && options.noPermission) return "--no-permission is an option of docprops only";
    if (!docProps && options.variantPages) return "--variant-pages is an option of docprops only";
    if (!docProps && !options.installed.empty()) return "--installed is an option of docprops only";
    if (!options.installed.empty() && options.installed.find(L'=') == std::wstring::npos)
        return "--installed needs FEATURE=OPTION";
    if (!sheet && !options.screenshotsDir.empty())
        return "--screenshots is an option of docprops and prnprops only";
    if (!sheet && !options.logFile.empty()) return "--log is an option of docprops and prnprops only";
    if (!sheet && !options.press.empty()) return "--press is an option of docprops and prnprops only";
    if (!options.press.empty() && !IsPressChoice(options.press)) return "--press takes ok or cancel";
    if (!options.press.empty() && !options.screenshotsDir.empty())
        return "--press and --screenshots do not go together";
    return {};
}

// Which options each command needs or refuses.
bool CheckOptions(Command command, const HostOptions &options, std::string *error) {
    const bool docProps = command == Command::DocProps;
    const bool wantsIn = command == Command::Convert || command == Command::Merge;
    const bool wantsOut = wantsIn || command == Command::Default || command == Command::Print;
    const bool wantsFile = command == Command::Dump || command == Command::ContactSheets;
    if (wantsIn && options.inFile.empty()) *error = "--in FILE is required";
    else if (!wantsIn && !docProps && !options.inFile.empty())
        *error = "--in is not an option of this command";
    else if (wantsOut && options.outFile.empty()) *error = "--out FILE is required";
    else if (!wantsOut && !docProps && !options.outFile.empty())
        *error = "--out is not an option of this command";
    else if (wantsFile && options.dumpFile.empty())
        *error = command == Command::Dump ? "dump needs a FILE" : "contact-sheets needs an OUTDIR";
    else if (!wantsFile && !options.dumpFile.empty())
        *error = "unexpected argument " + Utf8(options.dumpFile);
    else
        *error = MisplacedOption(command, options);
    return error->empty();
}

int Dispatch(Command command, const HostOptions &options) {
    switch (command) {
    case Command::Install: return RunInstall(options);
    case Command::Info: return RunInfo(options);
    case Command::Default: return RunDefault(options);
    case Command::Convert: return RunConvert(options, OEMDM_CONVERT);
    case Command::Merge: return RunConvert(options, OEMDM_MERGE);
    case Command::Dump: return RunDump(options);
    case Command::Show: return RunShow(options);
    case Command::ContactSheets: return RunContactSheets(options.dumpFile);
    case Command::DocProps: return RunDocProps(options);
    case Command::PrinterEvent: return RunPrinterEvent(options);
    case Command::PrnProps: return RunPrnProps(options);
    case Command::ConfigDevice: return RunConfigDevice(options);
    case Command::Print: return RunPrint(options);
    case Command::Lint: return RunLint(options);
    }
    return kExitUsage;
}

}  // namespace

int wmain(int argc, wchar_t **argv) {
    PrepareOutputStreams();
    if (argc < 2) return UsageError("no command given");
    Command command;
    if (!FindCommand(argv[1], &command)) return UsageError("unknown command " + Utf8(argv[1]));

    HostOptions options;
    std::string error;
    const std::vector<std::wstring> args(argv + 2, argv + argc);
    if (!ParseOptions(args, &options, &error) || !CheckOptions(command, options, &error))
        return UsageError(error);
    if (options.printer.empty()) options.printer = kSamplePrinterName;
    if (options.fromFolder.empty()) options.fromFolder = ExeDirectory();
    return Dispatch(command, options);
}
