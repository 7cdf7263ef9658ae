// The contact sheets: each language's templates made into dialogs with a
// procedure that does nothing, painted by the system, copied from the
// window and laid out in rows with the template id and caption under each.
// Wine's PrintWindow draws only the dialog's background, not its controls,
// so the dialog is shown and its painted window copied instead.
#include "tools/contact_sheets.h"

#include "commands.h"
#include "core/gdi_holders.h"
#include "core/win_holders.h"
#include "driver/driver_files.h"
#include "file_io.h"
#include "host_text.h"
#include "tools/canvas.h"
#include "tools/contact_sheets_png.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

namespace {

struct SheetLanguage {
    LANGID id;
    const WCHAR *tag;
};

const SheetLanguage kLanguages[] = {
    {0x0000, L"en"}, {0x000A, L"es"}, {0x0404, L"zh_tw"}, {0x0407, L"de"},    {0x040C, L"fr"},
    {0x0410, L"it"}, {0x0412, L"ko"}, {0x0416, L"pt_br"}, {0x0804, L"zh_cn"},
};

const WCHAR kPluginFile[] = L"sxoemui.dll";
const WCHAR kHostClass[] = L"Static";
const WCHAR kSheetExtension[] = L".png";
const WCHAR kLabelSeparator[] = L"  ";

constexpr int kHostWidth = 1024;
constexpr int kHostHeight = 768;
constexpr int kMargin = 16;
constexpr int kGap = 24;
constexpr int kLabelGap = 6;
constexpr int kMinCellWidth = 180;
constexpr int kMaxSheetWidth = 2200;
constexpr COLORREF kSheetColour = RGB(0xD4, 0xD8, 0xDC);
constexpr COLORREF kFrameColour = RGB(0x50, 0x50, 0x50);
constexpr COLORREF kLabelColour = RGB(0x00, 0x00, 0x00);

// One drawn dialog and its label, kept in the dialog's own font so that
// every language's caption shows in glyphs that language needs.
struct Shot {
    int templateId = 0;
    std::wstring caption;
    LOGFONTW font = {};
    int width = 0;
    int height = 0;
    std::vector<RGBQUAD> pixels;
};

struct Placement {
    const Shot *shot;
    int x, y, cellWidth;
};

INT_PTR CALLBACK IdleDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

BOOL CALLBACK CollectName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR param) {
    if (IS_INTRESOURCE(name))
        reinterpret_cast<std::vector<int> *>(param)->push_back(
            static_cast<int>(reinterpret_cast<ULONG_PTR>(name)));
    return TRUE;
}

struct LanguageSearch {
    LANGID wanted;
    bool found;
};

BOOL CALLBACK MatchLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR param) {
    auto *search = reinterpret_cast<LanguageSearch *>(param);
    search->found |= language == search->wanted;
    return !search->found;
}

std::vector<int> TemplateIds(HMODULE plugin) {
    std::vector<int> ids;
    EnumResourceNamesW(plugin, RT_DIALOG, CollectName, reinterpret_cast<LONG_PTR>(&ids));
    std::sort(ids.begin(), ids.end());
    return ids;
}

// The language's own copy only: the ordinary lookup would stand in another.
const DLGTEMPLATE *ExactTemplate(HMODULE plugin, int templateId, LANGID language) {
    LanguageSearch search = {language, false};
    EnumResourceLanguagesW(plugin, RT_DIALOG, MAKEINTRESOURCEW(templateId), MatchLanguage,
                           reinterpret_cast<LONG_PTR>(&search));
    if (!search.found) return nullptr;
    HRSRC found = FindResourceExW(plugin, RT_DIALOG, MAKEINTRESOURCEW(templateId), language);
    HGLOBAL loaded = found ? LoadResource(plugin, found) : nullptr;
    return loaded ? static_cast<const DLGTEMPLATE *>(LockResource(loaded)) : nullptr;
}

std::wstring WindowText(HWND window) {
    std::vector<WCHAR> text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1);
    GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    return text.data();
}

