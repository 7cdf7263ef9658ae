// Paths of the driver's files: the spooler's driver folder, the host's own
// folder and a printer's installed driver files.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

std::wstring ExeDirectory();
std::wstring JoinPath(const std::wstring &folder, const std::wstring &name);
std::wstring FolderOf(const std::wstring &path);
std::wstring FileNameOf(const std::wstring &path);
bool FileExists(const std::wstring &path);
bool SamePath(const std::wstring &a, const std::wstring &b);

// The driver directory's "3" folder, created when missing; empty on failure.
std::wstring DriverFilesFolder(std::string *error);

struct InstalledDriver {
    std::wstring name;
    std::wstring driverPath;
    std::wstring configFile;
    std::wstring dataFile;
    std::vector<std::wstring> dependentFiles;
};

// DRIVER_INFO_3 of an open printer.
bool ReadInstalledDriver(HANDLE printer, InstalledDriver *driver, std::string *error);
