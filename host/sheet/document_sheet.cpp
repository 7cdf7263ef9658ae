#include "sheet/document_sheet.h"
#include "sheet/sheet_function.h"
#include "sheet/variant_pages.h"

#include "driver/driver_texts.h"
#include "file_io.h"
#include "host_text.h"

#include <winspool.h>

namespace {

constexpr DWORD kUserDefaultLevel = 9;
constexpr DWORD kGlobalDefaultLevel = 8;

std::string HResultText(HRESULT hr) {
    return hr == S_OK ? std::string("S_OK") : HexDword(static_cast<DWORD>(hr));
}

// Document properties in the DOCUMENTPROPERTYHEADER fMode sense.
DWORD SheetMode(const SheetOptions &options) {
    DWORD mode = DM_IN_BUFFER | DM_IN_PROMPT | DM_OUT_BUFFER;
    if (options.noPermission) mode |= DM_NOPERMISSION;
    return mode;
}

}  // namespace

DocumentSheet::DocumentSheet(PluginSession &session, DocumentUi &ui)
    : session_(session), ui_(ui), page_(*this, UserDriverTexts().optionsPage) {}

bool DocumentSheet::PrepareItems(const SheetOptions &options, std::string *error) {
    options_ = options;
    printerName_ = session_.PrinterName();
    title_ = WithPrinterName(UserDriverTexts().documentProperties, printerName_);
    IPrintOemUI2 *plugin = session_.Plugin();
    Note("HideStandardUI(OEMCUIP_DOCPROP) -> " + HResultText(plugin->HideStandardUI(OEMCUIP_DOCPROP)));

    cuip_.cbSize = sizeof(cuip_);
    cuip_.poemuiobj = ui_.UiObject();
    cuip_.hPrinter = session_.Printer();
    cuip_.pPrinterName = &printerName_[0];
    cuip_.hModule = session_.Module();
    cuip_.hOEMHeap = session_.OemHeap();
    cuip_.pPublicDM = ui_.Devmode();
    cuip_.pOEMDM = ui_.PluginSection();
    cuip_.dwFlags = SheetMode(options);
    HRESULT hr = plugin->CommonUIProp(OEMCUIP_DOCPROP, &cuip_);
    Note("CommonUIProp(OEMCUIP_DOCPROP) without items -> " + HResultText(hr) + ", " +
         std::to_string(cuip_.cOEMOptItems) + " items wanted");
    if (FAILED(hr)) {
        cuip_.cOEMOptItems = 0;
        return true;
    }
    // The array is there even when the plug-in wants no items: the second
    // call is told from the first by it.
    const size_t wanted = cuip_.cOEMOptItems ? cuip_.cOEMOptItems : 1;
    pluginItems_ = static_cast<OPTITEM *>(
        HeapAlloc(session_.OemHeap(), HEAP_ZERO_MEMORY, wanted * sizeof(OPTITEM)));
    if (!pluginItems_) {
        *error = "out of memory for the plug-in's items";
        return false;
    }
    cuip_.pDrvOptItems = ui_.Items().Items();
    cuip_.cDrvOptItems = ui_.Items().Count();
    cuip_.pOEMOptItems = pluginItems_;
    hr = plugin->CommonUIProp(OEMCUIP_DOCPROP, &cuip_);
    Note("CommonUIProp(OEMCUIP_DOCPROP) with " + std::to_string(cuip_.cDrvOptItems) +
         " driver items -> " + HResultText(hr) + ", " + std::to_string(cuip_.cOEMOptItems) +
         " plug-in items");
    if (FAILED(hr)) {
        cuip_.cOEMOptItems = 0;
        cuip_.OEMCUIPCallback = nullptr;
    }

    sheetParam_.cbSize = sizeof(sheetParam_);
    sheetParam_.poemuiobj = ui_.UiObject();
    sheetParam_.hPrinter = session_.Printer();
    sheetParam_.pPrinterName = &printerName_[0];
    sheetParam_.hModule = session_.Module();
    sheetParam_.hOEMHeap = session_.OemHeap();
    sheetParam_.pPublicDM = ui_.Devmode();
    sheetParam_.pOEMDM = ui_.PluginSection();
    sheetParam_.pOEMUserData = cuip_.pOEMUserData;
    sheetParam_.dwFlags = cuip_.dwFlags;
    sheetParam_.pOemEntry = this;
    return true;
}

bool DocumentSheet::Show(std::string *error) {
    DWORD result = 0;
    const LONG status = CommonPropertySheetUIW(options_.parent, SheetFunction,
                                               reinterpret_cast<LPARAM>(this), &result);
    window_ = nullptr;
    Note("CommonPropertySheetUIW -> " + std::to_string(status));
    if (status < 0) {
        *error = "the property sheet did not open (" + std::to_string(status) + ")";
        return false;
    }
    return true;
}

