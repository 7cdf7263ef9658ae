// The two configuration files installed with the driver (the plug-in ini and
// the model's capability file) and paths inside the driver directory.
#pragma once

#include <windows.h>

#include "core/win_holders.h"

constexpr DWORD kConfigPathChars = MAX_PATH + 1;          // 261
constexpr DWORD kModelSectionChars = 128;
constexpr DWORD kSideLibraryNameChars = MAX_PATH;         // 260
constexpr DWORD kSideLibraryPathBytes = 520;

// Process-wide capability file path, reset by every FindDriverConfigFiles.
extern WCHAR CapabilityFile[kConfigPathChars];

int FindDriverConfigFiles(HANDLE hPrinter, WCHAR *pluginIniPath);
// The same search into a capability path of the caller's own, for code that
// must leave the process-wide one to an open property sheet.
int FindDriverConfigFilesFor(HANDLE hPrinter, WCHAR *pluginIniPath, WCHAR *capabilityFile);
void ReadCapabilityString(HANDLE hPrinter, const WCHAR *key, WCHAR *out, DWORD chars);
UINT ReadCompressionCapability(HANDLE hPrinter);
int FindVersionFile(HANDLE hPrinter, WCHAR *out, DWORD chars);
int BuildDriverFilePath(WCHAR *buffer, DWORD *bytes, const WCHAR *fileName);

// The name of the printer's driver (empty when the spooler gives none);
// false when the answer could not be held.
bool ReadPrinterDriverName(HANDLE hPrinter, WCHAR *name, DWORD chars);

// The model section of the capability file for the printer's driver; empty
// when the driver has none.
void ReadModelSection(HANDLE hPrinter, WCHAR *section, DWORD chars);
void ReadModelString(const WCHAR *section, const WCHAR *key, WCHAR *out, DWORD chars);

// The encryption library named by the model's "CryptoDll" key, loaded from
// the driver directory's "3" folder for one operation.
class SideLibrary {
public:
    explicit SideLibrary(HANDLE hPrinter);
    // For callers that already read the model section.
    explicit SideLibrary(const WCHAR *modelSection);
    HMODULE Handle() const { return library_.Get(); }
    template <typename Fn>
    Fn ExportAs(const char *name) const { return library_.ExportAs<Fn>(name); }

private:
    void LoadByName(const WCHAR *name);
    LoadedLibrary library_;
};
