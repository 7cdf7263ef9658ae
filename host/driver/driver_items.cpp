#include "driver/driver_items.h"

namespace {

constexpr StandardFeature kNoFeature = StandardFeature::Count;

struct StandardItem {
    ItemRole role;
    BYTE dmPubId;
    ULONG_PTR itemId;  // USERDATA dwItemID
    const WCHAR *name;
    StandardFeature feature;
};

// The standard items in the order of the driver's tree; the table is the data.
const StandardItem kStandardItems[] = {
    {ItemRole::Orientation, DMPUB_ORIENTATION, 1, L"Orientation", kNoFeature},
    {ItemRole::PaperSize, DMPUB_FORMNAME, 2, L"Paper Size", StandardFeature::PageSize},
    {ItemRole::PaperSource, DMPUB_DEFSOURCE, 3, L"Paper Source", StandardFeature::InputSlot},
    {ItemRole::MediaType, DMPUB_MEDIATYPE, 4, L"Media Type", StandardFeature::MediaType},
    {ItemRole::Copies, DMPUB_COPIES_COLLATE, 5, L"Copy Count", kNoFeature},
    {ItemRole::PrintQuality, DMPUB_PRINTQUALITY, 6, L"Print Quality", StandardFeature::Resolution},
    {ItemRole::Color, DMPUB_COLOR, 7, L"Color", kNoFeature},
    {ItemRole::Scale, DMPUB_SCALE, 8, L"Scaling", kNoFeature},
    {ItemRole::TrueType, DMPUB_TTOPTION, 9, L"TrueType Font", kNoFeature},
    {ItemRole::Duplex, DMPUB_DUPLEX, 10, L"Duplex", StandardFeature::Duplex},
    {ItemRole::PageLayout, DMPUB_NUP, 11, L"Pages per Sheet", kNoFeature},
    {ItemRole::PageOrder, DMPUB_PAGEORDER, 12, L"Page Order", kNoFeature},
    {ItemRole::PostScriptOutput, DMPUB_NONE, kPostScriptOutputItemId, L"PostScript Output Option",
     kNoFeature},
    {ItemRole::Mirror, DMPUB_NONE, 26, MAKEINTRESOURCEW(kMirroredOutputNameId), kNoFeature},
};

const WCHAR kMirroredOutputName[] = L"Mirrored Output";
const WCHAR kCopiesUnit[] = L"copies";
const WCHAR kScaleUnit[] = L"%";
const WCHAR kCollateTitle[] = L"Collate";

const std::vector<std::wstring> &OptionsOf(ItemRole role) {
    static const std::vector<std::wstring> kOrientation = {L"Portrait", L"Landscape",
                                                           L"Rotated Landscape"};
    static const std::vector<std::wstring> kColorNames = {L"Monochrome", L"Color"};
    static const std::vector<std::wstring> kTrueType = {L"Substitute with Device Font",
                                                        L"Download as Softfont"};
    static const std::vector<std::wstring> kPageLayout = {L"1", L"2", L"4", L"6",
                                                          L"9", L"16", L"Booklet"};
    static const std::vector<std::wstring> kPageOrder = {L"Front to Back", L"Back to Front"};
    static const std::vector<std::wstring> kPostScriptOutput = {
        L"Optimize for Speed", L"Optimize for Portability", L"Encapsulated PostScript (EPS)",
        L"Archive Format"};
    static const std::vector<std::wstring> kMirror = {L"Yes", L"No"};
    static const std::vector<std::wstring> kNone;
    switch (role) {
    case ItemRole::Orientation: return kOrientation;
    case ItemRole::Color: return kColorNames;
    case ItemRole::TrueType: return kTrueType;
    case ItemRole::PageLayout: return kPageLayout;
    case ItemRole::PageOrder: return kPageOrder;
    case ItemRole::PostScriptOutput: return kPostScriptOutput;
    case ItemRole::Mirror: return kMirror;
    default: return kNone;
    }
}

}  // namespace

const WCHAR *DriverString(UINT id) {
    return id == kMirroredOutputNameId ? kMirroredOutputName : nullptr;
}

std::wstring ItemName(const OPTITEM &item) {
    if (!IS_INTRESOURCE(item.pName)) return item.pName ? item.pName : L"";
    const WCHAR *text = DriverString(static_cast<UINT>(reinterpret_cast<ULONG_PTR>(item.pName)));
    return text ? text : L"";
}

DriverItems::DriverItems(const DocumentSettings &settings) {
    const PpdFile &ppd = settings.Ppd();
    store_.Reserve(sizeof(kStandardItems) / sizeof(kStandardItems[0]) + ppd.features.size());
    for (const StandardItem &standard : kStandardItems) AddStandard(standard.role, settings);
    for (size_t i = 0; i < ppd.features.size(); ++i)
        if (settings.IsDocumentFeature(i)) AddFeature(i, settings);
    Refresh(settings);
}

std::vector<std::wstring> DriverItems::FeatureOptionNames(const DocumentSettings &settings,
                                                          size_t feature) const {
    std::vector<std::wstring> names;
    for (const PpdOption &option : settings.Ppd().features[feature].options)
        names.push_back(ModelText(settings.Model(), option.translation));
    return names;
}

