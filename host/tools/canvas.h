// A drawing surface of the host's captures and sheets.
#pragma once

#include "core/gdi_holders.h"

#include <windows.h>

// A top-down 32-bit DIB section selected into a memory DC.
constexpr WORD kCanvasPixelBits = 32;

class Canvas {
public:
    Canvas(int width, int height)
        : width_(width),
          height_(height),
          dc_(nullptr),
          bitmap_(CreateTopDownDib(dc_.Get(), width, height, &bits_)),
          selection_(dc_.Get(), dc_.Get() ? bitmap_.Get() : nullptr) {}
    Canvas(const Canvas &) = delete;
    Canvas &operator=(const Canvas &) = delete;
    bool Valid() const { return dc_.Get() && bitmap_; }
    HDC Dc() const { return dc_.Get(); }
    RGBQUAD *Pixels() const { return static_cast<RGBQUAD *>(bits_); }
    int Width() const { return width_; }
    int Height() const { return height_; }

private:
    static HBITMAP CreateTopDownDib(HDC dc, int width, int height, void **bits) {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = kCanvasPixelBits;
        info.bmiHeader.biCompression = BI_RGB;
        return CreateDIBSection(dc, &info, DIB_RGB_COLORS, bits, nullptr, 0);
    }

    int width_, height_;
    void *bits_ = nullptr;
    // Released in reverse: the bitmap is deselected, deleted, then the DC.
    MemoryDc dc_;
    GdiObject<HBITMAP> bitmap_;
    Selection selection_;
};
