#include "overlays/overlay_set.h"

bool IsActiveOverlayRow(const OverlaySet &set, unsigned row) {
    if (row >= set.cDefined) return false;
    const unsigned active = set.cActive < kMaxActiveOverlays ? set.cActive : kMaxActiveOverlays;
    for (unsigned i = 0; i < active; ++i)
        if (set.awActive[i] == row) return true;
    return false;
}
