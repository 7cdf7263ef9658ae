#include "overlays/overlays_dialog.h"

#include "core/context_help.h"
#include "core/dialog_utils.h"
#include "core/localized_resources.h"
#include "core/oem_devmode.h"
#include "core/plugin_module.h"
#include "core/doc_ui_state.h"
#include "optiontree/option_tree.h"
#include "overlays/define_overlay_dialog.h"
#include "overlays/overlay_store.h"
#include "overlays/overlay_store_glue.h"
#include "resources/resource_ids.h"

#include <commctrl.h>

namespace {

constexpr int kRowTextChars = 256;
constexpr int kCountTextChars = 64;
// Choosing this overlay mode makes the driver's PostScript output EPS.
constexpr LRESULT kCreateFormMode = 2;

DocUiState *DialogState(HWND dialog) {
    return reinterpret_cast<DocUiState *>(GetWindowLongPtrW(dialog, DWLP_USER));
}

OemDevmode *Record(const DocUiState *state) {
    return state->pOemUiPsParam ? static_cast<OemDevmode *>(state->pOemUiPsParam->pOEMDM) : nullptr;
}

bool NoPermission(const DocUiState *state) {
    return state->pOemUiPsParam && (state->pOemUiPsParam->dwFlags & DM_NOPERMISSION);
}

// The overlay modes are the options of the driver's VXOverlay item; a user
// who may write printer data is not offered the last one. Without the item
// there is no mode to choose, only overlays.
void FillModeList(HWND dialog, const DocUiState *state) {
    if (!SlotPresent(state, kSlotVXOverlay)) {
        EnableWindow(GetDlgItem(dialog, IDC_OVERLAY_MODE), FALSE);
        return;
    }
    const OPTTYPE *type = SlotItem(state, kSlotVXOverlay)->pOptType;
    if (!type || !type->pOptParam) return;
    WORD count = type->Count;
    if (PrinterDataWritable && count) --count;
    for (WORD i = 0; i < count; ++i) {
        const WCHAR *name = type->pOptParam[i].pData;
        if (IS_INTRESOURCE(name)) name = L"";
        SendDlgItemMessageW(dialog, IDC_OVERLAY_MODE, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    }
    SendDlgItemMessageW(dialog, IDC_OVERLAY_MODE, CB_SETCURSEL, state->slots.working[kSlotVXOverlay], 0);
}

void ShowMaxCount(HWND dialog, UINT id, unsigned count) {
    WCHAR format[kCountTextChars];
    WCHAR text[kCountTextChars];
    if (!LoadLocalizedString(PluginModule, IDS_MAX_COUNT, format, kCountTextChars)) return;
    wsprintfW(text, format, static_cast<int>(count));
    SetDlgItemTextW(dialog, id, text);
}

void SetUpList(HWND dialog, UINT id) {
    HWND list = InitTwoColumnList(dialog, 0, id);
    if (list)
        SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
}

// The Page column: the page-mode name, or the custom list itself.
void PageText(const OverlayDef &def, WCHAR *text, int size) {
    text[0] = 0;
    if (def.wPageMode == kPagesCustom)
        CopyOverlayText(reinterpret_cast<char16_t *>(text), static_cast<size_t>(size), def.szCustomPages);
    else if (def.wPageMode < kPagesCustom)
        LoadLocalizedString(PluginModule, IDS_PAGES_ALL + def.wPageMode, text, size);
}

void AddRow(HWND list, int row, const OverlayDef &def) {
    WCHAR name[kOverlayNameChars];
    CopyOverlayText(reinterpret_cast<char16_t *>(name), kOverlayNameChars, def.szName);
    LVITEMW item = {};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = name;
    const LRESULT inserted = SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    if (inserted < 0) return;
    WCHAR pages[kRowTextChars];
    PageText(def, pages, kRowTextChars);
    item.iItem = static_cast<int>(inserted);
    item.iSubItem = 1;
    item.pszText = pages;
    SendMessageW(list, LVM_SETITEMTEXTW, inserted, reinterpret_cast<LPARAM>(&item));
}

void FillDefinedList(HWND dialog, const DocUiState *state) {
    HWND list = GetDlgItem(dialog, IDC_DEFINED_OVERLAYS);
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    const OverlaySet &set = *state->pOverlaySet;
    for (unsigned i = 0; i < set.cDefined; ++i)
        if (state->apOverlayDef[i]) AddRow(list, static_cast<int>(i), *state->apOverlayDef[i]);
}

void FillActiveList(HWND dialog, const DocUiState *state) {
    HWND list = GetDlgItem(dialog, IDC_ACTIVE_OVERLAYS);
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    const OverlaySet &set = *state->pOverlaySet;
    int row = 0;
    for (unsigned i = 0; i < set.cActive && i < kMaxActiveOverlays; ++i) {
        const unsigned index = set.awActive[i];
        if (index < set.cDefined && state->apOverlayDef[index])
            AddRow(list, row++, *state->apOverlayDef[index]);
    }
}

// Flags of the selected rows, `capacity` of them; returns how many are set.
unsigned SelectedRows(HWND dialog, UINT id, bool *flags, unsigned capacity) {
    HWND list = GetDlgItem(dialog, id);
    for (unsigned i = 0; i < capacity; ++i) flags[i] = false;
    unsigned count = 0;
    for (LRESULT row = SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED);
         row >= 0;
         row = SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(row), LVNI_SELECTED)) {
        if (static_cast<unsigned>(row) >= capacity) continue;
        flags[row] = true;
        ++count;
    }
    return count;
}

