// The compiled help file as the HTML Help control reads it, F1 and "What's
// This?" on the plug-in's real Job Options page, and the common controls
// version its pages and dialogs are made with.
#include "its_storage.h"
#include "support/page_layout.h"
#include "support/page_test.h"

#include "core/context_help_table.h"
#include "core/win_holders.h"
#include "docstate/feature_slots.h"
#include "resources/resource_ids.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

namespace {

const WCHAR kHelpWindowClass[] = L"HH Parent";
const WCHAR kHelpTitle[] = L"SX Color PS printer settings";
const char kHelpTitleUtf8[] = "SX Color PS printer settings";

std::set<uint32_t> ContextsAskedFor() {
    std::set<uint32_t> ids;
    size_t count = 0;
    const HelpPair *pairs = ContextHelpTable(&count);
    for (size_t i = 0; i < count; ++i) ids.insert(pairs[i].contextId);
    const KeywordRule *rules = KeywordRules(&count);
    for (size_t i = 0; i < count; ++i)
        if (rules[i].helpContext) ids.insert(rules[i].helpContext);
    return ids;
}

// The help file's storage, opened once for the streams a test reads.
class HelpStorage {
public:
    explicit HelpStorage(const std::wstring &helpFile) {
        ComRef<IItStorage> its;
        if (FAILED(CoCreateInstance(kClsidItStorage, nullptr, CLSCTX_INPROC_SERVER, kIidItStorage, its.Out())))
            return;
        its->StgOpenStorage(helpFile.c_str(), nullptr, STGM_READ | STGM_SHARE_DENY_WRITE, nullptr, 0,
                            reinterpret_cast<IStorage **>(storage_.Out()));
    }
    bool Opened() const { return static_cast<bool>(storage_); }

    // The stream's bytes; empty when it does not open.
    std::string Read(const std::wstring &path) const {
        ComRef<IStream> stream;
        if (!storage_ || FAILED(storage_->OpenStream(path.c_str(), nullptr, STGM_READ | STGM_SHARE_EXCLUSIVE, 0,
                                                     reinterpret_cast<IStream **>(stream.Out()))))
            return {};
        std::string data;
        BYTE chunk[4096];
        ULONG read = 0;
        while (SUCCEEDED(stream->Read(chunk, sizeof(chunk), &read)) && read)
            data.insert(data.end(), chunk, chunk + read);
        return data;
    }

private:
    ComRef<IStorage> storage_;
};

uint32_t DwordAt(const std::string &data, size_t offset) {
    uint32_t value = 0;
    std::memcpy(&value, data.data() + offset, sizeof(value));
    return value;
}

class HelpFileTest : public ::testing::Test {
protected:
    void SetUp() override { CoInitialize(nullptr); }
    void TearDown() override { CoUninitialize(); }
    const std::wstring helpFile = ExeDirectory() + L"\\" SX_HELP_FILE_NAME;
};

// The help window finds a context's topic through the context table (#IVB:
// a byte count, then pairs of context id and offset into #STRINGS) and the
// topic's path in #STRINGS.
TEST_F(HelpFileTest, EveryContextOfTheHelpTablesOpensItsOwnTopic) {
    const HelpStorage help(helpFile);
    ASSERT_TRUE(help.Opened());
    const std::string contexts = help.Read(L"#IVB");
    const std::string strings = help.Read(L"#STRINGS");
    ASSERT_GE(contexts.size(), 4u);
    ASSERT_FALSE(strings.empty());
    ASSERT_EQ(DwordAt(contexts, 0), contexts.size() - 4);
    std::set<uint32_t> unmapped = ContextsAskedFor();
    size_t mapped = 0;
    for (size_t at = 4; at + 8 <= contexts.size(); at += 8) {
        const uint32_t id = DwordAt(contexts, at);
        const uint32_t offset = DwordAt(contexts, at + 4);
        ASSERT_LT(offset, strings.size()) << "context " << id;
        const std::string path(strings.c_str() + offset);
        const std::string topic = "/topics/h" + std::to_string(id) + ".htm";
        EXPECT_TRUE(path.size() >= topic.size() &&
                    path.compare(path.size() - topic.size(), topic.size(), topic) == 0)
            << "context " << id << " leads to " << path;
        const std::string page = help.Read(std::wstring(path.begin(), path.end()));
        EXPECT_NE(page.find("<title>"), std::string::npos) << "context " << id << ": " << path;
        EXPECT_EQ(page, help.Read(std::wstring(topic.begin(), topic.end())))
            << "context " << id;
        unmapped.erase(id);
        ++mapped;
    }
    EXPECT_TRUE(unmapped.empty()) << unmapped.size() << " contexts have no topic, the first "
                                  << (unmapped.empty() ? 0 : *unmapped.begin());
    EXPECT_EQ(mapped, ContextsAskedFor().size()) << "no topic of a context nobody asks for";
}

// The window opens on the overview, its contents list every topic, and
// "What's This?" finds a text popup for every context.
TEST_F(HelpFileTest, OpensWithItsOverviewAndListsEveryTopicAndPopup) {
    const HelpStorage help(helpFile);
    EXPECT_NE(help.Read(L"/index.htm").find(kHelpTitleUtf8), std::string::npos);
    const std::string list = help.Read(L"/contents.hhc");
    const std::string text = help.Read(L"/cshelp.txt");
    EXPECT_NE(list.find("\"index.htm\""), std::string::npos);
    for (uint32_t id : ContextsAskedFor()) {
        EXPECT_NE(list.find("\"topics/h" + std::to_string(id) + ".htm\""), std::string::npos) << id;
        const std::string topic = ".topic " + std::to_string(id) + "\n";
        const size_t at = text.find(topic);
        ASSERT_NE(at, std::string::npos) << id;
        EXPECT_GT(text.find('\n', at + topic.size()), at + topic.size())
            << "context " << id << " has an empty popup";
    }
}

// The captions of this thread's shown help windows.
std::vector<std::wstring> HelpWindowCaptions() {
    std::vector<std::wstring> captions;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM list) {
            WCHAR name[64], caption[128] = {};
            if (!GetClassNameW(window, name, 64) || wcscmp(name, kHelpWindowClass) || !IsWindowVisible(window))
                return TRUE;
            GetWindowTextW(window, caption, 128);
            reinterpret_cast<std::vector<std::wstring> *>(list)->push_back(caption);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&captions));
    return captions;
}

