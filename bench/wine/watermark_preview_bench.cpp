// Figures of the watermark page preview under Wine: one DrawWatermarkPreview
// at the editor's control size (median and 99th percentile) against its
// targets and against a plain GDI render of the same size (a page, one
// rotated line of text), and the process's GDI objects before and after
// 10,000 renders.
#include "bench_table.h"
#include "core/doc_ui_state.h"
#include "resources/dialog_ids.h"
#include "support/wine_test_support.h"
#include "watermarks/watermark_font_list.h"
#include "watermarks/watermark_preview.h"

#include <winternl.h>

#include <cstdio>
#include <string>

namespace {

constexpr int kTimedRenders = 2000;
constexpr int kLeakRenders = 10000;
constexpr int kWarmUpRenders = 20;
constexpr double kMedianTargetUs = 4000;
constexpr double kTailTargetUs = 8000;
constexpr double kTailFraction = 0.99;
constexpr int kPlainTextHeight = 18;
constexpr int kTenthsPerDegree = 10;
constexpr size_t kPebGdiHandleTable = 0xF8;
constexpr size_t kGdiHandleSlots = 65536;
// The editor's preview control in dialog units.
constexpr short kPreviewWidthDu = 105;
constexpr short kPreviewHeightDu = 118;
const WCHAR kFontList[] = L"sxwmfont.lst";

struct GdiHandleEntry {
    uint64_t object;
    uint32_t owner;
    uint16_t unique;
    uint8_t type;
    uint8_t flags;
    uint64_t user;
};

// Live GDI objects of the process, from the handle table that the platform
// shares through the PEB (GetGuiResources answers 0 under Wine); -1 when
// the table cannot be reached.
int LiveGdiObjects() {
    PROCESS_BASIC_INFORMATION basic = {};
    if (NtQueryInformationProcess(GetCurrentProcess(), ProcessBasicInformation, &basic, sizeof(basic),
                                  nullptr) != 0)
        return -1;
    const BYTE *peb = reinterpret_cast<const BYTE *>(basic.PebBaseAddress);
    const auto *table = *reinterpret_cast<const GdiHandleEntry *const *>(peb + kPebGdiHandleTable);
    if (!table) return -1;
    int live = 0;
    for (size_t i = 0; i < kGdiHandleSlots; ++i)
        if (table[i].type) ++live;
    return live;
}

// A dialog of the editor's font with the preview control alone.
#pragma pack(push, 4)
struct PreviewTemplate {
    DLGTEMPLATE dialog;
    WORD menu, windowClass, title;
    WORD pointSize;
    WCHAR face[13];
    DLGITEMTEMPLATE item alignas(4);
    WORD classMarker, classAtom, text, extra;
};
#pragma pack(pop)

INT_PTR CALLBACK PreviewDialogProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG;
}

HWND CreatePreviewDialog() {
    static PreviewTemplate layout = {};
    layout.dialog.style = WS_POPUP | WS_VISIBLE | DS_SETFONT;
    layout.dialog.cdit = 1;
    layout.dialog.cx = kPreviewWidthDu + 20;
    layout.dialog.cy = kPreviewHeightDu + 20;
    layout.pointSize = 8;
    lstrcpyW(layout.face, L"MS Shell Dlg");
    layout.item.style = WS_CHILD | WS_VISIBLE | WS_DISABLED | BS_OWNERDRAW;
    layout.item.x = 10;
    layout.item.y = 10;
    layout.item.cx = kPreviewWidthDu;
    layout.item.cy = kPreviewHeightDu;
    layout.item.id = IDC_WATERMARK_PREVIEW;
    layout.classMarker = 0xFFFF;
    layout.classAtom = 0x0080;  // button
    return CreateDialogIndirectParamW(nullptr, &layout.dialog, nullptr, PreviewDialogProc, 0);
}

