// The watermark value parser over arbitrary ini text: it must stay inside
// the value and the record's fields, and what it reads must be written and
// read back unchanged.
#include "watermarks/watermark_record.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

bool SameStoredForm(const WatermarkRecord &a, const WatermarkRecord &b) {
    return FormatWatermarkValue(a) == FormatWatermarkValue(b);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    // Exactly the input's characters, in a buffer of their own size, so
    // that any read past the value is caught.
    const size_t chars = size / sizeof(char16_t);
    std::vector<char16_t> value(chars);
    if (chars) std::memcpy(value.data(), data, chars * sizeof(char16_t));

    WatermarkRecord record;
    ParseWatermarkValue(value.data(), chars, &record);
    if (record.wszText[kWatermarkTextChars - 1] || record.wszFontName[kWatermarkFontNameChars - 1])
        std::abort();

    const std::u16string stored = FormatWatermarkValue(record);
    WatermarkRecord again;
    ParseWatermarkValue(stored.c_str(), stored.size(), &again);
    // A font name holding a separator cannot survive; the program never
    // writes one (the font list splits at them).
    bool separatorInFont = false;
    for (const char16_t *p = record.wszFontName; *p; ++p)
        if (*p == u',' || *p == u';') separatorInFont = true;
    if (!separatorInFont && !SameStoredForm(record, again)) std::abort();

    FontEntry entry;
    ParseFontEntry(value.data(), chars, &entry);
    ResolvePrinterFont(&entry, &record);
    char16_t face[kFaceNameChars];
    uint8_t charSet = 0;
    PreviewFaceName(entry, face, &charSet);
    ParseCustomColor(value.data(), chars);
    return 0;
}
