#include "fault_printer.h"

#include "driver/driver_files.h"
#include "core/win_holders.h"
#include "host_text.h"
#include "install/model_files.h"
#include "install/printer_install.h"

#include <winspool.h>

#include <fstream>
#include <sstream>

const WCHAR kFaultPrinterName[] = L"SX Fault";

namespace {

const char kVariantList[] = "sidelib-faults.txt";
const WCHAR kCapabilityFile[] = L"sxc4200.cap";
const WCHAR kDescriptionFile[] = L"sxc4200.ppd";
const WCHAR kCapabilitySection[] = L"Capability";
const WCHAR kFaultModelSection[] = L"FaultModel";
constexpr DWORD kSectionChars = 32768;
constexpr DWORD kModelChars = 128;

std::wstring InstalledCapabilityFile(std::string *error) {
    const std::wstring folder = DriverFilesFolder(error);
    return folder.empty() ? folder : JoinPath(folder, kCapabilityFile);
}

}  // namespace

std::vector<FaultVariant> ReadFaultVariants() {
    std::vector<FaultVariant> variants;
    std::ifstream list(Utf8(JoinPath(ExeDirectory(), Wide(kVariantList))));
    std::string line;
    while (std::getline(list, line)) {
        std::istringstream fields(line);
        std::string key, file, what;
        if (!(fields >> key >> file)) continue;
        std::getline(fields >> std::ws, what);
        variants.push_back({Wide(key), Wide(file), what});
    }
    return variants;
}

bool InstallFaultPrinter(std::string *error, const std::wstring &port) {
    InstallRequest request;
    request.port = port;
    request.printerName = kFaultPrinterName;
    request.sourceFolder = ExeDirectory();
    request.ppdFile = JoinPath(request.sourceFolder, kDescriptionFile);
    if (!InstallModelPrinter(request, error)) return false;
    const std::wstring cap = InstalledCapabilityFile(error);
    if (cap.empty()) return false;
    if (!WritePrivateProfileStringW(kCapabilitySection, kFaultPrinterName, kFaultModelSection,
                                    cap.c_str())) {
        *error = "cannot map the fault printer in " + Utf8(cap);
        return false;
    }
    return true;
}

void RemoveFaultPrinter() {
    SpoolerPrinter printer;
    if (printer.Open(kFaultPrinterName, PRINTER_ALL_ACCESS)) DeletePrinter(printer.Get());
    printer.Reset(nullptr);
    DeletePrinterDriverW(nullptr, nullptr, const_cast<WCHAR *>(kFaultPrinterName));
    std::string error;
    const std::wstring cap = InstalledCapabilityFile(&error);
    if (cap.empty()) return;
    WritePrivateProfileStringW(kCapabilitySection, kFaultPrinterName, nullptr, cap.c_str());
    WritePrivateProfileStringW(kFaultModelSection, nullptr, nullptr, cap.c_str());
}

bool ConfigureFaultVariant(const FaultVariant &variant, std::string *error) {
    const std::wstring folder = DriverFilesFolder(error);
    if (folder.empty()) return false;
    if (!CopyFileW(JoinPath(ExeDirectory(), variant.file).c_str(),
                   JoinPath(folder, variant.file).c_str(), FALSE)) {
        *error = "cannot copy " + Utf8(variant.file) + ": " + Win32ErrorText(GetLastError());
        return false;
    }
    const std::wstring cap = JoinPath(folder, kCapabilityFile);
    WCHAR model[kModelChars] = L"";
    GetPrivateProfileStringW(kCapabilitySection, kSampleDriverName, L"", model, kModelChars,
                             cap.c_str());
    std::vector<WCHAR> section(kSectionChars);
    if (!model[0] || !GetPrivateProfileSectionW(model, section.data(), kSectionChars, cap.c_str())) {
        *error = "the sample model has no section in " + Utf8(cap);
        return false;
    }
    if (!WritePrivateProfileSectionW(kFaultModelSection, section.data(), cap.c_str()) ||
        !WritePrivateProfileStringW(kFaultModelSection, variant.key.c_str(), variant.file.c_str(),
                                    cap.c_str())) {
        *error = "cannot write the fault model into " + Utf8(cap);
        return false;
    }
    return true;
}
