#include "watermarks/watermark_record.h"

#include <cstdio>
#include <algorithm>
#include <cstring>

namespace {

constexpr char16_t kEscape = u'\\';
constexpr char16_t kComma = u',';
constexpr char16_t kSemicolon = u';';
constexpr char16_t kJapanFirst = 0x65E5;
constexpr char16_t kJapanSecond = 0x672C;
constexpr uint8_t kShiftJisCharSet = 128;
constexpr unsigned kItalicStyleBit = 1;
constexpr unsigned kBoldStyle = 2;
constexpr double kColorScale = 255.0;
constexpr unsigned kColorParts = 3;
constexpr unsigned kColorPartBits = 8;
constexpr uint32_t kColorPartMask = 0xFF;
constexpr unsigned kJapaneseFaceField = 1;
constexpr unsigned kJapanesePrinterField = 2;
constexpr unsigned kFamilyField = 3;
constexpr unsigned kWesternFaceField = 4;

const uint32_t kFontSizes[kFontSizeLines] = {8, 9, 10, 11, 12, 14, 16, 18,
                                             20, 22, 24, 26, 28, 36, 48, 72};

bool IsSeparator(char16_t c) { return c == kComma || c == kSemicolon; }

void StepOverSeparator(const char16_t *value, size_t length, size_t *pos) {
    if (*pos < length && IsSeparator(value[*pos])) ++*pos;
}

int HexDigit(char16_t c) {
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'a' && c <= u'f') return c - u'a' + 10;
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    return -1;
}

void AppendDecimal(std::u16string *out, int64_t number) {
    char digits[24];
    std::snprintf(digits, sizeof(digits), "%lld", static_cast<long long>(number));
    for (const char *p = digits; *p; ++p) out->push_back(static_cast<char16_t>(*p));
}

// The text up to an unescaped separator; a backslash takes the next
// character literally, and one at the very end is dropped.
void ReadEscapedField(const char16_t *value, size_t length, size_t *pos, char16_t *out,
                      size_t chars) {
    size_t kept = 0;
    while (*pos < length && !IsSeparator(value[*pos])) {
        char16_t c = value[(*pos)++];
        if (c == kEscape) {
            if (*pos >= length) break;
            c = value[(*pos)++];
        }
        if (kept + 1 < chars) out[kept++] = c;
    }
    out[kept] = 0;
}

void ReadPlainField(const char16_t *value, size_t length, size_t *pos, char16_t *out,
                    size_t chars) {
    size_t kept = 0;
    while (*pos < length && !IsSeparator(value[*pos])) {
        const char16_t c = value[(*pos)++];
        if (kept + 1 < chars) out[kept++] = c;
    }
    out[kept] = 0;
}

size_t ValueLength(const char16_t *value, size_t length) {
    return value ? TextLength(value, length) : 0;
}

}  // namespace

size_t TextLength(const char16_t *text, size_t capacity) {
    size_t n = 0;
    while (n < capacity && text[n]) ++n;
    return n;
}

void CopyCut(char16_t *dest, size_t chars, const char16_t *source) {
    if (!chars) return;
    size_t n = 0;
    if (source)
        for (; n + 1 < chars && source[n]; ++n) dest[n] = source[n];
    dest[n] = 0;
}

void SetWatermarkDefaults(WatermarkRecord *record, uint32_t fontIndex) {
    std::memset(record, 0, sizeof(*record));
    record->dwSize = kDefaultWatermarkSize;
    record->dwFontIndex = fontIndex;
    record->sAngle = kDefaultWatermarkAngle;
    record->crColor = kDefaultWatermarkColor;
    record->wPosition = kDefaultWatermarkPosition;
}

uint32_t DefaultWatermarkFontIndex(bool japaneseLocale, uint32_t defaultNo) {
    return japaneseLocale && defaultNo ? defaultNo - 1 : 0;
}

std::u16string WatermarkKeyName(unsigned number) {
    std::u16string key = u"WTMK00";
    AppendDecimal(&key, number);
    return key;
}

