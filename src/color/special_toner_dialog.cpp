#include "color/special_toner_dialog.h"

#include "color/fixed_decimal.h"
#include "color/slot_lists.h"
#include "color/special_toner_rules.h"
#include "core/context_help.h"
#include "core/dialog_utils.h"
#include "core/driver_config.h"
#include "core/localized_resources.h"
#include "core/oem_devmode.h"
#include "core/plugin_module.h"
#include "resources/resource_ids.h"

#include <commctrl.h>
#include <imm.h>

#include <initializer_list>

DWORD SpecialTonerKind = kTonerNone;

static_assert(kColorControlPictureFirst == IDB_TONER_USE_OFF && kPagePicture == IDB_TONER_PAGE &&
                  kLayerPicture == IDB_TONER_LAYER_COLOR && kOrderPictureFirst == IDB_TONER_ORDER_TOP &&
                  kOrderResultTop == IDB_TONER_ORDER_TOP_RESULT &&
                  kOrderResultBottom == IDB_TONER_ORDER_BOTTOM_RESULT,
              "the pictures the rules name are the artwork's");

namespace {

constexpr int kTitleChars = 510;
constexpr int kFieldChars = 32;
constexpr DWORD kDriverNameChars = 261;
constexpr int kArrowUp = 0;

// The dialog's copies: one dialog at a time.
struct TonerCopies {
    uint32_t colorControl;
    uint32_t order;
    uint32_t clearOutput;
    uint32_t mirror;
    uint32_t densityA;
    uint32_t densityB;
    uint32_t level;
    uint32_t onePass;
};
TonerCopies Copies;

DocUiState *DialogState(HWND dialog) {
    return reinterpret_cast<DocUiState *>(GetWindowLongPtrW(dialog, DWLP_USER));
}

OemDevmode *Record(const DocUiState *state) {
    return state->pOemUiPsParam ? static_cast<OemDevmode *>(state->pOemUiPsParam->pOEMDM) : nullptr;
}

uint32_t &Working(DocUiState *state, uint32_t slot) { return state->slots.working[slot]; }

bool OrderFeature(const DocUiState *state) { return SlotPresent(state, kSlotVXSpecialColorOrder); }

void Apply(HWND dialog, UINT first, UINT last, Switch how) {
    if (how != Switch::Keep) EnableControlRange(dialog, first, last, how == Switch::On);
}

bool ControlEnabled(HWND dialog, UINT id) {
    HWND control = GetDlgItem(dialog, id);
    return control && IsWindowEnabled(control);
}

void ShowNumber(HWND dialog, UINT id, uint32_t value, int decimals) {
    char16_t text[kFixedDecimalChars];
    FormatFixedDecimal(text, static_cast<int32_t>(value), decimals);
    SetDlgItemTextW(dialog, id, reinterpret_cast<const WCHAR *>(text));
}

void ReadField(HWND dialog, UINT id, WCHAR *text) {
    text[0] = 0;
    GetDlgItemTextW(dialog, id, text, kFieldChars);
}

void DetachInputMethod(HWND dialog, UINT id) {
    HWND edit = GetDlgItem(dialog, id);
    if (edit) ImmAssociateContext(edit, nullptr);
}

void DrawPicture(HWND dialog, UINT controlId, UINT bitmapId) {
    if (GetDlgItem(dialog, controlId)) DrawTransparentBitmap(dialog, PluginModule, controlId, bitmapId);
}

void ShowMirrorIcon(HWND dialog) {
    HWND icon = GetDlgItem(dialog, IDC_MIRROR_ICON);
    if (!icon) return;
    const UINT id = Copies.mirror > 0 ? IDI_PRINT_NORMAL : IDI_PRINT_MIRRORED;
    SendMessageW(icon, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconW(PluginModule, MAKEINTRESOURCEW(id))), 0);
}

void OnDensityField(HWND dialog, UINT id) {
    DetachInputMethod(dialog, id);
    WCHAR text[kFieldChars];
    ReadField(dialog, id, text);
    uint32_t &density = id == IDC_DENSITY_A ? Copies.densityA : Copies.densityB;
    uint32_t typed = density;
    const TypedValue result = DensityFromText(reinterpret_cast<const char16_t *>(text), &typed);
    if (result == TypedValue::Empty) return;
    density = typed;
    if (result == TypedValue::Replaced) ShowNumber(dialog, id, density, kDensityDecimals);
}

