// The base of the tests that open the Job Options page: one opening at a
// time, the modal windows it opens answered by script, and the windows a
// failed test left open closed after each test.
#pragma once
#include "support/page_fixture.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

// The modal windows of a sheet as a test expects them: message boxes kept
// and answered with OK, each dialog handed to the next script queued for
// its caption (and cancelled if the script left it open), any other dialog
// to the fallback script, or kept as unexpected and cancelled.
class ModalScript {
public:
    // The harness's modal windows come here from now on.
    void Attach(SheetHarness &harness);
    void Expect(const std::wstring &caption, std::function<void(HWND)> script);
    // For the dialogs no queued script waits for; the script ends them.
    void Otherwise(std::function<void(HWND, const std::wstring &)> script) {
        otherwise_ = std::move(script);
    }
    // Scripts queued for `caption`, or for any caption, that no dialog has
    // taken yet.
    size_t Waiting(const std::wstring &caption) const;
    size_t Waiting() const;

    std::vector<std::wstring> messages;
    std::vector<std::wstring> dialogs;
    std::vector<std::wstring> unexpected;

private:
    void Dispatch(const ModalWindow &modal);

    std::map<std::wstring, std::deque<std::function<void(HWND)>>> scripts_;
    std::function<void(HWND, const std::wstring &)> otherwise_;
};

// Presses `button` of `page`; `drive` works the modal dialog that opens and
// should end it, else it is cancelled. The dialog's caption is in `caption`
// before `drive` runs. Message boxes are answered with OK and kept in
// `messages` when given. The test fails when no dialog opened.
void DriveDialog(SheetHarness &harness, HWND page, UINT button, const std::function<void(HWND)> &drive,
                 std::wstring *caption, std::vector<std::wstring> *messages = nullptr);

// The working selections of `slots`, in that order.
std::vector<uint32_t> WorkingSlots(const DocUiState *state, const std::vector<uint32_t> &slots);

// The base of the tests that fill the driver tree of a sheet themselves:
// one sheet at a time, its page buttons' dialogs driven, and the windows a
// failed test left open closed after each test.
class SheetTest : public ::testing::Test {
protected:
    void TearDown() override;
    // A new sheet of `printer`, whose driver tree the test then fills.
    DriverTree &NewSheet(const WCHAR *printer = kSamplePrinter);
    // DriveDialog on `page`, the caption and messages kept.
    void OpenDialog(UINT button, const std::function<void(HWND)> &drive) {
        DriveDialog(*harness, page, button, drive, &caption, &messages);
    }
    OemDevmode *Record() { return reinterpret_cast<OemDevmode *>(harness->Record()); }
    // Whether the sheet's Apply button says a page changed something.
    bool SheetChanged();

    std::unique_ptr<SheetHarness> harness;
    HWND page = nullptr;
    std::wstring caption;
    std::vector<std::wstring> messages;
};

class PageTest : public ::testing::Test {
protected:
    void TearDown() override;
    // Replaces the opening; the test stops when the page did not open.
    void Open(const PageSetup &setup);
    SheetHarness &Harness() { return opening->Harness(); }

    std::unique_ptr<PageOpening> opening;
    HWND page = nullptr;
    ModalScript modals;
};
