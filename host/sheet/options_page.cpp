#include "sheet/options_page.h"

#include "driver/driver_items.h"
#include "host_text.h"

#include <commctrl.h>

const WCHAR kOptionsPageTitle[] = L"Advanced";

namespace {

// The page matches the plug-in's pages in size (dialog units).
constexpr short kPageWidth = 299;
constexpr short kPageHeight = 273;
constexpr WORD kFontPoints = 8;
const WCHAR kFontFace[] = L"MS Shell Dlg";
constexpr DWORD kPageStyle = DS_SETFONT | DS_3DLOOK | DS_CONTROL | WS_CHILD | WS_CAPTION;

// Row layout, in dialog units.
constexpr int kMargin = 7;
constexpr int kRowHeight = 16;
constexpr int kLabelX = 7;
constexpr int kLabelWidth = 128;
constexpr int kLabelHeight = 8;
constexpr int kLabelDrop = 3;
constexpr int kChoiceX = 140;
constexpr int kChoiceWidth = 152;
constexpr int kChoiceHeight = 14;
constexpr int kListDropHeight = 150;
constexpr int kNumberWidth = 48;
constexpr int kCheckX = 196;
constexpr int kCheckWidth = 96;

constexpr UINT kFirstRowId = 3000;
constexpr UINT kIdsPerRow = 4;
enum RowPart : UINT { kLabelPart, kChoicePart, kSpinPart, kCheckPart };

// Posted to the page from WM_INITDIALOG: the sheet is there once it arrives.
constexpr UINT kSheetShownMessage = WM_APP + 1;
const WCHAR kLabelEnd[] = L":";

void AppendWords(std::vector<WORD> *out, DWORD value) {
    out->push_back(LOWORD(value));
    out->push_back(HIWORD(value));
}

void AppendText(std::vector<WORD> *out, const WCHAR *text) {
    for (; *text; ++text) out->push_back(*text);
    out->push_back(0);
}

// An empty page: DLGTEMPLATE, no menu, the default class, a title, the font.
std::vector<WORD> PageTemplate(const WCHAR *title) {
    std::vector<WORD> words;
    AppendWords(&words, kPageStyle);
    AppendWords(&words, 0);
    words.push_back(0);  // no controls: they come with the items
    words.push_back(0);
    words.push_back(0);
    words.push_back(static_cast<WORD>(kPageWidth));
    words.push_back(static_cast<WORD>(kPageHeight));
    words.push_back(0);
    words.push_back(0);
    AppendText(&words, title);
    words.push_back(kFontPoints);
    AppendText(&words, kFontFace);
    return words;
}

std::wstring OptionText(const OPTPARAM &param) {
    if (!param.pData) return L"";
    if (IS_INTRESOURCE(param.pData))
        return L"#" + std::to_wstring(reinterpret_cast<ULONG_PTR>(param.pData));
    return param.pData;
}

UINT RowId(size_t row, RowPart part) {
    return kFirstRowId + static_cast<UINT>(row) * kIdsPerRow + part;
}

}  // namespace

OptionsPage::OptionsPage(OptionsPageOwner &owner, const WCHAR *title)
    : owner_(owner), title_(title), template_(PageTemplate(title)) {}

void OptionsPage::Describe(PROPSHEETPAGEW *page) {
    ZeroMemory(page, sizeof(*page));
    page->dwSize = sizeof(*page);
    page->dwFlags = PSP_DLGINDIRECT | PSP_USETITLE;
    page->hInstance = GetModuleHandleW(nullptr);
    page->pResource = reinterpret_cast<const DLGTEMPLATE *>(template_.data());
    page->pszTitle = title_;
    page->pfnDlgProc = DialogProc;
    page->lParam = reinterpret_cast<LPARAM>(this);
}

int OptionsPage::ToPixelsY(int dialogUnits) const {
    RECT rect = {0, 0, 0, dialogUnits};
    MapDialogRect(window_, &rect);
    return rect.bottom;
}

int OptionsPage::ToPixelsX(int dialogUnits) const {
    RECT rect = {0, 0, dialogUnits, 0};
    MapDialogRect(window_, &rect);
    return rect.right;
}

