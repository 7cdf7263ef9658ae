#include "overlays/define_overlay_dialog.h"

#include "core/context_help.h"
#include "core/localized_resources.h"
#include "core/plugin_module.h"
#include "joboptions/secure_print_rules.h"
#include "core/doc_ui_state.h"
#include "resources/resource_ids.h"

#include <imm.h>

namespace {

constexpr UINT kBeep = 0xFFFFFFFF;
constexpr int kModeNameChars = 128;
// Room beyond the limits, to see text that was set or pasted past them.
constexpr int kTypedTextChars = 512;

static_assert(sizeof(WCHAR) == sizeof(char16_t), "overlay text is 16-bit");

const char16_t *Text16(const WCHAR *text) { return reinterpret_cast<const char16_t *>(text); }
const WCHAR *Wide(const char16_t *text) { return reinterpret_cast<const WCHAR *>(text); }

DocUiState *DialogState(HWND dialog) {
    return reinterpret_cast<DocUiState *>(GetWindowLongPtrW(dialog, DWLP_USER));
}

OverlayDef *EditedDef(const DocUiState *state) {
    if (!state || !state->pOverlaySet || state->dwOverlayEditIndex >= kMaxOverlayDefinitions)
        return nullptr;
    return state->apOverlayDef[state->dwOverlayEditIndex];
}

HWND FormNameEdit(HWND dialog) {
    COMBOBOXINFO info = {};
    info.cbSize = sizeof(info);
    return GetComboBoxInfo(GetDlgItem(dialog, IDC_FORM_NAME), &info) ? info.hwndItem : nullptr;
}

void EnableButton(HWND dialog, UINT id, bool enable) { EnableWindow(GetDlgItem(dialog, id), enable); }

void SelectMode(HWND dialog, const OverlayDef *def) {
    SendDlgItemMessageW(dialog, IDC_PAGE_MODE, CB_SETCURSEL, def->wPageMode, 0);
}

void FillPageModes(HWND dialog) {
    for (UINT mode = 0; mode < kPageModeCount; ++mode) {
        WCHAR name[kModeNameChars] = L"";
        LoadLocalizedString(PluginModule, IDS_PAGES_ALL + mode, name, kModeNameChars);
        SendDlgItemMessageW(dialog, IDC_PAGE_MODE, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    }
}

void FillHistory(HWND dialog, const OverlaySet *set) {
    HWND box = GetDlgItem(dialog, IDC_FORM_NAME);
    SendMessageW(box, CB_RESETCONTENT, 0, 0);
    for (unsigned i = 0; i < set->cHistory && i < kMaxFormHistory; ++i)
        SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(set->aszHistory[i]));
}

void FillForms(HWND dialog, const OverlayDef *def) {
    HWND list = GetDlgItem(dialog, IDC_DEFINED_FORMS);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (unsigned i = 0; i < def->cForms && i < kMaxOverlayForms; ++i)
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(def->aszForm[i]));
}

void ShowFirstForm(HWND dialog, const OverlayDef *def) {
    SetDlgItemTextW(dialog, IDC_FORM_NAME, def->cForms ? Wide(def->aszForm[0]) : L"");
}

LRESULT SelectedForm(HWND dialog) {
    return SendDlgItemMessageW(dialog, IDC_DEFINED_FORMS, LB_GETCURSEL, 0, 0);
}

void UpdateFormButtons(HWND dialog, const OverlayDef *def, const WCHAR *name) {
    EnableButton(dialog, IDC_ADD_FORM, CanAddForm(*def, Text16(name)));
    EnableButton(dialog, IDC_RENAME_FORM, CanRenameForm(*def, Text16(name), SelectedForm(dialog) != LB_ERR));
}

// The typed form name, at most 63 characters.
void ReadFormName(HWND dialog, WCHAR (&name)[kFormNameChars]) {
    name[0] = 0;
    GetDlgItemTextW(dialog, IDC_FORM_NAME, name, kFormNameChars);
}

