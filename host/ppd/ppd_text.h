// Texts of a printer description: hex substrings of translation strings,
// and the 8-bit bytes as UTF-16. Files declare their encoding with
// *LanguageEncoding, but many say ISOLatin1 and hold UTF-8; text that is
// valid UTF-8 is read as UTF-8 whatever the declaration.
#pragma once

#include <string>
#include <string_view>

// "<E9>t<E9>" becomes the bytes E9 't' E9. A '<' that does not open a
// well-formed hex substring stays as it is.
std::string DecodeHexSubstrings(std::string_view text);

// Strict: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view bytes);

enum class PpdEncoding {
    Latin1,       // ISOLatin1 and anything unknown
    WindowsAnsi,  // code page 1252
    Utf8,
    ShiftJis,     // JIS83-RKSJ
    Gbk,
    Big5,
    Korean,
};

PpdEncoding EncodingOf(std::string_view languageEncoding);

// The Windows code page of an encoding this file cannot decode itself; 0
// for the ones DecodePpdText handles.
unsigned CodePageOf(PpdEncoding encoding);

// UTF-8 when the bytes are valid UTF-8, else the encoding's 8-bit table
// (Latin-1 standing in for the multi-byte encodings).
std::u16string DecodePpdText(std::string_view bytes, PpdEncoding encoding);
