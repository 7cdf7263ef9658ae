#include "watermarks/watermark_preview.h"

#include "core/gdi_holders.h"
#include "watermarks/preview_geometry.h"
#include "watermarks/watermark_font_list.h"

#include <vector>

namespace {

constexpr int kFrameCorners = 4;
constexpr int kEscapementPerDegree = 10;
constexpr WORD kPaletteVersion = 0x300;
constexpr int kEdgeShadow = 2;
const COLORREF kWhite = RGB(255, 255, 255);

void FillBox(HDC dc, int left, int top, int right, int bottom, int sysColor) {
    const RECT box = {left, top, right, bottom};
    FillRect(dc, &box, GetSysColorBrush(sysColor));
}

void Line(HDC dc, int x0, int y0, int x1, int y1, int x2, int y2) {
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x1, y1);
    LineTo(dc, x2, y2);
}

// Sunken 3-D frame on the client rectangle less one pixel right and below.
void DrawSunkenFrame(HDC dc, int width, int height) {
    GdiObject shadow(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW)));
    GdiObject highlight(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNHIGHLIGHT)));
    const int right = width - 1, bottom = height - 1;
    {
        Selection pen(dc, shadow.Get());
        Line(dc, 0, bottom - 1, 0, 0, right, 0);
    }
    Selection pen(dc, highlight.Get());
    Line(dc, right, 0, right, bottom, -1, bottom);
}

// The page's edge: a thin line above and to the left, a shadow to the right
// and below, in the places of the edge bitmaps.
void DrawPageEdges(HDC dc, const PreviewRect &r) {
    FillBox(dc, r.left - 1, r.top - 1, r.right, r.top, COLOR_BTNSHADOW);
    FillBox(dc, r.left - 1, r.top, r.left, r.bottom, COLOR_BTNSHADOW);
    FillBox(dc, r.left - 1, r.bottom, r.right, r.bottom + kEdgeShadow, COLOR_3DDKSHADOW);
    FillBox(dc, r.right, r.top - 1, r.right + kEdgeShadow, r.bottom + kEdgeShadow, COLOR_3DDKSHADOW);
}

// On a palette display a colour the system palette lacks gets an entry of
// its own; null when the colour can be used as it is.
HPALETTE MakeTextPalette(HDC dc, COLORREF color, COLORREF *textColor) {
    *textColor = color;
    const int entries = GetDeviceCaps(dc, SIZEPALETTE);
    if (!(GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE) || entries <= 0) return nullptr;
    if (GetNearestColor(dc, color) == color) return nullptr;
    std::vector<BYTE> block(sizeof(LOGPALETTE) + sizeof(PALETTEENTRY) * static_cast<size_t>(entries));
    auto *palette = reinterpret_cast<LOGPALETTE *>(block.data());
    palette->palVersion = kPaletteVersion;
    palette->palNumEntries = static_cast<WORD>(entries);
    GetSystemPaletteEntries(dc, 0, static_cast<UINT>(entries), palette->palPalEntry);
    PALETTEENTRY &own = palette->palPalEntry[entries / 2];
    own.peRed = GetRValue(color);
    own.peGreen = GetGValue(color);
    own.peBlue = GetBValue(color);
    own.peFlags = PC_RESERVED;
    HPALETTE handle = CreatePalette(palette);
    if (handle) *textColor = PALETTEINDEX(entries / 2);
    return handle;
}

void PreviewFont(const WatermarkRecord &record, int32_t scale, LOGFONTW *font) {
    *font = LOGFONTW{};
    font->lfHeight = PreviewFontHeight(record.dwSize, scale);
    font->lfEscapement = record.sAngle * kEscapementPerDegree;
    font->lfWeight = static_cast<LONG>(record.dwWeight);
    font->lfItalic = record.bItalic;
    font->lfCharSet = record.bCharSet;
    FontEntry entry;
    if (ReadFontListEntry(record.dwFontIndex + 1, &entry))
        PreviewFaceName(entry, reinterpret_cast<char16_t *>(font->lfFaceName), &font->lfCharSet);
}

// The ring between the two radii, filled run by run from the circle
// equation in place of the ring bitmaps.
void DrawPreviewRing(HDC dc, PreviewPoint centre, int32_t innerRadius, int32_t outerRadius,
                     HBRUSH brush) {
    Selection selected(dc, brush);
    for (int32_t dy = -outerRadius; dy <= outerRadius; ++dy) {
        int32_t first = 0, last = 0;
        if (!RingSpan(innerRadius, outerRadius, dy, &first, &last)) continue;
        const int y = centre.y + dy;
        if (first == 0) {
            PatBlt(dc, centre.x - last, y, 2 * last + 1, 1, PATCOPY);
            continue;
        }
        const int width = last - first + 1;
        PatBlt(dc, centre.x - last, y, width, 1, PATCOPY);
        PatBlt(dc, centre.x + first, y, width, 1, PATCOPY);
    }
}

// One frame outline turned with the text, in place of the band bitmaps.
void DrawFrame(HDC dc, PreviewPoint centre, int32_t width, int32_t height, int16_t angle) {
    PreviewPoint corners[kFrameCorners];
    RotatedBoxCorners(centre, width, height, angle, corners);
    POINT points[kFrameCorners];
    for (int i = 0; i < kFrameCorners; ++i) points[i] = {corners[i].x, corners[i].y};
    Polygon(dc, points, kFrameCorners);
}

