// What the printer answers when the detection libraries ask it: a profile
// file, "sxprinter.ans" beside the library or the file named by the
// SX_PRINTER_ANSWERS environment variable. The printer's section (or,
// without one, [Default]) holds its installed options with the keys of the
// installer's options file ("Installed", "Random Access Memory", "SD Card",
// "PunchType", "JobLimitationMode", "SpotColor", "USERTYPE1", ...) and how
// the device behaves: "NetworkDetection" (detection supported),
// "PortReachable", "ReadAnswer" (what a network reading returns),
// "LeavesDataFile" (0: a reading that reports success without a data file)
// and "USBReadable", each 1 when not given, and "CutsDataFileAt" (the data
// file ends after that many bytes, as a reading broken off while writing
// leaves it; whole when not given). A printer with no section at all
// answers nothing.
#pragma once

#include <windows.h>

#include <string>

class PrinterAnswers {
public:
    PrinterAnswers(HMODULE library, const char *printerName);
    // False when the file has no section for the printer and no [Default].
    bool Known() const { return !section_.empty(); }
    // The key's text as given; empty when absent.
    std::string Text(const char *key) const;
    // A behaviour answer: the key's number, 1 when absent, 0 for an
    // unknown printer.
    DWORD Behaviour(const char *key) const;
    UINT Number(const char *key) const;

private:
    std::string file_;
    std::string section_;
};

// Writes a data file's section: the keys in `keys` copied from the answers
// as given, then the user types; the section is emptied first.
void CopyAnswers(const PrinterAnswers &answers, const char *dataFile, const char *printerName,
                 const char *const *keys, size_t count);
void WriteDataValue(const char *dataFile, const char *printerName, const char *key,
                    const std::string &value);
// Cuts the data file where the answers say; leaves it whole otherwise.
void CutDataFile(const PrinterAnswers &answers, const char *dataFile);
