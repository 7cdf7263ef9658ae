// The text of a configuration file as the platform's profile functions see
// it: "[section]" headers and "name=value" lines, names compared without
// regard to the case of ASCII letters. Reading a file once and answering
// every lookup from it saves a file open and parse per key. Pure code: no
// platform headers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// How the file's bytes are encoded: a byte-order mark decides, without one
// the text is in the system code page.
enum class ProfileEncoding { Ansi, Utf8, Utf16Le, Utf16Be };

// The encoding of a file's bytes and the length of its byte-order mark.
ProfileEncoding DetectProfileEncoding(const uint8_t *bytes, size_t size, size_t *markBytes);

// UTF-16 bytes after the mark as text; an odd last byte is dropped.
std::u16string DecodeUtf16Profile(const uint8_t *bytes, size_t size, bool bigEndian);

class ProfileText {
public:
    ProfileText() = default;
    ProfileText(const char16_t *text, size_t length);

    // As GetPrivateProfileStringW with a section and a key: the value with
    // one pair of enclosing quotes removed, or the default without its
    // trailing blanks; cut to `chars` - 1 characters. Returns the length
    // written.
    size_t ReadString(const char16_t *section, const char16_t *key, const char16_t *defaultValue,
                      char16_t *out, size_t chars) const;

    // As GetPrivateProfileIntW: the value's leading number (decimal, or with
    // a "0x", "0o" or "0b" prefix, signed), or the default when the key is
    // absent or empty.
    uint32_t ReadInt(const char16_t *section, const char16_t *key, int32_t defaultValue) const;

    // The "name=value" lines of the first section of that name, one per
    // line: a copy that ReadSectionLines answers from as this text does.
    std::u16string SectionLines(const char16_t *section) const;

private:
    struct Entry {
        std::u16string name;
        std::u16string value;
        bool hasValue;
    };
    struct Section {
        std::u16string name;
        std::vector<Entry> entries;
    };

    const Entry *Find(const char16_t *section, const char16_t *key) const;

    std::vector<Section> sections_;
};

// ReadString of `key` in lines that SectionLines gave.
size_t ReadSectionLines(const char16_t *lines, const char16_t *key, char16_t *out, size_t chars);

// As the platform's conversion of a profile value to a number (base chosen
// by its prefix, stopping at the first character that is no digit).
uint32_t ProfileTextToNumber(const char16_t *text);
