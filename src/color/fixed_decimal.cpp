#include "color/fixed_decimal.h"

namespace {

constexpr uint32_t kPlaces[] = {10000, 1000, 100, 10, 1};
constexpr int kPlaceCount = 5;
constexpr uint32_t kLargest = 0xFFFFFFFFu;

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

uint32_t AppendDigit(uint32_t value, char16_t digit) {
    const uint32_t d = static_cast<uint32_t>(digit - u'0');
    if (value > (kLargest - d) / 10) return kLargest;
    return value * 10 + d;
}

uint32_t Scale(uint32_t value) { return value > kLargest / 10 ? kLargest : value * 10; }

}  // namespace

int ParseFixedDecimal(const char16_t *text, int decimals, uint32_t *value) {
    uint32_t result = 0;
    const char16_t *p = text;
    while (IsDigit(*p)) result = AppendDigit(result, *p++);
    if (*p && *p != u'.') return 1;
    if (*p == u'.') ++p;
    for (int place = 0; place < decimals; ++place) {
        if (!*p) {
            result = Scale(result);
            continue;
        }
        if (!IsDigit(*p)) return 1;
        result = AppendDigit(result, *p++);
    }
    for (; *p; ++p)
        if (!IsDigit(*p)) return 1;
    *value = result;
    return 0;
}

void FormatFixedDecimal(char16_t *text, int32_t value, int decimals) {
    uint32_t rest = value < 0 ? 0u - static_cast<uint32_t>(value) : static_cast<uint32_t>(value);
    const int pointBefore = kPlaceCount - decimals;
    bool started = false;
    bool signPending = value < 0;
    size_t at = 0;
    auto put = [&](char16_t c) {
        if (signPending) {
            text[at++] = u'-';
            signPending = false;
        }
        text[at++] = c;
    };
    for (int i = 0; i < kPlaceCount; ++i) {
        const uint32_t digit = rest / kPlaces[i];
        rest %= kPlaces[i];
        if (decimals > 0 && i == pointBefore) {
            if (!started) put(u'0');
            put(u'.');
            started = true;
        }
        if (digit > 9) continue;
        if (!digit && !started) continue;
        put(static_cast<char16_t>(u'0' + digit));
        started = true;
    }
    if (at == 0) text[at++] = u'0';
    text[at] = 0;
}
