// The state block of one opening of the document properties: every
// document page and dialog of the plug-in works on it.
#pragma once


#include "core/platform_oem.h"
#include "docstate/feature_slots.h"
#include "docstate/overlay_set.h"
#include "docstate/watermark_list.h"

struct DocUiState {
    HANDLE hComPropSheet;
    HANDLE hJobOptionsPage;
    HANDLE hColorPage;
    POEMUIPSPARAM pOemUiPsParam;
    POEMCUIPPARAM pOemCuipParam;
    PFNCOMPROPSHEET pfnComPropSheet;
    SlotTable slots;
    // Page-private working values of the Job Options page and its dialogs.
    DWORD fWatermarksDirty;
    DWORD dwOverlayState;
    // The Overlays dialog's working set while it is open, and the index of
    // the definition that Define Overlays edits.
    OverlaySet *pOverlaySet;
    OverlayDefTable apOverlayDef;
    DWORD dwOverlayEditIndex;
    DWORD fIcCardDriver;
    DWORD dwCompressionLevel;
    // The Color page's copy of the record's colour-tuner setting.
    DWORD dwColorTunerSetting;
    WCHAR *pPluginIni;
    HANDLE hLinkPage;
    WatermarkList watermarks;
    // The model section's lines as the sheet's CommonUIProp read them, on
    // the OEM heap; null when they could not be kept (the pages then read
    // the capability file).
    WCHAR *pModelKeys;
};

inline bool SlotPresent(const DocUiState *state, uint32_t slot) {
    return state->slots.index[slot] != kSlotAbsent;
}

// The driver item of a present slot.
inline POPTITEM SlotItem(const DocUiState *state, uint32_t slot) {
    return &state->pOemCuipParam->pDrvOptItems[state->slots.index[slot]];
}
