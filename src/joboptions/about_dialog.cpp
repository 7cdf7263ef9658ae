#include "joboptions/about_dialog.h"

#include "core/context_help.h"
#include "core/dialog_utils.h"
#include "core/driver_config.h"
#include "core/plugin_module.h"
#include "joboptions/job_options_rules.h"
#include "resources/resource_ids.h"

#include <cstdio>
#include <vector>

namespace {

constexpr size_t kPpdPathChars = 260;
constexpr int kPpdLineBytes = 256;  // 255 bytes and the terminator
constexpr DWORD kOptionVerChars = 256;
constexpr DWORD kDriverVerChars = 32;
constexpr DWORD kInternalVerChars = 512;
constexpr DWORD kVersionPathChars = MAX_PATH + 1;
constexpr int kBandInset = 10;
constexpr int kBandTop = 2;
constexpr int kBandBottom = 22;
constexpr int kEllipsisRoom = 4;

const WCHAR kVersionSection[] = L"Version";
const char kPpdExtension[] = "PPD";

using LineRule = bool (*)(const char *, char16_t *, size_t);

// The description file next to the plug-in ini: the ini's path up to its
// first '.', then "PPD".
bool PpdPath(char *path) {
    if (!PluginIni) return false;
    size_t n = 0;
    for (; PluginIni[n] && n + sizeof(kPpdExtension) < kPpdPathChars; ++n) {
        path[n] = static_cast<char>(PluginIni[n] & 0xFF);
        if (PluginIni[n] == L'.') {
            memcpy(path + n + 1, kPpdExtension, sizeof(kPpdExtension));
            return true;
        }
    }
    return false;
}

class TextFile {
public:
    explicit TextFile(const char *path) : file_(fopen(path, "r")) {}
    ~TextFile() {
        if (file_) fclose(file_);
    }
    TextFile(const TextFile &) = delete;
    TextFile &operator=(const TextFile &) = delete;
    bool ReadLine(char *line, int bytes) { return file_ && fgets(line, bytes, file_); }

private:
    FILE *file_;
};

// The first line of the description file that the rule accepts.
void ReadPpdText(const char *path, LineRule rule, WCHAR *out) {
    out[0] = 0;
    TextFile file(path);
    char line[kPpdLineBytes];
    while (file.ReadLine(line, kPpdLineBytes))
        if (rule(line, reinterpret_cast<char16_t *>(out), kAboutTextChars)) return;
}

void ReadVersion(const WCHAR *file, const WCHAR *key, WCHAR *out, DWORD chars) {
    out[0] = 0;
    if (file[0]) GetPrivateProfileStringW(kVersionSection, key, L"", out, chars, file);
}

HANDLE SheetPrinter(const DocUiState *state) {
    return state && state->pOemUiPsParam ? state->pOemUiPsParam->hPrinter : nullptr;
}

void ReadDriverName(HANDLE printer, WCHAR *out, DWORD chars) {
    out[0] = 0;
    DWORD needed = 0;
    GetPrinterW(printer, 2, nullptr, 0, &needed);
    if (!needed) return;
    std::vector<BYTE> buffer(needed);
    if (!GetPrinterW(printer, 2, buffer.data(), needed, &needed)) return;
    const PRINTER_INFO_2W *info = reinterpret_cast<const PRINTER_INFO_2W *>(buffer.data());
    if (info->pDriverName) lstrcpynW(out, info->pDriverName, chars);
}

void ReadVersionFilePath(const DocUiState *state, WCHAR *path) {
    path[0] = 0;
    if (!FindVersionFile(SheetPrinter(state), path, kVersionPathChars)) path[0] = 0;
}

RECT ControlRect(HWND dialog, UINT id) {
    RECT rect = {};
    HWND control = GetDlgItem(dialog, id);
    if (!control) return rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT *>(&rect), 2);
    return rect;
}

bool StrictlyInside(const RECT &rect, POINT point) {
    return point.x > rect.left && point.x < rect.right && point.y > rect.top &&
           point.y < rect.bottom;
}

