#include "docstate/overlay_set.h"

#include <new>

namespace {

constexpr unsigned kMaxPageNumberDigits = 4;
const char16_t kRefusedFormChars[] = u"\"%()*/:<>?[\\]{|}";

unsigned ActiveCount(const OverlaySet &set) {
    return set.cActive < kMaxActiveOverlays ? set.cActive : kMaxActiveOverlays;
}

unsigned DefinedCount(const OverlaySet &set) {
    return set.cDefined < kMaxOverlayDefinitions ? set.cDefined : kMaxOverlayDefinitions;
}

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

}  // namespace

bool IsActiveOverlayRow(const OverlaySet &set, unsigned row) {
    if (row >= set.cDefined) return false;
    const unsigned active = ActiveCount(set);
    for (unsigned i = 0; i < active; ++i)
        if (set.awActive[i] == row) return true;
    return false;
}

OverlayDef *NewOverlayDef(const char16_t *name) {
    OverlayDef *def = new (std::nothrow) OverlayDef();
    if (def && name) CopyOverlayText(def->szName, name);
    return def;
}

void FreeOverlayDef(OverlayDef *def) { delete def; }

void ReleaseOverlayDefs(OverlaySet *set, OverlayDefTable defs) {
    for (unsigned i = 0; i < kMaxOverlayDefinitions; ++i) {
        FreeOverlayDef(defs[i]);
        defs[i] = nullptr;
    }
    *set = OverlaySet();
}

void CopyOverlayText(char16_t *to, size_t capacity, const char16_t *from) {
    if (!capacity) return;
    size_t i = 0;
    for (; from && from[i] && i + 1 < capacity; ++i) to[i] = from[i];
    to[i] = 0;
}

bool SameOverlayText(const char16_t *a, const char16_t *b) {
    for (; *a && *a == *b; ++a, ++b) {
    }
    return *a == *b;
}

size_t OverlayTextLength(const char16_t *text) {
    size_t length = 0;
    while (text[length]) ++length;
    return length;
}

void TakeActiveList(OverlaySet *set, const uint16_t (&record)[kMaxActiveOverlays]) {
    unsigned taken = 0;
    while (taken < kMaxActiveOverlays && record[taken] != kActiveListEnd) ++taken;
    const unsigned defined = DefinedCount(*set);
    set->cActive = 0;
    if (defined < taken) {
        for (unsigned i = 0; i < defined; ++i) set->awActive[set->cActive++] = static_cast<uint16_t>(i);
        return;
    }
    // The definitions may have changed since the record was saved: an index
    // past them must never reach a definition.
    for (unsigned i = 0; i < taken; ++i)
        if (record[i] < defined) set->awActive[set->cActive++] = record[i];
}

void StoreActiveList(const OverlaySet &set, uint16_t (&record)[kMaxActiveOverlays]) {
    const unsigned active = ActiveCount(set);
    for (unsigned i = 0; i < kMaxActiveOverlays; ++i)
        record[i] = i < active ? set.awActive[i] : kActiveListEnd;
}

void AppendActiveOverlays(OverlaySet *set, const bool *selectedDefinitions) {
    const unsigned defined = DefinedCount(*set);
    for (unsigned i = 0; i < defined && set->cActive < kMaxActiveOverlays; ++i)
        if (selectedDefinitions[i]) set->awActive[set->cActive++] = static_cast<uint16_t>(i);
}

void RemoveActiveOverlays(OverlaySet *set, const bool *selectedEntries) {
    const unsigned active = ActiveCount(*set);
    unsigned kept = 0;
    for (unsigned i = 0; i < active; ++i)
        if (!selectedEntries[i]) set->awActive[kept++] = set->awActive[i];
    set->cActive = static_cast<uint16_t>(kept);
}

void DeleteOverlayDefs(OverlaySet *set, OverlayDefTable defs, const bool *selectedDefinitions) {
    const unsigned defined = DefinedCount(*set);
    uint16_t newIndex[kMaxOverlayDefinitions];
    unsigned kept = 0;
    for (unsigned i = 0; i < defined; ++i) {
        if (selectedDefinitions[i]) {
            FreeOverlayDef(defs[i]);
            newIndex[i] = kActiveListEnd;
            continue;
        }
        newIndex[i] = static_cast<uint16_t>(kept);
        defs[kept++] = defs[i];
    }
    for (unsigned i = kept; i < defined; ++i) defs[i] = nullptr;
    set->cDefined = static_cast<uint16_t>(kept);

    const unsigned active = ActiveCount(*set);
    unsigned keptActive = 0;
    for (unsigned i = 0; i < active; ++i) {
        const uint16_t old = set->awActive[i];
        if (old < defined && newIndex[old] != kActiveListEnd)
            set->awActive[keptActive++] = newIndex[old];
    }
    set->cActive = static_cast<uint16_t>(keptActive);
}

OverlayButtons PlanOverlayButtons(const OverlaySet &set, unsigned activeSelected,
                                  unsigned definedSelected, bool selectedAlreadyActive) {
    OverlayButtons buttons = {};
    const bool anyDefined = set.cDefined > 0;
    buttons.removeActive = set.cActive > 0 && activeSelected > 0;
    buttons.newDefinition = set.cDefined < kMaxOverlayDefinitions;
    buttons.addActive = anyDefined && definedSelected > 0 &&
                        set.cActive + definedSelected <= kMaxActiveOverlays && !selectedAlreadyActive;
    buttons.editDefinition = anyDefined && definedSelected == 1;
    buttons.deleteDefinition = anyDefined && definedSelected > 0;
    return buttons;
}

