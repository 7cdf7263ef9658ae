// The document step of CommonUIProp through the plug-in's exports, on a
// driver tree built as the PostScript driver builds it.
#include "support/driver_tree.h"
#include "core/oem_devmode.h"
#include "support/plugin_object_test.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>

namespace {

const WCHAR kJapaneseLetter[] = L"\x30EC\x30BF\x30FC";

class DocumentWalkTest : public PluginObjectTest {
protected:
    void TearDown() override {
        PluginObjectTest::TearDown();
        HeapDestroy(heap);
    }

    // Both of the driver's document calls, as it makes them.
    HRESULT Walk(DriverTree &tree, const WCHAR *printerName = kSamplePrinter) {
        printer = std::make_unique<PrinterHandle>(printerName);
        param = {};
        param.cbSize = sizeof(param);
        param.hPrinter = printer->Get();
        param.hOEMHeap = heap;
        param.pOEMDM = &record;
        HRESULT hr = plugin->CommonUIProp(OEMCUIP_DOCPROP, &param);
        if (FAILED(hr)) return hr;
        memset(pluginItems, 0x5A, sizeof(pluginItems));
        param.pOEMOptItems = pluginItems;
        param.cOEMOptItems = 2;
        tree.Attach(&param);
        return plugin->CommonUIProp(OEMCUIP_DOCPROP, &param);
    }

    LONG Callback(LONG reason) {
        CPSUICBPARAM callback = {};
        callback.cbSize = sizeof(callback);
        callback.Reason = static_cast<WORD>(reason);
        return param.OEMCUIPCallback(&callback, &param);
    }

    static bool Hidden(DriverTree &tree, DWORD item) {
        return (tree.Item(item).Flags & OPTIF_HIDE) != 0;
    }

    static std::vector<bool> HiddenOptions(DriverTree &tree, DWORD item, DWORD count) {
        std::vector<bool> hidden;
        for (DWORD option = 0; option < count; ++option)
            hidden.push_back((tree.OptionFlags(item, option) & OPTPF_HIDE) != 0);
        return hidden;
    }