// The help control opens its window from messages it posts to itself.
constexpr DWORD kHelpSettleMs = 200;

// Through the HTML Help control itself, which keeps a list of its windows.
void CloseHelpWindows() {
    constexpr UINT kCloseAll = 0x12;
    constexpr WORD kHtmlHelpOrdinal = 15;
    HMODULE control = GetModuleHandleW(L"hhctrl.ocx");
    if (!control) return;
    auto htmlHelp = reinterpret_cast<HWND(WINAPI *)(HWND, LPCWSTR, UINT, DWORD_PTR)>(
        reinterpret_cast<void *>(GetProcAddress(control, MAKEINTRESOURCEA(kHtmlHelpOrdinal))));
    if (htmlHelp) htmlHelp(nullptr, nullptr, kCloseAll, 0);
    PumpMessages(kHelpSettleMs);
}

// The captions of the help windows a message to the page opened; they are
// closed again.
std::vector<std::wstring> HelpOpenedBy(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    SendMessageW(page, message, wParam, lParam);
    PumpMessages(kHelpSettleMs);
    const std::vector<std::wstring> captions = HelpWindowCaptions();
    CloseHelpWindows();
    return captions;
}

class JobOptionsPageTest : public SheetTest {
protected:
    void SetUp() override {
        DriverTree &tree = NewSheet();
        tree.AddFeature("VXResolution", 1, {L"High", L"Fine", L"Normal"});
        tree.AddRange(DMPUB_COPIES_COLLATE, 1, 1, 9999);
        ASSERT_TRUE(harness->AddPluginPages());
        ASSERT_TRUE(harness->Open());
        page = harness->JobOptions();
        ASSERT_NE(page, nullptr);
    }
    void TearDown() override {
        CloseHelpWindows();
        SheetTest::TearDown();
    }
};

TEST_F(JobOptionsPageTest, F1AndWhatsThisOpenTheHelpFileOnlyForControlsWithAContext) {
    const HWND quality = GetDlgItem(page, IDC_QUALITY_HIGH);
    ASSERT_NE(quality, nullptr);
    ASSERT_TRUE(HelpWindowCaptions().empty());

    HELPINFO info = {};
    info.cbSize = sizeof(info);
    info.iContextType = HELPINFO_WINDOW;
    info.iCtrlId = IDC_QUALITY_HIGH;
    info.hItemHandle = quality;
    const std::vector<std::wstring> helpWindow = {kHelpTitle};
    EXPECT_EQ(HelpOpenedBy(page, WM_HELP, 0, reinterpret_cast<LPARAM>(&info)), helpWindow) << "F1";
    EXPECT_EQ(HelpOpenedBy(page, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(quality), MAKELPARAM(10, 10)), helpWindow)
        << "What's This?";

    HWND banner = GetWindow(page, GW_CHILD);
    while (banner && FindHelpContext(GetDlgCtrlID(banner))) banner = GetWindow(banner, GW_HWNDNEXT);
    ASSERT_NE(banner, nullptr);
    EXPECT_TRUE(HelpOpenedBy(page, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(banner), MAKELPARAM(10, 10)).empty())
        << "a control without a help context opens nothing";
}

// The plug-in's manifest puts its pages and dialogs on version 6 of the
// common controls, which registers its own button class; version 5's
// buttons are the window manager's (user32).
bool FromCommonControls6(HWND button) {
    return button && reinterpret_cast<HMODULE>(GetClassLongPtrW(button, GCLP_HMODULE)) !=
                         GetModuleHandleW(L"user32.dll");
}

// Pages ask the sheet for the plug-in's activation context (Wine's sheets
// do not honour it; Windows' do); dialogs are made within it.
TEST_F(JobOptionsPageTest, PagesAndDialogsAreMadeWithVersion6) {
    ASSERT_FALSE(harness->DescribedPages().empty());
    for (const PROPSHEETPAGEW &described : harness->DescribedPages()) {
        EXPECT_EQ(described.dwFlags & PSP_USEFUSIONCONTEXT, static_cast<DWORD>(PSP_USEFUSIONCONTEXT));
        EXPECT_NE(described.hActCtx, nullptr);
        EXPECT_NE(described.hActCtx, INVALID_HANDLE_VALUE);
    }
    EXPECT_FALSE(FromCommonControls6(GetDlgItem(harness->Sheet(), IDOK)))
        << "the sheet itself is this program's, on version 5";
    bool dialogOnVersion6 = false;
    harness->OnModal([&](const ModalWindow &modal) {
        dialogOnVersion6 = FromCommonControls6(GetDlgItem(modal.window, IDOK));
        PostMessageW(modal.window, WM_COMMAND, IDCANCEL, 0);
    });
    harness->Click(page, IDC_JOB_ADVANCED);
    ASSERT_EQ(harness->Modals().size(), 1u);
    EXPECT_TRUE(dialogOnVersion6);
}

}  // namespace
