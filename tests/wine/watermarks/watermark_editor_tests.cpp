// The watermark editor and its Font dialog, reached through the Watermarks
// dialog: the edits' rules, the font list and the printer font at OK, the
// colour chooser's custom colours, and the preview's pixels where the
// geometry puts them.
#include "watermark_test_support.h"

#include "core/gdi_holders.h"
#include "resources/resource_ids.h"
#include "watermarks/preview_geometry.h"

#include <gtest/gtest.h>

namespace {

const WCHAR kCustomColorSection[] = L"Custom Color";
const WCHAR kColorCaption[] = L"Color";
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr uint32_t kWhitePixel = 0x00FFFFFF;

using dialog_input::Type;

// Where the selection ends.
DWORD Caret(HWND edit) { return HIWORD(SendMessageW(edit, EM_GETSEL, 0, 0)); }

void Retype(HWND dialog, UINT id, const WCHAR *text) {
    HWND edit = GetDlgItem(dialog, id);
    SetWindowTextW(edit, L"");
    Type(edit, text);
}

// Every test's printer starts with one stored watermark, "One".
class WatermarkEditorTest : public WatermarkTest {
protected:
    void SetUp() override { printer.Store({StoredValue(L"One")}); }

    // Opens the editor on line `line` of the list (0: New) and lets `act`
    // work on it before it is ended with `end`; the Watermarks dialog is
    // then confirmed. What the editor opens goes to the scripts queued for it.
    void Edit(int line, std::function<void(HWND)> act, UINT end = IDOK) {
        Expect(kWatermarksCaption, [line](HWND dialog) {
            if (line) {
                PickLine(dialog, IDC_WATERMARK_LIST, line);
                Click(dialog, IDC_EDIT_WATERMARK);
            } else {
                Click(dialog, IDC_NEW_WATERMARK);
            }
        });
        Expect(kEditorCaption, std::move(act), end);
        RunWatermarks();
    }
};

TEST_F(WatermarkEditorTest, ANewWatermarkStartsEmptyWithOkDisabledUntilThereIsText) {
    Open();
    Edit(0, [&](HWND editor) {
        EXPECT_FALSE(Enabled(editor, IDOK));
        EXPECT_EQ(Text(editor, IDC_WATERMARK_SIZE), L"72");
        EXPECT_EQ(Text(editor, IDC_WATERMARK_ANGLE), L"45");
        EXPECT_EQ(dialog_input::Selection(editor, IDC_WATERMARK_POSITION), 3);
        EXPECT_TRUE(Checked(editor, IDC_WATERMARK_BORDER_NONE));
        Type(GetDlgItem(editor, IDC_WATERMARK_TEXT), L"A");
        EXPECT_TRUE(Enabled(editor, IDOK));
        SetDlgItemTextW(editor, IDC_WATERMARK_TEXT, L"");
        EXPECT_FALSE(Enabled(editor, IDOK));
    }, IDCANCEL);
}

TEST_F(WatermarkEditorTest, AdjustmentEditsKeepDigitsAndHoldTheRange) {
    Open();
    Edit(1, [&](HWND editor) {
        Retype(editor, IDC_WATERMARK_OFFSET_X, L"12a");
        EXPECT_EQ(Text(editor, IDC_WATERMARK_OFFSET_X), L"12");
        EXPECT_EQ(Caret(GetDlgItem(editor, IDC_WATERMARK_OFFSET_X)), 2u);
        Retype(editor, IDC_WATERMARK_OFFSET_Y, L"1500");
        EXPECT_EQ(Text(editor, IDC_WATERMARK_OFFSET_Y), L"1000");
        SetDlgItemTextW(editor, IDC_WATERMARK_OFFSET_Y, L"-");
        EXPECT_EQ(Text(editor, IDC_WATERMARK_OFFSET_Y), L"0");
        SetDlgItemTextW(editor, IDC_WATERMARK_OFFSET_Y, L"-250");
    });
    EXPECT_EQ((Values{Record()->lWmOffsetX, Record()->lWmOffsetY}), (Values{12, -250}));
}

TEST_F(WatermarkEditorTest, ANewPositionResetsTheAdjustmentAndABorderDoesNot) {
    Open();
    Edit(1, [&](HWND editor) {
        SetDlgItemTextW(editor, IDC_WATERMARK_OFFSET_X, L"30");
        SetDlgItemTextW(editor, IDC_WATERMARK_OFFSET_Y, L"40");
        Click(editor, IDC_WATERMARK_BORDER_DOUBLE);
        EXPECT_EQ(Text(editor, IDC_WATERMARK_OFFSET_X), L"30");
        dialog_input::Choose(editor, IDC_WATERMARK_POSITION, 6);
        EXPECT_EQ(Text(editor, IDC_WATERMARK_OFFSET_X), L"0");
    });
    const OemDevmode *record = Record();
    EXPECT_EQ((Values{record->wWmBorder, record->wWmPosition, record->lWmOffsetX, record->lWmOffsetY}),
              (Values{3, 6, 0, 0}));
}

TEST_F(WatermarkEditorTest, SizeAndAngleFollowTheirScrollBarsAndStayInRange) {
    Open();
    Edit(1, [&](HWND editor) {
        HWND angleBar = GetDlgItem(editor, IDC_WATERMARK_ANGLE_BAR);
        for (int i = 0; i < 30; ++i)
            SendMessageW(editor, WM_HSCROLL, SB_PAGELEFT, reinterpret_cast<LPARAM>(angleBar));
        EXPECT_EQ(Text(editor, IDC_WATERMARK_ANGLE), L"-180");
        Retype(editor, IDC_WATERMARK_SIZE, L"999");
        EXPECT_EQ(Text(editor, IDC_WATERMARK_SIZE), L"600");
        EXPECT_EQ(GetScrollPos(GetDlgItem(editor, IDC_WATERMARK_SIZE_BAR), SB_CTL), 600);
    });
    EXPECT_EQ((Values{Record()->sWmAngle, Record()->dwWmSize}), (Values{-180, 600}));
}

TEST_F(WatermarkEditorTest, FontDialogOffersTheWesternFontsAndOkResolvesThePrinterFont) {
    Open();
    Expect(kFontCaption, [&](HWND font) {
        EXPECT_EQ(ListBoxLines(font, IDC_FONT_LIST),
                  (std::vector<std::wstring>{L"Helvetica", L"Times", L"Courier", L"Palatino"}))
            << "entries from DefaultNo on are for Japanese systems";
        PickLine(font, IDC_FONT_LIST, 1);
        EXPECT_EQ(Text(font, IDC_FONT_NAME), L"Times");
        PickLine(font, IDC_STYLE_LIST, 3);
        EXPECT_EQ(Text(font, IDC_STYLE_NAME), L"Bold Italic");
        SetDlgItemTextW(font, IDC_SIZE_VALUE, L"0");
    });
    Edit(1, [&](HWND editor) {
        Click(editor, IDC_WATERMARK_FONT);
        EXPECT_EQ(Text(editor, IDC_WATERMARK_SIZE), L"1") << "a size of 0 from the Font dialog ends as 1";
    });
    const OemDevmode *record = Record();
    EXPECT_EQ((Values{record->dwWmFontIndex, record->dwWmWeight, record->bWmItalic, record->wWmStyleCode,
                      record->dwWmSize}),
              (Values{1, 700, 1, 5, 1}));
    EXPECT_EQ(Text(record->wszWmFontName), L"Times-BoldItalic");
}

TEST_F(WatermarkEditorTest, FontDialogCancelKeepsTheWorkingValues) {
    printer.Store({StoredValue(L"One", 48)});
    Open();
    Expect(kFontCaption, [&](HWND font) {
        EXPECT_EQ(ListSelection(font, IDC_SIZE_LIST), 14) << "48 points";
        PickLine(font, IDC_FONT_LIST, 2);
        PickLine(font, IDC_SIZE_LIST, 0);
    }, IDCANCEL);
    Edit(1, [&](HWND editor) { Click(editor, IDC_WATERMARK_FONT); });
    EXPECT_EQ((Values{Record()->dwWmFontIndex, Record()->dwWmSize}), (Values{0, 48}));
    EXPECT_EQ(Text(Record()->wszWmFontName), L"Helvetica");
}

TEST_F(WatermarkEditorTest, TheColourChooserReadsAndWritesTheCustomColours) {
    WritePrivateProfileStringW(kCustomColorSection, L"Color0", L"255,0,0", printer.Ini().c_str());
    WritePrivateProfileStringW(kCustomColorSection, L"Color1", L"0,0,300", printer.Ini().c_str());
    Open();
    Expect(kColorCaption, [](HWND) {}, IDCANCEL);
    Edit(1, [&](HWND editor) { Click(editor, IDC_WATERMARK_COLOR); });
    const auto colors = printer.Section(kCustomColorSection);
    ASSERT_EQ(colors.size(), 16u);
    EXPECT_EQ(colors[0], (std::pair<std::wstring, std::wstring>{L"Color0", L"255,0,0"}));
    EXPECT_EQ(colors[1].second, L"0,0,44");
    EXPECT_EQ(colors[15], (std::pair<std::wstring, std::wstring>{L"Color15", L"192,192,192"}));
    EXPECT_EQ(Record()->dwWmColor, 0xC0C0C0u) << "a cancelled choice keeps the colour";
}

// The preview as the screen shows it. A modal dialog is shown only once its
// loop first falls idle, later than the steps run: it is shown here, then
// painted anew until the white page can be read back.
PreviewPixels SettledPreview(HWND dialog) {
    ShowWindow(dialog, SW_SHOWNORMAL);
    constexpr int kRounds = 50;
    constexpr DWORD kRoundMs = 20;
    PreviewPixels shot;
    for (int i = 0; i < kRounds; ++i) {
        dialog_input::RunPostedMessages();
        RedrawWindow(GetDlgItem(dialog, IDC_WATERMARK_PREVIEW), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_UPDATENOW);
        shot = CapturePreview(dialog);
        if (FindPixels(shot, [](uint32_t pixel) { return pixel == kWhitePixel; }).count) break;
        Sleep(kRoundMs);
    }
    return shot;
}

// The preview's own geometry for the working record, from the control's
// size, the form and the measured text.
WatermarkLayout ExpectedLayout(HWND dialog, const WatermarkRecord &record, const WCHAR *form,
                               PreviewPage *page) {
    RECT client;
    GetClientRect(GetDlgItem(dialog, IDC_WATERMARK_PREVIEW), &client);
    EXPECT_TRUE(ComputePreviewPage(client.right, client.bottom,
                                   GetPreviewPaperSize(reinterpret_cast<const char16_t *>(form), kPortrait),
                                   page));
    LOGFONTW font = {};
    font.lfHeight = PreviewFontHeight(record.dwSize, page->scale);
    font.lfWeight = static_cast<LONG>(record.dwWeight);
    lstrcpyW(font.lfFaceName, L"Arial");
    WindowDc screen(dialog);
    MemoryDc memory(screen.Get());
    GdiObject<HFONT> handle(CreateFontIndirectW(&font));
    Selection selected(memory.Get(), handle.Get());
    SIZE extent = {};
    GetTextExtentPoint32W(memory.Get(), reinterpret_cast<const WCHAR *>(record.wszText),
                          lstrlenW(reinterpret_cast<const WCHAR *>(record.wszText)), &extent);
    const WatermarkShape shape = {record.dwSize, record.sAngle, record.lOffsetX, record.lOffsetY,
                                  record.wPosition, record.wBorder};
    return ComputeWatermarkLayout(*page, shape, extent.cx, extent.cy);
}

TEST_F(WatermarkEditorTest, PreviewShowsThePageAndTheTextWhereTheGeometrySays) {
    printer.Store({StoredValue(L"HHHH", 120, 0, kRed, 6), StoredValue(L"OO", 150, 30, kRed, 0, 1)});
    Open([](PageSetup &setup) { setup.formName = L"Letter"; });
    PreviewPixels lowerRight, circled;
    WatermarkLayout textLayout = {}, circleLayout = {};
    PreviewPage pageRect = {};
    Edit(1, [&](HWND editor) {
        lowerRight = SettledPreview(editor);
        textLayout = ExpectedLayout(editor, *State()->watermarks.pWmWorking, L"Letter", &pageRect);
    }, IDCANCEL);
    Edit(2, [&](HWND editor) {
        circled = SettledPreview(editor);
        circleLayout = ExpectedLayout(editor, *State()->watermarks.pWmWorking, L"Letter", &pageRect);
    }, IDCANCEL);

    ASSERT_GT(lowerRight.width, 0);
    const PreviewRect &r = pageRect.rect;
    EXPECT_EQ((r.bottom - r.top) * 2150 / 2790, r.right - r.left) << "Letter's proportions";
    EXPECT_EQ(lowerRight.At(r.left + 1, r.top + 1), kWhitePixel);
    EXPECT_EQ(lowerRight.At(r.right - 1, r.top + 1), kWhitePixel);
    EXPECT_NE(lowerRight.At(r.right, r.bottom), kWhitePixel) << "the page's edge";
    EXPECT_NE(lowerRight.At(r.left - 1, r.top + 3), kWhitePixel);

    const PixelBox text = FindPixels(lowerRight, IsReddish);
    ASSERT_GT(text.count, 0);
    EXPECT_GE(text.left, textLayout.textBox.x - 1);
    EXPECT_GE(text.top, textLayout.textBox.y - 1);
    EXPECT_LE(text.right, textLayout.textBox.x + textLayout.textWidth + 1);
    EXPECT_LE(text.bottom, textLayout.textBox.y + textLayout.textHeight + 1);
    EXPECT_GE(text.right, r.right - 2 - textLayout.textWidth / 2) << "at the lower right";

    const PixelBox ring = FindPixels(circled, IsReddish);
    ASSERT_GT(ring.count, 0);
    EXPECT_NEAR(ring.left, circleLayout.centre.x - circleLayout.outerRadius, 1);
    EXPECT_NEAR(ring.top, circleLayout.centre.y - circleLayout.outerRadius, 1);
    EXPECT_NEAR(ring.right, circleLayout.centre.x + circleLayout.outerRadius, 1);
    EXPECT_NEAR(ring.bottom, circleLayout.centre.y + circleLayout.outerRadius, 1);
    EXPECT_EQ(circleLayout.borderBox.x, r.left + 2) << "upper left";
    EXPECT_TRUE(IsReddish(circled.At(circleLayout.centre.x - circleLayout.innerRadius - 1,
                                     circleLayout.centre.y)));
}

TEST_F(WatermarkEditorTest, ALandscapeFormGivesALandscapePage) {
    Open([](PageSetup &setup) {
        setup.formName = L"A5";
        setup.documentOrientation = DMORIENT_LANDSCAPE;
    });
    PreviewPixels shot;
    PreviewPage expected = {};
    Edit(1, [&](HWND editor) {
        shot = SettledPreview(editor);
        RECT client;
        GetClientRect(GetDlgItem(editor, IDC_WATERMARK_PREVIEW), &client);
        EXPECT_TRUE(ComputePreviewPage(client.right, client.bottom, {2100, 1480}, &expected));
    }, IDCANCEL);
    // Inside the sunken frame, whose lower and right edges are white too.
    constexpr int kFrameMargin = 2;
    const PixelBox white = FindPixels(shot, [](uint32_t pixel) { return pixel == kWhitePixel; }, kFrameMargin);
    const PreviewRect &r = expected.rect;
    EXPECT_EQ((Values{white.left, white.top, white.right, white.bottom}),
              (Values{r.left, r.top, r.right - 1, r.bottom - 1}));
    EXPECT_GT(white.right - white.left, white.bottom - white.top);
}

// Restores the thread's locale when the test ends.
class ThreadLocale {
public:
    explicit ThreadLocale(LCID locale) : previous_(GetThreadLocale()) { SetThreadLocale(locale); }
    ~ThreadLocale() { SetThreadLocale(previous_); }

private:
    LCID previous_;
};

TEST_F(WatermarkEditorTest, OnAJapaneseLocaleEveryFontIsOfferedAndTheDefaultIsDefaultNo) {
    constexpr LCID kJapanese = 1041;
    const ThreadLocale japanese(kJapanese);
    Open();
    Expect(kFontCaption, [&](HWND font) {
        EXPECT_EQ(ListBoxLines(font, IDC_FONT_LIST).size(), 6u);
        EXPECT_EQ(ListSelection(font, IDC_FONT_LIST), 4) << "a new watermark starts on the font of DefaultNo";
        PickLine(font, IDC_STYLE_LIST, 3);
    });
    Edit(0, [&](HWND editor) {
        SetDlgItemTextW(editor, IDC_WATERMARK_TEXT, L"\u6975\u79D8");
        Click(editor, IDC_WATERMARK_FONT);
    });
    const OemDevmode *record = Record();
    EXPECT_EQ((Values{record->dwWmFontIndex, record->wWmStyleCode}), (Values{4, 3}));
    EXPECT_EQ(Text(record->wszWmFontName), L"HeiseiMin-W3-90ms-RKSJ-H") << "one printer font for all styles";
    EXPECT_EQ(Text(record->wszWmText), L"\u6975\u79D8");
}

}  // namespace