void OptionsPage::AddRow(OPTITEM *item, long driverIndex) {
    if ((item->Flags & OPTIF_HIDE) || !item->pOptType) return;
    Row row;
    row.item = item;
    row.driverIndex = driverIndex;
    const size_t index = rows_.size();
    const int top = ToPixelsY(kMargin + static_cast<int>(index) * kRowHeight);
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    const HFONT font = reinterpret_cast<HFONT>(SendMessageW(window_, WM_GETFONT, 0, 0));
    const bool enabled =
        !(item->Flags & OPTIF_DISABLED) && !owner_.ReadOnly();
    auto create = [&](DWORD exStyle, const WCHAR *className, const std::wstring &text, DWORD style,
                      int x, int y, int width, int height, RowPart part) {
        HWND control = CreateWindowExW(exStyle, className, text.c_str(), WS_CHILD | WS_VISIBLE | style,
                                       ToPixelsX(x), y, ToPixelsX(width), height, window_,
                                       reinterpret_cast<HMENU>(static_cast<UINT_PTR>(RowId(index, part))),
                                       instance, nullptr);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        if (part != kLabelPart) EnableWindow(control, enabled);
        return control;
    };
    // A push button carries its own name, across the whole row.
    const bool pushButton = item->pOptType->Type == TVOT_PUSHBUTTON;
    if (!pushButton)
        row.label = create(0, WC_STATICW, ItemName(*item) + kLabelEnd, SS_LEFT | SS_NOPREFIX,
                           kLabelX, top + ToPixelsY(kLabelDrop), kLabelWidth,
                           ToPixelsY(kLabelHeight), kLabelPart);
    LONG lower = 0, upper = 0;
    if (pushButton) {
        row.button = true;
        row.choice = create(0, WC_BUTTONW, ItemName(*item), BS_PUSHBUTTON | BS_NOTIFY | WS_TABSTOP,
                            kLabelX, top, kChoiceX + kChoiceWidth - kLabelX,
                            ToPixelsY(kChoiceHeight), kChoicePart);
    } else if (ItemRange(*item, &lower, &upper)) {
        row.choice = create(WS_EX_CLIENTEDGE, WC_EDITW, L"", ES_NUMBER | ES_AUTOHSCROLL | WS_TABSTOP,
                            kChoiceX, top, kNumberWidth, ToPixelsY(kChoiceHeight), kChoicePart);
        row.spin = create(0, UPDOWN_CLASSW, L"",
                          UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS, 0, top,
                          0, 0, kSpinPart);
        SendMessageW(row.spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(row.choice), 0);
        SendMessageW(row.spin, UDM_SETRANGE32, static_cast<WPARAM>(lower), static_cast<LPARAM>(upper));
        if (item->pExtChkBox && !(item->Flags & (OPTIF_EXT_HIDE | OPTIF_EXT_IS_EXTPUSH))) {
            const WCHAR *title = item->pExtChkBox->pTitle;
            row.check = create(0, WC_BUTTONW, IS_INTRESOURCE(title) ? L"" : title,
                               BS_AUTOCHECKBOX | WS_TABSTOP, kCheckX, top, kCheckWidth,
                               ToPixelsY(kChoiceHeight), kCheckPart);
        }
    } else {
        row.choice = create(0, WC_COMBOBOXW, L"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, kChoiceX,
                            top, kChoiceWidth, ToPixelsY(kListDropHeight), kChoicePart);
        const OPTTYPE *type = item->pOptType;
        for (WORD i = 0; type->pOptParam && i < type->Count; ++i) {
            if (type->pOptParam[i].Flags & OPTPF_HIDE) continue;
            row.options.push_back(i);
            SendMessageW(row.choice, CB_ADDSTRING, 0,
                         reinterpret_cast<LPARAM>(OptionText(type->pOptParam[i]).c_str()));
        }
    }
    rows_.push_back(std::move(row));
}

void OptionsPage::LayOut() {
    contentHeight_ = ToPixelsY(kMargin * 2 + static_cast<int>(rows_.size()) * kRowHeight);
    RECT client;
    GetClientRect(window_, &client);
    SCROLLINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMax = contentHeight_ > client.bottom ? contentHeight_ - 1 : 0;
    info.nPage = static_cast<UINT>(client.bottom);
    SetScrollInfo(window_, SB_VERT, &info, TRUE);
}

