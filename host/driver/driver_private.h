// The driver's private part of the DEVMODE, between the public part and
// the plug-in's section: the settings the public fields cannot carry, and
// the option of every printer-description feature, by the feature's
// position in the file. The plug-in reads three places in it (flags at
// DEVMODE offset 224, the PostScript output option at 344, the page layout
// at 356), so they stay where they are.
#pragma once

#include "driver/devmode_layout.h"

#include <cstddef>

constexpr DWORD kDriverPrivateSignature = 0x50445853;  // "SXDP"
constexpr size_t kMaxStoredFeatures = 186;

#pragma pack(push, 1)
struct DriverPrivatePart {
    DWORD dwSignature;
    BYTE bFlags;             // set by the printer's initialisation; kept as found
    BYTE bOrientation;       // the orientation item's option: portrait, landscape, rotated
    BYTE bMirror;            // the mirrored-output item's option
    BYTE bPageOrder;
    BYTE bTrueTypeOption;
    BYTE bReserved1;
    WORD wFeatureCount;      // entries of awFeatureOptions in use
    BYTE abReserved2[112];
    BYTE bPostScriptOutput;  // 0 speed, 1 portability, 2 EPS, 3 archive
    BYTE abReserved3[11];
    BYTE bPageLayout;        // 0 one-up, 1 two, 2 four, 3 six, 4 nine, 5 sixteen-up, 6 booklet
    BYTE abReserved4[3];
    WORD awFeatureOptions[kMaxStoredFeatures];
};
#pragma pack(pop)

static_assert(sizeof(DriverPrivatePart) == kDriverPrivateSize, "the whole private part");
static_assert(kPublicDevmodeSize + offsetof(DriverPrivatePart, bFlags) == 224, "flags byte");
static_assert(kPublicDevmodeSize + offsetof(DriverPrivatePart, bPostScriptOutput) == 344,
              "PostScript output option");
static_assert(kPublicDevmodeSize + offsetof(DriverPrivatePart, bPageLayout) == 356, "page layout");

inline DriverPrivatePart *PrivatePartOf(DEVMODEW *devmode) {
    return reinterpret_cast<DriverPrivatePart *>(reinterpret_cast<BYTE *>(devmode) +
                                                 kPublicDevmodeSize);
}
inline const DriverPrivatePart *PrivatePartOf(const DEVMODEW *devmode) {
    return reinterpret_cast<const DriverPrivatePart *>(reinterpret_cast<const BYTE *>(devmode) +
                                                       kPublicDevmodeSize);
}
