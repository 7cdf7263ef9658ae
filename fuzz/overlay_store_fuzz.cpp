// The overlay sections of the plug-in ini and the custom page lists, from
// arbitrary bytes. The input is ini text ("[section]" lines and
// "key=value" lines, UTF-8 bytes taken one by one); every line is also run
// through the page-list filter. Whatever the file holds, loading stays
// within the limits, a save loads back to the same set, and a filtered page
// list passes the filter unchanged.
#include "docstate/overlay_set.h"
#include "overlays/overlay_store.h"

#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <utility>

namespace {

class MemoryProfile : public OverlayProfile {
public:
    int ReadInt(const char16_t *section, const char16_t *key) override {
        const auto found = values.find({section, key});
        if (found == values.end()) return 0;
        const std::u16string &text = found->second;
        size_t at = text.size() && text[0] == u'-' ? 1 : 0;
        long long value = 0;
        for (; at < text.size() && text[at] >= u'0' && text[at] <= u'9' && value < 1000000000; ++at)
            value = value * 10 + (text[at] - u'0');
        return static_cast<int>(text.size() && text[0] == u'-' ? -value : value);
    }
    void ReadString(const char16_t *section, const char16_t *key, char16_t *buffer,
                    size_t capacity) override {
        const auto found = values.find({section, key});
        const std::u16string text = found == values.end() ? u"" : found->second;
        const size_t length = text.size() < capacity - 1 ? text.size() : capacity - 1;
        text.copy(buffer, length);
        buffer[length] = 0;
    }
    void WriteString(const char16_t *section, const char16_t *key, const char16_t *value) override {
        values[{section, key}] = value;
    }
    std::map<std::pair<std::u16string, std::u16string>, std::u16string> values;
};

void Check(bool condition) {
    if (!condition) std::abort();
}

void ParseIni(const uint8_t *data, size_t size, MemoryProfile *ini, std::u16string *lines) {
    std::u16string section;
    std::u16string line;
    for (size_t i = 0; i <= size; ++i) {
        if (i < size && data[i] != '\n') {
            line.push_back(static_cast<char16_t>(data[i] ? data[i] : 0xE9));
            continue;
        }
        lines->append(line).push_back(u'\n');
        if (line.size() > 1 && line[0] == u'[' && line.back() == u']') {
            section = line.substr(1, line.size() - 2);
        } else {
            const size_t equals = line.find(u'=');
            if (equals != std::u16string::npos)
                ini->values[{section, line.substr(0, equals)}] = line.substr(equals + 1);
        }
        line.clear();
    }
}

void CheckLimits(const OverlaySet &set, const OverlayDefTable defs) {
    Check(set.cDefined <= kMaxOverlayDefinitions && set.cHistory <= kMaxFormHistory);
    for (unsigned i = 0; i < kMaxOverlayDefinitions; ++i) {
        Check((defs[i] != nullptr) == (i < set.cDefined));
        if (!defs[i]) continue;
        Check(defs[i]->cForms <= kMaxOverlayForms);
        Check(OverlayTextLength(defs[i]->szName) < kOverlayNameChars);
        Check(OverlayTextLength(defs[i]->szCustomPages) < kCustomPagesChars);
    }
}

bool SameDefinition(const OverlayDef &a, const OverlayDef &b) {
    if (!SameOverlayText(a.szName, b.szName) || a.wPageMode != b.wPageMode ||
        !SameOverlayText(a.szCustomPages, b.szCustomPages) || a.cForms != b.cForms)
        return false;
    for (unsigned f = 0; f < a.cForms; ++f)
        if (!SameOverlayText(a.aszForm[f], b.aszForm[f])) return false;
    return true;
}

void RoundTrip(MemoryProfile &ini, OverlayCopy copy) {
    OverlaySet set = {};
    OverlayDefTable defs = {};
    Check(LoadOverlayStore(ini, copy, &set, defs));
    CheckLimits(set, defs);

    // The record's list as the job may carry it, repaired for this set.
    const uint16_t record[kMaxActiveOverlays] = {
        static_cast<uint16_t>(set.cHistory * 3 % 40), static_cast<uint16_t>(set.cDefined % 7),
        kActiveListEnd, 1};
    TakeActiveList(&set, record);
    for (unsigned i = 0; i < set.cActive; ++i) Check(set.awActive[i] < set.cDefined);

    MemoryProfile written;
    SaveOverlayStore(written, OverlayCopy::Committed, set, defs);
    OverlaySet again = {};
    OverlayDefTable againDefs = {};
    Check(LoadOverlayStore(written, OverlayCopy::Committed, &again, againDefs));
    Check(again.cDefined == set.cDefined && again.cHistory == set.cHistory);
    for (unsigned i = 0; i < set.cHistory; ++i)
        Check(SameOverlayText(set.aszHistory[i], again.aszHistory[i]));
    for (unsigned i = 0; i < set.cDefined; ++i) Check(SameDefinition(*defs[i], *againDefs[i]));

    if (set.cDefined) {
        bool selected[kMaxOverlayDefinitions] = {};
        selected[set.cDefined / 2] = true;
        DeleteOverlayDefs(&set, defs, selected);
        CheckLimits(set, defs);
        for (unsigned i = 0; i < set.cActive; ++i) Check(set.awActive[i] < set.cDefined);
    }
    ReleaseOverlayDefs(&set, defs);
    ReleaseOverlayDefs(&again, againDefs);
}

void FilterLines(std::u16string &lines) {
    size_t start = 0;
    while (start < lines.size()) {
        const size_t end = lines.find(u'\n', start);
        std::u16string line = lines.substr(start, end - start);
        start = end + 1;
        const size_t length = line.size();
        const PageListFilter first = FilterPageList(&line[0], length, length);
        Check(first.length + first.removed == length && first.caret <= length);
        const PageListFilter second = FilterPageList(&line[0], first.length, first.length);
        Check(second.removed == 0);
        if (first.length) Check(line[0] >= u'1' && line[0] <= u'9');
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    MemoryProfile ini;
    std::u16string lines;
    ParseIni(data, size, &ini, &lines);
    RoundTrip(ini, OverlayCopy::Committed);
    RoundTrip(ini, OverlayCopy::Staging);
    FilterLines(lines);
    return 0;
}
