// The pages of an open property sheet: selecting each in turn (a page's
// window exists only once it has been shown) and reading its tab's title.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct SheetPage {
    int index;
    HWND window;
    std::wstring title;
};

int PageCount(HWND sheet);
// Selects the page; false when the current page refused to be left.
bool SelectPage(HWND sheet, int index);
std::wstring PageTitle(HWND sheet, int index);
// Every page, each selected once so that its window exists; the first
// page is selected again at the end.
std::vector<SheetPage> VisitPages(HWND sheet);
// Whether the page has a control with this id.
bool PageHasControl(HWND page, int id);
