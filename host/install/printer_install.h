// Installing the sample model into the spooler: driver files, driver and
// printer, and the description's installable options in the printer's
// data, as the driver keeps them.
#pragma once

#include <string>

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
