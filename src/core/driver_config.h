// The two configuration files installed with the driver (the plug-in ini and
// the model's capability file) and paths inside the driver directory.
#pragma once

#include <windows.h>

#include "core/profile_text.h"
#include "core/win_holders.h"

#include <memory>
#include <string>
#include <vector>

constexpr DWORD kConfigPathChars = MAX_PATH + 1;          // 261
constexpr DWORD kModelSectionChars = 128;
constexpr DWORD kSideLibraryNameChars = MAX_PATH;         // 260
constexpr DWORD kSideLibraryPathBytes = 520;

constexpr DWORD kPluginIniBufferBytes = 522;

// The plug-in ini path buffer of the last CommonUIProp call (on the
// driver's OEM heap, which owns it).
extern WCHAR *PluginIni;
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

// A model key as ReadCapabilityString gives it: from the lines a holder
// kept with DriverConfigSnapshot::KeepModelSection, else from the files.
void ReadKeptCapabilityString(const WCHAR *keptLines, HANDLE hPrinter, const WCHAR *key,
                              WCHAR *out, DWORD chars);

// One configuration file, read once: its keys answer as the profile
// functions answer them. A file that cannot be read whole is left to the
// profile functions.
class ConfigFileReader {
public:
    explicit ConfigFileReader(const WCHAR *path);
    const std::wstring &Path() const { return path_; }
    // As GetPrivateProfileStringW and GetPrivateProfileIntW on the file.
    DWORD ReadString(const WCHAR *section, const WCHAR *key, const WCHAR *defaultValue,
                     WCHAR *out, DWORD chars) const;
    UINT ReadInt(const WCHAR *section, const WCHAR *key, INT defaultValue) const;
    // The lines of a section (see ProfileText::SectionLines); false when the
    // file was left to the profile functions.
    bool SectionLines(const WCHAR *section, std::u16string *lines) const;

private:
    std::wstring path_;
    bool parsed_ = false;
    ProfileText text_;
};

// One operation's view of the printer's driver and its configuration files.
// The spooler is asked for the driver's information once, the driver
// directory once, and each configuration file is read once, however many
// keys the operation looks up: spooler and profile calls dominate the cost
// of every operation that reads them. The answers are those of the
// functions above.
class DriverConfigSnapshot {
public:
    explicit DriverConfigSnapshot(HANDLE hPrinter);
    ~DriverConfigSnapshot();
    DriverConfigSnapshot(const DriverConfigSnapshot &) = delete;
    DriverConfigSnapshot &operator=(const DriverConfigSnapshot &) = delete;

    HANDLE Printer() const { return printer_; }
    // As FindDriverConfigFiles (it sets the process-wide CapabilityFile).
    int FindConfigFiles(WCHAR *pluginIniPath);
    // The same into a capability-file path of the caller's; the snapshot's
    // own model lookups still follow the process-wide one.
    int FindConfigFilesInto(WCHAR *pluginIniPath, WCHAR *capabilityFile);
    // As ReadCapabilityString, from the capability file found last.
    void ReadModelString(const WCHAR *key, WCHAR *out, DWORD chars);
    // A number of the model section; `defaultValue` when the driver has no
    // model section or the section no such key.
    UINT ReadModelInt(const WCHAR *key, INT defaultValue);
    // As ReadCompressionCapability.
    UINT ReadCompressionCapability();
    // As GetPrivateProfileStringW and GetPrivateProfileIntW on `path`.
    DWORD ReadFileString(const WCHAR *path, const WCHAR *section, const WCHAR *key,
                         const WCHAR *defaultValue, WCHAR *out, DWORD chars);
    UINT ReadFileInt(const WCHAR *path, const WCHAR *section, const WCHAR *key, INT defaultValue);
    // As GetPrinterDriverDirectoryW (level 1) into `chars` characters.
    bool ReadDriverDirectory(WCHAR *out, DWORD chars);
    // As BuildDriverFilePath.
    int BuildDriverFilePath(WCHAR *buffer, DWORD *bytes, const WCHAR *fileName);
    // The model section's lines, for a holder that outlives the operation
    // (the document sheet keeps them for its pages); false when the
    // capability file could not be read whole.
    bool KeepModelSection(std::u16string *lines);

private:
    // As ReadPrinterDriverName.
    bool DriverName(WCHAR *name, DWORD chars);
    bool ReadDriverInfo();
    const WCHAR *ModelSection();
    const ConfigFileReader &File(const WCHAR *path);
    const WCHAR *DriverDirectory();

    HANDLE printer_;
    bool infoRead_ = false;
    bool infoValid_ = false;
    std::wstring driverName_;
    std::vector<WCHAR> dependentFiles_;
    bool sectionRead_ = false;
    WCHAR section_[kModelSectionChars] = {};
    bool directoryRead_ = false;
    std::wstring directory_;
    std::vector<std::unique_ptr<ConfigFileReader>> files_;
};

// The encryption library named by the model's "CryptoDll" key, loaded from
// the driver directory's "3" folder for one operation.
class SideLibrary {
public:
    explicit SideLibrary(HANDLE hPrinter);
    // For callers that already read the model section.
    explicit SideLibrary(const WCHAR *modelSection);
    // For an operation that already holds the driver's configuration.
    explicit SideLibrary(DriverConfigSnapshot &config);
    HMODULE Handle() const { return library_.Get(); }
    template <typename Fn>
    Fn ExportAs(const char *name) const { return library_.ExportAs<Fn>(name); }

private:
    void LoadByName(const WCHAR *name);
    LoadedLibrary library_;
};
