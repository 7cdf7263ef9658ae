#include "joboptions/ic_card_library.h"
#include "core/config_key_text.h"

#include "core/driver_config.h"

namespace {

const char kQueryExport[] = "QueryCardDriver";
constexpr int kDriverNameBytes = 221;
constexpr int kCapabilityPathBytes = 261;

typedef BOOL(WINAPI *QueryCardDriverFn)(const char *driverName, const char *capabilityPath);

// The system code page's form of `text`; false when it does not fit, as a
// cut name would name something else.
bool Narrow(const WCHAR *text, char *out, int bytes) {
    if (!text[0]) {
        out[0] = 0;
        return true;
    }
    return WideCharToMultiByte(CP_ACP, 0, text, -1, out, bytes, nullptr, nullptr) > 0;
}

}  // namespace

DWORD QueryIcCardDriver(HANDLE printer, const WCHAR *modelKeys) {
    WCHAR name[kSideLibraryNameChars];
    ReadKeptCapabilityString(modelKeys, printer, KeyText(kKeyCardDll), name, kSideLibraryNameChars);
    if (!name[0]) return 0;
    WCHAR path[kSideLibraryPathBytes / sizeof(WCHAR)];
    DWORD bytes = kSideLibraryPathBytes;
    if (!BuildDriverFilePath(path, &bytes, name)) return 0;

    WCHAR driver[kConfigPathChars];
    char driverName[kDriverNameBytes];
    char capabilityPath[kCapabilityPathBytes];
    if (!ReadPrinterDriverName(printer, driver, kConfigPathChars) ||
        !Narrow(driver, driverName, kDriverNameBytes) ||
        !Narrow(CapabilityFile, capabilityPath, kCapabilityPathBytes))
        return 0;

    LoadedLibrary library(LoadLibraryW(path));
    auto query = library.ExportAs<QueryCardDriverFn>(kQueryExport);
    if (!query) return 0;
    return static_cast<DWORD>(query(driverName, capabilityPath));
}
