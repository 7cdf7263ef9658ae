#include "core/dialog_utils.h"

#include "core/dib_layout.h"
#include "core/gdi_holders.h"
#include "core/localized_resources.h"
#include "core/numeric_edit_rules.h"
#include "core/plugin_module.h"
#include "docstate/overlay_set.h"

#include <commctrl.h>

#include <string>

DWORD SheetVisitFlags = 0;
int PrinterDataWritable = 0;
HFONT LinkFont = nullptr;
HCURSOR HandCursor = nullptr;

namespace {

const COLORREF kTransparentColor = RGB(255, 0, 255);
const WCHAR kLinkFontFace[] = L"Verdana";
constexpr UINT kOverlayListId = 1057;
constexpr UINT kOverlayColumnString = 8010;
constexpr UINT kPageColumnString = 8011;
constexpr int kColumnTextChars = 64;
constexpr int kColumnGap = 2;
constexpr WORD kLogPaletteVersion = 0x300;

// The list view's own procedure while the full-row repaint is in place.
WNDPROC PreviousListProcedure = nullptr;

bool RangeIsEmpty(UINT first, UINT last) { return first > last; }

POINT ControlCorner(HWND dialog, UINT controlId) {
    POINT corner = {0, 0};
    RECT rect;
    HWND control = GetDlgItem(dialog, controlId);
    if (!control || !GetWindowRect(control, &rect)) return corner;
    corner.x = rect.left;
    corner.y = rect.top;
    ScreenToClient(dialog, &corner);
    return corner;
}

void DrawMasked(HDC target, POINT at, HBITMAP image, int width, int height) {
    MemoryDc imageDC(target), maskDC(target), workDC(target);
    GdiObject<HBITMAP> mask(CreateBitmap(width, height, 1, 1, nullptr));
    GdiObject<HBITMAP> work(CreateCompatibleBitmap(target, width, height));
    if (!imageDC.Get() || !maskDC.Get() || !workDC.Get() || !mask.Get() || !work.Get()) return;
    Selection imageSel(imageDC.Get(), image);
    Selection maskSel(maskDC.Get(), mask.Get());
    Selection workSel(workDC.Get(), work.Get());

    // A colour-to-mono copy maps the background colour to white.
    const COLORREF background = SetBkColor(imageDC.Get(), kTransparentColor);
    BitBlt(maskDC.Get(), 0, 0, width, height, imageDC.Get(), 0, 0, SRCCOPY);
    SetBkColor(imageDC.Get(), background);

    BitBlt(workDC.Get(), 0, 0, width, height, maskDC.Get(), 0, 0, NOTSRCCOPY);
    BitBlt(workDC.Get(), 0, 0, width, height, imageDC.Get(), 0, 0, SRCAND);

    // Mono-to-colour copies use the target's text and background colours.
    const COLORREF text = SetTextColor(target, RGB(0, 0, 0));
    const COLORREF back = SetBkColor(target, RGB(255, 255, 255));
    BitBlt(target, at.x, at.y, width, height, maskDC.Get(), 0, 0, SRCAND);
    BitBlt(target, at.x, at.y, width, height, workDC.Get(), 0, 0, SRCPAINT);
    SetTextColor(target, text);
    SetBkColor(target, back);
}

struct DibView {
    const BITMAPINFO *info = nullptr;
    const RGBQUAD *colors = nullptr;
    DWORD colorCount = 0;
    const void *bits = nullptr;
};

// The header, colour table and pixels of a bitmap resource, checked
// against the resource's size.
bool ReadDib(const BYTE *data, DWORD size, DibView *view) {
    DibLayout layout;
    if (!ReadDibLayout(data, size, &layout)) return false;
    view->info = reinterpret_cast<const BITMAPINFO *>(data);
    view->colors = reinterpret_cast<const RGBQUAD *>(data + layout.colorsOffset);
    view->colorCount = layout.colorCount;
    view->bits = data + layout.bitsOffset;
    return true;
}

HPALETTE CreateDibPalette(const DibView &dib) {
    const size_t bytes = sizeof(LOGPALETTE) + dib.colorCount * sizeof(PALETTEENTRY);
    std::basic_string<BYTE> block(bytes, 0);
    auto *palette = reinterpret_cast<LOGPALETTE *>(&block[0]);
    palette->palVersion = kLogPaletteVersion;
    palette->palNumEntries = static_cast<WORD>(dib.colorCount);
    for (DWORD i = 0; i < dib.colorCount; ++i) {
        palette->palPalEntry[i].peRed = dib.colors[i].rgbRed;
        palette->palPalEntry[i].peGreen = dib.colors[i].rgbGreen;
        palette->palPalEntry[i].peBlue = dib.colors[i].rgbBlue;
        palette->palPalEntry[i].peFlags = 0;
    }
    return CreatePalette(palette);
}

void DrawLine(HDC dc, HPEN pen, const POINT *points, int count) {
    Selection penSel(dc, pen);
    MoveToEx(dc, points[0].x, points[0].y, nullptr);
    for (int i = 1; i < count; ++i) LineTo(dc, points[i].x, points[i].y);
}

void DrawSunkenFrame(HDC dc, POINT at, int width, int height) {
    const int x = at.x, y = at.y, b = y + height + 2;
    GdiObject<HPEN> black(CreatePen(PS_SOLID, 1, RGB(0, 0, 0)));
    GdiObject<HPEN> shadow(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW)));
    GdiObject<HPEN> highlight(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNHIGHLIGHT)));
    const POINT inner[] = {{x + 1, b - 1}, {x + 1, y + 1}, {x + width + 2, y + 1}};
    DrawLine(dc, black.Get(), inner, 3);
    const POINT outer[] = {{x, b}, {x, y}, {x + width + 3, y}};
    DrawLine(dc, shadow.Get(), outer, 3);
    const POINT light[] = {{x + width + 3, y}, {x + width + 3, b + 1}, {x, b + 1}};
    DrawLine(dc, highlight.Get(), light, 3);
}

