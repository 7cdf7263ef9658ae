#include "support/sheet_visit.h"

#include "support/sheet_harness.h"

#include "core/oem_devmode.h"
#include "sheet/document_sheet.h"
#include "file_io.h"
#include "sheet/sheet_pages.h"

#include <commctrl.h>
#include <prsht.h>

#include <cstdlib>
#include <cstring>

namespace {

// A page that refuses to be left keeps the sheet open after OK; Cancel
// follows after this long.
constexpr UINT kRefusedOkMs = 1500;
const WCHAR kOutFileName[] = L"sx-hardening.dev";

HWND g_openSheet = nullptr;

void CALLBACK CancelRefusedOk(HWND, UINT, UINT_PTR timer, DWORD) {
    if (g_openSheet && IsWindow(g_openSheet))
        PostMessageW(g_openSheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    KillTimer(nullptr, timer);
}

std::wstring OutFile() {
    WCHAR folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    return std::wstring(folder) + kOutFileName;
}

void InitControls() {
    INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_STANDARD_CLASSES | ICC_TAB_CLASSES |
                                                         ICC_UPDOWN_CLASS | ICC_BAR_CLASSES |
                                                         ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&classes);
}

}  // namespace

bool VisitDocumentProperties(PluginSession &session, DocumentUi &ui, SheetVisit *visit,
                             std::string *error) {
    InitControls();
    ModalWatch closer;
    closer.OnModal([](const ModalWindow &modal) {
        PostMessageW(modal.window, WM_COMMAND, IDCANCEL, 0);
    });
    const std::wstring outFile = OutFile();
    DeleteFileW(outFile.c_str());
    DocumentSheet sheet(session, ui);
    SheetOptions options;
    options.outFile = outFile;
    options.onShown = [visit](HWND window) {
        g_openSheet = window;
        visit->pages = PageCount(window);
        for (int page = 1; page < visit->pages; ++page) {
            if (SelectPage(window, page))
                ++visit->left;
            else
                ++visit->refused;
            // Painted at once, owner-drawn pictures included.
            RedrawWindow(PropSheet_IndexToHwnd(window, page), nullptr, nullptr,
                         RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        }
        SetTimer(nullptr, 0, kRefusedOkMs, CancelRefusedOk);
        PostMessageW(window, PSM_PRESSBUTTON, PSBTN_OK, 0);
    };
    const bool shown = sheet.PrepareItems(options, error) && sheet.Show(error);
    g_openSheet = nullptr;
    visit->modals = static_cast<uint32_t>(closer.Seen().size());
    visit->stored = sheet.Stored();
    if (shown && visit->stored && !ReadWholeFile(outFile, &visit->devmode, error)) return false;
    DeleteFileW(outFile.c_str());
    return shown;
}

bool WholeRecord(const BYTE *record) {
    OEM_DMEXTRAHEADER header;
    std::memcpy(&header, record, sizeof(header));
    return header.dwSize == kOemDevmodeSize && header.dwSignature == kOemSignature &&
           header.dwVersion == kOemVersion;
}

uint32_t RunSetting(const char *name, uint32_t fallback) {
    char text[32] = "";
    const DWORD length = GetEnvironmentVariableA(name, text, sizeof(text));
    if (!length || length >= sizeof(text)) return fallback;
    return static_cast<uint32_t>(std::strtoul(text, nullptr, 0));
}
