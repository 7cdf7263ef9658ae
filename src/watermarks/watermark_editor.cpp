#include "watermarks/watermark_dialogs.h"

#include "core/context_help.h"
#include "core/dialog_utils.h"
#include "core/localized_resources.h"
#include "core/plugin_module.h"
#include "resources/resource_ids.h"
#include "watermarks/watermark_font_list.h"
#include "watermarks/watermark_preview.h"
#include "watermarks/watermark_store.h"

#include <commctrl.h>
#include <commdlg.h>
#include <imm.h>

namespace {

constexpr INT_PTR kEditorOk = 1;
constexpr INT_PTR kEditorCancel = 2;
constexpr int kPositionNameChars = 64;
constexpr int kOffsetTextChars = 16;
constexpr UINT kOffsetTextLimit = 5;
constexpr int kPageStep = 10;
constexpr UINT kSizeEmptyValue = kDefaultWatermarkSize;
constexpr int kAngleEmptyValue = kDefaultWatermarkAngle;

// The adjustment edits rewrite themselves through their up-down controls;
// the rewrite must not filter again.
bool RewritingOffset;

DocUiState *DialogState(HWND dialog) {
    return reinterpret_cast<DocUiState *>(GetWindowLongPtrW(dialog, DWLP_USER));
}

const WatermarkRecord &SelectedEntry(const WatermarkList &list) {
    const uint32_t selected = list.iWmSelected <= list.cWatermarks ? list.iWmSelected : 0;
    return *list.apWatermarks[selected];
}

bool Has(HWND dialog, UINT id) { return GetDlgItem(dialog, id) != nullptr; }

void DetachInputMethod(HWND dialog, UINT id) { ImmAssociateContext(GetDlgItem(dialog, id), nullptr); }

void InitWatermarkEditor(HWND dialog, DocUiState *state) {
    SendDlgItemMessageW(dialog, IDC_WATERMARK_TEXT, EM_LIMITTEXT, kWatermarkTextChars - 1, 0);
    SetScrollRange(GetDlgItem(dialog, IDC_WATERMARK_SIZE_BAR), SB_CTL, kMinWatermarkSize,
                   kMaxWatermarkSize, FALSE);
    SetScrollRange(GetDlgItem(dialog, IDC_WATERMARK_ANGLE_BAR), SB_CTL, kMinWatermarkAngle,
                   kMaxWatermarkAngle, FALSE);
    SendDlgItemMessageW(dialog, IDC_WATERMARK_OFFSET_X, EM_LIMITTEXT, kOffsetTextLimit, 0);
    SendDlgItemMessageW(dialog, IDC_WATERMARK_OFFSET_Y, EM_LIMITTEXT, kOffsetTextLimit, 0);
    SendDlgItemMessageW(dialog, IDC_WATERMARK_OFFSET_X_SPIN, UDM_SETRANGE32, kMinWatermarkOffset,
                        kMaxWatermarkOffset);
    SendDlgItemMessageW(dialog, IDC_WATERMARK_OFFSET_Y_SPIN, UDM_SETRANGE32, kMinWatermarkOffset,
                        kMaxWatermarkOffset);
    HWND positions = GetDlgItem(dialog, IDC_WATERMARK_POSITION);
    SendMessageW(positions, CB_RESETCONTENT, 0, 0);
    for (UINT position = 0; position < kWatermarkPositions; ++position) {
        WCHAR name[kPositionNameChars] = L"";
        LoadLocalizedString(PluginModule, IDS_POSITION_UPPER_LEFT + position, name, kPositionNameChars);
        const LRESULT line = SendMessageW(positions, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
        if (line >= 0) SendMessageW(positions, CB_SETITEMDATA, static_cast<WPARAM>(line), position);
    }
    TakeSelectedAsWorking(&state->watermarks);
    ClearNoneWorkingText(dialog, &state->watermarks);
}

void SendScroll(HWND dialog, UINT barId, int position) {
    SendMessageW(dialog, WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, static_cast<WORD>(position)),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, barId)));
}

void SelectPositionLine(HWND dialog, uint16_t position) {
    HWND list = GetDlgItem(dialog, IDC_WATERMARK_POSITION);
    const LRESULT count = SendMessageW(list, CB_GETCOUNT, 0, 0);
    for (LRESULT line = 0; line < count; ++line)
        if (static_cast<uint16_t>(SendMessageW(list, CB_GETITEMDATA, line, 0)) == position) {
            SendMessageW(list, CB_SETCURSEL, line, 0);
            return;
        }
    SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
}

