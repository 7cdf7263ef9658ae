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

// The printer on `port` (empty: "FILE:"), replacing an earlier one; it,
// its driver and its model section go with the object.
class FaultPrinter {
public:
    explicit FaultPrinter(const std::wstring &port);
    ~FaultPrinter();
    FaultPrinter(const FaultPrinter &) = delete;
    FaultPrinter &operator=(const FaultPrinter &) = delete;
    // Empty when installed, else why not.
    const std::string &Error() const { return error_; }
    // Copies the variant into the driver files and names it under its key.
    bool Configure(const FaultVariant &variant, std::string *error) const;

private:
    std::string error_;
};
