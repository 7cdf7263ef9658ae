// Rules of the localized resources: which resource language serves the
// user, and how one entry of a string block is copied out.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr uint16_t kPrimaryLanguageMask = 0x3FF;
constexpr uint16_t kLangChinese = 0x04;
// Set in the Traditional-script Chinese locales (0x0404, 0x0C04, 0x1404).
constexpr uint16_t kTraditionalChineseBit = 0x400;
// A chosen LANGID above this is already a Chinese variant, not neutral.
constexpr uint16_t kHighestNeutralLangId = 1023;
constexpr unsigned kStringsPerBlock = 16;

struct LanguageChoice {
    uint16_t wanted = 0;
    uint16_t chosen = 0;  // 0: none yet
    uint32_t done = 0;
};

// One language offered by the enumeration of a template's languages.
// Returns false when the enumeration should stop.
bool OfferResourceLanguage(LanguageChoice *choice, uint16_t offered);

// The whole choice over an enumeration order; 0 when no language fits.
uint16_t ChooseResourceLanguage(uint16_t wanted, const uint16_t *offered, size_t count);

// Copies entry `entry` (0..15) of a string block of `blockChars` UTF-16
// units into `out` (size in characters), cutting it to fit; returns the
// characters copied without the terminator. An empty or missing entry
// yields 0 and leaves `out` untouched.
size_t CopyStringBlockEntry(const char16_t *block, size_t blockChars, unsigned entry,
                            char16_t *out, size_t size);
