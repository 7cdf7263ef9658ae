#include "lint_finding.h"

#include <cstdio>

const char kUnknownKey[] = "unknown-key";
const char kUnknownSection[] = "unknown-section";
const char kDuplicateKey[] = "duplicate-key";
const char kBadValue[] = "bad-value";
const char kValueRange[] = "value-range";
const char kMissingFile[] = "missing-file";
const char kNotDependentFile[] = "not-dependent-file";
const char kBadLibrary[] = "bad-library";
const char kMissingExport[] = "missing-export";
const char kMissingResource[] = "missing-resource";
const char kMissingModel[] = "missing-model";
const char kMissingConfigFile[] = "missing-config-file";
const char kUnknownKeyword[] = "unknown-keyword";
const char kMissingOption[] = "missing-option";
const char kBadConstraint[] = "bad-constraint";
const char kMissingSetting[] = "missing-setting";
const char kBadTable[] = "bad-table";

namespace {

const char *SeverityName(Severity severity) {
    return severity == Severity::Error ? "error" : "warning";
}

std::string Plural(size_t count, const char *word) {
    return std::to_string(count) + " " + word + (count == 1 ? "" : "s");
}

void AppendJsonString(std::string *out, const std::string &text) {
    *out += '"';
    for (unsigned char c : text) {
        switch (c) {
        case '"': *out += "\\\""; break;
        case '\\': *out += "\\\\"; break;
        case '\n': *out += "\\n"; break;
        case '\r': *out += "\\r"; break;
        case '\t': *out += "\\t"; break;
        default:
            if (c < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof(escaped), "\\u%04x", c);
                *out += escaped;
            } else {
                *out += static_cast<char>(c);
            }
        }
    }
    *out += '"';
}

void AppendJsonField(std::string *out, const char *name, const std::string &value) {
    *out += ",\"";
    *out += name;
    *out += "\":";
    AppendJsonString(out, value);
}

}  // namespace

size_t CountErrors(const std::vector<Finding> &findings) {
    size_t errors = 0;
    for (const Finding &finding : findings) errors += finding.severity == Severity::Error;
    return errors;
}

std::string FormatFindingsText(const std::vector<Finding> &findings) {
    std::string out;
    for (const Finding &f : findings) {
        out += f.file.empty() ? std::string("(model)") : f.file;
        if (f.line > 0) out += ":" + std::to_string(f.line);
        out += std::string(": ") + SeverityName(f.severity) + " [" + f.kind + "] ";
        if (!f.section.empty()) out += "[" + f.section + "] ";
        if (!f.key.empty()) out += f.key + ": ";
        out += f.message + "\n";
        if (!f.consequence.empty()) out += "    the plug-in: " + f.consequence + "\n";
        if (!f.suggestion.empty()) out += "    did you mean \"" + f.suggestion + "\"?\n";
    }
    const size_t errors = CountErrors(findings);
    if (findings.empty())
        out += "no findings\n";
    else
        out += Plural(errors, "error") + ", " + Plural(findings.size() - errors, "warning") + "\n";
    return out;
}

std::string FormatFindingsJson(const std::vector<Finding> &findings) {
    std::string out = "{\"findings\":[";
    for (size_t i = 0; i < findings.size(); ++i) {
        const Finding &f = findings[i];
        if (i) out += ",";
        out += "{\"severity\":";
        AppendJsonString(&out, SeverityName(f.severity));
        AppendJsonField(&out, "kind", f.kind);
        AppendJsonField(&out, "file", f.file);
        out += ",\"line\":" + std::to_string(f.line);
        AppendJsonField(&out, "section", f.section);
        AppendJsonField(&out, "key", f.key);
        AppendJsonField(&out, "message", f.message);
        AppendJsonField(&out, "consequence", f.consequence);
        AppendJsonField(&out, "suggestion", f.suggestion);
        out += "}";
    }
    const size_t errors = CountErrors(findings);
    out += "],\"errors\":" + std::to_string(errors) +
           ",\"warnings\":" + std::to_string(findings.size() - errors) + "}\n";
    return out;
}

std::string Utf8From(const std::u16string &text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        uint32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] < 0xE000) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c < 0xE000) {
            c = 0xFFFD;
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}
