// The job's object, pipe and command-line names from any printer, share,
// server and driver names and any library answer: each name is formed
// whole within its buffer, terminated, or not at all.
#include "docevents/doc_event_names.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// Splits the input at 0xFFFF code units into the facts' names.
std::u16string NextName(const uint16_t *&unit, const uint16_t *end) {
    std::u16string name;
    while (unit < end && *unit != 0xFFFF) name += static_cast<char16_t>(*unit++);
    if (unit < end) ++unit;
    return name;
}

size_t Length(const char16_t *text, size_t chars) {
    size_t n = 0;
    while (n < chars && text[n]) ++n;
    if (n == chars) std::abort();  // not terminated within its buffer
    return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size < 8) return 0;
    uint32_t jobId = 0;
    std::memcpy(&jobId, data, sizeof(jobId));
    const uint8_t flags = data[4];
    const size_t capacity = data[5] * 4 + 1;
    char answer[kAppNameAnswerBytes] = {};
    std::memcpy(answer, data + 8, size - 8 < sizeof(answer) ? size - 8 : sizeof(answer));
    size_t appLength = 0;
    const char *half = SelectApplicationNameHalf(answer, &appLength);
    if (appLength > kAppNameHalfBytes || half + appLength > answer + kAppNameAnswerBytes)
        std::abort();

    std::u16string units((size - 8) / 2, u'\0');
    std::memcpy(&units[0], data + 8, units.size() * 2);
    const uint16_t *unit = reinterpret_cast<const uint16_t *>(units.data());
    const uint16_t *end = unit + units.size();
    const std::u16string printer = NextName(unit, end), share = NextName(unit, end),
                         server = NextName(unit, end), driver = NextName(unit, end),
                         app = NextName(unit, end);
    PrinterJobFacts facts;
    facts.printerName = printer.c_str();
    facts.shareName = (flags & 1) ? nullptr : share.c_str();
    facts.serverName = server.c_str();
    facts.driverName = driver.c_str();
    facts.shared = flags & 2;
    facts.rawDataType = flags & 4;
    facts.clientRendering = flags & 8;
    facts.jobId = jobId;

    char16_t base[kObjectBaseNameChars];
    BuildObjectBaseName(facts, base);
    Length(base, kObjectBaseNameChars);
    char16_t object[kObjectNameChars];
    if (!FormatObjectName(base, jobId, NamedObjectKind::Mapping, object, kObjectNameChars))
        std::abort();  // every base name fits
    Length(object, kObjectNameChars);
    char16_t *small = new char16_t[capacity];
    if (FormatObjectName(base, jobId, NamedObjectKind::Mutex, small, capacity))
        Length(small, capacity);
    else if (small[0])
        std::abort();
    char16_t pipe[kPipeNameChars];
    if (FormatPipeName(facts, pipe, kPipeNameChars)) {
        Length(pipe, kPipeNameChars);
        const std::u16string name = app.substr(0, kAppNameChars - 1);
        char16_t line[kCommandLineChars];
        if (!FormatCompanionCommandLine(name.c_str(), pipe, line, kCommandLineChars))
            std::abort();  // the longest name and pipe fit
        Length(line, kCommandLineChars);
    }
    if (FormatPipeName(facts, small, capacity)) Length(small, capacity);
    if (FormatObjectSddl(driver.c_str(), jobId, flags, flags & 16, small, capacity))
        Length(small, capacity);
    delete[] small;
    return 0;
}