    HANDLE heap = HeapCreate(0, 0, 0);
    std::unique_ptr<PrinterHandle> printer;
    OEMCUIPPARAM param = {};
    OPTITEM pluginItems[2];
    OemDevmode record = {};
};

TEST_F(DocumentWalkTest, HidesThePluginsFeaturesAndLeavesTheRestVisible) {
    DriverTree tree;
    // Each item with whether the plug-in hides it.
    const std::pair<DWORD, bool> items[] = {
        {tree.AddStandard(DMPUB_ORIENTATION, 0), false},  {tree.AddStandard(DMPUB_SCALE, 100), true},
        {tree.AddStandard(DMPUB_COPIES_COLLATE, 1), true}, {tree.AddStandard(DMPUB_PRINTQUALITY, 0), true},
        {tree.AddStandard(DMPUB_DEFSOURCE, 0), false},     {tree.AddMirror(0), true},
        {tree.AddFeature("VXCollate", 1), true},           {tree.AddFeature("vxcollate", 0), false},
        {tree.AddFeature("VXMediaType", 0), false},        {tree.AddFeature("VXTone", 0), true},
        {tree.AddFeature("VXTone", 1), true},              {tree.AddFeature("Duplex", 0), false},
        {tree.AddFeature(nullptr, 0), false},
    };
    ASSERT_EQ(Walk(tree), S_OK);

    for (const auto &[item, hidden] : items) EXPECT_EQ(Hidden(tree, item), hidden) << "item " << item;

    EXPECT_EQ(param.pOEMUserData, static_cast<void *>(plugin));
    EXPECT_NE(param.OEMCUIPCallback, nullptr);
    for (const OPTITEM &item : pluginItems) {
        EXPECT_EQ(item.cbSize, sizeof(OPTITEM));
        EXPECT_EQ(item.DMPubID, 0);
        EXPECT_EQ(item.Flags, 0u);
        EXPECT_EQ(item.pName, nullptr);
    }
}

TEST_F(DocumentWalkTest, HelpContextsPointIntoThePluginsHelpFile) {
    DriverTree tree;
    const DWORD collate = tree.AddFeature("VXCollate", 0);
    const DWORD media = tree.AddFeature("VXMediaType", 0);
    const DWORD tone = tree.AddFeature("VXTone", 0);
    ASSERT_EQ(Walk(tree), S_OK);

    EXPECT_EQ(tree.Item(collate).HelpIndex, 807u);
    EXPECT_EQ(tree.Item(media).HelpIndex, 420u);
    for (DWORD item : {collate, media}) {
        const OPTITEM &helped = tree.Item(item);
        ASSERT_TRUE(helped.Flags & OPTIF_HAS_POIEXT);
        ASSERT_NE(helped.pOIExt, nullptr);
        EXPECT_EQ(helped.pOIExt->cbSize, sizeof(OIEXT));
        ASSERT_NE(helped.pOIExt->pHelpFile, nullptr);
        const std::wstring help = helped.pOIExt->pHelpFile;
        EXPECT_EQ(help.rfind(DriverFilesFolder(), 0), 0u) << help;
    }
    EXPECT_EQ(tree.Item(tone).HelpIndex, 0u);
    EXPECT_FALSE(tree.Item(tone).Flags & OPTIF_HAS_POIEXT);
}

TEST_F(DocumentWalkTest, ApplyStoresDriverSelectionsAndSpecialColourState) {
    DriverTree tree;
    const DWORD nup = tree.AddStandard(DMPUB_NUP, 3);
    const DWORD orientation = tree.AddStandard(DMPUB_ORIENTATION, 1);
    tree.AddFeature("VXSpecialColorControl", 4);
    ASSERT_EQ(Walk(tree), S_OK);
    tree.Item(nup).Sel = 0x105;
    tree.Item(orientation).Sel = 2;

    EXPECT_EQ(Callback(CPSUICB_REASON_SETACTIVE), CPSUICB_ACTION_NONE);
    EXPECT_EQ(record.bNupSelection, 0);
    EXPECT_EQ(Callback(CPSUICB_REASON_APPLYNOW), CPSUICB_ACTION_NONE);
    EXPECT_EQ(record.bNupSelection, 0x05);
    EXPECT_EQ(record.bOrientationSelection, 2);
    EXPECT_EQ(record.dwSpecialColorInactive, 1u);

    DriverTree other;
    other.AddFeature("VXSpecialColorControl", 5);
    memset(&record, 0xAA, sizeof(record));
    ASSERT_EQ(Walk(other), S_OK);
    EXPECT_EQ(Callback(CPSUICB_REASON_APPLYNOW), CPSUICB_ACTION_NONE);
    EXPECT_EQ(record.dwSpecialColorInactive, 0u);
    EXPECT_EQ(record.bNupSelection, 0xAA);
    EXPECT_EQ(record.bOrientationSelection, 0xAA);
}

TEST_F(DocumentWalkTest, JapanesePaperListLosesTheConfiguredSizes) {
    DriverTree tree;
    const DWORD paper = tree.AddStandard(DMPUB_FORMNAME, 0,
                                         {kJapaneseLetter, L"A4", L"Postcard", L"DoublePostcard",
                                          L"postcard"});
    ASSERT_EQ(Walk(tree), S_OK);
    EXPECT_EQ(HiddenOptions(tree, paper, 5), (std::vector<bool>{false, false, true, true, false}));

    DriverTree western;
    const DWORD westernPaper =
        western.AddStandard(DMPUB_FORMNAME, 0, {L"Letter", L"A4", L"Postcard"});
    ASSERT_EQ(Walk(western), S_OK);
    EXPECT_EQ(HiddenOptions(western, westernPaper, 3), (std::vector<bool>{false, false, false}));
}

TEST_F(DocumentWalkTest, UserMediaTypesNameTheLastEntriesWhateverTheirLength) {
    const WCHAR name[] = L"SX Test Media Names";
    const WCHAR ini[] = L"sxt_media_named.ini";
    const std::wstring longName(100, L'T');
    WriteDriverProfile(ini, L"Usertype", L"USERTYPE1", longName.c_str());
    WriteDriverProfile(ini, L"Usertype", L"USERTYPE2", L"Recycled");
    WriteDriverProfile(ini, L"OEMFiles", L"OEMConfigFile1", L"sxoemui.dll");
    WriteDriverProfile(L"sxt_media.cap", L"Capability", name, L"MediaModel");
    WriteDriverProfile(L"sxt_media.cap", L"MediaModel", L"Compression", L"0");
    TestPrinter testPrinter(name, {L"sxt_media.cap", ini});
    ASSERT_TRUE(testPrinter.Installed());

    DriverTree tree;
    std::vector<std::wstring> tenMedia;
    for (int i = 0; i < 10; ++i) tenMedia.push_back(L"M" + std::to_wstring(i));
    const DWORD media = tree.AddStandard(DMPUB_MEDIATYPE, 0, tenMedia);
    ASSERT_EQ(Walk(tree, name), S_OK);
    EXPECT_STREQ(tree.OptionName(media, 7), L"M7");
    EXPECT_EQ(std::wstring(tree.OptionName(media, 8)), longName);
    EXPECT_STREQ(tree.OptionName(media, 9), L"Recycled");
}

}  // namespace
