// The printer data value in which the PostScript driver keeps the current
// options of a printer's installable features ("FeatureKeyword"): entries
// of keyword, NUL, option keyword, NUL, line feed; the list ends where a NUL
// follows a NUL.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct FeatureSetting {
    std::string feature;
    std::string option;
};

// Reads at most `size` bytes; an entry without its end is dropped.
std::vector<FeatureSetting> ParseFeatureKeywordData(const uint8_t *data, size_t size);

// The entries, in order, that fit into `capacity` bytes with the two ending
// NULs; those that would not fit are left out.
std::vector<uint8_t> FormatFeatureKeywordData(const std::vector<FeatureSetting> &settings,
                                              size_t capacity);

// The size the driver's readers accept.
constexpr size_t kFeatureKeywordCapacity = 256;
