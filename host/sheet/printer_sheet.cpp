#include "sheet/printer_sheet.h"
#include "sheet/sheet_function.h"

#include "driver/driver_items.h"
#include "driver/driver_texts.h"
#include "host_text.h"

const WCHAR kDeviceSettingsTitle[] = L"Device Settings";

namespace {

// Item ids of the installable-option items: this base plus the feature's position.
constexpr ULONG_PTR kInstallableItemIdBase = 0x2000;
const char kUpdateSetting[] = "DrvUpdateUISetting";

std::string HResultText(HRESULT hr) {
    return hr == S_OK ? std::string("S_OK") : HexDword(static_cast<DWORD>(hr));
}

const char *ReasonName(WORD reason) {
    switch (reason) {
    case CPSUICB_REASON_SEL_CHANGED: return "SEL_CHANGED";
    case CPSUICB_REASON_APPLYNOW: return "APPLYNOW";
    case CPSUICB_REASON_OPTITEM_SETFOCUS: return "OPTITEM_SETFOCUS";
    case CPSUICB_REASON_SETACTIVE: return "SETACTIVE";
    case CPSUICB_REASON_KILLACTIVE: return "KILLACTIVE";
    default: return "other";
    }
}

}  // namespace

InstallableItems::InstallableItems(const PrinterModel &model) : model_(model) {
    const PpdFile &ppd = model.ppd;
    for (size_t f = 0; f < ppd.features.size(); ++f)
        if (ppd.features[f].group == kInstallableOptionsGroup) features_.push_back(f);
    items_.resize(features_.size());
    for (size_t i = 0; i < features_.size(); ++i) {
        const PpdFeature &feature = ppd.features[features_[i]];
        USERDATA &data = userData_.emplace_back();
        data = {};
        data.dwSize = sizeof(USERDATA);
        data.dwItemID = kInstallableItemIdBase + features_[i];
        data.pKeyWordName = keywords_.emplace_back(feature.keyword).data();
        std::vector<OPTPARAM> &params = params_.emplace_back(feature.options.size());
        LONG sel = static_cast<LONG>(feature.defaultIndex);
        for (size_t o = 0; o < feature.options.size(); ++o) {
            params[o] = {};
            params[o].cbSize = sizeof(OPTPARAM);
            const PpdOption &option = feature.options[o];
            params[o].pData = texts_.emplace_back(ModelText(model, option.translation)).data();
            for (const FeatureSetting &setting : model.installed)
                if (setting.feature == feature.keyword && setting.option == option.keyword)
                    sel = static_cast<LONG>(o);
        }
        OPTTYPE &type = types_.emplace_back();
        type = {};
        type.cbSize = sizeof(OPTTYPE);
        type.Type = TVOT_LISTBOX;
        type.Count = static_cast<WORD>(params.size());
        type.pOptParam = params.data();
        OPTITEM &item = items_[i];
        item = {};
        item.cbSize = sizeof(OPTITEM);
        item.pName = texts_.emplace_back(ModelText(model, feature.translation)).data();
        item.UserData = reinterpret_cast<ULONG_PTR>(&data);
        item.pOptType = &type;
        item.Sel = sel;
    }
}

size_t InstallableItems::IndexOf(const void *item) const {
    const OPTITEM *candidate = static_cast<const OPTITEM *>(item);
    if (!item || candidate < items_.data() || candidate >= items_.data() + items_.size())
        return kPpdNotFound;
    return static_cast<size_t>(candidate - items_.data());
}

std::string InstallableItems::OptionKeyword(size_t index) const {
    const PpdFeature &feature = model_.ppd.features[features_[index]];
    const LONG sel = items_[index].Sel;
    if (sel < 0 || static_cast<size_t>(sel) >= feature.options.size()) return "?";
    return feature.options[static_cast<size_t>(sel)].keyword;
}

std::vector<FeatureSetting> InstallableItems::Settings() const {
    std::vector<FeatureSetting> settings;
    for (size_t i = 0; i < items_.size(); ++i)
        settings.push_back({model_.ppd.features[features_[i]].keyword, OptionKeyword(i)});
    return settings;
}

PrinterSheet::PrinterSheet(PluginSession &session, CallLog &log)
    : session_(session), log_(log), items_(session.Model()),
      page_(*this, UserDriverTexts().deviceSettingsPage) {
    procs_.DrvGetDriverSetting = GetDriverSettingProc;
    procs_.DrvUpdateUISetting = UpdateUISettingProc;
    object_.object.cbSize = sizeof(OEMUIOBJ);
    object_.object.pOemUIProcs = &procs_;
    object_.owner = this;
}