void OptionsPage::Init(HWND window) {
    window_ = window;
    rows_.clear();
    scroll_ = 0;
    OPTITEM *items = owner_.DriverItemArray();
    for (DWORD i = 0; i < owner_.DriverItemCount(); ++i) AddRow(&items[i], static_cast<long>(i));
    for (DWORD i = 0; i < owner_.PluginItemCount(); ++i) AddRow(&owner_.PluginItems()[i], -1);
    LayOut();
    Refresh();
}

void OptionsPage::RefreshRow(const Row &row) {
    if (row.button) {
        EnableWindow(row.choice, !(row.item->Flags & OPTIF_DISABLED) && !owner_.ReadOnly());
        return;
    }
    if (row.spin) {
        SendMessageW(row.spin, UDM_SETPOS32, 0, row.item->Sel);
        if (row.check)
            SendMessageW(row.check, BM_SETCHECK,
                         (row.item->Flags & OPTIF_ECB_CHECKED) ? BST_CHECKED : BST_UNCHECKED, 0);
        return;
    }
    WPARAM position = static_cast<WPARAM>(-1);
    for (size_t i = 0; i < row.options.size(); ++i)
        if (row.options[i] == row.item->Sel) position = i;
    SendMessageW(row.choice, CB_SETCURSEL, position, 0);
}

void OptionsPage::Refresh() {
    refreshing_ = true;
    for (const Row &row : rows_) RefreshRow(row);
    refreshing_ = false;
}

void OptionsPage::ChangeRow(Row &row, LONG sel, WORD reason) {
    const LONG old = row.item->Sel;
    if (row.driverIndex >= 0) {
        if (!owner_.ChangeDriverItem(static_cast<size_t>(row.driverIndex), sel)) {
            MessageBeep(MB_ICONWARNING);
            refreshing_ = true;
            RefreshRow(row);
            refreshing_ = false;
            return;
        }
    } else {
        row.item->Sel = sel;
        row.item->Flags |= OPTIF_CHANGED;
    }
    const LONG action = owner_.NotifyPlugin(reason, window_, row.item, old);
    if (action == CPSUICB_ACTION_OPTIF_CHANGED || action == CPSUICB_ACTION_REINIT_ITEMS) Refresh();
    PropSheet_Changed(GetParent(window_), window_);
}

// The tree page tells the plug-in which of its items the user is on.
void OptionsPage::FocusRow(const Row &row) {
    if (row.driverIndex >= 0 || !(row.item->Flags & OPTIF_CALLBACK)) return;
    owner_.NotifyPlugin(CPSUICB_REASON_OPTITEM_SETFOCUS, window_, row.item, row.item->Sel);
    refreshing_ = true;
    RefreshRow(row);
    refreshing_ = false;
}

void OptionsPage::OnCommand(UINT id, UINT code) {
    if (refreshing_ || id < kFirstRowId) return;
    const size_t index = (id - kFirstRowId) / kIdsPerRow;
    const UINT part = (id - kFirstRowId) % kIdsPerRow;
    if (index >= rows_.size()) return;
    Row &row = rows_[index];
    if (part == kChoicePart && row.button) {
        if (code == BN_CLICKED) ChangeRow(row, row.item->Sel, CPSUICB_REASON_SEL_CHANGED);
        else if (code == BN_SETFOCUS) FocusRow(row);
        return;
    }
    if (part == kChoicePart && code == CBN_SELCHANGE) {
        const LRESULT position = SendMessageW(row.choice, CB_GETCURSEL, 0, 0);
        if (position >= 0 && static_cast<size_t>(position) < row.options.size())
            ChangeRow(row, row.options[static_cast<size_t>(position)], CPSUICB_REASON_SEL_CHANGED);
        return;
    }
    if (part == kChoicePart && code == EN_CHANGE && row.spin) {
        BOOL translated = FALSE;
        const LONG value = static_cast<LONG>(GetDlgItemInt(window_, id, &translated, TRUE));
        if (translated && value != row.item->Sel && SelectionFits(*row.item, value))
            ChangeRow(row, value, CPSUICB_REASON_SEL_CHANGED);
        return;
    }
    if (part == kCheckPart && code == BN_CLICKED) {
        if (SendMessageW(row.check, BM_GETCHECK, 0, 0) == BST_CHECKED)
            row.item->Flags |= OPTIF_ECB_CHECKED;
        else
            row.item->Flags &= ~OPTIF_ECB_CHECKED;
        ChangeRow(row, row.item->Sel, CPSUICB_REASON_ECB_CHANGED);
    }
}