// What any preview must at least do: a white page in a memory bitmap of
// the control's size, one line of text at the watermark's angle, and the
// copy onto the control.
void DrawPlainPreview(HWND control, const RECT &client, int angle) {
    HDC screen = GetDC(control);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
    HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
    FillRect(memory, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    HFONT font = CreateFontW(kPlainTextHeight, 0, angle * kTenthsPerDegree, angle * kTenthsPerDegree,
                             FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial");
    HGDIOBJ oldFont = SelectObject(memory, font);
    SetTextColor(memory, RGB(200, 30, 30));
    SetBkMode(memory, TRANSPARENT);
    TextOutW(memory, client.right / 4, client.bottom / 2, L"CONFIDENTIAL", 12);
    BitBlt(screen, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
    SelectObject(memory, oldFont);
    DeleteObject(font);
    SelectObject(memory, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(control, screen);
}

void Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

}  // namespace

int wmain() {
    lstrcpynW(WatermarkFontList, (ExeDirectory() + L"\\" + kFontList).c_str(), ARRAYSIZE(WatermarkFontList));

    WatermarkRecord working;
    SetWatermarkDefaults(&working, 0);
    CopyCut(working.wszText, kWatermarkTextChars, u"CONFIDENTIAL");
    working.wBorder = kBorderDouble;
    working.crColor = RGB(200, 30, 30);

    DEVMODEW devmode = {};
    devmode.dmSize = sizeof(devmode);
    devmode.dmOrientation = DMORIENT_PORTRAIT;
    lstrcpyW(devmode.dmFormName, L"A4");
    OEMCUIPPARAM cuip = {};
    cuip.pPublicDM = &devmode;
    static DocUiState state = {};
    state.pOemCuipParam = &cuip;
    state.watermarks.pWmWorking = &working;

    HWND dialog = CreatePreviewDialog();
    if (!dialog) {
        fprintf(stderr, "watermark_preview_bench: the preview dialog could not be made\n");
        return 1;
    }
    SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(&state));
    Pump();
    RECT client;
    GetClientRect(GetDlgItem(dialog, IDC_WATERMARK_PREVIEW), &client);

    for (int i = 0; i < kWarmUpRenders; ++i) DrawWatermarkPreview(dialog, IDC_WATERMARK_PREVIEW);

    int round = 0;
    InterleavedRounds rounds;
    const size_t preview = rounds.Add([&] {
        working.sAngle = static_cast<int16_t>(round % 361 - 180);
        return TimeOnce([&] { DrawWatermarkPreview(dialog, IDC_WATERMARK_PREVIEW); });
    });
    const size_t plain = rounds.Add([&] {
        const int angle = round++ % 361 - 180;
        return TimeOnce([&] { DrawPlainPreview(GetDlgItem(dialog, IDC_WATERMARK_PREVIEW), client, angle); });
    });
    rounds.Run(kTimedRenders);
    const double median = rounds.Median(preview);
    const double tail = rounds.Percentile(preview, kTailFraction);
    const std::string size = std::to_string(client.right) + " x " + std::to_string(client.bottom);

    const int before = LiveGdiObjects();
    for (int i = 0; i < kLeakRenders; ++i) {
        working.wBorder = static_cast<uint16_t>(i % 4);
        DrawWatermarkPreview(dialog, IDC_WATERMARK_PREVIEW);
    }
    const int after = LiveGdiObjects();
    DestroyWindow(dialog);

    PrintBenchHeader();
    PrintBenchRow("watermark preview " + size + ", median", median, "its target", kMedianTargetUs,
                  median / kMedianTargetUs, 1.0, kTimedRenders);
    PrintBenchRow("watermark preview " + size + ", 99th percentile", tail, "its target",
                  kTailTargetUs, tail / kTailTargetUs, 1.0, kTimedRenders);
    PrintBenchRow("watermark preview " + size, rounds, preview,
                  "plain GDI render, page and rotated text", plain, 0);
    PrintBenchRow("GDI objects (count) after " + std::to_string(kLeakRenders) + " renders", after,
                  "GDI objects (count) before", before, before > 0 ? double(after) / before : 0, 1.0,
                  1);
    return before == after ? 0 : 1;
}
