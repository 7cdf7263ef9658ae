// Working selections going back into the driver's items, observed through
// the driver's DrvUpdateUISetting.
#include "support/driver_tree.h"
#include "optiontree/option_tree.h"
#include "core/driver_config.h"
#include "support/wine_test_support.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class PushTest : public ::testing::Test {
protected:
    void SetUp() override {
        printer = std::make_unique<PrinterHandle>(kSamplePrinter);
        ASSERT_NE(printer->Get(), nullptr);
        PluginIni = iniPath;
        ASSERT_TRUE(FindDriverConfigFiles(printer->Get(), PluginIni));
        param.cbSize = sizeof(param);
        param.hPrinter = printer->Get();
        param.hOEMHeap = GetProcessHeap();
    }

    void Scan() {
        tree.Attach(&param);
        state = {};
        state.pOemCuipParam = &param;
        state.pPluginIni = PluginIni;
        ResetSlotTable(&state.slots);
        ScanDriverOptionItems(&state);
    }

    std::vector<DWORD> PushedItems() {
        tree.calls.clear();
        PushSlotsToDriver(&state);
        std::vector<DWORD> items;
        for (const UpdateCall &call : tree.calls) items.push_back(call.item);
        return items;
    }

    std::unique_ptr<PrinterHandle> printer;
    WCHAR iniPath[kPluginIniBufferBytes / sizeof(WCHAR)] = {};
    OEMCUIPPARAM param = {};
    DriverTree tree;
    DocUiState state = {};
};

TEST_F(PushTest, EachItemGetsItsWorkingSelectionUnhiddenForTheCall) {
    const DWORD hdd = tree.AddFeature("VXHDDSpool", 0);
    const DWORD mirror = tree.AddMirror(1);
    tree.AddStandard(DMPUB_ORIENTATION, 0);
    Scan();
    state.slots.working[kSlotVXHDDSpool] = 1;
    ASSERT_EQ(PushedItems(), (std::vector<DWORD>{mirror, hdd}));
    EXPECT_EQ(tree.calls[1].sel, 1);
    EXPECT_EQ(tree.calls[1].previous, 0u);
    EXPECT_EQ(tree.calls[1].mode, static_cast<DWORD>(OEMCUIP_DOCPROP));
    EXPECT_FALSE(tree.calls[1].hiddenDuringCall);
    EXPECT_TRUE(tree.Item(hdd).Flags & OPTIF_HIDE);
    EXPECT_TRUE(tree.Item(hdd).Flags & OPTIF_CHANGED);
}

TEST_F(PushTest, RefusedSelectionFallsBackToTheDriversValue) {
    const DWORD collate = tree.AddFeature("VXCollate", 0);
    const DWORD smoothing = tree.AddFeature("VXImageSmoothing", 1);
    Scan();
    tree.Refuse(collate);
    state.slots.working[kSlotVXCollate] = 1;
    state.slots.working[kSlotVXImageSmoothing] = 0;
    PushedItems();
    EXPECT_EQ(state.slots.working[kSlotVXCollate], 0u);
    EXPECT_EQ(tree.Item(collate).Sel, 1);
    EXPECT_EQ(state.slots.working[kSlotVXImageSmoothing], 0u);
    EXPECT_EQ(tree.Item(smoothing).Sel, 0);
}

TEST_F(PushTest, PrinterOverlayAlsoSelectsTheOutputOption) {
    const DWORD overlay = tree.AddFeature("VXOverlay", 0);
    const DWORD output = tree.AddPostScriptOutput(0);
    Scan();
    EXPECT_EQ(PushedItems(), (std::vector<DWORD>{overlay}));

    state.slots.working[kSlotVXOverlay] = 2;
    tree.Refuse(output);
    EXPECT_EQ(PushedItems(), (std::vector<DWORD>{overlay, output}));
    EXPECT_EQ(tree.calls[1].sel, 2);
    EXPECT_EQ(state.slots.working[kSlotVXOverlay], 2u);
    EXPECT_EQ(state.slots.working[kSlotPostScriptOutput], 0u);
}

TEST_F(PushTest, TreeWithoutPluginFeaturesPushesNothing) {
    tree.AddStandard(DMPUB_ORIENTATION, 0);
    tree.AddStandard(DMPUB_DUPLEX, 0);
    tree.AddFeature("Duplex", 0);
    Scan();
    EXPECT_TRUE(PushedItems().empty());
    EXPECT_EQ(state.slots.index[kSlotColor], kSlotAbsent);
}

}  // namespace
