// Drop-down lists that show the options of a driver item, in its order.
#pragma once

#include <windows.h>

#include "core/doc_ui_state.h"

// Appends the display names of every option of the slot's item to the list;
// nothing when the slot is absent. An option named by a resource id keeps
// its place with an empty entry, so entry numbers stay option numbers.
void AppendOptionNames(HWND dialog, UINT listId, const DocUiState *state, uint32_t slot);
void SelectEntry(HWND dialog, UINT listId, DWORD entry);
DWORD SelectedEntry(HWND dialog, UINT listId);
