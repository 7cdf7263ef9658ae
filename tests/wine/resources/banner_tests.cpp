// The banner bitmap drawn on a real page with its magenta background left
// out: read back from the screen, magenta pixels keep the page's colour and
// every other pixel takes the bitmap's.
#include "core/dialog_utils.h"
#include "core/gdi_holders.h"
#include "core/plugin_module.h"
#include "resources/language_dialog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kJobOptionsPage = 113;
constexpr UINT kBannerControl = 10001;
constexpr UINT kBannerBitmap = 6052;
constexpr int kBannerWidth = 140;
constexpr int kBannerHeight = 32;
constexpr LANGID kEnglish = 0x0000;
constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr WORD kPixelBits = 32;

// Pixels as COLORREF values, top row first.
using Pixels = std::vector<COLORREF>;

BITMAPINFO TopDownInfo(int width, int height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = kPixelBits;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

Pixels BitmapPixels(HBITMAP bitmap, int width, int height) {
    std::vector<RGBQUAD> quads(static_cast<size_t>(width) * height);
    BITMAPINFO info = TopDownInfo(width, height);
    WindowDc screen(nullptr);
    GetDIBits(screen.Get(), bitmap, 0, height, quads.data(), &info, DIB_RGB_COLORS);
    Pixels pixels;
    for (const RGBQUAD &quad : quads) pixels.push_back(RGB(quad.rgbRed, quad.rgbGreen, quad.rgbBlue));
    return pixels;
}

// What the window shows in the rectangle, copied out of its DC.
Pixels WindowPixels(HWND window, POINT at, int width, int height) {
    WindowDc dc(window);
    MemoryDc memory(dc.Get());
    GdiObject<HBITMAP> copy(CreateCompatibleBitmap(dc.Get(), width, height));
    {
        Selection selected(memory.Get(), copy.Get());
        BitBlt(memory.Get(), 0, 0, width, height, dc.Get(), at.x, at.y, SRCCOPY);
    }
    return BitmapPixels(copy.Get(), width, height);
}

POINT ControlCorner(HWND dialog, UINT id) {
    RECT rect = {};
    GetWindowRect(GetDlgItem(dialog, id), &rect);
    POINT corner = {rect.left, rect.top};
    ScreenToClient(dialog, &corner);
    return corner;
}

TEST(BannerBitmap, MagentaLetsThePageShowThrough) {
    ASSERT_NE(nullptr, PluginModule) << "sxoemui.dll did not load";
    GdiObject<HBITMAP> banner(static_cast<HBITMAP>(LoadImageW(
        PluginModule, MAKEINTRESOURCEW(kBannerBitmap), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    ASSERT_TRUE(banner) << "bitmap " << kBannerBitmap;
    BITMAP size = {};
    GetObjectW(banner.Get(), sizeof(size), &size);
    EXPECT_EQ(kBannerWidth, size.bmWidth);
    EXPECT_EQ(kBannerHeight, size.bmHeight);
    const Pixels art = BitmapPixels(banner.Get(), size.bmWidth, size.bmHeight);
    const auto magenta = std::count(art.begin(), art.end(), kMagenta);
    ASSERT_LT(0, magenta) << "the banner has no magenta background";
    ASSERT_GT(static_cast<long long>(art.size()), magenta) << "the banner is all background";

    LanguageDialog page(PluginModule, kJobOptionsPage, kEnglish, true);
    ASSERT_NE(nullptr, page.Get());
    const POINT at = ControlCorner(page.Get(), kBannerControl);
    const Pixels before = WindowPixels(page.Get(), at, size.bmWidth, size.bmHeight);
    ASSERT_TRUE(DrawTransparentBitmap(page.Get(), PluginModule, kBannerControl, kBannerBitmap));
    const Pixels after = WindowPixels(page.Get(), at, size.bmWidth, size.bmHeight);
    ASSERT_EQ(art.size(), after.size());

    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    int wrongBackground = 0, wrongArt = 0;
    for (size_t i = 0; i < art.size(); ++i) {
        if (art[i] == kMagenta) {
            wrongBackground += after[i] != before[i] || after[i] != face;
            continue;
        }
        wrongArt += after[i] != art[i];
    }
    EXPECT_EQ(0, wrongBackground) << "background pixels that lost the page's colour";
    EXPECT_EQ(0, wrongArt) << "bitmap pixels that do not show the bitmap's colour";
}

// The checks also run at 150% scaling; SX_SCREEN_DPI names the resolution a
// run is meant for (96 when unset), so a run never passes at the wrong one.
TEST(ScreenResolution, IsTheOneTheRunIsMeantFor) {
    const char *asked = std::getenv("SX_SCREEN_DPI");
    const int expected = asked ? std::atoi(asked) : USER_DEFAULT_SCREEN_DPI;
    WindowDc screen(nullptr);
    EXPECT_EQ(GetDeviceCaps(screen.Get(), LOGPIXELSY), expected);
}

}  // namespace
