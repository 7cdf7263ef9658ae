#include "numbered_profile.h"

#include "core/profile_text.h"

#include <cstdint>

namespace {

constexpr char16_t kByteOrderMark = 0xFEFF;
constexpr long long kNumberLimit = 0x7FFFFFFF;

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }

char16_t LowerAscii(char16_t c) { return c >= u'A' && c <= u'Z' ? c - u'A' + u'a' : c; }

std::u16string_view Trim(std::u16string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && (IsBlank(text.back()) || text.back() == u'\r')) text.remove_suffix(1);
    return text;
}

std::u16string DecodeUtf8(std::string_view bytes) {
    std::u16string out;
    for (size_t i = 0; i < bytes.size();) {
        const unsigned char lead = static_cast<unsigned char>(bytes[i]);
        const int extra = lead < 0x80 ? 0
                          : (lead >> 5) == 6 ? 1
                          : (lead >> 4) == 14 ? 2
                          : (lead >> 3) == 30 ? 3
                                              : -1;
        if (extra < 0 || i + extra >= bytes.size()) {
            out += static_cast<char16_t>(0xFFFD);
            ++i;
            continue;
        }
        uint32_t c = extra == 0 ? lead : lead & (0x3F >> extra);
        for (int k = 1; k <= extra; ++k) c = (c << 6) | (static_cast<unsigned char>(bytes[i + k]) & 0x3F);
        i += extra + 1;
        if (c >= 0x10000) {
            c -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (c >> 10));
            out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);
        }
    }
    return out;
}

// The byte-order mark decides as it does for the plug-in's own reads; text
// without one is taken one byte per character.
std::u16string Decode(std::string_view text) {
    const auto *bytes = reinterpret_cast<const uint8_t *>(text.data());
    size_t mark = 0;
    switch (DetectProfileEncoding(bytes, text.size(), &mark)) {
    case ProfileEncoding::Utf16Le: return DecodeUtf16Profile(bytes + mark, text.size() - mark, false);
    case ProfileEncoding::Utf16Be: return DecodeUtf16Profile(bytes + mark, text.size() - mark, true);
    case ProfileEncoding::Utf8: return DecodeUtf8(text.substr(mark));
    case ProfileEncoding::Ansi: break;
    }
    std::u16string out;
    out.reserve(text.size());
    for (unsigned char c : text) out += static_cast<char16_t>(c);
    return out;
}

std::u16string Unquote(std::u16string_view value) {
    if (value.size() >= 2 && value.front() == value.back() &&
        (value.front() == u'"' || value.front() == u'\''))
        value = value.substr(1, value.size() - 2);
    return std::u16string(value);
}

}  // namespace

bool SameName(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    return true;
}

std::u16string Widen(std::string_view ascii) {
    std::u16string out;
    for (unsigned char c : ascii) out += static_cast<char16_t>(c);
    return out;
}

const NumberedSection *NumberedProfile::Section(std::u16string_view name) const {
    for (const NumberedSection &section : sections)
        if (SameName(section.name, name)) return &section;
    return nullptr;
}

const NumberedEntry *NumberedProfile::Find(std::u16string_view section, std::u16string_view key) const {
    for (const NumberedSection &s : sections) {
        if (!SameName(s.name, section)) continue;
        for (const NumberedEntry &entry : s.entries)
            if (SameName(entry.key, key)) return &entry;
    }
    return nullptr;
}

NumberedProfile ParseNumberedProfile(std::string_view bytes) {
    const std::u16string text = Decode(bytes);
    NumberedProfile profile;
    size_t pos = 0;
    int line = 0;
    if (!text.empty() && text[0] == kByteOrderMark) pos = 1;
    while (pos < text.size()) {
        ++line;
        size_t end = text.find(u'\n', pos);
        if (end == std::u16string::npos) end = text.size();
        const std::u16string_view content = Trim(std::u16string_view(text).substr(pos, end - pos));
        pos = end + 1;
        if (content.empty() || content.front() == u';') continue;
        if (content.front() == u'[') {
            const size_t close = content.find(u']');
            NumberedSection section;
            section.name = std::u16string(Trim(content.substr(1, close == std::u16string_view::npos
                                                                    ? std::u16string_view::npos
                                                                    : close - 1)));
            section.line = line;
            profile.sections.push_back(std::move(section));
            continue;
        }
        if (profile.sections.empty()) continue;
        const size_t equals = content.find(u'=');
        NumberedEntry entry;
        entry.key = std::u16string(Trim(content.substr(0, equals)));
        if (equals != std::u16string_view::npos) entry.value = Unquote(Trim(content.substr(equals + 1)));
        entry.line = line;
        profile.sections.back().entries.push_back(std::move(entry));
    }
    return profile;
}

bool ParseWholeNumber(std::u16string_view text, long long *value) {
    text = Trim(text);
    bool negative = false;
    if (!text.empty() && (text.front() == u'-' || text.front() == u'+')) {
        negative = text.front() == u'-';
        text.remove_prefix(1);
    }
    if (text.empty()) return false;
    long long number = 0;
    for (char16_t c : text) {
        if (c < u'0' || c > u'9') return false;
        if (number <= kNumberLimit) number = number * 10 + (c - u'0');
    }
    if (number > kNumberLimit) return false;
    *value = negative ? -number : number;
    return true;
}

long long LeadingNumber(std::u16string_view text) {
    text = Trim(text);
    bool negative = false;
    if (!text.empty() && (text.front() == u'-' || text.front() == u'+')) {
        negative = text.front() == u'-';
        text.remove_prefix(1);
    }
    long long number = 0;
    for (char16_t c : text) {
        if (c < u'0' || c > u'9') break;
        if (number <= kNumberLimit) number = number * 10 + (c - u'0');
    }
    return negative ? -number : number;
}