std::u16string FormatWatermarkValue(const WatermarkRecord &r) {
    std::u16string out;
    auto number = [&out](int64_t n) {
        AppendDecimal(&out, n);
        out.push_back(kComma);
    };
    number(static_cast<int32_t>(r.dwSize));
    number(static_cast<int32_t>(r.dwFontIndex));
    number(r.sAngle);
    number(r.lOffsetX);
    number(r.lOffsetY);
    number(r.crColor);
    for (size_t i = 0; i < kWatermarkTextChars && r.wszText[i]; ++i) {
        const char16_t c = r.wszText[i];
        if (c == kEscape || IsSeparator(c)) out.push_back(kEscape);
        out.push_back(c);
    }
    out.push_back(kComma);
    out.append(r.wszFontName, TextLength(r.wszFontName, kWatermarkFontNameChars));
    out.push_back(kComma);
    number(static_cast<int32_t>(r.dwWeight));
    number(r.bItalic);
    number(r.bCharSet);
    number(r.wPosition);
    number(r.wBorder);
    number(r.wBackground);
    number(r.bFirstPageOnly);
    AppendDecimal(&out, r.wStyleCode);
    return out;
}

int32_t ReadNumberField(const char16_t *value, size_t length, size_t *pos) {
    uint32_t number = 0;
    bool negative = false;
    bool hex = false;
    while (*pos < length && !IsSeparator(value[*pos])) {
        const char16_t c = value[*pos];
        if (c == u'-') {
            negative = true;
        } else if (c == u'0' && *pos + 1 < length && (value[*pos + 1] == u'x' || value[*pos + 1] == u'X')) {
            hex = true;
            *pos += 2;
            continue;
        } else if (hex && HexDigit(c) >= 0) {
            number = number * 16 + static_cast<uint32_t>(HexDigit(c));
        } else if (!hex && c >= u'0' && c <= u'9') {
            number = number * 10 + static_cast<uint32_t>(c - u'0');
        }
        ++*pos;
    }
    if (negative) number = 0u - number;
    return static_cast<int32_t>(number);
}

void ParseWatermarkValue(const char16_t *value, size_t length, WatermarkRecord *r) {
    std::memset(r, 0, sizeof(*r));
    length = ValueLength(value, length);
    size_t pos = 0;
    auto number = [&]() {
        const int32_t n = ReadNumberField(value, length, &pos);
        StepOverSeparator(value, length, &pos);
        return n;
    };
    r->dwSize = static_cast<uint32_t>(number());
    r->dwFontIndex = static_cast<uint32_t>(number());
    r->sAngle = static_cast<int16_t>(number());
    r->lOffsetX = number();
    r->lOffsetY = number();
    r->crColor = static_cast<uint32_t>(number());
    ReadEscapedField(value, length, &pos, r->wszText, kWatermarkTextChars);
    StepOverSeparator(value, length, &pos);
    ReadPlainField(value, length, &pos, r->wszFontName, kWatermarkFontNameChars);
    StepOverSeparator(value, length, &pos);
    r->dwWeight = static_cast<uint32_t>(number());
    r->bItalic = static_cast<uint8_t>(number());
    r->bCharSet = static_cast<uint8_t>(number());
    r->wPosition = static_cast<uint8_t>(number());
    r->wBorder = static_cast<uint8_t>(number());
    r->wBackground = static_cast<uint8_t>(number());
    r->bFirstPageOnly = static_cast<uint8_t>(number());
    r->wStyleCode = static_cast<uint8_t>(number());
}

uint32_t ParseCustomColor(const char16_t *value, size_t length) {
    length = ValueLength(value, length);
    size_t pos = 0;
    uint32_t color = 0;
    for (unsigned part = 0; part < kColorParts; ++part) {
        while (pos < length && (value[pos] == u' ' || value[pos] == u'\t')) ++pos;
        bool negative = false;
        if (pos < length && (value[pos] == u'+' || value[pos] == u'-')) negative = value[pos++] == u'-';
        uint32_t number = 0;
        while (pos < length && value[pos] >= u'0' && value[pos] <= u'9')
            number = number * 10 + static_cast<uint32_t>(value[pos++] - u'0');
        if (negative) number = 0u - number;
        color |= (number & kColorPartMask) << (part * kColorPartBits);
        if (pos >= length || value[pos] != kComma) break;
        ++pos;
    }
    return color;
}