BOOL InitDialog(HWND dialog, DocUiState *state) {
    SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(state));
    const OverlayDef *def = EditedDef(state);
    if (!def) {
        SetWindowLongPtrW(dialog, DWLP_USER, 0);
        EndDialog(dialog, 0);
        return TRUE;
    }
    ApplyHelpButtonRule(dialog);
    SendDlgItemMessageW(dialog, IDC_OVERLAY_NAME, EM_LIMITTEXT, kOverlayNameChars, 0);
    SendDlgItemMessageW(dialog, IDC_CUSTOM_PAGES, EM_LIMITTEXT, kCustomPagesChars, 0);
    SendDlgItemMessageW(dialog, IDC_FORM_NAME, CB_LIMITTEXT, kFormNameChars, 0);
    FillPageModes(dialog);
    FillHistory(dialog, state->pOverlaySet);
    SetDlgItemTextW(dialog, IDC_OVERLAY_NAME, Wide(def->szName));
    SelectMode(dialog, def);
    SetDlgItemTextW(dialog, IDC_CUSTOM_PAGES, Wide(def->szCustomPages));
    FillForms(dialog, def);
    ShowFirstForm(dialog, def);
    EnableButton(dialog, IDC_ADD_FORM, false);
    EnableButton(dialog, IDC_RENAME_FORM, false);
    EnableButton(dialog, IDC_DELETE_FORM, false);
    return TRUE;
}

// Typing into the custom pages keeps what the page-list grammar allows and
// makes the mode Custom; an empty list leaves Custom for All Pages.
void FilterCustomPages(HWND dialog, OverlayDef *def) {
    HWND edit = GetDlgItem(dialog, IDC_CUSTOM_PAGES);
    WCHAR text[kTypedTextChars];
    const int length = GetWindowTextW(edit, text, kTypedTextChars);
    if (length <= 0) {
        if (def->wPageMode == kPagesCustom) {
            def->wPageMode = kPagesAll;
            SelectMode(dialog, def);
        }
        return;
    }
    DWORD start = 0, end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const PageListFilter kept =
        FilterPageList(reinterpret_cast<char16_t *>(text), static_cast<size_t>(length), end);
    if (kept.removed) {
        MessageBeep(kBeep);
        SetWindowTextW(edit, text);
        SendMessageW(edit, EM_SETSEL, kept.caret, kept.caret);
    }
    if (kept.length) def->wPageMode = kPagesCustom;
    else if (def->wPageMode == kPagesCustom) def->wPageMode = kPagesAll;
    SelectMode(dialog, def);
}

void OnPageModeList(HWND dialog, OverlayDef *def) {
    const LRESULT mode = SendDlgItemMessageW(dialog, IDC_PAGE_MODE, CB_GETCURSEL, 0, 0);
    if (mode == CB_ERR) return;
    def->wPageMode = static_cast<uint16_t>(mode);
    if (mode != kPagesCustom) SetDlgItemTextW(dialog, IDC_CUSTOM_PAGES, L"");
}

// Drops what a form name may not hold, with one beep; returns the text.
void FilterFormName(HWND dialog, WCHAR (&name)[kFormNameChars]) {
    HWND edit = FormNameEdit(dialog);
    WCHAR text[kTypedTextChars];
    const int length = edit ? GetWindowTextW(edit, text, kTypedTextChars) : 0;
    if (length > 0) {
        const DWORD selection =
            static_cast<DWORD>(SendDlgItemMessageW(dialog, IDC_FORM_NAME, CB_GETEDITSEL, 0, 0));
        const TypedText kept = FilterTypedText(reinterpret_cast<char16_t *>(text),
                                               static_cast<size_t>(length), HIWORD(selection),
                                               FormNameCharAllowed);
        if (kept.removed) {
            MessageBeep(kBeep);
            SetWindowTextW(edit, text);
            SendMessageW(edit, EM_SETSEL, kept.caret, kept.caret);
        }
    }
    ReadFormName(dialog, name);
}

