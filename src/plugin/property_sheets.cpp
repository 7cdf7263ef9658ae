#include "plugin/property_sheets.h"
#include "core/config_key_text.h"

#include "color/color_page.h"
#include "core/context_help.h"
#include "core/dialog_utils.h"
#include "core/doc_ui_state.h"
#include "core/driver_config.h"
#include "core/localized_resources.h"
#include "core/oem_ui_plugin.h"
#include "core/page_layout_rules.h"
#include "core/plugin_module.h"
#include "core/win_holders.h"
#include "joboptions/job_options_page.h"
#include "printer/printer_ui.h"
#include "printer/prn_ui_state.h"
#include "resources/resource_ids.h"

#include <shellapi.h>

namespace {

constexpr WORD kSheetInfoVersion = 0x100;
constexpr UINT kLinkPageTemplate = 800;
constexpr UINT kLinkPageIcon = 1102;
constexpr UINT kLinkPagePicture = 1001;
constexpr UINT kLinkPageButton = 1002;
constexpr UINT kLinkPageLogo = 1101;
constexpr UINT kLinkPictureBitmap = 1100;
constexpr UINT kLinkLogoBitmap = 1003;
constexpr DWORD kLinkValueChars = MAX_PATH;
constexpr DWORD kDriverInfoBytes = 1024;
constexpr DWORD kLayoutValueChars = 64;

const WCHAR kDeviceSheetTitle[] = L"OEM UI Page";

HRESULT FailWith(DWORD error) {
    SetLastError(error);
    return E_FAIL;
}

bool ValidSheetInfo(const PROPSHEETUI_INFO *info) {
    return info && info->Version == kSheetInfoVersion;
}

// Every page is created within the plug-in's activation context, as its
// dialogs are.
HANDLE AddPage(DocUiState *state, PROPSHEETPAGEW *page) {
    const HANDLE context = PluginActivationContext();
    if (context != INVALID_HANDLE_VALUE) {
        page->dwFlags |= PSP_USEFUSIONCONTEXT;
        page->hActCtx = context;
    }
    return reinterpret_cast<HANDLE>(state->pfnComPropSheet(
        state->hComPropSheet, CPSFUNC_ADD_PROPSHEETPAGEW, reinterpret_cast<LPARAM>(page), 0));
}

// A plug-in page from its template in the user's language, or by id.
HANDLE AddPluginPage(DocUiState *state, UINT templateId, DLGPROC procedure) {
    PROPSHEETPAGEW page;
    ZeroMemory(&page, sizeof(page));
    page.dwSize = sizeof(page);
    page.hInstance = PluginModule;
    const DLGTEMPLATE *localized = LoadLocalizedTemplate(templateId);
    if (localized) {
        page.dwFlags = PSP_DLGINDIRECT;
        page.pResource = localized;
    } else {
        page.pszTemplate = MAKEINTRESOURCEW(templateId);
    }
    page.pfnDlgProc = procedure;
    page.lParam = reinterpret_cast<LPARAM>(state);
    return AddPage(state, &page);
}

// The folder of the plug-in ini: the path up to the backslash before its
// first '.'. The sheet's CommonUIProp found the path for this printer
// already; only without it are the driver's files asked again.
bool PluginIniFolder(const DocUiState *state, HANDLE printer, WCHAR *folder) {
    folder[0] = 0;
    if (state->pPluginIni)
        lstrcpynW(folder, state->pPluginIni, kConfigPathChars);
    else if (!FindDriverConfigFiles(printer, folder))
        return false;
    WCHAR *dot = wcschr(folder, L'.');
    if (!dot) return false;
    WCHAR *cut = nullptr;
    for (WCHAR *p = folder; p < dot; ++p)
        if (*p == L'\\') cut = p;
    if (!cut) return false;
    cut[1] = 0;
    return true;
}

bool LoadLinkPageLibrary(const DocUiState *state, HANDLE printer, const WCHAR *libraryName) {
    if (LinkPageLibrary) return true;
    WCHAR path[kConfigPathChars + kLinkValueChars];
    if (!PluginIniFolder(state, printer, path)) return false;
    if (wcslen(path) + wcslen(libraryName) >= ARRAYSIZE(path)) return false;
    wcscat(path, libraryName);
    LinkPageLibrary = LoadLibraryW(path);
    return LinkPageLibrary != nullptr;
}

INT_PTR CALLBACK LinkPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

void AddLinkPage(DocUiState *state) {
    const POEMUIPSPARAM sheet = state->pOemUiPsParam;
    // The model keys and the plug-in ini path the sheet kept answer without
    // the printer; it is opened by name only when one of them is missing.
    SpoolerPrinter printer;
    HANDLE lookup = nullptr;
    if (!state->pModelKeys || !state->pPluginIni) {
        const bool opened = sheet && printer.Open(sheet->pPrinterName, PRINTER_ACCESS_USE);
        lookup = opened ? printer.Get() : (sheet ? sheet->hPrinter : nullptr);
    }
    WCHAR address[kLinkValueChars] = L"";
    WCHAR library[kLinkValueChars] = L"";
    ReadKeptCapabilityString(state->pModelKeys, lookup, KeyText(kKeyAskTvxUrl), address,
                             kLinkValueChars);
    ReadKeptCapabilityString(state->pModelKeys, lookup, KeyText(kKeyAskTvxRes), library,
                             kLinkValueChars);
    if (!address[0] || !library[0]) return;
    if (!LoadLinkPageLibrary(state, lookup, library)) return;

    PROPSHEETPAGEW page;
    ZeroMemory(&page, sizeof(page));
    page.dwSize = sizeof(page);
    page.dwFlags = PSP_USEHICON;
    page.hInstance = LinkPageLibrary;
    page.pszTemplate = MAKEINTRESOURCEW(kLinkPageTemplate);
    page.hIcon = LoadIconW(LinkPageLibrary, MAKEINTRESOURCEW(kLinkPageIcon));
    page.pfnDlgProc = LinkPageProc;
    page.lParam = reinterpret_cast<LPARAM>(state);
    state->hLinkPage = AddPage(state, &page);
}

// The model's capability section may choose the extended page layouts.
PageTemplates ModelPageTemplates(const DocUiState *state) {
    WCHAR layout[kLayoutValueChars] = L"";
    const POEMUIPSPARAM sheet = state->pOemUiPsParam;
    if (sheet && sheet->hPrinter)
        ReadKeptCapabilityString(state->pModelKeys, sheet->hPrinter, KeyText(kKeyTabLayout), layout,
                                 kLayoutValueChars);
    return ChoosePageTemplates(reinterpret_cast<const char16_t *>(layout));
}

HRESULT InitDocumentSheet(OemUiPlugin *plugin, PPROPSHEETUI_INFO info) {
    DocUiState *state = plugin->pDocUiState;
    if (!state) return FailWith(ERROR_INVALID_PARAMETER);
    state->hComPropSheet = info->hComPropSheet;
    state->pfnComPropSheet = info->pfnComPropSheet;
    state->pOemUiPsParam = reinterpret_cast<POEMUIPSPARAM>(info->lParamInit);
    const PageTemplates templates = ModelPageTemplates(state);
    state->hJobOptionsPage = AddPluginPage(state, templates.jobOptions, JobOptionsPageProc);
    if (SlotPresent(state, kSlotColor))
        state->hColorPage = AddPluginPage(state, templates.color, ColorPageProc);
    AddLinkPage(state);
    info->Result = 1;
    return static_cast<HRESULT>(info->Result);
}

void OpenLinkAddress(HWND page, const DocUiState *state) {
    const POEMUIPSPARAM sheet = state ? state->pOemUiPsParam : nullptr;
    if (!sheet) return;
    WCHAR address[kLinkValueChars] = L"";
    ReadKeptCapabilityString(state->pModelKeys, sheet->hPrinter, KeyText(kKeyAskTvxUrl), address,
                             kLinkValueChars);
    if (address[0]) ShellExecuteW(page, nullptr, address, nullptr, nullptr, SW_SHOWNORMAL);
}

INT_PTR CALLBACK LinkPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: {
        const PROPSHEETPAGEW *sheetPage = reinterpret_cast<const PROPSHEETPAGEW *>(lParam);
        SetWindowLongPtrW(page, DWLP_USER, sheetPage->lParam);
        DrawFramedDib(page, LinkPageLibrary, kLinkPictureBitmap, kLinkPagePicture);
        SheetVisitFlags |= kPluginPageInitialised;
        return TRUE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) != kLinkPageButton) return FALSE;
        OpenLinkAddress(page, reinterpret_cast<DocUiState *>(GetWindowLongPtrW(page, DWLP_USER)));
        return TRUE;
    case WM_DRAWITEM:
        if (wParam == kLinkPagePicture)
            DrawFramedDib(page, LinkPageLibrary, kLinkPictureBitmap, kLinkPagePicture);
        else if (wParam == kLinkPageLogo)
            DrawTransparentBitmap(page, LinkPageLibrary, kLinkPageLogo, kLinkLogoBitmap);
        return TRUE;
    case WM_NOTIFY:
        if (reinterpret_cast<const NMHDR *>(lParam)->code == PSN_SETACTIVE)
            DrawFramedDib(page, LinkPageLibrary, kLinkPictureBitmap, kLinkPagePicture);
        return FALSE;
    case WM_ACTIVATE:
        DrawFramedDib(page, LinkPageLibrary, kLinkPictureBitmap, kLinkPagePicture);
        return FALSE;
    default:
        return HandleContextHelpMessage(message, wParam, lParam, TRUE, TRUE);
    }
}

