#include "plugin/common_ui_prop.h"

#include "core/config_key_text.h"
#include "core/context_help.h"
#include "core/driver_config.h"
#include "core/oem_ui_plugin.h"
#include "core/os_version.h"
#include "optiontree/option_tree.h"
#include "printer/printer_ui.h"

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
    DriverConfigSnapshot config(param->hPrinter);
    if (!config.FindConfigFiles(PluginIni)) return E_FAIL;

    BuildHelpPath(config);

    if (mode == OEMCUIP_DOCPROP) {
        plugin->pDocCuipParam = param;
        return RunDocumentStep(plugin, param, config);
    }
    plugin->pPrnCuipParam = param;
    return RunPrinterStep(plugin, param);
}