INT_PTR OptionsPage::OnNotify(const NMHDR *header) {
    switch (header->code) {
    case PSN_SETACTIVE:
        Refresh();
        if (owner_.NotifyPlugin(CPSUICB_REASON_SETACTIVE, window_, nullptr, 0) !=
            CPSUICB_ACTION_NONE)
            Refresh();
        // The tree starts on its first item; the plug-in hears of its own.
        for (const Row &row : rows_) {
            if (row.driverIndex >= 0) continue;
            FocusRow(row);
            break;
        }
        SetWindowLongPtrW(window_, DWLP_MSGRESULT, 0);
        return TRUE;
    case PSN_KILLACTIVE:
        owner_.NotifyPlugin(CPSUICB_REASON_KILLACTIVE, window_, nullptr, 0);
        SetWindowLongPtrW(window_, DWLP_MSGRESULT, FALSE);
        return TRUE;
    case PSN_APPLY: {
        owner_.NotifyPlugin(CPSUICB_REASON_APPLYNOW, window_, nullptr, 0);
        std::string error;
        if (!owner_.Store(&error)) PrintError(error);
        SetWindowLongPtrW(window_, DWLP_MSGRESULT, PSNRET_NOERROR);
        return TRUE;
    }
    default:
        return FALSE;
    }
}

void OptionsPage::OnScroll(UINT request) {
    SCROLLINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    GetScrollInfo(window_, SB_VERT, &info);
    const int line = ToPixelsY(kRowHeight);
    int position = info.nPos;
    switch (request) {
    case SB_LINEUP: position -= line; break;
    case SB_LINEDOWN: position += line; break;
    case SB_PAGEUP: position -= static_cast<int>(info.nPage); break;
    case SB_PAGEDOWN: position += static_cast<int>(info.nPage); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: position = info.nTrackPos; break;
    case SB_TOP: position = info.nMin; break;
    case SB_BOTTOM: position = info.nMax; break;
    default: return;
    }
    const int last = info.nMax - static_cast<int>(info.nPage) + 1;
    if (position > last) position = last;
    if (position < 0) position = 0;
    if (position == scroll_) return;
    ScrollWindowEx(window_, 0, scroll_ - position, nullptr, nullptr, nullptr, nullptr,
                   SW_SCROLLCHILDREN | SW_INVALIDATE | SW_ERASE);
    scroll_ = position;
    info.fMask = SIF_POS;
    info.nPos = position;
    SetScrollInfo(window_, SB_VERT, &info, TRUE);
}

INT_PTR CALLBACK OptionsPage::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto *page = reinterpret_cast<OptionsPage *>(reinterpret_cast<PROPSHEETPAGEW *>(lParam)->lParam);
        SetWindowLongPtrW(window, DWLP_USER, reinterpret_cast<LONG_PTR>(page));
        page->Init(window);
        PostMessageW(window, kSheetShownMessage, 0, 0);
        return TRUE;
    }
    auto *page = reinterpret_cast<OptionsPage *>(GetWindowLongPtrW(window, DWLP_USER));
    if (!page) return FALSE;
    switch (message) {
    case kSheetShownMessage:
        page->owner_.SheetShown(GetParent(window));
        return TRUE;
    case WM_COMMAND:
        page->OnCommand(LOWORD(wParam), HIWORD(wParam));
        return FALSE;
    case WM_NOTIFY:
        return page->OnNotify(reinterpret_cast<const NMHDR *>(lParam));
    case WM_VSCROLL:
        if (lParam) return FALSE;
        page->OnScroll(LOWORD(wParam));
        return TRUE;
    case WM_DESTROY:
        page->window_ = nullptr;
        page->rows_.clear();
        return FALSE;
    default:
        return FALSE;
    }
}
