#include "feature_keyword_data.h"

namespace {

constexpr uint8_t kEnd = 0;
constexpr uint8_t kEntryEnd = '\n';
// keyword NUL option NUL line feed
constexpr size_t kEntryOverhead = 3;
constexpr size_t kListEndBytes = 2;

// The bytes from `pos` up to the first of `stop1`/`stop2`; npos when neither comes.
size_t FindEither(const uint8_t *data, size_t size, size_t pos, uint8_t stop1, uint8_t stop2) {
    for (; pos < size; ++pos)
        if (data[pos] == stop1 || data[pos] == stop2) return pos;
    return std::string::npos;
}

}  // namespace

std::vector<FeatureSetting> ParseFeatureKeywordData(const uint8_t *data, size_t size) {
    std::vector<FeatureSetting> settings;
    size_t pos = 0;
    while (pos < size && data[pos] != kEnd) {
        const size_t keywordEnd = FindEither(data, size, pos, kEnd, kEntryEnd);
        if (keywordEnd == std::string::npos || data[keywordEnd] != kEnd) break;
        const size_t optionEnd = FindEither(data, size, keywordEnd + 1, kEnd, kEntryEnd);
        if (optionEnd == std::string::npos) break;
        settings.push_back({std::string(reinterpret_cast<const char *>(data + pos), keywordEnd - pos),
                            std::string(reinterpret_cast<const char *>(data + keywordEnd + 1),
                                        optionEnd - keywordEnd - 1)});
        if (data[optionEnd] == kEntryEnd) {
            pos = optionEnd + 1;
            continue;
        }
        // The list's ending NUL may follow the option's own NUL at once.
        const size_t entryEnd = FindEither(data, size, optionEnd + 1, kEnd, kEntryEnd);
        if (entryEnd == std::string::npos || data[entryEnd] == kEnd) break;
        pos = entryEnd + 1;
    }
    return settings;
}

std::vector<uint8_t> FormatFeatureKeywordData(const std::vector<FeatureSetting> &settings,
                                              size_t capacity) {
    std::vector<uint8_t> data;
    for (const FeatureSetting &setting : settings) {
        const size_t entry = setting.feature.size() + setting.option.size() + kEntryOverhead;
        if (data.size() + entry + kListEndBytes > capacity) continue;
        data.insert(data.end(), setting.feature.begin(), setting.feature.end());
        data.push_back(kEnd);
        data.insert(data.end(), setting.option.begin(), setting.option.end());
        data.push_back(kEnd);
        data.push_back(kEntryEnd);
    }
    data.push_back(kEnd);
    data.push_back(kEnd);
    return data;
}
