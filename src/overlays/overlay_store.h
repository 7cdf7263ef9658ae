// The overlay definitions in the plug-in ini: the committed copy that every
// user of the driver sees and the staging copy that holds a sheet's
// confirmed edits until its Apply, and which copy the sheet's state
// selects. The profile functions stay behind OverlayProfile, so the format
// is tested natively.
#pragma once

#include "docstate/overlay_set.h"

#include <cstddef>
#include <cstdint>

class OverlayProfile {
public:
    virtual ~OverlayProfile() = default;
    // A missing key reads as 0.
    virtual int ReadInt(const char16_t *section, const char16_t *key) = 0;
    // A missing key reads as empty; the value is cut to `capacity` - 1
    // characters and always terminated.
    virtual void ReadString(const char16_t *section, const char16_t *key, char16_t *buffer,
                            size_t capacity) = 0;
    virtual void WriteString(const char16_t *section, const char16_t *key, const char16_t *value) = 0;
};

enum class OverlayCopy { Committed, Staging };

// Reads the set and one block per definition from the copy; the counts
// stop at their limits. False when memory ran short: nothing is kept.
bool LoadOverlayStore(OverlayProfile &profile, OverlayCopy copy, OverlaySet *set,
                      OverlayDefTable defs);
// Writes the counts, the history and every definition into the copy. Keys
// of entries no longer counted stay in the file; the counts bound every read.
void SaveOverlayStore(OverlayProfile &profile, OverlayCopy copy, const OverlaySet &set,
                      const OverlayDefTable defs);

// dwOverlayState of the document state: 0 at page start; 1 while the
// staging copy holds confirmed edits that Apply has not committed; 2 once
// they are committed or a dialog was cancelled.
constexpr uint32_t kOverlayStateFresh = 0;
constexpr uint32_t kOverlayStateStaged = 1;
constexpr uint32_t kOverlayStateSettled = 2;

struct OverlayOpening {
    OverlayCopy source;
    uint32_t state;  // the state while the dialog is open
};

// Opening the Overlays dialog. The staging copy is read only when this
// sheet can have written it.
OverlayOpening OpenOverlayState(uint32_t state, bool printerDataWritable);
uint32_t CancelOverlayState(uint32_t state);
// The copy that Save writes in a state.
OverlayCopy SaveCopyForState(uint32_t state);
bool OverlayCommitDue(uint32_t state, bool printerDataWritable);

// "Name %d" for a 0-based entry; `out` holds kOverlayKeyChars characters.
constexpr size_t kOverlayKeyChars = 32;
void FormatOverlayKey(char16_t *out, const char16_t *prefix, unsigned number);