void OnLevelField(HWND dialog) {
    DetachInputMethod(dialog, IDC_LEVEL);
    WCHAR text[kFieldChars];
    ReadField(dialog, IDC_LEVEL, text);
    uint32_t typed = Copies.level;
    const TypedValue result = LevelFromText(reinterpret_cast<const char16_t *>(text), &typed);
    Copies.level = typed;
    if (result == TypedValue::Replaced) ShowNumber(dialog, IDC_LEVEL, Copies.level, kLevelDecimals);
    SendDlgItemMessageW(dialog, IDC_LEVEL_BAR, TBM_SETPOS, TRUE, Copies.level);
}

void OnDensityArrow(HWND dialog, int position) {
    const int focused = GetDlgCtrlID(GetFocus());
    if (focused != IDC_DENSITY_A && focused != IDC_DENSITY_B) return;
    uint32_t &density = focused == IDC_DENSITY_A ? Copies.densityA : Copies.densityB;
    density = StepDensity(density, position == kArrowUp);
    ShowNumber(dialog, static_cast<UINT>(focused), density, kDensityDecimals);
}

void SaveCopies(DocUiState *state) {
    Working(state, kSlotVXSpecialColorControl) = Copies.colorControl;
    Working(state, kSlotVXSpecialColorOrder) = Copies.order;
    Working(state, kSlotVXClearOutputMode) = Copies.clearOutput;
    Working(state, kSlotMirror) = Copies.mirror;
    OemDevmode *record = Record(state);
    if (!record) return;
    record->dwSpecialColorInactive = SpecialColorInactive(Copies.colorControl) ? 1 : 0;
    // Densities the fields did not check (their group gone) still keep
    // to their range.
    record->dwSpecialDensityA = ClampDensity(Copies.densityA);
    record->dwSpecialDensityB = ClampDensity(Copies.densityB);
    record->dwSpecialLevel = ClampLevel(Copies.level);
    record->dw1PassSeries = Copies.onePass;
}

void OnOk(HWND dialog, DocUiState *state) {
    if (GetDlgItem(dialog, IDC_DENSITY_A) && !ValidateSpecialDensities(dialog)) return;
    SaveCopies(state);
    EndDialog(dialog, 1);
}

void Changed(HWND dialog, DocUiState *state) {
    RefreshSpecialToner(dialog, state);
    NotifySheetChanged(dialog);
}

BOOL OnCommand(HWND dialog, DocUiState *state, UINT id, UINT code) {
    if (id >= IDC_COLOR_CONTROL_FIRST && id <= IDC_COLOR_CONTROL_LAST) {
        Copies.colorControl = id - IDC_COLOR_CONTROL_FIRST;
        Changed(dialog, state);
        return TRUE;
    }
    if (id >= IDC_COLOR_CONTROL_PICTURE_FIRST && id <= IDC_COLOR_CONTROL_PICTURE_LAST) {
        Copies.colorControl = id - IDC_COLOR_CONTROL_PICTURE_FIRST;
        Changed(dialog, state);
        return TRUE;
    }
    switch (id) {
    case IDC_ORDER_TOP:
    case IDC_ORDER_BOTTOM:
    case IDC_ORDER_TOP_PICTURE:
    case IDC_ORDER_BOTTOM_PICTURE:
        Copies.order = id <= IDC_ORDER_BOTTOM ? id - IDC_ORDER_TOP : id - IDC_ORDER_TOP_PICTURE;
        DrawSpecialTonerPictures(dialog, state);
        Changed(dialog, state);
        return TRUE;
    case IDC_CLEAR_OUTPUT:
        if (code != CBN_SELCHANGE) return TRUE;
        Copies.clearOutput = SelectedEntry(dialog, id);
        Changed(dialog, state);
        return TRUE;
    case IDC_MIRROR_PRINT:
        Copies.mirror = IsDlgButtonChecked(dialog, id) == BST_CHECKED ? 0 : 1;
        Changed(dialog, state);
        return TRUE;
    case IDC_ONE_PASS:
        Copies.onePass = IsDlgButtonChecked(dialog, id) == BST_CHECKED ? 1 : 0;
        Changed(dialog, state);
        return TRUE;
    case IDC_DENSITY_A:
    case IDC_DENSITY_B:
        OnDensityField(dialog, id);
        return TRUE;
    case IDC_LEVEL:
        OnLevelField(dialog);
        return TRUE;
    case IDC_DEFAULT:
        DefaultSpecialToner(state);
        RefreshSpecialToner(dialog, state);
        return TRUE;
    case IDOK:
        OnOk(dialog, state);
        return TRUE;
    case IDCANCEL:
        EndDialog(dialog, 0);
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL InitDialog(HWND dialog, DocUiState *state) {
    SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(state));
    if (!state) return TRUE;
    ApplyHelpButtonRule(dialog);
    InitSpecialToner(dialog, state);
    RefreshSpecialToner(dialog, state);
    return TRUE;
}

}  // namespace