LRESULT CALLBACK FullRowRepaint(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        RECT clip, client;
        HDC dc = GetDC(list);
        GetClipBox(dc, &clip);
        ReleaseDC(list, dc);
        GetClientRect(list, &client);
        clip.right = client.right;
        InvalidateRect(list, &clip, FALSE);
        PAINTSTRUCT paint;
        BeginPaint(list, &paint);
        EndPaint(list, &paint);
    }
    return CallWindowProcW(PreviousListProcedure, list, message, wParam, lParam);
}

void InsertListColumn(HWND list, int index, int width, UINT stringId) {
    WCHAR text[kColumnTextChars] = {};
    LoadLocalizedString(PluginModule, stringId, text, kColumnTextChars);
    LVCOLUMNW column = {};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
    column.fmt = LVCFMT_LEFT;
    column.cx = width;
    column.pszText = text;
    SendMessageW(list, LVM_INSERTCOLUMNW, index, reinterpret_cast<LPARAM>(&column));
}

}  // namespace

void EnableControlRange(HWND dialog, UINT first, UINT last, BOOL enable) {
    if (RangeIsEmpty(first, last)) return;
    for (UINT id = first;; ++id) {
        EnableWindow(GetDlgItem(dialog, id), enable);
        if (id == last) break;
    }
}

void RestrictControlRange(HWND dialog, UINT first, UINT last, BOOL allow) {
    if (RangeIsEmpty(first, last)) return;
    for (UINT id = first;; ++id) {
        HWND control = GetDlgItem(dialog, id);
        EnableWindow(control, IsWindowEnabled(control) && allow);
        if (id == last) break;
    }
}

void ShowControlRange(HWND dialog, UINT first, UINT last, BOOL show) {
    if (RangeIsEmpty(first, last)) return;
    for (UINT id = first;; ++id) {
        HWND control = GetDlgItem(dialog, id);
        ShowWindow(control, show ? SW_SHOW : SW_HIDE);
        EnableWindow(control, show ? TRUE : FALSE);
        if (id == last) break;
    }
}

void DestroyControlRange(HWND dialog, UINT first, UINT last) {
    if (RangeIsEmpty(first, last)) return;
    for (UINT id = first;; ++id) {
        HWND control = GetDlgItem(dialog, id);
        if (control) DestroyWindow(control);
        if (id == last) break;
    }
}

