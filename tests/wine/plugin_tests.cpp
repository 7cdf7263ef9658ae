// The plug-in library through its exports and its IPrintOemUI2 object, as
// the driver calls them.
#include "support/devmode_param.h"
#include "support/plugin_object_test.h"

#include "core/win_holders.h"
#include "driver/driver_helper.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// {12345678-0000-0000-0000-000000000001}: served by nobody.
const CLSID kOtherClass = {0x12345678, 0, 0, {0, 0, 0, 0, 0, 0, 0, 1}};
constexpr size_t kHideFlagOffset = 24;   // after the table, cRef and the helper pointer
constexpr size_t kHeapFieldOffset = 32;

// An object other than the driver's helper: it answers IUnknown alone.
class OtherObject : public IUnknown {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void **ppv) override {
        ++queries;
        *ppv = IsEqualIID(riid, IID_IUnknown) ? this : nullptr;
        if (!*ppv) return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
    ULONG STDMETHODCALLTYPE Release() override { return --refs; }
    LONG refs = 1;
    int queries = 0;
};

// E_FAIL with `error` as the thread's last error.
template <typename Call>
::testing::AssertionResult Refused(Call call, DWORD error = ERROR_INVALID_PARAMETER) {
    SetLastError(0);
    const HRESULT hr = call();
    const DWORD got = GetLastError();
    if (hr == E_FAIL && got == error) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "answer 0x" << std::hex << hr << ", last error "
                                         << std::dec << got;
}

class PluginTest : public PluginObjectTest {
protected:
    void TearDown() override {
        PluginObjectTest::TearDown();
        EXPECT_EQ(library.CanUnloadNow(), S_OK);
    }
    template <typename T>
    T Field(size_t offset) {
        T value;
        std::memcpy(&value, reinterpret_cast<BYTE *>(plugin) + offset, sizeof(value));
        return value;
    }
};

