#include "adjust/adjust_rules.h"

#include <cstring>
#include <initializer_list>

namespace {

// Scales in hundredths of a percent, shifts in tenths and the fine value in
// hundredths of a millimetre.
const AdjustLimits kLimits[kAdjustFieldCount] = {
    {9800, 10200, 10000, 2, 6},
    {9800, 10200, 10000, 2, 6},
    {-20, 20, 0, 1, 4},
    {-20, 20, 0, 1, 4},
    {-50, 50, 0, 2, 5},
};

constexpr int64_t kLargestParsed = 1000000000000LL;
const char kNoDuplex[] = "None";
const char kLongEdgeDuplex[] = "DuplexNoTumble";
const char kLastNamedBin[] = "Tray4";
constexpr uint32_t kBinBeforeLast = 5;
constexpr uint32_t kBinAfterLast = 6;

struct NamedBin {
    const char *inputSlot;
    uint32_t index;
};
const NamedBin kNamedBins[] = {
    {"*UseFormTrayTable", 0}, {"Front", 1}, {"Upper", 2}, {"Lower", 3}, {"Tray3", 4}, {"Tray4", 5},
};

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

int64_t AppendDigit(int64_t value, char16_t digit) {
    const int64_t next = value * 10 + (digit - u'0');
    return next > kLargestParsed ? kLargestParsed : next;
}

int32_t Clamp(int64_t value, const AdjustLimits &limits) {
    if (value < limits.lowest) return limits.lowest;
    if (value > limits.highest) return limits.highest;
    return static_cast<int32_t>(value);
}

// 0 below, 1 at, 2 above the default.
uint32_t Compare(int32_t value, int32_t standard) {
    if (value < standard) return 0;
    return value == standard ? 1 : 2;
}

void AddLine(TestSheet *sheet, int x1, int y1, int x2, int y2) {
    if (sheet->lineCount == kMaxSheetLines) return;
    sheet->lines[sheet->lineCount++] = {x1, y1, x2, y2};
}

void SetText(SheetText *text, int x, int y, char16_t c) { *text = {x, y, {c, 0}}; }

// Ticks across a centre line, every step outwards from the centre while
// they stay inside the page.
void AddTicks(TestSheet *sheet, int centre, int extent, int across, bool horizontalLine) {
    constexpr int kTickStep = 1181;
    constexpr int kTickHalf = 354;
    for (int k = 1;; ++k) {
        const int before = centre - k * kTickStep, after = centre + k * kTickStep;
        if (before <= 0 && after >= extent) return;
        for (int at : {before, after}) {
            if (at <= 0 || at >= extent) continue;
            if (horizontalLine)
                AddLine(sheet, at, across - kTickHalf, at, across + kTickHalf);
            else
                AddLine(sheet, across - kTickHalf, at, across + kTickHalf, at);
        }
        if (sheet->lineCount == kMaxSheetLines) return;
    }
}

}  // namespace

const AdjustLimits &LimitsOf(AdjustField field) { return kLimits[field]; }

void LoadAdjustValues(const OemDevmode &record, AdjustValues *values) {
    for (int page = 0; page < kAdjustPageCount; ++page) {
        const int64_t stored[kAdjustFieldCount] = {record.adwAdjScale1[page], record.adwAdjScale2[page],
                                                   record.alAdjShift1[page], record.alAdjShift2[page],
                                                   record.alAdjFine[page]};
        for (int field = 0; field < kAdjustFieldCount; ++field)
            values->value[field][page] = Clamp(stored[field], kLimits[field]);
    }
    values->enable = record.dwAdjEnable ? 1 : 0;
}

void StoreAdjustValues(const AdjustValues &values, OemDevmode *record) {
    for (int page = 0; page < kAdjustPageCount; ++page) {
        record->adwAdjScale1[page] = static_cast<uint32_t>(values.value[kAdjScale1][page]);
        record->adwAdjScale2[page] = static_cast<uint32_t>(values.value[kAdjScale2][page]);
        record->alAdjShift1[page] = values.value[kAdjShift1][page];
        record->alAdjShift2[page] = values.value[kAdjShift2][page];
        record->alAdjFine[page] = values.value[kAdjFine][page];
    }
    record->dwAdjEnable = values.enable;
}

void DefaultAdjustValues(AdjustValues *values) {
    for (int field = 0; field < kAdjustFieldCount; ++field)
        for (int page = 0; page < kAdjustPageCount; ++page)
            values->value[field][page] = kLimits[field].standard;
    values->enable = 0;
}

FixedPointText ParseFixedPoint(const char16_t *text, int decimals, int64_t *value) {
    if (!text[0]) return FixedPointText::Empty;
    const char16_t *p = text;
    const bool negative = *p == u'-';
    if (negative) ++p;
    int64_t result = 0;
    while (IsDigit(*p)) result = AppendDigit(result, *p++);
    if (*p == u'.') ++p;
    for (int place = 0; place < decimals; ++place)
        result = IsDigit(*p) ? AppendDigit(result, *p++) : AppendDigit(result, u'0');
    for (; *p; ++p)
        if (!IsDigit(*p)) return FixedPointText::Invalid;
    *value = negative ? -result : result;
    return FixedPointText::Valid;
}

