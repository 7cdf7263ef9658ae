#include "adjust/position_dialog.h"

#include "adjust/adjust_rules.h"
#include "adjust/test_print.h"
#include "color/fixed_decimal.h"
#include "core/context_help.h"
#include "core/dialog_utils.h"
#include "core/localized_resources.h"
#include "core/plugin_module.h"
#include "joboptions/job_options_page.h"
#include "resources/resource_ids.h"

#include <commctrl.h>
#include <imm.h>

#include <initializer_list>

static_assert(kAdjustPicturesFront == IDB_ADJUST_FRONT_SCALE_LESS_LESS &&
                  kAdjustPicturesFront + kAdjustFinePicture == IDB_ADJUST_FRONT_FINE &&
                  kAdjustPicturesBack == IDB_ADJUST_BACK_SCALE_LESS_LESS &&
                  kAdjustPicturesBack + kAdjustFinePicture == IDB_ADJUST_BACK_FINE,
              "the pictures the rules name are the artwork's");

namespace {

constexpr int kTabTextChars = 64;
constexpr int kFieldChars = 32;
constexpr int kArrowUp = 0;
constexpr UINT kTabControls[kAdjustModeCount] = {IDC_ADJUST_SIMPLEX_TABS, IDC_ADJUST_LONG_EDGE_TABS,
                                                 IDC_ADJUST_SHORT_EDGE_TABS};
const char kDuplexFeature[] = "Duplex";
const char kNoDuplex[] = "None";

// The edit of each value on a page.
struct ValueField {
    UINT edit;
    UINT spin;
    AdjustField field;
};
const ValueField kFields[] = {
    {IDC_SCALE1, IDC_SCALE1_SPIN, kAdjScale1}, {IDC_SCALE2, IDC_SCALE2_SPIN, kAdjScale2},
    {IDC_SHIFT1, IDC_SHIFT1_SPIN, kAdjShift1}, {IDC_SHIFT2, IDC_SHIFT2_SPIN, kAdjShift2},
    {IDC_FINE, IDC_FINE_SPIN, kAdjFine},
};
constexpr UINT kPictures[] = {IDC_SCALE_PICTURE, IDC_SHIFT_PICTURE, IDC_FINE_PICTURE};

// One dialog at a time: the working copy, the mode shown, the driver's mode
// and the five pages.
AdjustValues Values;
uint32_t ShownMode;
uint32_t DriverMode;
HWND Pages[kAdjustPageCount];
int CreatingPage;

const ValueField *FieldOf(UINT edit) {
    for (const ValueField &field : kFields)
        if (field.edit == edit) return &field;
    return nullptr;
}

int PageIndexOf(HWND page) {
    for (int i = 0; i < kAdjustPageCount; ++i)
        if (Pages[i] == page) return i;
    return -1;
}

OemDevmode *Record(const DocUiState *state) {
    return state->pOemUiPsParam ? static_cast<OemDevmode *>(state->pOemUiPsParam->pOEMDM) : nullptr;
}

void ShowValue(HWND page, const ValueField &field, int index) {
    char16_t text[kFixedDecimalChars];
    FormatFixedDecimal(text, Values.value[field.field][index], LimitsOf(field.field).decimals);
    SetDlgItemTextW(page, field.edit, reinterpret_cast<const WCHAR *>(text));
}

void FillPage(int index) {
    for (const ValueField &field : kFields) ShowValue(Pages[index], field, index);
}

void RedrawPictures(HWND page) {
    for (UINT id : kPictures) {
        HWND picture = GetDlgItem(page, id);
        if (picture) InvalidateRect(picture, nullptr, TRUE);
    }
}

void DrawPictures(HWND page, int index) {
    const AdjustPictures pictures = AdjustPicturesFor(Values, index);
    DrawTransparentBitmap(page, PluginModule, IDC_SCALE_PICTURE, pictures.scale);
    DrawTransparentBitmap(page, PluginModule, IDC_SHIFT_PICTURE, pictures.shift);
    DrawTransparentBitmap(page, PluginModule, IDC_FINE_PICTURE, pictures.fine);
}

void StoreText(HWND page, int index, const ValueField &field) {
    WCHAR text[kFieldChars] = L"";
    GetDlgItemTextW(page, field.edit, text, kFieldChars);
    Values.value[field.field][index] =
        AdjustValueFromText(field.field, reinterpret_cast<const char16_t *>(text));
}

void OnPageEdit(HWND page, UINT edit, UINT code) {
    const int index = PageIndexOf(page);
    const ValueField *field = FieldOf(edit);
    if (index < 0 || !field) return;
    StoreText(page, index, *field);
    if (code == EN_KILLFOCUS) FillPage(index);
    RedrawPictures(page);
}

void OnPageArrow(HWND page, int position) {
    const int index = PageIndexOf(page);
    HWND focus = GetFocus();
    const ValueField *field = GetParent(focus) == page ? FieldOf(static_cast<UINT>(GetDlgCtrlID(focus))) : nullptr;
    if (index < 0 || !field) return;
    int32_t &value = Values.value[field->field][index];
    value = StepAdjustValue(field->field, value, position == kArrowUp);
    ShowValue(page, *field, index);
    RedrawPictures(page);
}

void InitPage(HWND page) {
    for (const ValueField &field : kFields) {
        SendDlgItemMessageW(page, field.edit, EM_LIMITTEXT, LimitsOf(field.field).editChars, 0);
        HWND edit = GetDlgItem(page, field.edit);
        if (edit) ImmAssociateContext(edit, nullptr);
        // Reversed bounds: the arrows only report up (0) and down (1).
        SendDlgItemMessageW(page, field.spin, UDM_SETRANGE, 0, MAKELPARAM(0, 1));
    }
}

HWND CreatePage(HWND dialog, DocUiState *state) {
    const LPARAM param = reinterpret_cast<LPARAM>(state);
    if (const DLGTEMPLATE *page = LoadLocalizedTemplate(IDD_PRINT_POSITION_PAGE))
        return CreateDialogIndirectParamW(PluginModule, page, dialog, PositionPageProc, param);
    return CreateDialogParamW(PluginModule, MAKEINTRESOURCEW(IDD_PRINT_POSITION_PAGE), dialog,
                              PositionPageProc, param);
}

void InsertTab(HWND dialog, UINT tabs, int index, UINT textId) {
    WCHAR text[kTabTextChars] = L"";
    LoadLocalizedString(PluginModule, textId, text, kTabTextChars);
    TCITEMW item = {};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    SendDlgItemMessageW(dialog, tabs, TCM_INSERTITEMW, index, reinterpret_cast<LPARAM>(&item));
}

// The pages fill the display area of the short-edge tabs, in the dialog's
// client coordinates.
void CreatePages(HWND dialog, DocUiState *state) {
    RECT area = {};
    HWND tabs = GetDlgItem(dialog, IDC_ADJUST_SHORT_EDGE_TABS);
    if (tabs) {
        GetClientRect(tabs, &area);
        SendMessageW(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
        MapWindowPoints(tabs, dialog, reinterpret_cast<POINT *>(&area), 2);
    }
    for (int i = 0; i < kAdjustPageCount; ++i) {
        CreatingPage = i;
        Pages[i] = CreatePage(dialog, state);
        if (!Pages[i]) continue;
        SetWindowPos(Pages[i], HWND_TOP, area.left, area.top, area.right - area.left,
                     area.bottom - area.top, SWP_HIDEWINDOW);
    }
}

int ShownTab(HWND dialog) {
    const LRESULT tab = SendDlgItemMessageW(dialog, kTabControls[ShownMode], TCM_GETCURSEL, 0, 0);
    return tab > 0 ? static_cast<int>(tab) : 0;
}

void ShowMode(HWND dialog, uint32_t mode, int tab) {
    ShownMode = mode < kAdjustModeCount ? mode : kAdjustSimplex;
    for (uint32_t m = 0; m < kAdjustModeCount; ++m)
        ShowWindow(GetDlgItem(dialog, kTabControls[m]), m == ShownMode ? SW_SHOW : SW_HIDE);
    const int shown = AdjustPageOf(ShownMode, tab);
    SendDlgItemMessageW(dialog, kTabControls[ShownMode], TCM_SETCURSEL, shown == 2 || shown == 4 ? 1 : 0, 0);
    for (int i = 0; i < kAdjustPageCount; ++i)
        if (Pages[i]) ShowWindow(Pages[i], i == shown ? SW_SHOW : SW_HIDE);
    CheckRadioButton(dialog, IDC_ADJUST_SIMPLEX, IDC_ADJUST_SHORT_EDGE, IDC_ADJUST_SIMPLEX + ShownMode);
}

void ApplyEnabling(HWND dialog) {
    const BOOL on = Values.enable != 0;
    CheckDlgButton(dialog, IDC_ADJUST_ENABLE, on ? BST_CHECKED : BST_UNCHECKED);
    EnableControlRange(dialog, IDC_ADJUST_SIMPLEX, IDC_ADJUST_SHORT_EDGE_TABS, on);
    for (HWND page : Pages)
        if (page) EnableControlRange(page, IDC_ADJUST_PAGE_FIRST, IDC_ADJUST_PAGE_LAST, on);
}

void FillAllPages() {
    for (int i = 0; i < kAdjustPageCount; ++i)
        if (Pages[i]) FillPage(i);
}

uint32_t ReadDriverMode(const DocUiState *state) {
    DriverAnswer answer;
    // A driver that cannot say prints on one side.
    if (!ReadDriverSetting(state, kDuplexFeature, &answer)) return DuplexModeFromSetting(kNoDuplex);
    return DuplexModeFromSetting(answer.text);
}

BOOL InitDialog(HWND dialog, DocUiState *state) {
    SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(state));
    if (!state) return TRUE;
    ApplyHelpButtonRule(dialog);
    if (const OemDevmode *record = Record(state))
        LoadAdjustValues(*record, &Values);
    else
        DefaultAdjustValues(&Values);
    DriverMode = ReadDriverMode(state);
    ShownMode = DriverMode;
    InsertTab(dialog, IDC_ADJUST_SIMPLEX_TABS, 0, IDS_ADJUST_SIDE_1);
    for (UINT tabs : {IDC_ADJUST_LONG_EDGE_TABS, IDC_ADJUST_SHORT_EDGE_TABS}) {
        InsertTab(dialog, tabs, 0, IDS_ADJUST_SIDE_1);
        InsertTab(dialog, tabs, 1, IDS_ADJUST_SIDE_2);
    }
    CreatePages(dialog, state);
    ShowMode(dialog, DriverMode, 0);
    FillAllPages();
    ApplyEnabling(dialog);
    return TRUE;
}

void EndAdjustment(HWND dialog, INT_PTR result) {
    for (HWND &page : Pages) {
        if (page) DestroyWindow(page);
        page = nullptr;
    }
    EndDialog(dialog, result);
}

void RestoreDefaults(HWND dialog) {
    DefaultAdjustValues(&Values);
    ShowMode(dialog, DriverMode, 0);
    FillAllPages();
    ApplyEnabling(dialog);
}

BOOL OnCommand(HWND dialog, DocUiState *state, UINT id) {
    switch (id) {
    case IDC_ADJUST_ENABLE:
        Values.enable = IsDlgButtonChecked(dialog, id) == BST_CHECKED ? 1 : 0;
        ApplyEnabling(dialog);
        return TRUE;
    case IDC_ADJUST_SIMPLEX:
    case IDC_ADJUST_LONG_EDGE:
    case IDC_ADJUST_SHORT_EDGE:
        ShowMode(dialog, id - IDC_ADJUST_SIMPLEX, ShownTab(dialog));
        return TRUE;
    case IDC_ADJUST_TEST_PRINT:
        PrintAdjustmentTestPage(state, ShownMode, Values);
        return TRUE;
    case IDC_DEFAULT:
        RestoreDefaults(dialog);
        return TRUE;
    case IDOK:
        if (OemDevmode *record = Record(state)) StoreAdjustValues(Values, record);
        EndAdjustment(dialog, 1);
        return TRUE;
    case IDCANCEL:
        EndAdjustment(dialog, 0);
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL OnNotify(HWND dialog, const NMHDR *header) {
    if (header->code != TCN_SELCHANGE) return FALSE;
    if (header->idFrom != IDC_ADJUST_LONG_EDGE_TABS && header->idFrom != IDC_ADJUST_SHORT_EDGE_TABS)
        return FALSE;
    const int page = AdjustPageOf(ShownMode, ShownTab(dialog));
    ShowMode(dialog, ShownMode, ShownTab(dialog));
    if (!Pages[page]) return TRUE;
    SetFocus(GetDlgItem(Pages[page], IDC_SCALE1));
    FillPage(page);
    return TRUE;
}

}  // namespace

INT_PTR CALLBACK PositionDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) return InitDialog(dialog, reinterpret_cast<DocUiState *>(lParam));
    DocUiState *state = reinterpret_cast<DocUiState *>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (!state) return FALSE;
    switch (message) {
    case WM_COMMAND:
        return OnCommand(dialog, state, LOWORD(wParam));
    case WM_NOTIFY:
        return OnNotify(dialog, reinterpret_cast<const NMHDR *>(lParam));
    default:
        return HandleContextHelpMessage(message, wParam, lParam, TRUE, FALSE);
    }
}

INT_PTR CALLBACK PositionPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrW(page, DWLP_USER, lParam);
        Pages[CreatingPage] = page;
        InitPage(page);
        return FALSE;
    case WM_COMMAND:
        if (!FieldOf(LOWORD(wParam))) return FALSE;
        OnPageEdit(page, LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_VSCROLL:
        if (LOWORD(wParam) != SB_THUMBPOSITION) return FALSE;
        OnPageArrow(page, static_cast<short>(HIWORD(wParam)));
        return TRUE;
    case WM_DRAWITEM: {
        const int index = PageIndexOf(page);
        if (index < 0) return FALSE;
        DrawPictures(page, index);
        return TRUE;
    }
    default:
        return HandleContextHelpMessage(message, wParam, lParam, TRUE, FALSE);
    }
}
