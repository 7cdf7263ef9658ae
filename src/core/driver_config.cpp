// Finding the configuration files among the driver's dependent files and
// reading model keys from the capability file.
#include "core/driver_config.h"
#include "core/config_key_text.h"

#include <winspool.h>
#include <wchar.h>

#include <new>
#include <vector>

WCHAR CapabilityFile[kConfigPathChars];

namespace {

const WCHAR kDriverSubfolder[] = L"\\3";
constexpr DWORD kOemConfigValueChars = 129;
// DRIVER_INFO_1 (the name) and DRIVER_INFO_3 (name and dependent files).
constexpr DWORD kDriverNameLevel = 1;
constexpr DWORD kDriverFilesLevel = 3;
// First tries at the driver information: most drivers' answers fit, which
// spares the spooler call that asks for the size.
constexpr DWORD kDriverInfo1Bytes = 1024;
constexpr DWORD kDriverInfo3Bytes = 8192;
constexpr DWORD kDriverDirectoryChars = 1024;
// A configuration file larger than this is left to the profile functions.
constexpr size_t kMaxConfigFileBytes = 1u << 20;
constexpr size_t kFirstConfigReadBytes = 8192;

const char16_t *Text(const WCHAR *text) { return reinterpret_cast<const char16_t *>(text); }
char16_t *Text(WCHAR *text) { return reinterpret_cast<char16_t *>(text); }

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

// The driver information at `level` in a GlobalAlloc block: one spooler
// call when the first guess is big enough, else a second of the size asked.
bool ReadDriverInfo(HANDLE hPrinter, DWORD level, DWORD firstGuess,
                    std::unique_ptr<GlobalBlock> *block, DWORD *bytes) {
    DWORD needed = 0;
    block->reset(new (std::nothrow) GlobalBlock(firstGuess));
    if (!*block || !**block) return false;
    if (GetPrinterDriverW(hPrinter, nullptr, level, (*block)->As<BYTE>(), firstGuess, &needed)) {
        *bytes = firstGuess;
        return true;
    }
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || needed <= firstGuess) return false;
    block->reset(new (std::nothrow) GlobalBlock(needed));
    if (!*block || !**block) return false;
    *bytes = needed;
    return GetPrinterDriverW(hPrinter, nullptr, level, (*block)->As<BYTE>(), needed, &needed) != 0;
}