void FillWatermarkList(HWND dialog, const WatermarkList &list) {
    HWND box = GetDlgItem(dialog, IDC_WATERMARK_LIST);
    SendMessageW(box, LB_RESETCONTENT, 0, 0);
    for (uint32_t i = 0; i <= list.cWatermarks; ++i)
        SendMessageW(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(list.apWatermarks[i]->wszText));
    SendMessageW(box, LB_SETCURSEL, list.iWmSelected, 0);
}

// The adjustment edit keeps digits and a leading minus, held to its range;
// it is rewritten only when it shows something else than the number.
void ReadOffset(HWND dialog, UINT editId, UINT spinId, int32_t *field) {
    HWND edit = GetDlgItem(dialog, editId);
    WCHAR text[kOffsetTextChars] = L"";
    const int length = GetWindowTextW(edit, text, kOffsetTextChars);
    if (length <= 0 || RewritingOffset) return;
    const OffsetText filtered = FilterOffsetText(reinterpret_cast<const char16_t *>(text),
                                                 static_cast<size_t>(length));
    *field = filtered.value;
    WCHAR shown[kOffsetTextChars];
    wsprintfW(shown, L"%d", filtered.value);
    if (lstrcmpW(shown, text) == 0) return;
    RewritingOffset = true;
    SendDlgItemMessageW(dialog, spinId, UDM_SETPOS32, 0, filtered.value);
    RewritingOffset = false;
    const WPARAM caret = filtered.dropped ? filtered.kept : static_cast<WPARAM>(lstrlenW(shown));
    SendMessageW(edit, EM_SETSEL, caret, caret);
}

void ReadWatermarkControls(HWND dialog, WatermarkRecord *working, DocUiState *state) {
    const WatermarkRecord &selected = SelectedEntry(state->watermarks);
    GetDlgItemTextW(dialog, IDC_WATERMARK_TEXT, reinterpret_cast<WCHAR *>(working->wszText),
                    kWatermarkTextChars);
    BOOL isNumber = FALSE;
    const UINT size = GetDlgItemInt(dialog, IDC_WATERMARK_SIZE, &isNumber, FALSE);
    working->dwSize = isNumber ? static_cast<uint32_t>(static_cast<int16_t>(size)) : selected.dwSize;
    const int angle = static_cast<int>(GetDlgItemInt(dialog, IDC_WATERMARK_ANGLE, &isNumber, TRUE));
    working->sAngle = isNumber ? static_cast<int16_t>(angle) : selected.sAngle;
    ReadOffset(dialog, IDC_WATERMARK_OFFSET_X, IDC_WATERMARK_OFFSET_X_SPIN, &working->lOffsetX);
    ReadOffset(dialog, IDC_WATERMARK_OFFSET_Y, IDC_WATERMARK_OFFSET_Y_SPIN, &working->lOffsetY);
}

void UpdatePreview(HWND dialog, DocUiState *state) {
    ReadWatermarkControls(dialog, state->watermarks.pWmWorking, state);
    DrawWatermarkPreview(dialog, IDC_WATERMARK_PREVIEW);
}

void EnableOkForText(HWND dialog, const DocUiState *state) {
    EnableWindow(GetDlgItem(dialog, IDOK), state->watermarks.pWmWorking->wszText[0] != 0);
}

BOOL OnScroll(HWND dialog, DocUiState *state, WPARAM wParam, HWND bar) {
    const UINT barId = static_cast<UINT>(GetDlgCtrlID(bar));
    if (barId != IDC_WATERMARK_SIZE_BAR && barId != IDC_WATERMARK_ANGLE_BAR) return FALSE;
    const bool isSize = barId == IDC_WATERMARK_SIZE_BAR;
    const UINT code = LOWORD(wParam);
    int position = GetScrollPos(bar, SB_CTL);
    switch (code) {
    case SB_LINELEFT: position -= 1; break;
    case SB_LINERIGHT: position += 1; break;
    case SB_PAGELEFT: position -= kPageStep; break;
    case SB_PAGERIGHT: position += kPageStep; break;
    case SB_THUMBTRACK: position = static_cast<int16_t>(HIWORD(wParam)); break;
    default: break;
    }
    const int low = isSize ? static_cast<int>(kMinWatermarkSize) : kMinWatermarkAngle;
    const int high = isSize ? static_cast<int>(kMaxWatermarkSize) : kMaxWatermarkAngle;
    position = position < low ? low : (position > high ? high : position);
    if (code != SB_ENDSCROLL) SetScrollPos(bar, SB_CTL, position, TRUE);
    SetDlgItemInt(dialog, isSize ? IDC_WATERMARK_SIZE : IDC_WATERMARK_ANGLE,
                  static_cast<UINT>(position), !isSize);
    UpdatePreview(dialog, state);
    return TRUE;
}

