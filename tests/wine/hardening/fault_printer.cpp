#include "fault_printer.h"
#include "support/wine_test_support.h"

#include "core/win_holders.h"
#include "driver/driver_files.h"
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

FaultPrinter::FaultPrinter(const std::wstring &port) {
    InstallRequest request;
    request.port = port;
    request.printerName = kFaultPrinterName;
    request.sourceFolder = ExeDirectory();
    request.ppdFile = JoinPath(request.sourceFolder, kDescriptionFile);
    if (!InstallModelPrinter(request, &error_)) return;
    if (!WritePrivateProfileStringW(kCapabilitySection, kFaultPrinterName, kFaultModelSection,
                                    DriverFilePath(kCapabilityFile).c_str()))
        error_ = "cannot map the fault printer in " + Utf8(kCapabilityFile);
}

FaultPrinter::~FaultPrinter() {
    SpoolerPrinter printer;
    if (printer.Open(kFaultPrinterName, PRINTER_ALL_ACCESS)) DeletePrinter(printer.Get());
    printer.Reset(nullptr);
    DeletePrinterDriverW(nullptr, nullptr, const_cast<WCHAR *>(kFaultPrinterName));
    const std::wstring cap = DriverFilePath(kCapabilityFile);
    WritePrivateProfileStringW(kCapabilitySection, kFaultPrinterName, nullptr, cap.c_str());
    WritePrivateProfileStringW(kFaultModelSection, nullptr, nullptr, cap.c_str());
}

bool FaultPrinter::Configure(const FaultVariant &variant, std::string *error) const {
    if (!CopyFileW(JoinPath(ExeDirectory(), variant.file).c_str(),
                   DriverFilePath(variant.file).c_str(), FALSE)) {
        *error = "cannot copy " + Utf8(variant.file) + ": " + Win32ErrorText(GetLastError());
        return false;
    }
    const std::wstring cap = DriverFilePath(kCapabilityFile);
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
