#include "driver/described_driver.h"

#include "driver/driver_items.h"

#include <cstring>

namespace {

// Room for every tree a caller describes before the plug-in sees it.
constexpr size_t kReservedItems = 128;
const WCHAR kStandardName[] = L"standard";
const WCHAR kFeatureName[] = L"feature";
const WCHAR kOutputName[] = L"output";

}  // namespace

DescribedDriver::DescribedDriver() {
    store_.Reserve(kReservedItems);
    procs_.DrvUpdateUISetting = UpdateUISetting;
    procs_.DrvGetDriverSetting = GetDriverSetting;
    object_.object.cbSize = sizeof(OEMUIOBJ);
    object_.object.pOemUIProcs = &procs_;
    object_.owner = this;
}

DWORD DescribedDriver::AddNamed(BYTE dmPubId, LONG sel, const char *keyword, const WCHAR *name,
                                const std::vector<std::wstring> &options) {
    ItemDescription item;
    item.dmPubId = dmPubId;
    item.sel = sel;
    item.keyword = keyword;
    item.name = store_.Text(name);
    item.options = options;
    return store_.Add(item);
}

DWORD DescribedDriver::AddStandard(BYTE dmPubId, LONG sel, const std::vector<std::wstring> &options) {
    return AddNamed(dmPubId, sel, nullptr, kStandardName, options);
}

DWORD DescribedDriver::AddFeature(const char *keyword, LONG sel,
                                  const std::vector<std::wstring> &options) {
    return AddNamed(DMPUB_NONE, sel, keyword, kFeatureName, options);
}

DWORD DescribedDriver::AddMirror(LONG sel) {
    ItemDescription item;
    item.sel = sel;
    item.name = MAKEINTRESOURCEW(kMirroredOutputNameId);
    return store_.Add(item);
}

DWORD DescribedDriver::AddPostScriptOutput(LONG sel) {
    ItemDescription item;
    item.sel = sel;
    item.itemId = kPostScriptOutputItemId;
    item.name = store_.Text(kOutputName);
    return store_.Add(item);
}

DWORD DescribedDriver::AddRange(BYTE dmPubId, LONG sel, LONG lower, LONG upper) {
    ItemDescription item;
    item.dmPubId = dmPubId;
    item.sel = sel;
    item.name = store_.Text(kStandardName);
    return store_.AddRange(item, L"", lower, upper);
}

const WCHAR *DescribedDriver::OptionName(DWORD item, DWORD option) const {
    return store_.Item(item).pOptType->pOptParam[option].pData;
}

BYTE DescribedDriver::OptionFlags(DWORD item, DWORD option) const {
    return store_.Item(item).pOptType->pOptParam[option].Flags;
}

void DescribedDriver::Attach(OEMCUIPPARAM *param) {
    param->poemuiobj = &object_.object;
    param->pDrvOptItems = store_.Items();
    param->cDrvOptItems = store_.Count();
}

BOOL WINAPI DescribedDriver::GetDriverSetting(PVOID driverObject, PCSTR feature, PVOID output,
                                              DWORD size, PDWORD needed, PDWORD optionsReturned) {
    const DescribedDriver *driver = static_cast<UiObjectOf *>(driverObject)->owner;
    if (IS_INTRESOURCE(feature)) return FALSE;
    const auto found = driver->settings_.find(feature);
    if (found == driver->settings_.end()) return FALSE;
    const DWORD bytes = static_cast<DWORD>(found->second.size() + 1);
    if (needed) *needed = bytes;
    if (optionsReturned) *optionsReturned = 1;
    if (!output || size < bytes) return FALSE;
    std::memcpy(output, found->second.c_str(), bytes);
    return TRUE;
}

BOOL WINAPI DescribedDriver::UpdateUISetting(PVOID driverObject, PVOID item, DWORD previous,
                                             DWORD mode) {
    DescribedDriver *driver = static_cast<UiObjectOf *>(driverObject)->owner;
    const OPTITEM *optItem = static_cast<const OPTITEM *>(item);
    const DWORD index = static_cast<DWORD>(driver->store_.IndexOf(optItem));
    driver->calls.push_back(
        {index, optItem->Sel, previous, mode, (optItem->Flags & OPTIF_HIDE) != 0});
    return driver->refused_.count(index) ? FALSE : TRUE;
}
