// One watermark, its stored form in the plug-in ini and the entries of the
// watermark font list. Pure code: no platform headers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

constexpr unsigned kMaxWatermarks = 16;
constexpr size_t kWatermarkTextChars = 129;      // 128 and the terminator
constexpr size_t kWatermarkFontNameChars = 33;   // 32 and the terminator
constexpr size_t kFaceNameChars = 32;            // LOGFONT's face name
constexpr size_t kPsColorBytes = 16;

constexpr uint32_t kDefaultWatermarkSize = 72;
constexpr int16_t kDefaultWatermarkAngle = 45;
constexpr uint32_t kDefaultWatermarkColor = 0x00C0C0C0;
constexpr uint16_t kDefaultWatermarkPosition = 3;
constexpr uint32_t kWeightRegular = 400;
constexpr uint32_t kWeightBold = 700;
constexpr uint16_t kWesternItalicStyleCode = 5;

constexpr uint32_t kMinWatermarkSize = 1;
constexpr uint32_t kMaxWatermarkSize = 600;
constexpr int32_t kMinWatermarkAngle = -180;
constexpr int32_t kMaxWatermarkAngle = 180;
constexpr int32_t kMinWatermarkOffset = -1000;
constexpr int32_t kMaxWatermarkOffset = 1000;
constexpr unsigned kWatermarkPositions = 7;

enum WatermarkBorder : uint16_t { kBorderNone, kBorderCircle, kBorderSingle, kBorderDouble };

struct WatermarkRecord {
    uint32_t dwSize;
    uint32_t dwFontIndex;
    int16_t sAngle;
    int32_t lOffsetX;
    int32_t lOffsetY;
    uint32_t crColor;
    char16_t wszText[kWatermarkTextChars];
    char16_t wszFontName[kWatermarkFontNameChars];
    uint32_t dwWeight;
    uint8_t bItalic;
    uint8_t bCharSet;
    uint16_t wPosition;
    uint16_t wBorder;
    uint16_t wBackground;
    uint8_t bFirstPageOnly;
    uint16_t wStyleCode;
};

// Copies at most chars - 1 characters of the terminated `source` and
// terminates; `dest` always ends up terminated when chars > 0.
void CopyCut(char16_t *dest, size_t chars, const char16_t *source);
size_t TextLength(const char16_t *text, size_t capacity);

// The defaults of the None entry and of a new watermark (texts empty).
void SetWatermarkDefaults(WatermarkRecord *record, uint32_t fontIndex);

// The font index of the None entry: the list's "DefaultNo" minus 1 on a
// Japanese thread locale, else 0.
uint32_t DefaultWatermarkFontIndex(bool japaneseLocale, uint32_t defaultNo);

// "WTMK00" followed by the 1-based number in decimal.
std::u16string WatermarkKeyName(unsigned number);

// The ini value of one watermark: 16 fields, the text escaped.
std::u16string FormatWatermarkValue(const WatermarkRecord &record);

// Reads a stored value into `record` (which is first zero-filled). Fields
// missing from a short value read as 0 or empty; texts longer than their
// field are cut to it.
void ParseWatermarkValue(const char16_t *value, size_t length, WatermarkRecord *record);

// A number field as the stored format reads it; `pos` moves to the
// separator or the end.
int32_t ReadNumberField(const char16_t *value, size_t length, size_t *pos);

// One custom colour value "red,green,blue" as a COLORREF.
uint32_t ParseCustomColor(const char16_t *value, size_t length);
std::u16string FormatCustomColor(uint32_t color);
std::u16string CustomColorKeyName(unsigned index);

// "r g b" as PostScript operands, in a zero-filled 16-byte field.
void FormatPsColor(uint32_t color, char out[kPsColorBytes]);

// Style index 0..3: regular, italic, bold, bold italic.
unsigned WatermarkStyleIndex(uint32_t weight, uint8_t italic);
void ApplyWatermarkStyle(unsigned style, uint32_t *weight, uint8_t *italic);

// One entry of the watermark font list: up to five fields.
constexpr unsigned kFontEntryFields = 5;
constexpr size_t kFontFieldChars = 129;
struct FontEntry {
    char16_t field[kFontEntryFields][kFontFieldChars];
};

void ParseFontEntry(const char16_t *value, size_t length, FontEntry *entry);
// Field 4 begins with the two characters of the word for Japan.
bool IsJapaneseFont(const FontEntry &entry);
// The preview's screen face, cut to LOGFONT's 32 characters; the character
// set becomes 128 (Shift-JIS) for a Japanese font.
void PreviewFaceName(const FontEntry &entry, char16_t face[kFaceNameChars], uint8_t *charSet);
// The editor's OK: printer font name and style code from the entry of the
// record's font (null when the list has none).
void ResolvePrinterFont(const FontEntry *entry, WatermarkRecord *record);

// Size list lines of the Font dialog: 8, 9, ... 72; -1 for any other size.
constexpr unsigned kFontSizeLines = 16;
int FontSizeLine(uint32_t size);
uint32_t FontSizeOfLine(unsigned line);

// The adjustment edits keep their digits and a minus sign in first place;
// the number is held to -1000..1000.
struct OffsetText {
    int32_t value;
    size_t kept;     // characters kept
    bool dropped;    // some were dropped
};
OffsetText FilterOffsetText(const char16_t *text, size_t length);
