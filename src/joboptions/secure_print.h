// Secure printing on the Job Options page: the IC-card query and the job
// type at page start, the job-type controls at each refresh, the job-type
// radios and the JOB PIN button.
#pragma once

#include "core/doc_ui_state.h"

// Asks the card library and names the third job type after it.
void QueryCardLibraryAtStart(HWND page, DocUiState *state);
void ApplySecureStartUp(DocUiState *state);
void RefreshSecurePrint(HWND page, DocUiState *state);
void OnJobTypeClicked(HWND page, DocUiState *state, UINT id);
void OnJobPinButton(HWND page, DocUiState *state);