void OnNumberEdit(HWND dialog, DocUiState *state, UINT id, UINT code) {
    DetachInputMethod(dialog, IDC_WATERMARK_SIZE);
    DetachInputMethod(dialog, IDC_WATERMARK_ANGLE);
    const bool isSize = id == IDC_WATERMARK_SIZE;
    auto *saved = reinterpret_cast<WCHAR *>(state->watermarks.wszSavedNumber);
    if (isSize)
        ValidateNumericEdit(dialog, code, id, kSizeEmptyValue, kMinWatermarkSize, kMaxWatermarkSize,
                            saved, 0, FALSE);
    else
        ValidateNumericEdit(dialog, code, id, kAngleEmptyValue, kMinWatermarkAngle, kMaxWatermarkAngle,
                            saved, 0, TRUE);
    if (code == EN_CHANGE) {
        BOOL isNumber = FALSE;
        const int value = static_cast<int>(GetDlgItemInt(dialog, id, &isNumber, !isSize));
        if (isNumber)
            SetScrollPos(GetDlgItem(dialog, isSize ? IDC_WATERMARK_SIZE_BAR : IDC_WATERMARK_ANGLE_BAR),
                         SB_CTL, value, TRUE);
    }
    UpdatePreview(dialog, state);
}

void OnPositionChosen(HWND dialog, DocUiState *state) {
    HWND list = GetDlgItem(dialog, IDC_WATERMARK_POSITION);
    const LRESULT line = SendMessageW(list, CB_GETCURSEL, 0, 0);
    if (line == CB_ERR) return;
    WatermarkRecord *working = state->watermarks.pWmWorking;
    working->wPosition = static_cast<uint16_t>(SendMessageW(list, CB_GETITEMDATA, line, 0));
    working->lOffsetX = 0;
    working->lOffsetY = 0;
    SetDlgItemInt(dialog, IDC_WATERMARK_OFFSET_X, 0, TRUE);
    SetDlgItemInt(dialog, IDC_WATERMARK_OFFSET_Y, 0, TRUE);
    UpdatePreview(dialog, state);
}

void OnChooseColor(HWND dialog, DocUiState *state) {
    WatermarkRecord *working = state->watermarks.pWmWorking;
    ReadCustomColors(state->pPluginIni);
    CHOOSECOLORW choice = {};
    choice.lStructSize = sizeof(choice);
    choice.hwndOwner = dialog;
    choice.rgbResult = working->crColor;
    choice.lpCustColors = CustomColorTable;
    choice.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (ChooseColorW(&choice)) working->crColor = choice.rgbResult;
    WriteCustomColors(state->pPluginIni);
    UpdatePreview(dialog, state);
}

void ResolveFontAndClose(HWND dialog, DocUiState *state) {
    WatermarkRecord *working = state->watermarks.pWmWorking;
    FontEntry entry;
    const bool found = ReadFontListEntry(working->dwFontIndex + 1, &entry);
    ResolvePrinterFont(found ? &entry : nullptr, working);
    EndDialog(dialog, kEditorOk);
}

