#include "core/dialog_utils.h"
#include "support/control_states.h"
#include "support/dialog_input.h"
#include "support/plugin_resources.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr UINT kFirstButton = 100;
const std::vector<UINT> kButtons = {kFirstButton, kFirstButton + 1, kFirstButton + 2, kFirstButton + 3};
constexpr UINT kNumberEdit = 200;
constexpr UINT kSignedEdit = 201;
constexpr int kMinimum = 1;
constexpr int kMaximum = 999;
constexpr int kSignedMinimum = -50;
constexpr int kSignedMaximum = 50;
constexpr int kEmptyValue = 1;

// A top-level window standing in for a dialog: the operations only look
// controls up by id, and the numeric filter runs on its edit notifications.
struct TestWindow {
    HWND window = nullptr;
    WCHAR savedNumber[kSavedNumericTextChars] = {};
    WCHAR savedSigned[kSavedNumericTextChars] = {};
};

TestWindow *Current = nullptr;

LRESULT CALLBACK TestWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && Current) {
        const UINT id = LOWORD(wParam);
        if (id == kNumberEdit)
            ValidateNumericEdit(window, HIWORD(wParam), id, kEmptyValue, kMinimum, kMaximum,
                                Current->savedNumber, 0, FALSE);
        if (id == kSignedEdit)
            ValidateNumericEdit(window, HIWORD(wParam), id, 0, kSignedMinimum, kSignedMaximum,
                                Current->savedSigned, 0, TRUE);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = TestWindowProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"SxDialogTest";
        RegisterClassW(&windowClass);
        test_.window = CreateWindowExW(0, L"SxDialogTest", L"test", WS_OVERLAPPEDWINDOW, 0, 0,
                                       400, 300, nullptr, nullptr, windowClass.hInstance, nullptr);
        ASSERT_NE(nullptr, test_.window);
        ShowWindow(test_.window, SW_SHOWNOACTIVATE);
        Current = &test_;
        for (UINT id : kButtons) CreateChild(L"BUTTON", id, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON);
        CreateChild(L"EDIT", kNumberEdit, WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL);
        CreateChild(L"EDIT", kSignedEdit, WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL);
    }
    void TearDown() override {
        Current = nullptr;
        DestroyWindow(test_.window);
    }
    void CreateChild(const WCHAR *windowClass, UINT id, DWORD style) {
        CreateWindowExW(0, windowClass, L"", style, 0, static_cast<int>(id % 100) * 20, 100, 18,
                        test_.window, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                        GetModuleHandleW(nullptr), nullptr);
    }
    HWND Control(UINT id) const { return GetDlgItem(test_.window, id); }
    // Typing as the user does: focus, then one WM_CHAR per character.
    void Type(UINT id, const std::wstring &keys) {
        SetFocus(Control(id));
        for (WCHAR key : keys) SendMessageW(Control(id), WM_CHAR, key, 0);
    }
    std::wstring Text(UINT id) const { return dialog_input::Text(test_.window, id); }
    // Each button's state, in id order.
    std::vector<bool> ButtonsEnabled() const { return dialog_input::Enabled(test_.window, kButtons); }
    std::vector<bool> ButtonsShown() const { return dialog_input::Shown(test_.window, kButtons); }
    void SetText(UINT id, const WCHAR *text, int caret) {
        SetWindowTextW(Control(id), text);
        SetFocus(Control(id));
        SendMessageW(Control(id), EM_SETSEL, caret, caret);
    }

    TestWindow test_;
};

