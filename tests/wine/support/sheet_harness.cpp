#include "support/sheet_harness.h"

#include "driver/devmode_builder.h"
#include "sheet/sheet_pages.h"

#include <commctrl.h>

#include <utility>

namespace {

constexpr UINT kMessageBoxTextId = 0xFFFF;
constexpr UINT kModalDelayMs = 10;
constexpr int kTextChars = 512;
const WCHAR kDialogClass[] = L"#32770";

SheetHarness *Current;

// A blank last page, so that leaving the plug-in's pages can be asked for.
struct BlankTemplate {
    DLGTEMPLATE header;
    WORD menu, windowClass, title;
};

BlankTemplate Blank = {{WS_CHILD | WS_DISABLED | WS_CAPTION, 0, 0, 0, 0, 100, 50}, 0, 0, 0};

INT_PTR CALLBACK BlankPageProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG;
}

std::wstring WindowText(HWND window) {
    WCHAR text[kTextChars] = L"";
    GetWindowTextW(window, text, kTextChars);
    return text;
}

// A top-level dialog that is not a property sheet.
bool IsModalDialog(HWND window) {
    WCHAR name[16] = L"";
    GetClassNameW(window, name, ARRAYSIZE(name));
    return lstrcmpW(name, kDialogClass) == 0 && !(GetWindowLongW(window, GWL_STYLE) & WS_CHILD) &&
           !PropSheet_GetTabControl(window);
}

}  // namespace

SheetHarness::SheetHarness(const WCHAR *printerName) : printerName_(printerName) {
    Current = this;
    heap_ = HeapCreate(0, 0, 0);
    plugin_ = library_.CreatePlugin();
    printer_ = std::make_unique<PrinterHandle>(printerName_.c_str());
    devmode_ = NewDevmode(kRecordBytes);
    record_ = devmode_.Bytes() + kPluginSectionOffset;
    PublicDevmode()->dmOrientation = DMORIENT_PORTRAIT;
}

SheetHarness::~SheetHarness() {
    Close();
    if (plugin_) plugin_->Release();
    HeapDestroy(heap_);
    Current = nullptr;
}

bool SheetHarness::PrepareRecord() {
    if (!plugin_ || !printer_->Get()) return false;
    OEMDMPARAM dm = {};
    dm.cbSize = sizeof(dm);
    dm.hPrinter = printer_->Get();
    dm.hModule = library_.Module();
    dm.pPublicDMOut = PublicDevmode();
    dm.pOEMDMOut = record_;
    dm.cbBufSize = kRecordBytes;
    recordReady_ = plugin_->DevMode(OEMDM_DEFAULT, &dm) == S_OK;
    return recordReady_;
}

bool SheetHarness::AddPluginPages() {
    if (!recordReady_ && !PrepareRecord()) return false;

    if (hideStandardUI) plugin_->HideStandardUI(OEMCUIP_DOCPROP);
    cuip_.cbSize = sizeof(cuip_);
    cuip_.hPrinter = printer_->Get();
    cuip_.pPrinterName = const_cast<WCHAR *>(printerName_.c_str());
    cuip_.hOEMHeap = heap_;
    cuip_.pPublicDM = PublicDevmode();
    cuip_.pOEMDM = record_;
    if (plugin_->CommonUIProp(OEMCUIP_DOCPROP, &cuip_) != S_OK) return false;
    tree.Attach(&cuip_);
    cuip_.pOEMOptItems = pluginItems_;
    if (plugin_->CommonUIProp(OEMCUIP_DOCPROP, &cuip_) != S_OK) return false;

    psParam_.cbSize = sizeof(psParam_);
    psParam_.poemuiobj = tree.UiObject();
    psParam_.hPrinter = printer_->Get();
    psParam_.pPrinterName = const_cast<WCHAR *>(printerName_.c_str());
    psParam_.hOEMHeap = heap_;
    psParam_.pPublicDM = cuip_.pPublicDM;
    psParam_.pOEMDM = record_;
    psParam_.dwFlags = sheetFlags;

    PROPSHEETUI_INFO info = {};
    info.cbSize = sizeof(info);
    info.Version = 0x100;
    info.Reason = PROPSHEETUI_REASON_INIT;
    info.hComPropSheet = reinterpret_cast<HANDLE>(this);
    info.pfnComPropSheet = ComPropSheet;
    info.lParamInit = reinterpret_cast<LPARAM>(&psParam_);
    return plugin_->DocumentPropertySheets(&info, 0) == 1 && info.Result == 1;
}

