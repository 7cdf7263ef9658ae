#include "watermarks/watermark_dialogs.h"

#include "core/context_help.h"
#include "core/localized_resources.h"
#include "core/plugin_module.h"
#include "resources/resource_ids.h"
#include "watermarks/watermark_font_list.h"
#include "watermarks/watermark_preview.h"
#include "watermarks/watermark_store.h"

namespace {

constexpr INT_PTR kConfirmed = 1;

DocUiState *DialogState(HWND dialog) {
    return reinterpret_cast<DocUiState *>(GetWindowLongPtrW(dialog, DWLP_USER));
}

// The sheet's private record.
OemDevmode *SheetRecord(const DocUiState *state) {
    if (state->pOemCuipParam && state->pOemCuipParam->pOEMDM)
        return static_cast<OemDevmode *>(state->pOemCuipParam->pOEMDM);
    return state->pOemUiPsParam ? static_cast<OemDevmode *>(state->pOemUiPsParam->pOEMDM) : nullptr;
}

WatermarkRecord *Selected(WatermarkList *list) { return list->apWatermarks[list->iWmSelected]; }

void EnableEditAndDelete(HWND dialog, BOOL enable) {
    EnableWindow(GetDlgItem(dialog, IDC_EDIT_WATERMARK), enable);
    EnableWindow(GetDlgItem(dialog, IDC_DELETE_WATERMARK), enable);
}

void WorkOnSelected(HWND dialog, WatermarkList *list) {
    TakeSelectedAsWorking(list);
    ClearNoneWorkingText(dialog, list);
}

BOOL InitDialog(HWND dialog, DocUiState *state) {
    SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(state));
    SetWatermarkFontListPath(state->pPluginIni);
    ApplyHelpButtonRule(dialog);
    if (!LoadWatermarkList(dialog, SheetRecord(state), state)) {
        SetWindowLongPtrW(dialog, DWLP_USER, 0);
        EndDialog(dialog, 0);
        return FALSE;
    }
    RefreshWatermarkControls(dialog, state);
    UpdateWatermarkButtons(dialog, state);
    SetFocus(GetDlgItem(dialog, IDC_WATERMARK_LIST));
    return FALSE;
}

void OnSelectionChanged(HWND dialog, DocUiState *state) {
    WatermarkList *list = &state->watermarks;
    const LRESULT line = SendDlgItemMessageW(dialog, IDC_WATERMARK_LIST, LB_GETCURSEL, 0, 0);
    list->iWmSelected = (line == LB_ERR || line < 0 || static_cast<uint32_t>(line) > list->cWatermarks)
                            ? 0
                            : static_cast<uint32_t>(line);
    WorkOnSelected(dialog, list);
    RefreshWatermarkControls(dialog, state);
    UpdateWatermarkButtons(dialog, state);
}

INT_PTR OpenEditor(HWND dialog, DocUiState *state) {
    return LocalizedDialogBox(PluginModule, IDD_WATERMARK_EDITOR, dialog, WatermarkEditorProc,
                              reinterpret_cast<LPARAM>(state));
}

void OnNew(HWND dialog, DocUiState *state) {
    WatermarkList *list = &state->watermarks;
    if (list->cWatermarks >= kMaxWatermarks) {
        ShowMessage(dialog, IDS_WATERMARK_LIMIT, IDS_WARNING_CAPTION, MB_ICONEXCLAMATION);
        return;
    }
    const uint32_t remembered = list->iWmSelected;
    list->iWmSelected = 0;
    WatermarkRecord *added = OpenEditor(dialog, state) == kConfirmed ? AllocateWatermark(list) : nullptr;
    if (!added) {
        list->iWmSelected = remembered;
        WorkOnSelected(dialog, list);
        RefreshWatermarkControls(dialog, state);
        return;
    }
    CopyWatermark(added, list->pWmWorking);
    list->apWatermarks[++list->cWatermarks] = added;
    list->iWmSelected = list->cWatermarks;
    RefreshWatermarkControls(dialog, state);
    EnableEditAndDelete(dialog, TRUE);
}

void OnEdit(HWND dialog, DocUiState *state) {
    WatermarkList *list = &state->watermarks;
    if (list->iWmSelected == 0) return;
    if (OpenEditor(dialog, state) == kConfirmed) {
        CopyWatermark(Selected(list), list->pWmWorking);
    } else {
        WorkOnSelected(dialog, list);
    }
    RefreshWatermarkControls(dialog, state);
}

void OnDelete(HWND dialog, DocUiState *state) {
    WatermarkList *list = &state->watermarks;
    if (list->iWmSelected == 0 || list->iWmSelected > list->cWatermarks) return;
    FreeWatermark(list, Selected(list));
    for (uint32_t i = list->iWmSelected; i < list->cWatermarks; ++i)
        list->apWatermarks[i] = list->apWatermarks[i + 1];
    list->apWatermarks[list->cWatermarks--] = nullptr;
    list->iWmSelected = 0;
    WorkOnSelected(dialog, list);
    RefreshWatermarkControls(dialog, state);
    EnableEditAndDelete(dialog, FALSE);
    SetFocus(GetDlgItem(dialog, IDC_NEW_WATERMARK));
}

