// The document option tree: the walk over the driver's items, the
// callback the driver calls, and the push of working selections back into
// the driver's items.
#pragma once

#include "core/doc_ui_state.h"

class DriverConfigSnapshot;
class OemUiPlugin;

// The document step of CommonUIProp (both of the driver's calls), with the
// driver's configuration that the call read.
HRESULT RunDocumentStep(OemUiPlugin *plugin, POEMCUIPPARAM param, DriverConfigSnapshot &config);

void ScanDriverOptionItems(DocUiState *state);
// The per-item part of the walk: slots, hiding, help and the paper and
// media rules. The plug-in ini's keys come from `config` when the caller
// holds the driver's configuration, else from the file.
void WalkDriverItems(DocUiState *state, DriverConfigSnapshot *config = nullptr);

LONG APIENTRY OptionTreeCallback(PCPSUICBPARAM callback, POEMCUIPPARAM param);

// Puts the working selection into the item and lets the driver check it;
// a refusal puts the item's previous selection back into `working`.
BOOL SetOptItemSel(POEMCUIPPARAM param, DWORD itemIndex, DWORD *working, DWORD mode);

void PushSlotsToDriver(DocUiState *state);