std::u16string FormatCustomColor(uint32_t color) {
    std::u16string out;
    for (unsigned part = 0; part < kColorParts; ++part) {
        if (part) out.push_back(kComma);
        AppendDecimal(&out, (color >> (part * kColorPartBits)) & kColorPartMask);
    }
    return out;
}

std::u16string CustomColorKeyName(unsigned index) {
    std::u16string key = u"Color";
    AppendDecimal(&key, index);
    return key;
}

void FormatPsColor(uint32_t color, char out[kPsColorBytes]) {
    char text[kPsColorBytes] = {};
    std::snprintf(text, sizeof(text), "%1.2f %1.2f %1.2f",
                  static_cast<double>(color & kColorPartMask) / kColorScale,
                  static_cast<double>((color >> kColorPartBits) & kColorPartMask) / kColorScale,
                  static_cast<double>((color >> (2 * kColorPartBits)) & kColorPartMask) / kColorScale);
    std::memcpy(out, text, kPsColorBytes);
}

unsigned WatermarkStyleIndex(uint32_t weight, uint8_t italic) {
    return (italic ? kItalicStyleBit : 0) + (weight == kWeightBold ? kBoldStyle : 0);
}

void ApplyWatermarkStyle(unsigned style, uint32_t *weight, uint8_t *italic) {
    *weight = style < kBoldStyle ? kWeightRegular : kWeightBold;
    *italic = static_cast<uint8_t>(style & kItalicStyleBit);
}

void ParseFontEntry(const char16_t *value, size_t length, FontEntry *entry) {
    std::memset(entry, 0, sizeof(*entry));
    length = ValueLength(value, length);
    size_t pos = 0;
    for (unsigned field = 0; field < kFontEntryFields && pos < length; ++field) {
        ReadPlainField(value, length, &pos, entry->field[field], kFontFieldChars);
        StepOverSeparator(value, length, &pos);
    }
}

bool IsJapaneseFont(const FontEntry &entry) {
    return entry.field[kFamilyField][0] == kJapanFirst && entry.field[kFamilyField][1] == kJapanSecond;
}

void PreviewFaceName(const FontEntry &entry, char16_t face[kFaceNameChars], uint8_t *charSet) {
    if (IsJapaneseFont(entry)) {
        CopyCut(face, kFaceNameChars, entry.field[kJapaneseFaceField]);
        *charSet = kShiftJisCharSet;
        return;
    }
    CopyCut(face, kFaceNameChars, entry.field[kWesternFaceField]);
}

void ResolvePrinterFont(const FontEntry *entry, WatermarkRecord *record) {
    const unsigned style = WatermarkStyleIndex(record->dwWeight, record->bItalic);
    const uint16_t westernCode = record->bItalic ? kWesternItalicStyleCode : 0;
    if (!entry) {
        record->wszFontName[0] = 0;
        record->wStyleCode = westernCode;
        return;
    }
    if (IsJapaneseFont(*entry)) {
        CopyCut(record->wszFontName, kWatermarkFontNameChars, entry->field[kJapanesePrinterField]);
        record->wStyleCode = static_cast<uint16_t>(style);
        return;
    }
    CopyCut(record->wszFontName, kWatermarkFontNameChars, entry->field[style]);
    record->wStyleCode = westernCode;
}

int FontSizeLine(uint32_t size) {
    for (unsigned line = 0; line < kFontSizeLines; ++line)
        if (kFontSizes[line] == size) return static_cast<int>(line);
    return -1;
}

uint32_t FontSizeOfLine(unsigned line) { return line < kFontSizeLines ? kFontSizes[line] : 0; }

OffsetText FilterOffsetText(const char16_t *text, size_t length) {
    OffsetText out = {0, 0, false};
    bool negative = false;
    int64_t number = 0;
    for (size_t i = 0; i < length; ++i) {
        const char16_t c = text[i];
        if (c == u'-' && i == 0) {
            negative = true;
            ++out.kept;
        } else if (c >= u'0' && c <= u'9') {
            if (number <= kMaxWatermarkOffset) number = number * 10 + (c - u'0');
            ++out.kept;
        } else {
            out.dropped = true;
        }
    }
    if (negative) number = -number;
    out.value = static_cast<int32_t>(std::min<int64_t>(std::max<int64_t>(number, kMinWatermarkOffset),
                                                       kMaxWatermarkOffset));
    return out;
}
