// The driver host's reading and writing of the printer data value that
// keeps the installable features' options: any bytes, any claimed size.
// What it reads it writes back the same when there is room, and it never
// writes more than it may.
#include "../host/ppd/feature_keyword_data.h"
#include "fuzz_bytes.h"

#include <algorithm>
#include <memory>

namespace {

constexpr size_t kListEndBytes = 2;

bool Same(const std::vector<FeatureSetting> &a, const std::vector<FeatureSetting> &b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i].feature != b[i].feature || a[i].option != b[i].option) return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size) {
    FuzzedDataProvider data(bytes, size);
    const size_t capacity = data.ConsumeBool() ? kFeatureKeywordCapacity
                                               : data.ConsumeIntegralInRange<size_t>(0, 1024);
    const std::vector<uint8_t> value = data.ConsumeRemainingBytes<uint8_t>();
    // Exactly the value's bytes, as the registry hands them over.
    std::unique_ptr<uint8_t[]> exact(new uint8_t[value.size()]);
    std::copy(value.begin(), value.end(), exact.get());

    const std::vector<FeatureSetting> settings = ParseFeatureKeywordData(exact.get(), value.size());
    for (const FeatureSetting &s : settings) FUZZ_CHECK(!s.feature.empty());

    const std::vector<uint8_t> written = FormatFeatureKeywordData(settings, capacity);
    FUZZ_CHECK(written.size() <= std::max(capacity, kListEndBytes));
    const std::vector<FeatureSetting> reread = ParseFeatureKeywordData(written.data(), written.size());
    FUZZ_CHECK(reread.size() <= settings.size());

    const std::vector<uint8_t> whole = FormatFeatureKeywordData(settings, value.size() * 2 + 8);
    FUZZ_CHECK(Same(ParseFeatureKeywordData(whole.data(), whole.size()), settings));
    return 0;
}
