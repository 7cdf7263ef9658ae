// Finding the configuration files among the driver's dependent files and
// reading model keys from the capability file.
#include "core/driver_config.h"

#include <winspool.h>
#include <wchar.h>

#include <vector>

WCHAR CapabilityFile[kConfigPathChars];

namespace {

const WCHAR kOemFilesSection[] = L"OEMFiles";
const WCHAR kOemConfigKey[] = L"OEMConfigFile1";
const WCHAR kCapabilitySection[] = L"Capability";
const WCHAR kCryptoDllKey[] = L"CryptoDll";
const WCHAR kCompressionKey[] = L"Compression";
const WCHAR kDriverSubfolder[] = L"\\3";
constexpr DWORD kOemConfigValueChars = 129;

bool EndsWithNoCase(const WCHAR *name, const WCHAR *suffix) {
    const size_t length = wcslen(name), suffixLength = wcslen(suffix);
    return length >= suffixLength && _wcsicmp(name + length - suffixLength, suffix) == 0;
}

// Copies src when it fits whole; a cut path would name another file.
bool CopyWholePath(WCHAR *dst, DWORD chars, const WCHAR *src) {
    const size_t length = wcslen(src);
    if (length >= chars) return false;
    wmemcpy(dst, src, length + 1);
    return true;
}

// The dependent-file list of the printer's driver (names, each terminated,
// ended by an empty name); empty when it cannot be read.
std::vector<WCHAR> ReadDependentFiles(HANDLE hPrinter) {
    std::vector<WCHAR> list;
    DWORD needed = 0;
    GetPrinterDriverW(hPrinter, nullptr, 3, nullptr, 0, &needed);
    GlobalBlock block(needed);
    if (!block) return list;
    if (!GetPrinterDriverW(hPrinter, nullptr, 3, block.As<BYTE>(), needed, &needed)) return list;
    const DRIVER_INFO_3W *info = block.As<DRIVER_INFO_3W>();
    const WCHAR *files = info->pDependentFiles;
    if (!files) return list;
    // The list lies inside the block; never walk past its end.
    const WCHAR *end = reinterpret_cast<const WCHAR *>(block.As<BYTE>() + needed);
    if (files < block.As<WCHAR>() || files >= end) return list;
    const WCHAR *p = files;
    while (p < end && *p) {
        while (p < end && *p) ++p;
        ++p;
    }
    if (p > end) p = end;
    list.assign(files, p);
    list.push_back(0);
    list.push_back(0);
    return list;
}

}  // namespace

bool ReadPrinterDriverName(HANDLE hPrinter, WCHAR *name, DWORD chars) {
    name[0] = 0;
    DWORD needed = 0;
    GetPrinterDriverW(hPrinter, nullptr, 1, nullptr, 0, &needed);
    GlobalBlock block(needed);
    if (!block) return false;
    if (!GetPrinterDriverW(hPrinter, nullptr, 1, block.As<BYTE>(), needed, &needed)) return true;
    const DRIVER_INFO_1W *info = block.As<DRIVER_INFO_1W>();
    if (info->pName) lstrcpynW(name, info->pName, chars);
    return true;
}

int FindDriverConfigFiles(HANDLE hPrinter, WCHAR *pluginIniPath) {
    return FindDriverConfigFilesFor(hPrinter, pluginIniPath, CapabilityFile);
}

int FindDriverConfigFilesFor(HANDLE hPrinter, WCHAR *pluginIniPath, WCHAR *capabilityFile) {
    capabilityFile[0] = 0;
    const std::vector<WCHAR> files = ReadDependentFiles(hPrinter);
    int found = 0;
    for (const WCHAR *name = files.data(); !files.empty() && *name; name += wcslen(name) + 1) {
        if (EndsWithNoCase(name, L".ini")) {
            WCHAR value[kOemConfigValueChars];
            GetPrivateProfileStringW(kOemFilesSection, kOemConfigKey, L"", value,
                                     kOemConfigValueChars, name);
            if (value[0] && pluginIniPath) CopyWholePath(pluginIniPath, kConfigPathChars, name);
            found = 1;
        } else if (EndsWithNoCase(name, L".cap")) {
            CopyWholePath(capabilityFile, kConfigPathChars, name);
            found = 1;
        }
    }
    return found;
}