void InitSpecialToner(HWND dialog, DocUiState *state) {
    Copies.colorControl = Working(state, kSlotVXSpecialColorControl);
    Copies.order = Working(state, kSlotVXSpecialColorOrder);
    Copies.clearOutput = Working(state, kSlotVXClearOutputMode);
    Copies.mirror = Working(state, kSlotMirror);
    const OemDevmode *record = Record(state);
    Copies.densityA = record ? record->dwSpecialDensityA : kDensityHighest;
    Copies.densityB = record ? record->dwSpecialDensityB : kDensityHighest;
    Copies.level = record ? ClampLevel(record->dwSpecialLevel) : kLevelHighest;
    Copies.onePass = record ? record->dw1PassSeries : 0;

    WCHAR title[kTitleChars] = L"";
    const DWORD kind = SpecialTonerKind <= kTonerClear ? SpecialTonerKind : kTonerNone;
    LoadLocalizedString(PluginModule, IDS_SPECIAL_TONER_NONE + kind, title, kTitleChars);
    SetDlgItemTextW(dialog, IDC_TONER_TITLE, title);

    DestroyControlRange(dialog, IDC_CLEAR_OUTPUT_LABEL, IDC_CLEAR_OUTPUT);
    if (!SlotPresent(state, kSlotMirror)) DestroyControlRange(dialog, IDC_MIRROR_PRINT, IDC_MIRROR_ICON);
    if (!OrderFeature(state)) {
        DestroyControlRange(dialog, IDC_ORDER_RESULT, IDC_ORDER_BOTTOM_PICTURE);
        DestroyControlRange(dialog, IDC_DENSITY_GROUP, IDC_DENSITY_B_UNIT);
    }
    for (UINT edit : {IDC_DENSITY_A, IDC_DENSITY_B}) {
        SendDlgItemMessageW(dialog, edit, EM_LIMITTEXT, kDensityEditChars, 0);
        DetachInputMethod(dialog, edit);
    }
    // Reversed bounds: the arrows only report up (0) and down (1).
    for (UINT spin : {IDC_DENSITY_A_SPIN, IDC_DENSITY_B_SPIN})
        SendDlgItemMessageW(dialog, spin, UDM_SETRANGE, 0, MAKELPARAM(0, 1));
    DetachInputMethod(dialog, IDC_LEVEL);
    SendDlgItemMessageW(dialog, IDC_LEVEL_BAR, TBM_SETRANGE, FALSE, MAKELPARAM(kLevelLowest, kLevelHighest));
    SendDlgItemMessageW(dialog, IDC_LEVEL_BAR, TBM_SETPOS, TRUE, Copies.level);
}

void RefreshSpecialToner(HWND dialog, DocUiState *state) {
    const SpecialTonerEnabling enabling =
        SpecialTonerEnablingFor(SpecialTonerKind, Copies.colorControl, Copies.order);
    Apply(dialog, IDC_CLEAR_OUTPUT_LABEL, IDC_CLEAR_OUTPUT, enabling.clearOutput);
    if (SpecialTonerKind == kTonerWhite)
        CheckDlgButton(dialog, IDC_ONE_PASS, Copies.onePass ? BST_CHECKED : BST_UNCHECKED);
    Apply(dialog, IDC_ORDER_GROUP, IDC_ORDER_BOTTOM_PICTURE, enabling.order);
    Apply(dialog, IDC_DENSITY_GROUP, IDC_DENSITY_B_UNIT, enabling.density);
    if (GetDlgItem(dialog, IDC_DENSITY_A) && !ControlEnabled(dialog, IDC_DENSITY_A)) {
        Copies.densityA = ClampDensity(Copies.densityA);
        Copies.densityB = ClampDensity(Copies.densityB);
    }
    Apply(dialog, IDC_LEVEL_GROUP, IDC_ONE_PASS, enabling.level);

    if (SlotPresent(state, kSlotVXClearOutputMode)) SelectEntry(dialog, IDC_CLEAR_OUTPUT, Copies.clearOutput);
    if (SlotPresent(state, kSlotMirror)) {
        CheckDlgButton(dialog, IDC_MIRROR_PRINT, Copies.mirror == 0 ? BST_CHECKED : BST_UNCHECKED);
        ShowMirrorIcon(dialog);
    }
    ShowNumber(dialog, IDC_DENSITY_A, Copies.densityA, kDensityDecimals);
    ShowNumber(dialog, IDC_DENSITY_B, Copies.densityB, kDensityDecimals);
    ShowNumber(dialog, IDC_LEVEL, Copies.level, kLevelDecimals);
    DrawSpecialTonerPictures(dialog, state);
}

