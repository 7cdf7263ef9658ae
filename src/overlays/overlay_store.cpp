#include "overlays/overlay_store.h"

namespace {

const char16_t kCommittedSection[] = u"OverlaySetting";
const char16_t kStagingSection[] = u"OverlaySetting_Sv";
const char16_t kCommittedInfo[] = u"Overlay_Info";
const char16_t kStagingInfo[] = u"Overlay_Info_Sv";
const char16_t kOverlayNumKey[] = u"Overlay_Num";
const char16_t kHistoryNumKey[] = u"History_Num";
const char16_t kHistoryKey[] = u"History";
const char16_t kNameKey[] = u"Overlay_Name";
const char16_t kPageModeKey[] = u"PageMode";
const char16_t kCustomPageKey[] = u"CustomPage";
const char16_t kFormNumKey[] = u"Form_Num";
const char16_t kFormNameKey[] = u"Form_Name";

constexpr size_t kNumberChars = 12;

const char16_t *SetSection(OverlayCopy copy) {
    return copy == OverlayCopy::Staging ? kStagingSection : kCommittedSection;
}

void InfoSection(char16_t *out, OverlayCopy copy, unsigned index) {
    FormatOverlayKey(out, copy == OverlayCopy::Staging ? kStagingInfo : kCommittedInfo, index);
}

// A count from the file within 0..limit: a hand-edited file may hold more.
unsigned ReadCount(OverlayProfile &profile, const char16_t *section, const char16_t *key,
                   unsigned limit) {
    const int value = profile.ReadInt(section, key);
    if (value < 0) return 0;
    return static_cast<unsigned>(value) < limit ? static_cast<unsigned>(value) : limit;
}

void FormatNumber(char16_t *out, int value) {
    char16_t reversed[kNumberChars];
    size_t count = 0;
    unsigned magnitude = value < 0 ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
    do {
        reversed[count++] = static_cast<char16_t>(u'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude);
    size_t at = 0;
    if (value < 0) out[at++] = u'-';
    while (count) out[at++] = reversed[--count];
    out[at] = 0;
}

void WriteNumber(OverlayProfile &profile, const char16_t *section, const char16_t *key, int value) {
    char16_t text[kNumberChars];
    FormatNumber(text, value);
    profile.WriteString(section, key, text);
}

// A field written as it stands, cut at its capacity should it lack its end.
template <size_t N>
void WriteField(OverlayProfile &profile, const char16_t *section, const char16_t *key,
                const char16_t (&field)[N]) {
    char16_t text[N];
    CopyOverlayText(text, field);
    profile.WriteString(section, key, text);
}

template <size_t N>
void ReadField(OverlayProfile &profile, const char16_t *section, const char16_t *key,
               char16_t (&field)[N]) {
    field[0] = 0;
    profile.ReadString(section, key, field, N);
    field[N - 1] = 0;
}

void ReadDefinition(OverlayProfile &profile, const char16_t *section, OverlayDef *def) {
    def->cForms = static_cast<uint16_t>(ReadCount(profile, section, kFormNumKey, kMaxOverlayForms));
    def->wPageMode = static_cast<uint16_t>(profile.ReadInt(section, kPageModeKey));
    ReadField(profile, section, kNameKey, def->szName);
    ReadField(profile, section, kCustomPageKey, def->szCustomPages);
    char16_t key[kOverlayKeyChars];
    for (unsigned f = 0; f < def->cForms; ++f) {
        FormatOverlayKey(key, kFormNameKey, f);
        ReadField(profile, section, key, def->aszForm[f]);
    }
}

void WriteDefinition(OverlayProfile &profile, const char16_t *section, const OverlayDef &def) {
    const unsigned forms = def.cForms < kMaxOverlayForms ? def.cForms : kMaxOverlayForms;
    WriteField(profile, section, kNameKey, def.szName);
    WriteNumber(profile, section, kPageModeKey, def.wPageMode);
    WriteField(profile, section, kCustomPageKey, def.szCustomPages);
    WriteNumber(profile, section, kFormNumKey, static_cast<int>(forms));
    char16_t key[kOverlayKeyChars];
    for (unsigned f = 0; f < forms; ++f) {
        FormatOverlayKey(key, kFormNameKey, f);
        WriteField(profile, section, key, def.aszForm[f]);
    }
}

}  // namespace

void FormatOverlayKey(char16_t *out, const char16_t *prefix, unsigned number) {
    size_t at = 0;
    for (; prefix[at] && at + kNumberChars + 2 < kOverlayKeyChars; ++at) out[at] = prefix[at];
    out[at++] = u' ';
    FormatNumber(out + at, static_cast<int>(number));
}

bool LoadOverlayStore(OverlayProfile &profile, OverlayCopy copy, OverlaySet *set,
                      OverlayDefTable defs) {
    ReleaseOverlayDefs(set, defs);
    const char16_t *section = SetSection(copy);
    const unsigned defined = ReadCount(profile, section, kOverlayNumKey, kMaxOverlayDefinitions);
    set->cHistory = static_cast<uint16_t>(ReadCount(profile, section, kHistoryNumKey, kMaxFormHistory));
    char16_t key[kOverlayKeyChars];
    for (unsigned i = 0; i < set->cHistory; ++i) {
        FormatOverlayKey(key, kHistoryKey, i);
        ReadField(profile, section, key, set->aszHistory[i]);
    }
    for (unsigned i = 0; i < defined; ++i) {
        defs[i] = NewOverlayDef(nullptr);
        if (!defs[i]) {
            ReleaseOverlayDefs(set, defs);
            return false;
        }
        set->cDefined = static_cast<uint16_t>(i + 1);
        InfoSection(key, copy, i);
        ReadDefinition(profile, key, defs[i]);
    }
    return true;
}

void SaveOverlayStore(OverlayProfile &profile, OverlayCopy copy, const OverlaySet &set,
                      const OverlayDefTable defs) {
    const char16_t *section = SetSection(copy);
    const unsigned defined =
        set.cDefined < kMaxOverlayDefinitions ? set.cDefined : kMaxOverlayDefinitions;
    const unsigned history = set.cHistory < kMaxFormHistory ? set.cHistory : kMaxFormHistory;
    WriteNumber(profile, section, kOverlayNumKey, static_cast<int>(defined));
    WriteNumber(profile, section, kHistoryNumKey, static_cast<int>(history));
    char16_t key[kOverlayKeyChars];
    for (unsigned i = 0; i < history; ++i) {
        FormatOverlayKey(key, kHistoryKey, i);
        WriteField(profile, section, key, set.aszHistory[i]);
    }
    for (unsigned i = 0; i < defined; ++i) {
        static const OverlayDef kMissingBlock = {};
        InfoSection(key, copy, i);
        WriteDefinition(profile, key, defs[i] ? *defs[i] : kMissingBlock);
    }
}

OverlayOpening OpenOverlayState(uint32_t state, bool printerDataWritable) {
    if (state == kOverlayStateStaged) {
        // Without the right to write, this sheet wrote no staging copy: what
        // is there belongs to another sheet, or to nobody.
        return {printerDataWritable ? OverlayCopy::Staging : OverlayCopy::Committed,
                kOverlayStateSettled};
    }
    return {OverlayCopy::Committed, kOverlayStateStaged};
}

uint32_t CancelOverlayState(uint32_t state) {
    if (state == kOverlayStateStaged) return kOverlayStateSettled;
    if (state == kOverlayStateSettled) return kOverlayStateStaged;
    return state;
}

OverlayCopy SaveCopyForState(uint32_t state) {
    return state == kOverlayStateStaged ? OverlayCopy::Staging : OverlayCopy::Committed;
}

bool OverlayCommitDue(uint32_t state, bool printerDataWritable) {
    return printerDataWritable && state == kOverlayStateStaged;
}