TEST_F(DialogTest, RestrictNeverEnablesAndRangesRunInclusively) {
    EnableWindow(Control(kFirstButton + 1), FALSE);
    RestrictControlRange(test_.window, kFirstButton, kFirstButton + 2, TRUE);
    EXPECT_EQ(ButtonsEnabled(), (std::vector<bool>{true, false, true, true}));
    RestrictControlRange(test_.window, kFirstButton, kFirstButton + 2, FALSE);
    EXPECT_EQ(ButtonsEnabled(), (std::vector<bool>{false, false, false, true}));

    EnableControlRange(test_.window, kFirstButton, kFirstButton + 3, TRUE);
    EXPECT_EQ(ButtonsEnabled(), std::vector<bool>(kButtons.size(), true));

    // A first id above the last changes nothing.
    ShowControlRange(test_.window, kFirstButton + 2, kFirstButton, FALSE);
    DestroyControlRange(test_.window, kFirstButton + 2, kFirstButton);
    EXPECT_EQ(ButtonsShown(), std::vector<bool>(kButtons.size(), true));

    ShowControlRange(test_.window, kFirstButton, kFirstButton + 1, FALSE);
    EXPECT_EQ(ButtonsShown(), (std::vector<bool>{false, false, true, true}));
    EXPECT_EQ(ButtonsEnabled(), (std::vector<bool>{false, false, true, true}));
    ShowControlRange(test_.window, kFirstButton, kFirstButton + 1, TRUE);
    EXPECT_EQ(ButtonsShown(), std::vector<bool>(kButtons.size(), true));
    EXPECT_EQ(ButtonsEnabled(), std::vector<bool>(kButtons.size(), true));

    // Ids without a control in the range are passed over.
    DestroyControlRange(test_.window, kFirstButton + 3, kNumberEdit - 1);
    EXPECT_EQ(nullptr, Control(kFirstButton + 3));
    EXPECT_NE(nullptr, Control(kNumberEdit));
}

// One typing step: the field's text and caret set first when `start` is
// given, then the keys typed, then the text shown.
struct TypingStep {
    UINT edit;
    const WCHAR *start;
    int caret;
    const WCHAR *keys;
    const WCHAR *shown;
};

TEST_F(DialogTest, NumericFieldsTypedInSequence) {
    const TypingStep steps[] = {
        {kNumberEdit, nullptr, 0, L"12", L"12"},
        {kNumberEdit, nullptr, 0, L"x", L"12"},    // a letter beeps and the saved text returns
        {kNumberEdit, nullptr, 0, L"34", L"999"},  // 1234 is held to the maximum
        {kNumberEdit, L"", 0, L"0", L"1"},         // a lone zero passes, then rises to the minimum
        {kNumberEdit, L"5", 0, L"0", L"5"},        // a leading zero is refused
        {kNumberEdit, L"100", 3, L"0", L"999"},    // the fourth digit makes 1000
        {kSignedEdit, nullptr, 0, L"-4", L"-4"},   // a sign only first
        {kSignedEdit, nullptr, 0, L"-", L"-4"},
        {kSignedEdit, nullptr, 0, L"9", L"-49"},
        {kSignedEdit, nullptr, 0, L"9", L"-50"},   // -499 is held to the minimum
        {kNumberEdit, L"", 0, L"-", L""},          // unsigned fields take no sign
    };
    for (const TypingStep &step : steps) {
        SCOPED_TRACE(testing::Message() << step.edit << " " << Utf8(step.keys));
        if (step.start) SetText(step.edit, step.start, step.caret);
        Type(step.edit, step.keys);
        EXPECT_EQ(step.shown, Text(step.edit));
    }
    SetFocus(Control(kSignedEdit));  // leaving an empty field puts the empty value in
    EXPECT_EQ(L"1", Text(kNumberEdit));
}

TEST_F(DialogTest, RevisitFlipsOnceAndOnlyWithoutPrinterDataRights) {
    PrinterDataWritable = 1;
    SheetVisitFlags = kPluginPageInitialised;
    RevisitFirstPages(Control(kFirstButton));
    EXPECT_EQ(kPluginPageInitialised, SheetVisitFlags);
    PrinterDataWritable = 0;
    RevisitFirstPages(Control(kFirstButton));
    EXPECT_EQ(kPluginPageInitialised | kDriverPageVisited, SheetVisitFlags);
}

TEST_F(DialogTest, LinkFontIsUnderlinedVerdanaOfTheParentsSize) {
    HFONT font = CreateLinkFont(Control(kFirstButton));
    ASSERT_NE(nullptr, font);
    LOGFONTW described = {};
    GetObjectW(font, sizeof(described), &described);
    EXPECT_TRUE(described.lfUnderline);
    EXPECT_EQ(FW_NORMAL, described.lfWeight);
    EXPECT_EQ(std::wstring(L"Verdana"), described.lfFaceName);
    DeleteObject(font);
}

}  // namespace