void PushFormHistory(OverlaySet *set, const char16_t *name) {
    char16_t text[kFormNameChars];
    CopyOverlayText(text, name);
    const unsigned count = set->cHistory < kMaxFormHistory ? set->cHistory : kMaxFormHistory;
    unsigned found = count;
    for (unsigned i = 0; i < count; ++i)
        if (SameOverlayText(set->aszHistory[i], text)) {
            found = i;
            break;
        }
    unsigned last;
    if (found < count) {
        last = found;
    } else {
        if (count < kMaxFormHistory) ++set->cHistory;
        last = set->cHistory - 1;
    }
    for (unsigned i = last; i > 0; --i) CopyOverlayText(set->aszHistory[i], set->aszHistory[i - 1]);
    CopyOverlayText(set->aszHistory[0], text);
}

bool HasForm(const OverlayDef &def, const char16_t *name) {
    const unsigned forms = def.cForms < kMaxOverlayForms ? def.cForms : kMaxOverlayForms;
    for (unsigned i = 0; i < forms; ++i)
        if (SameOverlayText(def.aszForm[i], name)) return true;
    return false;
}

bool CanAddForm(const OverlayDef &def, const char16_t *name) {
    return name[0] && def.cForms < kMaxOverlayForms && !HasForm(def, name);
}

bool CanRenameForm(const OverlayDef &def, const char16_t *name, bool formSelected) {
    return name[0] && formSelected && !HasForm(def, name);
}

bool EndsWithFullStop(const char16_t *name) {
    const size_t length = OverlayTextLength(name);
    return length > 0 && name[length - 1] == u'.';
}

bool AppendForm(OverlayDef *def, const char16_t *name) {
    if (def->cForms >= kMaxOverlayForms) return false;
    CopyOverlayText(def->aszForm[def->cForms++], name);
    return true;
}

bool RenameForm(OverlayDef *def, unsigned index, const char16_t *name) {
    if (index >= def->cForms || index >= kMaxOverlayForms) return false;
    CopyOverlayText(def->aszForm[index], name);
    return true;
}

bool RemoveForm(OverlayDef *def, unsigned index) {
    if (index >= def->cForms || index >= kMaxOverlayForms) return false;
    for (unsigned i = index; i + 1 < def->cForms; ++i)
        CopyOverlayText(def->aszForm[i], def->aszForm[i + 1]);
    --def->cForms;
    def->aszForm[def->cForms][0] = 0;
    return true;
}

bool FormNameCharAllowed(char16_t c) {
    if (c <= u' ' || c >= 0x7F) return false;
    for (const char16_t *refused = kRefusedFormChars; *refused; ++refused)
        if (c == *refused) return false;
    return true;
}

PageListFilter FilterPageList(char16_t *text, size_t length, size_t selectionEnd) {
    unsigned digits = 0;          // digits of the current number
    bool digitSinceComma = false;  // since the last comma or '-'
    bool itemHasRange = false;
    size_t kept = 0;
    for (size_t i = 0; i < length; ++i) {
        const char16_t c = text[i];
        bool keep = false;
        if (IsDigit(c)) {
            keep = digits < kMaxPageNumberDigits && (c != u'0' || digits > 0);
            if (keep) {
                ++digits;
                digitSinceComma = true;
            }
        } else if (c == u'-') {
            keep = digits > 0 && !itemHasRange;
            if (keep) {
                digits = 0;
                digitSinceComma = false;
                itemHasRange = true;
            }
        } else if (c == u',') {
            keep = digitSinceComma;
            if (keep) {
                digits = 0;
                digitSinceComma = false;
                itemHasRange = false;
            }
        }
        if (keep) text[kept++] = c;
    }
    const size_t removed = length - kept;
    if (kept < length) text[kept] = 0;
    return {kept, removed, selectionEnd > removed ? selectionEnd - removed : 0};
}

void TrimOverlayName(char16_t *name) {
    size_t start = 0;
    while (name[start] == u' ' || name[start] == u'\t') ++start;
    size_t end = OverlayTextLength(name);
    while (end > start && (name[end - 1] == u' ' || name[end - 1] == u'\t')) --end;
    for (size_t i = start; i < end; ++i) name[i - start] = name[i];
    name[end - start] = 0;
}

DefinitionCheck CheckDefinition(const OverlaySet &set, const OverlayDefTable defs, unsigned edited,
                                const char16_t *name) {
    if (!name[0]) return DefinitionCheck::NameMissing;
    const unsigned defined = DefinedCount(set);
    for (unsigned i = 0; i < defined; ++i)
        if (i != edited && defs[i] && SameOverlayText(defs[i]->szName, name))
            return DefinitionCheck::NameExists;
    const OverlayDef *def = edited < kMaxOverlayDefinitions ? defs[edited] : nullptr;
    if (!def || def->cForms == 0) return DefinitionCheck::NeedsForm;
    return DefinitionCheck::Accept;
}

void FinishDefinition(OverlayDef *def, const char16_t *name, const char16_t *customPages) {
    CopyOverlayText(def->szName, name);
    if (def->wPageMode == kPagesCustom) CopyOverlayText(def->szCustomPages, customPages);
    else def->szCustomPages[0] = 0;
    if (def->wPageMode == kPagesCustom && !def->szCustomPages[0]) def->wPageMode = kPagesAll;
}
