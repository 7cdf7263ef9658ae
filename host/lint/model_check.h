// The model checker where the files lie: an installed printer's driver
// files as the plug-in finds them through the spooler, or a folder of a
// model's files before it is installed.
#pragma once

#include "lint_finding.h"

#include <windows.h>

#include <string>
#include <vector>

// False with a message when the printer or its driver cannot be read.
bool CheckInstalledPrinter(const std::wstring &printer, std::vector<Finding> *findings,
                           std::string *error);
// `driverName` is the key of the capability file's "Capability" section;
// empty checks every driver the file maps, each finding of the files they
// share given once. False with a message when the folder cannot be read.
bool CheckModelFolder(const std::wstring &folder, const std::wstring &driverName,
                      std::vector<Finding> *findings, std::string *error);
