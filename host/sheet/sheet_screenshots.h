// Pictures of an open document sheet, taken from inside its message loop:
// every page in turn, then every sub-dialog that the plug-in's pages open
// from their buttons (each dialog caught as it appears, copied and
// cancelled), then the help window that F1 and "What's This?" open on the
// Job Options page, then the sheet is cancelled. A thread timer drives the run,
// so it goes on while a modal dialog runs its own loop.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class SheetScreenshots {
public:
    static constexpr int kNoHelpPage = -1;

    explicit SheetScreenshots(const std::wstring &folder);
    ~SheetScreenshots();
    SheetScreenshots(const SheetScreenshots &) = delete;
    SheetScreenshots &operator=(const SheetScreenshots &) = delete;

    // Starts the run on the shown sheet; one run at a time in a process.
    void Start(HWND sheet);
    const std::vector<std::wstring> &Written() const { return written_; }
    const std::vector<std::string> &Problems() const { return problems_; }

private:
    enum class Step {
        SelectPage,
        CapturePage,
        ClickButton,
        CatchDialog,
        AwaitClosed,
        AskHelp,
        CatchHelp,
        Close,
        Done,
        CatchNested,
        AwaitNestedClosed
    };

    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    void Advance();
    bool HandleStrayWindow();
    void CapturePage();
    void NextButton();
    void AskHelp();
    void CatchHelp();
    // The Watermarks dialog: its first stored watermark is chosen, the
    // dialog copied, and its editor opened on that watermark.
    void OpenWatermarkEditor();
    void CatchNested();
    // `asciiName` names the file when `name` does not fit in ASCII.
    void Save(HWND window, const std::wstring &name, const std::wstring &asciiName);

    std::wstring folder_;
    HWND sheet_ = nullptr;
    UINT_PTR timer_ = 0;
    Step step_ = Step::Done;
    int page_ = 0;
    int pageCount_ = 0;
    std::wstring pageTitle_;
    std::vector<int> buttons_;
    size_t button_ = 0;
    HWND dialog_ = nullptr;
    HWND nested_ = nullptr;
    int waited_ = 0;
    int strays_ = 0;
    size_t helpRequest_ = 0;
    // The page with the print-quality buttons; none on the printer properties,
    // which then close without asking for help.
    int helpPage_ = kNoHelpPage;
    std::vector<std::wstring> written_;
    std::vector<std::string> problems_;
};

// A title made fit for a file name: no mnemonic marks, nothing a path
// forbids; empty when the title is not all ASCII.
std::wstring FileNameFor(const std::wstring &title);
