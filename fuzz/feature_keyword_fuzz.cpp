// ReplaceFeatureValue over any stored "FeatureKeyword" bytes: the input is
// a claimed size (4 bytes), the keyword and the setting (each ended by a
// NUL), then the data. The result never exceeds the buffer, and a step
// whose result would not fit leaves the data as it was.
#include "printer/installed_options.h"

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// The next NUL-ended field of the input; false when the input ends first.
bool TakeField(const uint8_t *&data, size_t &size, std::string *field) {
    const void *end = memchr(data, 0, size);
    if (!end) return false;
    const size_t length = static_cast<const uint8_t *>(end) - data;
    field->assign(reinterpret_cast<const char *>(data), length);
    data += length + 1;
    size -= length + 1;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size < sizeof(uint32_t)) return 0;
    uint32_t claimed;
    memcpy(&claimed, data, sizeof(claimed));
    data += sizeof(claimed);
    size -= sizeof(claimed);
    std::string keyword, setting;
    if (!TakeField(data, size, &keyword) || !TakeField(data, size, &setting)) return 0;

    uint8_t buffer[kFeatureKeywordBytes] = {};
    const size_t stored = size < kFeatureKeywordBytes ? size : kFeatureKeywordBytes;
    memcpy(buffer, data, stored);
    uint8_t before[kFeatureKeywordBytes];
    memcpy(before, buffer, sizeof(buffer));
    const uint32_t valid = claimed < stored ? claimed : static_cast<uint32_t>(stored);

    const uint32_t length = ReplaceFeatureValue(buffer, valid, keyword.c_str(), setting.c_str());
    if (length > kFeatureKeywordBytes) abort();
    if (keyword.empty() && memcmp(before, buffer, sizeof(buffer)) != 0) abort();

    InstalledOptions options;
    options.installed = claimed;
    options.memoryMb = static_cast<int32_t>(claimed >> 4);
    options.punchType = claimed & 7;
    options.spotColor = (claimed >> 3) & 3;
    const uint32_t rewritten = RewriteInstalledFeatures(buffer, length, options, claimed & 1);
    if (rewritten > kFeatureKeywordBytes) abort();
    return 0;
}