namespace {

// The compstui function the plug-in's pages go to while they are added in
// the variant layouts, and how many it added so far.
PFNCOMPROPSHEET ForwardComPropSheet;
int VariantPagesAdded;

const DLGTEMPLATE *VariantLayout(int pageIndex) {
    const UINT ids[] = {IDD_HOST_VARIANT_JOB_OPTIONS, IDD_HOST_VARIANT_COLOR};
    if (pageIndex < 0 || pageIndex >= static_cast<int>(sizeof(ids) / sizeof(ids[0]))) return nullptr;
    HMODULE host = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(host, MAKEINTRESOURCEW(ids[pageIndex]), RT_DIALOG);
    HGLOBAL loaded = found ? LoadResource(host, found) : nullptr;
    return loaded ? static_cast<const DLGTEMPLATE *>(LockResource(loaded)) : nullptr;
}

LONG_PTR CALLBACK VariantComPropSheet(HANDLE sheet, UINT function, LPARAM lParam1, LPARAM lParam2) {
    if (function != CPSFUNC_ADD_PROPSHEETPAGEW || !lParam1)
        return ForwardComPropSheet(sheet, function, lParam1, lParam2);
    PROPSHEETPAGEW page = *reinterpret_cast<const PROPSHEETPAGEW *>(lParam1);
    if (const DLGTEMPLATE *layout = VariantLayout(VariantPagesAdded++)) {
        page.dwFlags |= PSP_DLGINDIRECT;
        page.pResource = layout;
    }
    return ForwardComPropSheet(sheet, function, reinterpret_cast<LPARAM>(&page), lParam2);
}

HRESULT AddPagesInVariantLayouts(IPrintOemUI2 *plugin, PPROPSHEETUI_INFO info, LPARAM lParam) {
    ForwardComPropSheet = info->pfnComPropSheet;
    VariantPagesAdded = 0;
    PROPSHEETUI_INFO variant = *info;
    variant.pfnComPropSheet = VariantComPropSheet;
    const HRESULT hr = plugin->DocumentPropertySheets(&variant, lParam);
    info->UserData = variant.UserData;
    info->Result = variant.Result;
    return hr;
}

}  // namespace

LONG CALLBACK DocumentSheet::SheetFunction(PPROPSHEETUI_INFO info, LPARAM lParam) {
    auto *sheet = reinterpret_cast<DocumentSheet *>(info->lParamInit);
    return AnswerSheetReason(
        sheet->title_.c_str(), [sheet](PPROPSHEETUI_INFO init) { return sheet->InitSheet(init); },
        info, lParam);
}

LONG DocumentSheet::InitSheet(PPROPSHEETUI_INFO info) {
    PROPSHEETPAGEW page;
    page_.Describe(&page);
    const LONG_PTR added = info->pfnComPropSheet(info->hComPropSheet, CPSFUNC_ADD_PROPSHEETPAGEW,
                                                 reinterpret_cast<LPARAM>(&page), 0);
    if (!added) return 0;
    const LONG_PTR plugin =
        info->pfnComPropSheet(info->hComPropSheet, CPSFUNC_ADD_PFNPROPSHEETUIW,
                              reinterpret_cast<LPARAM>(PluginSheets),
                              reinterpret_cast<LPARAM>(&sheetParam_));
    Note(std::string("CPSFUNC_ADD_PFNPROPSHEETUIW -> ") + (plugin ? "added" : "no pages"));
    info->Result = 1;
    return 1;
}

LONG CALLBACK DocumentSheet::PluginSheets(PPROPSHEETUI_INFO info, LPARAM lParam) {
    auto *param = reinterpret_cast<OEMUIPSPARAM *>(info->lParamInit);
    auto *sheet = static_cast<DocumentSheet *>(param->pOemEntry);
    const HRESULT hr = sheet->options_.variantPages && info->Reason == PROPSHEETUI_REASON_INIT
                           ? AddPagesInVariantLayouts(sheet->session_.Plugin(), info, lParam)
                           : sheet->session_.Plugin()->DocumentPropertySheets(info, lParam);
    sheet->Note("DocumentPropertySheets(reason " + std::to_string(info->Reason) + ") -> " +
                HResultText(hr));
    return static_cast<LONG>(hr);
}

void DocumentSheet::SheetShown(HWND sheet) {
    window_ = sheet;
    if (shown_) return;
    shown_ = true;
    if (options_.onShown) options_.onShown(sheet);
}

LONG DocumentSheet::NotifyPlugin(WORD reason, HWND page, OPTITEM *current, LONG oldSel) {
    if (!cuip_.OEMCUIPCallback) return CPSUICB_ACTION_NONE;
    CPSUICBPARAM param = {};
    param.cbSize = sizeof(param);
    param.Reason = reason;
    param.hDlg = page;
    param.pOptItem = ui_.Items().Items();
    param.cOptItem = static_cast<WORD>(ui_.Items().Count());
    param.pCurItem = current ? current : param.pOptItem;
    param.OldSel = oldSel;
    const LONG action = cuip_.OEMCUIPCallback(&param, &cuip_);
    Note("OEMCUIPCallback(reason " + std::to_string(reason) + ") -> " + std::to_string(action));
    return action;
}

bool DocumentSheet::Store(std::string *error) {
    DEVMODEW *devmode = ui_.Devmode();
    const size_t bytes = size_t(devmode->dmSize) + devmode->dmDriverExtra;
    if (!options_.outFile.empty()) {
        if (!WriteWholeFile(options_.outFile, reinterpret_cast<const BYTE *>(devmode), bytes, error))
            return false;
        ++stores_;
        Note("stored " + std::to_string(bytes) + " bytes in " + Utf8(options_.outFile));
        return true;
    }
    if (options_.noPermission) {
        Note("not stored: no permission to change the printer's settings");
        return true;
    }
    PRINTER_INFO_9W userDefault = {devmode};
    PRINTER_INFO_8W globalDefault = {devmode};
    if (SetPrinterW(session_.Printer(), kUserDefaultLevel, reinterpret_cast<BYTE *>(&userDefault), 0) ||
        SetPrinterW(session_.Printer(), kGlobalDefaultLevel,
                    reinterpret_cast<BYTE *>(&globalDefault), 0)) {
        ++stores_;
        Note("stored " + std::to_string(bytes) + " bytes as the printer's default");
        return true;
    }
    *error = "cannot store the printer's default DEVMODE: " + Win32ErrorText(GetLastError());
    return false;
}
