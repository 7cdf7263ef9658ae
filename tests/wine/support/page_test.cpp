#include "support/page_test.h"

#include <gtest/gtest.h>

namespace {

constexpr UINT kApplyButton = 0x3021;

}  // namespace

void ModalScript::Attach(SheetHarness &harness) {
    harness.OnModal([this](const ModalWindow &modal) { Dispatch(modal); });
}

void ModalScript::Expect(const std::wstring &caption, std::function<void(HWND)> script) {
    scripts_[caption].push_back(std::move(script));
}

size_t ModalScript::Waiting(const std::wstring &caption) const {
    const auto queue = scripts_.find(caption);
    return queue == scripts_.end() ? 0 : queue->second.size();
}

size_t ModalScript::Waiting() const {
    size_t waiting = 0;
    for (const auto &queue : scripts_) waiting += queue.second.size();
    return waiting;
}

void ModalScript::Dispatch(const ModalWindow &modal) {
    if (!modal.text.empty()) {
        messages.push_back(modal.text);
        PostMessageW(modal.window, WM_COMMAND, IDOK, 0);
        return;
    }
    dialogs.push_back(modal.caption);
    std::deque<std::function<void(HWND)>> &queue = scripts_[modal.caption];
    if (!queue.empty()) {
        std::function<void(HWND)> script = std::move(queue.front());
        queue.pop_front();
        script(modal.window);
        // A script that failed half-way must not leave its dialog open.
        if (IsWindow(modal.window)) PostMessageW(modal.window, WM_COMMAND, IDCANCEL, 0);
        return;
    }
    if (otherwise_) {
        otherwise_(modal.window, modal.caption);
        return;
    }
    unexpected.push_back(modal.caption);
    PostMessageW(modal.window, WM_COMMAND, IDCANCEL, 0);
}

void DriveDialog(SheetHarness &harness, HWND page, UINT button, const std::function<void(HWND)> &drive,
                 std::wstring *caption, std::vector<std::wstring> *messages) {
    bool opened = false;
    harness.OnModal([&](const ModalWindow &modal) {
        if (!modal.text.empty()) {
            if (messages) messages->push_back(modal.text);
            PostMessageW(modal.window, WM_COMMAND, IDOK, 0);
            return;
        }
        opened = true;
        *caption = modal.caption;
        drive(modal.window);
        if (IsWindow(modal.window)) PostMessageW(modal.window, WM_COMMAND, IDCANCEL, 0);
    });
    harness.Click(page, button);
    EXPECT_TRUE(opened) << "no dialog opened";
}

std::vector<uint32_t> WorkingSlots(const DocUiState *state, const std::vector<uint32_t> &slots) {
    std::vector<uint32_t> values;
    for (uint32_t slot : slots) values.push_back(state->slots.working[slot]);
    return values;
}

void SheetTest::TearDown() {
    harness.reset();
    CloseLeftoverWindows();
}

DriverTree &SheetTest::NewSheet(const WCHAR *printer) {
    harness.reset();
    harness = std::make_unique<SheetHarness>(printer);
    return harness->tree;
}

bool SheetTest::SheetChanged() { return harness->Enabled(harness->Sheet(), kApplyButton); }

void PageTest::TearDown() {
    opening.reset();
    CloseLeftoverWindows();
}

void PageTest::Open(const PageSetup &setup) {
    opening.reset();
    opening = std::make_unique<PageOpening>(setup);
    ASSERT_TRUE(opening->Opened());
    page = opening->Page();
}
