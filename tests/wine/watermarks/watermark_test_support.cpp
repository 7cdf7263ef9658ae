#include "watermark_test_support.h"

#include "joboptions/job_options_variant_ids.h"
#include "sheet/window_capture.h"
#include "resources/resource_ids.h"

namespace {

const WCHAR kFontListFile[] = L"sxwmfont.lst";
constexpr DWORD kSectionChars = 32768;
constexpr int kTextChars = 512;
constexpr uint32_t kReddishRed = 150;
constexpr uint32_t kReddishOther = 110;

std::wstring Number(long long n) { return std::to_wstring(n); }

}  // namespace

const WCHAR kWatermarkSection[] = L"Watermark";
const WCHAR kWatermarksCaption[] = L"Watermarks";
const WCHAR kEditorCaption[] = L"Watermark";
const WCHAR kFontCaption[] = L"Font";

WatermarkPrinter::WatermarkPrinter() : model_(L"wm", {}) {
    WriteDriverProfile(L"sxt_wm.ini", L"DependentFiles", L"WMFONT", kFontListFile);
    CopyFileW((ExeDirectory() + L"\\" + kFontListFile).c_str(), DriverFilePath(kFontListFile).c_str(),
              FALSE);
}

void WatermarkPrinter::Store(const std::vector<std::wstring> &values) {
    for (size_t i = 0; i < values.size(); ++i)
        StoreKey((L"WTMK00" + std::to_wstring(i + 1)).c_str(), values[i]);
}

void WatermarkPrinter::StoreKey(const WCHAR *key, const std::wstring &value) {
    WritePrivateProfileStringW(kWatermarkSection, key, value.c_str(), Ini().c_str());
}

std::vector<std::pair<std::wstring, std::wstring>> WatermarkPrinter::Section(const WCHAR *section) const {
    std::vector<WCHAR> names(kSectionChars);
    GetPrivateProfileStringW(section, nullptr, L"", names.data(), kSectionChars, Ini().c_str());
    std::vector<std::pair<std::wstring, std::wstring>> keys;
    for (const WCHAR *name = names.data(); *name; name += lstrlenW(name) + 1)
        keys.emplace_back(name, Value(section, name));
    return keys;
}

std::wstring WatermarkPrinter::Value(const WCHAR *section, const WCHAR *key) const {
    WCHAR value[kTextChars] = L"";
    GetPrivateProfileStringW(section, key, L"", value, kTextChars, Ini().c_str());
    return value;
}

void WatermarkTest::Open(std::function<void(PageSetup &)> adjust) {
    ASSERT_TRUE(printer.Installed());
    PageSetup setup;
    setup.printer = printer.Name();
    setup.withJobType = false;
    setup.withFinishing = false;
    if (adjust) adjust(setup);
    PageTest::Open(setup);
}

void WatermarkTest::Expect(const WCHAR *caption, std::function<void(HWND)> act, UINT end) {
    modals.Expect(caption, [act, end](HWND dialog) {
        act(dialog);
        SendMessageW(dialog, WM_COMMAND, end, 0);
    });
}

void WatermarkTest::RunWatermarks() {
    modals.Attach(Harness());
    Harness().Click(page, IDC_WATERMARKS_BUTTON);
    EXPECT_EQ(modals.Waiting(), 0u) << "a dialog the test drives never opened";
}

std::wstring Text(const char16_t *text) { return reinterpret_cast<const WCHAR *>(text); }

int ListSelection(HWND dialog, UINT listId) {
    return static_cast<int>(SendDlgItemMessageW(dialog, listId, LB_GETCURSEL, 0, 0));
}

std::wstring StoredValue(const std::wstring &text, uint32_t size, int angle, uint32_t color,
                         unsigned position, unsigned border) {
    return Number(size) + L",0," + Number(angle) + L",0,0," + Number(color) + L"," + text +
           L",Helvetica,400,0,0," + Number(position) + L"," + Number(border) + L",0,0,0";
}

PreviewPixels CapturePreview(HWND dialog) {
    PreviewPixels shot;
    RgbImage image;
    if (!CaptureWindow(GetDlgItem(dialog, IDC_WATERMARK_PREVIEW), &image)) return shot;
    shot.width = static_cast<int>(image.width);
    shot.height = static_cast<int>(image.height);
    for (size_t i = 0; i + 2 < image.pixels.size(); i += 3)
        shot.pixels.push_back(uint32_t{image.pixels[i]} << 16 | uint32_t{image.pixels[i + 1]} << 8 |
                              image.pixels[i + 2]);
    return shot;
}

PixelBox FindPixels(const PreviewPixels &shot, const std::function<bool(uint32_t)> &match, int margin) {
    PixelBox box;
    box.left = shot.width;
    box.top = shot.height;
    for (int y = margin; y < shot.height - margin; ++y)
        for (int x = margin; x < shot.width - margin; ++x) {
            if (!match(shot.At(x, y))) continue;
            ++box.count;
            box.left = std::min(box.left, x);
            box.top = std::min(box.top, y);
            box.right = std::max(box.right, x);
            box.bottom = std::max(box.bottom, y);
        }
    return box;
}

bool IsReddish(uint32_t pixel) {
    const uint32_t red = (pixel >> 16) & 0xFF, green = (pixel >> 8) & 0xFF, blue = pixel & 0xFF;
    return red >= kReddishRed && green <= kReddishOther && blue <= kReddishOther;
}
