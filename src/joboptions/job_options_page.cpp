#include "joboptions/job_options_page.h"

#include "adjust/position_dialog.h"
#include "core/context_help.h"
#include "core/dialog_utils.h"
#include "core/driver_config.h"
#include "core/link_banner.h"
#include "core/localized_resources.h"
#include "core/oem_devmode.h"
#include "core/plugin_module.h"
#include "joboptions/about_dialog.h"
#include "joboptions/finisher_page.h"
#include "joboptions/job_advanced_dialog.h"
#include "joboptions/job_options_variant_ids.h"
#include "joboptions/secure_print.h"
#include "optiontree/option_tree.h"
#include "overlays/overlay_ids.h"
#include "overlays/overlay_store_glue.h"
#include "overlays/overlays_dialog.h"
#include "resources/resource_ids.h"
#include "watermarks/watermark_dialogs.h"

#include <commctrl.h>
#include <imm.h>
#include <shellapi.h>

namespace {

constexpr int kTypedTextChars = 64;
constexpr int kRangeTextChars = 128;
constexpr UINT kCopiesTextLimit = 3;
constexpr UINT kScaleTextLimit = 4;
constexpr LONG kCopiesUpperBound = 999;
constexpr uint32_t kScaleClamp = 1000;
constexpr UINT kRangeParam = 1;

// Further controls of page layouts that template 113 does not carry.
constexpr UINT IDC_SCALE_FIRST = 1530;
constexpr UINT IDC_QUALITY_FIRST = 1500;
constexpr UINT IDC_QUALITY_LAST = 1558;
constexpr UINT IDC_VARIANT_CHECK = 1619;
constexpr UINT IDC_VARIANT_FIRST = 1593;
constexpr UINT IDC_VARIANT_LAST = 1599;
constexpr UINT IDC_SECOND_COPIES_FIRST = 1809;
constexpr UINT IDC_SECOND_COPIES_LAST = 1817;
constexpr UINT IDC_SPECIAL_LAST = IDC_MIRROR_ICON;

// Working selections the Default button restores.
struct DefaultSelection {
    uint32_t slot;
    DWORD value;
};
const DefaultSelection kDefaults[] = {
    {kSlotVXImageSmoothing, 1}, {kSlotCopiesCollate, 1},  {kSlotVXResolution, 2},
    {kSlotScale, 100},          {kSlotMirror, 0},         {kSlotVXCollate, 0},
    {kSlotVXJobType, 0},        {kSlotOutputBin, 0},      {kSlotVXStaple, 0},
    {kSlotVXPunch, 0},          {kSlotVXBindPosition, 2}, {kSlotPrintQuality, 0},
    {kSlotJobCopy78, 0},        {kSlotVXRotateSort, 0},   {kSlotVXScreenSelection, 0},
    {kSlotVXTrapping, 0},       {kSlotVXErrorDiffusion, 1}, {kSlotFormName, 0},
};

const UINT kQualityBitmaps[] = {IDB_QUALITY_HIGH, IDB_QUALITY_FINE, IDB_QUALITY_NORMAL};

// The sheet activates a page as soon as it has created it, before anything
// can change the page or its selections: the refresh that ends
// WM_INITDIALOG stands for that first PSN_SETACTIVE. The mark lives in the
// page window's user data.
constexpr LONG_PTR kRefreshedAtInit = 1;

void MarkRefreshedAtInit(HWND page) { SetWindowLongPtrW(page, GWLP_USERDATA, kRefreshedAtInit); }

bool TakeRefreshedAtInit(HWND page) {
    return SetWindowLongPtrW(page, GWLP_USERDATA, 0) == kRefreshedAtInit;
}

DocUiState *PageState(HWND page) {
    return reinterpret_cast<DocUiState *>(GetWindowLongPtrW(page, DWLP_USER));
}

uint32_t &Working(DocUiState *state, uint32_t slot) { return state->slots.working[slot]; }

OemDevmode *Record(const DocUiState *state) {
    return state->pOemUiPsParam ? static_cast<OemDevmode *>(state->pOemUiPsParam->pOEMDM)
                                : nullptr;
}

// A page not shown yet has nothing to draw on: its picture is drawn when
// the page is first painted.
void DrawQualityPicture(HWND page, const DocUiState *state) {
    if (!SlotPresent(state, kSlotVXResolution) || !IsWindowVisible(page)) return;
    const DWORD quality = state->slots.working[kSlotVXResolution];
    if (quality >= ARRAYSIZE(kQualityBitmaps)) return;
    DrawFramedDib(page, PluginModule, kQualityBitmaps[quality], IDC_QUALITY_PICTURE);
}

void ShowMirrorIcon(HWND page, const DocUiState *state) {
    const UINT icon = state->slots.working[kSlotMirror] == 0 ? IDI_PRINT_MIRRORED : IDI_PRINT_NORMAL;
    HICON handle = LoadIconW(PluginModule, MAKEINTRESOURCEW(icon));
    SendDlgItemMessageW(page, IDC_MIRROR_ICON, STM_SETICON, reinterpret_cast<WPARAM>(handle), 0);
}

bool NoPermission(const DocUiState *state) {
    return state->pOemUiPsParam && (state->pOemUiPsParam->dwFlags & DM_NOPERMISSION);
}

void RestrictForNoPermission(HWND page) {
    RestrictControlRange(page, IDC_QUALITY_FIRST, IDC_QUALITY_LAST, FALSE);
    RestrictControlRange(page, IDC_VARIANT_CHECK, IDC_VARIANT_CHECK, FALSE);
    RestrictControlRange(page, IDC_VARIANT_FIRST, IDC_VARIANT_LAST, FALSE);
    RestrictControlRange(page, IDC_DEFAULT, IDC_DEFAULT, FALSE);
    RestrictControlRange(page, IDC_SECOND_COPIES_FIRST, IDC_SECOND_COPIES_LAST, FALSE);
    RestrictControlRange(page, IDC_SPECIAL_GROUP, IDC_SPECIAL_LAST, FALSE);
}

void RefreshPage(HWND page, DocUiState *state) {
    if (SlotPresent(state, kSlotVXResolution)) {
        CheckRadioButton(page, IDC_QUALITY_HIGH, IDC_QUALITY_NORMAL,
                         IDC_QUALITY_HIGH + Working(state, kSlotVXResolution));
        DrawQualityPicture(page, state);
    }
    if (SlotPresent(state, kSlotVXImageSmoothing))
        CheckDlgButton(page, IDC_IMAGE_SMOOTHING,
                       Working(state, kSlotVXImageSmoothing) == 0 ? BST_CHECKED : BST_UNCHECKED);
    ShowFinishingChoices(page, state);
    if (SlotPresent(state, kSlotCopiesCollate)) {
        SendDlgItemMessageW(page, IDC_COPIES_SPIN, UDM_SETPOS32, 0,
                            static_cast<LPARAM>(Working(state, kSlotCopiesCollate)));
        const BOOL copiesFree = state->fIcCardDriver || Working(state, kSlotVXJobType) == 0;
        EnableControlRange(page, IDC_COPIES_LABEL, IDC_COPIES_SPIN, copiesFree);
        EnableControlRange(page, IDC_COLLATE, IDC_COLLATE, copiesFree);
    }
    if (SlotPresent(state, kSlotVXCollate))
        CheckDlgButton(page, IDC_COLLATE,
                       Working(state, kSlotVXCollate) == 1 ? BST_CHECKED : BST_UNCHECKED);
    if (SlotPresent(state, kSlotScale))
        SendDlgItemMessageW(page, IDC_SCALE_SPIN, UDM_SETPOS32, 0,
                            static_cast<LPARAM>(Working(state, kSlotScale)));
    RefreshSecurePrint(page, state);

    HandCursor = LoadCursorW(nullptr, IDC_HAND);
    if (!HandCursor) HandCursor = LoadCursorW(nullptr, IDC_ARROW);
    if (!LinkFont) LinkFont = CreateLinkFont(page);

    WCHAR target[kLinkTargetChars];
    ReadLinkTarget(state, target);
    if (target[0])
        SetDlgItemTextW(page, IDC_LINK_TEXT, target);
    else
        ShowControlRange(page, IDC_LINK_TEXT, IDC_LINK_TEXT, FALSE);
    ShowControlRange(page, IDC_BANNER, IDC_BANNER, TRUE);

    if (NoPermission(state)) RestrictForNoPermission(page);

    if (SlotPresent(state, kSlotMirror)) {
        CheckDlgButton(page, IDC_MIRROR_PRINT,
                       Working(state, kSlotMirror) == 0 ? BST_CHECKED : BST_UNCHECKED);
        ShowMirrorIcon(page, state);
    } else {
        DestroyControlRange(page, IDC_SPECIAL_GROUP, IDC_SPECIAL_LAST);
    }
}

void SetRangeText(HWND page, UINT controlId, UINT formatId, LONG lower, LONG upper) {
    WCHAR format[kRangeTextChars];
    WCHAR text[kRangeTextChars];
    if (!LoadLocalizedString(PluginModule, formatId, format, kRangeTextChars)) return;
    wsprintfW(text, format, static_cast<int>(lower), static_cast<int>(upper));
    SetDlgItemTextW(page, controlId, text);
}

void SetUpCopies(HWND page, DocUiState *state) {
    OPTITEM *item = SlotItem(state, kSlotCopiesCollate);
    if (item->pOptType && item->pOptType->Count > kRangeParam)
        item->pOptType->pOptParam[kRangeParam].lParam = kCopiesUpperBound;
    LONG lower = 0, upper = 0;
    ReadItemRange(item, &lower, &upper);
    SendDlgItemMessageW(page, IDC_COPIES_SPIN, UDM_SETRANGE32, lower, upper);
    SendDlgItemMessageW(page, IDC_COPIES, EM_LIMITTEXT, kCopiesTextLimit, 0);
    SetRangeText(page, IDC_COPIES_RANGE, IDS_COPIES_RANGE, lower, upper);
}

void SetUpScale(HWND page, DocUiState *state) {
    LONG lower = 0, upper = 0;
    ReadItemRange(SlotItem(state, kSlotScale), &lower, &upper);
    SendDlgItemMessageW(page, IDC_SCALE_SPIN, UDM_SETRANGE32, lower, upper);
    SetRangeText(page, IDC_SCALE_RANGE, IDS_SCALE_RANGE, lower, upper);
    SendDlgItemMessageW(page, IDC_SCALE, EM_LIMITTEXT, kScaleTextLimit, 0);
}

// The finisher decides which output bins exist: the selection follows even
// when the page has no bin list.
void ApplyFinisherToOutputBin(HWND page, DocUiState *state) {
    if (!SlotPresent(state, kSlotOutputBin)) return;
    const bool finisher = QueryDriverFlag(state, "VXFinisher") == DriverFlag::True;
    HWND list = GetDlgItem(page, IDC_OUTPUT_BIN);
    const OPTTYPE *type = SlotItem(state, kSlotOutputBin)->pOptType;
    if (list && type && type->pOptParam) {
        // Every option gets its entry, so that the finisher removes the
        // right ones; each entry keeps its option's index.
        for (WORD i = 0; i < type->Count; ++i) {
            const LPTSTR name = type->pOptParam[i].pData;
            const LRESULT entry = SendMessageW(
                list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(IS_INTRESOURCE(name) ? L"" : name));
            SendMessageW(list, CB_SETITEMDATA, static_cast<WPARAM>(entry), i);
        }
        if (finisher) {
            SendMessageW(list, CB_DELETESTRING, 1, 0);
        } else {
            SendMessageW(list, CB_DELETESTRING, 3, 0);
            SendMessageW(list, CB_DELETESTRING, 2, 0);
        }
    }
    uint32_t &bin = Working(state, kSlotOutputBin);
    if (finisher ? bin == 1 : (bin == 2 || bin == 3)) bin = 0;
}

BOOL InitPage(HWND page, const PROPSHEETPAGEW *sheetPage) {
    DocUiState *state = reinterpret_cast<DocUiState *>(sheetPage->lParam);
    SetWindowLongPtrW(page, DWLP_USER, reinterpret_cast<LONG_PTR>(state));
    if (!state) return FALSE;

    ApplyFinisherToOutputBin(page, state);
    if (!SlotPresent(state, kSlotOutputBin))
        DestroyControlRange(page, IDC_OUTPUT_BIN_LABEL, IDC_OUTPUT_BIN);
    if (!SlotPresent(state, kSlotCopiesCollate))
        DestroyControlRange(page, IDC_COPIES_LABEL, IDC_COPIES_RANGE);
    if (!SlotPresent(state, kSlotScale)) DestroyControlRange(page, IDC_SCALE_FIRST, IDC_SCALE_RANGE);
    if (!SlotPresent(state, kSlotVXJobType))
        DestroyControlRange(page, IDC_JOB_TYPE_NORMAL, IDC_JOB_PIN_BUTTON);
    if (SlotPresent(state, kSlotCopiesCollate)) SetUpCopies(page, state);
    if (SlotPresent(state, kSlotScale)) SetUpScale(page, state);

    state->fWatermarksDirty = 0;
    state->dwOverlayState = 0;
    state->fIcCardDriver = 0;
    QueryCardLibraryAtStart(page, state);
    RunFinisherRulePass(page, state);
    ApplySecureStartUp(state);

    RefreshPage(page, state);
    MarkRefreshedAtInit(page);
    SheetVisitFlags |= kPluginPageInitialised;
    state->watermarks.dwNoneFirstPageOnly = 0;
    state->watermarks.dwNoneBackground = 0;
    return FALSE;
}

// The copies and scale edits keep digits only; the range is checked when
// the page is left.
void FilterNumberEdit(HWND page, DocUiState *state, UINT editId, UINT spinId, uint32_t slot,
                      uint32_t clampAt, UINT code) {
    HWND edit = GetDlgItem(page, editId);
    ImmAssociateContext(edit, nullptr);
    if (code == EN_CHANGE) NotifySheetChanged(page);
    WCHAR text[kTypedTextChars + 1];
    const int length = GetWindowTextW(edit, text, ARRAYSIZE(text));
    if (length <= 0) {
        Working(state, slot) = 0;
        return;
    }
    const DigitFilter filtered =
        FilterDigits(reinterpret_cast<const char16_t *>(text), static_cast<size_t>(length), clampAt);
    Working(state, slot) = filtered.value;
    if (!filtered.rewrite) return;
    SendDlgItemMessageW(page, spinId, UDM_SETPOS32, 0, static_cast<LPARAM>(filtered.value));
    // The up-down keeps its position inside the item's range; the edit must
    // still show the number typed, so that leaving the page can refuse it.
    BOOL isNumber = FALSE;
    if (GetDlgItemInt(page, editId, &isNumber, FALSE) != filtered.value || !isNumber)
        SetDlgItemInt(page, editId, filtered.value, FALSE);
    Working(state, slot) = filtered.value;
    SendMessageW(edit, EM_SETSEL, filtered.digits, filtered.digits);
}

void RestoreDefaults(HWND page, DocUiState *state) {
    for (const DefaultSelection &entry : kDefaults) Working(state, entry.slot) = entry.value;
    RefreshPage(page, state);
    DrawQualityPicture(page, state);
    NotifySheetChanged(page);
}

bool IsChecked(HWND page, UINT id) { return IsDlgButtonChecked(page, id) == BST_CHECKED; }

BOOL OnCommand(HWND page, DocUiState *state, UINT id, UINT code) {
    switch (id) {
    case IDC_QUALITY_HIGH:
    case IDC_QUALITY_FINE:
    case IDC_QUALITY_NORMAL:
        if (code != BN_CLICKED) return FALSE;
        Working(state, kSlotVXResolution) = id - IDC_QUALITY_HIGH;
        RefreshPage(page, state);
        NotifySheetChanged(page);
        return TRUE;
    case IDC_IMAGE_SMOOTHING:
        Working(state, kSlotVXImageSmoothing) = IsChecked(page, id) ? 0 : 1;
        NotifySheetChanged(page);
        return TRUE;
    case IDC_COLLATE:
        Working(state, kSlotVXCollate) = IsChecked(page, id) ? 1 : 0;
        NotifySheetChanged(page);
        return TRUE;
    case IDC_MIRROR_PRINT:
        if (!SlotPresent(state, kSlotMirror)) return TRUE;
        Working(state, kSlotMirror) = IsChecked(page, id) ? 0 : 1;
        ShowMirrorIcon(page, state);
        NotifySheetChanged(page);
        return TRUE;
    case IDC_COPIES:
        FilterNumberEdit(page, state, IDC_COPIES, IDC_COPIES_SPIN, kSlotCopiesCollate, kNoClamp, code);
        return TRUE;
    case IDC_SCALE:
        FilterNumberEdit(page, state, IDC_SCALE, IDC_SCALE_SPIN, kSlotScale, kScaleClamp, code);
        return TRUE;
    case IDC_JOB_TYPE_NORMAL:
    case IDC_JOB_TYPE_SECURE:
    case IDC_JOB_TYPE_ENCRYPTED:
        if (code == BN_CLICKED) OnJobTypeClicked(page, state, id);
        return TRUE;
    case IDC_JOB_PIN_BUTTON:
        if (code == BN_CLICKED) OnJobPinButton(page, state);
        return TRUE;
    case IDC_OUTPUT_BIN:
    case IDC_BIND_POSITION:
    case IDC_STAPLE:
    case IDC_PUNCH:
        if (code == CBN_SELCHANGE && StoreFinishingChoice(page, state, id)) NotifySheetChanged(page);
        return TRUE;
    case IDC_JOB_ADVANCED:
        if (LocalizedDialogBox(PluginModule, IDD_JOB_ADVANCED, page, JobAdvancedDialogProc,
                               reinterpret_cast<LPARAM>(state)) == 1)
            NotifySheetChanged(page);
        return TRUE;
    case IDC_POSITION_ADJUST:
        // Only OK changes the sheet: a template that cannot be loaded gives -1.
        if (LocalizedDialogBox(PluginModule, IDD_PRINT_POSITION, page, PositionDialogProc,
                               reinterpret_cast<LPARAM>(state)) == 1)
            NotifySheetChanged(page);
        return TRUE;
    case IDC_ABOUT:
        LocalizedDialogBox(PluginModule, IDD_ABOUT, page, AboutDialogProc,
                           reinterpret_cast<LPARAM>(state));
        return TRUE;
    case IDC_JOB_OVERLAYS:
        if (LocalizedDialogBox(PluginModule, IDD_OVERLAYS, page, OverlaysDialogProc,
                               reinterpret_cast<LPARAM>(state)))
            NotifySheetChanged(page);
        return TRUE;
    case IDC_DEFAULT:
        RestoreDefaults(page, state);
        return TRUE;
    case IDC_WATERMARKS_BUTTON:
        if (OpenWatermarksDialog(page, state)) NotifySheetChanged(page);
        return TRUE;
    case IDC_BANNER:
    case IDC_LINK_TEXT:
        OpenLinkTarget(page, state);
        return TRUE;
    default:
        return FALSE;
    }
}

// One numeric field against its item's bounds; false when it is no number
// or out of range.
bool ValidateField(HWND page, UINT editId, const OPTITEM *item, uint32_t *value) {
    BOOL isNumber = FALSE;
    const UINT typed = GetDlgItemInt(page, editId, &isNumber, FALSE);
    LONG lower = 0, upper = 0;
    ReadItemRange(item, &lower, &upper);
    if (!isNumber || static_cast<LONG>(typed) < lower || static_cast<LONG>(typed) > upper)
        return false;
    *value = typed;
    return true;
}

bool ValidatePage(HWND page, DocUiState *state) {
    UINT failed = 0;
    if (SlotPresent(state, kSlotScale) &&
        !ValidateField(page, IDC_SCALE, SlotItem(state, kSlotScale), &Working(state, kSlotScale)))
        failed = IDC_SCALE;
    if (!failed && SlotPresent(state, kSlotCopiesCollate) &&
        !ValidateField(page, IDC_COPIES, SlotItem(state, kSlotCopiesCollate),
                       &Working(state, kSlotCopiesCollate)))
        failed = IDC_COPIES;
    if (!failed) return true;
    ShowMessage(page, IDS_INVALID_SETTINGS, 0, MB_ICONHAND);
    HWND edit = GetDlgItem(page, failed);
    SetFocus(edit);
    SendMessageW(edit, EM_SETSEL, 0, -1);
    MessageBeep(0);
    return false;
}

void CopySelectionsToRecord(DocUiState *state) {
    OemDevmode *record = Record(state);
    if (!record) return;
    record->dwCollate = Working(state, kSlotVXCollate);
    record->dwJobSlotCopy79 = Working(state, kSlotVXRotateSort);
    record->dwJobSlotCopy2 = Working(state, kSlotFormName);
    record->dwJobSlotCopy78 = Working(state, kSlotJobCopy78);
}

void ReportPageOk(const DocUiState *state) {
    if (state->pfnComPropSheet)
        state->pfnComPropSheet(state->hComPropSheet, CPSFUNC_SET_RESULT,
                               reinterpret_cast<LPARAM>(state->hJobOptionsPage), CPSUI_OK);
}

BOOL OnNotify(HWND page, DocUiState *state, const NMHDR *header) {
    switch (header->code) {
    case PSN_SETACTIVE:
        if (!TakeRefreshedAtInit(page)) RefreshPage(page, state);
        return FALSE;
    case PSN_KILLACTIVE:
        if (!ValidatePage(page, state)) {
            SetWindowLongPtrW(page, DWLP_MSGRESULT, TRUE);
            return TRUE;
        }
        PushSlotsToDriver(state);
        CopySelectionsToRecord(state);
        RevisitFirstPages(page);
        DeleteLinkFont();
        SetWindowLongPtrW(page, DWLP_MSGRESULT, FALSE);
        return TRUE;
    case PSN_APPLY:
        ReportPageOk(state);
        CommitWatermarksOnApply(state);
        CommitOverlayStore(state);
        DeleteLinkFont();
        SetWindowLongPtrW(page, DWLP_MSGRESULT, PSNRET_NOERROR);
        return TRUE;
    case PSN_RESET:
        DropWatermarksOnReset(state);
        DeleteLinkFont();
        return FALSE;
    default:
        return FALSE;
    }
}

}  // namespace

