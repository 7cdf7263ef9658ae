// The printer-properties state block: one per opening of the printer
// properties, on the driver's OEM heap.
#pragma once

#include "core/platform_oem.h"

constexpr DWORD kPrnOptionIndexCount = 15;
constexpr DWORD kPrnTrackedItemCount = 5;
// Where the tracked items' indexes start among the fifteen.
constexpr DWORD kPrnTrackedIndexBase = 6;
constexpr DWORD kPrnAbsentIndex = 65535;

struct PrnUiState {
    POEMCUIPPARAM pOemCuipParam;
    DWORD adwOptionIndex[kPrnOptionIndexCount];
    DWORD adwOptionSel[kPrnTrackedItemCount];
    HANDLE hComPropSheet;
    PFNCOMPROPSHEET pfnComPropSheet;
    POEMUIPSPARAM pOemUiPsParam;
    // The network detection library asked for the push button's state;
    // freed when the sheet ends.
    HMODULE hNetExtLibrary;
};

// Frees what the block holds beyond the heap (the network library).
void ReleasePrnUiState(PrnUiState *state);
