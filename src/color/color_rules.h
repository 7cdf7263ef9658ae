// Decisions of the Color page and its dialogs that need no window: the
// colour-tuner tables as hexadecimal text, the tuner setting's bit layout,
// the custom gamma list and which controls each colour choice allows.
#pragma once

#include <cstddef>
#include <cstdint>

// Bytes of the two tuner tables the private record holds.
constexpr size_t kCcmNtCapacity = 253;
constexpr size_t kCcmNvCapacity = 255;

// Parses text of two-digit hexadecimal bytes into at most `capacity` bytes;
// *count says how many were stored. Returns 1 when the text held a
// character that is not a hexadecimal digit before its end, else 0. A byte
// whose low digit is stray keeps its high digit; a last lone digit is not
// counted. Bytes beyond `capacity` are parsed but not stored.
int ParseHexBytes(const char16_t *text, uint8_t *bytes, size_t capacity, size_t *count);

// dwColorTunerSetting: bits 0-7 the setting id, bit 8 its section, bits
// 16-31 non-zero while the setting is in use.
constexpr uint32_t kTunerIdMask = 0xFF;
constexpr uint32_t kTunerGammaSection = 0x100;
constexpr uint32_t kSettingInUseMask = 0xFFFF0000;
constexpr uint32_t kSettingInUseBit = 0x10000;
constexpr uint32_t kSettingIdMask = 0xFFFF;

inline bool TunerSettingInUse(uint32_t setting) { return (setting & kSettingInUseMask) != 0; }
inline uint32_t TunerSettingId(uint32_t setting) { return setting & kTunerIdMask; }
// "Gamma" or "Color", as 16-bit text.
const char16_t *TunerSection(uint32_t setting);

// A list whose entries carry a setting id as item data, and a working value
// whose bits 0-15 name the chosen id and bits 16-31 say it is in use.
struct SettingPick {
    int entry;        // the entry to select
    uint32_t value;   // the working value after the pick
};
// The last entry whose id matches is chosen; when none matches (or the list
// is empty) entry 0 is, and the value becomes `firstEntryData` & 0xFFFF,
// which also turns the setting off. `firstEntryData` is what the list
// answers for entry 0, its error value when empty.
SettingPick PickSettingEntry(const uint32_t *entryData, size_t count, uint32_t value,
                             uint32_t firstEntryData);
// The value after choosing an entry: in-use bits kept, id replaced.
inline uint32_t ChooseSetting(uint32_t value, uint32_t entryData) {
    return (value & kSettingInUseMask) + (entryData & kSettingIdMask);
}
inline uint32_t SwitchSetting(uint32_t value, bool on) {
    return on ? (value | kSettingInUseBit) : (value & ~kSettingInUseMask);
}

// Colour modes and cartridges of the Color page.
constexpr uint32_t kColorModeColor = 0;
constexpr uint32_t kColorModeGray = 1;
constexpr uint32_t kCartridgeWhite = 0;
constexpr uint32_t kCartridgeBlack = 1;

// Print Mode goes with colour on a White cartridge, Black Finish with
// colour on a Black one; gray scale allows neither.
struct BlackControls {
    bool printMode;
    bool blackFinish;
};
BlackControls BlackControlsFor(uint32_t colorMode, uint32_t cartridge);
// The cartridge buttons' rule: any mode but colour allows neither.
BlackControls BlackControlsOnCartridge(uint32_t colorMode, uint32_t cartridge);

// What Color Print Details shows for matching method m and CMYK profile
// kind c.
constexpr uint32_t kMatchCmykInput = 0;
constexpr uint32_t kMatchSimulation = 1;
constexpr uint32_t kCmykLinkProfile = 1;
struct DetailsLayout {
    bool matching;       // both groups, RGB, output profile, intent, precision
    bool cmyk;           // CMYK input and link controls
    bool simulation;     // simulation target controls
    bool rgbPicture;     // 1695
    bool cmykPicture;    // 1696
    bool linkPicture;    // 1697
    bool flowPicture;    // 1698
    bool linkList;       // the link list enabled, else the input list
};
DetailsLayout DetailsLayoutFor(uint32_t method, uint32_t cmykKind);