void RefreshJobOptionsPage(HWND page, DocUiState *state) { RefreshPage(page, state); }

bool ReadItemRange(const OPTITEM *item, LONG *lower, LONG *upper) {
    if (!item || !item->pOptType || item->pOptType->Count <= kRangeParam ||
        !item->pOptType->pOptParam)
        return false;
    const OPTPARAM &range = item->pOptType->pOptParam[kRangeParam];
    *lower = static_cast<LONG>(range.IconID);
    *upper = static_cast<LONG>(range.lParam);
    return true;
}

bool ReadDriverSetting(const DocUiState *state, const char *keyword, DriverAnswer *answer) {
    *answer = {};
    const POEMUIPSPARAM sheet = state->pOemUiPsParam;
    const POEMUIOBJ object = sheet ? sheet->poemuiobj : nullptr;
    if (!object || !object->pOemUIProcs || !object->pOemUIProcs->DrvGetDriverSetting) return false;
    DWORD needed = 0, options = 0;
    if (object->pOemUIProcs->DrvGetDriverSetting(object, keyword, answer->text,
                                                 sizeof(answer->text) - 1, &needed, &options))
        return true;
    *answer = {};
    return false;
}

DriverFlag QueryDriverFlag(const DocUiState *state, const char *keyword) {
    DriverAnswer answer;
    if (!ReadDriverSetting(state, keyword, &answer)) return DriverFlag::Unknown;
    return ReadDriverFlag(answer.text, sizeof(answer.text));
}

INT_PTR CALLBACK JobOptionsPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG)
        return InitPage(page, reinterpret_cast<const PROPSHEETPAGEW *>(lParam));
    DocUiState *state = PageState(page);
    if (!state) return FALSE;
    switch (message) {
    case WM_COMMAND:
        return OnCommand(page, state, LOWORD(wParam), HIWORD(wParam));
    case WM_NOTIFY:
        return OnNotify(page, state, reinterpret_cast<const NMHDR *>(lParam));
    case WM_ACTIVATE:
        DrawQualityPicture(page, state);
        return FALSE;
    case WM_DRAWITEM:
        if (wParam == IDC_QUALITY_PICTURE)
            DrawQualityPicture(page, state);
        else if (wParam == IDC_BANNER)
            DrawTransparentBitmap(page, PluginModule, IDC_BANNER, IDB_JOB_BANNER);
        return TRUE;
    case WM_SETCURSOR:
        return SetLinkCursor(page, state, reinterpret_cast<HWND>(wParam));
    case WM_CTLCOLORSTATIC:
        return ColourLinkLabel(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam));
    default:
        return HandleContextHelpMessage(message, wParam, lParam, TRUE, FALSE);
    }
}
