#include "model_check.h"

#include "core/win_holders.h"
#include "driver/driver_files.h"
#include "file_io.h"
#include "host_text.h"
#include "model_lint.h"
#include "pe_header.h"

#include <algorithm>

namespace {

constexpr LONGLONG kMaxModelFileBytes = 64LL * 1024 * 1024;
const WCHAR kAllFiles[] = L"*";
const char16_t kDescriptionExtension[] = u"PPD";

static_assert(sizeof(WCHAR) == sizeof(char16_t), "file names are 16-bit text");

const char16_t *AsText(const std::wstring &text) { return reinterpret_cast<const char16_t *>(text.c_str()); }
std::u16string AsU16(const std::wstring &text) { return AsText(text); }
std::wstring AsWide(const std::u16string &text) { return reinterpret_cast<const WCHAR *>(text.c_str()); }

const WCHAR *ResourceTypeOf(ResourceType type) {
    switch (type) {
    case ResourceType::Dialog: return RT_DIALOG;
    case ResourceType::Icon: return RT_GROUP_ICON;
    case ResourceType::Bitmap: return RT_BITMAP;
    }
    return RT_DIALOG;
}

// The names of the files of a folder, sorted without regard to case.
std::vector<std::wstring> ListFiles(const std::wstring &folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW data;
    FileSearch find(FindFirstFileW(JoinPath(folder, kAllFiles).c_str(), &data));
    if (find.Get() == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(data.cFileName);
    } while (FindNextFileW(find.Get(), &data));
    std::sort(names.begin(), names.end(),
              [](const std::wstring &a, const std::wstring &b) { return _wcsicmp(a.c_str(), b.c_str()) < 0; });
    return names;
}

bool ReadText(const std::wstring &path, std::string *text) {
    std::vector<BYTE> bytes;
    std::string error;
    if (!ReadWholeFile(path, &bytes, &error, kMaxModelFileBytes)) return false;
    text->assign(bytes.begin(), bytes.end());
    return true;
}

bool LoadConfig(const std::wstring &path, ConfigFile *file) {
    std::string text;
    if (!ReadText(path, &text)) return false;
    file->present = true;
    file->name = Utf8(FileNameOf(path));
    file->profile = ParseNumberedProfile(text);
    return true;
}

// The plug-in ini is the .ini that names "OEMConfigFile1".
bool IsPluginIni(const ConfigFile &file) {
    const NumberedEntry *entry = file.profile.Find(kOemFilesSection, kKeyOemConfigFile1);
    return entry && !entry->value.empty();
}

// Where the files the model names lie, and what loading a library shows.
class DiskFolder : public ModelFolder {
public:
    DiskFolder(std::wstring driverFolder, std::wstring iniFolder, std::wstring pluginFolder)
        : driverFolder_(std::move(driverFolder)), iniFolder_(std::move(iniFolder)),
          pluginFolder_(std::move(pluginFolder)) {}

    // An installed driver's files; a folder before installation has no list.
    void SetDependentFiles(const std::vector<std::wstring> &paths) {
        listed_ = true;
        for (const std::wstring &path : paths) dependentFiles_.push_back(FileNameOf(path));
    }

    bool IsDependentFile(const std::u16string &name) override {
        if (!listed_) return true;
        const std::wstring wide = AsWide(name);
        for (const std::wstring &file : dependentFiles_)
            if (_wcsicmp(file.c_str(), wide.c_str()) == 0) return true;
        return false;
    }

    bool Exists(FileHome home, const std::u16string &name) override { return !Resolve(home, name).empty(); }

    std::vector<std::u16string> FileNames(FileHome home) override {
        std::vector<std::u16string> names;
        for (const std::wstring &name : ListFiles(Folder(home))) names.push_back(AsU16(name));
        return names;
    }

    bool ReadFile(FileHome home, const std::u16string &name, std::string *bytes) override {
        const std::wstring path = Resolve(home, name);
        return !path.empty() && ReadText(path, bytes);
    }

