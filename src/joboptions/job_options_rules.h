// Decisions of the Job Options page and its Advanced and About dialogs that
// need no platform: what typed numbers become, and the texts the About
// dialog takes from the driver's files.
#pragma once

#include <cstddef>
#include <cstdint>

// What the copies or scale edit holds after filtering: the digits in order
// as a number, how many digits there were, and whether the text must be
// rewritten (another character was met, or the number was clamped).
struct DigitFilter {
    uint32_t value;
    size_t digits;
    bool rewrite;
};

constexpr uint32_t kNoClamp = 0;

// `clampAt` 0 keeps any number (saturating far beyond what the fields hold).
DigitFilter FilterDigits(const char16_t *text, size_t length, uint32_t clampAt);

// "True" and "False" as the driver answers its settings; anything else is
// unknown.
enum class DriverFlag { True, False, Unknown };
DriverFlag ReadDriverFlag(const char *value, size_t bytes);

// HDD present: "True", or neither answer and the tree has a spool item.
bool HddPresent(DriverFlag answer, bool hasSpoolItem);

constexpr size_t kAboutTextChars = 257;  // 256 characters and the terminator

// The first quoted text of a PPD line holding "FileVersion"; false when the
// line is not the one.
bool PpdFileVersionFromLine(const char *line, char16_t *out, size_t capacity);
// The text after the first blank of a PPD line holding "Copyright", up to
// the line feed; false when the line is not the one.
bool PpdNoticeFromLine(const char *line, char16_t *out, size_t capacity);

// The driver version text of the About dialog from the version file's
// "OptionVer", "DriverVer" and "InternalVer" values.
void ComposeDriverVersion(const char16_t *optionVer, const char16_t *driverVer,
                          const char16_t *internalVer, char16_t *out, size_t capacity);
