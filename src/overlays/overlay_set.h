// The overlay working set of one opening of the Overlays dialog.
#pragma once

#include <cstdint>

constexpr unsigned kMaxActiveOverlays = 4;
constexpr unsigned kMaxOverlayDefinitions = 32;
constexpr unsigned kMaxFormHistory = 10;
constexpr unsigned kFormNameChars = 64;

struct OverlaySet {
    uint16_t cActive;                      // 0..4
    uint16_t awActive[kMaxActiveOverlays];  // definition indices, in order
    uint16_t cDefined;                     // 0..32
    uint16_t cHistory;                     // 0..10
    char16_t aszHistory[kMaxFormHistory][kFormNameChars];  // most recent first
};

// Whether list row `row` is a defined overlay that the job uses.
bool IsActiveOverlayRow(const OverlaySet &set, unsigned row);
