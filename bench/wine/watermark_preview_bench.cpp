// Figures of the watermark page preview under Wine: one DrawWatermarkPreview
// at the editor's control size (median and 99th percentile), and the
// process's GDI objects before and after 10,000 renders.
#include "core/doc_ui_state.h"
#include "resources/dialog_ids.h"
#include "support/wine_test_support.h"
#include "watermarks/watermark_font_list.h"
#include "watermarks/watermark_preview.h"

#include <winternl.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kTimedRenders = 2000;
constexpr int kLeakRenders = 10000;
constexpr int kWarmUpRenders = 20;
constexpr double kMedianTargetMs = 4.0;
constexpr double kTailTargetMs = 8.0;
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

double Milliseconds(const LARGE_INTEGER &from, const LARGE_INTEGER &to, double ticksPerMs) {
    return static_cast<double>(to.QuadPart - from.QuadPart) / ticksPerMs;
}

double Percentile(std::vector<double> samples, double fraction) {
    const size_t at = std::min(samples.size() - 1, static_cast<size_t>(fraction * samples.size()));
    std::nth_element(samples.begin(), samples.begin() + static_cast<long>(at), samples.end());
    return samples[at];
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

    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    const double ticksPerMs = static_cast<double>(frequency.QuadPart) / 1000.0;
    for (int i = 0; i < kWarmUpRenders; ++i) DrawWatermarkPreview(dialog, IDC_WATERMARK_PREVIEW);

    std::vector<double> samples;
    samples.reserve(kTimedRenders);
    for (int i = 0; i < kTimedRenders; ++i) {
        working.sAngle = static_cast<int16_t>(i % 361 - 180);
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        DrawWatermarkPreview(dialog, IDC_WATERMARK_PREVIEW);
        QueryPerformanceCounter(&end);
        samples.push_back(Milliseconds(start, end, ticksPerMs));
    }
    printf("watermark preview, %ld x %ld pixels, %d renders: median %.3f ms (target under %.0f ms), "
           "99th percentile %.3f ms (target under %.0f ms)\n",
           client.right, client.bottom, kTimedRenders, Percentile(samples, 0.5), kMedianTargetMs,
           Percentile(samples, 0.99), kTailTargetMs);

    const int before = LiveGdiObjects();
    for (int i = 0; i < kLeakRenders; ++i) {
        working.wBorder = static_cast<uint16_t>(i % 4);
        DrawWatermarkPreview(dialog, IDC_WATERMARK_PREVIEW);
    }
    const int after = LiveGdiObjects();
    printf("GDI objects before and after %d renders: %d and %d (%s)\n", kLeakRenders, before, after,
           before == after ? "unchanged" : "CHANGED");
    DestroyWindow(dialog);
    return before == after ? 0 : 1;
}