void OnOk(HWND dialog, DocUiState *state) {
    WatermarkList *list = &state->watermarks;
    for (uint32_t i = 1; i <= list->cWatermarksAtOpen; ++i) {
        FreeWatermark(list, list->apWatermarks[kAtOpenSlotBase + i]);
        list->apWatermarks[kAtOpenSlotBase + i] = nullptr;
    }
    CommitWatermarkToDevmode(dialog, SheetRecord(state), list);
    list->dwNoneBackground = list->apWatermarks[0]->wBackground;
    list->dwNoneFirstPageOnly = list->apWatermarks[0]->bFirstPageOnly;
    EndDialog(dialog, kConfirmed);
}

void OnCancel(HWND dialog, DocUiState *state) {
    WatermarkList *list = &state->watermarks;
    for (uint32_t i = 1; i <= list->cWatermarks; ++i) {
        FreeWatermark(list, list->apWatermarks[i]);
        list->apWatermarks[i] = nullptr;
    }
    for (uint32_t i = 1; i <= list->cWatermarksAtOpen; ++i) {
        list->apWatermarks[i] = list->apWatermarks[kAtOpenSlotBase + i];
        list->apWatermarks[kAtOpenSlotBase + i] = nullptr;
    }
    list->cWatermarks = list->cWatermarksAtOpen;
    list->iWmSelected = list->iWmSelectedAtOpen;
    list->apWatermarks[0]->wBackground = static_cast<uint16_t>(list->dwNoneBackground);
    list->apWatermarks[0]->bFirstPageOnly = static_cast<uint8_t>(list->dwNoneFirstPageOnly);
    EndDialog(dialog, 0);
}

BOOL OnCommand(HWND dialog, DocUiState *state, UINT id, UINT code) {
    WatermarkList *list = &state->watermarks;
    switch (id) {
    case IDC_WATERMARK_LIST:
        if (code != LBN_SELCHANGE) return FALSE;
        OnSelectionChanged(dialog, state);
        EnableWindow(GetDlgItem(dialog, IDC_EDIT_WATERMARK), list->iWmSelected != 0);
        return TRUE;
    case IDC_NEW_WATERMARK:
        OnNew(dialog, state);
        return TRUE;
    case IDC_EDIT_WATERMARK:
        OnEdit(dialog, state);
        return TRUE;
    case IDC_DELETE_WATERMARK:
        OnDelete(dialog, state);
        return TRUE;
    case IDC_WATERMARK_FIRST_PAGE:
        if (code != BN_CLICKED) return TRUE;
        Selected(list)->bFirstPageOnly ^= 1;
        UpdateWatermarkButtons(dialog, state);
        return TRUE;
    case IDC_WATERMARK_BACKGROUND:
        if (code != BN_CLICKED) return TRUE;
        Selected(list)->wBackground ^= 1;
        UpdateWatermarkButtons(dialog, state);
        return TRUE;
    case IDOK:
        OnOk(dialog, state);
        return TRUE;
    case IDCANCEL:
        OnCancel(dialog, state);
        return TRUE;
    default:
        return FALSE;
    }
}

}  // namespace

void UpdateWatermarkButtons(HWND dialog, const DocUiState *state) {
    EnableEditAndDelete(dialog, state->watermarks.iWmSelected != 0);
}

INT_PTR CALLBACK WatermarksDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        if (!lParam) {
            EndDialog(dialog, 0);
            return TRUE;
        }
        return InitDialog(dialog, reinterpret_cast<DocUiState *>(lParam));
    }
    DocUiState *state = DialogState(dialog);
    if (!state || !state->watermarks.pWmWorking) return FALSE;
    switch (message) {
    case WM_DRAWITEM:
        DrawWatermarkPreview(dialog, IDC_WATERMARK_PREVIEW);
        if (state->watermarks.iWmSelected != 0) EnableEditAndDelete(dialog, TRUE);
        return FALSE;
    case WM_COMMAND:
        return OnCommand(dialog, state, LOWORD(wParam), HIWORD(wParam));
    default:
        return HandleContextHelpMessage(message, wParam, lParam, TRUE, FALSE);
    }
}

INT_PTR OpenWatermarksDialog(HWND page, DocUiState *state) {
    return LocalizedDialogBox(PluginModule, IDD_WATERMARKS, page, WatermarksDialogProc,
                              reinterpret_cast<LPARAM>(state));
}

void CommitWatermarksOnApply(DocUiState *state) {
    if (!state->fWatermarksDirty) return;
    SaveWatermarkList(state);
    ReleaseWatermarkList(&state->watermarks);
    state->fWatermarksDirty = 0;
}

void DropWatermarksOnReset(DocUiState *state) {
    if (!state->fWatermarksDirty) return;
    ReleaseWatermarkList(&state->watermarks);
    state->fWatermarksDirty = 0;
}
