// The driver host's printer-description reader over any text: the parse,
// the selection with its constraints, the text decoding and the media
// numbers. A printer description is the one file a user may bring from
// anywhere.
#include "../host/ppd/ppd_file.h"
#include "../host/ppd/ppd_media.h"
#include "../host/ppd/ppd_selection.h"
#include "../host/ppd/ppd_text.h"
#include "fuzz_bytes.h"

#include <string_view>

namespace {

// Enough of each list to reach every rule, without making a large input
// quadratic.
constexpr size_t kFeaturesChecked = 48;
constexpr size_t kOptionsChecked = 24;

constexpr PpdEncoding kEncodings[] = {PpdEncoding::Latin1, PpdEncoding::WindowsAnsi,
                                      PpdEncoding::Utf8,   PpdEncoding::ShiftJis,
                                      PpdEncoding::Gbk,    PpdEncoding::Big5,
                                      PpdEncoding::Korean};

void CheckText(std::string_view bytes, PpdEncoding encoding) {
    const std::u16string text = DecodePpdText(bytes, encoding);
    // One unit per byte at most, two for a four-byte sequence.
    FUZZ_CHECK(text.size() <= bytes.size());
    if (IsValidUtf8(bytes)) FUZZ_CHECK(text == DecodePpdText(bytes, PpdEncoding::Latin1));
}

void CheckMedia(const PpdFeature &feature) {
    for (size_t i = 0; i < feature.options.size() && i < kOptionsChecked; ++i) {
        const std::string &keyword = feature.options[i].keyword;
        PaperSizeOf(keyword, i);
        const int16_t duplex = DuplexModeOf(keyword);
        FUZZ_CHECK(duplex >= 1 && duplex <= 3);
        int16_t x = 0, y = 0;
        if (ReadResolution(keyword, &x, &y)) FUZZ_CHECK(x > 0 && y > 0);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size) {
    const std::string_view text(reinterpret_cast<const char *>(bytes), size);
    const PpdFile file = ParsePpd(text);
    const PpdEncoding encoding = EncodingOf(file.languageEncoding);
    CodePageOf(encoding);
    CheckText(file.nickName, encoding);
    for (PpdEncoding each : kEncodings) CheckText(file.modelName, each);
    FUZZ_CHECK(DecodeHexSubstrings(text.substr(0, 4096)).size() <= 4096);

    PpdSelection selection(file);
    for (size_t f = 0; f < file.features.size(); ++f) {
        const PpdFeature &feature = file.features[f];
        FUZZ_CHECK(!feature.options.empty());
        FUZZ_CHECK(feature.defaultIndex < feature.options.size());
        FUZZ_CHECK(file.FindFeature(feature.keyword) <= f);
        FUZZ_CHECK(feature.FindOption(feature.options[0].keyword) == 0);
        FUZZ_CHECK(&selection.SelectedOption(f) == &feature.options[feature.defaultIndex]);
        if (f >= kFeaturesChecked) continue;
        CheckText(feature.translation, encoding);
        CheckMedia(feature);
        for (size_t o = 0; o < feature.options.size() && o < kOptionsChecked; ++o) {
            const PpdConstraint *conflict = selection.Conflict(f, o);
            if (conflict) FUZZ_CHECK(conflict >= &file.constraints.front() &&
                                     conflict <= &file.constraints.back());
            FUZZ_CHECK(selection.Select(f, o));
        }
        FUZZ_CHECK(!selection.Select(f, feature.options.size()));
        FUZZ_CHECK(selection.Conflict(f, feature.options.size()) == nullptr);
    }
    FUZZ_CHECK(!selection.Select(file.features.size(), 0));
    FUZZ_CHECK(selection.Conflict(file.features.size(), 0) == nullptr);
    return 0;
}
