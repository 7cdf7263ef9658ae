#include "ppd_text.h"

namespace {

constexpr unsigned kShiftJisCodePage = 932;
constexpr unsigned kGbkCodePage = 936;
constexpr unsigned kKoreanCodePage = 949;
constexpr unsigned kBig5CodePage = 950;

constexpr char32_t kMaxCodePoint = 0x10FFFF;
constexpr char32_t kSurrogateFirst = 0xD800;
constexpr char32_t kSurrogateLast = 0xDFFF;
constexpr char32_t kFirstSupplementary = 0x10000;
constexpr char16_t kHighSurrogateBase = 0xD800;
constexpr char16_t kLowSurrogateBase = 0xDC00;
constexpr unsigned kSurrogateBits = 10;
constexpr char32_t kSurrogateMask = 0x3FF;

constexpr unsigned char kWindowsAnsiSpecialFirst = 0x80;
// Code page 1252 where it differs from Latin-1 (0x80..0x9F); the table is the data.
const char16_t kWindowsAnsiSpecial[] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

struct EncodingName {
    const char *name;
    PpdEncoding encoding;
};

const EncodingName kEncodingNames[] = {
    {"ISOLatin1", PpdEncoding::Latin1},   {"WindowsANSI", PpdEncoding::WindowsAnsi},
    {"UTF-8", PpdEncoding::Utf8},         {"JIS83-RKSJ", PpdEncoding::ShiftJis},
    {"GBK", PpdEncoding::Gbk},            {"GB2312", PpdEncoding::Gbk},
    {"BIG5", PpdEncoding::Big5},          {"Big5", PpdEncoding::Big5},
    {"KSC", PpdEncoding::Korean},         {"EUC-KR", PpdEncoding::Korean},
};

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// The bytes of the hex substring starting at text[open] ('<'); false when
// it is not one, *end then untouched.
bool ReadHexSubstring(std::string_view text, size_t open, std::string *bytes, size_t *end) {
    std::string decoded;
    int high = -1;
    for (size_t i = open + 1; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '>') {
            if (high >= 0 || decoded.empty()) return false;
            *bytes += decoded;
            *end = i + 1;
            return true;
        }
        if (IsBlank(c)) continue;
        const int value = HexValue(c);
        if (value < 0) return false;
        if (high < 0) {
            high = value;
            continue;
        }
        decoded += static_cast<char>((high << 4) | value);
        high = -1;
    }
    return false;
}

// The lead byte of a multi-byte UTF-8 sequence: its marker bits, the
// sequence length and the smallest code point it may carry.
struct Utf8Lead {
    unsigned char mask;
    unsigned char marker;
    size_t length;
    char32_t minimum;
};

const Utf8Lead kUtf8Leads[] = {
    {0xE0, 0xC0, 2, 0x80},
    {0xF0, 0xE0, 3, 0x800},
    {0xF8, 0xF0, 4, 0x10000},
};
constexpr unsigned char kAsciiLimit = 0x80;
constexpr unsigned char kContinuationMask = 0xC0;
constexpr unsigned char kContinuationMarker = 0x80;
constexpr unsigned char kContinuationBits = 0x3F;
constexpr unsigned kBitsPerContinuation = 6;

// Length of the UTF-8 sequence at bytes[i] and its code point; 0 when invalid.
size_t Utf8Sequence(std::string_view bytes, size_t i, char32_t *codePoint) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    if (lead < kAsciiLimit) {
        *codePoint = lead;
        return 1;
    }
    for (const Utf8Lead &form : kUtf8Leads) {
        if ((lead & form.mask) != form.marker) continue;
        if (i + form.length > bytes.size()) return 0;
        char32_t value = lead & static_cast<unsigned char>(~form.mask);
        for (size_t k = 1; k < form.length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & kContinuationMask) != kContinuationMarker) return 0;
            value = (value << kBitsPerContinuation) | (next & kContinuationBits);
        }
        if (value < form.minimum || value > kMaxCodePoint) return 0;
        if (value >= kSurrogateFirst && value <= kSurrogateLast) return 0;
        *codePoint = value;
        return form.length;
    }
    return 0;
}

void AppendUtf16(char32_t codePoint, std::u16string *out) {
    if (codePoint < kFirstSupplementary) {
        out->push_back(static_cast<char16_t>(codePoint));
        return;
    }
    const char32_t offset = codePoint - kFirstSupplementary;
    out->push_back(static_cast<char16_t>(kHighSurrogateBase + (offset >> kSurrogateBits)));
    out->push_back(static_cast<char16_t>(kLowSurrogateBase + (offset & kSurrogateMask)));
}

char16_t ByteAsUtf16(unsigned char byte, PpdEncoding encoding) {
    const size_t special = static_cast<size_t>(byte - kWindowsAnsiSpecialFirst);
    if (encoding == PpdEncoding::WindowsAnsi && byte >= kWindowsAnsiSpecialFirst &&
        special < sizeof(kWindowsAnsiSpecial) / sizeof(kWindowsAnsiSpecial[0]))
        return kWindowsAnsiSpecial[special];
    return byte;
}

}  // namespace

std::string DecodeHexSubstrings(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        size_t end = 0;
        if (text[i] == '<' && ReadHexSubstring(text, i, &out, &end)) {
            i = end;
            continue;
        }
        out += text[i++];
    }
    return out;
}

bool IsValidUtf8(std::string_view bytes) {
    for (size_t i = 0; i < bytes.size();) {
        char32_t codePoint = 0;
        const size_t length = Utf8Sequence(bytes, i, &codePoint);
        if (!length) return false;
        i += length;
    }
    return true;
}

PpdEncoding EncodingOf(std::string_view languageEncoding) {
    for (const EncodingName &entry : kEncodingNames)
        if (languageEncoding == entry.name) return entry.encoding;
    return PpdEncoding::Latin1;
}

unsigned CodePageOf(PpdEncoding encoding) {
    switch (encoding) {
    case PpdEncoding::ShiftJis: return kShiftJisCodePage;
    case PpdEncoding::Gbk: return kGbkCodePage;
    case PpdEncoding::Big5: return kBig5CodePage;
    case PpdEncoding::Korean: return kKoreanCodePage;
    default: return 0;
    }
}

std::u16string DecodePpdText(std::string_view bytes, PpdEncoding encoding) {
    std::u16string out;
    out.reserve(bytes.size());
    if (IsValidUtf8(bytes)) {
        for (size_t i = 0; i < bytes.size();) {
            char32_t codePoint = 0;
            i += Utf8Sequence(bytes, i, &codePoint);
            AppendUtf16(codePoint, &out);
        }
        return out;
    }
    for (const char c : bytes) out.push_back(ByteAsUtf16(static_cast<unsigned char>(c), encoding));
    return out;
}
