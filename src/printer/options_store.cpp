#include "printer/options_store.h"
#include "core/config_key_text.h"

#include "core/driver_config.h"
#include "core/os_version.h"
#include "core/win_holders.h"

#include <winspool.h>

#include <vector>

namespace {

const WCHAR kOptionsFileName[] = L"\\tvxopt.dat";
constexpr UINT kWindowsDirectoryChars = 520;
const WCHAR kPrinterKeyPrefix[] = L"System\\CurrentControlSet\\Control\\Print\\Printers\\";
const WCHAR kPrinterDataKey[] = L"\\PrinterDriverData";
const WCHAR kFeatureKeywordValue[] = L"FeatureKeyword";
const WCHAR kFeatureKeywordSizeValue[] = L"FeatureKeywordSize";
// Option values are numbers; a little room beyond the longest one.
constexpr DWORD kOptionValueChars = 64;

std::wstring Wide(const std::string &text) {
    std::wstring wide;
    for (char c : text) wide.push_back(static_cast<unsigned char>(c));
    return wide;
}

std::string Narrow(const WCHAR *text) {
    const int bytes = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (bytes <= 1) return {};
    std::string narrow(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, -1, &narrow[0], bytes, nullptr, nullptr);
    narrow.resize(static_cast<size_t>(bytes) - 1);
    return narrow;
}

// A stored size never reaches past the bytes the value really holds.
bool ValidLength(DWORD sizeType, DWORD sizeBytes, DWORD size, DWORD dataBytes, uint32_t *length) {
    if (sizeType != REG_DWORD || sizeBytes != sizeof(DWORD)) return false;
    *length = size < dataBytes ? size : dataBytes;
    return true;
}

}  // namespace

std::wstring OptionsFilePath() {
    WCHAR folder[kWindowsDirectoryChars];
    const UINT length = GetWindowsDirectoryW(folder, kWindowsDirectoryChars);
    if (!length || length >= kWindowsDirectoryChars) return {};
    return std::wstring(folder, length) + kOptionsFileName;
}

std::wstring ReadPrinterName(HANDLE printer) {
    DWORD needed = 0;
    GetPrinterW(printer, 1, nullptr, 0, &needed);
    GlobalBlock block(needed);
    if (!block || !GetPrinterW(printer, 1, block.As<BYTE>(), needed, &needed)) return {};
    const PRINTER_INFO_1W *info = block.As<PRINTER_INFO_1W>();
    return info->pName ? info->pName : L"";
}

InstalledOptions ReadOptionsSection(const WCHAR *file, const WCHAR *section, OptionsColumn column) {
    const ProfileLookup lookup = [file, section](const char *key) {
        WCHAR value[kOptionValueChars];
        GetPrivateProfileStringW(section, Wide(key).c_str(), L"", value, kOptionValueChars, file);
        return Narrow(value);
    };
    return ReadInstalledOptions(lookup, column);
}

void CopyUserTypes(const WCHAR *file, const WCHAR *section, const WCHAR *pluginIni,
                   DWORD maxChars) {
    if (!pluginIni || !pluginIni[0]) return;
    WritePrivateProfileStringW(KeyText(kUsertypeSection), nullptr, nullptr, pluginIni);
    const std::wstring unset = Wide(kUnsetUserType);
    std::vector<WCHAR> value(maxChars + 1);
    for (int n = 1;; ++n) {
        const std::wstring key = Wide(UserTypeKey(n));
        GetPrivateProfileStringW(section, key.c_str(), unset.c_str(), value.data(), maxChars + 1,
                                 file);
        if (unset == value.data()) return;
        WritePrivateProfileStringW(KeyText(kUsertypeSection), key.c_str(), value.data(), pluginIni);
    }
}

bool ReadStoredFeatures(HKEY key, StoredFeatures *stored) {
    ZeroMemory(stored->data, sizeof(stored->data));
    DWORD type = 0, bytes = sizeof(stored->data);
    if (RegQueryValueExW(key, kFeatureKeywordValue, nullptr, &type, stored->data, &bytes) !=
        ERROR_SUCCESS)
        return false;
    DWORD size = 0, sizeType = 0, sizeBytes = sizeof(size);
    if (RegQueryValueExW(key, kFeatureKeywordSizeValue, nullptr, &sizeType,
                         reinterpret_cast<BYTE *>(&size), &sizeBytes) != ERROR_SUCCESS)
        return false;
    return ValidLength(sizeType, sizeBytes, size, bytes, &stored->length);
}

bool WriteStoredFeatures(HKEY key, const StoredFeatures &stored) {
    const DWORD size = stored.length;
    if (RegSetValueExW(key, kFeatureKeywordSizeValue, 0, REG_DWORD,
                       reinterpret_cast<const BYTE *>(&size), sizeof(size)) != ERROR_SUCCESS)
        return false;
    return RegSetValueExW(key, kFeatureKeywordValue, 0, REG_BINARY, stored.data, size) ==
           ERROR_SUCCESS;
}

bool ReadPrinterFeatures(HANDLE printer, StoredFeatures *stored) {
    ZeroMemory(stored->data, sizeof(stored->data));
    DWORD type = 0, bytes = 0;
    if (GetPrinterDataW(printer, const_cast<WCHAR *>(kFeatureKeywordValue), &type, stored->data,
                        sizeof(stored->data), &bytes) != ERROR_SUCCESS)
        return false;
    DWORD size = 0, sizeType = 0, sizeBytes = 0;
    if (GetPrinterDataW(printer, const_cast<WCHAR *>(kFeatureKeywordSizeValue), &sizeType,
                        reinterpret_cast<BYTE *>(&size), sizeof(size), &sizeBytes) != ERROR_SUCCESS)
        return false;
    if (bytes > sizeof(stored->data)) bytes = sizeof(stored->data);
    return ValidLength(sizeType, sizeBytes, size, bytes, &stored->length);
}

bool WritePrinterFeatures(HANDLE printer, const StoredFeatures &stored) {
    DWORD size = stored.length;
    if (SetPrinterDataW(printer, const_cast<WCHAR *>(kFeatureKeywordSizeValue), REG_DWORD,
                        reinterpret_cast<BYTE *>(&size), sizeof(size)) != ERROR_SUCCESS)
        return false;
    return SetPrinterDataW(printer, const_cast<WCHAR *>(kFeatureKeywordValue), REG_BINARY,
                           const_cast<BYTE *>(stored.data), size) == ERROR_SUCCESS;
}

void UpdateInstalledOptions(HANDLE printer) {
    DetectOsVersion();
    const std::wstring name = ReadPrinterName(printer);
    if (name.empty()) return;
    const std::wstring optionsFile = OptionsFilePath();
    if (optionsFile.empty()) return;
    {
        UniqueHandle probe(CreateFileW(optionsFile.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!probe) return;
    }
    const InstalledOptions options =
        ReadOptionsSection(optionsFile.c_str(), name.c_str(), OptionsColumn::Network);

    WCHAR pluginIni[kConfigPathChars] = L"";
    FindDriverConfigFiles(printer, pluginIni);
    CopyUserTypes(optionsFile.c_str(), name.c_str(), pluginIni, kUserTypeChars);

    RegistryKey key;
    const std::wstring path = kPrinterKeyPrefix + name + kPrinterDataKey;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_ALL_ACCESS, key.Receive()) !=
        ERROR_SUCCESS)
        return;
    StoredFeatures stored;
    if (!ReadStoredFeatures(key.Get(), &stored)) return;
    stored.length = RewriteInstalledFeatures(stored.data, stored.length, options, OsMajor6OrLater);
    WriteStoredFeatures(key.Get(), stored);
}
