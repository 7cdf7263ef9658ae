// The Job Options property page and the driver settings it asks about.
#pragma once

#include "joboptions/job_options_rules.h"
#include "core/doc_ui_state.h"

INT_PTR CALLBACK JobOptionsPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

// The page's controls from the working selections.
void RefreshJobOptionsPage(HWND page, DocUiState *state);

// A driver setting as DrvGetDriverSetting answers it: 8-bit text, always
// terminated; all zero when the driver gives none.
struct DriverAnswer {
    char text[64];
};
bool ReadDriverSetting(const DocUiState *state, const char *keyword, DriverAnswer *answer);

// A driver setting ("VXHDD", "VXFinisher", ...) read as True or False.
DriverFlag QueryDriverFlag(const DocUiState *state, const char *keyword);

// Lower and upper bound of a numeric driver item (up-down or scroll item).
bool ReadItemRange(const OPTITEM *item, LONG *lower, LONG *upper);
