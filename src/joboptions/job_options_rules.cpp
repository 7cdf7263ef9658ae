#include "joboptions/job_options_rules.h"

#include <cstring>

namespace {

constexpr uint32_t kSaturated = 0xFFFFFFFFu;
constexpr size_t kDriverVersionDigits = 5;
constexpr size_t kMaxInternalSuffix = 246;
constexpr int kInternalDashToAppend = 2;

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

size_t Length(const char16_t *text) {
    size_t n = 0;
    if (text)
        while (text[n]) ++n;
    return n;
}

// Appends at most `count` characters of `text` to `out`, keeping room for
// the terminator.
void Append(char16_t *out, size_t capacity, const char16_t *text, size_t count) {
    size_t used = Length(out);
    for (size_t i = 0; i < count && text[i] && used + 1 < capacity; ++i) out[used++] = text[i];
    out[used] = 0;
}

void CopyBytesToWide(const char *from, size_t count, char16_t *out, size_t capacity) {
    size_t n = 0;
    for (; n < count && n + 1 < capacity; ++n) out[n] = static_cast<unsigned char>(from[n]);
    out[n] = 0;
}

}  // namespace

DigitFilter FilterDigits(const char16_t *text, size_t length, uint32_t clampAt) {
    DigitFilter result = {0, 0, false};
    for (size_t i = 0; i < length; ++i) {
        if (!IsDigit(text[i])) {
            result.rewrite = true;
            continue;
        }
        const uint32_t digit = static_cast<uint32_t>(text[i] - u'0');
        result.value = result.value > (kSaturated - digit) / 10 ? kSaturated
                                                                  : result.value * 10 + digit;
        ++result.digits;
    }
    if (clampAt != kNoClamp && result.value > clampAt) {
        result.value = clampAt;
        result.rewrite = true;
    }
    return result;
}

DriverFlag ReadDriverFlag(const char *value, size_t bytes) {
    static const char kTrue[] = "True";
    static const char kFalse[] = "False";
    if (bytes >= sizeof(kTrue) && std::memcmp(value, kTrue, sizeof(kTrue)) == 0)
        return DriverFlag::True;
    if (bytes >= sizeof(kFalse) && std::memcmp(value, kFalse, sizeof(kFalse)) == 0)
        return DriverFlag::False;
    return DriverFlag::Unknown;
}

bool HddPresent(DriverFlag answer, bool hasSpoolItem) {
    if (answer == DriverFlag::True) return true;
    if (answer == DriverFlag::False) return false;
    return hasSpoolItem;
}

bool PpdFileVersionFromLine(const char *line, char16_t *out, size_t capacity) {
    if (!std::strstr(line, "FileVersion")) return false;
    const char *open = std::strchr(line, '"');
    if (!open) return false;
    const char *start = open + 1;
    size_t count = 0;
    while (start[count] && start[count] != '"' && start[count] != '\n' && start[count] != '\r')
        ++count;
    CopyBytesToWide(start, count, out, capacity);
    return true;
}

bool PpdNoticeFromLine(const char *line, char16_t *out, size_t capacity) {
    if (!std::strstr(line, "Copyright")) return false;
    const char *blank = std::strchr(line, ' ');
    if (!blank) return false;
    const char *start = blank + 1;
    size_t count = 0;
    while (start[count] && start[count] != '\n' && start[count] != '\r') ++count;
    CopyBytesToWide(start, count, out, capacity);
    return true;
}

void ComposeDriverVersion(const char16_t *optionVer, const char16_t *driverVer,
                          const char16_t *internalVer, char16_t *out, size_t capacity) {
    if (capacity == 0) return;
    out[0] = 0;
    if (optionVer && optionVer[0]) {
        Append(out, capacity, optionVer, Length(optionVer));
        return;
    }
    if (!driverVer) return;
    const char16_t *comma = driverVer;
    while (*comma && *comma != u',') ++comma;
    if (!*comma) return;
    const char16_t *number = comma + 1;
    size_t count = 0;
    while (number[count] && number[count] != u'"') ++count;
    Append(out, capacity, number, count < kDriverVersionDigits ? count : kDriverVersionDigits);

    if (!internalVer) return;
    const size_t length = Length(internalVer);
    bool quoted = false;
    int dashes = 0;
    for (size_t i = 0; i < length; ++i) {
        if (internalVer[i] == u'"') {
            quoted = !quoted;
            continue;
        }
        if (quoted || internalVer[i] != u'-' || ++dashes < kInternalDashToAppend) continue;
        if (length - i > kMaxInternalSuffix) return;
        const char16_t *rest = internalVer + i + 1;
        size_t restLength = length - i - 1;
        if (*rest == u'"') {
            ++rest;
            restLength = restLength >= 2 ? restLength - 2 : 0;
        }
        Append(out, capacity, rest, restLength);
        return;
    }
}
