// The key test of the numeric edit fields: is the character just typed
// (the one before the caret) acceptable, and the range the value is held to.
#pragma once

#include <cstddef>
#include <cstdint>

enum class NumericKey { NothingTyped, Accept, Reject };

// `text` holds `length` characters; `caret` is the caret position after
// the key press.
NumericKey JudgeNumericKey(const char16_t *text, size_t length, size_t caret, bool isSigned);

// The whole text as the platform's integer conversion reads it: optional
// blanks and sign, then digits up to the first non-digit.
int64_t NumericTextValue(const char16_t *text, size_t length);

// The value the field is set to after an accepted key, or false when it is
// inside [minimum, maximum] and stays as typed.
bool ClampNumericValue(int64_t value, int32_t minimum, int32_t maximum, int32_t *clamped);