BOOL OnCommand(HWND dialog, DocUiState *state, UINT id, UINT code) {
    WatermarkRecord *working = state->watermarks.pWmWorking;
    switch (id) {
    case IDC_WATERMARK_TEXT:
        if (!JapaneseThreadLocale()) DetachInputMethod(dialog, IDC_WATERMARK_TEXT);
        if (code != EN_UPDATE) return TRUE;
        UpdatePreview(dialog, state);
        EnableOkForText(dialog, state);
        return TRUE;
    case IDC_WATERMARK_SIZE:
    case IDC_WATERMARK_ANGLE:
        OnNumberEdit(dialog, state, id, code);
        return TRUE;
    case IDC_WATERMARK_OFFSET_X:
    case IDC_WATERMARK_OFFSET_Y:
        DetachInputMethod(dialog, IDC_WATERMARK_OFFSET_X);
        DetachInputMethod(dialog, IDC_WATERMARK_OFFSET_Y);
        if (code == EN_CHANGE) UpdatePreview(dialog, state);
        return TRUE;
    case IDC_WATERMARK_BORDER_NONE:
    case IDC_WATERMARK_BORDER_CIRCLE:
    case IDC_WATERMARK_BORDER_SINGLE:
    case IDC_WATERMARK_BORDER_DOUBLE:
        if (code != BN_CLICKED) return TRUE;
        working->wBorder = static_cast<uint16_t>(id - IDC_WATERMARK_BORDER_NONE);
        UpdatePreview(dialog, state);
        return TRUE;
    case IDC_WATERMARK_POSITION:
        if (code == CBN_SELCHANGE) OnPositionChosen(dialog, state);
        return TRUE;
    case IDC_WATERMARK_FONT:
        if (LocalizedDialogBox(PluginModule, IDD_WATERMARK_FONT, dialog, WatermarkFontDialogProc,
                               reinterpret_cast<LPARAM>(state)) != kEditorOk)
            return TRUE;
        SendScroll(dialog, IDC_WATERMARK_SIZE_BAR, static_cast<int>(working->dwSize));
        UpdatePreview(dialog, state);
        return TRUE;
    case IDC_WATERMARK_COLOR:
        OnChooseColor(dialog, state);
        return TRUE;
    case IDOK:
        if (working->wszText[0]) ResolveFontAndClose(dialog, state);
        return TRUE;
    case IDCANCEL:
        EndDialog(dialog, kEditorCancel);
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL InitEditor(HWND dialog, DocUiState *state) {
    SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(state));
    ApplyHelpButtonRule(dialog);
    InitWatermarkEditor(dialog, state);
    RefreshWatermarkControls(dialog, state);
    EnableOkForText(dialog, state);
    SetFocus(GetDlgItem(dialog, IDC_WATERMARK_TEXT));
    return FALSE;
}

}  // namespace

void RefreshWatermarkControls(HWND dialog, DocUiState *state) {
    const WatermarkList &list = state->watermarks;
    const WatermarkRecord &entry = SelectedEntry(list);
    if (Has(dialog, IDC_WATERMARK_TEXT)) {
        SetDlgItemTextW(dialog, IDC_WATERMARK_TEXT,
                        list.iWmSelected ? reinterpret_cast<const WCHAR *>(entry.wszText) : L"");
        SendScroll(dialog, IDC_WATERMARK_SIZE_BAR, static_cast<int>(entry.dwSize));
        SendScroll(dialog, IDC_WATERMARK_ANGLE_BAR, entry.sAngle);
        SetDlgItemInt(dialog, IDC_WATERMARK_OFFSET_X, static_cast<UINT>(entry.lOffsetX), TRUE);
        SetDlgItemInt(dialog, IDC_WATERMARK_OFFSET_Y, static_cast<UINT>(entry.lOffsetY), TRUE);
        SelectPositionLine(dialog, entry.wPosition);
        CheckRadioButton(dialog, IDC_WATERMARK_BORDER_NONE, IDC_WATERMARK_BORDER_DOUBLE,
                         IDC_WATERMARK_BORDER_NONE + entry.wBorder);
    }
    if (Has(dialog, IDC_WATERMARK_LIST)) {
        FillWatermarkList(dialog, list);
        CheckDlgButton(dialog, IDC_WATERMARK_FIRST_PAGE, entry.bFirstPageOnly ? BST_CHECKED : BST_UNCHECKED);
        CheckDlgButton(dialog, IDC_WATERMARK_BACKGROUND, entry.wBackground ? BST_CHECKED : BST_UNCHECKED);
    }
    DrawWatermarkPreview(dialog, IDC_WATERMARK_PREVIEW);
}

INT_PTR CALLBACK WatermarkEditorProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto *state = reinterpret_cast<DocUiState *>(lParam);
        if (!state || !state->watermarks.pWmWorking) {
            EndDialog(dialog, kEditorCancel);
            return TRUE;
        }
        return InitEditor(dialog, state);
    }
    DocUiState *state = DialogState(dialog);
    if (!state || !state->watermarks.pWmWorking) return FALSE;
    switch (message) {
    case WM_DRAWITEM:
        UpdatePreview(dialog, state);
        return TRUE;
    case WM_HSCROLL:
    case WM_VSCROLL:
        return OnScroll(dialog, state, wParam, reinterpret_cast<HWND>(lParam));
    case WM_COMMAND:
        return OnCommand(dialog, state, LOWORD(wParam), HIWORD(wParam));
    default:
        return HandleContextHelpMessage(message, wParam, lParam, TRUE, FALSE);
    }
}