void ClearSelection(HWND dialog, UINT id) {
    LVITEMW item = {};
    item.stateMask = LVIS_SELECTED;
    SendDlgItemMessageW(dialog, id, LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                        reinterpret_cast<LPARAM>(&item));
}

void EnableButton(HWND dialog, UINT id, bool enable) {
    HWND button = GetDlgItem(dialog, id);
    if (button) EnableWindow(button, enable);
}

void UpdateButtons(HWND dialog, const DocUiState *state) {
    const OverlaySet *set = state->pOverlaySet;
    if (!set || NoPermission(state)) return;
    bool active[kMaxActiveOverlays];
    bool defined[kMaxOverlayDefinitions];
    const unsigned activeSelected = SelectedRows(dialog, IDC_ACTIVE_OVERLAYS, active, kMaxActiveOverlays);
    const unsigned definedSelected =
        SelectedRows(dialog, IDC_DEFINED_OVERLAYS, defined, kMaxOverlayDefinitions);
    const OverlayButtons buttons = PlanOverlayButtons(*set, activeSelected, definedSelected,
                                                      IsSelectedRowInSet(dialog, set) != 0);
    EnableButton(dialog, IDC_REMOVE_ACTIVE_OVERLAY, buttons.removeActive);
    EnableButton(dialog, IDC_NEW_OVERLAY, buttons.newDefinition);
    EnableButton(dialog, IDC_ADD_ACTIVE_OVERLAY, buttons.addActive);
    EnableButton(dialog, IDC_EDIT_OVERLAY, buttons.editDefinition);
    EnableButton(dialog, IDC_DELETE_OVERLAY, buttons.deleteDefinition);
}

void FocusNew(HWND dialog) {
    HWND button = GetDlgItem(dialog, IDC_NEW_OVERLAY);
    if (button) SetFocus(button);
}

// The sheet's Apply button follows every change. A button that the change
// disabled must not keep the keyboard focus.
void MarkChanged(HWND dialog, const DocUiState *state) {
    UpdateButtons(dialog, state);
    HWND focus = GetFocus();
    if (!focus || (GetParent(focus) == dialog && !IsWindowEnabled(focus)))
        SetFocus(GetDlgItem(dialog, IDC_DEFINED_OVERLAYS));
    NotifySheetChanged(GetParent(dialog));
}

BOOL InitDialog(HWND dialog, DocUiState *state) {
    SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(state));
    if (!state || !OpenOverlayWorkingSet(state)) {
        SetWindowLongPtrW(dialog, DWLP_USER, 0);
        EndDialog(dialog, 0);
        return TRUE;
    }
    ApplyHelpButtonRule(dialog);
    FillModeList(dialog, state);
    SetUpList(dialog, IDC_ACTIVE_OVERLAYS);
    SetUpList(dialog, IDC_DEFINED_OVERLAYS);
    ShowMaxCount(dialog, IDC_ACTIVE_OVERLAYS_MAX, kMaxActiveOverlays);
    ShowMaxCount(dialog, IDC_DEFINED_OVERLAYS_MAX, kMaxOverlayDefinitions);
    if (const OemDevmode *record = Record(state))
        TakeActiveList(state->pOverlaySet, record->awActiveOverlay);
    if (!PrinterDataWritable) DestroyControlRange(dialog, IDC_NEW_OVERLAY, IDC_DELETE_OVERLAY);
    FillDefinedList(dialog, state);
    FillActiveList(dialog, state);
    if (NoPermission(state)) {
        RestrictControlRange(dialog, IDC_OVERLAY_MODE, IDC_DELETE_OVERLAY, FALSE);
        RestrictControlRange(dialog, IDC_DEFAULT, IDC_DEFAULT, FALSE);
    }
    UpdateButtons(dialog, state);
    SheetVisitFlags |= kPluginPageInitialised;
    return TRUE;
}

