#include "printer/detection.h"
#include "core/config_key_text.h"

#include "core/driver_config.h"
#include "core/os_version.h"
#include "core/plugin_module.h"
#include "core/win_holders.h"
#include "optiontree/option_tree.h"
#include "printer/options_store.h"

#include <shlobj.h>
#include <wchar.h>

#include <vector>

namespace {

const char kCapabilityExport[] = "GetNetextCapability";
const char kValidPortExport[] = "IsValidPort";
const char kReadFlagsExport[] = "ReadPrinterOptionFlag32";
const char kDataFileExport[] = "GetDataFileName";
const char kUsbReadExport[] = "ReadPrinterOptionUSB";
const char kUsbReadyExport[] = "ReadPrinterOptionUSB2";
const WCHAR kUsbPortPrefix[] = L"USB";
constexpr size_t kUsbPortPrefixChars = 3;
constexpr int kSideLibraryNameBytes = 221;
constexpr DWORD kDataFileNameBytes = 260;
// Page activation counts only this answer as success.
constexpr DWORD kActivationReadDone = 1;
constexpr BYTE kMemoryItemId = 7;

typedef DWORD(WINAPI *PrinterQueryFn)(const char *printerName);
typedef DWORD(WINAPI *ReadOptionFlagsFn)(const char *printerName, HWND window, DWORD reserved1,
                                         DWORD reserved2, DWORD flags);
typedef DWORD(WINAPI *DataFileNameFn)(const char *printerName, char *path, DWORD bytes);

template <typename Fn>
Fn ExportOf(HMODULE module, const char *name) {
    return module ? reinterpret_cast<Fn>(reinterpret_cast<void *>(GetProcAddress(module, name)))
                  : nullptr;
}

std::wstring WideFromAnsi(const char *text) {
    const int chars = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (chars <= 1) return {};
    std::wstring wide(static_cast<size_t>(chars), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, -1, &wide[0], chars);
    wide.resize(static_cast<size_t>(chars) - 1);
    return wide;
}

// Where the options came from: the data file a library wrote, read by
// the keys of its kind.
struct DetectionSource {
    std::wstring dataFile;
    OptionsColumn column = OptionsColumn::Network;
};

// A library that reports success but leaves no data file has not read the
// printer: nothing is taken from it.
bool DataFileThere(const std::wstring &path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The process-wide plug-in ini buffer when a CommonUIProp made one, else
// `local`; filled for the printer. Emptied first: a driver without its own
// ini never writes into another driver's.
const WCHAR *FindPluginIniFor(HANDLE printer, WCHAR *local) {
    WCHAR *target = PluginIni ? PluginIni : local;
    target[0] = 0;
    if (!FindDriverConfigFiles(printer, target)) return nullptr;
    return target;
}

// The first driver item with the memory item id, its option texts.
uint32_t MatchMemoryItem(POEMCUIPPARAM param, int32_t memoryMb) {
    for (DWORD i = 0; param->pDrvOptItems && i < param->cDrvOptItems; ++i) {
        const OPTITEM &item = param->pDrvOptItems[i];
        if (item.UserItemID != kMemoryItemId) continue;
        const OPTTYPE *type = item.pOptType;
        if (!type || !type->pOptParam) return 0;
        std::vector<const char16_t *> texts(type->Count);
        for (WORD n = 0; n < type->Count; ++n) {
            const WCHAR *text = type->pOptParam[n].pData;
            texts[n] = IS_INTRESOURCE(text) ? nullptr : reinterpret_cast<const char16_t *>(text);
        }
        return MatchMemoryOption(texts.data(), texts.size(), memoryMb);
    }
    return 0;
}

void FillSelections(POEMCUIPPARAM param, const DetectionSource &source, const WCHAR *section,
                    const WCHAR *pluginIni, DWORD userTypeChars, uint32_t *selections) {
    const InstalledOptions options =
        ReadOptionsSection(source.dataFile.c_str(), section, source.column);
    CopyUserTypes(source.dataFile.c_str(), section, pluginIni, userTypeChars);
    BuildDetectedSelections(options, OsMajor6OrLater != 0, MatchMemoryItem(param, options.memoryMb),
                            selections);
}

std::wstring ModuleFolder(HMODULE module) {
    WCHAR path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(module, path, MAX_PATH);
    if (!length || length >= MAX_PATH) return {};
    std::wstring folder(path, length);
    const size_t slash = folder.find_last_of(L'\\');
    return slash == std::wstring::npos ? std::wstring() : folder.substr(0, slash + 1);
}

// The USB library beside the plug-in: first reading, then the data file
// in the user's application-data folder.
bool QueryUsbLibrary(HANDLE printer, const char *printerName, DetectionSource *source) {
    WCHAR libraryName[kSideLibraryNameChars], dataName[kSideLibraryNameChars];
    ReadCapabilityString(printer, KeyText(kKeyUsbExtDll), libraryName, kSideLibraryNameChars);
    ReadCapabilityString(printer, KeyText(kKeyUsbExtDat), dataName, kSideLibraryNameChars);
    const std::wstring folder = ModuleFolder(PluginModule);
    if (!libraryName[0] || !dataName[0] || folder.empty()) return false;
    LoadedLibrary library(LoadLibraryW((folder + libraryName).c_str()));
    auto read = library.ExportAs<PrinterQueryFn>(kUsbReadExport);
    auto ready = library.ExportAs<PrinterQueryFn>(kUsbReadyExport);
    if (!read || !ready || !read(printerName)) return false;
    WCHAR appData[MAX_PATH];
    if (!SHGetSpecialFolderPathW(nullptr, appData, CSIDL_APPDATA, FALSE)) return false;
    if (!ready(printerName)) return false;
    source->dataFile = std::wstring(appData) + L"\\" + dataName;
    source->column = OptionsColumn::Usb;
    return DataFileThere(source->dataFile);
}

bool QueryNetworkLibrary(HANDLE printer, const char *printerName, HWND window,
                         DetectionSource *source) {
    NetworkOptionLibrary library(printer);
    if (!library.ValidPort(printerName) || !library.Capable(printerName)) return false;
    if (library.ReadOptionFlags(printerName, window, kActivationReadFlags) != kActivationReadDone)
        return false;
    source->column = OptionsColumn::Network;
    return library.DataFileName(printerName, &source->dataFile);
}

// Activation and the export: the port decides the library.
bool QueryByPort(HANDLE printer, HWND window, std::wstring *section, DetectionSource *source) {
    *section = ReadPrinterName(printer);
    DWORD needed = 0;
    GetPrinterW(printer, 2, nullptr, 0, &needed);
    GlobalBlock info(needed);
    if (section->empty() || !info || !GetPrinterW(printer, 2, info.As<BYTE>(), needed, &needed))
        return false;
    const PRINTER_INFO_2W *printerInfo = info.As<PRINTER_INFO_2W>();
    std::string name;
    if (!SideLibraryPrinterName(section->c_str(), &name)) return false;
    const WCHAR *port = printerInfo->pPortName ? printerInfo->pPortName : L"";
    if (_wcsnicmp(port, kUsbPortPrefix, kUsbPortPrefixChars) == 0)
        return QueryUsbLibrary(printer, name.c_str(), source);
    return QueryNetworkLibrary(printer, name.c_str(), window, source);
}

}  // namespace

bool SideLibraryPrinterName(const WCHAR *name, std::string *out) {
    if (!name) return false;
    char bytes[kSideLibraryNameBytes];
    if (!WideCharToMultiByte(CP_ACP, 0, name, -1, bytes, kSideLibraryNameBytes, nullptr, nullptr))
        return false;
    *out = bytes;
    return true;
}

NetworkOptionLibrary::NetworkOptionLibrary(HANDLE printer) {
    WCHAR name[kSideLibraryNameChars];
    ReadCapabilityString(printer, KeyText(kKeyNetExtDll), name, kSideLibraryNameChars);
    if (name[0]) module_ = LoadLibraryW(name);
}

NetworkOptionLibrary::~NetworkOptionLibrary() {
    if (module_) FreeLibrary(module_);
}

HMODULE NetworkOptionLibrary::Release() {
    HMODULE module = module_;
    module_ = nullptr;
    return module;
}

bool NetworkOptionLibrary::Capable(const char *printerName) const {
    auto capable = ExportOf<PrinterQueryFn>(module_, kCapabilityExport);
    return capable && capable(printerName) != 0;
}

bool NetworkOptionLibrary::ValidPort(const char *printerName) const {
    auto valid = ExportOf<PrinterQueryFn>(module_, kValidPortExport);
    return valid && valid(printerName) != 0;
}

DWORD NetworkOptionLibrary::ReadOptionFlags(const char *printerName, HWND window,
                                            DWORD flags) const {
    auto read = ExportOf<ReadOptionFlagsFn>(module_, kReadFlagsExport);
    return read ? read(printerName, window, 0, 0, flags) : 0;
}

bool NetworkOptionLibrary::DataFileName(const char *printerName, std::wstring *path) const {
    auto dataFile = ExportOf<DataFileNameFn>(module_, kDataFileExport);
    if (!dataFile) return false;
    char buffer[kDataFileNameBytes] = "";
    if (!dataFile(printerName, buffer, kDataFileNameBytes)) return false;
    buffer[kDataFileNameBytes - 1] = 0;
    *path = WideFromAnsi(buffer);
    return !path->empty() && DataFileThere(*path);
}

int DetectOptionsByButton(POEMCUIPPARAM param, uint32_t *selections, HWND dialog) {
    std::string name;
    if (!param || !SideLibraryPrinterName(param->pPrinterName, &name)) return 0;
    SpoolerPrinter printer;
    if (!printer.Open(param->pPrinterName, PRINTER_ALL_ACCESS)) return 0;
    NetworkOptionLibrary library(printer.Get());
    if (!library.Loaded() || !library.ReadOptionFlags(name.c_str(), dialog, kButtonReadFlags))
        return 0;
    DetectionSource source;
    if (!library.DataFileName(name.c_str(), &source.dataFile)) return 0;
    WCHAR localIni[kConfigPathChars] = L"";
    const WCHAR *pluginIni = PluginIni && PluginIni[0] ? PluginIni
                                                       : FindPluginIniFor(printer.Get(), localIni);
    FillSelections(param, source, param->pPrinterName, pluginIni, kUserTypeChars, selections);
    return 1;
}

int DetectOptionsOnActivate(POEMCUIPPARAM param, uint32_t *selections, HWND dialog) {
    if (!param) return 0;
    SpoolerPrinter printer;
    if (!printer.Open(param->pPrinterName, PRINTER_ALL_ACCESS)) return 0;
    WCHAR localIni[kConfigPathChars] = L"";
    const WCHAR *pluginIni = FindPluginIniFor(printer.Get(), localIni);
    if (!pluginIni) return 0;
    std::wstring section;
    DetectionSource source;
    if (!QueryByPort(printer.Get(), dialog, &section, &source)) return 0;
    FillSelections(param, source, section.c_str(), pluginIni, kShortUserTypeChars, selections);
    return 1;
}

void ApplyDetectedSelections(POEMCUIPPARAM param, const uint32_t *selections) {
    for (DWORD i = 0; param->pDrvOptItems && i < param->cDrvOptItems; ++i) {
        uint32_t selection = 0;
        if (!DetectedSelectionFor(selections, param->pDrvOptItems[i].UserItemID, &selection))
            continue;
        DWORD working = selection;
        SetOptItemSel(param, i, &working, OEMCUIP_PRNPROP);
    }
}

int RefreshDeviceOptions(HANDLE printer) {
    DetectOsVersion();
    if (!printer) return 0;
    WCHAR localIni[kConfigPathChars] = L"";
    const WCHAR *pluginIni = FindPluginIniFor(printer, localIni);
    if (!pluginIni) return 0;
    std::wstring section;
    DetectionSource source;
    if (!QueryByPort(printer, nullptr, &section, &source)) return 0;
    const InstalledOptions options =
        ReadOptionsSection(source.dataFile.c_str(), section.c_str(), source.column);
    CopyUserTypes(source.dataFile.c_str(), section.c_str(), pluginIni, kShortUserTypeChars);
    StoredFeatures stored;
    if (!ReadPrinterFeatures(printer, &stored)) return 1;
    stored.length = RewriteInstalledFeatures(stored.data, stored.length, options, OsMajor6OrLater);
    WritePrinterFeatures(printer, stored);
    return 1;
}
