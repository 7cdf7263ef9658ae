#include "color_sheet.h"

namespace {

constexpr int kJobOptionsPage = 0;
constexpr int kColorPage = 1;

}  // namespace

void ColorSheetTest::OpenColorPage(const std::function<void(OemDevmode *)> &edit, UINT layout) {
    ASSERT_TRUE(harness->PrepareRecord());
    if (layout) {
        harness->colorTemplate = ModuleDialogTemplate(harness->PluginModule(), layout);
        ASSERT_NE(harness->colorTemplate, nullptr);
    }
    if (edit) edit(Record());
    ASSERT_TRUE(harness->AddPluginPages());
    ASSERT_TRUE(harness->Open());
    ASSERT_TRUE(harness->SelectPage(kColorPage));
    page = harness->Page(kColorPage);
    state = harness->State();
    ASSERT_NE(state, nullptr);
}

void ColorSheetTest::Leave() { ASSERT_TRUE(harness->SelectPage(kJobOptionsPage)); }

std::vector<uint32_t> ColorSheetTest::Working(const std::vector<uint32_t> &slots) const {
    return WorkingSlots(state, slots);
}
