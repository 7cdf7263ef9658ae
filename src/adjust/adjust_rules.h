// Decisions of the print position adjustment that need no window: the five
// values of each page kind with their ranges and text formats, the duplex
// mode the driver's settings give, the page set each mode shows, the
// illustrations, and the measuring sheet of the test print.
#pragma once

#include "core/oem_devmode.h"

#include <cstddef>
#include <cstdint>

// Adjustment pages: 0 simplex; 1, 2 long-edge duplex sides 1 and 2; 3, 4
// short-edge duplex sides 1 and 2.
constexpr int kAdjustPageCount = 5;

enum AdjustField { kAdjScale1, kAdjScale2, kAdjShift1, kAdjShift2, kAdjFine, kAdjustFieldCount };

struct AdjustLimits {
    int32_t lowest;
    int32_t highest;
    int32_t standard;  // the default, also what an invalid or empty text stores
    int decimals;
    int editChars;
};
const AdjustLimits &LimitsOf(AdjustField field);

// The dialog's working copy of the record's 26 values.
struct AdjustValues {
    int32_t value[kAdjustFieldCount][kAdjustPageCount];
    uint32_t enable;
};
// Values outside their ranges come in at the nearer bound, and an enable
// flag other than 0 or 1 as 1.
void LoadAdjustValues(const OemDevmode &record, AdjustValues *values);
void StoreAdjustValues(const AdjustValues &values, OemDevmode *record);
// Both scales 10000, the other values 0 on every page; switched off.
void DefaultAdjustValues(AdjustValues *values);

// An optional '-', digits, optionally '.' and digits; the value in units of
// the last of `decimals` decimals (further decimals ignored, missing ones
// 0). A number too large for the value stays at the largest one.
enum class FixedPointText { Empty, Valid, Invalid };
FixedPointText ParseFixedPoint(const char16_t *text, int decimals, int64_t *value);

// What an edit's text stores: a valid value inside the range itself, one
// outside it the nearer bound, an invalid or empty text the default.
int32_t AdjustValueFromText(AdjustField field, const char16_t *text);
// One arrow press: one unit of the last decimal up or down, within the range.
int32_t StepAdjustValue(AdjustField field, int32_t value, bool up);

// Duplex modes of the dialog.
constexpr uint32_t kAdjustSimplex = 0;
constexpr uint32_t kAdjustLongEdge = 1;
constexpr uint32_t kAdjustShortEdge = 2;
constexpr uint32_t kAdjustModeCount = 3;

// The mode of the driver's "Duplex" value: "None" simplex, a value that
// sorts after "DuplexNoTumble" short edge, any other long edge.
uint32_t DuplexModeFromSetting(const char *duplex);
// The page a mode shows on its tab; a tab the mode lacks counts as tab 0.
int AdjustPageOf(uint32_t mode, int tab);

// The test print's job: dmDuplex and the number of pages.
int16_t TestPrintDuplex(uint32_t mode);
int TestPrintPages(uint32_t mode);
// The index in the printer's bin list for the driver's "InputSlot" value.
uint32_t BinIndexForInputSlot(const char *inputSlot);

// The three illustrations of a page, each chosen by how its values compare
// with their defaults: scales (nine), shifts (nine) and the fine value.
struct AdjustPictures {
    uint32_t scale;
    uint32_t shift;
    uint32_t fine;
};
constexpr uint32_t kAdjustPicturesFront = 4061;  // 4061..4079: pages 0, 1 and 3
constexpr uint32_t kAdjustPicturesBack = 4080;   // 4080..4098: pages 2 and 4
constexpr uint32_t kAdjustShiftPictures = 9;     // after the nine scale pictures
constexpr uint32_t kAdjustFinePicture = 18;      // after the nine shift pictures
AdjustPictures AdjustPicturesFor(const AdjustValues &values, int page);

// The measuring sheet of one test page in device units.
struct SheetLine {
    int x1, y1, x2, y2;
};
struct SheetText {
    int x, y;
    char16_t text[2];
};
struct SheetTriangle {
    int x[3], y[3];
};
constexpr size_t kMaxSheetLines = 4 + 2 + 4 + 4 * 64;
constexpr size_t kSheetTexts = 7;
constexpr size_t kSheetArrowHeads = 4;
struct TestSheet {
    SheetLine lines[kMaxSheetLines];
    size_t lineCount;
    SheetText texts[kSheetTexts];
    SheetTriangle heads[kSheetArrowHeads];
};
// Frame, centre lines, 50 mm ticks (15 mm long) at 600 dots per inch, the
// page number and the X and Y legends with their arrows.
void PlanTestSheet(int width, int height, int pageNumber, TestSheet *sheet);
constexpr int kTestSheetPenWidth = 3;
constexpr int kTestSheetFontHeight = 150;
