#include "sheet/sheet_pages.h"

#include <commctrl.h>
#include <prsht.h>

namespace {

constexpr int kTitleChars = 256;

}  // namespace

int PageCount(HWND sheet) {
    HWND tabs = PropSheet_GetTabControl(sheet);
    return tabs ? TabCtrl_GetItemCount(tabs) : 0;
}

bool SelectPage(HWND sheet, int index) {
    SendMessageW(sheet, PSM_SETCURSEL, static_cast<WPARAM>(index), 0);
    return PropSheet_GetCurrentPageHwnd(sheet) == PropSheet_IndexToHwnd(sheet, index);
}

std::wstring PageTitle(HWND sheet, int index) {
    WCHAR title[kTitleChars] = L"";
    TCITEMW item = {};
    item.mask = TCIF_TEXT;
    item.pszText = title;
    item.cchTextMax = kTitleChars;
    SendMessageW(PropSheet_GetTabControl(sheet), TCM_GETITEMW, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&item));
    return title;
}

std::vector<SheetPage> VisitPages(HWND sheet) {
    std::vector<SheetPage> pages;
    const int count = PageCount(sheet);
    for (int i = 0; i < count; ++i) {
        SelectPage(sheet, i);
        pages.push_back({i, PropSheet_IndexToHwnd(sheet, i), PageTitle(sheet, i)});
    }
    if (count) SelectPage(sheet, 0);
    return pages;
}

bool PageHasControl(HWND page, int id) { return page && GetDlgItem(page, id) != nullptr; }
