#include "color/special_toner_rules.h"

#include "color/fixed_decimal.h"

namespace {

const char16_t *const kOnePassDrivers[] = {u"TVX K700(PS)", u"KE700(PS)"};

bool SameText(const char16_t *a, const char16_t *b) {
    while (*a && *a == *b) ++a, ++b;
    return *a == *b;
}

TypedValue FromText(const char16_t *text, int decimals, uint32_t highest, uint32_t *value) {
    if (!text[0]) return TypedValue::Empty;
    uint32_t parsed = 0;
    if (ParseFixedDecimal(text, decimals, &parsed) == 0 && parsed <= highest) {
        *value = parsed;
        return TypedValue::Taken;
    }
    *value = highest;
    return TypedValue::Replaced;
}

}  // namespace

uint32_t ClampDensity(uint32_t density) {
    if (density < kDensityLowest) return kDensityLowest;
    return density > kDensityHighest ? kDensityHighest : density;
}

uint32_t ClampLevel(uint32_t level) { return level > kLevelHighest ? kLevelHighest : level; }

TypedValue DensityFromText(const char16_t *text, uint32_t *density) {
    return FromText(text, kDensityDecimals, kDensityHighest, density);
}

TypedValue LevelFromText(const char16_t *text, uint32_t *level) {
    return FromText(text, kLevelDecimals, kLevelHighest, level);
}

uint32_t StepDensity(uint32_t density, bool up) {
    if (up) return density >= kDensityHighest ? kDensityHighest : ClampDensity(density + 1);
    return density <= kDensityLowest ? kDensityLowest : ClampDensity(density - 1);
}

SpecialTonerEnabling SpecialTonerEnablingFor(uint32_t kind, uint32_t colorControl, uint32_t order) {
    SpecialTonerEnabling enabling = {Switch::Keep, Switch::Keep, Switch::Keep, Switch::Keep};
    const bool active = !SpecialColorInactive(colorControl);
    if (kind != kTonerWhite) {
        enabling.clearOutput = active ? Switch::On : Switch::Off;
        return enabling;
    }
    if (active) {
        enabling.order = Switch::On;
        enabling.density = order != 0 ? Switch::On : Switch::Off;
    } else {
        enabling.order = Switch::Off;
    }
    enabling.level = active && colorControl != kColorControlNoLevel ? Switch::On : Switch::Off;
    return enabling;
}

bool OnePassSeriesDriver(const char16_t *driverName) {
    for (const char16_t *name : kOnePassDrivers)
        if (SameText(driverName, name)) return true;
    return false;
}