    LibraryReport InspectLibrary(FileHome home, const std::u16string &name, ValueKind kind,
                                 const std::vector<std::string> &exports,
                                 const std::vector<LibraryResource> &resources) override {
        LibraryReport report;
        const std::wstring path = Resolve(home, name);
        std::string bytes;
        if (!ReadText(path, &bytes)) {
            report.problem = "it cannot be read";
            return report;
        }
        report.problem = PeProblem(ReadPeHeader(bytes), kind == ValueKind::ProgramName);
        if (!report.problem.empty()) return report;
        if (kind == ValueKind::ProgramName) {
            report.loaded = true;
            return report;
        }
        // Loaded as an image without running it or resolving its imports.
        LoadedLibrary library(LoadLibraryExW(path.c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES));
        if (!library.Get()) {
            report.problem = Win32ErrorText(GetLastError());
            return report;
        }
        report.loaded = true;
        for (const std::string &name : exports)
            if (!GetProcAddress(library.Get(), name.c_str())) report.missingExports.push_back(name);
        for (const LibraryResource &resource : resources)
            if (!FindResourceW(library.Get(), MAKEINTRESOURCEW(resource.id), ResourceTypeOf(resource.type)))
                report.missingResources.push_back(resource);
        return report;
    }

private:
    const std::wstring &Folder(FileHome home) const {
        if (home == FileHome::PluginIniFolder) return iniFolder_;
        if (home == FileHome::PluginFolder) return pluginFolder_;
        return driverFolder_;
    }

    // The file's path; a library loaded by name may also lie on the
    // platform's search path. Empty when there is no such file.
    std::wstring Resolve(FileHome home, const std::u16string &name) const {
        const std::wstring wide = AsWide(name);
        const std::wstring path = JoinPath(Folder(home), wide);
        if (FileExists(path)) return path;
        if (home != FileHome::LibrarySearch) return {};
        WCHAR found[MAX_PATH];
        const DWORD length = SearchPathW(nullptr, wide.c_str(), nullptr, MAX_PATH, found, nullptr);
        if (!length || length >= MAX_PATH) return {};
        return found;
    }

    std::wstring driverFolder_;
    std::wstring iniFolder_;
    std::wstring pluginFolder_;
    bool listed_ = false;
    std::vector<std::wstring> dependentFiles_;
};

// The About dialog reads the description named like the plug-in ini, with
// "PPD" after its first dot.
// The rule runs on the ini's full path where it is installed; a folder
// before installation is judged by the file name alone, since the dots of
// its own path are not the driver folder's.
void CheckAboutDescription(const std::wstring &iniPath, bool installed, std::vector<Finding> *findings) {
    const size_t start = installed ? 0 : iniPath.size() - FileNameOf(iniPath).size();
    const size_t dot = iniPath.find(L'.', start);
    if (dot == std::wstring::npos) return;
    const std::wstring path = iniPath.substr(0, dot + 1) + AsWide(kDescriptionExtension);
    if (FileExists(path)) return;
    Finding finding;
    finding.severity = Severity::Warning;
    finding.kind = kMissingFile;
    finding.file = Utf8(FileNameOf(iniPath));
    finding.key = Utf8(FileNameOf(path));
    finding.message = "the plug-in ini has no description of the same name beside it";
    finding.consequence = "the About dialog shows no description version and no notice";
    findings->push_back(std::move(finding));
}

struct ModelPaths {
    std::wstring ini;
    std::wstring ppd;
};

void Lint(const ModelInput &input, const ModelPaths &paths, DiskFolder &folder, bool installed,
          std::vector<Finding> *findings) {
    *findings = LintModel(input, folder);
    if (input.pluginIni.present) CheckAboutDescription(paths.ini, installed, findings);
}

bool LoadDescription(const std::wstring &path, ModelInput *input) {
    if (path.empty() || !ReadText(path, &input->ppdText)) return false;
    input->ppdPresent = true;
    input->ppdName = Utf8(FileNameOf(path));
    return true;
}

std::wstring StemOf(const std::wstring &name) { return name.substr(0, name.find_last_of(L'.')); }

// The description of a folder: the one named like the plug-in ini, else
// the first.
std::wstring FolderDescription(const std::vector<std::wstring> &names, const std::wstring &iniName) {
    std::wstring first;
    for (const std::wstring &name : names) {
        if (_wcsicmp(StemOf(name).c_str(), name.c_str()) == 0) continue;
        if (_wcsicmp(name.substr(StemOf(name).size()).c_str(), L".ppd") != 0) continue;
        if (!iniName.empty() && _wcsicmp(StemOf(name).c_str(), StemOf(iniName).c_str()) == 0) return name;
        if (first.empty()) first = name;
    }
    return first;
}

// The named driver, or every driver the capability file maps.
std::vector<std::u16string> DriversToCheck(const ConfigFile &capability, const std::wstring &driverName) {
    if (!driverName.empty()) return {AsU16(driverName)};
    std::vector<std::u16string> drivers;
    if (const NumberedSection *section = capability.profile.Section(kCapabilitySection))
        for (const NumberedEntry &entry : section->entries) drivers.push_back(entry.key);
    if (drivers.empty()) drivers.emplace_back();
    return drivers;
}

// Findings of the files all models share come once, not once per model.
bool Contains(const std::vector<Finding> &findings, const Finding &finding) {
    for (const Finding &f : findings)
        if (f.kind == finding.kind && f.file == finding.file && f.line == finding.line &&
            f.section == finding.section && f.key == finding.key && f.message == finding.message)
            return true;
    return false;
}

// One of the model's files, as the plug-in takes it: a later match
// replaces an earlier one.
void LoadModelFile(DependentFileKind kind, const std::wstring &path, ModelInput *input,
                   ModelPaths *paths) {
    ConfigFile file;
    switch (kind) {
    case DependentFileKind::PluginIni:
        if (LoadConfig(path, &file) && IsPluginIni(file)) {
            input->pluginIni = std::move(file);
            paths->ini = path;
        }
        break;
    case DependentFileKind::Capability:
        if (LoadConfig(path, &file)) input->capability = std::move(file);
        break;
    case DependentFileKind::Version:
        if (LoadConfig(path, &file)) input->version = std::move(file);
        break;
    case DependentFileKind::Other: break;
    }
}

}  // namespace

