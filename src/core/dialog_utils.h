// Operations the property pages and sub-dialogs share. Each takes the
// dialog window first.
#pragma once

#include <windows.h>

struct OverlaySet;

// SheetVisitFlags bits.
constexpr DWORD kPluginPageInitialised = 0x2;
constexpr DWORD kDriverPageVisited = 0x1;

constexpr int kSavedNumericTextChars = 12;
constexpr int kFlippedPageIndex = 2;

extern DWORD SheetVisitFlags;
// 1 when a test write of printer data succeeded (document properties).
extern int PrinterDataWritable;
// The underlined link font of the Job Options and Color pages.
extern HFONT LinkFont;
// The cursor over the banners of the Job Options and Color pages.
extern HCURSOR HandCursor;

// Ranges are inclusive and walked upwards; a first id above the last does
// nothing.
void EnableControlRange(HWND dialog, UINT first, UINT last, BOOL enable);
// Never enables: a control stays enabled only when it is now and `allow` is set.
void RestrictControlRange(HWND dialog, UINT first, UINT last, BOOL allow);
void ShowControlRange(HWND dialog, UINT first, UINT last, BOOL show);
void DestroyControlRange(HWND dialog, UINT first, UINT last);

// Draws the bitmap at the control's top-left corner, magenta transparent.
BOOL DrawTransparentBitmap(HWND dialog, HMODULE module, UINT controlId, UINT bitmapId);
// Draws the bitmap resource with its own palette at the control's corner
// plus (2, 2), in a sunken frame.
void DrawFramedDib(HWND dialog, HMODULE module, UINT bitmapId, UINT controlId);

void NotifySheetChanged(HWND page);
// Once per process, when printer data is not writable: selects page 2 and
// back, so the driver's pages see the plug-in's first changes.
void RevisitFirstPages(HWND page);

// The key filter of numeric edits; `savedText` holds kSavedNumericTextChars
// characters. Returns `code`.
UINT ValidateNumericEdit(HWND dialog, UINT code, UINT controlId, int emptyValue, int minimum,
                         int maximum, WCHAR *savedText, UINT reserved, BOOL isSigned);

HFONT CreateLinkFont(HWND dialog);

// Empties list view `controlId`, gives it the full-row repaint and the two
// columns "Overlay" and "Page"; returns the list view.
HWND InitTwoColumnList(HWND dialog, UINT reserved, UINT controlId);

// 1 when a selected row of list view 1057 is one of the job's overlays.
int IsSelectedRowInSet(HWND dialog, const OverlaySet *set);