void OnFormNameBox(HWND dialog, OverlayDef *def, UINT code) {
    ImmAssociateContext(FormNameEdit(dialog), nullptr);
    WCHAR name[kFormNameChars] = L"";
    if (code == CBN_SELENDOK) {
        const LRESULT entry = SendDlgItemMessageW(dialog, IDC_FORM_NAME, CB_GETCURSEL, 0, 0);
        if (entry == CB_ERR ||
            SendDlgItemMessageW(dialog, IDC_FORM_NAME, CB_GETLBTEXTLEN, entry, 0) >= kFormNameChars)
            return;
        SendDlgItemMessageW(dialog, IDC_FORM_NAME, CB_GETLBTEXT, entry, reinterpret_cast<LPARAM>(name));
    } else if (code == CBN_EDITUPDATE) {
        FilterFormName(dialog, name);
    } else {
        return;
    }
    UpdateFormButtons(dialog, def, name);
}

void PushHistory(HWND dialog, DocUiState *state, const WCHAR *name) {
    PushFormHistory(state->pOverlaySet, Text16(name));
    FillHistory(dialog, state->pOverlaySet);
    SetDlgItemTextW(dialog, IDC_FORM_NAME, Wide(state->pOverlaySet->aszHistory[0]));
}

bool RefuseFullStop(HWND dialog, const WCHAR *name) {
    if (!EndsWithFullStop(Text16(name))) return false;
    MessageBeep(kBeep);
    ShowMessage(dialog, IDS_FORM_NAME_ENDS_WITH_DOT, 0, MB_ICONHAND);
    return true;
}

void OnAddForm(HWND dialog, DocUiState *state, OverlayDef *def) {
    WCHAR name[kFormNameChars];
    ReadFormName(dialog, name);
    if (RefuseFullStop(dialog, name) || !CanAddForm(*def, Text16(name))) return;
    PushHistory(dialog, state, name);
    AppendForm(def, Text16(name));
    const LRESULT row = SendDlgItemMessageW(dialog, IDC_DEFINED_FORMS, LB_ADDSTRING, 0,
                                            reinterpret_cast<LPARAM>(def->aszForm[def->cForms - 1]));
    SendDlgItemMessageW(dialog, IDC_DEFINED_FORMS, LB_SETCURSEL, row, 0);
    EnableButton(dialog, IDC_ADD_FORM, false);
    EnableButton(dialog, IDC_RENAME_FORM, false);
    EnableButton(dialog, IDC_DELETE_FORM, true);
}

void OnRenameForm(HWND dialog, DocUiState *state, OverlayDef *def) {
    const LRESULT row = SelectedForm(dialog);
    if (row == LB_ERR) return;
    WCHAR name[kFormNameChars];
    ReadFormName(dialog, name);
    if (RefuseFullStop(dialog, name) || !CanRenameForm(*def, Text16(name), true)) return;
    PushHistory(dialog, state, name);
    RenameForm(def, static_cast<unsigned>(row), Text16(name));
    FillForms(dialog, def);
    ShowFirstForm(dialog, def);
    SendDlgItemMessageW(dialog, IDC_DEFINED_FORMS, LB_SETCURSEL, row, 0);
    EnableButton(dialog, IDC_ADD_FORM, false);
    EnableButton(dialog, IDC_RENAME_FORM, false);
}

void OnFormList(HWND dialog, const OverlayDef *def) {
    const LRESULT row = SelectedForm(dialog);
    if (row == LB_ERR || row >= def->cForms) return;
    SetDlgItemTextW(dialog, IDC_FORM_NAME, Wide(def->aszForm[row]));
    EnableButton(dialog, IDC_ADD_FORM, false);
    EnableButton(dialog, IDC_RENAME_FORM, false);
    EnableButton(dialog, IDC_DELETE_FORM, def->cForms > 0);
}

