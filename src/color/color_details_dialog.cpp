#include "color/color_details_dialog.h"

#include "color/color_rules.h"
#include "color/slot_lists.h"
#include "core/context_help.h"
#include "core/dialog_utils.h"
#include "core/plugin_module.h"
#include "resources/resource_ids.h"

#include <commctrl.h>

namespace {

constexpr LPARAM kPrecisionLowest = 0;
constexpr LPARAM kPrecisionHighest = 2;
constexpr DWORD kDefaultCmykKind = kCmykLinkProfile;
constexpr DWORD kDefaultPrecision = 2;

// Controls of dialog layouts that template 119 does not carry.
constexpr UINT IDC_METHOD_FIRST = 1651;
constexpr UINT IDC_METHOD_CHECK_LAST = 1654;
constexpr UINT IDC_METHOD_LAST = 1655;
constexpr UINT IDC_DETAILS_PRINT_MODE = 1667;
constexpr UINT IDC_PURE_BLACK = 1676;
constexpr UINT IDC_PRESERVE_BLACK = 1677;

// The dialog's copies, one per slot it edits.
enum Copy {
    kMethod,
    kCmykKind,
    kRgbProfile,
    kCmykInput,
    kCmykLink,
    kOutputProfile,
    kRenderingIntent,
    kSimulation,
    kPrecision,
    kPureBlack,
    kPreserveBlack,
    kPrintMode,
    kCopyCount
};

const uint32_t kCopySlots[kCopyCount] = {
    kSlotVXColorICMS,   kSlotVXCMYKProfile,      kSlotVXRGBProfile, kSlotVXCMYKInputProfile,
    kSlotVXCMYKLinkProfile, kSlotVXOutProfile,   kSlotVXColorRenderDict, kSlotVXSimProfile,
    kSlotVXColorMatch,  kSlotVXPureBlack,        kSlotVXPreserveBlack, kSlotVXBlackSubGra,
};

// The lists and the copy each one shows.
struct ListCopy {
    UINT listId;
    Copy copy;
};
const ListCopy kLists[] = {
    {IDC_RENDERING_INTENT, kRenderingIntent}, {IDC_RGB_PROFILE, kRgbProfile},
    {IDC_CMYK_INPUT_PROFILE, kCmykInput},     {IDC_CMYK_LINK_PROFILE, kCmykLink},
    {IDC_OUTPUT_PROFILE, kOutputProfile},     {IDC_SIMULATION_PROFILE, kSimulation},
};

// One dialog at a time: the copies live while it is open.
DWORD Copies[kCopyCount];

DocUiState *DialogState(HWND dialog) {
    return reinterpret_cast<DocUiState *>(GetWindowLongPtrW(dialog, DWLP_USER));
}

bool Allowed(const DocUiState *state) {
    return !(state->pOemUiPsParam && (state->pOemUiPsParam->dwFlags & DM_NOPERMISSION));
}

void Enable(HWND dialog, UINT id, bool enable) {
    HWND control = GetDlgItem(dialog, id);
    if (control) EnableWindow(control, enable);
}

void ShowPicture(HWND dialog, UINT id, bool show, UINT bitmapId) {
    HWND picture = GetDlgItem(dialog, id);
    if (!picture) return;
    ShowWindow(picture, show ? SW_SHOW : SW_HIDE);
    if (show) DrawTransparentBitmap(dialog, PluginModule, id, bitmapId);
}

void RestoreDefaults(HWND dialog, DocUiState *state) {
    for (DWORD &copy : Copies) copy = 0;
    Copies[kCmykKind] = kDefaultCmykKind;
    Copies[kPrecision] = kDefaultPrecision;
    RefreshColorDetails(dialog, state);
}

void SaveCopies(DocUiState *state) {
    for (int i = 0; i < kCopyCount; ++i) state->slots.working[kCopySlots[i]] = Copies[i];
}

bool Checked(HWND dialog, UINT id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

Copy ListCopyOf(UINT id) {
    for (const ListCopy &list : kLists)
        if (list.listId == id) return list.copy;
    return kCopyCount;
}

BOOL OnCommand(HWND dialog, DocUiState *state, UINT id, UINT code) {
    switch (id) {
    case IDOK:
        SaveCopies(state);
        NotifySheetChanged(dialog);
        EndDialog(dialog, 1);
        return TRUE;
    case IDCANCEL:
        EndDialog(dialog, 0);
        return TRUE;
    case IDC_USE_CMYK_INPUT_PROFILE:
    case IDC_USE_CMYK_LINK_PROFILE:
        Copies[kCmykKind] = id - IDC_USE_CMYK_INPUT_PROFILE;
        RefreshColorDetails(dialog, state);
        return TRUE;
    case IDC_DEFAULT:
        RestoreDefaults(dialog, state);
        return TRUE;
    case IDC_DETAILS_PRINT_MODE:
        Copies[kPrintMode] = SelectedEntry(dialog, id);
        return TRUE;
    case IDC_PURE_BLACK:
        Copies[kPureBlack] = Checked(dialog, id) ? 0 : 1;
        return TRUE;
    case IDC_PRESERVE_BLACK:
        Copies[kPreserveBlack] = Checked(dialog, id) ? 0 : 1;
        return TRUE;
    default:
        break;
    }
    if (id >= IDC_METHOD_FIRST && id <= IDC_METHOD_LAST) {
        Copies[kMethod] = id - IDC_METHOD_FIRST;
        RefreshColorDetails(dialog, state);
        return TRUE;
    }
    const Copy copy = ListCopyOf(id);
    if (copy == kCopyCount) return FALSE;
    if (code == CBN_SELCHANGE) {
        Copies[copy] = SelectedEntry(dialog, id);
        RefreshColorDetails(dialog, state);
    }
    return TRUE;
}

BOOL InitDialog(HWND dialog, DocUiState *state) {
    SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(state));
    if (!state) return TRUE;
    ApplyHelpButtonRule(dialog);
    InitColorDetails(dialog, state);
    RefreshColorDetails(dialog, state);
    SheetVisitFlags |= kPluginPageInitialised;
    return TRUE;
}

}  // namespace