bool SheetHarness::Open() {
    PROPSHEETPAGEW blank = {};
    blank.dwSize = sizeof(blank);
    blank.dwFlags = PSP_DLGINDIRECT | PSP_USETITLE;
    blank.pResource = &Blank.header;
    blank.pszTitle = L"Blank";
    blank.pfnDlgProc = BlankPageProc;
    std::vector<HPROPSHEETPAGE> all = pages_;
    all.push_back(CreatePropertySheetPageW(&blank));

    PROPSHEETHEADERW header = {};
    header.dwSize = sizeof(header);
    header.dwFlags = PSH_MODELESS;
    header.pszCaption = L"Document Properties";
    header.nPages = static_cast<UINT>(all.size());
    header.phpage = all.data();
    sheet_ = reinterpret_cast<HWND>(PropertySheetW(&header));
    return sheet_ != nullptr && JobOptions() != nullptr;
}

bool SheetHarness::SelectPage(int index) { return ::SelectPage(sheet_, index); }

LONG_PTR CALLBACK SheetHarness::ComPropSheet(HANDLE, UINT function, LPARAM lParam1, LPARAM lParam2) {
    SheetHarness *self = Current;
    switch (function) {
    case CPSFUNC_ADD_PROPSHEETPAGEW: {
        PROPSHEETPAGEW added = *reinterpret_cast<const PROPSHEETPAGEW *>(lParam1);
        self->described_.push_back(added);
        const DLGTEMPLATE *layout = self->pages_.empty() ? self->jobOptionsTemplate
                                    : self->pages_.size() == 1 ? self->colorTemplate
                                                               : nullptr;
        if (layout) {
            added.dwFlags |= PSP_DLGINDIRECT;
            added.pResource = layout;
        }
        HPROPSHEETPAGE page = CreatePropertySheetPageW(&added);
        if (!page) return 0;
        self->pages_.push_back(page);
        return static_cast<LONG_PTR>(self->pages_.size());
    }
    case CPSFUNC_SET_RESULT:
        self->results_.push_back(lParam2);
        self->reportingPages_.push_back(lParam1);
        return 1;
    default:
        return 0;
    }
}

ModalWatch::ModalWatch()
    : previous_(std::exchange(current_, this)),
      hook_(SetWindowsHookExW(WH_CBT, CbtHook, nullptr, GetCurrentThreadId())) {}

ModalWatch::~ModalWatch() {
    if (hook_) UnhookWindowsHookEx(hook_);
    current_ = previous_;
}

LRESULT CALLBACK ModalWatch::CbtHook(int code, WPARAM wParam, LPARAM lParam) {
    HWND window = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && current_ && IsModalDialog(window)) {
        current_->pending_.push_back(window);
        SetTimer(nullptr, 0, kModalDelayMs, Timer);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK ModalWatch::Timer(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    if (!current_) return;
    std::vector<HWND> windows;
    windows.swap(current_->pending_);
    for (HWND window : windows)
        if (IsWindow(window)) current_->Handle(window);
}

void ModalWatch::Handle(HWND window) {
    for (const ModalWindow &seen : seen_)
        if (seen.window == window) return;
    ModalWindow modal = {window, WindowText(window), WindowText(GetDlgItem(window, kMessageBoxTextId))};
    seen_.push_back(modal);
    if (handler_) {
        handler_(modal);
        return;
    }
    PostMessageW(window, WM_COMMAND, modal.text.empty() ? IDCANCEL : IDOK, 0);
}
