#include "overlays/overlay_store_glue.h"

#include "core/dialog_utils.h"
#include "overlays/overlay_store.h"

#include <new>

namespace {

static_assert(sizeof(WCHAR) == sizeof(char16_t), "profile text is 16-bit");

const WCHAR *Wide(const char16_t *text) { return reinterpret_cast<const WCHAR *>(text); }

class IniProfile : public OverlayProfile {
public:
    explicit IniProfile(const WCHAR *file) : file_(file) {}

    int ReadInt(const char16_t *section, const char16_t *key) override {
        return static_cast<int>(GetPrivateProfileIntW(Wide(section), Wide(key), 0, file_));
    }
    void ReadString(const char16_t *section, const char16_t *key, char16_t *buffer,
                    size_t capacity) override {
        GetPrivateProfileStringW(Wide(section), Wide(key), L"", reinterpret_cast<WCHAR *>(buffer),
                                 static_cast<DWORD>(capacity), file_);
    }
    void WriteString(const char16_t *section, const char16_t *key, const char16_t *value) override {
        WritePrivateProfileStringW(Wide(section), Wide(key), Wide(value), file_);
    }

private:
    const WCHAR *file_;
};

bool HasPluginIni(const DocUiState *state) { return state->pPluginIni && state->pPluginIni[0]; }

// Reads a copy into the set; a sheet without its ini reads no definitions.
bool LoadCopy(const DocUiState *state, OverlayCopy copy, OverlaySet *set, OverlayDefTable defs) {
    if (!HasPluginIni(state)) {
        ReleaseOverlayDefs(set, defs);
        return true;
    }
    IniProfile ini(state->pPluginIni);
    return LoadOverlayStore(ini, copy, set, defs);
}

// The commit is reported to the sheet for its second page handle: the Color
// page's when the sheet has one, else the Job Options page's.
void ReportOverlayCommit(const DocUiState *state) {
    if (!state->pfnComPropSheet) return;
    const HANDLE page = state->hColorPage ? state->hColorPage : state->hJobOptionsPage;
    state->pfnComPropSheet(state->hComPropSheet, CPSFUNC_SET_RESULT, reinterpret_cast<LPARAM>(page),
                           CPSUI_OK);
}

}  // namespace

bool OpenOverlayWorkingSet(DocUiState *state) {
    ReleaseOverlayWorkingSet(state);
    OverlaySet *set = new (std::nothrow) OverlaySet();
    if (!set) return false;
    const OverlayOpening opening = OpenOverlayState(state->dwOverlayState, PrinterDataWritable != 0);
    if (!LoadCopy(state, opening.source, set, state->apOverlayDef)) {
        delete set;
        return false;
    }
    state->pOverlaySet = set;
    state->dwOverlayState = opening.state;
    return true;
}

void SaveOverlayWorkingSet(DocUiState *state) {
    if (!PrinterDataWritable || !state->pOverlaySet || !HasPluginIni(state)) return;
    IniProfile ini(state->pPluginIni);
    SaveOverlayStore(ini, SaveCopyForState(state->dwOverlayState), *state->pOverlaySet,
                     state->apOverlayDef);
}

void ReleaseOverlayWorkingSet(DocUiState *state) {
    OverlaySet empty = {};
    ReleaseOverlayDefs(state->pOverlaySet ? state->pOverlaySet : &empty, state->apOverlayDef);
    delete state->pOverlaySet;
    state->pOverlaySet = nullptr;
}

bool CommitOverlayStore(DocUiState *state) {
    if (!OverlayCommitDue(state->dwOverlayState, PrinterDataWritable != 0) || !HasPluginIni(state))
        return false;
    OverlaySet set = {};
    OverlayDefTable defs = {};
    IniProfile ini(state->pPluginIni);
    if (!LoadOverlayStore(ini, OverlayCopy::Staging, &set, defs)) return false;
    state->dwOverlayState = kOverlayStateSettled;
    SaveOverlayStore(ini, SaveCopyForState(state->dwOverlayState), set, defs);
    ReleaseOverlayDefs(&set, defs);
    ReportOverlayCommit(state);
    return true;
}