TEST(PluginExports, ClassObjectOnlyForTheServedClassAndItsFactory) {
    PluginLibrary library;
    ASSERT_NE(library.Module(), nullptr);
    void *object = &object;
    EXPECT_EQ(library.GetClassObject(kOtherClass, IID_IClassFactory, &object),
              CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(library.GetClassObject(CLSID_OEMUI, IID_IPrintOemUI2, &object), E_NOINTERFACE);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(library.CanUnloadNow(), S_OK);

    IUnknown *unknown = nullptr;
    ASSERT_EQ(library.GetClassObject(CLSID_OEMUI, IID_IUnknown, reinterpret_cast<void **>(&unknown)),
              S_OK);
    IClassFactory *factory = nullptr;
    EXPECT_EQ(unknown->QueryInterface(IID_IClassFactory, reinterpret_cast<void **>(&factory)), S_OK);
    object = &object;
    EXPECT_EQ(unknown->QueryInterface(IID_IPrintOemUI2, &object), E_NOINTERFACE);
    EXPECT_EQ(object, nullptr);

    object = &object;
    EXPECT_EQ(factory->CreateInstance(reinterpret_cast<IUnknown *>(factory), IID_IUnknown, &object),
              CLASS_E_NOAGGREGATION);
    EXPECT_EQ(factory->CreateInstance(nullptr, IID_IClassFactory, &object), E_NOINTERFACE);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(factory->LockServer(TRUE), S_OK);
    EXPECT_EQ(library.CanUnloadNow(), S_FALSE);
    EXPECT_EQ(factory->LockServer(FALSE), S_OK);
    EXPECT_EQ(library.CanUnloadNow(), S_OK);
    EXPECT_EQ(factory->Release(), 1u);
    EXPECT_EQ(unknown->Release(), 0u);
}

TEST_F(PluginTest, InterfacesAndCountsOfTheObject) {
    EXPECT_EQ(library.CanUnloadNow(), S_FALSE);
    IPrintOemUI *older = nullptr;
    EXPECT_EQ(plugin->QueryInterface(IID_IPrintOemUI, reinterpret_cast<void **>(&older)), S_OK);
    EXPECT_EQ(static_cast<void *>(older), static_cast<void *>(plugin));
    EXPECT_EQ(plugin->AddRef(), 3u);
    EXPECT_EQ(plugin->Release(), 2u);
    EXPECT_EQ(older->Release(), 1u);
    void *other = &other;
    EXPECT_EQ(plugin->QueryInterface(IID_IPrintOemDriverUI, &other), E_NOINTERFACE);
    EXPECT_EQ(other, nullptr);
    EXPECT_EQ(plugin->QueryInterface(IID_IClassFactory, &other), E_NOINTERFACE);
}

TEST_F(PluginTest, GetInfoSignatureVersionAndRefusals) {
    DWORD value = 0, needed = 0;
    EXPECT_EQ(plugin->GetInfo(OEMGI_GETSIGNATURE, &value, sizeof(value), &needed), S_OK);
    EXPECT_EQ(std::memcmp(&value, "0002", 4), 0);
    EXPECT_EQ(needed, 4u);
    EXPECT_EQ(plugin->GetInfo(OEMGI_GETVERSION, &value, sizeof(value), &needed), S_OK);
    EXPECT_EQ(value, 1u);

    struct Refusal {
        DWORD mode, size;
        bool buffer, neededPtr;
        DWORD error, needed;
    } refusals[] = {
        {OEMGI_GETINTERFACEVERSION, 4, true, true, ERROR_INVALID_PARAMETER, 77},
        {OEMGI_GETREQUESTEDHELPERINTERFACES, 4, true, true, ERROR_INVALID_PARAMETER, 77},
        {0, 4, true, true, ERROR_INVALID_PARAMETER, 77},
        {OEMGI_GETSIGNATURE, 4, true, false, ERROR_INVALID_PARAMETER, 77},
        {OEMGI_GETSIGNATURE, 3, true, true, ERROR_INSUFFICIENT_BUFFER, 4},
        {OEMGI_GETVERSION, 4, false, true, ERROR_INSUFFICIENT_BUFFER, 4},
        {OEMGI_GETPUBLISHERINFO, 4, true, true, ERROR_NOT_SUPPORTED, 0},
        {OEMGI_GETPUBLISHERINFO, 2, true, true, ERROR_INSUFFICIENT_BUFFER, 4},
    };
    for (const Refusal &r : refusals) {
        DWORD buffer = 0xCAFE;
        needed = 77;
        EXPECT_TRUE(Refused([&] { return plugin->GetInfo(r.mode, r.buffer ? &buffer : nullptr, r.size,
                                                         r.neededPtr ? &needed : nullptr); },
                            r.error))
            << r.mode;
        EXPECT_EQ(needed, r.neededPtr ? r.needed : 77u) << r.mode;
        EXPECT_EQ(buffer, 0xCAFEu) << r.mode;
    }
}

TEST_F(PluginTest, QueryColorProfileNamesTheProfileFile) {
    constexpr ULONG kBytes = 32;
    const struct {
        ULONG mode;
        bool buffer;
        ULONG size;
        HRESULT hr;
        DWORD error;
        ULONG sizeAfter;
        const WCHAR *text;
        FLONG flags;
    } calls[] = {
        {QCP_DEVICEPROFILE, true, kBytes, S_OK, 0, kBytes, L"OEMPROFILE.icm", QCP_PROFILEDISK},
        {QCP_DEVICEPROFILE, true, kBytes - 1, E_FAIL, ERROR_INSUFFICIENT_BUFFER, kBytes, L"x", 0},
        {QCP_DEVICEPROFILE, false, 64, E_FAIL, ERROR_INSUFFICIENT_BUFFER, kBytes, L"x", 0},
        {QCP_SOURCEPROFILE, true, 64, E_FAIL, 0, 64, L"x", 0},
    };
    for (const auto &call : calls) {
        SCOPED_TRACE(testing::Message() << "mode " << call.mode << ", size " << call.size);
        WCHAR name[16] = {L'x', 0};
        ULONG size = call.size;
        FLONG flags = 0;
        SetLastError(0);
        EXPECT_EQ(plugin->QueryColorProfile(nullptr, nullptr, nullptr, nullptr, call.mode,
                                            call.buffer ? name : nullptr, &size, &flags),
                  call.hr);
        EXPECT_EQ(GetLastError(), call.error);
        EXPECT_EQ(size, call.sizeAfter);
        EXPECT_STREQ(name, call.text);
        EXPECT_EQ(flags, call.flags);
    }
}

TEST_F(PluginTest, HideStandardUIMarksOnlyForSheetModesAndReleaseWithoutSheetTouchesNoHeap) {
    for (DWORD mode : {0u, 3u}) EXPECT_EQ(plugin->HideStandardUI(mode), E_NOTIMPL) << mode;
    EXPECT_EQ(Field<DWORD>(kHideFlagOffset), 0u);
    EXPECT_EQ(plugin->HideStandardUI(OEMCUIP_DOCPROP), E_NOTIMPL);
    EXPECT_EQ(Field<DWORD>(kHideFlagOffset), 1u);
    EXPECT_EQ(Field<HANDLE>(kHeapFieldOffset), nullptr);
    EXPECT_EQ(plugin->Release(), 0u);
    plugin = nullptr;
}

TEST_F(PluginTest, PublishDriverInterfaceKeepsTheHelperUntilRelease) {
    OtherObject other;
    EXPECT_EQ(plugin->PublishDriverInterface(&other), E_FAIL);
    EXPECT_EQ(other.refs, 1);

    HostDriverUI *helper = HostDriverUI::Create();
    EXPECT_EQ(plugin->PublishDriverInterface(helper), S_OK);
    EXPECT_EQ(helper->OutstandingReferences(), 1);
    EXPECT_EQ(plugin->PublishDriverInterface(&other), S_OK);
    EXPECT_EQ(other.queries, 1);
    plugin->Release();
    plugin = nullptr;
    EXPECT_EQ(helper->OutstandingReferences(), 0);
    helper->Release();
}

TEST_F(PluginTest, MethodsLeftToTheDriver) {
    EXPECT_EQ(plugin->DevQueryPrintEx(nullptr, nullptr, nullptr, nullptr), E_NOTIMPL);
    EXPECT_EQ(plugin->DeviceCapabilities(nullptr, nullptr, nullptr, 0, nullptr, nullptr, nullptr, 0,
                                         nullptr),
              E_NOTIMPL);
    EXPECT_EQ(plugin->UpgradePrinter(1, nullptr), E_NOTIMPL);
    EXPECT_EQ(plugin->DriverEvent(1, 3, nullptr, 0), E_NOTIMPL);
    EXPECT_EQ(plugin->FontInstallerDlgProc(nullptr, 0, 0, 0), E_NOTIMPL);
    EXPECT_EQ(plugin->UpdateExternalFonts(nullptr, nullptr, nullptr), E_NOTIMPL);
    EXPECT_EQ(plugin->QueryJobAttributes(nullptr, nullptr, 1, nullptr), E_NOTIMPL);
}

TEST_F(PluginTest, DevModeRefusesMissingParametersAndUnknownModes) {
    EXPECT_TRUE(Refused([&] { return plugin->DevMode(OEMDM_SIZE, nullptr); }));

    BYTE record[4052];
    std::memset(record, 0x5C, sizeof(record));
    OEMDMPARAM param = DevModeParam(nullptr, nullptr, nullptr, nullptr, nullptr, record, 0);
    for (DWORD mode : {0u, 5u, 0x100u})
        EXPECT_TRUE(Refused([&] { return plugin->DevMode(mode, &param); })) << mode;
    EXPECT_EQ(plugin->DevMode(OEMDM_SIZE, &param), S_OK);
    EXPECT_EQ(param.cbBufSize, 4052u);
    for (BYTE b : record) ASSERT_EQ(b, 0x5C);
}

TEST_F(PluginTest, CommonUIPropChecksModeAndConfiguration) {
    OEMCUIPPARAM param = {};
    param.cbSize = sizeof(param);
    PrivateHeap heap;
    heap.Reset(HeapCreate(0, 0, 0));
    param.hOEMHeap = heap.Get();
    PrinterHandle printer(kSamplePrinter);
    ASSERT_NE(printer.Get(), nullptr);
    param.hPrinter = printer.Get();
    for (DWORD mode : {0u, 3u})
        EXPECT_TRUE(Refused([&] { return plugin->CommonUIProp(mode, &param); })) << mode;
    // The driver first asks how many items of its own the plug-in adds.
    param.cOEMOptItems = 7;
    EXPECT_EQ(plugin->CommonUIProp(OEMCUIP_DOCPROP, &param), S_OK);
    EXPECT_EQ(param.cOEMOptItems, 0u);
    // In printer mode it adds one: the detection button.
    EXPECT_EQ(plugin->CommonUIProp(OEMCUIP_PRNPROP, &param), S_OK);
    EXPECT_EQ(param.cOEMOptItems, 1u);

    TestPrinter bare(L"SX Test Bare", {L"sxoemui.dll"});
    ASSERT_TRUE(bare.Installed());
    PrinterHandle barePrinter(bare.Name().c_str());
    param.hPrinter = barePrinter.Get();
    EXPECT_EQ(plugin->CommonUIProp(OEMCUIP_DOCPROP, &param), E_FAIL);

    // The plug-in frees its blocks on the heap when it goes.
    plugin->Release();
    plugin = nullptr;
}

TEST_F(PluginTest, PropertySheetEntriesCheckTheirInfoBlockAndDeviceSheetsAddNothing) {
    EXPECT_TRUE(Refused([&] { return plugin->DocumentPropertySheets(nullptr, 0); }));
    PROPSHEETUI_INFO info = {};
    info.cbSize = sizeof(info);
    info.Version = 0x101;
    EXPECT_TRUE(Refused([&] { return plugin->DocumentPropertySheets(&info, 0); }));
    EXPECT_EQ(plugin->DevicePropertySheets(nullptr, 0), E_FAIL);
    EXPECT_EQ(plugin->DevicePropertySheets(&info, 0), E_FAIL);

    info.Version = 0x100;
    info.Reason = PROPSHEETUI_REASON_SET_RESULT;
    SETRESULT_INFO result = {};
    result.cbSize = sizeof(result);
    result.Result = 7;
    EXPECT_EQ(plugin->DocumentPropertySheets(&info, reinterpret_cast<LPARAM>(&result)), 7);
    EXPECT_EQ(info.Result, 7u);
    info.Reason = PROPSHEETUI_REASON_DESTROY;
    EXPECT_EQ(plugin->DocumentPropertySheets(&info, 0), 1);

    info.Reason = PROPSHEETUI_REASON_GET_INFO_HEADER;
    PROPSHEETUI_INFO_HEADER header = {};
    header.cbSize = sizeof(header);
    EXPECT_EQ(plugin->DevicePropertySheets(&info, reinterpret_cast<LPARAM>(&header)), S_OK);
    ASSERT_NE(header.pTitle, nullptr);
    EXPECT_STREQ(header.pTitle, L"OEM UI Page");
    EXPECT_EQ(info.Result, 1u);
    info.Reason = PROPSHEETUI_REASON_GET_ICON;
    EXPECT_EQ(plugin->DevicePropertySheets(&info, 0), S_OK);
    EXPECT_EQ(info.Result, 0u);
}

}  // namespace
