#include "printer/printer_events.h"
#include "core/config_key_text.h"

#include "core/driver_config.h"
#include "core/plugin_module.h"
#include "core/win_holders.h"
#include "printer/file_security.h"
#include "printer/options_store.h"

#include <winspool.h>
#include <wchar.h>

namespace {

const WCHAR kUserModeDriverValue[] = L"SPLUserModePrinterDriver";
constexpr UINT kUserModeDriverText = 30000;
constexpr int kUserModeDriverTextChars = 520;
const WCHAR kDuplexKey[] = L"DrvInst_DuplexPrinting";
const WCHAR kDescriptionExtension[] = L"PPD";
constexpr size_t kExtensionChars = 3;
constexpr size_t kExtensionSearchChars = 260;

const WCHAR kSpoolerLibrary[] = L"spoolss.dll";
const char kRevertExport[] = "RevertToPrinterSelf";
const char kImpersonateExport[] = "ImpersonatePrinterClient";
typedef HANDLE(WINAPI *RevertToPrinterSelfFn)();
typedef BOOL(WINAPI *ImpersonatePrinterClientFn)(HANDLE);

// Places in the PostScript driver's private part of the DEVMODE.
constexpr size_t kDriverFlagsOffset = 224;
constexpr BYTE kInstallDriverFlags = 0x2E;
constexpr size_t kOutputOptionOffset = 344;
constexpr int kLastOutputOption = 3;
constexpr int kNoOutputOption = -1;
constexpr UINT kInstallerDuplex = 2;
constexpr short kDuplexVertical = 2;
constexpr DWORD kDefaultsLevel = 8;
constexpr DWORD kPrinterLevel = 2;

bool HasUserModeDriverValue(HANDLE printer) {
    DWORD type = 0, needed = 0;
    const DWORD status = GetPrinterDataW(printer, const_cast<WCHAR *>(kUserModeDriverValue), &type,
                                         nullptr, 0, &needed);
    return status == ERROR_MORE_DATA && needed != 0;
}

bool StoreUserModeDriverValue(HANDLE printer) {
    WCHAR text[kUserModeDriverTextChars] = L"";
    LoadStringW(PluginModule, kUserModeDriverText, text, kUserModeDriverTextChars);
    const DWORD bytes = static_cast<DWORD>((wcslen(text) + 1) * sizeof(WCHAR));
    return SetPrinterDataW(printer, const_cast<WCHAR *>(kUserModeDriverValue), REG_SZ,
                           reinterpret_cast<BYTE *>(text), bytes) == ERROR_SUCCESS;
}

void ClearReadOnly(const WCHAR *path) {
    const DWORD attributes = GetFileAttributesW(path);
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_READONLY)) return;
    SetFileAttributesW(path, attributes & ~FILE_ATTRIBUTE_READONLY);
}

void GrantColorManagementFile(HANDLE printer) {
    WCHAR name[kConfigPathChars];
    ReadCapabilityString(printer, KeyText(kKeyCcmInfoFile), name, MAX_PATH);
    if (!name[0]) return;
    WCHAR path[kConfigPathChars];
    DWORD bytes = sizeof(path);
    if (!BuildDriverFilePath(path, &bytes, name)) return;
    SharedFileSecurity security;
    GrantFileAccess(path, &security);
}

void OpenUpDriverFiles(HANDLE printer, const WCHAR *pluginIni) {
    if (pluginIni[0]) {
        SharedFileSecurity iniSecurity;
        GrantFileAccess(pluginIni, &iniSecurity);
        ClearReadOnly(pluginIni);
        WCHAR description[kConfigPathChars];
        if (DescriptionPathOf(pluginIni, description, kConfigPathChars)) {
            SharedFileSecurity descriptionSecurity;
            GrantFileAccess(description, &descriptionSecurity);
        }
    }
    GrantColorManagementFile(printer);
}

// The spooler's own identity for the time of the object, when the spooler
// offers the calls.
class SpoolerIdentity {
public:
    SpoolerIdentity() : library_(LoadLibraryW(kSpoolerLibrary)) {
        auto revert = library_.ExportAs<RevertToPrinterSelfFn>(kRevertExport);
        impersonate_ = library_.ExportAs<ImpersonatePrinterClientFn>(kImpersonateExport);
        if (revert && impersonate_) token_ = revert();
    }
    ~SpoolerIdentity() {
        if (token_ && impersonate_) impersonate_(token_);
    }
    SpoolerIdentity(const SpoolerIdentity &) = delete;
    SpoolerIdentity &operator=(const SpoolerIdentity &) = delete;
    bool Loaded() const { return library_.Get() != nullptr; }

private:
    LoadedLibrary library_;
    ImpersonatePrinterClientFn impersonate_ = nullptr;
    HANDLE token_ = nullptr;
};

size_t DevmodeBytes(const DEVMODEW *devmode) {
    return static_cast<size_t>(devmode->dmSize) + devmode->dmDriverExtra;
}

// The size of the printer's information at a level; 0 when there is none.
DWORD PrinterInfoBytes(HANDLE printer, DWORD level) {
    DWORD needed = 0;
    GetPrinterW(printer, level, nullptr, 0, &needed);
    return needed;
}

bool ReadPrinterInfo(HANDLE printer, DWORD level, const GlobalBlock &block, DWORD bytes) {
    return block && GetPrinterW(printer, level, block.As<BYTE>(), bytes, &bytes);
}

