// The watermark list of the plug-in ini in memory: loading when the
// Watermarks dialog first opens, saving on Apply, the copy of the chosen
// watermark into the private record, and the colour chooser's custom
// colours.
#pragma once

#include <windows.h>

#include "core/oem_devmode.h"
#include "core/doc_ui_state.h"

constexpr unsigned kCustomColors = 16;
extern COLORREF CustomColorTable[kCustomColors];

void InitNoneWatermark(WatermarkList *list);
// At every opening of the Watermarks dialog: loads the list on the first,
// then takes the copies that Cancel restores and prepares the working
// record. False when memory for the records ran out.
bool LoadWatermarkList(HWND dialog, const OemDevmode *record, DocUiState *state);
void SaveWatermarkList(DocUiState *state);
void ReleaseWatermarkList(WatermarkList *list);

void CopyWatermark(WatermarkRecord *destination, const WatermarkRecord *source);
// A zero-filled record on the list's heap; null when there is no memory.
WatermarkRecord *AllocateWatermark(WatermarkList *list);
void FreeWatermark(WatermarkList *list, WatermarkRecord *record);
// The working record becomes a copy of the selected entry.
void TakeSelectedAsWorking(WatermarkList *list);
void ClearNoneWorkingText(HWND dialog, WatermarkList *list);
void CommitWatermarkToDevmode(HWND dialog, OemDevmode *record, const WatermarkList *list);

// Nonzero when the value buffer could not be had (the table stays).
int ReadCustomColors(const WCHAR *pluginIni);
void WriteCustomColors(const WCHAR *pluginIni);