void DriverItems::AddStandard(ItemRole role, const DocumentSettings &settings) {
    const StandardItem *standard = nullptr;
    for (const StandardItem &entry : kStandardItems)
        if (entry.role == role) standard = &entry;
    const size_t feature =
        standard->feature == kNoFeature ? kPpdNotFound : settings.FeatureOf(standard->feature);
    const bool needsFeature = standard->feature != kNoFeature && role != ItemRole::PrintQuality;
    if (needsFeature && feature == kPpdNotFound) return;
    if (role == ItemRole::Color && !settings.Ppd().colorDevice) return;

    std::vector<std::wstring> options = OptionsOf(role);
    if (feature != kPpdNotFound) options = FeatureOptionNames(settings, feature);
    if (role == ItemRole::PrintQuality && feature == kPpdNotFound) {
        int16_t x = 0, y = 0;
        if (!settings.Resolution(&x, &y)) return;
        options = {ModelText(settings.Model(), settings.Ppd().defaultResolution)};
    }
    ItemDescription item;
    item.dmPubId = standard->dmPubId;
    item.itemId = standard->itemId;
    item.name = IS_INTRESOURCE(standard->name) ? const_cast<LPWSTR>(standard->name)
                                               : store_.Text(standard->name);
    if (feature != kPpdNotFound) item.keyword = settings.Ppd().features[feature].keyword.c_str();
    bindings_.push_back({role, feature});
    if (role == ItemRole::Copies) {
        const DWORD index = store_.AddRange(item, kCopiesUnit, kMinCopies, kMaxCopies);
        collate_.cbSize = sizeof(collate_);
        collate_.pTitle = const_cast<LPWSTR>(kCollateTitle);
        store_.Item(index).pExtChkBox = &collate_;
        return;
    }
    if (role == ItemRole::Scale) {
        store_.AddRange(item, kScaleUnit, kMinScale, kMaxScale);
        return;
    }
    item.options = std::move(options);
    store_.AddList(item);
}

void DriverItems::AddFeature(size_t feature, const DocumentSettings &settings) {
    const PpdFeature &ppdFeature = settings.Ppd().features[feature];
    ItemDescription item;
    item.itemId = kFeatureItemIdBase + feature;
    item.name = store_.Text(ModelText(settings.Model(), ppdFeature.translation));
    item.keyword = ppdFeature.keyword.c_str();
    item.options = FeatureOptionNames(settings, feature);
    bindings_.push_back({ItemRole::Feature, feature});
    store_.AddList(item);
}

size_t DriverItems::IndexOf(const void *item) const {
    const size_t index = store_.IndexOf(item);
    return index < store_.Count() ? index : kPpdNotFound;
}

bool DriverItems::Accepts(size_t index, LONG sel) const { return SelectionFits(store_.Item(index), sel); }

LONG DriverItems::CurrentSelection(size_t index, const DocumentSettings &settings) const {
    const ItemBinding &binding = bindings_[index];
    const StandardSettings &standard = settings.Standard();
    if (binding.feature != kPpdNotFound)
        return static_cast<LONG>(settings.Selection().Selected(binding.feature));
    switch (binding.role) {
    case ItemRole::Orientation: return standard.orientation;
    case ItemRole::Copies: return standard.copies;
    case ItemRole::Color: return standard.color;
    case ItemRole::Scale: return standard.scale;
    case ItemRole::TrueType: return standard.trueType;
    case ItemRole::PageLayout: return standard.pageLayout;
    case ItemRole::PageOrder: return standard.pageOrder;
    case ItemRole::PostScriptOutput: return standard.postScriptOutput;
    case ItemRole::Mirror: return standard.mirror;
    default: return 0;
    }
}

void DriverItems::Refresh(const DocumentSettings &settings) {
    for (size_t i = 0; i < store_.Count(); ++i) {
        OPTITEM &item = store_.Item(i);
        item.Sel = CurrentSelection(i, settings);
        if (bindings_[i].role != ItemRole::Copies) continue;
        if (settings.Standard().collate) item.Flags |= OPTIF_ECB_CHECKED;
        else item.Flags &= ~OPTIF_ECB_CHECKED;
    }
}

bool DriverItems::Apply(size_t index, DocumentSettings *settings) const {
    const OPTITEM &item = store_.Item(index);
    if (!Accepts(index, item.Sel)) return false;
    const ItemBinding &binding = bindings_[index];
    if (binding.feature != kPpdNotFound)
        return settings->SelectFeature(binding.feature, static_cast<size_t>(item.Sel));
    StandardSettings &standard = settings->Standard();
    const BYTE option = static_cast<BYTE>(item.Sel);
    switch (binding.role) {
    case ItemRole::Orientation: standard.orientation = option; break;
    case ItemRole::Copies:
        standard.copies = item.Sel;
        standard.collate = (item.Flags & OPTIF_ECB_CHECKED) != 0;
        break;
    case ItemRole::Color: standard.color = option; break;
    case ItemRole::Scale: standard.scale = item.Sel; break;
    case ItemRole::TrueType: standard.trueType = option; break;
    case ItemRole::PageLayout: standard.pageLayout = option; break;
    case ItemRole::PageOrder: standard.pageOrder = option; break;
    case ItemRole::PostScriptOutput: standard.postScriptOutput = option; break;
    case ItemRole::Mirror: standard.mirror = option; break;
    default: break;
    }
    return true;
}
