// What the colour tests share: a document sheet opened on its Color page,
// and the page's dialogs driven inside their modal loops.
#pragma once

#include "support/control_states.h"
#include "support/dialog_input.h"
#include "support/page_test.h"

#include "core/oem_devmode.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

using dialog_input::Checked;
using dialog_input::Enabled;
using dialog_input::Selection;

class ColorSheetTest : public ::testing::Test {
protected:
    void TearDown() override;

    // A new sheet of `printer`, whose driver tree the test then fills.
    DriverTree &NewSheet(const WCHAR *printer = kSamplePrinter);
    // The sheet opened on its Color page after `edit` changed the default
    // record; `layout` names one of the plug-in's Color page layouts in place
    // of the one the model names.
    void OpenColorPage(const std::function<void(OemDevmode *)> &edit = {}, UINT layout = 0);
    // Presses a page button; `drive` works the dialog that opens and should
    // end it, else it is cancelled. Message boxes are answered with OK and
    // kept in `messages`.
    void OpenDialog(UINT button, const std::function<void(HWND)> &drive);
    // Leaves the Color page for the Job Options page.
    void Leave();

    OemDevmode *Record() { return reinterpret_cast<OemDevmode *>(harness->Record()); }
    uint32_t &Working(uint32_t slot) { return state->slots.working[slot]; }
    std::vector<uint32_t> Working(const std::vector<uint32_t> &slots) const;
    // Whether the sheet's Apply button says a page changed something.
    bool SheetChanged();

    std::unique_ptr<SheetHarness> harness;
    HWND page = nullptr;
    DocUiState *state = nullptr;
    std::wstring caption;
    std::vector<std::wstring> messages;
};
