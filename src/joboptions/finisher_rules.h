// What the finisher can do with the current sheet: its class from paper,
// layout, orientation and duplex, whether the punch unit may punch it, and
// the pass that resets and narrows the bind-position, staple and punch
// choices when the Job Options page opens. No platform types.
#pragma once

#include <cstddef>
#include <cstdint>

// The PostScript driver's page layout, kept at byte 356 of its DEVMODE.
enum PageLayout : uint8_t {
    kLayoutOneUp = 0,
    kLayoutTwoUp = 1,
    kLayoutFourUp = 2,
    kLayoutSixUp = 3,
    kLayoutNineUp = 4,
    kLayoutSixteenUp = 5,
    kLayoutBooklet = 6,
};

// "VXPunchUnit" answers "Type1".."Type4"; anything else means no unit.
constexpr uint32_t kNoPunchUnit = 0;
uint32_t PunchUnitFromSetting(const char *value, size_t bytes);

// A driver answer (8-bit, `bytes` long) equals `word`, terminator included.
bool SettingIs(const char *value, size_t bytes, const char *word);

// Layouts two-up and six-up turn the sheet against the document.
bool SheetIsPortrait(bool documentPortrait, uint8_t layout);

uint32_t SheetClass(const char *pageSize, size_t bytes, uint8_t layout, bool sheetPortrait);
// Without duplex the classes 4..7 fall back to 0..3.
uint32_t AdjustClassForDuplex(uint32_t sheetClass, bool duplexNone);

bool PunchingAllowed(uint32_t punchUnit, const char *pageSize, size_t bytes, uint8_t layout,
                     bool sheetPortrait, uint32_t bindPosition);

// The driver's orientation item: 1 landscape, 2 rotated landscape.
constexpr uint32_t kOrientationLandscape = 1;
constexpr uint32_t kOrientationRotated = 2;
uint8_t LayoutKey(uint8_t layout, uint32_t orientationSelection, uint32_t punchUnit);

// Bind-position options of the family's printer description.
constexpr uint32_t kBindNone = 0;
constexpr uint32_t kBindLeft = 1;
constexpr uint32_t kBindLeftTop = 2;
constexpr uint32_t kBindTop = 3;
constexpr uint32_t kBindBooklet = 4;
constexpr uint32_t kStapleNone = 0;
constexpr uint32_t kStapleOne = 1;
constexpr uint32_t kStapleTwo = 2;
constexpr uint32_t kPunchNone = 0;

// Lists hold at most this many of an item's options.
constexpr uint32_t kMaxFinisherOptions = 32;

struct FinisherSheet {
    const char *pageSize;  // the driver's "PageSize" answer
    size_t pageSizeBytes;
    bool duplexNone;       // "Duplex" answered "None"
    uint32_t punchUnit;
    uint32_t paperSize;    // dmPaperSize
    bool documentPortrait; // dmOrientation is portrait
    uint8_t layout;
    uint32_t orientationSelection;
};

// One finishing feature as the page has it: whether its slot exists, how
// many options its item has, and the working selection.
struct FinisherFeature {
    bool present;
    uint32_t optionCount;
    uint32_t selection;
};

struct FinisherFeatures {
    FinisherFeature bindPosition;
    FinisherFeature staple;
    FinisherFeature punch;
};

// Kept in the job's record between openings of the page.
struct FinisherMemory {
    uint32_t lastPaperSize;
    uint8_t lastLayoutKey;
};

// What a list shows: the options kept (bit n = option n), and the entry
// selected among them (-1 when the list has no entry).
struct FinisherList {
    uint32_t keep;
    int selectedEntry;
};

struct FinisherPlan {
    uint32_t sheetClass;
    FinisherList bindPosition;
    FinisherList staple;
    FinisherList punch;
};

// The pass in its order: reset on change, bind position, staple, punch.
// Updates the memory and the selections of the present features.
FinisherPlan RunFinisherRules(const FinisherSheet &sheet, FinisherMemory *memory,
                              FinisherFeatures *features);
