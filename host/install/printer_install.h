// Installing the sample model into the spooler: driver files, driver and
// printer, and the description's installable options in the printer's
// data, as the driver keeps them.
#pragma once

#include <string>
#include <vector>

struct InstallRequest {
    std::wstring printerName;
    std::wstring sourceFolder;
    // Another description instead of the model's; the printer then gets a
    // driver of its own, named as the printer.
    std::wstring ppdFile;
    // The printer's port; empty: "FILE:".
    std::wstring port;
};

// Prints what it installed; false with a message on the first failure.
bool InstallModelPrinter(const InstallRequest &request, std::string *error);

// A version 3 driver in the spooler: its description serves as config and
// data file, the dependent files are named in order. No output.
struct SpoolerDriver {
    std::wstring name;
    std::wstring driverPath;
    std::wstring description;
    std::vector<std::wstring> dependent;
};
bool AddSpoolerDriver(const SpoolerDriver &driver, std::string *error);
// A printer of the driver on the port ("FILE:" when empty) through the
// spooler's own print processor, raw. No output.
bool AddSpoolerPrinter(const std::wstring &name, const std::wstring &driverName,
                       const std::wstring &port, std::string *error);