int32_t AdjustValueFromText(AdjustField field, const char16_t *text) {
    const AdjustLimits &limits = kLimits[field];
    int64_t parsed = 0;
    if (ParseFixedPoint(text, limits.decimals, &parsed) != FixedPointText::Valid) return limits.standard;
    return Clamp(parsed, limits);
}

int32_t StepAdjustValue(AdjustField field, int32_t value, bool up) {
    return Clamp(static_cast<int64_t>(value) + (up ? 1 : -1), kLimits[field]);
}

uint32_t DuplexModeFromSetting(const char *duplex) {
    if (!std::strcmp(duplex, kNoDuplex)) return kAdjustSimplex;
    return std::strcmp(duplex, kLongEdgeDuplex) > 0 ? kAdjustShortEdge : kAdjustLongEdge;
}

int AdjustPageOf(uint32_t mode, int tab) {
    const int side = tab == 1 ? 1 : 0;
    if (mode == kAdjustLongEdge) return 1 + side;
    if (mode == kAdjustShortEdge) return 3 + side;
    return 0;
}

int16_t TestPrintDuplex(uint32_t mode) {
    constexpr int16_t kSimplexJob = 1;  // DMDUP_SIMPLEX; DMDUP_VERTICAL and DMDUP_HORIZONTAL follow
    return static_cast<int16_t>(kSimplexJob + (mode < kAdjustModeCount ? mode : 0));
}

int TestPrintPages(uint32_t mode) { return mode == kAdjustSimplex || mode >= kAdjustModeCount ? 1 : 2; }

uint32_t BinIndexForInputSlot(const char *inputSlot) {
    for (const NamedBin &bin : kNamedBins)
        if (!std::strcmp(inputSlot, bin.inputSlot)) return bin.index;
    return std::strcmp(inputSlot, kLastNamedBin) < 0 ? kBinBeforeLast : kBinAfterLast;
}

AdjustPictures AdjustPicturesFor(const AdjustValues &values, int page) {
    const bool back = page == 2 || page == 4;
    const uint32_t base = back ? kAdjustPicturesBack : kAdjustPicturesFront;
    auto pair = [&](AdjustField first, AdjustField second) {
        return 3 * Compare(values.value[first][page], kLimits[first].standard) +
               Compare(values.value[second][page], kLimits[second].standard);
    };
    return {base + pair(kAdjScale1, kAdjScale2), base + kAdjustShiftPictures + pair(kAdjShift1, kAdjShift2),
            base + kAdjustFinePicture};
}

void PlanTestSheet(int width, int height, int pageNumber, TestSheet *sheet) {
    constexpr int kEdge = 3;
    sheet->lineCount = 0;
    const int right = width - kEdge, bottom = height - kEdge;
    AddLine(sheet, kEdge, kEdge, right, kEdge);
    AddLine(sheet, right, kEdge, right, bottom);
    AddLine(sheet, right, bottom, kEdge, bottom);
    AddLine(sheet, kEdge, bottom, kEdge, kEdge);
    AddLine(sheet, kEdge, height / 2, right, height / 2);
    AddLine(sheet, width / 2, kEdge, width / 2, bottom);

    const int x0 = width / 64, y0 = height / 64;
    AddLine(sheet, x0 + 200, 100, x0 + 500, 100);
    AddLine(sheet, x0 + 800, 100, x0 + 1100, 100);
    AddLine(sheet, x0 + 40, y0 + 220, x0 + 40, y0 + 520);
    AddLine(sheet, x0 + 40, y0 + 790, x0 + 40, y0 + 1090);
    AddTicks(sheet, width / 2, width, height / 2, true);
    AddTicks(sheet, height / 2, height, width / 2, false);

    SetText(&sheet->texts[0], x0, 3, pageNumber == 2 ? u'2' : u'1');
    SetText(&sheet->texts[1], x0 + 100, 12, u'-');
    SetText(&sheet->texts[2], x0 + 600, 10, u'X');
    SetText(&sheet->texts[3], x0 + 1150, 25, u'+');
    SetText(&sheet->texts[4], x0 + 20, y0 + 40, u'-');
    SetText(&sheet->texts[5], x0 + 10, y0 + 600, u'Y');
    SetText(&sheet->texts[6], x0 + 5, y0 + 1160, u'+');

    sheet->heads[0] = {{x0 + 200, x0 + 230, x0 + 230}, {100, 115, 85}};
    sheet->heads[1] = {{x0 + 1100, x0 + 1070, x0 + 1070}, {100, 115, 85}};
    sheet->heads[2] = {{x0 + 40, x0 + 25, x0 + 55}, {y0 + 220, y0 + 250, y0 + 250}};
    sheet->heads[3] = {{x0 + 40, x0 + 25, x0 + 55}, {y0 + 1110, y0 + 1070, y0 + 1070}};
}
