// Decisions of the special toner details dialog that need no window: the
// ranges of the densities and the level, what typing into their fields
// does, the arrow steps, and which groups each colour control allows.
#pragma once

#include <cstdint>

// Densities in hundredths of a percent, shown with two decimals.
constexpr uint32_t kDensityLowest = 9900;
constexpr uint32_t kDensityHighest = 10000;
constexpr int kDensityDecimals = 2;
constexpr int kDensityEditChars = 6;
constexpr uint32_t kLevelLowest = 0;
constexpr uint32_t kLevelHighest = 100;
constexpr int kLevelDecimals = 0;

// SpecialTonerKind: what the printer reports as installed.
constexpr uint32_t kTonerNone = 0;
constexpr uint32_t kTonerWhite = 1;
constexpr uint32_t kTonerClear = 2;

// Colour control choices 0..5; 0 (off) and 4 leave the special toner unused.
constexpr uint32_t kColorControlOff = 0;
constexpr uint32_t kColorControlUnused = 4;
constexpr uint32_t kColorControlNoLevel = 5;
constexpr uint32_t kColorControlCount = 6;

inline bool SpecialColorInactive(uint32_t colorControl) {
    return colorControl == kColorControlOff || colorControl == kColorControlUnused;
}
inline bool DensityInRange(uint32_t density) {
    return density >= kDensityLowest && density <= kDensityHighest;
}
uint32_t ClampDensity(uint32_t density);
uint32_t ClampLevel(uint32_t level);

// What a change of a density or level field does with its text.
enum class TypedValue {
    Empty,    // nothing is taken
    Taken,    // the value is the parsed one
    Replaced  // the value is the highest one and the field shows it
};
// A density may read anything up to 100.00 while it is typed; the range is
// checked when the dialog is closed with OK.
TypedValue DensityFromText(const char16_t *text, uint32_t *density);
TypedValue LevelFromText(const char16_t *text, uint32_t *level);

// One arrow press on a density: up adds one hundredth, down takes one away,
// and the result stays inside the range.
uint32_t StepDensity(uint32_t density, bool up);

// Enabling of the dialog's groups. Keep: the group is left as it is.
enum class Switch { Keep, On, Off };
struct SpecialTonerEnabling {
    Switch clearOutput;  // 4028..4029
    Switch order;        // 4023..4027
    Switch density;      // 4049..4057
    Switch level;        // 4100..4106
};
SpecialTonerEnabling SpecialTonerEnablingFor(uint32_t kind, uint32_t colorControl, uint32_t order);

// The one-pass default of the Default button: on for the two drivers of the
// one-pass series.
bool OnePassSeriesDriver(const char16_t *driverName);

// Bitmaps of the dialog's pictures.
constexpr uint32_t kColorControlPictureFirst = 4032;  // 4032..4037, one per choice
constexpr uint32_t kPagePicture = 4038;
constexpr uint32_t kLayerPicture = 4039;              // 4039 + choice for the toner layer
constexpr uint32_t kOrderPictureFirst = 4045;         // 4045, 4046
constexpr uint32_t kOrderResultTop = 4047;
constexpr uint32_t kOrderResultBottom = 4048;
