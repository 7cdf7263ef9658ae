// One printer of the sample model with a driver of its own, "SX Fault",
// whose model section in the capability file is the sample's with one
// side-library key naming a faulty variant.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

extern const WCHAR kFaultPrinterName[];

struct FaultVariant {
    std::wstring key;   // the capability key that names the library
    std::wstring file;  // the variant's file name
    std::string what;
};

// The variants the build made, as bin/sidelib-faults.txt lists them.
std::vector<FaultVariant> ReadFaultVariants();

// Installs the printer (replacing an earlier one) on `port` (empty:
// "FILE:"); false with a message.
bool InstallFaultPrinter(std::string *error, const std::wstring &port = std::wstring());
// Removes the printer, its driver and its model section again.
void RemoveFaultPrinter();
// Copies the variant into the driver files and names it under its key.
bool ConfigureFaultVariant(const FaultVariant &variant, std::string *error);
