// The overlay working set of one opening of the Overlays dialog: the
// defined overlays, the job's active list and the form-name history, with
// the rules the Overlays and Define Overlays dialogs apply to them. No
// platform types: the dialogs do the windows.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr unsigned kMaxActiveOverlays = 4;
constexpr unsigned kMaxOverlayDefinitions = 32;
constexpr unsigned kMaxFormHistory = 10;
constexpr unsigned kMaxOverlayForms = 3;
constexpr unsigned kFormNameChars = 64;
constexpr unsigned kOverlayNameChars = 64;
constexpr unsigned kCustomPagesChars = 255;
// An unused entry of the record's active list; the first one ends it.
constexpr uint16_t kActiveListEnd = 255;

// Pages an overlay prints on; the Define Overlays list shows them in this
// order.
enum OverlayPageMode : uint16_t {
    kPagesAll = 0,
    kPagesFirst = 1,
    kPagesOdd = 2,
    kPagesEven = 3,
    kPagesCustom = 4,
};
constexpr unsigned kPageModeCount = 5;

struct OverlayDef {
    char16_t szName[kOverlayNameChars];
    uint16_t cForms;                                        // 0..3
    char16_t aszForm[kMaxOverlayForms][kFormNameChars];      // in print order
    uint16_t wPageMode;
    char16_t szCustomPages[kCustomPagesChars];              // mode 4 only
};

struct OverlaySet {
    uint16_t cActive;                      // 0..4
    uint16_t awActive[kMaxActiveOverlays];  // definition indices, in order
    uint16_t cDefined;                     // 0..32
    uint16_t cHistory;                     // 0..10
    char16_t aszHistory[kMaxFormHistory][kFormNameChars];  // most recent first
};

// The definition blocks of a working set: entry i is definition i for every
// i below cDefined, null beyond.
using OverlayDefTable = OverlayDef *[kMaxOverlayDefinitions];

// Whether list row `row` is a defined overlay that the job uses.
bool IsActiveOverlayRow(const OverlaySet &set, unsigned row);

// A zeroed block (mode All Pages, no forms) named `name`; null when memory
// is short.
OverlayDef *NewOverlayDef(const char16_t *name);
void FreeOverlayDef(OverlayDef *def);
// Frees every block and empties the set.
void ReleaseOverlayDefs(OverlaySet *set, OverlayDefTable defs);

// Copies at most `capacity` - 1 characters and always terminates.
void CopyOverlayText(char16_t *to, size_t capacity, const char16_t *from);
template <size_t N>
void CopyOverlayText(char16_t (&to)[N], const char16_t *from) {
    CopyOverlayText(to, N, from);
}
bool SameOverlayText(const char16_t *a, const char16_t *b);
size_t OverlayTextLength(const char16_t *text);

// The active list at the start of the Overlays dialog, from the record's
// list: entries up to the first end mark; fewer definitions than entries
// make it the first definitions in order; an index that still reaches past
// the definitions is dropped.
void TakeActiveList(OverlaySet *set, const uint16_t (&record)[kMaxActiveOverlays]);
// The active list into the record, unused entries marked as ended.
void StoreActiveList(const OverlaySet &set, uint16_t (&record)[kMaxActiveOverlays]);

// Appends the selected definitions (one flag per definition) in definition
// order while the list has room.
void AppendActiveOverlays(OverlaySet *set, const bool *selectedDefinitions);
// Keeps the active entries whose flag (one per active entry) is clear.
void RemoveActiveOverlays(OverlaySet *set, const bool *selectedEntries);
// Frees the selected definitions, keeps the others in order and renumbers
// the active list; entries of deleted definitions are dropped.
void DeleteOverlayDefs(OverlaySet *set, OverlayDefTable defs, const bool *selectedDefinitions);

struct OverlayButtons {
    bool removeActive;
    bool newDefinition;
    bool addActive;
    bool editDefinition;
    bool deleteDefinition;
};

// Which of the Overlays dialog's buttons are enabled, from the rows
// selected in the two lists.
OverlayButtons PlanOverlayButtons(const OverlaySet &set, unsigned activeSelected,
                                  unsigned definedSelected, bool selectedAlreadyActive);

// Puts a typed form name at the top of the history (at most 63
// characters); an entry already there moves up instead.
void PushFormHistory(OverlaySet *set, const char16_t *name);

// The Define Overlays form buttons.
bool HasForm(const OverlayDef &def, const char16_t *name);
bool CanAddForm(const OverlayDef &def, const char16_t *name);
bool CanRenameForm(const OverlayDef &def, const char16_t *name, bool formSelected);
// A form name whose last character is a full stop is refused.
bool EndsWithFullStop(const char16_t *name);
bool AppendForm(OverlayDef *def, const char16_t *name);
bool RenameForm(OverlayDef *def, unsigned index, const char16_t *name);
bool RemoveForm(OverlayDef *def, unsigned index);

// Characters a form name may hold: printable ASCII without the space and
// the characters the printer's file names refuse.
bool FormNameCharAllowed(char16_t c);

struct PageListFilter {
    size_t length;   // characters kept
    size_t removed;  // characters dropped
    size_t caret;    // where the caret goes
};

// Keeps, in place, what the custom page-list grammar allows while typing:
// numbers of 1 to 4 digits without a leading zero, single ranges joined by
// '-', items separated by single commas.
PageListFilter FilterPageList(char16_t *text, size_t length, size_t selectionEnd);

// Drops, in place, the spaces around a typed overlay name: the ini keeps
// no surrounding spaces, so the name is stored as it will be read back.
void TrimOverlayName(char16_t *name);

enum class DefinitionCheck { Accept, NameMissing, NameExists, NeedsForm };

// The Define Overlays OK: the name typed against the other definitions,
// then the forms of the definition edited (index `edited`).
DefinitionCheck CheckDefinition(const OverlaySet &set, const OverlayDefTable defs, unsigned edited,
                                const char16_t *name);
// Takes the name and page list on OK; Custom without pages becomes All
// Pages, and other modes keep no page list.
void FinishDefinition(OverlayDef *def, const char16_t *name, const char16_t *customPages);
