// What the colour tests share: a document sheet opened on its Color page,
// and the page's dialogs driven inside their modal loops.
#pragma once

#include "support/control_states.h"
#include "support/dialog_input.h"
#include "support/page_test.h"

#include "core/oem_devmode.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using dialog_input::Checked;
using dialog_input::Enabled;
using dialog_input::Selection;

class ColorSheetTest : public SheetTest {
protected:
    // The sheet opened on its Color page after `edit` changed the default
    // record; `layout` names one of the plug-in's Color page layouts in place
    // of the one the model names.
    void OpenColorPage(const std::function<void(OemDevmode *)> &edit = {}, UINT layout = 0);
    // Leaves the Color page for the Job Options page.
    void Leave();

    uint32_t &Working(uint32_t slot) { return state->slots.working[slot]; }
    std::vector<uint32_t> Working(const std::vector<uint32_t> &slots) const;

    DocUiState *state = nullptr;
};
