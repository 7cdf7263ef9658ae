#include "driver/document_settings.h"

#include "driver/driver_private.h"
#include "ppd/ppd_media.h"

#include <cstring>

namespace {

constexpr WORD kHostDriverVersion = 0x0001;

const char *const kStandardFeatureKeywords[] = {
    "PageSize", "PageRegion", "InputSlot", "MediaType", "Duplex", "Resolution",
};
static_assert(sizeof(kStandardFeatureKeywords) / sizeof(kStandardFeatureKeywords[0]) ==
                  static_cast<size_t>(StandardFeature::Count),
              "one keyword per standard feature");

bool InRange(long value, long lower, long upper) { return value >= lower && value <= upper; }

}  // namespace

DocumentSettings::DocumentSettings(const PrinterModel &model)
    : model_(&model), selection_(model.ppd) {
    for (size_t i = 0; i < static_cast<size_t>(StandardFeature::Count); ++i)
        standardFeatures_[i] = model.ppd.FindFeature(kStandardFeatureKeywords[i]);
    standard_.color = model.ppd.colorDevice ? kColor : kMonochrome;
    for (const FeatureSetting &setting : model.installed) {
        const size_t feature = model.ppd.FindFeature(setting.feature);
        if (feature != kPpdNotFound && model.ppd.features[feature].group == kInstallableOptionsGroup)
            selection_.SelectKeyword(feature, setting.option);
    }
}

bool DocumentSettings::IsDocumentFeature(size_t feature) const {
    if (Ppd().features[feature].group == kInstallableOptionsGroup) return false;
    for (size_t standard : standardFeatures_)
        if (standard == feature) return false;
    return true;
}

bool DocumentSettings::SelectFeature(size_t feature, size_t option) {
    if (!selection_.Select(feature, option)) return false;
    const size_t region = FeatureOf(StandardFeature::PageRegion);
    if (feature == FeatureOf(StandardFeature::PageSize) && region != kPpdNotFound)
        selection_.SelectKeyword(region, selection_.SelectedOption(feature).keyword);
    return true;
}

bool DocumentSettings::Resolution(int16_t *x, int16_t *y) const {
    const size_t feature = FeatureOf(StandardFeature::Resolution);
    if (feature != kPpdNotFound && ReadResolution(selection_.SelectedOption(feature).keyword, x, y))
        return true;
    return ReadResolution(Ppd().defaultResolution, x, y);
}

void DocumentSettings::SelectUserNumber(StandardFeature which, long number, long first) {
    const size_t feature = FeatureOf(which);
    if (feature == kPpdNotFound || number < first) return;
    SelectFeature(feature, static_cast<size_t>(number - first));
}

void DocumentSettings::ReadPaper(const DEVMODEW *devmode) {
    const size_t feature = FeatureOf(StandardFeature::PageSize);
    if (feature == kPpdNotFound) return;
    const PpdFeature &pageSize = Ppd().features[feature];
    if (devmode->dmFields & DM_PAPERSIZE) {
        for (size_t i = 0; i < pageSize.options.size(); ++i) {
            if (PaperSizeOf(pageSize.options[i].keyword, i) != devmode->dmPaperSize) continue;
            SelectFeature(feature, i);
            return;
        }
    }
    if (!(devmode->dmFields & DM_FORMNAME)) return;
    for (size_t i = 0; i < pageSize.options.size(); ++i) {
        const std::wstring name = ModelText(Model(), pageSize.options[i].translation);
        if (wcsncmp(name.c_str(), devmode->dmFormName, CCHFORMNAME) != 0) continue;
        SelectFeature(feature, i);
        return;
    }
}

