#include "window_capture.h"

namespace {

constexpr WORD kPixelBits = 32;
constexpr size_t kRgbBytes = 3;

void PaintNow(HWND window) {
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW |
                     RDW_ERASENOW);
    MSG message;
    while (PeekMessageW(&message, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) DispatchMessageW(&message);
}

class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetWindowDC(window)) {}
    ~WindowDc() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc &) = delete;
    WindowDc &operator=(const WindowDc &) = delete;
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// A top-down 32-bit DIB section selected into a memory DC.
class Canvas {
public:
    Canvas(int width, int height) {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = kPixelBits;
        info.bmiHeader.biCompression = BI_RGB;
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
        if (dc_ && bitmap_) previous_ = SelectObject(dc_, bitmap_);
    }
    ~Canvas() {
        if (previous_) SelectObject(dc_, previous_);
        if (bitmap_) DeleteObject(bitmap_);
        if (dc_) DeleteDC(dc_);
    }
    Canvas(const Canvas &) = delete;
    Canvas &operator=(const Canvas &) = delete;
    bool Valid() const { return previous_ != nullptr; }
    HDC Dc() const { return dc_; }
    const RGBQUAD *Pixels() const { return static_cast<const RGBQUAD *>(bits_); }

private:
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    void *bits_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

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
    WindowDc source(window);
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