LONG_PTR SetResultOf(LPARAM lParam) {
    const SETRESULT_INFO *result = reinterpret_cast<const SETRESULT_INFO *>(lParam);
    return result ? result->Result : 0;
}

}  // namespace

HRESULT RunDocumentPropertySheets(OemUiPlugin *plugin, PPROPSHEETUI_INFO info, LPARAM lParam) {
    if (!ValidSheetInfo(info)) return FailWith(ERROR_INVALID_PARAMETER);
    switch (info->Reason) {
    case PROPSHEETUI_REASON_INIT:
        return InitDocumentSheet(plugin, info);
    case PROPSHEETUI_REASON_DESTROY:
        info->Result = 1;
        return static_cast<HRESULT>(info->Result);
    case PROPSHEETUI_REASON_SET_RESULT:
        info->Result = SetResultOf(lParam);
        return static_cast<HRESULT>(info->Result);
    default:
        info->Result = 1;
        return S_OK;
    }
}

HRESULT RunDevicePropertySheets(OemUiPlugin *plugin, PPROPSHEETUI_INFO info, LPARAM lParam) {
    if (!ValidSheetInfo(info)) return FailWith(ERROR_INVALID_PARAMETER);
    switch (info->Reason) {
    case PROPSHEETUI_REASON_INIT:
        KeepPrinterSheet(plugin->pPrnUiState, info);
        info->Result = 1;
        break;
    case PROPSHEETUI_REASON_GET_INFO_HEADER: {
        PROPSHEETUI_INFO_HEADER *header = reinterpret_cast<PROPSHEETUI_INFO_HEADER *>(lParam);
        if (header) header->pTitle = const_cast<WCHAR *>(kDeviceSheetTitle);
        info->Result = 1;
        break;
    }
    case PROPSHEETUI_REASON_DESTROY:
        ReleasePrnUiState(plugin->pPrnUiState);
        info->Result = 1;
        break;
    case PROPSHEETUI_REASON_SET_RESULT:
        info->Result = SetResultOf(lParam);
        break;
    case PROPSHEETUI_REASON_GET_ICON:
        info->Result = 0;
        break;
    default:
        info->Result = 1;
        break;
    }
    return S_OK;
}