void DocumentSettings::ReadPrivatePart(const DEVMODEW *devmode, size_t bytes) {
    if (devmode->dmDriverExtra < kDriverPrivateSize || bytes < kPluginSectionOffset) return;
    const DriverPrivatePart *part = PrivatePartOf(devmode);
    if (part->dwSignature != kDriverPrivateSignature) return;
    privateFlags_ = part->bFlags;
    const size_t stored = part->wFeatureCount < kMaxStoredFeatures ? part->wFeatureCount
                                                                   : kMaxStoredFeatures;
    // Installable options belong to the printer, not to the document.
    for (size_t i = 0; i < stored && i < Ppd().features.size(); ++i)
        if (Ppd().features[i].group != kInstallableOptionsGroup)
            SelectFeature(i, part->awFeatureOptions[i]);
    if (part->bOrientation < kOrientationOptions) standard_.orientation = part->bOrientation;
    if (part->bMirror < kMirrorOptions) standard_.mirror = part->bMirror;
    if (part->bPageOrder < kPageOrderOptions) standard_.pageOrder = part->bPageOrder;
    if (part->bTrueTypeOption < kTrueTypeOptions) standard_.trueType = part->bTrueTypeOption;
    if (part->bPostScriptOutput < kPostScriptOutputOptions)
        standard_.postScriptOutput = part->bPostScriptOutput;
    if (part->bPageLayout < kPageLayoutOptions) standard_.pageLayout = part->bPageLayout;
}

void DocumentSettings::ReadPublicPart(const DEVMODEW *devmode) {
    const DWORD fields = devmode->dmFields;
    if (fields & DM_ORIENTATION) {
        if (devmode->dmOrientation == DMORIENT_PORTRAIT) standard_.orientation = kPortrait;
        else if (devmode->dmOrientation == DMORIENT_LANDSCAPE && standard_.orientation == kPortrait)
            standard_.orientation = kLandscape;
    }
    ReadPaper(devmode);
    if (fields & DM_DEFAULTSOURCE)
        SelectUserNumber(StandardFeature::InputSlot, devmode->dmDefaultSource, kFirstUserBin);
    if (fields & DM_MEDIATYPE)
        SelectUserNumber(StandardFeature::MediaType, static_cast<long>(devmode->dmMediaType),
                         static_cast<long>(kFirstUserMedia));
    const size_t duplex = FeatureOf(StandardFeature::Duplex);
    if ((fields & DM_DUPLEX) && duplex != kPpdNotFound) {
        const PpdFeature &feature = Ppd().features[duplex];
        for (size_t i = 0; i < feature.options.size(); ++i) {
            if (DuplexModeOf(feature.options[i].keyword) != devmode->dmDuplex) continue;
            SelectFeature(duplex, i);
            break;
        }
    }
    const size_t resolution = FeatureOf(StandardFeature::Resolution);
    if ((fields & DM_PRINTQUALITY) && resolution != kPpdNotFound) {
        const PpdFeature &feature = Ppd().features[resolution];
        for (size_t i = 0; i < feature.options.size(); ++i) {
            int16_t x = 0, y = 0;
            if (!ReadResolution(feature.options[i].keyword, &x, &y) || x != devmode->dmPrintQuality)
                continue;
            if ((fields & DM_YRESOLUTION) && y != devmode->dmYResolution) continue;
            SelectFeature(resolution, i);
            break;
        }
    }
    if ((fields & DM_COLOR) && Ppd().colorDevice)
        standard_.color = devmode->dmColor == DMCOLOR_COLOR ? kColor : kMonochrome;
    if ((fields & DM_SCALE) && InRange(devmode->dmScale, kMinScale, kMaxScale))
        standard_.scale = devmode->dmScale;
    if ((fields & DM_COPIES) && InRange(devmode->dmCopies, kMinCopies, kMaxCopies))
        standard_.copies = devmode->dmCopies;
    if (fields & DM_COLLATE) standard_.collate = devmode->dmCollate == DMCOLLATE_TRUE;
    if (fields & DM_TTOPTION)
        standard_.trueType = devmode->dmTTOption == DMTT_DOWNLOAD ? kDownloadSoftFont
                                                                  : kSubstituteDeviceFont;
}

void DocumentSettings::ReadDevmode(const DEVMODEW *devmode, size_t bytes) {
    if (!devmode || bytes < kPublicDevmodeSize || devmode->dmSize != kPublicDevmodeSize) return;
    ReadPrivatePart(devmode, bytes);
    ReadPublicPart(devmode);
}

