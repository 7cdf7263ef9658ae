#include "driver/document_ui.h"

#include "driver/devmode_layout.h"

#include <cstdlib>
#include <cstring>

namespace {

// DrvGetDriverSetting takes either a keyword or a small OEMGDS_* number in
// the pointer itself; numbers lie below this bound.
constexpr ULONG_PTR kFeatureNumberLimit = 0x10000;
constexpr DWORD kSingleOption = 1;
constexpr DWORD kDefaultLanguageLevel = 2;

const char kGetSetting[] = "DrvGetDriverSetting";
const char kUpdateSetting[] = "DrvUpdateUISetting";
const char kPageChange[] = "page";

OEMUIPROCS HostProcs;

bool IsFeatureNumber(PCSTR feature) {
    return reinterpret_cast<ULONG_PTR>(feature) < kFeatureNumberLimit;
}

DWORD LanguageLevelOf(const PpdFile &ppd) {
    const long level = strtol(ppd.languageLevel.c_str(), nullptr, 10);
    return level > 0 ? static_cast<DWORD>(level) : kDefaultLanguageLevel;
}

// The OEMGDS_* answers; false for numbers the driver does not serve.
bool NumberSetting(const DocumentSettings &settings, ULONG_PTR feature, DWORD *value) {
    const StandardSettings &standard = settings.Standard();
    switch (feature) {
    case OEMGDS_PSDM_FLAGS: *value = 0; return true;
    case OEMGDS_PSDM_DIALECT: *value = standard.postScriptOutput; return true;
    case OEMGDS_PSDM_TTDLFMT: *value = standard.trueType; return true;
    case OEMGDS_PSDM_NUP: *value = standard.pageLayout; return true;
    case OEMGDS_PSDM_PSLEVEL: *value = LanguageLevelOf(settings.Ppd()); return true;
    case OEMGDS_PSDM_CUSTOMSIZE: *value = 0; return true;
    default: return false;
    }
}

// Copies the answer when it fits; the needed size is reported either way.
BOOL Deliver(const void *data, DWORD size, PVOID output, DWORD cbSize, PDWORD needed,
             PDWORD optionsReturned) {
    if (needed) *needed = size;
    if (!output || cbSize < size) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    memcpy(output, data, size);
    if (optionsReturned) *optionsReturned = kSingleOption;
    return TRUE;
}

std::string ConstraintText(const PpdConstraint &c) {
    std::string text = "*" + c.feature1;
    if (!c.option1.empty()) text += " " + c.option1;
    text += " *" + c.feature2;
    if (!c.option2.empty()) text += " " + c.option2;
    return text;
}

}  // namespace

DocumentUi::DocumentUi(const PrinterModel &model, const std::wstring &printerName)
    : printerName_(printerName), settings_(model), items_(settings_) {
    HostProcs.DrvGetDriverSetting = GetDriverSettingProc;
    HostProcs.DrvUpdateUISetting = UpdateUISettingProc;
    object_.object.cbSize = sizeof(OEMUIOBJ);
    object_.object.pOemUIProcs = &HostProcs;
    object_.owner = this;
}

DocumentUi *DocumentUiOf(PVOID driverObject) {
    auto *object = static_cast<DocumentUi::HostUiObject *>(driverObject);
    if (!object || object->object.pOemUIProcs != &HostProcs) return nullptr;
    return object->owner;
}

void DocumentUi::SetDevmode(HeapBlock devmode) {
    devmode_ = std::move(devmode);
    settings_.ReadDevmode(Devmode(), devmode_.Size());
    items_.Refresh(settings_);
    SyncDevmode();
}

BYTE *DocumentUi::PluginSection() const {
    return devmode_.Size() > kPluginSectionOffset ? devmode_.Bytes() + kPluginSectionOffset
                                                  : nullptr;
}

void DocumentUi::SyncDevmode() {
    if (devmode_.Size() >= kPluginSectionOffset) settings_.WriteDevmode(Devmode(), printerName_);
}

