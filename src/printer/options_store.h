// The installable-options store: the installer's options file in the
// Windows directory, the user types copied into the plug-in ini, and the
// driver's "FeatureKeyword" data rewritten from what the printer has.
#pragma once

#include "printer/installed_options.h"

#include <windows.h>

#include <string>

// "tvxopt.dat" in the Windows directory; empty when the directory is not known.
std::wstring OptionsFilePath();

// The printer's name (PRINTER_INFO_1); empty when it cannot be read.
std::wstring ReadPrinterName(HANDLE printer);

// The options of a printer's section in a profile-format file.
InstalledOptions ReadOptionsSection(const WCHAR *file, const WCHAR *section, OptionsColumn column);

// Empties the ini's "Usertype" section and copies the file's "USERTYPE%d"
// values into it until the first one that is not there, each cut to
// `maxChars` characters.
void CopyUserTypes(const WCHAR *file, const WCHAR *section, const WCHAR *pluginIni, DWORD maxChars);

// The driver data "FeatureKeyword" with its valid length, read through the
// registry or the printer-data calls; false when either value is missing
// (the data then stays as it is).
struct StoredFeatures {
    uint8_t data[kFeatureKeywordBytes];
    uint32_t length;
};
bool ReadStoredFeatures(HKEY key, StoredFeatures *stored);
bool WriteStoredFeatures(HKEY key, const StoredFeatures &stored);
bool ReadPrinterFeatures(HANDLE printer, StoredFeatures *stored);
bool WritePrinterFeatures(HANDLE printer, const StoredFeatures &stored);

// The update from the options file at printer initialisation.
void UpdateInstalledOptions(HANDLE printer);

// User-type names: at most 127 characters from the options file and the
// push button, 63 on page activation and in the export.
constexpr DWORD kUserTypeChars = 127;
constexpr DWORD kShortUserTypeChars = 63;
