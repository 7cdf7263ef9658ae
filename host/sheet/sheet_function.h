// The driver's sheet function as compstui calls it, shared by the document
// and printer sheets: INIT goes to the sheet, the header takes its title, and
// every other reason is accepted.
#pragma once

#include <windows.h>
#include <compstui.h>

template <typename InitSheet>
LONG AnswerSheetReason(const WCHAR *title, InitSheet initSheet, PPROPSHEETUI_INFO info,
                       LPARAM lParam) {
    switch (info->Reason) {
    case PROPSHEETUI_REASON_INIT:
        return initSheet(info);
    case PROPSHEETUI_REASON_GET_INFO_HEADER: {
        auto *header = reinterpret_cast<PROPSHEETUI_INFO_HEADER *>(lParam);
        header->pTitle = const_cast<WCHAR *>(title);
        header->hInst = GetModuleHandleW(nullptr);
        info->Result = 1;
        return 1;
    }
    default:
        info->Result = 1;
        return 1;
    }
}