bool RunDefineOverlay(HWND dialog, DocUiState *state, unsigned index) {
    state->dwOverlayEditIndex = index;
    return LocalizedDialogBox(PluginModule, IDD_DEFINE_OVERLAYS, dialog, DefineOverlayDialogProc,
                              reinterpret_cast<LPARAM>(state)) == 1;
}

void OnAddActive(HWND dialog, DocUiState *state) {
    bool defined[kMaxOverlayDefinitions];
    if (!SelectedRows(dialog, IDC_DEFINED_OVERLAYS, defined, kMaxOverlayDefinitions)) return;
    AppendActiveOverlays(state->pOverlaySet, defined);
    FillActiveList(dialog, state);
    ClearSelection(dialog, IDC_DEFINED_OVERLAYS);
    MarkChanged(dialog, state);
    FocusNew(dialog);
}

void OnRemoveActive(HWND dialog, DocUiState *state) {
    bool active[kMaxActiveOverlays];
    if (!SelectedRows(dialog, IDC_ACTIVE_OVERLAYS, active, kMaxActiveOverlays)) return;
    RemoveActiveOverlays(state->pOverlaySet, active);
    FillActiveList(dialog, state);
    ClearSelection(dialog, IDC_ACTIVE_OVERLAYS);
    MarkChanged(dialog, state);
}

void OnNewDefinition(HWND dialog, DocUiState *state) {
    OverlaySet *set = state->pOverlaySet;
    if (set->cDefined >= kMaxOverlayDefinitions) return;
    WCHAR name[kOverlayNameChars] = L"";
    LoadLocalizedString(PluginModule, IDS_NEW_OVERLAY_NAME, name, kOverlayNameChars);
    OverlayDef *def = NewOverlayDef(reinterpret_cast<const char16_t *>(name));
    if (!def) return;
    const unsigned index = set->cDefined;
    state->apOverlayDef[index] = def;
    if (RunDefineOverlay(dialog, state, index)) {
        ++set->cDefined;
        FillDefinedList(dialog, state);
        MarkChanged(dialog, state);
    } else {
        FreeOverlayDef(def);
        state->apOverlayDef[index] = nullptr;
        UpdateButtons(dialog, state);
    }
    FocusNew(dialog);
}

void OnEditDefinition(HWND dialog, DocUiState *state) {
    const LRESULT row = SendDlgItemMessageW(dialog, IDC_DEFINED_OVERLAYS, LVM_GETNEXTITEM,
                                            static_cast<WPARAM>(-1), LVNI_SELECTED);
    if (row < 0 || row >= state->pOverlaySet->cDefined || !state->apOverlayDef[row]) return;
    OverlayDef *def = state->apOverlayDef[row];
    const OverlayDef backup = *def;
    if (RunDefineOverlay(dialog, state, static_cast<unsigned>(row))) {
        FillDefinedList(dialog, state);
        FillActiveList(dialog, state);
        ClearSelection(dialog, IDC_DEFINED_OVERLAYS);
        MarkChanged(dialog, state);
    } else {
        *def = backup;
        UpdateButtons(dialog, state);
    }
    FocusNew(dialog);
}

void OnDeleteDefinitions(HWND dialog, DocUiState *state) {
    bool defined[kMaxOverlayDefinitions];
    if (!SelectedRows(dialog, IDC_DEFINED_OVERLAYS, defined, kMaxOverlayDefinitions)) return;
    DeleteOverlayDefs(state->pOverlaySet, state->apOverlayDef, defined);
    FillDefinedList(dialog, state);
    FillActiveList(dialog, state);
    ClearSelection(dialog, IDC_ACTIVE_OVERLAYS);
    MarkChanged(dialog, state);
}

