#include "color/slot_lists.h"

void AppendOptionNames(HWND dialog, UINT listId, const DocUiState *state, uint32_t slot) {
    if (!SlotPresent(state, slot)) return;
    HWND list = GetDlgItem(dialog, listId);
    const OPTTYPE *type = SlotItem(state, slot)->pOptType;
    if (!list || !type || !type->pOptParam) return;
    for (WORD i = 0; i < type->Count; ++i) {
        const WCHAR *name = type->pOptParam[i].pData;
        if (IS_INTRESOURCE(name)) name = L"";
        SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    }
}

void SelectEntry(HWND dialog, UINT listId, DWORD entry) {
    SendDlgItemMessageW(dialog, listId, CB_SETCURSEL, entry, 0);
}

DWORD SelectedEntry(HWND dialog, UINT listId) {
    return static_cast<DWORD>(SendDlgItemMessageW(dialog, listId, CB_GETCURSEL, 0, 0));
}
