// Field-by-field decoding of the plug-in section of a DEVMODE.
#include "tools/devmode_dump.h"

#include "core/oem_devmode.h"
#include "core/platform_oem.h"
#include "driver/devmode_layout.h"
#include "host_text.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr unsigned kSignatureChars = 4;
constexpr unsigned char kPrintableFirst = 0x20;
constexpr unsigned char kPrintableLast = 0x7E;
constexpr unsigned kJsonEscapeLimit = 0x20;

const char kHexDigits[] = "0123456789abcdef";

template <typename T>
T ReadValue(const BYTE *at) {
    T value;
    memcpy(&value, at, sizeof(value));
    return value;
}

std::string NumberAt(const BYTE *at, FieldKind kind) {
    switch (kind) {
    case FieldKind::U8: return std::to_string(ReadValue<uint8_t>(at));
    case FieldKind::U16: return std::to_string(ReadValue<uint16_t>(at));
    case FieldKind::I16: return std::to_string(ReadValue<int16_t>(at));
    case FieldKind::U32: return std::to_string(ReadValue<uint32_t>(at));
    case FieldKind::I32: return std::to_string(ReadValue<int32_t>(at));
    default: return {};
    }
}

std::string NumberList(const BYTE *at, const OemFieldInfo &field) {
    if (field.count == 1) return NumberAt(at, field.kind);
    const size_t width = FieldKindWidth(field.kind);
    std::string list = "[";
    for (uint32_t i = 0; i < field.count; ++i) {
        if (i) list += ", ";
        list += NumberAt(at + i * width, field.kind);
    }
    return list + "]";
}

std::string WideTextAt(const BYTE *at, uint32_t chars) {
    std::wstring text;
    for (uint32_t i = 0; i < chars; ++i) {
        const WCHAR c = ReadValue<WCHAR>(at + i * sizeof(WCHAR));
        if (!c) break;
        text.push_back(c);
    }
    return Utf8(text);
}

std::string NarrowTextAt(const BYTE *at, uint32_t chars) {
    const char *text = reinterpret_cast<const char *>(at);
    return Utf8FromAnsi(text, strnlen(text, chars));
}

std::string JsonString(const std::string &text) {
    std::string quoted = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += static_cast<char>(c);
        } else if (c < kJsonEscapeLimit) {
            char escape[8];
            snprintf(escape, sizeof(escape), "\\u%04x", c);
            quoted += escape;
        } else {
            quoted += static_cast<char>(c);
        }
    }
    return quoted + "\"";
}

std::string Hex(const BYTE *at, size_t bytes) {
    std::string hex;
    for (size_t i = 0; i < bytes; ++i) {
        hex += kHexDigits[at[i] >> 4];
        hex += kHexDigits[at[i] & 0xF];
    }
    return hex;
}

// Text form of a byte block: up to its last non-zero byte, saying so.
std::string TrimmedHex(const BYTE *at, uint32_t bytes) {
    size_t used = bytes;
    while (used && !at[used - 1]) --used;
    if (!used) return "(" + std::to_string(bytes) + " zero bytes)";
    std::string hex = Hex(at, used);
    if (used < bytes)
        hex += " (" + std::to_string(used) + " of " + std::to_string(bytes) +
               " bytes shown, the rest are zero)";
    return hex;
}

std::string FieldValue(const BYTE *at, const OemFieldInfo &field, DumpFormat format) {
    switch (field.kind) {
    case FieldKind::WString:
        return format == DumpFormat::Json ? JsonString(WideTextAt(at, field.count))
                                          : "\"" + WideTextAt(at, field.count) + "\"";
    case FieldKind::String:
        return format == DumpFormat::Json ? JsonString(NarrowTextAt(at, field.count))
                                          : "\"" + NarrowTextAt(at, field.count) + "\"";
    case FieldKind::Bytes:
        return format == DumpFormat::Json ? JsonString(Hex(at, field.count))
                                          : TrimmedHex(at, field.count);
    default:
        return NumberList(at, field);
    }
}

std::string SignatureText(DWORD signature) {
    std::string text;
    for (unsigned i = 0; i < kSignatureChars; ++i) {
        const unsigned char c = static_cast<unsigned char>(signature >> (i * 8));
        text += (c >= kPrintableFirst && c <= kPrintableLast) ? static_cast<char>(c) : '.';
    }
    return text;
}

// The fields that lie wholly inside the first `limit` bytes of the section.
void AppendFields(const BYTE *section, size_t limit, DumpFormat format, std::string *out) {
    size_t count = 0;
    const OemFieldInfo *fields = OemDevmodeFields(&count);
    bool first = true;
    for (size_t i = 0; i < count; ++i) {
        const OemFieldInfo &field = fields[i];
        const size_t end = field.offset + FieldKindWidth(field.kind) * field.count;
        if (end > limit) continue;
        const std::string value = FieldValue(section + field.offset, field, format);
        if (format == DumpFormat::Json) {
            *out += (first ? "\n    " : ",\n    ") + JsonString(field.name) + ": " + value;
        } else {
            char offset[16];
            snprintf(offset, sizeof(offset), "%5u  ", static_cast<unsigned>(field.offset));
            *out += offset + std::string(field.name) + " = " + value + "\n";
        }
        first = false;
    }
}

void AppendDump(const BYTE *section, size_t offset, size_t limit, DumpFormat format,
                std::string *out) {
    if (format == DumpFormat::Json) {
        *out += "{\n  \"printer-section-offset\": " + std::to_string(offset) + ",\n  \"fields\": {";
        AppendFields(section, limit, format, out);
        *out += "\n  }\n}\n";
        return;
    }
    *out += "plug-in section at offset " + std::to_string(offset) + ", " +
            std::to_string(limit) + " bytes decoded\n";
    AppendFields(section, limit, format, out);
}

}  // namespace

bool DumpPluginSection(const BYTE *data, size_t size, DumpFormat format, std::string *out,
                       std::string *error) {
    DevmodeFileView view;
    std::string problems;
    if (CheckDevmodeFile(data, size, &view, &problems) == DevmodeCheck::Unusable ||
        view.sectionBytes < sizeof(OEM_DMEXTRAHEADER)) {
        *error = "not a DEVMODE with a plug-in section: " + problems;
        return false;
    }
    const BYTE *section = data + view.sectionOffset;
    const auto header = ReadValue<OEM_DMEXTRAHEADER>(section);
    if (header.dwSignature != kOemSignature) {
        *error = "plug-in section at offset " + std::to_string(view.sectionOffset) +
                 " has signature " + HexDword(header.dwSignature) + " (\"" +
                 SignatureText(header.dwSignature) + "\"), expected " + HexDword(kOemSignature) +
                 " (\"" + SignatureText(kOemSignature) + "\")";
        return false;
    }
    const size_t limit = header.dwSize < view.sectionBytes ? header.dwSize : view.sectionBytes;
    AppendDump(section, view.sectionOffset, limit, format, out);
    if (header.dwSize > view.sectionBytes) {
        *error = "plug-in section is cut short (" + problems +
                 "); fields beyond the file are not shown";
        return false;
    }
    return true;
}