// The internal version, drawn once under the notice; the next repaint
// removes it.
void DrawInternalVersion(HWND dialog, const DocUiState *state) {
    WCHAR versionFile[kVersionPathChars];
    ReadVersionFilePath(state, versionFile);
    WCHAR internal[kInternalVerChars + kEllipsisRoom];
    ReadVersion(versionFile, L"InternalVer", internal, kInternalVerChars);
    if (!internal[0]) return;

    RECT client;
    GetClientRect(dialog, &client);
    const RECT notice = ControlRect(dialog, IDC_PPD_NOTICE);
    RECT band = {client.left + kBandInset, notice.bottom + kBandTop, client.right - kBandInset,
                 notice.bottom + kBandBottom};
    HDC dc = GetDC(dialog);
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
    HGDIOBJ oldFont = font ? SelectObject(dc, font) : nullptr;
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, internal, -1, &band, DT_CENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_MODIFYSTRING);
    SetBkMode(dc, oldMode);
    if (oldFont) SelectObject(dc, oldFont);
    ReleaseDC(dialog, dc);
}

void OnDoubleClick(HWND dialog, WPARAM keys, LPARAM lParam) {
    if (!(keys & MK_CONTROL) || !(keys & MK_SHIFT)) return;
    const POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    if (!StrictlyInside(ControlRect(dialog, IDC_DRIVER_VERSION), point)) return;
    DrawInternalVersion(dialog, reinterpret_cast<const DocUiState *>(GetWindowLongPtrW(dialog, DWLP_USER)));
}

}  // namespace

void FillAboutTexts(HWND dialog, const DocUiState *state) {
    char ppd[kPpdPathChars + 1];
    WCHAR ppdVersion[kAboutTextChars] = L"";
    WCHAR notice[kAboutTextChars] = L"";
    if (PpdPath(ppd)) {
        ReadPpdText(ppd, PpdFileVersionFromLine, ppdVersion);
        ReadPpdText(ppd, PpdNoticeFromLine, notice);
    }

    WCHAR versionFile[kVersionPathChars];
    ReadVersionFilePath(state, versionFile);
    WCHAR optionVer[kOptionVerChars], driverVer[kDriverVerChars], internalVer[kInternalVerChars];
    ReadVersion(versionFile, L"OptionVer", optionVer, kOptionVerChars);
    ReadVersion(versionFile, L"DriverVer", driverVer, kDriverVerChars);
    ReadVersion(versionFile, L"InternalVer", internalVer, kInternalVerChars);
    WCHAR driverVersion[kAboutTextChars];
    ComposeDriverVersion(reinterpret_cast<const char16_t *>(optionVer),
                         reinterpret_cast<const char16_t *>(driverVer),
                         reinterpret_cast<const char16_t *>(internalVer),
                         reinterpret_cast<char16_t *>(driverVersion), kAboutTextChars);

    WCHAR driverName[MAX_PATH];
    ReadDriverName(SheetPrinter(state), driverName, MAX_PATH);

    SetDlgItemTextW(dialog, IDC_DRIVER_NAME, driverName);
    SetDlgItemTextW(dialog, IDC_DRIVER_VERSION, driverVersion);
    SetDlgItemTextW(dialog, IDC_PPD_VERSION, ppdVersion);
    SetDlgItemTextW(dialog, IDC_PPD_NOTICE, notice);
}

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        ApplyHelpButtonRule(dialog);
        FillAboutTexts(dialog, reinterpret_cast<const DocUiState *>(lParam));
        return FALSE;
    case WM_DRAWITEM:
        if (wParam != IDC_ABOUT_PICTURE) return FALSE;
        DrawTransparentBitmap(dialog, PluginModule, IDC_ABOUT_PICTURE, IDB_ABOUT_PICTURE);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) EndDialog(dialog, 1);
        else if (LOWORD(wParam) == IDCANCEL) EndDialog(dialog, 0);
        return TRUE;
    case WM_LBUTTONDBLCLK:
        OnDoubleClick(dialog, wParam, lParam);
        return TRUE;
    default:
        return HandleContextHelpMessage(message, wParam, lParam, TRUE, TRUE);
    }
}
