// Installing the sample model into the spooler: driver files, driver and
// printer.
#pragma once

#include <string>

struct InstallRequest {
    std::wstring printerName;
    std::wstring sourceFolder;
};

// Prints what it installed; false with a message on the first failure.
bool InstallModelPrinter(const InstallRequest &request, std::string *error);