void PaintNow(HWND dialog) {
    RedrawWindow(dialog, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW |
                     RDW_ERASENOW);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

// The dialog is shown in a visible host at the screen's corner, so that it
// and its controls paint as they do for the user.
bool ShootDialog(HMODULE plugin, int templateId, LANGID language, Shot *shot) {
    const DLGTEMPLATE *dialogTemplate = ExactTemplate(plugin, templateId, language);
    if (!dialogTemplate) return false;
    UniqueWindow host(CreateWindowExW(0, kHostClass, L"", WS_POPUP | WS_VISIBLE, 0, 0, kHostWidth,
                                kHostHeight, nullptr, nullptr, GetModuleHandleW(nullptr),
                                nullptr));
    if (!host.Get()) return false;
    UniqueWindow dialog(CreateDialogIndirectParamW(plugin, dialogTemplate, host.Get(), IdleDialogProc, 0));
    if (!dialog.Get()) return false;
    SetWindowPos(dialog.Get(), HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    PaintNow(dialog.Get());

    RECT frame;
    GetWindowRect(dialog.Get(), &frame);
    Canvas canvas(frame.right - frame.left, frame.bottom - frame.top);
    if (!canvas.Valid()) return false;
    HDC window = GetWindowDC(dialog.Get());
    const BOOL copied =
        BitBlt(canvas.Dc(), 0, 0, canvas.Width(), canvas.Height(), window, 0, 0, SRCCOPY);
    ReleaseDC(dialog.Get(), window);
    if (!copied) return false;
    GdiFlush();
    shot->templateId = templateId;
    shot->caption = WindowText(dialog.Get());
    const HFONT font = reinterpret_cast<HFONT>(SendMessageW(dialog.Get(), WM_GETFONT, 0, 0));
    if (!font || !GetObjectW(font, sizeof(shot->font), &shot->font))
        GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(shot->font), &shot->font);
    shot->width = canvas.Width();
    shot->height = canvas.Height();
    shot->pixels.assign(canvas.Pixels(), canvas.Pixels() + size_t(shot->width) * shot->height);
    return true;
}

int LineHeight(HDC dc, const LOGFONTW &font) {
    GdiObject<HFONT> label(CreateFontIndirectW(&font));
    const HGDIOBJ previous = SelectObject(dc, label.Get());
    TEXTMETRICW metrics = {};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    return metrics.tmHeight;
}

// Rows of cells, left to right, a new row when the sheet would grow too wide.
std::vector<Placement> LayOut(const std::vector<Shot> &shots, HDC dc, SIZE *sheet) {
    std::vector<Placement> placed;
    int x = kMargin, y = kMargin, rowHeight = 0, right = 0;
    for (const Shot &shot : shots) {
        const int cellWidth = std::max(shot.width, kMinCellWidth);
        const int cellHeight = shot.height + kLabelGap + LineHeight(dc, shot.font);
        if (x > kMargin && x + cellWidth + kMargin > kMaxSheetWidth) {
            x = kMargin;
            y += rowHeight + kGap;
            rowHeight = 0;
        }
        placed.push_back({&shot, x, y, cellWidth});
        right = std::max(right, x + cellWidth);
        rowHeight = std::max(rowHeight, cellHeight);
        x += cellWidth + kGap;
    }
    sheet->cx = right + kMargin;
    sheet->cy = y + rowHeight + kMargin;
    return placed;
}

void PasteShot(const Canvas &sheet, const Placement &place) {
    const Shot &shot = *place.shot;
    for (int row = 0; row < shot.height; ++row)
        std::copy_n(shot.pixels.begin() + static_cast<std::ptrdiff_t>(row) * shot.width,
                    shot.width, sheet.Pixels() + size_t(place.y + row) * sheet.Width() + place.x);
    RECT frame = {place.x - 1, place.y - 1, place.x + shot.width + 1, place.y + shot.height + 1};
    HBRUSH brush = CreateSolidBrush(kFrameColour);
    FrameRect(sheet.Dc(), &frame, brush);
    DeleteObject(brush);
}

void DrawLabel(const Canvas &sheet, const Placement &place) {
    const Shot &shot = *place.shot;
    GdiObject<HFONT> font(CreateFontIndirectW(&shot.font));
    const HGDIOBJ previous = SelectObject(sheet.Dc(), font.Get());
    SetBkMode(sheet.Dc(), TRANSPARENT);
    SetTextColor(sheet.Dc(), kLabelColour);
    const std::wstring label = std::to_wstring(shot.templateId) + kLabelSeparator + shot.caption;
    RECT area = {place.x, place.y + shot.height + kLabelGap, place.x + place.cellWidth,
                 sheet.Height()};
    DrawTextW(sheet.Dc(), label.c_str(), -1, &area,
              DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS | DT_LEFT | DT_TOP);
    SelectObject(sheet.Dc(), previous);
}

RgbImage ToRgb(const Canvas &sheet) {
    RgbImage image;
    image.width = static_cast<uint32_t>(sheet.Width());
    image.height = static_cast<uint32_t>(sheet.Height());
    const size_t count = size_t(image.width) * image.height;
    image.pixels.reserve(count * 3);
    for (size_t i = 0; i < count; ++i) {
        const RGBQUAD &quad = sheet.Pixels()[i];
        image.pixels.insert(image.pixels.end(), {quad.rgbRed, quad.rgbGreen, quad.rgbBlue});
    }
    return image;
}

bool WriteSheet(const std::vector<Shot> &shots, const std::wstring &path, std::string *error) {
    SIZE size = {};
    std::vector<Placement> placed;
    {
        Canvas measure(1, 1);
        placed = LayOut(shots, measure.Dc(), &size);
    }
    Canvas sheet(size.cx, size.cy);
    if (!sheet.Valid()) {
        *error = "cannot make a sheet of " + std::to_string(size.cx) + "x" +
                 std::to_string(size.cy) + " pixels";
        return false;
    }
    RECT all = {0, 0, size.cx, size.cy};
    HBRUSH background = CreateSolidBrush(kSheetColour);
    FillRect(sheet.Dc(), &all, background);
    DeleteObject(background);
    for (const Placement &place : placed) {
        PasteShot(sheet, place);
        DrawLabel(sheet, place);
    }
    GdiFlush();
    const std::vector<uint8_t> png = EncodePng(ToRgb(sheet));
    return WriteWholeFile(path, png.data(), png.size(), error);
}

}  // namespace

