#include "color/color_rules.h"

namespace {

const char16_t kGammaSection[] = u"Gamma";
const char16_t kColorSection[] = u"Color";

int HexValue(char16_t c) {
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    if (c >= u'a' && c <= u'f') return c - u'a' + 10;
    return -1;
}

}  // namespace

int ParseHexBytes(const char16_t *text, uint8_t *bytes, size_t capacity, size_t *count) {
    int result = 0;
    size_t parsed = 0;
    for (const char16_t *p = text;; p += 2) {
        const int high = HexValue(p[0]);
        if (high < 0) {
            if (p[0] != 0) result = 1;
            break;
        }
        const int low = HexValue(p[1]);
        if (low < 0 && p[1] == 0) break;
        if (low < 0) result = 1;
        const uint8_t byte = static_cast<uint8_t>(high * 16 + (low < 0 ? 0 : low));
        if (parsed < capacity) bytes[parsed] = byte;
        ++parsed;
    }
    *count = parsed < capacity ? parsed : capacity;
    return result;
}

const char16_t *TunerSection(uint32_t setting) {
    return (setting & kTunerGammaSection) ? kGammaSection : kColorSection;
}

SettingPick PickSettingEntry(const uint32_t *entryData, size_t count, uint32_t value,
                             uint32_t firstEntryData) {
    const uint32_t id = value & kSettingIdMask;
    SettingPick pick = {-1, value};
    for (size_t i = 0; i < count; ++i)
        if ((entryData[i] & kSettingIdMask) == id) pick.entry = static_cast<int>(i);
    if (pick.entry >= 0) return pick;
    return {0, firstEntryData & kSettingIdMask};
}

BlackControls BlackControlsFor(uint32_t colorMode, uint32_t cartridge) {
    if (colorMode == kColorModeGray) return {false, false};
    if (cartridge == kCartridgeBlack) return {false, true};
    return {true, false};
}

BlackControls BlackControlsOnCartridge(uint32_t colorMode, uint32_t cartridge) {
    if (colorMode != kColorModeColor) return {false, false};
    return BlackControlsFor(colorMode, cartridge);
}

DetailsLayout DetailsLayoutFor(uint32_t method, uint32_t cmykKind) {
    const bool input = method == kMatchCmykInput;
    const bool simulation = method == kMatchSimulation;
    const bool link = input && cmykKind == kCmykLinkProfile;
    DetailsLayout layout = {};
    layout.matching = input || simulation;
    layout.cmyk = input;
    layout.simulation = simulation;
    layout.rgbPicture = input;
    layout.cmykPicture = simulation || (input && !link);
    layout.linkPicture = simulation;
    layout.flowPicture = link;
    layout.linkList = link;
    return layout;
}
