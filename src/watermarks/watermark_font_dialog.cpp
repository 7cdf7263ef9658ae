#include "watermarks/watermark_dialogs.h"

#include "core/context_help.h"
#include "core/localized_resources.h"
#include "core/plugin_module.h"
#include "resources/resource_ids.h"
#include "watermarks/watermark_font_list.h"

#include <imm.h>

namespace {

constexpr INT_PTR kFontOk = 1;
constexpr INT_PTR kFontCancel = 2;
constexpr UINT kFontNameLimit = 30;
constexpr UINT kShortTextLimit = 5;
constexpr int kStyleNameChars = 64;
constexpr int kSizeTextChars = 16;
constexpr unsigned kStyles = 4;
// A list file without gaps ends long before this.
constexpr uint32_t kMaxFontKeys = 1000;

// The dialog's own values, taken from the working record when it opens.
struct FontChoice {
    uint32_t fontIndex;
    uint32_t size;
    uint32_t weight;
    uint8_t italic;
};

FontChoice Choice;

DocUiState *DialogState(HWND dialog) {
    return reinterpret_cast<DocUiState *>(GetWindowLongPtrW(dialog, DWLP_USER));
}

void TakeFromWorking(const DocUiState *state) {
    const WatermarkRecord *working = state->watermarks.pWmWorking;
    Choice = {working->dwFontIndex, working->dwSize, working->dwWeight, working->bItalic};
}

void ShowFontName(HWND dialog) {
    FontEntry entry;
    const bool found = ReadFontListEntry(Choice.fontIndex + 1, &entry);
    SetDlgItemTextW(dialog, IDC_FONT_NAME, found ? reinterpret_cast<const WCHAR *>(entry.field[0]) : L"");
}

void FillFontList(HWND dialog, DocUiState *) {
    HWND list = GetDlgItem(dialog, IDC_FONT_LIST);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    const uint32_t end = FontListEnd();
    FontEntry entry;
    for (uint32_t number = 1; number < kMaxFontKeys && number != end; ++number) {
        if (!ReadFontListEntry(number, &entry)) break;
        const LRESULT line = SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.field[0]));
        if (line >= 0) SendMessageW(list, LB_SETITEMDATA, static_cast<WPARAM>(line), number - 1);
    }
    SendMessageW(list, LB_SETCURSEL, Choice.fontIndex, 0);
    SendDlgItemMessageW(dialog, IDC_FONT_NAME, EM_LIMITTEXT, kFontNameLimit, 0);
    ShowFontName(dialog);
}

void ShowStyleName(HWND dialog, unsigned style) {
    WCHAR name[kStyleNameChars] = L"";
    LoadLocalizedString(PluginModule, IDS_FONT_STYLE_REGULAR + style, name, kStyleNameChars);
    SetDlgItemTextW(dialog, IDC_STYLE_NAME, name);
}

void FillStyleList(HWND dialog) {
    HWND list = GetDlgItem(dialog, IDC_STYLE_LIST);
    for (unsigned style = 0; style < kStyles; ++style) {
        WCHAR name[kStyleNameChars] = L"";
        LoadLocalizedString(PluginModule, IDS_FONT_STYLE_REGULAR + style, name, kStyleNameChars);
        const LRESULT line = SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
        if (line >= 0) SendMessageW(list, LB_SETITEMDATA, static_cast<WPARAM>(line), style);
    }
    const unsigned style = WatermarkStyleIndex(Choice.weight, Choice.italic);
    SendMessageW(list, LB_SETCURSEL, style, 0);
    SendDlgItemMessageW(dialog, IDC_STYLE_NAME, EM_LIMITTEXT, kShortTextLimit, 0);
    ShowStyleName(dialog, style);
}

void FillSizeList(HWND dialog) {
    HWND list = GetDlgItem(dialog, IDC_SIZE_LIST);
    for (unsigned line = 0; line < kFontSizeLines; ++line) {
        WCHAR text[kSizeTextChars] = L"";
        LoadLocalizedString(PluginModule, IDS_FONT_SIZE_8 + line, text, kSizeTextChars);
        const LRESULT added = SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
        if (added >= 0) SendMessageW(list, LB_SETITEMDATA, static_cast<WPARAM>(added), line);
    }
    SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(FontSizeLine(Choice.size)), 0);
    SendDlgItemMessageW(dialog, IDC_SIZE_VALUE, EM_LIMITTEXT, kShortTextLimit, 0);
    SetDlgItemInt(dialog, IDC_SIZE_VALUE, Choice.size, FALSE);
}

