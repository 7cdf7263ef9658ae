// The overlay store on the plug-in ini through the profile functions: the
// Overlays dialog's working set in the document state, and the commit of
// the staging copy on the sheet's Apply.
#pragma once

#include "core/doc_ui_state.h"

// Loads the working set from the copy that the state selects and advances
// the state; false (state unchanged, nothing loaded) when memory ran short.
bool OpenOverlayWorkingSet(DocUiState *state);
// Writes the working set into the copy that the state selects, only when
// the user may write printer data.
void SaveOverlayWorkingSet(DocUiState *state);
void ReleaseOverlayWorkingSet(DocUiState *state);
// Apply: staging copy into the committed copy when this sheet confirmed an
// Overlays dialog since the last commit; the commit is reported to the
// sheet as the page's result. True when it committed.
bool CommitOverlayStore(DocUiState *state);