BOOL DrawTransparentBitmap(HWND dialog, HMODULE module, UINT controlId, UINT bitmapId) {
    GdiObject<HBITMAP> image(static_cast<HBITMAP>(
        LoadImageW(module, MAKEINTRESOURCEW(bitmapId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    if (!image.Get()) return TRUE;
    BITMAP size;
    if (!GetObjectW(image.Get(), sizeof(size), &size)) return TRUE;
    const POINT at = ControlCorner(dialog, controlId);
    WindowDc dc(dialog);
    if (dc.Get()) DrawMasked(dc.Get(), at, image.Get(), size.bmWidth, size.bmHeight);
    return TRUE;
}

void DrawFramedDib(HWND dialog, HMODULE module, UINT bitmapId, UINT controlId) {
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(bitmapId), RT_BITMAP);
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const auto *data = loaded ? static_cast<const BYTE *>(LockResource(loaded)) : nullptr;
    DibView dib;
    if (!ReadDib(data, found ? SizeofResource(module, found) : 0, &dib)) return;

    WindowDc dc(dialog);
    if (!dc.Get()) return;
    GdiObject<HPALETTE> palette(dib.colorCount ? CreateDibPalette(dib) : nullptr);
    HPALETTE previous = nullptr;
    if (palette.Get()) {
        previous = SelectPalette(dc.Get(), palette.Get(), FALSE);
        RealizePalette(dc.Get());
    }
    const POINT at = ControlCorner(dialog, controlId);
    const BITMAPINFOHEADER &header = dib.info->bmiHeader;
    const int width = header.biWidth;
    const int height = header.biHeight < 0 ? -header.biHeight : header.biHeight;
    SetDIBitsToDevice(dc.Get(), at.x + 2, at.y + 2, width, height, 0, 0, 0, height, dib.bits,
                      dib.info, DIB_RGB_COLORS);
    DrawSunkenFrame(dc.Get(), at, width, height);
    if (previous) SelectPalette(dc.Get(), previous, FALSE);
}

void NotifySheetChanged(HWND page) {
    SendMessageW(GetParent(page), PSM_CHANGED, reinterpret_cast<WPARAM>(page), 0);
}

void RevisitFirstPages(HWND page) {
    if (PrinterDataWritable || !(SheetVisitFlags & kPluginPageInitialised) ||
        (SheetVisitFlags & kDriverPageVisited))
        return;
    SheetVisitFlags |= kDriverPageVisited;
    HWND sheet = GetParent(page);
    const LRESULT current = SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0);
    const LRESULT index = SendMessageW(sheet, PSM_HWNDTOINDEX, current, 0);
    SendMessageW(sheet, PSM_SETCURSEL, kFlippedPageIndex, 0);
    SendMessageW(sheet, PSM_SETCURSEL, index, 0);
}

UINT ValidateNumericEdit(HWND dialog, UINT code, UINT controlId, int emptyValue, int minimum,
                         int maximum, WCHAR *savedText, UINT, BOOL isSigned) {
    switch (code) {
    case EN_SETFOCUS:
    case EN_CHANGE:
        GetDlgItemTextW(dialog, controlId, savedText, kSavedNumericTextChars);
        return code;
    case EN_KILLFOCUS:
        if (!GetWindowTextLengthW(GetDlgItem(dialog, controlId)))
            SetDlgItemInt(dialog, controlId, static_cast<UINT>(emptyValue), isSigned);
        return code;
    case EN_UPDATE:
        break;
    default:
        return code;
    }
    HWND edit = GetDlgItem(dialog, controlId);
    DWORD caret = 0;
    SendMessageW(edit, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&caret));
    const int length = GetWindowTextLengthW(edit);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    GetWindowTextW(edit, &text[0], length + 1);
    const auto *chars = reinterpret_cast<const char16_t *>(text.c_str());
    switch (JudgeNumericKey(chars, static_cast<size_t>(length), caret, isSigned != FALSE)) {
    case NumericKey::NothingTyped:
        return code;
    case NumericKey::Reject:
        MessageBeep(static_cast<UINT>(-1));
        SetWindowTextW(edit, savedText);
        SendMessageW(edit, EM_SETSEL, caret - 1, caret - 1);
        return code;
    case NumericKey::Accept:
        break;
    }
    int32_t clamped = 0;
    if (ClampNumericValue(NumericTextValue(chars, static_cast<size_t>(length)), minimum, maximum,
                          &clamped))
        SetDlgItemInt(dialog, controlId, static_cast<UINT>(clamped), isSigned);
    return code;
}

HFONT CreateLinkFont(HWND dialog) {
    HFONT parentFont =
        reinterpret_cast<HFONT>(SendMessageW(GetParent(dialog), WM_GETFONT, 0, 0));
    LOGFONTW font = {};
    if (!parentFont || !GetObjectW(parentFont, sizeof(font), &font))
        GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font);
    font.lfEscapement = 0;
    font.lfOrientation = 0;
    font.lfWeight = FW_NORMAL;
    font.lfItalic = FALSE;
    font.lfUnderline = TRUE;
    font.lfStrikeOut = FALSE;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfOutPrecision = 0;
    font.lfClipPrecision = 0;
    font.lfQuality = 0;
    font.lfPitchAndFamily = 0;
    lstrcpynW(font.lfFaceName, kLinkFontFace, LF_FACESIZE);
    return CreateFontIndirectW(&font);
}

HWND InitTwoColumnList(HWND dialog, UINT, UINT controlId) {
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    HWND list = GetDlgItem(dialog, controlId);
    if (!list) return nullptr;
    RECT rect;
    GetWindowRect(list, &rect);
    const int half = (rect.right - rect.left) / 2;
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    const WNDPROC previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FullRowRepaint)));
    // A second call on the same list must not make the repaint its own successor.
    if (previous != FullRowRepaint) PreviousListProcedure = previous;
    InsertListColumn(list, 0, half - kColumnGap, kOverlayColumnString);
    InsertListColumn(list, 1, half - kColumnGap, kPageColumnString);
    return list;
}

int IsSelectedRowInSet(HWND dialog, const OverlaySet *set) {
    HWND list = GetDlgItem(dialog, kOverlayListId);
    if (!list || !set || !set->cActive || !set->cDefined) return 0;
    for (LRESULT row = SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED);
         row >= 0;
         row = SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(row), LVNI_SELECTED)) {
        if (IsActiveOverlayRow(*set, static_cast<unsigned>(row))) return 1;
    }
    return 0;
}
