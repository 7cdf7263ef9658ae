#include "color/color_advanced_dialog.h"

#include "color/slot_lists.h"
#include "core/context_help.h"
#include "core/dialog_utils.h"
#include "core/localized_resources.h"
#include "resources/resource_ids.h"

namespace {

// Controls of dialog layouts that template 200 does not carry.
constexpr UINT IDC_OVERPRINT = 1302;
constexpr UINT IDC_SEPARATION_LABEL = 1303;
constexpr UINT IDC_SEPARATION_ORDER = 1304;
constexpr UINT IDC_SPECIAL_COLOR_SPACE = 1307;
constexpr UINT IDS_SPECIAL_SPACE_WARNING = 10062;

// VXControl and VXSpecialColorControl selections the rules test.
constexpr uint32_t kColorControlSpecial = 4;
constexpr uint32_t kSpecialControlAllowsSpace = 4;
constexpr uint32_t kSpecialControlNeedsWarning = 5;

// Changed only by the special colour space box; kept between openings.
DWORD SpecialColorSpace = 0;

DocUiState *DialogState(HWND dialog) {
    return reinterpret_cast<DocUiState *>(GetWindowLongPtrW(dialog, DWLP_USER));
}

uint32_t &Working(DocUiState *state, uint32_t slot) { return state->slots.working[slot]; }
bool Present(const DocUiState *state, uint32_t slot) { return SlotPresent(state, slot); }
bool Checked(HWND dialog, UINT id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
void Check(HWND dialog, UINT id, bool on) {
    CheckDlgButton(dialog, id, on ? BST_CHECKED : BST_UNCHECKED);
}

void InitSeparationOrder(HWND dialog, DocUiState *state) {
    if (!Present(state, kSlotVXSeparationorder)) {
        ShowControlRange(dialog, IDC_SEPARATION_LABEL, IDC_SEPARATION_ORDER, FALSE);
        return;
    }
    AppendOptionNames(dialog, IDC_SEPARATION_ORDER, state, kSlotVXSeparationorder);
    SelectEntry(dialog, IDC_SEPARATION_ORDER, Working(state, kSlotVXSeparationorder));
    EnableControlRange(dialog, IDC_SEPARATION_LABEL, IDC_SEPARATION_ORDER,
                       Working(state, kSlotVXControl) != kColorControlSpecial);
}

void InitSpecialColorSpace(HWND dialog, DocUiState *state) {
    const bool present = Present(state, kSlotVXSpecialColorSpace);
    ShowControlRange(dialog, IDC_SPECIAL_COLOR_SPACE, IDC_SPECIAL_COLOR_SPACE, present);
    if (!present) return;
    if (Present(state, kSlotVXSpecialColorControl)) {
        const uint32_t control = Working(state, kSlotVXSpecialColorControl);
        EnableControlRange(dialog, IDC_SPECIAL_COLOR_SPACE, IDC_SPECIAL_COLOR_SPACE,
                           control == 0 || control == kSpecialControlAllowsSpace);
    }
    Check(dialog, IDC_SPECIAL_COLOR_SPACE, Working(state, kSlotVXSpecialColorSpace) == 0);
}

// Leaving the special colour space while the special toner needs it asks
// first; OK also takes the toner setting back to its first choice.
void OnSpecialColorSpace(HWND dialog, DocUiState *state) {
    const bool checked = Checked(dialog, IDC_SPECIAL_COLOR_SPACE);
    const DWORD previous = SpecialColorSpace;
    SpecialColorSpace = checked ? 0 : 1;
    if (!checked && Present(state, kSlotVXSpecialColorControl) &&
        Working(state, kSlotVXSpecialColorControl) == kSpecialControlNeedsWarning) {
        if (ShowMessage(dialog, IDS_SPECIAL_SPACE_WARNING, IDS_WARNING_CAPTION,
                        MB_OKCANCEL | MB_ICONEXCLAMATION) == IDOK)
            Working(state, kSlotVXSpecialColorControl) = 0;
        else
            SpecialColorSpace = previous;
    }
    Check(dialog, IDC_SPECIAL_COLOR_SPACE, SpecialColorSpace == 0);
    NotifySheetChanged(dialog);
}

BOOL InitDialog(HWND dialog, DocUiState *state) {
    SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(state));
    if (!state) return TRUE;
    ApplyHelpButtonRule(dialog);
    InitAdvancedColor(dialog, state);
    return TRUE;
}

}  // namespace