PrinterSheet::~PrinterSheet() = default;

bool PrinterSheet::PrepareItems(std::string *error) {
    printerName_ = session_.PrinterName();
    title_ = WithPrinterName(UserDriverTexts().printerProperties, printerName_);
    IPrintOemUI2 *plugin = session_.Plugin();
    log_.Note("HideStandardUI(OEMCUIP_PRNPROP) -> " +
              HResultText(plugin->HideStandardUI(OEMCUIP_PRNPROP)));
    cuip_.cbSize = sizeof(cuip_);
    cuip_.poemuiobj = &object_.object;
    cuip_.hPrinter = session_.Printer();
    cuip_.pPrinterName = &printerName_[0];
    cuip_.hModule = session_.Module();
    cuip_.hOEMHeap = session_.OemHeap();
    HRESULT hr = plugin->CommonUIProp(OEMCUIP_PRNPROP, &cuip_);
    log_.Note("CommonUIProp(OEMCUIP_PRNPROP) without items -> " + HResultText(hr) + ", " +
              std::to_string(cuip_.cOEMOptItems) + " items wanted");
    if (FAILED(hr) || !cuip_.cOEMOptItems) {
        cuip_.cOEMOptItems = 0;
        return true;
    }
    pluginItems_ = static_cast<OPTITEM *>(
        HeapAlloc(session_.OemHeap(), HEAP_ZERO_MEMORY, cuip_.cOEMOptItems * sizeof(OPTITEM)));
    if (!pluginItems_) {
        *error = "out of memory for the plug-in's items";
        return false;
    }
    cuip_.pDrvOptItems = items_.Items();
    cuip_.cDrvOptItems = items_.Count();
    cuip_.pOEMOptItems = pluginItems_;
    hr = plugin->CommonUIProp(OEMCUIP_PRNPROP, &cuip_);
    log_.Note("CommonUIProp(OEMCUIP_PRNPROP) with " + std::to_string(cuip_.cDrvOptItems) +
              " driver items -> " + HResultText(hr) + ", " + std::to_string(cuip_.cOEMOptItems) +
              " plug-in items");
    if (FAILED(hr)) {
        cuip_.cOEMOptItems = 0;
        cuip_.OEMCUIPCallback = nullptr;
    }
    sheetParam_.cbSize = sizeof(sheetParam_);
    sheetParam_.poemuiobj = &object_.object;
    sheetParam_.hPrinter = session_.Printer();
    sheetParam_.pPrinterName = &printerName_[0];
    sheetParam_.hModule = session_.Module();
    sheetParam_.hOEMHeap = session_.OemHeap();
    sheetParam_.pOEMUserData = cuip_.pOEMUserData;
    sheetParam_.pOemEntry = this;
    return true;
}

bool PrinterSheet::Show(std::string *error) {
    DWORD result = 0;
    const LONG status = CommonPropertySheetUIW(nullptr, SheetFunction,
                                               reinterpret_cast<LPARAM>(this), &result);
    log_.Note("CommonPropertySheetUIW -> " + std::to_string(status));
    if (status < 0) {
        *error = "the property sheet did not open (" + std::to_string(status) + ")";
        return false;
    }
    return true;
}

LONG CALLBACK PrinterSheet::SheetFunction(PPROPSHEETUI_INFO info, LPARAM lParam) {
    auto *sheet = reinterpret_cast<PrinterSheet *>(info->lParamInit);
    return AnswerSheetReason(
        sheet->title_.c_str(), [sheet](PPROPSHEETUI_INFO init) { return sheet->InitSheet(init); },
        info, lParam);
}

LONG PrinterSheet::InitSheet(PPROPSHEETUI_INFO info) {
    PROPSHEETPAGEW page;
    page_.Describe(&page);
    if (!info->pfnComPropSheet(info->hComPropSheet, CPSFUNC_ADD_PROPSHEETPAGEW,
                               reinterpret_cast<LPARAM>(&page), 0))
        return 0;
    info->pfnComPropSheet(info->hComPropSheet, CPSFUNC_ADD_PFNPROPSHEETUIW,
                          reinterpret_cast<LPARAM>(PluginSheets),
                          reinterpret_cast<LPARAM>(&sheetParam_));
    info->Result = 1;
    return 1;
}

LONG CALLBACK PrinterSheet::PluginSheets(PPROPSHEETUI_INFO info, LPARAM lParam) {
    auto *param = reinterpret_cast<OEMUIPSPARAM *>(info->lParamInit);
    auto *sheet = static_cast<PrinterSheet *>(param->pOemEntry);
    const HRESULT hr = sheet->session_.Plugin()->DevicePropertySheets(info, lParam);
    sheet->log_.Note("DevicePropertySheets(reason " + std::to_string(info->Reason) + ") -> " +
                     HResultText(hr));
    return SUCCEEDED(hr) ? static_cast<LONG>(info->Result) : -1;
}

