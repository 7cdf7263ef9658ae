#include "driver/option_items.h"

namespace {

// Both range bounds sit in the second option parameter of an up-down item.
constexpr size_t kRangeParam = 1;
constexpr size_t kRangeParams = 2;

bool IsRange(const OPTITEM &item) {
    if (!item.pOptType) return false;
    const BYTE type = item.pOptType->Type;
    return type == TVOT_UDARROW || type == TVOT_TRACKBAR || type == TVOT_SCROLLBAR;
}

}  // namespace

LPWSTR ItemStore::Text(std::wstring text) { return texts_.emplace_back(std::move(text)).data(); }

OPTTYPE *ItemStore::NewType(BYTE kind, size_t count) {
    std::vector<OPTPARAM> &params = params_.emplace_back(count);
    for (OPTPARAM &param : params) {
        param = {};
        param.cbSize = sizeof(OPTPARAM);
    }
    OPTTYPE &type = types_.emplace_back();
    type = {};
    type.cbSize = sizeof(OPTTYPE);
    type.Type = kind;
    type.Count = static_cast<WORD>(count);
    type.pOptParam = params.data();
    return &type;
}

DWORD ItemStore::NewItem(const ItemDescription &description) {
    OPTITEM &item = items_.emplace_back();
    item = {};
    item.cbSize = sizeof(OPTITEM);
    item.DMPubID = description.dmPubId;
    item.Sel = description.sel;
    item.pName = description.name;
    if (description.keyword || description.itemId) {
        USERDATA &data = userData_.emplace_back();
        data = {};
        data.dwSize = sizeof(USERDATA);
        data.dwItemID = description.itemId;
        if (description.keyword)
            data.pKeyWordName = keywords_.emplace_back(description.keyword).data();
        item.UserData = reinterpret_cast<ULONG_PTR>(&data);
    }
    return Count() - 1;
}

DWORD ItemStore::AddList(const ItemDescription &description) {
    const DWORD index = NewItem(description);
    OPTTYPE *type = NewType(TVOT_LISTBOX, description.options.size());
    for (size_t i = 0; i < description.options.size(); ++i)
        type->pOptParam[i].pData = Text(description.options[i]);
    items_[index].pOptType = type;
    return index;
}

DWORD ItemStore::Add(const ItemDescription &description) {
    return description.options.empty() ? NewItem(description) : AddList(description);
}

DWORD ItemStore::AddRange(const ItemDescription &description, const WCHAR *unit, LONG lower,
                          LONG upper) {
    const DWORD index = NewItem(description);
    OPTTYPE *type = NewType(TVOT_UDARROW, kRangeParams);
    type->pOptParam[0].pData = Text(unit);
    type->pOptParam[kRangeParam].IconID = static_cast<ULONG_PTR>(lower);
    type->pOptParam[kRangeParam].lParam = upper;
    items_[index].pOptType = type;
    return index;
}

size_t ItemStore::IndexOf(const void *item) const {
    const OPTITEM *first = items_.data();
    const OPTITEM *candidate = static_cast<const OPTITEM *>(item);
    if (!item || candidate < first || candidate >= first + items_.size()) return items_.size();
    return static_cast<size_t>(candidate - first);
}

bool ItemRange(const OPTITEM &item, LONG *lower, LONG *upper) {
    if (!IsRange(item) || item.pOptType->Count <= kRangeParam || !item.pOptType->pOptParam)
        return false;
    const OPTPARAM &range = item.pOptType->pOptParam[kRangeParam];
    *lower = static_cast<LONG>(range.IconID);
    *upper = static_cast<LONG>(range.lParam);
    return true;
}

bool SelectionFits(const OPTITEM &item, LONG sel) {
    LONG lower = 0, upper = 0;
    if (ItemRange(item, &lower, &upper)) return sel >= lower && sel <= upper;
    return item.pOptType && sel >= 0 && sel < item.pOptType->Count;
}
