// Option items as the driver hands them to the plug-in, with everything
// their pointers reach (USERDATA, option types and parameters, texts)
// owned alongside. Only the item array itself may move as items are added;
// the plug-in sees it once the tree is complete.
#pragma once

#include "core/platform_oem.h"

#include <deque>
#include <string>
#include <vector>

// One item of a driver tree: a standard item names its DMPUB_* id, a
// feature item its keyword; the driver marks some items by a USERDATA id.
struct ItemDescription {
    BYTE dmPubId = DMPUB_NONE;
    LONG sel = 0;
    ULONG_PTR itemId = 0;
    LPWSTR name = nullptr;  // a text, or a driver string's number
    const char *keyword = nullptr;
    std::vector<std::wstring> options;  // a list box of these, when not a range
};

class ItemStore {
public:
    ItemStore() = default;
    ItemStore(const ItemStore &) = delete;
    ItemStore &operator=(const ItemStore &) = delete;

    void Reserve(size_t count) { items_.reserve(count); }
    // The new item's index. USERDATA is attached when the item has a
    // keyword or an id; an item without options has no option type.
    DWORD Add(const ItemDescription &description);
    // A list box item even when it has no options.
    DWORD AddList(const ItemDescription &description);
    // A numeric item as an up-down, its bounds in the second option parameter.
    DWORD AddRange(const ItemDescription &description, const WCHAR *unit, LONG lower, LONG upper);
    // A text that lives as long as the store.
    LPWSTR Text(std::wstring text);

    OPTITEM *Items() { return items_.data(); }
    const OPTITEM *Items() const { return items_.data(); }
    OPTITEM &Item(size_t index) { return items_[index]; }
    const OPTITEM &Item(size_t index) const { return items_[index]; }
    DWORD Count() const { return static_cast<DWORD>(items_.size()); }
    // The item's position, or Count() for a pointer outside the array.
    size_t IndexOf(const void *item) const;

private:
    DWORD NewItem(const ItemDescription &description);
    OPTTYPE *NewType(BYTE type, size_t params);

    std::vector<OPTITEM> items_;
    std::deque<USERDATA> userData_;
    std::deque<OPTTYPE> types_;
    std::deque<std::vector<OPTPARAM>> params_;
    std::deque<std::wstring> texts_;
    std::deque<std::string> keywords_;
};

// A numeric item's bounds, from its second option parameter; false for an
// item that is not numeric.
bool ItemRange(const OPTITEM &item, LONG *lower, LONG *upper);
// Whether `sel` is one of the item's options, or lies in its range.
bool SelectionFits(const OPTITEM &item, LONG sel);
