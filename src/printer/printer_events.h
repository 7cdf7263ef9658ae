// Printer events: the set-up of a newly created printer of the family.
#pragma once

#include <windows.h>

// 0 normally; 1 when the "SPLUserModePrinterDriver" value is missing and
// cannot be written (the printer's creation then fails).
int InitializePrinter(const WCHAR *printerName);

// The model's defaults in the printer's default DEVMODE, stored at the
// spooler's own identity; 1 when stored.
int ApplyInstallDefaults(const WCHAR *printerName);

// The path with the three characters after its first '.' made "PPD":
// the description file that goes with the plug-in ini. False when the
// path has no such three characters.
bool DescriptionPathOf(const WCHAR *iniPath, WCHAR *out, size_t chars);