void InitAdvancedColor(HWND dialog, DocUiState *state) {
    ShowControlRange(dialog, IDC_GRAY_HALFTONES, IDC_GRAY_HALFTONES,
                     Present(state, kSlotVXScreenObo));
    ShowControlRange(dialog, IDC_ALWAYS_PRINTER_HALFTONE, IDC_ALWAYS_PRINTER_HALFTONE,
                     Present(state, kSlotVXAlwaysPrnHT));
    if (Working(state, kSlotVXResolution) == 0 && Present(state, kSlotVXAlwaysPrnHT))
        EnableControlRange(dialog, IDC_ALWAYS_PRINTER_HALFTONE, IDC_ALWAYS_PRINTER_HALFTONE, FALSE);
    if (Present(state, kSlotVXScreenObo) && Working(state, kSlotVXScreenObo) == 0)
        Check(dialog, IDC_GRAY_HALFTONES, true);
    if (Present(state, kSlotVXAlwaysPrnHT) && Working(state, kSlotVXAlwaysPrnHT) == 0)
        Check(dialog, IDC_ALWAYS_PRINTER_HALFTONE, true);

    ShowControlRange(dialog, IDC_OVERPRINT, IDC_OVERPRINT, Present(state, kSlotVXOverPrint));
    if (Present(state, kSlotVXOverPrint))
        Check(dialog, IDC_OVERPRINT, Working(state, kSlotVXOverPrint) == 1);
    InitSeparationOrder(dialog, state);
    InitSpecialColorSpace(dialog, state);
}

void DefaultAdvancedColor(HWND dialog, DocUiState *state) {
    if (Present(state, kSlotVXScreenObo)) Check(dialog, IDC_GRAY_HALFTONES, true);
    if (Present(state, kSlotVXAlwaysPrnHT)) Check(dialog, IDC_ALWAYS_PRINTER_HALFTONE, true);
    SpecialColorSpace = 0;
    Check(dialog, IDC_OVERPRINT, false);
    SelectEntry(dialog, IDC_SEPARATION_ORDER, 0);
    Check(dialog, IDC_SPECIAL_COLOR_SPACE, true);
}

void SaveAdvancedColor(HWND dialog, DocUiState *state) {
    if (Present(state, kSlotVXAlwaysPrnHT))
        Working(state, kSlotVXAlwaysPrnHT) = Checked(dialog, IDC_ALWAYS_PRINTER_HALFTONE) ? 0 : 1;
    if (Present(state, kSlotVXOverPrint))
        Working(state, kSlotVXOverPrint) = Checked(dialog, IDC_OVERPRINT) ? 1 : 0;
    if (Present(state, kSlotVXScreenObo))
        Working(state, kSlotVXScreenObo) = Checked(dialog, IDC_GRAY_HALFTONES) ? 0 : 1;
    Working(state, kSlotVXSpecialColorSpace) = SpecialColorSpace;
    if (Present(state, kSlotVXSeparationorder)) {
        const LRESULT entry = SendDlgItemMessageW(dialog, IDC_SEPARATION_ORDER, CB_GETCURSEL, 0, 0);
        Working(state, kSlotVXSeparationorder) = entry == CB_ERR ? 0 : static_cast<uint32_t>(entry);
    }
}

INT_PTR CALLBACK AdvancedColorDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG)
        return InitDialog(dialog, reinterpret_cast<DocUiState *>(lParam));
    DocUiState *state = DialogState(dialog);
    if (!state) return FALSE;
    switch (message) {
    case WM_COMMAND:
        switch (wParam) {
        case IDOK:
            SaveAdvancedColor(dialog, state);
            EndDialog(dialog, 1);
            return TRUE;
        case IDCANCEL:
            EndDialog(dialog, 0);
            return TRUE;
        case IDC_DEFAULT:
            DefaultAdvancedColor(dialog, state);
            return TRUE;
        case IDC_SPECIAL_COLOR_SPACE:
            OnSpecialColorSpace(dialog, state);
            return TRUE;
        default:
            return FALSE;
        }
    case WM_HELP:
    case WM_CONTEXTMENU:
        HandleContextHelpMessage(message, wParam, lParam, TRUE, FALSE);
        return TRUE;
    default:
        return FALSE;
    }
}