bool CheckInstalledPrinter(const std::wstring &printer, std::vector<Finding> *findings, std::string *error) {
    SpoolerPrinter handle;
    if (!handle.Open(printer.c_str(), 0)) {
        *error = "cannot open the printer " + Utf8(printer) + ": " + Win32ErrorText(GetLastError());
        return false;
    }
    InstalledDriver driver;
    if (!ReadInstalledDriver(handle.Get(), &driver, error)) return false;
    const std::wstring driverFolder = DriverFilesFolder(error);
    if (driverFolder.empty()) return false;

    ModelInput input;
    input.driverName = AsU16(driver.name);
    ModelPaths paths;
    // As the plug-in finds them: in list order, a later match replaces an earlier one.
    for (const std::wstring &path : driver.dependentFiles) {
        LoadModelFile(ClassifyDependentFile(AsText(path)), path, &input, &paths);
    }
    LoadDescription(driver.dataFile, &input);
    const std::wstring iniFolder = paths.ini.empty() ? driverFolder : FolderOf(paths.ini);
    DiskFolder folder(driverFolder, iniFolder, driverFolder);
    folder.SetDependentFiles(driver.dependentFiles);
    Lint(input, paths, folder, true, findings);
    return true;
}

bool CheckModelFolder(const std::wstring &folderPath, const std::wstring &driverName,
                      std::vector<Finding> *findings, std::string *error) {
    const DWORD attributes = GetFileAttributesW(folderPath.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        *error = "no folder " + Utf8(folderPath);
        return false;
    }
    ModelInput input;
    ModelPaths paths;
    const std::vector<std::wstring> names = ListFiles(folderPath);
    for (const std::wstring &name : names) {
        const std::wstring path = JoinPath(folderPath, name);
        LoadModelFile(ClassifyDependentFile(AsText(name)), path, &input, &paths);
    }
    const std::wstring description = FolderDescription(names, FileNameOf(paths.ini));
    if (!description.empty()) LoadDescription(JoinPath(folderPath, description), &input);
    DiskFolder folder(folderPath, folderPath, folderPath);
    findings->clear();
    for (const std::u16string &driver : DriversToCheck(input.capability, driverName)) {
        input.driverName = driver;
        std::vector<Finding> found;
        Lint(input, paths, folder, false, &found);
        for (Finding &finding : found)
            if (!Contains(*findings, finding)) findings->push_back(std::move(finding));
    }
    return true;
}
