#include "plugin/common_ui_prop.h"

#include "core/config_key_text.h"
#include "core/context_help.h"
#include "core/driver_config.h"
#include "core/oem_ui_plugin.h"
#include "core/os_version.h"
#include "optiontree/option_tree.h"
#include "printer/printer_ui.h"

#include <new>

WCHAR *PluginIni;

namespace {

constexpr DWORD kHtmlHelpMajorVersion = 6;
constexpr DWORD kHelpNameChars = MAX_PATH + 1;

HRESULT FailWith(DWORD error) {
    SetLastError(error);
    return E_FAIL;
}

void BuildHelpPath(DriverConfigSnapshot &config) {
    const DWORD major = ReadOsVersion().dwMajorVersion;
    WCHAR name[kHelpNameChars];
    config.ReadFileString(PluginIni, KeyText(kDependentFilesSection),
                          major < kHtmlHelpMajorVersion ? KeyText(kKeyHelp) : KeyText(kKeyHtmlHelp),
                          L"", name, kHelpNameChars);
    DWORD bytes = kHelpPathBytes;
    config.BuildDriverFilePath(HelpFilePath, &bytes, name);
}

// The driver asks for the document or printer options twice in a row,
// first for the number of the plug-in's items, then with the items: the
// call with the items reads the configuration the count call read, for the
// same printer. A count call always reads afresh.
std::unique_ptr<DriverConfigSnapshot> TakeConfig(OemUiPlugin *plugin, const OEMCUIPPARAM *param) {
    std::unique_ptr<DriverConfigSnapshot> kept = std::move(plugin->pCountCallConfig);
    const HANDLE printer = param->hPrinter;
    if (kept && param->pOEMOptItems && kept->Printer() == printer) return kept;
    return std::unique_ptr<DriverConfigSnapshot>(new (std::nothrow) DriverConfigSnapshot(printer));
}

}  // namespace

HRESULT RunCommonUIProp(OemUiPlugin *plugin, DWORD mode, POEMCUIPPARAM param) {
    if (mode != OEMCUIP_DOCPROP && mode != OEMCUIP_PRNPROP) return FailWith(ERROR_INVALID_PARAMETER);
    if (!param) return FailWith(ERROR_INVALID_PARAMETER);
    plugin->hOemHeap = param->hOEMHeap;

    WCHAR *iniBuffer = static_cast<WCHAR *>(
        HeapAlloc(param->hOEMHeap, HEAP_ZERO_MEMORY, kPluginIniBufferBytes));
    if (!iniBuffer) return FailWith(ERROR_NOT_ENOUGH_MEMORY);
    PluginIni = iniBuffer;
    // The driver's information and each configuration file are read once
    // for the whole call.
    std::unique_ptr<DriverConfigSnapshot> config = TakeConfig(plugin, param);
    if (!config) return FailWith(ERROR_NOT_ENOUGH_MEMORY);
    if (!config->FindConfigFiles(PluginIni)) return E_FAIL;

    BuildHelpPath(*config);

    const bool asksItemCount = !param->pOEMOptItems;
    HRESULT result;
    if (mode == OEMCUIP_DOCPROP) {
        plugin->pDocCuipParam = param;
        result = RunDocumentStep(plugin, param, *config);
    } else {
        plugin->pPrnCuipParam = param;
        result = RunPrinterStep(plugin, param);
    }
    if (asksItemCount) plugin->pCountCallConfig = std::move(config);
    return result;
}