void DrawSpecialTonerPictures(HWND dialog, const DocUiState *state) {
    for (UINT i = 0; i < kColorControlCount; ++i)
        DrawPicture(dialog, IDC_COLOR_CONTROL_PICTURE_FIRST + i, kColorControlPictureFirst + i);
    DrawPicture(dialog, IDC_TONER_PAGE_PICTURE, kPagePicture);
    CheckRadioButton(dialog, IDC_COLOR_CONTROL_FIRST, IDC_COLOR_CONTROL_LAST,
                     IDC_COLOR_CONTROL_FIRST + Copies.colorControl);
    CheckRadioButton(dialog, IDC_ORDER_TOP, IDC_ORDER_BOTTOM, IDC_ORDER_TOP + Copies.order);
    const bool layer = Copies.colorControl > 0 && Copies.colorControl < kColorControlCount;
    for (UINT id : {IDC_TONER_BASE_LAYER, IDC_TONER_LAYER}) {
        HWND picture = GetDlgItem(dialog, id);
        if (picture) ShowWindow(picture, layer ? SW_SHOW : SW_HIDE);
    }
    if (layer) {
        DrawPicture(dialog, IDC_TONER_BASE_LAYER, kLayerPicture);
        DrawPicture(dialog, IDC_TONER_LAYER, kLayerPicture + Copies.colorControl);
    }
    if (SpecialTonerKind != kTonerWhite || !OrderFeature(state)) return;
    DrawPicture(dialog, IDC_ORDER_TOP_PICTURE, kOrderPictureFirst);
    DrawPicture(dialog, IDC_ORDER_BOTTOM_PICTURE, kOrderPictureFirst + 1);
    DrawPicture(dialog, IDC_ORDER_RESULT, Copies.order == 0 ? kOrderResultTop : kOrderResultBottom);
}

bool ValidateSpecialDensities(HWND dialog) {
    for (UINT id : {IDC_DENSITY_A, IDC_DENSITY_B}) {
        WCHAR text[kFieldChars];
        ReadField(dialog, id, text);
        uint32_t density = 0;
        if (ParseFixedDecimal(reinterpret_cast<const char16_t *>(text), kDensityDecimals, &density) == 0 &&
            DensityInRange(density)) {
            (id == IDC_DENSITY_A ? Copies.densityA : Copies.densityB) = density;
            continue;
        }
        ShowMessage(dialog, IDS_INVALID_SETTINGS, 0, MB_ICONERROR);
        HWND edit = GetDlgItem(dialog, id);
        SetFocus(edit);
        SendMessageW(edit, EM_SETSEL, 0, -1);
        MessageBeep(0);
        return false;
    }
    return true;
}

void DefaultSpecialToner(const DocUiState *state) {
    Copies.colorControl = kColorControlOff;
    Copies.mirror = 0;
    if (SpecialTonerKind != kTonerWhite) Copies.clearOutput = 0;
    if (SpecialTonerKind == kTonerWhite) Copies.order = 0;
    Copies.densityA = Copies.densityB = kDensityHighest;
    Copies.level = kLevelHighest;
    WCHAR driver[kDriverNameChars] = L"";
    if (state->pOemUiPsParam) ReadPrinterDriverName(state->pOemUiPsParam->hPrinter, driver, kDriverNameChars);
    Copies.onePass = OnePassSeriesDriver(reinterpret_cast<const char16_t *>(driver)) ? 1 : 0;
}

INT_PTR CALLBACK SpecialTonerDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) return InitDialog(dialog, reinterpret_cast<DocUiState *>(lParam));
    DocUiState *state = DialogState(dialog);
    if (!state) return FALSE;
    switch (message) {
    case WM_COMMAND:
        return OnCommand(dialog, state, LOWORD(wParam), HIWORD(wParam));
    case WM_HSCROLL:
        if (reinterpret_cast<HWND>(lParam) != GetDlgItem(dialog, IDC_LEVEL_BAR)) return FALSE;
        Copies.level = static_cast<uint32_t>(SendDlgItemMessageW(dialog, IDC_LEVEL_BAR, TBM_GETPOS, 0, 0));
        ShowNumber(dialog, IDC_LEVEL, Copies.level, kLevelDecimals);
        return TRUE;
    case WM_VSCROLL:
        if (LOWORD(wParam) != SB_THUMBPOSITION) return FALSE;
        OnDensityArrow(dialog, static_cast<short>(HIWORD(wParam)));
        return TRUE;
    case WM_DRAWITEM:
        DrawSpecialTonerPictures(dialog, state);
        return TRUE;
    case WM_ACTIVATE:
        DrawSpecialTonerPictures(dialog, state);
        return FALSE;
    default:
        return HandleContextHelpMessage(message, wParam, lParam, TRUE, FALSE);
    }
}