void DocumentSettings::WriteDevmode(DEVMODEW *devmode, const std::wstring &deviceName) const {
    const WORD driverExtra = devmode->dmDriverExtra;
    ZeroMemory(devmode, kPluginSectionOffset);
    devmode->dmSpecVersion = DM_SPECVERSION;
    devmode->dmDriverVersion = kHostDriverVersion;
    devmode->dmSize = kPublicDevmodeSize;
    devmode->dmDriverExtra = driverExtra;
    lstrcpynW(devmode->dmDeviceName, deviceName.c_str(), CCHDEVICENAME);

    devmode->dmFields = DM_ORIENTATION | DM_SCALE | DM_COPIES | DM_COLLATE | DM_TTOPTION;
    devmode->dmOrientation = standard_.orientation == kPortrait ? DMORIENT_PORTRAIT
                                                                : DMORIENT_LANDSCAPE;
    devmode->dmScale = static_cast<short>(standard_.scale);
    devmode->dmCopies = static_cast<short>(standard_.copies);
    devmode->dmCollate = standard_.collate ? DMCOLLATE_TRUE : DMCOLLATE_FALSE;
    devmode->dmTTOption = standard_.trueType == kDownloadSoftFont ? DMTT_DOWNLOAD : DMTT_SUBDEV;
    if (Ppd().colorDevice) {
        devmode->dmFields |= DM_COLOR;
        devmode->dmColor = standard_.color == kColor ? DMCOLOR_COLOR : DMCOLOR_MONOCHROME;
    }
    const size_t paper = FeatureOf(StandardFeature::PageSize);
    if (paper != kPpdNotFound) {
        devmode->dmFields |= DM_PAPERSIZE | DM_FORMNAME;
        const size_t option = selection_.Selected(paper);
        devmode->dmPaperSize = PaperSizeOf(selection_.SelectedOption(paper).keyword, option);
        lstrcpynW(devmode->dmFormName,
                  ModelText(Model(), selection_.SelectedOption(paper).translation).c_str(),
                  CCHFORMNAME);
    }
    const size_t source = FeatureOf(StandardFeature::InputSlot);
    if (source != kPpdNotFound) {
        devmode->dmFields |= DM_DEFAULTSOURCE;
        devmode->dmDefaultSource = static_cast<short>(kFirstUserBin + selection_.Selected(source));
    }
    const size_t media = FeatureOf(StandardFeature::MediaType);
    if (media != kPpdNotFound) {
        devmode->dmFields |= DM_MEDIATYPE;
        devmode->dmMediaType = kFirstUserMedia + static_cast<DWORD>(selection_.Selected(media));
    }
    const size_t duplex = FeatureOf(StandardFeature::Duplex);
    if (duplex != kPpdNotFound) {
        devmode->dmFields |= DM_DUPLEX;
        devmode->dmDuplex = DuplexModeOf(selection_.SelectedOption(duplex).keyword);
    }
    int16_t x = 0, y = 0;
    if (Resolution(&x, &y)) {
        devmode->dmFields |= DM_PRINTQUALITY | DM_YRESOLUTION;
        devmode->dmPrintQuality = x;
        devmode->dmYResolution = y;
    }

    DriverPrivatePart *part = PrivatePartOf(devmode);
    part->dwSignature = kDriverPrivateSignature;
    part->bFlags = privateFlags_;
    part->bOrientation = standard_.orientation;
    part->bMirror = standard_.mirror;
    part->bPageOrder = standard_.pageOrder;
    part->bTrueTypeOption = standard_.trueType;
    part->bPostScriptOutput = standard_.postScriptOutput;
    part->bPageLayout = standard_.pageLayout;
    const size_t count = Ppd().features.size();
    part->wFeatureCount = static_cast<WORD>(count < kMaxStoredFeatures ? count : kMaxStoredFeatures);
    for (size_t i = 0; i < part->wFeatureCount; ++i)
        part->awFeatureOptions[i] = static_cast<WORD>(selection_.Selected(i));
}
