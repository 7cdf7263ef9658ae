// The watermarks of one opening of the document properties, as the
// Watermarks dialog, the editor and the preview work on them.
#pragma once

#include <cstdint>

// One watermark (watermarks/watermark_record.h); the list only holds them.
struct WatermarkRecord;

constexpr unsigned kWatermarkSlots = 64;
// Slots 33.. hold the copies taken when the Watermarks dialog opened.
constexpr unsigned kAtOpenSlotBase = 32;
constexpr unsigned kSavedNumberChars = 12;

struct WatermarkList {
    uint32_t iWmSelected;           // 0 is the None entry
    uint32_t cWatermarks;           // 0..16
    uint32_t dwNoneFirstPageOnly;   // the None entry's ticks at the last OK
    uint32_t dwNoneBackground;
    WatermarkRecord *apWatermarks[kWatermarkSlots];
    uint32_t cWatermarksAtOpen;
    uint32_t iWmSelectedAtOpen;
    WatermarkRecord *pWmWorking;    // the selected entry as previewed and edited
    void *hHeap;                    // where the records live
    char16_t wszSavedNumber[kSavedNumberChars];  // the numeric edits' last good text
};
