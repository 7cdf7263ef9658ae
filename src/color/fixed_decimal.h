// Numbers shown with a fixed count of decimals in the special toner and
// print position dialogs: the text of an edit field to a whole value in
// units of the last decimal, and back.
#pragma once

#include <cstddef>
#include <cstdint>

// Room for the longest text FormatFixedDecimal writes: a sign, five digits,
// a point, a leading zero and the terminator.
constexpr size_t kFixedDecimalChars = 12;

// Unsigned: digits, optionally "." and up to `decimals` fraction digits
// (further digits are checked but ignored; missing ones count 0). An empty
// text is 0. Returns 0 on success and 1 for any other character, a sign
// included. A value too large for 32 bits stays at the largest one.
int ParseFixedDecimal(const char16_t *text, int decimals, uint32_t *value);

// Writes |value| in five places with a point before the last `decimals`
// digits, without leading zeros ("0." when the point comes first) and with
// a minus sign for a negative value; a quotient above 9 at the highest place
// is left out, so values of 100000 and more show their last four digits.
// `text` must hold kFixedDecimalChars characters.
void FormatFixedDecimal(char16_t *text, int32_t value, int decimals);
