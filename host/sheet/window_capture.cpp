#include "sheet/window_capture.h"

#include "core/gdi_holders.h"
#include "tools/canvas.h"

namespace {

constexpr size_t kRgbBytes = 3;

void PaintNow(HWND window) {
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW |
                     RDW_ERASENOW);
    MSG message;
    while (PeekMessageW(&message, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) DispatchMessageW(&message);
}

}  // namespace

bool CaptureWindow(HWND window, RgbImage *image) {
    if (!IsWindow(window) || !IsWindowVisible(window)) return false;
    PaintNow(window);
    RECT frame;
    GetWindowRect(window, &frame);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    if (width <= 0 || height <= 0) return false;
    Canvas canvas(width, height);
    WindowDc source(window, DcArea::WholeWindow);
    if (!canvas.Valid() || !source.Get()) return false;
    if (!BitBlt(canvas.Dc(), 0, 0, width, height, source.Get(), 0, 0, SRCCOPY)) return false;
    GdiFlush();
    image->width = static_cast<uint32_t>(width);
    image->height = static_cast<uint32_t>(height);
    const size_t count = size_t(width) * height;
    image->pixels.clear();
    image->pixels.reserve(count * kRgbBytes);
    for (size_t i = 0; i < count; ++i) {
        const RGBQUAD &quad = canvas.Pixels()[i];
        image->pixels.insert(image->pixels.end(), {quad.rgbRed, quad.rgbGreen, quad.rgbBlue});
    }
    return true;
}