void PrinterSheet::SheetShown(HWND sheet) {
    if (shown_) return;
    shown_ = true;
    if (onShown) onShown(sheet);
}

bool PrinterSheet::ChangeDriverItem(size_t index, LONG sel) {
    OPTITEM &item = items_.Items()[index];
    if (!SelectionFits(item, sel)) return false;
    item.Sel = sel;
    item.Flags |= OPTIF_CHANGED;
    log_.Note("page item " + std::to_string(index) + " " + items_.Keyword(index) + " -> " +
              items_.OptionKeyword(index));
    return true;
}

LONG PrinterSheet::NotifyPlugin(WORD reason, HWND page, OPTITEM *current, LONG oldSel) {
    if (!cuip_.OEMCUIPCallback) return CPSUICB_ACTION_NONE;
    CPSUICBPARAM param = {};
    param.cbSize = sizeof(param);
    param.Reason = reason;
    param.hDlg = page;
    param.pOptItem = items_.Items();
    param.cOptItem = static_cast<WORD>(items_.Count());
    param.pCurItem = current ? current : param.pOptItem;
    param.OldSel = oldSel;
    const LONG action = cuip_.OEMCUIPCallback(&param, &cuip_);
    log_.Note(std::string("OEMCUIPCallback(") + ReasonName(reason) + ") -> " + std::to_string(action));
    return action;
}

bool PrinterSheet::Store(std::string *error) {
    std::vector<uint8_t> data = FormatFeatureKeywordData(items_.Settings(), kFeatureKeywordCapacity);
    DWORD size = static_cast<DWORD>(data.size());
    DWORD status = SetPrinterDataW(session_.Printer(), const_cast<WCHAR *>(kFeatureKeywordSizeValue),
                                   REG_DWORD, reinterpret_cast<BYTE *>(&size), sizeof(size));
    if (status == ERROR_SUCCESS)
        status = SetPrinterDataW(session_.Printer(), const_cast<WCHAR *>(kFeatureKeywordValue),
                                 REG_BINARY, data.data(), size);
    if (status != ERROR_SUCCESS) {
        *error = "cannot store the installable options: " + Win32ErrorText(status);
        return false;
    }
    log_.Note("stored the installable options");
    return true;
}

BOOL PrinterSheet::UpdateUISetting(PVOID item, DWORD previousSelection, DWORD mode) {
    DriverCall call;
    call.function = kUpdateSetting;
    call.previous = previousSelection;
    call.mode = mode;
    const size_t index = items_.IndexOf(item);
    if (index != kPpdNotFound) {
        OPTITEM &target = items_.Items()[index];
        call.item = static_cast<long>(index);
        call.feature = items_.Keyword(index);
        call.sel = target.Sel;
        call.restored = static_cast<LONG>(previousSelection);
        if (mode != OEMCUIP_PRNPROP) call.why = "not a printer item";
        else if (!SelectionFits(target, target.Sel)) call.why = "no such option";
        call.result = call.why.empty();
        if (!call.result) target.Sel = static_cast<LONG>(previousSelection);
    } else {
        call.why = "not one of the driver's items";
    }
    log_.Add(call);
    if (!call.result) SetLastError(ERROR_INVALID_PARAMETER);
    return call.result;
}

BOOL WINAPI PrinterSheet::GetDriverSettingProc(PVOID, PCSTR, PVOID, DWORD, PDWORD, PDWORD) {
    SetLastError(ERROR_NOT_SUPPORTED);
    return FALSE;
}

BOOL WINAPI PrinterSheet::UpdateUISettingProc(PVOID driverObject, PVOID item, DWORD previous,
                                              DWORD mode) {
    auto *object = static_cast<HostUiObject *>(driverObject);
    if (!object || object->object.pOemUIProcs != &object->owner->procs_) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return object->owner->UpdateUISetting(item, previous, mode);
}

std::string DescribeItems(InstallableItems &items) {
    std::string text;
    for (DWORD i = 0; i < items.Count(); ++i)
        text += "  " + items.Keyword(i) + ": " + items.OptionKeyword(i) + "\n";
    return text;
}

std::string DescribeFeatureKeyword(HANDLE printer) {
    std::string text;
    for (const FeatureSetting &setting : ReadPrinterFeatureKeyword(printer))
        text += "  " + setting.feature + "=" + setting.option + "\n";
    return text.empty() ? "  (none)\n" : text;
}
