#include "sheet/sheet_screenshots.h"

#include "color/color_variant_ids.h"
#include "driver/driver_files.h"
#include "file_io.h"
#include "host_text.h"
#include "joboptions/job_options_variant_ids.h"
#include "overlays/overlay_ids.h"
#include "resources/dialog_ids.h"
#include "sheet/sheet_pages.h"
#include "sheet/window_capture.h"

#include <commctrl.h>
#include <prsht.h>

#include <algorithm>

namespace {

// The buttons of the plug-in's pages that open its sub-dialogs.
// Those of other page layouts (--variant-pages) are pictured when present.
const int kDialogButtons[] = {IDC_JOB_ADVANCED, IDC_ABOUT,        IDC_COLOR_DETAILS,
                              IDC_COLOR_ADVANCED, IDC_POSITION_ADJUST, IDC_OFFICE_DETAILS,
                              IDC_SPECIAL_TONER};
// Further controls of the extended page layouts that lead to dialogs. The
// third job type comes first: it may ask for a password itself, and it
// enables the JOB PIN button after it.
const int kFeatureButtons[] = {IDC_JOB_TYPE_ENCRYPTED, IDC_JOB_PIN_BUTTON, IDC_JOB_OVERLAYS,
                               IDC_WATERMARKS_BUTTON, IDC_COLOR_SAMPLES};
// Ticks after which a control that may open no dialog is taken as done.
constexpr int kSettleTicks = 4;

// A job type radio opens a dialog only when the job type needs one.
bool MayOpenNoDialog(int id) { return id == IDC_JOB_TYPE_ENCRYPTED; }
// Controls that the Job Options page serves though its layout does not
// carry them: their dialogs are opened by the command alone.
const int kJobOptionsCommands[] = {IDC_WATERMARKS_BUTTON};
constexpr int kFirstStoredWatermark = 1;

constexpr UINT kTickMs = 120;
// Ticks to wait for a dialog to appear or to go, and after which the
// closing gets firmer.
constexpr int kMaxWaitTicks = 40;
constexpr int kFirmerCloseTicks = 10;
const WCHAR kDialogClass[] = L"#32770";
const WCHAR kHelpWindowClass[] = L"HH Parent";
const WCHAR kHelpControl[] = L"hhctrl.ocx";
constexpr WORD kHtmlHelpOrdinal = 15;
constexpr UINT kHtmlHelpCloseAll = 0x12;
// Ticks the help window is given to draw itself before it is copied.
constexpr int kHelpDrawTicks = 4;

// The help a user asks for on the first page's print-quality button: F1,
// then "What's This?" from its context menu.
struct HelpRequest {
    UINT message;
    const WCHAR *name;
};
const HelpRequest kHelpRequests[] = {
    {WM_HELP, L"help - F1"},
    {WM_CONTEXTMENU, L"help - What's This"},
};
const WCHAR kPngExtension[] = L".png";
const WCHAR kForbidden[] = L"\\/:*?\"<>|";
constexpr WCHAR kMnemonic = L'&';
constexpr WCHAR kReplacement = L'_';
constexpr WCHAR kFirstPrintable = L' ';
// Wine writes file names in the host's character set, which may be ASCII.
constexpr WCHAR kLastAscii = L'~';

SheetScreenshots *Active;

std::wstring WindowText(HWND window) {
    std::vector<WCHAR> text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1);
    GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    return text.data();
}

struct ModalSearch {
    HWND sheet;
    HWND found;
    HWND besides;
};

BOOL CALLBACK FindModalWindow(HWND window, LPARAM param) {
    auto *search = reinterpret_cast<ModalSearch *>(param);
    if (window == search->sheet || window == search->besides || !IsWindowVisible(window)) return TRUE;
    WCHAR name[16] = L"";
    GetClassNameW(window, name, ARRAYSIZE(name));
    if (lstrcmpW(name, kDialogClass) != 0) return TRUE;
    search->found = window;
    return FALSE;
}

