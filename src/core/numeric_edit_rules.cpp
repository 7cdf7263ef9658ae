#include "core/numeric_edit_rules.h"

namespace {

bool IsSign(char16_t c) { return c == u'+' || c == u'-'; }

constexpr int64_t kValueCeiling = INT64_C(1) << 40;  // far beyond any field's range

}  // namespace

NumericKey JudgeNumericKey(const char16_t *text, size_t length, size_t caret, bool isSigned) {
    if (!text || caret == 0 || caret > length) return NumericKey::NothingTyped;
    const size_t at = caret - 1;
    const char16_t c = text[at];
    if (c >= u'1' && c <= u'9') return NumericKey::Accept;
    // A zero may stand alone but never lead a longer number.
    if (c == u'0') return at == 0 && length > 1 ? NumericKey::Reject : NumericKey::Accept;
    if (isSigned && IsSign(c) && caret == 1 && !(length > 1 && IsSign(text[1])))
        return NumericKey::Accept;
    return NumericKey::Reject;
}

int64_t NumericTextValue(const char16_t *text, size_t length) {
    size_t i = 0;
    while (i < length && (text[i] == u' ' || text[i] == u'\t')) ++i;
    bool negative = false;
    if (i < length && IsSign(text[i])) negative = text[i++] == u'-';
    int64_t value = 0;
    for (; i < length && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        if (value < kValueCeiling) value = value * 10 + (text[i] - u'0');
    }
    return negative ? -value : value;
}

bool ClampNumericValue(int64_t value, int32_t minimum, int32_t maximum, int32_t *clamped) {
    if (value < minimum) {
        *clamped = minimum;
        return true;
    }
    if (value > maximum) {
        *clamped = maximum;
        return true;
    }
    return false;
}