LRESULT SelectedData(HWND dialog, UINT id) {
    HWND list = GetDlgItem(dialog, id);
    const LRESULT line = SendMessageW(list, LB_GETCURSEL, 0, 0);
    return line == LB_ERR ? LB_ERR : SendMessageW(list, LB_GETITEMDATA, static_cast<WPARAM>(line), 0);
}

void OnSizeTyped(HWND dialog) {
    ImmAssociateContext(GetDlgItem(dialog, IDC_SIZE_VALUE), nullptr);
    const int16_t typed = static_cast<int16_t>(GetDlgItemInt(dialog, IDC_SIZE_VALUE, nullptr, FALSE));
    Choice.size = typed < 0 ? kMinWatermarkSize
                            : (typed > static_cast<int16_t>(kMaxWatermarkSize) ? kMaxWatermarkSize
                                                                               : static_cast<uint32_t>(typed));
    SendDlgItemMessageW(dialog, IDC_SIZE_LIST, LB_SETCURSEL, static_cast<WPARAM>(FontSizeLine(Choice.size)), 0);
}

BOOL OnCommand(HWND dialog, DocUiState *state, UINT id, UINT code) {
    switch (id) {
    case IDC_FONT_LIST: {
        if (code != LBN_SELCHANGE) return TRUE;
        const LRESULT data = SelectedData(dialog, id);
        if (data == LB_ERR) return TRUE;
        Choice.fontIndex = static_cast<uint32_t>(data);
        ShowFontName(dialog);
        FillFontList(dialog, state);
        return TRUE;
    }
    case IDC_STYLE_LIST: {
        if (code != LBN_SELCHANGE) return TRUE;
        const LRESULT data = SelectedData(dialog, id);
        if (data == LB_ERR) return TRUE;
        ApplyWatermarkStyle(static_cast<unsigned>(data), &Choice.weight, &Choice.italic);
        ShowStyleName(dialog, static_cast<unsigned>(data));
        return TRUE;
    }
    case IDC_SIZE_LIST: {
        if (code != LBN_SELCHANGE) return TRUE;
        const LRESULT data = SelectedData(dialog, id);
        if (data == LB_ERR) return TRUE;
        Choice.size = FontSizeOfLine(static_cast<unsigned>(data));
        SetDlgItemInt(dialog, IDC_SIZE_VALUE, Choice.size, FALSE);
        return TRUE;
    }
    case IDC_SIZE_VALUE:
        OnSizeTyped(dialog);
        return TRUE;
    case IDC_FONT_NAME:
    case IDC_STYLE_NAME:
        return TRUE;
    case IDOK: {
        WatermarkRecord *working = state->watermarks.pWmWorking;
        working->dwSize = Choice.size;
        working->dwFontIndex = Choice.fontIndex;
        working->dwWeight = Choice.weight;
        working->bItalic = Choice.italic;
        EndDialog(dialog, kFontOk);
        return TRUE;
    }
    case IDCANCEL:
        TakeFromWorking(state);
        EndDialog(dialog, kFontCancel);
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL InitFontDialog(HWND dialog, DocUiState *state) {
    SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(state));
    TakeFromWorking(state);
    ApplyHelpButtonRule(dialog);
    FillFontList(dialog, state);
    FillStyleList(dialog);
    FillSizeList(dialog);
    SetFocus(GetDlgItem(dialog, IDC_FONT_LIST));
    return FALSE;
}

}  // namespace

INT_PTR CALLBACK WatermarkFontDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto *state = reinterpret_cast<DocUiState *>(lParam);
        if (!state || !state->watermarks.pWmWorking) {
            EndDialog(dialog, kFontCancel);
            return TRUE;
        }
        return InitFontDialog(dialog, state);
    }
    DocUiState *state = DialogState(dialog);
    if (!state || !state->watermarks.pWmWorking) return FALSE;
    switch (message) {
    case WM_COMMAND:
        return OnCommand(dialog, state, LOWORD(wParam), HIWORD(wParam));
    case WM_CONTEXTMENU:
        return HandleContextHelpMessage(message, wParam, lParam, TRUE, FALSE);
    default:
        return FALSE;
    }
}