void ReadModelSection(HANDLE hPrinter, WCHAR *section, DWORD chars) {
    section[0] = 0;
    WCHAR driverName[kConfigPathChars];
    if (!ReadPrinterDriverName(hPrinter, driverName, kConfigPathChars)) return;
    if (!driverName[0] || !CapabilityFile[0]) return;
    GetPrivateProfileStringW(kCapabilitySection, driverName, L"", section, chars, CapabilityFile);
}

void ReadModelString(const WCHAR *section, const WCHAR *key, WCHAR *out, DWORD chars) {
    if (!out || !chars) return;
    out[0] = 0;
    if (!section[0] || !CapabilityFile[0]) return;
    GetPrivateProfileStringW(section, key, L"", out, chars, CapabilityFile);
}

void ReadCapabilityString(HANDLE hPrinter, const WCHAR *key, WCHAR *out, DWORD chars) {
    WCHAR section[kModelSectionChars];
    ReadModelSection(hPrinter, section, kModelSectionChars);
    ReadModelString(section, key, out, chars);
}

UINT ReadCompressionCapability(HANDLE hPrinter) {
    WCHAR section[kModelSectionChars];
    ReadModelSection(hPrinter, section, kModelSectionChars);
    if (!section[0]) return 0;
    return GetPrivateProfileIntW(section, kCompressionKey, 0, CapabilityFile);
}

int FindVersionFile(HANDLE hPrinter, WCHAR *out, DWORD chars) {
    const std::vector<WCHAR> files = ReadDependentFiles(hPrinter);
    const WCHAR *match = nullptr;
    for (const WCHAR *name = files.data(); !files.empty() && *name; name += wcslen(name) + 1) {
        if (EndsWithNoCase(name, L".ver")) match = name;
    }
    if (!match) return 0;
    return CopyWholePath(out, chars, match) ? 1 : 0;
}

int BuildDriverFilePath(WCHAR *buffer, DWORD *bytes, const WCHAR *fileName) {
    if (!buffer || !bytes || !*bytes) return 0;
    DWORD needed = 0;
    if (!GetPrinterDriverDirectoryW(nullptr, nullptr, 1, reinterpret_cast<BYTE *>(buffer), *bytes,
                                    &needed))
        return 0;
    const size_t capacity = *bytes / sizeof(WCHAR);
    const size_t subfolderLength = wcslen(kDriverSubfolder);
    size_t length = wcsnlen(buffer, capacity);
    if (length >= capacity) return 0;
    int result = 0;
    if (length + subfolderLength < capacity) {
        wmemcpy(buffer + length, kDriverSubfolder, subfolderLength + 1);
        length += subfolderLength;
        const size_t nameLength = fileName ? wcslen(fileName) : 0;
        if (length + 1 + nameLength < capacity) {
            buffer[length] = L'\\';
            wmemcpy(buffer + length + 1, fileName, nameLength + 1);
            length += 1 + nameLength;
            result = 1;
        }
    }
    *bytes = static_cast<DWORD>(length * sizeof(WCHAR));
    return result;
}

SideLibrary::SideLibrary(HANDLE hPrinter) {
    WCHAR name[kSideLibraryNameChars];
    ReadCapabilityString(hPrinter, kCryptoDllKey, name, kSideLibraryNameChars);
    LoadByName(name);
}

SideLibrary::SideLibrary(const WCHAR *modelSection) {
    WCHAR name[kSideLibraryNameChars];
    ReadModelString(modelSection, kCryptoDllKey, name, kSideLibraryNameChars);
    LoadByName(name);
}

void SideLibrary::LoadByName(const WCHAR *name) {
    if (!name[0]) return;
    WCHAR path[kSideLibraryPathBytes / sizeof(WCHAR)];
    DWORD bytes = kSideLibraryPathBytes;
    if (!BuildDriverFilePath(path, &bytes, name)) return;
    library_.Reset(LoadLibraryW(path));
}
