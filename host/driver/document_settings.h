// The driver's document settings for one printer: the option of every
// description feature and the settings of the driver's own standard items,
// read from and written to the public and private parts of a DEVMODE.
#pragma once

#include "install/printer_model.h"
#include "ppd/ppd_selection.h"

#include <windows.h>

#include <string>

// Options of the standard items that have no feature of their own.
enum OrientationOption : BYTE { kPortrait, kLandscape, kRotatedLandscape, kOrientationOptions };
enum MirrorOption : BYTE { kMirrorOn, kMirrorOff, kMirrorOptions };
enum PageOrderOption : BYTE { kFrontToBack, kBackToFront, kPageOrderOptions };
enum TrueTypeOption : BYTE { kSubstituteDeviceFont, kDownloadSoftFont, kTrueTypeOptions };
enum ColorOption : BYTE { kMonochrome, kColor, kColorOptions };
enum PostScriptOutputOption : BYTE {
    kOptimizeSpeed,
    kOptimizePortability,
    kEncapsulated,
    kArchive,
    kPostScriptOutputOptions
};
// The page layout byte: 1, 2, 4, 6, 9 or 16 pages a sheet, or a booklet.
constexpr BYTE kPageLayoutOptions = 7;

constexpr LONG kMinScale = 25;
constexpr LONG kMaxScale = 400;
constexpr LONG kDefaultScale = 100;
constexpr LONG kMinCopies = 1;
constexpr LONG kMaxCopies = 999;

struct StandardSettings {
    BYTE orientation = kPortrait;
    LONG scale = kDefaultScale;
    LONG copies = kMinCopies;
    bool collate = false;
    BYTE color = kMonochrome;
    BYTE pageLayout = 0;
    BYTE mirror = kMirrorOff;
    BYTE pageOrder = kFrontToBack;
    BYTE trueType = kSubstituteDeviceFont;
    BYTE postScriptOutput = kOptimizeSpeed;
};

// Description features the driver shows as standard items.
enum class StandardFeature { PageSize, PageRegion, InputSlot, MediaType, Duplex, Resolution, Count };

class DocumentSettings {
public:
    // The description's defaults, the printer's installable options as its
    // printer data has them.
    explicit DocumentSettings(const PrinterModel &model);

    const PrinterModel &Model() const { return *model_; }
    const PpdFile &Ppd() const { return model_->ppd; }
    const PpdSelection &Selection() const { return selection_; }
    StandardSettings &Standard() { return standard_; }
    const StandardSettings &Standard() const { return standard_; }

    size_t FeatureOf(StandardFeature which) const {
        return standardFeatures_[static_cast<size_t>(which)];
    }
    // Whether the feature gets an item of its own in the document tree:
    // neither an installable option, nor shown by a standard item, nor the
    // page region that follows the paper size.
    bool IsDocumentFeature(size_t feature) const;

    // Changes one feature; the page region follows the paper size. False for
    // an option the feature lacks.
    bool SelectFeature(size_t feature, size_t option);
    // The constraint that option would break, or null.
    const PpdConstraint *Conflict(size_t feature, size_t option) const {
        return selection_.Conflict(feature, option);
    }

    // The resolution the print quality gives, from the Resolution feature
    // or else the description's default resolution; false when neither says.
    bool Resolution(int16_t *x, int16_t *y) const;

    // Takes what a DEVMODE carries: the private part when it is this
    // driver's, then the public fields that dmFields names.
    void ReadDevmode(const DEVMODEW *devmode, size_t bytes);
    // Writes the public and private parts; dmDriverExtra and the plug-in's
    // section stay as they are.
    void WriteDevmode(DEVMODEW *devmode, const std::wstring &deviceName) const;

private:
    void ReadPrivatePart(const DEVMODEW *devmode, size_t bytes);
    void ReadPublicPart(const DEVMODEW *devmode);
    void ReadPaper(const DEVMODEW *devmode);
    void SelectUserNumber(StandardFeature which, long number, long first);

    const PrinterModel *model_;
    PpdSelection selection_;
    StandardSettings standard_;
    BYTE privateFlags_ = 0;
    size_t standardFeatures_[static_cast<size_t>(StandardFeature::Count)];
};
