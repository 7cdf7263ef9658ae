// Detection of the installed options through the model's network and USB
// side libraries, which leave what the printer reports in a data file.
#pragma once

#include "core/platform_oem.h"
#include "printer/installed_options.h"

#include <string>

// The model's network library, loaded by its configured name.
class NetworkOptionLibrary {
public:
    explicit NetworkOptionLibrary(HANDLE printer);
    ~NetworkOptionLibrary();
    NetworkOptionLibrary(const NetworkOptionLibrary &) = delete;
    NetworkOptionLibrary &operator=(const NetworkOptionLibrary &) = delete;
    bool Loaded() const { return module_ != nullptr; }
    // Each false when the export is missing or answers 0.
    bool Capable(const char *printerName) const;
    bool ValidPort(const char *printerName) const;
    // The export's answer; 0 when it is missing.
    DWORD ReadOptionFlags(const char *printerName, HWND window, DWORD flags) const;
    bool DataFileName(const char *printerName, std::wstring *path) const;
    // Hands the module over; the caller frees it.
    HMODULE Release();

private:
    HMODULE module_ = nullptr;
};

// The printer name as the side libraries take it: 8-bit, at most 221
// bytes with its terminator; false when it does not fit (a cut name would
// name another printer).
bool SideLibraryPrinterName(const WCHAR *name, std::string *out);

constexpr DWORD kButtonReadFlags = 0x800080;
constexpr DWORD kActivationReadFlags = 0xA00000;

// The detected-selection vector from the push button; non-zero when filled.
int DetectOptionsByButton(POEMCUIPPARAM param, uint32_t *selections, HWND dialog);
// The same on page activation (the USB library for USB ports).
int DetectOptionsOnActivate(POEMCUIPPARAM param, uint32_t *selections, HWND dialog);
// Every driver item that detection fills gets its vector entry.
void ApplyDetectedSelections(POEMCUIPPARAM param, const uint32_t *selections);

// The export's refresh: detection, then "FeatureKeyword" rewritten.
int RefreshDeviceOptions(HANDLE printer);
