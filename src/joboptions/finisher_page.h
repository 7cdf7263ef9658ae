// The finisher rule pass of the Job Options page: reads the sheet from the
// driver, corrects the bind-position, staple and punch selections and fills
// their lists when the page layout carries them.
#pragma once

#include "core/doc_ui_state.h"

void RunFinisherRulePass(HWND page, DocUiState *state);

// A user's choice in one of the finishing lists (output bin, bind position,
// staple, punch) into its working selection; false when `listId` is none of
// them or nothing is chosen. Each entry keeps its option's index.
bool StoreFinishingChoice(HWND page, DocUiState *state, UINT listId);
// Each finishing list shows its working selection when the list offers it;
// otherwise the list keeps the entry the rule pass chose.
void ShowFinishingChoices(HWND page, const DocUiState *state);
