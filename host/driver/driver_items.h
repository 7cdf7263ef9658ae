// The driver's document option items, built from the printer's
// description as the PostScript driver builds them: the standard items
// with their DMPubID, the PostScript output option item (USERDATA item id
// 25), the mirrored-output item (named by the driver's string 423), then one
// item per document feature of the description in file order. The arrays
// live as long as the object; nothing is reallocated after construction.
#pragma once

#include "core/platform_oem.h"
#include "driver/document_settings.h"
#include "driver/option_items.h"

#include <string>
#include <vector>

enum class ItemRole {
    Orientation,
    PaperSize,
    PaperSource,
    MediaType,
    Copies,
    PrintQuality,
    Color,
    Scale,
    TrueType,
    Duplex,
    PageLayout,
    PageOrder,
    PostScriptOutput,
    Mirror,
    Feature,
};

struct ItemBinding {
    ItemRole role;
    size_t feature;  // the description feature the item shows, or kPpdNotFound
};

constexpr ULONG_PTR kPostScriptOutputItemId = 25;
constexpr UINT kMirroredOutputNameId = 423;
// Feature items' USERDATA ids: this base plus the feature's position.
constexpr ULONG_PTR kFeatureItemIdBase = 0x1000;

class DriverItems {
public:
    explicit DriverItems(const DocumentSettings &settings);
    DriverItems(const DriverItems &) = delete;
    DriverItems &operator=(const DriverItems &) = delete;

    OPTITEM *Items() { return store_.Items(); }
    DWORD Count() const { return store_.Count(); }
    const ItemBinding &Binding(size_t index) const { return bindings_[index]; }
    // The item's position, or kPpdNotFound for a pointer outside the array.
    size_t IndexOf(const void *item) const;

    // Whether `sel` is one of the item's options, or lies in its range.
    bool Accepts(size_t index, LONG sel) const;
    // The selection the settings give the item.
    LONG CurrentSelection(size_t index, const DocumentSettings &settings) const;
    // Every item's selection as the settings have it.
    void Refresh(const DocumentSettings &settings);
    // The item's selection into the settings; false when Accepts says no.
    bool Apply(size_t index, DocumentSettings *settings) const;

private:
    void AddStandard(ItemRole role, const DocumentSettings &settings);
    void AddFeature(size_t feature, const DocumentSettings &settings);
    std::vector<std::wstring> FeatureOptionNames(const DocumentSettings &settings,
                                                 size_t feature) const;

    ItemStore store_;
    std::vector<ItemBinding> bindings_;
    EXTCHKBOX collate_ = {};
};

// A driver string a standard item names by number (the mirrored-output
// item's name); null for numbers the host does not know.
const WCHAR *DriverString(UINT id);

// The item's name as the user sees it.
std::wstring ItemName(const OPTITEM &item);