void InitColorDetails(HWND dialog, DocUiState *state) {
    AppendOptionNames(dialog, IDC_RENDERING_INTENT, state, kSlotVXColorRenderDict);
    AppendOptionNames(dialog, IDC_RGB_PROFILE, state, kSlotVXRGBProfile);
    AppendOptionNames(dialog, IDC_CMYK_INPUT_PROFILE, state, kSlotVXCMYKInputProfile);
    AppendOptionNames(dialog, IDC_CMYK_LINK_PROFILE, state, kSlotVXCMYKLinkProfile);
    AppendOptionNames(dialog, IDC_OUTPUT_PROFILE, state, kSlotVXOutProfile);
    AppendOptionNames(dialog, IDC_SIMULATION_PROFILE, state, kSlotVXSimProfile);
    AppendOptionNames(dialog, IDC_DETAILS_PRINT_MODE, state, kSlotVXBlackSubGra);
    SendDlgItemMessageW(dialog, IDC_MATCH_PRECISION, TBM_SETRANGE, FALSE,
                        MAKELPARAM(kPrecisionLowest, kPrecisionHighest));
    for (int i = 0; i < kCopyCount; ++i) Copies[i] = state->slots.working[kCopySlots[i]];
}

void RefreshColorDetails(HWND dialog, DocUiState *state) {
    const DetailsLayout layout = DetailsLayoutFor(Copies[kMethod], Copies[kCmykKind]);
    ShowControlRange(dialog, IDC_INPUT_GROUP, IDC_PRESERVE_BLACK, layout.matching);
    ShowControlRange(dialog, IDC_CMYK_INPUT_PROFILE, IDC_CMYK_LINK_PROFILE, layout.cmyk);
    ShowControlRange(dialog, IDC_SIMULATION_LABEL, IDC_SIMULATION_PROFILE, layout.simulation);
    ShowPicture(dialog, IDC_RGB_PICTURE, layout.rgbPicture, IDB_MATCH_STEP_ARROW);
    ShowPicture(dialog, IDC_CMYK_PICTURE, layout.cmykPicture, IDB_MATCH_STEP_ARROW);
    ShowPicture(dialog, IDC_LINK_PICTURE, layout.linkPicture, IDB_MATCH_SIMULATION_ARROW);
    ShowPicture(dialog, IDC_FLOW_PICTURE, layout.flowPicture, IDB_MATCH_LINK_BYPASS);
    CheckRadioButton(dialog, IDC_METHOD_FIRST, IDC_METHOD_CHECK_LAST,
                     IDC_METHOD_FIRST + Copies[kMethod]);
    if (Copies[kMethod] == kMatchCmykInput)
        CheckRadioButton(dialog, IDC_USE_CMYK_INPUT_PROFILE, IDC_USE_CMYK_LINK_PROFILE,
                         IDC_USE_CMYK_INPUT_PROFILE + Copies[kCmykKind]);
    Enable(dialog, IDC_CMYK_INPUT_PROFILE, !layout.linkList);
    Enable(dialog, IDC_CMYK_LINK_PROFILE, layout.linkList);
    Enable(dialog, IDC_PRESERVE_BLACK, !layout.linkList);
    CheckDlgButton(dialog, IDC_PURE_BLACK, Copies[kPureBlack] == 0 ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(dialog, IDC_PRESERVE_BLACK,
                   Copies[kPreserveBlack] == 0 ? BST_CHECKED : BST_UNCHECKED);
    SendDlgItemMessageW(dialog, IDC_MATCH_PRECISION, TBM_SETPOS, TRUE, Copies[kPrecision]);
    for (const ListCopy &list : kLists) SelectEntry(dialog, list.listId, Copies[list.copy]);
    SelectEntry(dialog, IDC_DETAILS_PRINT_MODE, Copies[kPrintMode]);
    RestrictControlRange(dialog, IDC_RENDERING_INTENT_LABEL, IDC_RENDERING_INTENT,
                         Copies[kOutputProfile] != 0);
    RestrictControlRange(dialog, IDC_DEFAULT, IDC_DEFAULT, Allowed(state));
}

INT_PTR CALLBACK ColorDetailsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG)
        return InitDialog(dialog, reinterpret_cast<DocUiState *>(lParam));
    DocUiState *state = DialogState(dialog);
    if (!state) return FALSE;
    switch (message) {
    case WM_COMMAND:
        return OnCommand(dialog, state, LOWORD(wParam), HIWORD(wParam));
    case WM_HSCROLL:
        Copies[kPrecision] = static_cast<DWORD>(
            SendDlgItemMessageW(dialog, IDC_MATCH_PRECISION, TBM_GETPOS, 0, 0));
        return TRUE;
    case WM_DRAWITEM:
        if (wParam < IDC_RGB_PICTURE || wParam > IDC_FLOW_PICTURE) return FALSE;
        RefreshColorDetails(dialog, state);
        return TRUE;
    case WM_ACTIVATE:
        RefreshColorDetails(dialog, state);
        return FALSE;
    default:
        return HandleContextHelpMessage(message, wParam, lParam, TRUE, FALSE);
    }
}