void ApplyModelDefaults(HANDLE printer, DEVMODEW *devmode) {
    BYTE *bytes = reinterpret_cast<BYTE *>(devmode);
    const size_t size = DevmodeBytes(devmode);
    if (size > kDriverFlagsOffset) bytes[kDriverFlagsOffset] = kInstallDriverFlags;
    FindDriverConfigFiles(printer, nullptr);
    WCHAR section[kModelSectionChars];
    ReadModelSection(printer, section, kModelSectionChars);
    if (!section[0]) return;
    const int outputOption = static_cast<int>(
        GetPrivateProfileIntW(section, KeyText(kKeyPsOutputOpt), kNoOutputOption, CapabilityFile));
    if (outputOption >= 0 && outputOption <= kLastOutputOption && size > kOutputOptionOffset)
        bytes[kOutputOptionOffset] = static_cast<BYTE>(outputOption);
    const UINT paperSize =
        GetPrivateProfileIntW(section, KeyText(kKeyDefaultPaperSize), 0, CapabilityFile);
    if (paperSize) devmode->dmPaperSize = static_cast<short>(paperSize);
    const UINT paperSource =
        GetPrivateProfileIntW(section, KeyText(kKeyDefaultPaperSource), 0, CapabilityFile);
    if (paperSource) devmode->dmDefaultSource = static_cast<short>(paperSource);
}

void ApplyInstallerDuplex(DEVMODEW *devmode) {
    const std::wstring optionsFile = OptionsFilePath();
    if (optionsFile.empty()) return;
    UniqueHandle file(CreateFileW(optionsFile.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return;
    WCHAR device[CCHDEVICENAME + 1] = L"";
    wmemcpy(device, devmode->dmDeviceName, CCHDEVICENAME);
    if (GetPrivateProfileIntW(device, kDuplexKey, 0, optionsFile.c_str()) == kInstallerDuplex)
        devmode->dmDuplex = kDuplexVertical;
}

}  // namespace

bool DescriptionPathOf(const WCHAR *iniPath, WCHAR *out, size_t chars) {
    const size_t length = wcsnlen(iniPath, kExtensionSearchChars);
    const WCHAR *dot = wmemchr(iniPath, L'.', length);
    if (!dot || static_cast<size_t>(dot - iniPath) + kExtensionChars >= wcslen(iniPath)) return false;
    if (wcslen(iniPath) >= chars) return false;
    wcscpy(out, iniPath);
    wmemcpy(out + (dot - iniPath) + 1, kDescriptionExtension, kExtensionChars);
    return true;
}

int ApplyInstallDefaults(const WCHAR *printerName) {
    SpoolerIdentity identity;
    if (!identity.Loaded()) return 0;
    SpoolerPrinter printer;
    if (!printer.Open(printerName, PRINTER_ALL_ACCESS)) return 0;
    WCHAR *name = const_cast<WCHAR *>(printerName);

    // The default DEVMODE: level 8, else level 2's, else the driver's defaults.
    const DWORD bytes8 = PrinterInfoBytes(printer.Get(), kDefaultsLevel);
    GlobalBlock info8(bytes8);
    DEVMODEW *devmode = ReadPrinterInfo(printer.Get(), kDefaultsLevel, info8, bytes8)
                            ? info8.As<PRINTER_INFO_8W>()->pDevMode
                            : nullptr;
    const DWORD bytes2 = devmode ? 0 : PrinterInfoBytes(printer.Get(), kPrinterLevel);
    GlobalBlock info2(bytes2);
    if (!devmode && ReadPrinterInfo(printer.Get(), kPrinterLevel, info2, bytes2))
        devmode = info2.As<PRINTER_INFO_2W>()->pDevMode;
    const LONG driverBytes =
        devmode ? 0 : DocumentPropertiesW(nullptr, printer.Get(), name, nullptr, nullptr, 0);
    GlobalBlock driverDefaults(driverBytes > 0 ? static_cast<SIZE_T>(driverBytes) : 0);
    if (!devmode && driverDefaults &&
        DocumentPropertiesW(nullptr, printer.Get(), name, driverDefaults.As<DEVMODEW>(), nullptr,
                            DM_OUT_BUFFER) >= 0)
        devmode = driverDefaults.As<DEVMODEW>();
    if (!devmode || DevmodeBytes(devmode) < sizeof(DEVMODEW)) return 0;

    ApplyModelDefaults(printer.Get(), devmode);
    ApplyInstallerDuplex(devmode);
    PRINTER_INFO_8W defaults = {devmode};
    return SetPrinterW(printer.Get(), kDefaultsLevel, reinterpret_cast<BYTE *>(&defaults), 0) ? 1 : 0;
}

int InitializePrinter(const WCHAR *printerName) {
    SpoolerPrinter printer;
    if (!printer.Open(printerName, PRINTER_ALL_ACCESS)) return 0;
    if (!HasUserModeDriverValue(printer.Get()) && !StoreUserModeDriverValue(printer.Get())) return 1;

    WCHAR pluginIni[kConfigPathChars] = L"";
    if (FindDriverConfigFiles(printer.Get(), pluginIni)) {
        OpenUpDriverFiles(printer.Get(), pluginIni);
        ApplyInstallDefaults(printerName);
    }
    UpdateInstalledOptions(printer.Get());
    return 0;
}