void OnDeleteForm(HWND dialog, OverlayDef *def) {
    const LRESULT row = SelectedForm(dialog);
    if (row == LB_ERR || !RemoveForm(def, static_cast<unsigned>(row))) return;
    FillForms(dialog, def);
    WCHAR name[kFormNameChars];
    ReadFormName(dialog, name);
    EnableButton(dialog, IDC_ADD_FORM, CanAddForm(*def, Text16(name)));
    EnableButton(dialog, IDC_RENAME_FORM, false);
    EnableButton(dialog, IDC_DELETE_FORM, false);
}

void Refuse(HWND dialog, UINT message) {
    MessageBeep(kBeep);
    ShowMessage(dialog, message, 0, MB_ICONHAND);
}

void OnOk(HWND dialog, DocUiState *state, OverlayDef *def) {
    WCHAR name[kOverlayNameChars] = L"";
    WCHAR pages[kCustomPagesChars] = L"";
    GetDlgItemTextW(dialog, IDC_OVERLAY_NAME, name, kOverlayNameChars);
    GetDlgItemTextW(dialog, IDC_CUSTOM_PAGES, pages, kCustomPagesChars);
    TrimOverlayName(reinterpret_cast<char16_t *>(name));
    HWND nameEdit = GetDlgItem(dialog, IDC_OVERLAY_NAME);
    switch (CheckDefinition(*state->pOverlaySet, state->apOverlayDef, state->dwOverlayEditIndex,
                            Text16(name))) {
    case DefinitionCheck::NameMissing:
        Refuse(dialog, IDS_OVERLAY_NAME_MISSING);
        SetFocus(nameEdit);
        return;
    case DefinitionCheck::NameExists:
        Refuse(dialog, IDS_OVERLAY_NAME_EXISTS);
        SetFocus(nameEdit);
        SendMessageW(nameEdit, EM_SETSEL, 0, -1);
        return;
    case DefinitionCheck::NeedsForm:
        Refuse(dialog, IDS_OVERLAY_NEEDS_FORM);
        return;
    case DefinitionCheck::Accept:
        break;
    }
    FinishDefinition(def, Text16(name), Text16(pages));
    EndDialog(dialog, 1);
}

void FocusFormName(HWND dialog) { SetFocus(GetDlgItem(dialog, IDC_FORM_NAME)); }

BOOL OnCommand(HWND dialog, DocUiState *state, OverlayDef *def, UINT id, UINT code) {
    switch (id) {
    case IDC_CUSTOM_PAGES:
        ImmAssociateContext(GetDlgItem(dialog, id), nullptr);
        if (code == EN_UPDATE) FilterCustomPages(dialog, def);
        return TRUE;
    case IDC_PAGE_MODE:
        OnPageModeList(dialog, def);
        return TRUE;
    case IDC_FORM_NAME:
        OnFormNameBox(dialog, def, code);
        return TRUE;
    case IDC_DEFINED_FORMS:
        if (code == LBN_SELCHANGE) OnFormList(dialog, def);
        return TRUE;
    case IDC_ADD_FORM:
        OnAddForm(dialog, state, def);
        FocusFormName(dialog);
        return TRUE;
    case IDC_RENAME_FORM:
        OnRenameForm(dialog, state, def);
        FocusFormName(dialog);
        return TRUE;
    case IDC_DELETE_FORM:
        OnDeleteForm(dialog, def);
        FocusFormName(dialog);
        return TRUE;
    case IDOK:
        OnOk(dialog, state, def);
        return TRUE;
    case IDCANCEL:
        EndDialog(dialog, 0);
        return TRUE;
    default:
        return FALSE;
    }
}

}  // namespace

INT_PTR CALLBACK DefineOverlayDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) return InitDialog(dialog, reinterpret_cast<DocUiState *>(lParam));
    DocUiState *state = DialogState(dialog);
    OverlayDef *def = EditedDef(state);
    if (!def) return FALSE;
    if (message == WM_COMMAND) return OnCommand(dialog, state, def, LOWORD(wParam), HIWORD(wParam));
    return HandleContextHelpMessage(message, wParam, lParam, TRUE, TRUE);
}
