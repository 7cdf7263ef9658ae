#include "support/driver_tree.h"

#include <cstring>

namespace {

constexpr size_t kMaxItems = 128;
constexpr ULONG_PTR kMirrorNameId = 423;
constexpr ULONG_PTR kPostScriptOutputId = 25;

}  // namespace

DriverTree::DriverTree() {
    items_.reserve(kMaxItems);
    procs_.DrvUpdateUISetting = UpdateUISetting;
    procs_.DrvGetDriverSetting = GetDriverSetting;
    driver_.object.cbSize = sizeof(OEMUIOBJ);
    driver_.object.pOemUIProcs = &procs_;
    driver_.tree = this;
}

DWORD DriverTree::Add(BYTE dmPubId, LONG sel, const char *keyword, ULONG_PTR itemId, LPWSTR name,
                      const std::vector<std::wstring> &options) {
    OPTITEM item = {};
    item.cbSize = sizeof(OPTITEM);
    item.DMPubID = dmPubId;
    item.Sel = sel;
    item.pName = name;
    if (keyword || itemId) {
        USERDATA &data = userData_.emplace_back();
        data = {};
        data.dwSize = sizeof(USERDATA);
        data.dwItemID = itemId;
        if (keyword) data.pKeyWordName = keywords_.emplace_back(keyword).data();
        item.UserData = reinterpret_cast<ULONG_PTR>(&data);
    }
    if (!options.empty()) {
        std::vector<OPTPARAM> &params = params_.emplace_back(options.size());
        for (size_t i = 0; i < options.size(); ++i) {
            params[i].cbSize = sizeof(OPTPARAM);
            params[i].pData = names_.emplace_back(options[i]).data();
        }
        OPTTYPE &type = types_.emplace_back();
        type = {};
        type.cbSize = sizeof(OPTTYPE);
        type.Type = TVOT_LISTBOX;
        type.Count = static_cast<WORD>(options.size());
        type.pOptParam = params.data();
        item.pOptType = &type;
    }
    items_.push_back(item);
    return static_cast<DWORD>(items_.size() - 1);
}

DWORD DriverTree::AddStandard(BYTE dmPubId, LONG sel, const std::vector<std::wstring> &options) {
    return Add(dmPubId, sel, nullptr, 0, names_.emplace_back(L"standard").data(), options);
}

DWORD DriverTree::AddFeature(const char *keyword, LONG sel, const std::vector<std::wstring> &options) {
    return Add(0, sel, keyword, 0, names_.emplace_back(L"feature").data(), options);
}

DWORD DriverTree::AddMirror(LONG sel) {
    return Add(0, sel, nullptr, 0, reinterpret_cast<LPWSTR>(kMirrorNameId), {});
}

DWORD DriverTree::AddPostScriptOutput(LONG sel) {
    return Add(0, sel, nullptr, kPostScriptOutputId, names_.emplace_back(L"output").data(), {});
}

DWORD DriverTree::AddRange(BYTE dmPubId, LONG sel, LONG lower, LONG upper) {
    const DWORD index = AddStandard(dmPubId, sel, {L"", L""});
    OPTTYPE *type = items_[index].pOptType;
    type->Type = TVOT_UDARROW;
    type->pOptParam[1].IconID = static_cast<ULONG_PTR>(lower);
    type->pOptParam[1].lParam = upper;
    return index;
}

const WCHAR *DriverTree::OptionName(DWORD item, DWORD option) const {
    return items_[item].pOptType->pOptParam[option].pData;
}

BYTE DriverTree::OptionFlags(DWORD item, DWORD option) const {
    return items_[item].pOptType->pOptParam[option].Flags;
}

void DriverTree::Attach(OEMCUIPPARAM *param) {
    param->poemuiobj = &driver_.object;
    param->pDrvOptItems = items_.data();
    param->cDrvOptItems = static_cast<DWORD>(items_.size());
}

BOOL WINAPI DriverTree::GetDriverSetting(PVOID driverObject, PCSTR feature, PVOID output,
                                         DWORD size, PDWORD needed, PDWORD optionsReturned) {
    DriverTree *tree = reinterpret_cast<Driver *>(driverObject)->tree;
    if (IS_INTRESOURCE(feature)) return FALSE;
    const auto found = tree->settings_.find(feature);
    if (found == tree->settings_.end()) return FALSE;
    const DWORD bytes = static_cast<DWORD>(found->second.size() + 1);
    if (needed) *needed = bytes;
    if (optionsReturned) *optionsReturned = 1;
    if (!output || size < bytes) return FALSE;
    memcpy(output, found->second.c_str(), bytes);
    return TRUE;
}

BOOL WINAPI DriverTree::UpdateUISetting(PVOID driverObject, PVOID item, DWORD previous, DWORD mode) {
    DriverTree *tree = reinterpret_cast<Driver *>(driverObject)->tree;
    const OPTITEM *optItem = static_cast<const OPTITEM *>(item);
    const DWORD index = static_cast<DWORD>(optItem - tree->items_.data());
    tree->calls.push_back(
        {index, optItem->Sel, previous, mode, (optItem->Flags & OPTIF_HIDE) != 0});
    return tree->refused_.count(index) ? FALSE : TRUE;
}
