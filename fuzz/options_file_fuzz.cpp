// The readers of the installer's options file and of the detection
// libraries' data files over any key texts: the input is split at NULs
// into the values of the keys, in the order the readers ask for them.
// Whatever the texts, the readers answer and the answers map to settings
// and item selections without fault.
#include "printer/installed_options.h"

#include <cstdlib>
#include <map>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    std::vector<std::string> fields(1);
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0) fields.emplace_back();
        else fields.back().push_back(static_cast<char>(data[i]));
    }
    std::map<std::string, std::string> asked;
    size_t next = 0;
    const ProfileLookup lookup = [&](const char *key) {
        auto found = asked.find(key);
        if (found != asked.end()) return found->second;
        const std::string value = next < fields.size() ? fields[next++] : std::string();
        asked[key] = value;
        return value;
    };
    for (OptionsColumn column : {OptionsColumn::Network, OptionsColumn::Usb}) {
        asked.clear();
        next = 0;
        const InstalledOptions options = ReadInstalledOptions(lookup, column);
        if (column == OptionsColumn::Usb && options.storage != ((options.installed >> 8) & 1))
            abort();
        FeatureValue values[kInstalledFeatureCount];
        const size_t count = InstalledFeatureValues(options, false, values);
        if (count < kInstalledFeatureCount - 1 || count > kInstalledFeatureCount) abort();
        std::u16string text(fields.back().begin(), fields.back().end());
        const char16_t *texts[] = {text.c_str(), u"256 MB", nullptr};
        const uint32_t memory = MatchMemoryOption(texts, 3, options.memoryMb);
        if (memory > 2) abort();
        uint32_t selections[kDetectedSelectionCount];
        BuildDetectedSelections(options, true, memory, selections);
        if (selections[7] != 1) abort();
    }
    return 0;
}