BOOL DocumentUi::GetDriverSetting(PCSTR feature, PVOID output, DWORD size, PDWORD needed,
                                  PDWORD optionsReturned) {
    DriverCall call;
    call.function = kGetSetting;
    if (!feature || !needed) {
        call.why = "bad argument";
        log_.Add(call);
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (IsFeatureNumber(feature)) {
        const ULONG_PTR number = reinterpret_cast<ULONG_PTR>(feature);
        call.feature = "#" + std::to_string(number);
        DWORD value = 0;
        if (!NumberSetting(settings_, number, &value)) {
            log_.Add(call);
            SetLastError(ERROR_NOT_SUPPORTED);
            return FALSE;
        }
        call.answer = std::to_string(value);
        call.result = Deliver(&value, sizeof(value), output, size, needed, optionsReturned) != FALSE;
        log_.Add(call);
        return call.result;
    }
    call.feature = feature;
    const size_t index = settings_.Ppd().FindFeature(feature);
    if (index == kPpdNotFound) {
        call.why = "no such feature";
        log_.Add(call);
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    // Option names come as a list of terminated strings; one here.
    const std::string &option = settings_.Selection().SelectedOption(index).keyword;
    call.answer = option;
    call.result = Deliver(option.c_str(), static_cast<DWORD>(option.size() + 1), output, size,
                          needed, optionsReturned) != FALSE;
    if (!call.result) call.why = "buffer of " + std::to_string(size) + " bytes";
    log_.Add(call);
    return call.result;
}

bool DocumentUi::ApplyItem(size_t index, DriverCall *call) {
    OPTITEM &item = items_.Items()[index];
    const ItemBinding &binding = items_.Binding(index);
    call->item = static_cast<long>(index);
    call->sel = item.Sel;
    call->restored = items_.CurrentSelection(index, settings_);
    if (binding.feature != kPpdNotFound) call->feature = settings_.Ppd().features[binding.feature].keyword;
    if (!items_.Accepts(index, item.Sel)) {
        call->why = "no such option";
    } else if (binding.feature != kPpdNotFound) {
        const PpdConstraint *conflict =
            settings_.Conflict(binding.feature, static_cast<size_t>(item.Sel));
        if (conflict) call->why = ConstraintText(*conflict);
    }
    if (!call->why.empty()) {
        item.Sel = call->restored;
        return false;
    }
    items_.Apply(index, &settings_);
    SyncDevmode();
    return true;
}

BOOL DocumentUi::UpdateUISetting(PVOID item, DWORD previousSelection, DWORD mode) {
    DriverCall call;
    call.function = kUpdateSetting;
    call.previous = previousSelection;
    call.mode = mode;
    const size_t index = items_.IndexOf(item);
    if (index == kPpdNotFound || mode != OEMCUIP_DOCPROP) {
        call.why = index == kPpdNotFound ? "not one of the driver's items" : "not a document item";
        if (index != kPpdNotFound) {
            call.item = static_cast<long>(index);
            call.restored = items_.CurrentSelection(index, settings_);
            items_.Items()[index].Sel = call.restored;
        }
        log_.Add(call);
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    call.result = ApplyItem(index, &call);
    log_.Add(call);
    return call.result;
}

bool DocumentUi::ChangeItem(size_t index, LONG sel) {
    DriverCall call;
    call.function = kPageChange;
    call.mode = OEMCUIP_DOCPROP;
    OPTITEM &item = items_.Items()[index];
    call.previous = static_cast<DWORD>(item.Sel);
    item.Sel = sel;
    item.Flags |= OPTIF_CHANGED;
    call.result = ApplyItem(index, &call);
    log_.Add(call);
    return call.result;
}

BOOL WINAPI DocumentUi::GetDriverSettingProc(PVOID driverObject, PCSTR feature, PVOID output,
                                             DWORD size, PDWORD needed,
                                             PDWORD optionsReturned) {
    DocumentUi *ui = DocumentUiOf(driverObject);
    if (!ui) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return ui->GetDriverSetting(feature, output, size, needed, optionsReturned);
}

BOOL WINAPI DocumentUi::UpdateUISettingProc(PVOID driverObject, PVOID item, DWORD previous,
                                            DWORD mode) {
    DocumentUi *ui = DocumentUiOf(driverObject);
    if (!ui) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return ui->UpdateUISetting(item, previous, mode);
}
