// The title bars of the plug-in's dialogs as the prefix draws them: every
// caption of every language in the caption font's own glyphs (or its linked
// fallbacks), never the missing-glyph box, and the caption buttons in the
// symbol font that holds their glyphs.
#include "support/dialog_template.h"
#include "support/plugin_resources.h"
#include "support/wine_test_support.h"
#include "core/gdi_holders.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace {

constexpr int kCell = 40;
// A private-use character no font of the prefix has: it draws the box.
constexpr wchar_t kMissingGlyph = 0xE000;
constexpr wchar_t kLastAscii = 0x7F;

// One character drawn black on white into a cell of its own.
class GlyphCanvas {
public:
    explicit GlyphCanvas(HFONT font)
        : dc_(nullptr), bitmap_(CreateDib(dc_.Get(), &bits_)),
          bitmapSelection_(dc_.Get(), bitmap_.Get()), fontSelection_(dc_.Get(), font) {}

    std::vector<DWORD> Draw(wchar_t c) {
        const RECT all = {0, 0, kCell, kCell};
        FillRect(dc_.Get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        TextOutW(dc_.Get(), 2, 2, &c, 1);
        GdiFlush();
        return std::vector<DWORD>(bits_, bits_ + kCell * kCell);
    }
    std::wstring Face() {
        WCHAR face[LF_FACESIZE] = {};
        GetTextFaceW(dc_.Get(), LF_FACESIZE, face);
        return face;
    }

private:
    static HBITMAP CreateDib(HDC dc, DWORD **bits) {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = kCell;
        info.bmiHeader.biHeight = -kCell;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        return CreateDIBSection(dc, &info, DIB_RGB_COLORS, reinterpret_cast<void **>(bits),
                                nullptr, 0);
    }

    MemoryDc dc_;
    DWORD *bits_ = nullptr;
    GdiObject<HBITMAP> bitmap_;
    Selection bitmapSelection_;
    Selection fontSelection_;
};

GdiObject<HFONT> CaptionFont() {
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    return GdiObject<HFONT>(CreateFontIndirectW(&metrics.lfCaptionFont));
}

TEST(TitleBars, EveryCaptionOfEveryLanguageDrawsRealGlyphs) {
    PluginLibrary plugin;
    ASSERT_NE(plugin.Module(), nullptr);
    const GdiObject<HFONT> font = CaptionFont();
    GlyphCanvas canvas(font.Get());
    const std::vector<DWORD> box = canvas.Draw(kMissingGlyph);
    std::map<wchar_t, bool> drawn;
    size_t checked = 0;
    for (const ResourceLanguage &language : ResourceLanguages()) {
        for (int id : DialogIds(plugin.Module())) {
            const ResourceBytes bytes = ExactTemplate(plugin.Module(), id, language.id);
            DialogTemplate parsed;
            if (!bytes.data || !ParseDialogTemplate(bytes.data, bytes.size, &parsed)) continue;
            for (char16_t c : parsed.caption) {
                const wchar_t letter = static_cast<wchar_t>(c);
                if (letter <= kLastAscii) continue;
                auto known = drawn.find(letter);
                if (known == drawn.end())
                    known = drawn.emplace(letter, canvas.Draw(letter) != box).first;
                EXPECT_TRUE(known->second)
                    << language.tag << " template " << id << ": U+" << std::hex
                    << static_cast<unsigned>(letter) << " of its caption draws as a box";
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 0u) << "the Chinese and Korean captions at least";
}

TEST(TitleBars, CaptionButtonsHaveTheirSymbolFont) {
    LOGFONTW symbols = {};
    symbols.lfHeight = -13;
    symbols.lfCharSet = SYMBOL_CHARSET;
    wcscpy(symbols.lfFaceName, L"Marlett");
    GdiObject<HFONT> marlett(CreateFontIndirectW(&symbols));
    GlyphCanvas canvas(marlett.Get());
    EXPECT_EQ(canvas.Face(), L"Marlett");
    const std::vector<DWORD> close = canvas.Draw(L'r');

    const GdiObject<HFONT> caption = CaptionFont();
    GlyphCanvas letters(caption.Get());
    EXPECT_NE(close, letters.Draw(L'r')) << "the close button would show the letter r";
}

}  // namespace
