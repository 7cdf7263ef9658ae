// Parsing and lookups of configuration-file text with the rules of the
// platform's profile functions.
#include "core/profile_text.h"

namespace {

constexpr char16_t kByteOrderMark = 0xFEFF;
constexpr char16_t kSwappedByteOrderMark = 0xFFFE;
constexpr uint8_t kUtf8Mark[] = {0xEF, 0xBB, 0xBF};
constexpr size_t kUtf16MarkBytes = 2;
// The profile functions read a number through a 30-character buffer.
constexpr size_t kNumberTextChars = 30;
// Lines kept from a section are read back under a header of this name.
const char16_t kLinesSection[] = u"lines";
const char16_t kLinesSectionHeader[] = u"[lines]\n";

// Blanks as the profile reader sees them: Unicode spaces, plus CR and the
// DOS end-of-file mark.
bool IsBlank(char16_t c) {
    if ((c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x1A) return true;
    if (c == 0x85 || c == 0xA0 || c == 0x1680 || c == 0x2028 || c == 0x2029 || c == 0x202F ||
        c == 0x205F || c == 0x3000)
        return true;
    return c >= 0x2000 && c <= 0x200A;
}

// Names match without regard to the case of ASCII letters only, as the
// platform's profile functions here compare them.
char16_t FoldCase(char16_t c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char16_t>(c + 0x20) : c;
}

size_t Length(const char16_t *text) {
    size_t length = 0;
    while (text[length]) ++length;
    return length;
}

// The part of `text` without leading and trailing blanks.
std::u16string Trimmed(const char16_t *text) {
    const char16_t *begin = text;
    while (*begin && IsBlank(*begin)) ++begin;
    const char16_t *end = begin + Length(begin);
    while (end > begin && IsBlank(end[-1])) --end;
    return std::u16string(begin, end);
}

bool SameName(const std::u16string &a, const std::u16string &b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (FoldCase(a[i]) != FoldCase(b[i])) return false;
    return true;
}

// Copies at most chars - 1 characters and the terminator; the count copied.
size_t CopyCut(char16_t *out, size_t chars, const char16_t *text, size_t length) {
    const size_t count = length < chars - 1 ? length : chars - 1;
    for (size_t i = 0; i < count; ++i) out[i] = text[i];
    out[count] = 0;
    return count;
}

int DigitValue(char16_t c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
    if (c >= 'a' && c <= 'z') return c - 'a' + 10;
    return -1;
}

}  // namespace

ProfileEncoding DetectProfileEncoding(const uint8_t *bytes, size_t size, size_t *markBytes) {
    *markBytes = 0;
    if (size >= sizeof(kUtf8Mark) && bytes[0] == kUtf8Mark[0] && bytes[1] == kUtf8Mark[1] &&
        bytes[2] == kUtf8Mark[2]) {
        *markBytes = sizeof(kUtf8Mark);
        return ProfileEncoding::Utf8;
    }
    if (size >= kUtf16MarkBytes) {
        const char16_t first = static_cast<char16_t>(bytes[0] | (bytes[1] << 8));
        if (first == kByteOrderMark) {
            *markBytes = kUtf16MarkBytes;
            return ProfileEncoding::Utf16Le;
        }
        if (first == kSwappedByteOrderMark) {
            *markBytes = kUtf16MarkBytes;
            return ProfileEncoding::Utf16Be;
        }
    }
    return ProfileEncoding::Ansi;
}

std::u16string DecodeUtf16Profile(const uint8_t *bytes, size_t size, bool bigEndian) {
    std::u16string text(size / 2, u'\0');
    for (size_t i = 0; i < text.size(); ++i) {
        const uint8_t low = bigEndian ? bytes[2 * i + 1] : bytes[2 * i];
        const uint8_t high = bigEndian ? bytes[2 * i] : bytes[2 * i + 1];
        text[i] = static_cast<char16_t>(low | (high << 8));
    }
    return text;
}

ProfileText::ProfileText(const char16_t *text, size_t length) {
    const char16_t *end = text + length;
    Section *current = nullptr;  // lines before the first header belong to no section
    for (const char16_t *next = text; next < end;) {
        const char16_t *line = next;
        while (next < end && *next != u'\n') ++next;
        const char16_t *lineEnd = next;
        if (next < end) ++next;

        while (line < lineEnd && IsBlank(*line)) ++line;
        while (lineEnd > line && IsBlank(lineEnd[-1])) --lineEnd;
        if (line >= lineEnd) continue;

        if (*line == u'[') {
            // The name runs to the last ']' of the line; a header without
            // one is read as an entry.
            const char16_t *close = lineEnd;
            while (close > line && close[-1] != u']') --close;
            if (close > line + 1) {
                sections_.push_back(Section{std::u16string(line + 1, close - 1), {}});
                current = &sections_.back();
                continue;
            }
        }
        if (!current) continue;

        const char16_t *equals = line;
        while (equals < lineEnd && *equals != u'=') ++equals;
        Entry entry;
        entry.hasValue = equals < lineEnd;
        const char16_t *nameEnd = equals;
        while (nameEnd > line && IsBlank(nameEnd[-1])) --nameEnd;
        entry.name.assign(line, nameEnd);
        if (entry.hasValue) {
            const char16_t *value = equals + 1;
            while (value < lineEnd && IsBlank(*value)) ++value;
            entry.value.assign(value, lineEnd);
        }
        // A line without a name can never be asked for.
        if (!entry.name.empty()) current->entries.push_back(std::move(entry));
    }
}

const ProfileText::Entry *ProfileText::Find(const char16_t *section, const char16_t *key) const {
    const std::u16string sectionName = Trimmed(section);
    const std::u16string keyName = Trimmed(key);
    // Only the first section of a name is searched, as the platform does.
    for (const Section &candidate : sections_) {
        if (candidate.name.empty() || !SameName(candidate.name, sectionName)) continue;
        for (const Entry &entry : candidate.entries)
            if (SameName(entry.name, keyName)) return &entry;
        return nullptr;
    }
    return nullptr;
}

size_t ProfileText::ReadString(const char16_t *section, const char16_t *key,
                               const char16_t *defaultValue, char16_t *out, size_t chars) const {
    if (!out || !chars) return 0;
    if (!section || !key || !key[0]) {
        out[0] = 0;
        return 0;
    }
    const Entry *entry = Find(section, key);
    if (entry && entry->hasValue) {
        const std::u16string &value = entry->value;
        // One pair of enclosing quotes goes, the closing one only when the
        // value fits whole.
        if (value.size() >= 2 && (value[0] == u'\'' || value[0] == u'"') &&
            value.back() == value[0]) {
            const size_t inner = value.size() - 1;  // without the opening quote
            size_t count = CopyCut(out, chars, value.data() + 1, inner);
            if (chars >= inner && count > 0) out[--count] = 0;
            return count;
        }
        return CopyCut(out, chars, value.data(), value.size());
    }
    const char16_t *fallback = defaultValue ? defaultValue : u"";
    size_t length = Length(fallback);
    while (length > 1 && fallback[length - 1] == u' ') --length;
    return CopyCut(out, chars, fallback, length);
}

std::u16string ProfileText::SectionLines(const char16_t *section) const {
    std::u16string lines;
    const std::u16string sectionName = Trimmed(section);
    for (const Section &candidate : sections_) {
        if (candidate.name.empty() || !SameName(candidate.name, sectionName)) continue;
        for (const Entry &entry : candidate.entries) {
            if (!entry.hasValue) continue;
            lines += entry.name;
            lines += u'=';
            lines += entry.value;
            lines += u'\n';
        }
        break;
    }
    return lines;
}

size_t ReadSectionLines(const char16_t *lines, const char16_t *key, char16_t *out, size_t chars) {
    const std::u16string text = std::u16string(kLinesSectionHeader) + lines;
    return ProfileText(text.data(), text.size()).ReadString(kLinesSection, key, u"", out, chars);
}

uint32_t ProfileText::ReadInt(const char16_t *section, const char16_t *key,
                              int32_t defaultValue) const {
    char16_t text[kNumberTextChars];
    if (ReadString(section, key, u"", text, kNumberTextChars) == 0)
        return static_cast<uint32_t>(defaultValue);
    return ProfileTextToNumber(text);
}

uint32_t ProfileTextToNumber(const char16_t *text) {
    const char16_t *p = text;
    while (*p && *p <= u' ') ++p;
    bool negative = false;
    if (*p == u'+' || *p == u'-') negative = *p++ == u'-';
    int base = 10;
    if (p[0] == u'0' && p[1]) {
        if (p[1] == u'b') base = 2;
        else if (p[1] == u'o') base = 8;
        else if (p[1] == u'x') base = 16;
        if (base != 10) p += 2;
    }
    uint32_t total = 0;
    for (; *p; ++p) {
        const int digit = DigitValue(*p);
        if (digit < 0 || digit >= base) break;
        total = total * static_cast<uint32_t>(base) + static_cast<uint32_t>(digit);
    }
    return negative ? 0u - total : total;
}