// The dependent-file list of a DRIVER_INFO_3 block (names, each terminated,
// ended by an empty name); empty when it has none.
std::vector<WCHAR> CopyDependentFiles(const BYTE *block, DWORD bytes) {
    std::vector<WCHAR> list;
    const DRIVER_INFO_3W *info = reinterpret_cast<const DRIVER_INFO_3W *>(block);
    const WCHAR *files = info->pDependentFiles;
    if (!files) return list;
    // The list lies inside the block; never walk past its end.
    const WCHAR *begin = reinterpret_cast<const WCHAR *>(block);
    const WCHAR *end = reinterpret_cast<const WCHAR *>(block + bytes);
    if (files < begin || files >= end) return list;
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

// The file's bytes; false when it cannot be read whole or is too large.
// A short read ends the file, which spares asking for its size first.
bool ReadConfigBytes(const WCHAR *path, std::vector<uint8_t> *bytes) {
    UniqueHandle file(CreateFileW(path, GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    bytes->resize(kFirstConfigReadBytes);
    size_t used = 0;
    for (;;) {
        if (used == bytes->size()) {
            if (bytes->size() >= kMaxConfigFileBytes) return false;
            bytes->resize(bytes->size() * 2);
        }
        const DWORD wanted = static_cast<DWORD>(bytes->size() - used);
        DWORD got = 0;
        if (!ReadFile(file.Get(), bytes->data() + used, wanted, &got, nullptr)) return false;
        used += got;
        if (got < wanted) break;
    }
    bytes->resize(used);
    return true;
}

// The file's text as the profile functions decode it; false when it cannot
// be read whole.
bool ReadConfigText(const WCHAR *path, std::u16string *text) {
    std::vector<uint8_t> bytes;
    if (!ReadConfigBytes(path, &bytes)) return false;

    size_t mark = 0;
    const ProfileEncoding encoding = DetectProfileEncoding(bytes.data(), bytes.size(), &mark);
    const uint8_t *body = bytes.data() + mark;
    const int bodyBytes = static_cast<int>(bytes.size() - mark);
    if (encoding == ProfileEncoding::Utf16Le || encoding == ProfileEncoding::Utf16Be) {
        *text = DecodeUtf16Profile(body, static_cast<size_t>(bodyBytes),
                                   encoding == ProfileEncoding::Utf16Be);
        return true;
    }
    const UINT codePage = encoding == ProfileEncoding::Utf8 ? CP_UTF8 : CP_ACP;
    const char *narrow = reinterpret_cast<const char *>(body);
    const int chars =
        bodyBytes ? MultiByteToWideChar(codePage, 0, narrow, bodyBytes, nullptr, 0) : 0;
    text->assign(static_cast<size_t>(chars), u'\0');
    if (chars)
        MultiByteToWideChar(codePage, 0, narrow, bodyBytes, reinterpret_cast<WCHAR *>(&(*text)[0]),
                            chars);
    return true;
}

// Appends "\3", a backslash and the file name to the directory in `buffer`.
int AppendDriverFileName(WCHAR *buffer, DWORD *bytes, const WCHAR *fileName) {
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

}  // namespace

bool ReadPrinterDriverName(HANDLE hPrinter, WCHAR *name, DWORD chars) {
    name[0] = 0;
    std::unique_ptr<GlobalBlock> block;
    DWORD bytes = 0;
    // A failed call still answers "no name"; only a block that could not be
    // had is a failure.
    if (!ReadDriverInfo(hPrinter, kDriverNameLevel, kDriverInfo1Bytes, &block, &bytes))
        return block && *block;
    const DRIVER_INFO_1W *info = block->As<DRIVER_INFO_1W>();
    if (info->pName) lstrcpynW(name, info->pName, chars);
    return true;
}

int FindDriverConfigFiles(HANDLE hPrinter, WCHAR *pluginIniPath) {
    return DriverConfigSnapshot(hPrinter).FindConfigFiles(pluginIniPath);
}

int FindDriverConfigFilesFor(HANDLE hPrinter, WCHAR *pluginIniPath, WCHAR *capabilityFile) {
    return DriverConfigSnapshot(hPrinter).FindConfigFilesInto(pluginIniPath, capabilityFile);
}

void ReadModelSection(HANDLE hPrinter, WCHAR *section, DWORD chars) {
    section[0] = 0;
    WCHAR driverName[kConfigPathChars];
    if (!ReadPrinterDriverName(hPrinter, driverName, kConfigPathChars)) return;
    if (!driverName[0] || !CapabilityFile[0]) return;
    GetPrivateProfileStringW(KeyText(kCapabilitySection), driverName, L"", section, chars,
                             CapabilityFile);
}

void ReadModelString(const WCHAR *section, const WCHAR *key, WCHAR *out, DWORD chars) {
    if (!out || !chars) return;
    out[0] = 0;
    if (!section[0] || !CapabilityFile[0]) return;
    GetPrivateProfileStringW(section, key, L"", out, chars, CapabilityFile);
}

void ReadCapabilityString(HANDLE hPrinter, const WCHAR *key, WCHAR *out, DWORD chars) {
    DriverConfigSnapshot(hPrinter).ReadModelString(key, out, chars);
}

void ReadKeptCapabilityString(const WCHAR *keptLines, HANDLE hPrinter, const WCHAR *key,
                              WCHAR *out, DWORD chars) {
    if (!keptLines) {
        ReadCapabilityString(hPrinter, key, out, chars);
        return;
    }
    if (!out || !chars) return;
    ReadSectionLines(Text(keptLines), Text(key), Text(out), chars);
}

UINT ReadCompressionCapability(HANDLE hPrinter) {
    return DriverConfigSnapshot(hPrinter).ReadModelInt(KeyText(kKeyCompression), 0);
}

int FindVersionFile(HANDLE hPrinter, WCHAR *out, DWORD chars) {
    std::unique_ptr<GlobalBlock> block;
    DWORD bytes = 0;
    if (!ReadDriverInfo(hPrinter, kDriverFilesLevel, kDriverInfo3Bytes, &block, &bytes)) return 0;
    const std::vector<WCHAR> files = CopyDependentFiles(block->As<BYTE>(), bytes);
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
    return AppendDriverFileName(buffer, bytes, fileName);
}

ConfigFileReader::ConfigFileReader(const WCHAR *path) : path_(path) {
    std::u16string text;
    if (!ReadConfigText(path, &text)) return;
    text_ = ProfileText(text.data(), text.size());
    parsed_ = true;
}

DWORD ConfigFileReader::ReadString(const WCHAR *section, const WCHAR *key,
                                   const WCHAR *defaultValue, WCHAR *out, DWORD chars) const {
    if (!parsed_)
        return GetPrivateProfileStringW(section, key, defaultValue, out, chars, path_.c_str());
    return static_cast<DWORD>(
        text_.ReadString(Text(section), Text(key), Text(defaultValue), Text(out), chars));
}

UINT ConfigFileReader::ReadInt(const WCHAR *section, const WCHAR *key, INT defaultValue) const {
    if (!parsed_) return GetPrivateProfileIntW(section, key, defaultValue, path_.c_str());
    return text_.ReadInt(Text(section), Text(key), defaultValue);
}

bool ConfigFileReader::SectionLines(const WCHAR *section, std::u16string *lines) const {
    if (!parsed_) return false;
    *lines = text_.SectionLines(Text(section));
    return true;
}

DriverConfigSnapshot::DriverConfigSnapshot(HANDLE hPrinter) : printer_(hPrinter) {}

DriverConfigSnapshot::~DriverConfigSnapshot() = default;

bool DriverConfigSnapshot::ReadDriverInfo() {
    if (infoRead_) return infoValid_;
    infoRead_ = true;
    std::unique_ptr<GlobalBlock> block;
    DWORD bytes = 0;
    if (!::ReadDriverInfo(printer_, kDriverFilesLevel, kDriverInfo3Bytes, &block, &bytes))
        return false;
    const DRIVER_INFO_3W *info = block->As<DRIVER_INFO_3W>();
    if (info->pName) driverName_ = info->pName;
    dependentFiles_ = CopyDependentFiles(block->As<BYTE>(), bytes);
    infoValid_ = true;
    return true;
}

int DriverConfigSnapshot::FindConfigFiles(WCHAR *pluginIniPath) {
    return FindConfigFilesInto(pluginIniPath, CapabilityFile);
}

int DriverConfigSnapshot::FindConfigFilesInto(WCHAR *pluginIniPath, WCHAR *capabilityFile) {
    capabilityFile[0] = 0;
    sectionRead_ = false;
    ReadDriverInfo();
    int found = 0;
    const std::vector<WCHAR> &files = dependentFiles_;
    for (const WCHAR *name = files.data(); !files.empty() && *name; name += wcslen(name) + 1) {
        if (EndsWithNoCase(name, L".ini")) {
            WCHAR value[kOemConfigValueChars];
            ReadFileString(name, KeyText(kOemFilesSection), KeyText(kKeyOemConfigFile1), L"", value,
                           kOemConfigValueChars);
            if (value[0] && pluginIniPath) CopyWholePath(pluginIniPath, kConfigPathChars, name);
            found = 1;
        } else if (EndsWithNoCase(name, L".cap")) {
            CopyWholePath(capabilityFile, kConfigPathChars, name);
            found = 1;
        }
    }
    return found;
}

bool DriverConfigSnapshot::DriverName(WCHAR *name, DWORD chars) {
    // The level-1 answer is the cheaper one when nothing else is needed.
    if (!infoRead_) return ReadPrinterDriverName(printer_, name, chars);
    name[0] = 0;
    if (!infoValid_) return false;
    lstrcpynW(name, driverName_.c_str(), chars);
    return true;
}

const WCHAR *DriverConfigSnapshot::ModelSection() {
    if (sectionRead_) return section_;
    sectionRead_ = true;
    section_[0] = 0;
    WCHAR driverName[kConfigPathChars];
    if (!DriverName(driverName, kConfigPathChars)) return section_;
    if (!driverName[0] || !CapabilityFile[0]) return section_;
    ReadFileString(CapabilityFile, KeyText(kCapabilitySection), driverName, L"", section_,
                   kModelSectionChars);
    return section_;
}

void DriverConfigSnapshot::ReadModelString(const WCHAR *key, WCHAR *out, DWORD chars) {
    if (!out || !chars) return;
    out[0] = 0;
    const WCHAR *section = ModelSection();
    if (!section[0] || !CapabilityFile[0]) return;
    ReadFileString(CapabilityFile, section, key, L"", out, chars);
}

UINT DriverConfigSnapshot::ReadCompressionCapability() {
    return ReadModelInt(KeyText(kKeyCompression), 0);
}

UINT DriverConfigSnapshot::ReadModelInt(const WCHAR *key, INT defaultValue) {
    const WCHAR *section = ModelSection();
    if (!section[0]) return static_cast<UINT>(defaultValue);
    return ReadFileInt(CapabilityFile, section, key, defaultValue);
}

bool DriverConfigSnapshot::KeepModelSection(std::u16string *lines) {
    lines->clear();
    const WCHAR *section = ModelSection();
    if (!section[0] || !CapabilityFile[0]) return true;
    return File(CapabilityFile).SectionLines(section, lines);
}

const ConfigFileReader &DriverConfigSnapshot::File(const WCHAR *path) {
    for (const std::unique_ptr<ConfigFileReader> &file : files_)
        if (_wcsicmp(file->Path().c_str(), path) == 0) return *file;
    files_.push_back(std::unique_ptr<ConfigFileReader>(new ConfigFileReader(path)));
    return *files_.back();
}

DWORD DriverConfigSnapshot::ReadFileString(const WCHAR *path, const WCHAR *section,
                                           const WCHAR *key, const WCHAR *defaultValue,
                                           WCHAR *out, DWORD chars) {
    return File(path).ReadString(section, key, defaultValue, out, chars);
}

UINT DriverConfigSnapshot::ReadFileInt(const WCHAR *path, const WCHAR *section, const WCHAR *key,
                                       INT defaultValue) {
    return File(path).ReadInt(section, key, defaultValue);
}

const WCHAR *DriverConfigSnapshot::DriverDirectory() {
    if (directoryRead_) return directory_.empty() ? nullptr : directory_.c_str();
    directoryRead_ = true;
    std::vector<WCHAR> buffer(kDriverDirectoryChars, 0);
    DWORD needed = 0;
    if (GetPrinterDriverDirectoryW(nullptr, nullptr, 1, reinterpret_cast<BYTE *>(buffer.data()),
                                   kDriverDirectoryChars * sizeof(WCHAR), &needed))
        directory_.assign(buffer.data(), wcsnlen(buffer.data(), kDriverDirectoryChars - 1));
    return directory_.empty() ? nullptr : directory_.c_str();
}

bool DriverConfigSnapshot::ReadDriverDirectory(WCHAR *out, DWORD chars) {
    const WCHAR *directory = DriverDirectory();
    // A buffer the directory does not fit fails, as the spooler's answer would.
    if (!directory || !chars || directory_.size() >= chars) return false;
    wmemcpy(out, directory, directory_.size() + 1);
    return true;
}

int DriverConfigSnapshot::BuildDriverFilePath(WCHAR *buffer, DWORD *bytes, const WCHAR *fileName) {
    if (!buffer || !bytes || !*bytes) return 0;
    if (!ReadDriverDirectory(buffer, *bytes / sizeof(WCHAR))) return 0;
    return AppendDriverFileName(buffer, bytes, fileName);
}

SideLibrary::SideLibrary(HANDLE hPrinter) {
    WCHAR name[kSideLibraryNameChars];
    ReadCapabilityString(hPrinter, KeyText(kKeyCryptoDll), name, kSideLibraryNameChars);
    LoadByName(name);
}

SideLibrary::SideLibrary(const WCHAR *modelSection) {
    WCHAR name[kSideLibraryNameChars];
    ReadModelString(modelSection, KeyText(kKeyCryptoDll), name, kSideLibraryNameChars);
    LoadByName(name);
}

SideLibrary::SideLibrary(DriverConfigSnapshot &config) {
    WCHAR name[kSideLibraryNameChars];
    config.ReadModelString(KeyText(kKeyCryptoDll), name, kSideLibraryNameChars);
    if (!name[0]) return;
    WCHAR path[kSideLibraryPathBytes / sizeof(WCHAR)];
    DWORD bytes = kSideLibraryPathBytes;
    if (!config.BuildDriverFilePath(path, &bytes, name)) return;
    library_.Reset(LoadLibraryW(path));
}

void SideLibrary::LoadByName(const WCHAR *name) {
    if (!name[0]) return;
    WCHAR path[kSideLibraryPathBytes / sizeof(WCHAR)];
    DWORD bytes = kSideLibraryPathBytes;
    if (!BuildDriverFilePath(path, &bytes, name)) return;
    library_.Reset(LoadLibraryW(path));
}
