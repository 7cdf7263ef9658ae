#include "core/common_ui_prop.h"

#include "core/driver_config.h"
#include "core/oem_ui_plugin.h"
#include "core/os_version.h"
#include "optiontree/option_tree.h"
#include "printer/printer_ui.h"

WCHAR *PluginIni;

namespace {

const WCHAR kDependentFilesSection[] = L"DependentFiles";
const WCHAR kHelpKey[] = L"HELP";
const WCHAR kHtmlHelpKey[] = L"HTMLHELP";
constexpr DWORD kHtmlHelpMajorVersion = 6;
constexpr DWORD kHelpNameChars = MAX_PATH + 1;

HRESULT FailWith(DWORD error) {
    SetLastError(error);
    return E_FAIL;
}

void BuildHelpPath() {
    const DWORD major = ReadOsVersion().dwMajorVersion;
    WCHAR name[kHelpNameChars];
    GetPrivateProfileStringW(kDependentFilesSection,
                             major < kHtmlHelpMajorVersion ? kHelpKey : kHtmlHelpKey, L"", name,
                             kHelpNameChars, PluginIni);
    DWORD bytes = kHelpPathBytes;
    BuildDriverFilePath(HelpFilePath, &bytes, name);
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
    if (!FindDriverConfigFiles(param->hPrinter, PluginIni)) return E_FAIL;

    BuildHelpPath();

    if (mode == OEMCUIP_DOCPROP) {
        plugin->pDocCuipParam = param;
        return RunDocumentStep(plugin, param);
    }
    plugin->pPrnCuipParam = param;
    return RunPrinterStep(plugin, param);
}