void OnOk(HWND dialog, DocUiState *state) {
    const LRESULT mode = SendDlgItemMessageW(dialog, IDC_OVERLAY_MODE, CB_GETCURSEL, 0, 0);
    // A list without a selection leaves the job's overlay mode as it was.
    if (SlotPresent(state, kSlotVXOverlay) && mode != CB_ERR)
        state->slots.working[kSlotVXOverlay] = static_cast<uint32_t>(mode);
    PushSlotsToDriver(state);
    if (OemDevmode *record = Record(state)) StoreActiveList(*state->pOverlaySet, record->awActiveOverlay);
    state->dwOverlayState = kOverlayStateStaged;
    SaveOverlayWorkingSet(state);
    ReleaseOverlayWorkingSet(state);
    EndDialog(dialog, 1);
}

void OnCancel(HWND dialog, DocUiState *state) {
    state->dwOverlayState = CancelOverlayState(state->dwOverlayState);
    ReleaseOverlayWorkingSet(state);
    EndDialog(dialog, 0);
}

// Changing definitions needs the right to write printer data; no change at
// all is made in no-permission mode.
bool MayChange(const DocUiState *state, bool definitions) {
    return !NoPermission(state) && (!definitions || PrinterDataWritable);
}

BOOL OnCommand(HWND dialog, DocUiState *state, UINT id, UINT code) {
    switch (id) {
    case IDC_OVERLAY_MODE:
        if (code == CBN_SELCHANGE &&
            SendDlgItemMessageW(dialog, id, CB_GETCURSEL, 0, 0) == kCreateFormMode)
            ShowMessage(dialog, IDS_CREATE_FORM_SETS_EPS, IDS_INFORMATION_CAPTION, MB_ICONINFORMATION);
        return TRUE;
    case IDC_ADD_ACTIVE_OVERLAY:
        if (MayChange(state, false)) OnAddActive(dialog, state);
        return TRUE;
    case IDC_REMOVE_ACTIVE_OVERLAY:
        if (MayChange(state, false)) OnRemoveActive(dialog, state);
        return TRUE;
    case IDC_NEW_OVERLAY:
        if (MayChange(state, true)) OnNewDefinition(dialog, state);
        return TRUE;
    case IDC_EDIT_OVERLAY:
        if (MayChange(state, true)) OnEditDefinition(dialog, state);
        return TRUE;
    case IDC_DELETE_OVERLAY:
        if (MayChange(state, true)) OnDeleteDefinitions(dialog, state);
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

BOOL OnNotify(HWND dialog, DocUiState *state, const NMHDR *header) {
    const UINT other = header->idFrom == IDC_ACTIVE_OVERLAYS ? IDC_DEFINED_OVERLAYS : IDC_ACTIVE_OVERLAYS;
    if (header->idFrom != IDC_ACTIVE_OVERLAYS && header->idFrom != IDC_DEFINED_OVERLAYS) return FALSE;
    switch (header->code) {
    case LVN_ITEMCHANGED:
        UpdateButtons(dialog, state);
        return TRUE;
    case NM_SETFOCUS:
        // Only one list has selected rows at a time.
        ClearSelection(dialog, other);
        return TRUE;
    case NM_DBLCLK:
        if (header->idFrom == IDC_DEFINED_OVERLAYS && PrinterDataWritable &&
            SendDlgItemMessageW(dialog, IDC_DEFINED_OVERLAYS, LVM_GETSELECTEDCOUNT, 0, 0) > 0)
            PostMessageW(dialog, WM_COMMAND, IDC_EDIT_OVERLAY, 0);
        return TRUE;
    default:
        return FALSE;
    }
}

}  // namespace

INT_PTR CALLBACK OverlaysDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) return InitDialog(dialog, reinterpret_cast<DocUiState *>(lParam));
    DocUiState *state = DialogState(dialog);
    if (!state || !state->pOverlaySet) return FALSE;
    switch (message) {
    case WM_COMMAND:
        return OnCommand(dialog, state, LOWORD(wParam), HIWORD(wParam));
    case WM_NOTIFY:
        return OnNotify(dialog, state, reinterpret_cast<const NMHDR *>(lParam));
    case WM_DRAWITEM:
        if (wParam != IDC_BANNER) return FALSE;
        DrawTransparentBitmap(dialog, PluginModule, IDC_BANNER, IDB_JOB_BANNER);
        return TRUE;
    case WM_DESTROY:
        // Destroyed without OK or Cancel (its owner went): as a Cancel.
        state->dwOverlayState = CancelOverlayState(state->dwOverlayState);
        ReleaseOverlayWorkingSet(state);
        return FALSE;
    default:
        return HandleContextHelpMessage(message, wParam, lParam, TRUE, TRUE);
    }
}
