// Installing the sample model into the spooler.
//
// Wine 8 loads a driver's config file during AddPrinterDriverExW and calls
// its driver-event entry without checking that the module exports one, so a
// config file that is a loadable DLL without the driver UI entry points
// (the plug-in, for instance) crashes the caller. The PPD serves as config
// and data file: it does not load as a module, and Wine carries on. The
// driver file is the plug-in, which Wine does not load on install.
#include "install/printer_install.h"

#include "core/win_holders.h"
#include "driver/driver_files.h"
#include "host_text.h"
#include "install/model_files.h"
#include "install/printer_model.h"

#include <winspool.h>

#include <vector>

namespace {

const WCHAR kPrinterPort[] = L"FILE:";
const WCHAR kPrintProcessor[] = L"WinPrint";
const WCHAR kDatatype[] = L"RAW";
constexpr DWORD kDriverVersion = 3;
constexpr DWORD kDriverInfoLevel = 3;
constexpr DWORD kPrinterInfoLevel = 2;

struct CopiedFiles {
    std::wstring plugin;
    std::wstring description;
    std::vector<std::wstring> dependent;
};

bool CopyModelFile(const std::wstring &source, const std::wstring &target, std::string *error) {
    if (SamePath(source, target)) return true;
    if (CopyFileW(source.c_str(), target.c_str(), FALSE)) return true;
    *error = "cannot copy " + Utf8(source) + " to " + Utf8(target) + ": " +
             Win32ErrorText(GetLastError());
    return false;
}

bool CopyModelFiles(const InstallRequest &request, const std::wstring &folder,
                    CopiedFiles *copied, std::string *error) {
    size_t count = 0;
    const ModelFile *files = ModelFilesFor(request.printerName.c_str(), &count);
    for (size_t i = 0; i < count; ++i) {
        const bool otherDescription =
            files[i].role == ModelFileRole::Description && !request.ppdFile.empty();
        const std::wstring source =
            otherDescription ? request.ppdFile : JoinPath(request.sourceFolder, files[i].name);
        const std::wstring targetName = otherDescription ? FileNameOf(source) : files[i].name;
        if (!FileExists(source)) {
            if (!files[i].required) continue;
            *error = "model file " + Utf8(source) + " is missing";
            return false;
        }
        const std::wstring target = JoinPath(folder, targetName);
        if (!CopyModelFile(source, target, error)) return false;
        PrintOut("  copied " + Utf8(targetName) + "\n");
        if (files[i].role == ModelFileRole::Description) {
            copied->description = target;
            continue;
        }
        if (files[i].role == ModelFileRole::Plugin) copied->plugin = target;
        copied->dependent.push_back(target);
    }
    return true;
}

std::vector<WCHAR> MultiString(const std::vector<std::wstring> &names) {
    std::vector<WCHAR> list;
    for (const std::wstring &name : names) {
        list.insert(list.end(), name.begin(), name.end());
        list.push_back(0);
    }
    list.push_back(0);
    return list;
}

bool AddDriver(const std::wstring &driverName, const CopiedFiles &files, std::string *error) {
    if (!AddSpoolerDriver({driverName, files.plugin, files.description, files.dependent}, error))
        return false;
    PrintOut("driver \"" + Utf8(driverName) + "\"\n  driver file: " +
             Utf8(files.plugin) + "\n  config file: " + Utf8(files.description) +
             "\n  data file: " + Utf8(files.description) + "\n");
    for (const std::wstring &file : files.dependent)
        PrintOut("  dependent file: " + Utf8(file) + "\n");
    return true;
}

// Install runs again over an earlier one: the old printer goes first so that
// the new one carries the current driver and port.
bool RemoveExistingPrinter(const std::wstring &name, std::string *error) {
    SpoolerPrinter printer;
    if (!printer.Open(name.c_str(), PRINTER_ALL_ACCESS)) return true;
    if (!DeletePrinter(printer.Get())) {
        *error = "cannot replace printer \"" + Utf8(name) + "\": " + Win32ErrorText(GetLastError());
        return false;
    }
    PrintOut("replaced the earlier printer \"" + Utf8(name) + "\"\n");
    return true;
}

bool AddModelPrinter(const std::wstring &name, const std::wstring &driverName,
                     const std::wstring &port, std::string *error) {
    if (!RemoveExistingPrinter(name, error) || !AddSpoolerPrinter(name, driverName, port, error))
        return false;
    SpoolerPrinter check;
    if (!check.Open(name.c_str(), PRINTER_ALL_ACCESS)) {
        *error = "printer \"" + Utf8(name) + "\" was added but does not open: " +
                 Win32ErrorText(GetLastError());
        return false;
    }
    PrintOut("printer \"" + Utf8(name) + "\" on " + Utf8(port.empty() ? kPrinterPort : port) +
             "\n");
    PrinterModel model;
    if (!LoadPrinterModel(check.Get(), &model, error)) return false;
    return StoreInstalledDefaults(check.Get(), model.ppd, error);
}

}  // namespace

bool AddSpoolerDriver(const SpoolerDriver &files, std::string *error) {
    std::vector<WCHAR> dependent = MultiString(files.dependent);
    DRIVER_INFO_3W driver = {};
    driver.cVersion = kDriverVersion;
    driver.pName = const_cast<WCHAR *>(files.name.c_str());
    driver.pDriverPath = const_cast<WCHAR *>(files.driverPath.c_str());
    driver.pConfigFile = const_cast<WCHAR *>(files.description.c_str());
    driver.pDataFile = const_cast<WCHAR *>(files.description.c_str());
    driver.pDependentFiles = dependent.data();
    if (AddPrinterDriverExW(nullptr, kDriverInfoLevel, reinterpret_cast<BYTE *>(&driver),
                            APD_COPY_NEW_FILES))
        return true;
    *error = "AddPrinterDriverExW failed: " + Win32ErrorText(GetLastError());
    return false;
}

bool AddSpoolerPrinter(const std::wstring &name, const std::wstring &driverName,
                       const std::wstring &port, std::string *error) {
    PRINTER_INFO_2W info = {};
    info.pPrinterName = const_cast<WCHAR *>(name.c_str());
    info.pPortName = const_cast<WCHAR *>(port.empty() ? kPrinterPort : port.c_str());
    info.pDriverName = const_cast<WCHAR *>(driverName.c_str());
    info.pPrintProcessor = const_cast<WCHAR *>(kPrintProcessor);
    info.pDatatype = const_cast<WCHAR *>(kDatatype);
    HANDLE added = AddPrinterW(nullptr, kPrinterInfoLevel, reinterpret_cast<BYTE *>(&info));
    if (!added) {
        *error = "AddPrinterW failed for \"" + Utf8(name) + "\": " + Win32ErrorText(GetLastError());
        return false;
    }
    ClosePrinter(added);
    return true;
}

bool InstallModelPrinter(const InstallRequest &request, std::string *error) {
    const std::wstring folder = DriverFilesFolder(error);
    if (folder.empty()) return false;
    PrintOut("installing from " + Utf8(request.sourceFolder) + " into " + Utf8(folder) + "\n");
    CopiedFiles files;
    if (!CopyModelFiles(request, folder, &files, error)) return false;
    const std::wstring driverName =
        request.ppdFile.empty() ? SampleDriverFor(request.printerName.c_str()) : request.printerName;
    if (!AddDriver(driverName, files, error)) return false;
    return AddModelPrinter(request.printerName, driverName, request.port, error);
}