// A dialog or message box of this thread other than the sheet (and than
// `besides`).
HWND FindModal(HWND sheet, HWND besides = nullptr) {
    ModalSearch search = {sheet, nullptr, besides};
    EnumThreadWindows(GetCurrentThreadId(), FindModalWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

BOOL CALLBACK FindHelpWindow(HWND window, LPARAM param) {
    WCHAR name[16] = L"";
    GetClassNameW(window, name, ARRAYSIZE(name));
    if (!IsWindowVisible(window) || lstrcmpW(name, kHelpWindowClass) != 0) return TRUE;
    *reinterpret_cast<HWND *>(param) = window;
    return FALSE;
}

HWND FindHelp() {
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindHelpWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

// Through the help control itself, which keeps the list of its windows.
void CloseHelpWindows() {
    HMODULE control = GetModuleHandleW(kHelpControl);
    if (!control) return;
    auto htmlHelp = reinterpret_cast<HWND(WINAPI *)(HWND, LPCWSTR, UINT, DWORD_PTR)>(
        reinterpret_cast<void *>(GetProcAddress(control, MAKEINTRESOURCEA(kHtmlHelpOrdinal))));
    if (htmlHelp) htmlHelp(nullptr, nullptr, kHtmlHelpCloseAll, 0);
}

bool CreateFolders(const std::wstring &folder) {
    for (size_t i = 0; i <= folder.size(); ++i) {
        if (i < folder.size() && folder[i] != L'\\' && folder[i] != L'/') continue;
        const std::wstring prefix = folder.substr(0, i);
        if (prefix.empty() || prefix.back() == L':') continue;
        if (!CreateDirectoryW(prefix.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
            return false;
    }
    return true;
}

}  // namespace

std::wstring FileNameFor(const std::wstring &title) {
    std::wstring name;
    for (WCHAR c : title) {
        if (c == kMnemonic) continue;
        if (c > kLastAscii) return L"";
        name += (c < kFirstPrintable || wcschr(kForbidden, c)) ? kReplacement : c;
    }
    while (!name.empty() && (name.back() == L' ' || name.back() == L'.')) name.pop_back();
    return name;
}

SheetScreenshots::SheetScreenshots(const std::wstring &folder) : folder_(folder) {}

SheetScreenshots::~SheetScreenshots() {
    if (timer_) KillTimer(nullptr, timer_);
    if (Active == this) Active = nullptr;
}

void SheetScreenshots::Start(HWND sheet) {
    sheet_ = sheet;
    if (!CreateFolders(folder_)) {
        problems_.push_back("cannot create " + Utf8(folder_) + ": " + Win32ErrorText(GetLastError()));
        PostMessageW(sheet_, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
        return;
    }
    Active = this;
    pageCount_ = PageCount(sheet);
    page_ = 0;
    step_ = Step::SelectPage;
    timer_ = SetTimer(nullptr, 0, kTickMs, Tick);
}

void CALLBACK SheetScreenshots::Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (Active) Active->Advance();
}

void SheetScreenshots::Save(HWND window, const std::wstring &name, const std::wstring &asciiName) {
    RgbImage image;
    if (!CaptureWindow(window, &image)) {
        problems_.push_back("cannot copy the window for " + Utf8(name));
        return;
    }
    std::wstring base = FileNameFor(name);
    if (base.empty()) base = asciiName;
    std::wstring path = JoinPath(folder_, base + kPngExtension);
    // Two windows of one name in a run keep both pictures.
    for (int n = 2; std::find(written_.begin(), written_.end(), path) != written_.end(); ++n)
        path = JoinPath(folder_, base + L"-" + std::to_wstring(n) + kPngExtension);
    const std::vector<uint8_t> png = EncodePng(image);
    std::string error;
    if (!WriteWholeFile(path, png.data(), png.size(), &error)) {
        problems_.push_back(error);
        return;
    }
    written_.push_back(path);
}

// A message box or dialog nobody asked for (a page refusing to be left,
// say) is copied and answered, so that the run goes on.
bool SheetScreenshots::HandleStrayWindow() {
    HWND stray = FindModal(sheet_);
    if (!stray) return false;
    const std::wstring name = L"message-" + std::to_wstring(++strays_);
    Save(stray, name, name);
    PostMessageW(stray, WM_COMMAND, IDOK, 0);
    return true;
}

void SheetScreenshots::CapturePage() {
    pageTitle_ = PageTitle(sheet_, page_);
    const std::wstring number = L"page-" + std::to_wstring(page_ + 1);
    Save(sheet_, pageTitle_.empty() ? number : pageTitle_, number);
    buttons_.clear();
    HWND page = PropSheet_IndexToHwnd(sheet_, page_);
    if (page && GetDlgItem(page, IDC_QUALITY_HIGH)) helpPage_ = page_;
    for (int id : kDialogButtons) {
        HWND button = page ? GetDlgItem(page, id) : nullptr;
        if (button && IsWindowVisible(button) && IsWindowEnabled(button)) buttons_.push_back(id);
    }
    // Whether these are enabled is seen when their turn comes.
    for (int id : kFeatureButtons) {
        HWND button = page ? GetDlgItem(page, id) : nullptr;
        if (button && IsWindowVisible(button)) buttons_.push_back(id);
    }
    if (page && GetDlgItem(page, IDC_JOB_ADVANCED))
        for (int id : kJobOptionsCommands)
            if (!GetDlgItem(page, id)) buttons_.push_back(id);
    button_ = 0;
    step_ = buttons_.empty() ? Step::SelectPage : Step::ClickButton;
    if (buttons_.empty()) ++page_;
}

void SheetScreenshots::NextButton() {
    waited_ = 0;
    dialog_ = nullptr;
    if (++button_ < buttons_.size()) {
        step_ = Step::ClickButton;
        return;
    }
    ++page_;
    step_ = Step::SelectPage;
}

void SheetScreenshots::AskHelp() {
    if (helpRequest_ >= ARRAYSIZE(kHelpRequests)) {
        step_ = Step::Close;
        return;
    }
    HWND page = PropSheet_IndexToHwnd(sheet_, helpPage_);
    HWND control = page ? GetDlgItem(page, IDC_QUALITY_HIGH) : nullptr;
    if (!control) {
        problems_.push_back("no page with the print-quality buttons to ask help on");
        step_ = Step::Close;
        return;
    }
    const HelpRequest &request = kHelpRequests[helpRequest_];
    if (request.message == WM_HELP) {
        HELPINFO info = {};
        info.cbSize = sizeof(info);
        info.iContextType = HELPINFO_WINDOW;
        info.iCtrlId = IDC_QUALITY_HIGH;
        info.hItemHandle = control;
        SendMessageW(page, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
    } else {
        RECT place;
        GetWindowRect(control, &place);
        SendMessageW(page, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(control),
                     MAKELPARAM(place.left, place.top));
    }
    waited_ = 0;
    step_ = Step::CatchHelp;
}

void SheetScreenshots::CatchHelp() {
    const HelpRequest &request = kHelpRequests[helpRequest_];
    HWND help = FindHelp();
    ++waited_;
    if (!help && waited_ < kMaxWaitTicks) return;
    if (help && waited_ < kHelpDrawTicks) return;
    if (help)
        Save(help, request.name, request.name);
    else
        problems_.push_back(Utf8(request.name) + " opened no help window");
    CloseHelpWindows();
    ++helpRequest_;
    step_ = Step::AskHelp;
}

void SheetScreenshots::OpenWatermarkEditor() {
    HWND list = GetDlgItem(dialog_, IDC_WATERMARK_LIST);
    if (SendMessageW(list, LB_SETCURSEL, kFirstStoredWatermark, 0) != LB_ERR)
        SendMessageW(dialog_, WM_COMMAND, MAKEWPARAM(IDC_WATERMARK_LIST, LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(list));
    const std::wstring title = WindowText(dialog_);
    Save(dialog_, pageTitle_ + L" - " + title, L"page-" + std::to_wstring(page_ + 1) + L" - watermarks");
    PostMessageW(GetDlgItem(dialog_, IDC_EDIT_WATERMARK), BM_CLICK, 0, 0);
    waited_ = 0;
    step_ = Step::CatchNested;
}

void SheetScreenshots::CatchNested() {
    nested_ = FindModal(sheet_, dialog_);
    if (!nested_) {
        if (++waited_ < kMaxWaitTicks) return;
        problems_.push_back("the Watermarks dialog opened no editor");
        PostMessageW(dialog_, WM_COMMAND, IDCANCEL, 0);
        waited_ = 0;
        step_ = Step::AwaitClosed;
        return;
    }
    Save(nested_, pageTitle_ + L" - " + WindowText(nested_),
         L"page-" + std::to_wstring(page_ + 1) + L" - watermark editor");
    PostMessageW(nested_, WM_COMMAND, IDCANCEL, 0);
    waited_ = 0;
    step_ = Step::AwaitNestedClosed;
}

void SheetScreenshots::Advance() {
    switch (step_) {
    case Step::SelectPage:
        if (HandleStrayWindow()) return;
        if (page_ >= pageCount_) {
            if (helpPage_ == kNoHelpPage) {
                step_ = Step::Close;
                return;
            }
            if (!SelectPage(sheet_, helpPage_))
                problems_.push_back("the Job Options page could not be selected again");
            step_ = Step::AskHelp;
            return;
        }
        if (!SelectPage(sheet_, page_))
            problems_.push_back("page " + std::to_string(page_ + 1) + " could not be selected");
        step_ = Step::CapturePage;
        return;
    case Step::CapturePage:
        if (HandleStrayWindow()) return;
        CapturePage();
        return;
    case Step::ClickButton: {
        HWND page = PropSheet_IndexToHwnd(sheet_, page_);
        HWND button = GetDlgItem(page, buttons_[button_]);
        if (button && !IsWindowEnabled(button)) {
            NextButton();
            return;
        }
        if (button)
            PostMessageW(button, BM_CLICK, 0, 0);
        else
            PostMessageW(page, WM_COMMAND, MAKEWPARAM(buttons_[button_], BN_CLICKED), 0);
        waited_ = 0;
        step_ = Step::CatchDialog;
        return;
    }
    case Step::CatchDialog:
        dialog_ = FindModal(sheet_);
        if (!dialog_) {
            ++waited_;
            if (MayOpenNoDialog(buttons_[button_]) && waited_ >= kSettleTicks) {
                NextButton();
                return;
            }
            if (waited_ < kMaxWaitTicks) return;
            problems_.push_back("button " + std::to_string(buttons_[button_]) + " opened no dialog");
            NextButton();
            return;
        }
        if (buttons_[button_] == IDC_WATERMARKS_BUTTON) {
            OpenWatermarkEditor();
            return;
        }
        Save(dialog_, pageTitle_ + L" - " + WindowText(dialog_),
             L"page-" + std::to_wstring(page_ + 1) + L" - button-" +
                 std::to_wstring(buttons_[button_]));
        PostMessageW(dialog_, WM_COMMAND, IDCANCEL, 0);
        waited_ = 0;
        step_ = Step::AwaitClosed;
        return;
    case Step::AwaitClosed:
        if (!IsWindow(dialog_) || !IsWindowVisible(dialog_)) {
            NextButton();
            return;
        }
        if (++waited_ == kFirmerCloseTicks) PostMessageW(dialog_, WM_COMMAND, IDOK, 0);
        if (waited_ == 2 * kFirmerCloseTicks) PostMessageW(dialog_, WM_CLOSE, 0, 0);
        if (waited_ < kMaxWaitTicks) return;
        problems_.push_back("a dialog of button " + std::to_string(buttons_[button_]) + " did not close");
        NextButton();
        return;
    case Step::AskHelp:
        AskHelp();
        return;
    case Step::CatchHelp:
        CatchHelp();
        return;
    case Step::CatchNested:
        CatchNested();
        return;
    case Step::AwaitNestedClosed:
        if (IsWindow(nested_) && IsWindowVisible(nested_) && ++waited_ < kMaxWaitTicks) return;
        PostMessageW(dialog_, WM_COMMAND, IDCANCEL, 0);
        waited_ = 0;
        step_ = Step::AwaitClosed;
        return;
    case Step::Close:
        if (HandleStrayWindow()) return;
        KillTimer(nullptr, timer_);
        timer_ = 0;
        step_ = Step::Done;
        PostMessageW(sheet_, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
        return;
    case Step::Done:
        return;
    }
}