int RunContactSheets(const std::wstring &outFolder) {
    if (!CreateDirectoryW(outFolder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
        PrintError("cannot create " + Utf8(outFolder) + ": " + Win32ErrorText(GetLastError()));
        return kExitFailure;
    }
    const std::wstring pluginPath = JoinPath(ExeDirectory(), kPluginFile);
    LoadedLibrary plugin(LoadLibraryW(pluginPath.c_str()));
    if (!plugin.Get()) {
        PrintError("cannot load " + Utf8(pluginPath) + ": " + Win32ErrorText(GetLastError()));
        return kExitFailure;
    }
    INITCOMMONCONTROLSEX classes = {sizeof(classes),
                                    ICC_LISTVIEW_CLASSES | ICC_UPDOWN_CLASS | ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);

    const std::vector<int> ids = TemplateIds(plugin.Get());
    int status = kExitOk;
    for (const SheetLanguage &language : kLanguages) {
        std::vector<Shot> shots;
        std::string missing;
        for (int id : ids) {
            Shot shot;
            if (ShootDialog(plugin.Get(), id, language.id, &shot))
                shots.push_back(std::move(shot));
            else
                missing += " " + std::to_string(id);
        }
        const std::wstring path = JoinPath(outFolder, std::wstring(language.tag) + kSheetExtension);
        std::string error;
        if (shots.empty() || !WriteSheet(shots, path, &error)) {
            PrintError(Utf8(language.tag) + ": " + (shots.empty() ? "no templates" : error));
            status = kExitFailure;
            continue;
        }
        PrintOut(Utf8(path) + ": " + std::to_string(shots.size()) + " templates" +
                 (missing.empty() ? "" : ", not in this language:" + missing) + "\n");
    }
    return status;
}