void DrawBorder(HDC dc, const WatermarkRecord &record, const WatermarkLayout &layout, COLORREF color) {
    if (record.wBorder == kBorderCircle) {
        GdiObject brush(CreateSolidBrush(color));
        if (brush)
            DrawPreviewRing(dc, layout.centre, layout.innerRadius, layout.outerRadius,
                            static_cast<HBRUSH>(brush.Get()));
        return;
    }
    if (record.wBorder != kBorderSingle && record.wBorder != kBorderDouble) return;
    GdiObject pen(CreatePen(PS_SOLID, layout.thickness, color));
    if (!pen) return;
    Selection selectedPen(dc, pen.Get());
    Selection selectedBrush(dc, GetStockObject(NULL_BRUSH));
    const PreviewPoint centre = {layout.borderBox.x + layout.borderWidth / 2,
                                 layout.borderBox.y + layout.borderHeight / 2};
    DrawFrame(dc, centre, layout.frameWidth, layout.frameHeight, record.sAngle);
    if (record.wBorder == kBorderDouble)
        DrawFrame(dc, centre, layout.outerWidth, layout.outerHeight, record.sAngle);
}

const DEVMODEW *PublicDevmode(const DocUiState *state) {
    return state && state->pOemCuipParam ? state->pOemCuipParam->pPublicDM : nullptr;
}

// The page with the watermark, composed off-screen and copied in one go.
void ComposePage(HDC screen, int width, int height, const PreviewPage &page,
                 const WatermarkRecord &record, HPALETTE palette, COLORREF textColor) {
    MemoryDc memory(screen);
    GdiObject bitmap(CreateCompatibleBitmap(screen, width, height));
    if (!memory.Get() || !bitmap) return;
    Selection selectedBitmap(memory.Get(), bitmap.Get());
    PatBlt(memory.Get(), 0, 0, width, height, WHITENESS);

    LOGFONTW logFont;
    PreviewFont(record, page.scale, &logFont);
    GdiObject font(CreateFontIndirectW(&logFont));
    Selection selectedFont(memory.Get(), font.Get());
    SetBkMode(memory.Get(), TRANSPARENT);
    SetTextAlign(memory.Get(), TA_BOTTOM | TA_LEFT);
    HPALETTE previousMemoryPalette = palette ? SelectPalette(memory.Get(), palette, FALSE) : nullptr;
    if (palette) RealizePalette(memory.Get());
    SetTextColor(memory.Get(), textColor);

    const WCHAR *text = reinterpret_cast<const WCHAR *>(record.wszText);
    const int length = static_cast<int>(TextLength(record.wszText, kWatermarkTextChars));
    SIZE extent = {};
    if (length) GetTextExtentPoint32W(memory.Get(), text, length, &extent);
    const WatermarkShape shape = {record.dwSize, record.sAngle, record.lOffsetX, record.lOffsetY,
                                  record.wPosition, record.wBorder};
    const WatermarkLayout layout = ComputeWatermarkLayout(page, shape, extent.cx, extent.cy);
    if (extent.cx) DrawBorder(memory.Get(), record, layout, textColor);
    const RECT clip = {page.rect.left, page.rect.top, page.rect.right, page.rect.bottom};
    if (record.dwSize && length)
        ExtTextOutW(memory.Get(), layout.anchor.x, layout.anchor.y, ETO_CLIPPED, &clip, text,
                    static_cast<UINT>(length), nullptr);

    HPALETTE previousScreenPalette = palette ? SelectPalette(screen, palette, FALSE) : nullptr;
    if (palette) RealizePalette(screen);
    BitBlt(screen, page.rect.left, page.rect.top, page.rect.right - page.rect.left,
           page.rect.bottom - page.rect.top, memory.Get(), page.rect.left, page.rect.top, SRCCOPY);
    if (previousScreenPalette) SelectPalette(screen, previousScreenPalette, FALSE);
    if (previousMemoryPalette) SelectPalette(memory.Get(), previousMemoryPalette, FALSE);
}

}  // namespace

void GetPreviewPaperSize(const DocUiState *state, const WCHAR *formName, LONG *width, LONG *height) {
    const DEVMODEW *devmode = PublicDevmode(state);
    const int16_t orientation = devmode ? devmode->dmOrientation : kPortrait;
    const PaperSize size =
        ::GetPreviewPaperSize(reinterpret_cast<const char16_t *>(formName), orientation);
    *width = size.width;
    *height = size.height;
}

void DrawWatermarkPreview(HWND dialog, UINT controlId) {
    const auto *state = reinterpret_cast<const DocUiState *>(GetWindowLongPtrW(dialog, DWLP_USER));
    HWND control = GetDlgItem(dialog, controlId);
    if (!state || !control || !state->watermarks.pWmWorking) return;
    RECT client;
    GetClientRect(control, &client);
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    const DEVMODEW *devmode = PublicDevmode(state);
    LONG paperWidth = 0, paperHeight = 0;
    GetPreviewPaperSize(state, devmode ? devmode->dmFormName : nullptr, &paperWidth, &paperHeight);
    PreviewPage page;
    if (!ComputePreviewPage(width, height, {paperWidth, paperHeight}, &page)) return;

    WindowDc screen(control);
    if (!screen.Get()) return;
    DrawSunkenFrame(screen.Get(), width, height);
    DrawPageEdges(screen.Get(), page.rect);

    const WatermarkRecord &record = *state->watermarks.pWmWorking;
    COLORREF textColor = record.crColor;
    GdiObject palette(MakeTextPalette(screen.Get(), record.crColor, &textColor));
    ComposePage(screen.Get(), width, height, page, record, static_cast<HPALETTE>(palette.Get()),
                textColor);
}
