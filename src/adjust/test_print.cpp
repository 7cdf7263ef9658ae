#include "adjust/test_print.h"

#include "core/win_holders.h"
#include "joboptions/job_options_page.h"

#include <cstring>

namespace {

const WCHAR kPrinterDriver[] = L"WINSPOOL";
const WCHAR kDocumentName[] = L"Test Print";
const char kInputSlotFeature[] = "InputSlot";

// The DEVMODE's record sits where the sheet's record sits in the sheet's
// DEVMODE; null when the sheet keeps it elsewhere.
OemDevmode *RecordInCopy(const OEMUIPSPARAM *sheet, BYTE *copy, size_t size) {
    const BYTE *start = reinterpret_cast<const BYTE *>(sheet->pPublicDM);
    const BYTE *record = static_cast<const BYTE *>(sheet->pOEMDM);
    if (!record || record < start + sheet->pPublicDM->dmSize) return nullptr;
    const size_t offset = static_cast<size_t>(record - start);
    if (offset > size || size - offset < sizeof(OemDevmode)) return nullptr;
    return reinterpret_cast<OemDevmode *>(copy + offset);
}

// The paper bin of the driver's "InputSlot"; an index the printer's bin list
// does not reach leaves the source as it was.
void ChooseBin(const DocUiState *state, DEVMODEW *copy) {
    DriverAnswer answer;
    if (!ReadDriverSetting(state, kInputSlotFeature, &answer)) return;
    const uint32_t index = BinIndexForInputSlot(answer.text);
    const WCHAR *printer = state->pOemUiPsParam->pPrinterName;
    const int count = DeviceCapabilitiesW(printer, nullptr, DC_BINS, nullptr, copy);
    if (count <= 0 || index >= static_cast<uint32_t>(count)) return;
    GlobalBlock bins(static_cast<SIZE_T>(count) * sizeof(WORD));
    if (!bins) return;
    if (DeviceCapabilitiesW(printer, nullptr, DC_BINS, bins.As<WCHAR>(), copy) <= static_cast<int>(index))
        return;
    copy->dmDefaultSource = static_cast<short>(bins.As<WORD>()[index]);
    copy->dmFields |= DM_DEFAULTSOURCE;
}

void DrawSheet(HDC dc, const TestSheet &sheet) {
    for (size_t i = 0; i < sheet.lineCount; ++i) {
        MoveToEx(dc, sheet.lines[i].x1, sheet.lines[i].y1, nullptr);
        LineTo(dc, sheet.lines[i].x2, sheet.lines[i].y2);
    }
    for (const SheetText &text : sheet.texts)
        TextOutW(dc, text.x, text.y, reinterpret_cast<const WCHAR *>(text.text), 1);
    for (const SheetTriangle &head : sheet.heads) {
        const POINT points[3] = {{head.x[0], head.y[0]}, {head.x[1], head.y[1]}, {head.x[2], head.y[2]}};
        Polygon(dc, points, 3);
    }
}

void PrintPages(HDC dc, int pages) {
    DOCINFOW document = {};
    document.cbSize = sizeof(document);
    document.lpszDocName = kDocumentName;
    if (StartDocW(dc, &document) <= 0) return;
    const int width = GetDeviceCaps(dc, HORZRES), height = GetDeviceCaps(dc, VERTRES);
    TestSheet sheet;
    for (int page = 1; page <= pages; ++page) {
        if (StartPage(dc) <= 0) break;
        PlanTestSheet(width, height, page, &sheet);
        DrawSheet(dc, sheet);
        EndPage(dc);
    }
    EndDoc(dc);
}

}  // namespace

bool PrintAdjustmentTestPage(const DocUiState *state, uint32_t mode, const AdjustValues &values) {
    const POEMUIPSPARAM sheet = state->pOemUiPsParam;
    if (!sheet || !sheet->pPublicDM || !sheet->pPrinterName) return false;
    const size_t size = static_cast<size_t>(sheet->pPublicDM->dmSize) + sheet->pPublicDM->dmDriverExtra;
    GlobalBlock block(size);
    if (!block) return false;
    std::memcpy(block.As<BYTE>(), sheet->pPublicDM, size);
    DEVMODEW *copy = block.As<DEVMODEW>();
    copy->dmDuplex = TestPrintDuplex(mode);
    copy->dmFields |= DM_DUPLEX;
    ChooseBin(state, copy);
    if (OemDevmode *record = RecordInCopy(sheet, block.As<BYTE>(), size)) StoreAdjustValues(values, record);

    HDC dc = CreateDCW(kPrinterDriver, sheet->pPrinterName, nullptr, copy);
    if (!dc) return false;
    SetBkMode(dc, TRANSPARENT);
    HPEN pen = CreatePen(PS_SOLID, kTestSheetPenWidth, RGB(0, 0, 0));
    LOGFONTW face = {};
    face.lfHeight = kTestSheetFontHeight;
    HFONT font = CreateFontIndirectW(&face);
    HGDIOBJ oldPen = pen ? SelectObject(dc, pen) : nullptr;
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(BLACK_BRUSH));
    HGDIOBJ oldFont = font ? SelectObject(dc, font) : nullptr;
    PrintPages(dc, TestPrintPages(mode));
    if (oldFont) SelectObject(dc, oldFont);
    SelectObject(dc, oldBrush);
    if (oldPen) SelectObject(dc, oldPen);
    if (font) DeleteObject(font);
    if (pen) DeleteObject(pen);
    DeleteDC(dc);
    return true;
}
