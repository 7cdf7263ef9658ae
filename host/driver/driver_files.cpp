// Paths of the driver's files.
#include "driver/driver_files.h"

#include "core/win_holders.h"
#include "host_text.h"

#include <winspool.h>

namespace {

const WCHAR kVersionSubfolder[] = L"3";
constexpr DWORD kDriverInfoLevel = 3;
constexpr DWORD kDriverDirectoryLevel = 1;

std::wstring Text(const WCHAR *text) { return text ? std::wstring(text) : std::wstring(); }

// The dependent-file list lies inside the block; never walk past its end.
std::vector<std::wstring> SplitMultiString(const WCHAR *list, const HeapBlock &block) {
    std::vector<std::wstring> names;
    const WCHAR *begin = block.As<WCHAR>();
    const WCHAR *end = reinterpret_cast<const WCHAR *>(block.Bytes() + block.Size());
    if (!list || list < begin || list >= end) return names;
    const WCHAR *p = list;
    while (p < end && *p) {
        const WCHAR *start = p;
        while (p < end && *p) ++p;
        names.emplace_back(start, static_cast<size_t>(p - start));
        ++p;
    }
    return names;
}

std::wstring FullPath(const std::wstring &path) {
    WCHAR full[MAX_PATH];
    const DWORD length = GetFullPathNameW(path.c_str(), MAX_PATH, full, nullptr);
    if (!length || length >= MAX_PATH) return path;
    return std::wstring(full, length);
}

}  // namespace

std::wstring ExeDirectory() {
    WCHAR path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    return FolderOf(std::wstring(path, length));
}

std::wstring JoinPath(const std::wstring &folder, const std::wstring &name) {
    if (folder.empty()) return name;
    if (folder.back() == L'\\' || folder.back() == L'/') return folder + name;
    return folder + L"\\" + name;
}

std::wstring FolderOf(const std::wstring &path) {
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring(L".") : path.substr(0, slash);
}

std::wstring FileNameOf(const std::wstring &path) {
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

bool FileExists(const std::wstring &path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool SamePath(const std::wstring &a, const std::wstring &b) {
    return _wcsicmp(FullPath(a).c_str(), FullPath(b).c_str()) == 0;
}

std::wstring DriverFilesFolder(std::string *error) {
    WCHAR directory[MAX_PATH] = {};
    DWORD needed = 0;
    if (!GetPrinterDriverDirectoryW(nullptr, nullptr, kDriverDirectoryLevel,
                                    reinterpret_cast<BYTE *>(directory), sizeof(directory),
                                    &needed)) {
        *error = "cannot read the printer driver directory: " + Win32ErrorText(GetLastError());
        return {};
    }
    const std::wstring folder = JoinPath(directory, kVersionSubfolder);
    if (!CreateDirectoryW(folder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
        *error = "cannot create " + Utf8(folder) + ": " + Win32ErrorText(GetLastError());
        return {};
    }
    return folder;
}

bool ReadInstalledDriver(HANDLE printer, InstalledDriver *driver, std::string *error) {
    DWORD needed = 0;
    GetPrinterDriverW(printer, nullptr, kDriverInfoLevel, nullptr, 0, &needed);
    HeapBlock block(needed);
    if (!block || !GetPrinterDriverW(printer, nullptr, kDriverInfoLevel, block.Bytes(), needed,
                                     &needed)) {
        *error = "cannot read the printer's driver: " + Win32ErrorText(GetLastError());
        return false;
    }
    const auto *info = block.As<DRIVER_INFO_3W>();
    driver->name = Text(info->pName);
    driver->driverPath = Text(info->pDriverPath);
    driver->configFile = Text(info->pConfigFile);
    driver->dataFile = Text(info->pDataFile);
    driver->dependentFiles = SplitMultiString(info->pDependentFiles, block);
    return true;
}
