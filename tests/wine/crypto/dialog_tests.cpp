// "DispCryptoUIEx": the library's own dialog, driven from a timer of the
// test's thread while the dialog's modal loop runs.
#include "crypto_library.h"
#include "resource.h"
#include "resources/control_checks.h"
#include "resources/text_rules.h"
#include "support/control_states.h"
#include "support/dialog_input.h"
#include "support/sheet_harness.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace {

static_assert(kModeExtendedBlock == 4, "the plug-in always adds 4 to the mode");

// A dialog still open this long after its script ran is ended by force,
// which fails the test.
constexpr UINT kForcedEndMs = 2000;
constexpr UINT_PTR kForcedEndTimer = 0x5845;
// More than the dialog has: a tab order that never returns to its start ends here.
constexpr size_t kMostTabStops = 32;
constexpr DWORD kLocal = kModeLocalPrinter | kModeExtendedBlock;
constexpr DWORD kShared = kModeSharedPrinter | kModeExtendedBlock;
constexpr DWORD kIcCard = kModeIcCard | kModeExtendedBlock;
constexpr DWORD kUnknownModes[] = {kModeBaseMask | kModeExtendedBlock,
                                   kLocal | (kModeExtendedBlock << 1), kModeExtendedBlock << 2};

bool DialogEndedByForce = false;

void CALLBACK EndByForce(HWND dialog, UINT, UINT_PTR, DWORD) {
    DialogEndedByForce = true;
    EndDialog(dialog, IDABORT);
}

using dialog_input::Checked;
using dialog_input::Click;
using dialog_input::Enabled;
using dialog_input::Text;

// Posted, so that OK and a following Cancel reach the dialog one after the
// other from its own modal loop.
void Press(HWND dialog, int id) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

// OK is pressed first; when the dialog rightly stays open, Cancel ends it.
void PressOkThenCancel(HWND dialog) {
    Press(dialog, IDOK);
    Press(dialog, IDCANCEL);
}

void SetBlockPassword(CryptoSettingBlock *block, const char *password) {
    memset(block->password, 0, sizeof(block->password));
    strncpy(block->password, password, sizeof(block->password) - 1);
}

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(library.Loaded());
        // The model's defaults with a password stored earlier.
        ASSERT_TRUE(library.getDefaultSetting(&block, kDefaultsOfModel));
        SetBlockPassword(&block, "Old1");
        DialogEndedByForce = false;
    }
    void TearDown() override { EXPECT_FALSE(DialogEndedByForce) << "the dialog ignored its script"; }

    // The dialog shown with `action` run on it once it is up.
    BOOL Show(DWORD mode, const std::function<void(HWND)> &action) {
        ModalWatch watch;
        watch.OnModal([&action](const ModalWindow &modal) {
            action(modal.window);
            SetTimer(modal.window, kForcedEndTimer, kForcedEndMs, EndByForce);
        });
        const BOOL accepted = library.dispCryptoUi(nullptr, &block, mode);
        shown = !watch.Seen().empty();
        return accepted;
    }
    bool BlockIs(const CryptoSettingBlock &expected) const {
        return memcmp(&block, &expected, sizeof(block)) == 0;
    }

    CryptoLibrary library;
    CryptoSettingBlock block = {};
    bool shown = false;
};

TEST_F(DialogTest, ShowsTheBlockAndOkKeepsWhatItShows) {
    // Against the model's defaults, which hide the job name and ask for no
    // password at the panel.
    SetBlockPassword(&block, "Shown12");
    block.deleteAfterPrinting = 0;
    block.holdHours = 72;
    const CryptoSettingBlock before = block;
    EXPECT_TRUE(Show(kLocal, [](HWND dialog) {
        EXPECT_EQ(dialog_input::Texts(dialog, {IDC_PASSWORD, IDC_HOLD_HOURS}),
                  (std::vector<std::wstring>{L"Shown12", L"72"}));
        EXPECT_EQ(Checked(dialog, {IDC_DELETE_AFTER, IDC_PASSWORD_AT_PANEL, IDC_HIDE_NAME}),
                  (std::vector<bool>{false, false, true}));
        EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDC_PASSWORD));
        EXPECT_EQ(LOWORD(SendMessageW(dialog, DM_GETDEFID, 0, 0)), IDOK);
        Press(dialog, IDOK);
    }));
    EXPECT_TRUE(BlockIs(before));
}

// A shared printer's dialog asks for the password as a local one's does.
TEST_F(DialogTest, OkWritesTheTypedPasswordAndTheChangedChoicesCancelNothing) {
    const CryptoSettingBlock start = block;
    for (const auto &[mode, ok] : {std::make_pair(kLocal, true), std::make_pair(kLocal, false),
                                   std::make_pair(kShared, true)}) {
        SCOPED_TRACE(testing::Message() << mode << (ok ? " OK" : " Cancel"));
        block = start;
        const CryptoSettingBlock before = block;
        EXPECT_EQ(ok, Show(mode, [ok](HWND dialog) {
            EXPECT_TRUE(Enabled(dialog, IDC_PASSWORD));
            SetDlgItemTextW(dialog, IDC_PASSWORD, L"123456789012");
            Click(dialog, IDC_DELETE_AFTER);
            Click(dialog, IDC_HIDE_NAME);
            SetDlgItemTextW(dialog, IDC_HOLD_HOURS, L"8");
            Press(dialog, ok ? IDOK : IDCANCEL);
        }) != FALSE);
        if (!ok) {
            EXPECT_TRUE(BlockIs(before));
            continue;
        }
        EXPECT_EQ((std::vector<DWORD>{block.deleteAfterPrinting, block.hideJobName, block.holdHours}),
                  (std::vector<DWORD>{0, 0, 8}));
        EXPECT_STREQ(block.password, "123456789012");
    }
}

// Hours outside the range and a password without its terminator, as a
// damaged record may hand them over.
TEST_F(DialogTest, ShowsDamagedValuesAsTheDefaults) {
    for (DWORD hours : {kHoldHoursMin - 1, kHoldHoursMax + 1}) {
        SCOPED_TRACE(hours);
        block.holdHours = hours;
        memset(block.password, 'x', sizeof(block.password));
        Show(kLocal, [](HWND dialog) {
            EXPECT_EQ(Text(dialog, IDC_HOLD_HOURS), L"24");
            EXPECT_EQ(Text(dialog, IDC_PASSWORD), L"");
            Press(dialog, IDCANCEL);
        });
        EXPECT_TRUE(shown);
    }
}

// No password, one too long for the plug-in to read back, and characters
// outside what the printer's panel can take.
TEST_F(DialogTest, RefusesPasswordsItCannotStore) {
    const WCHAR *refused[] = {L"", L"1234567890123", L"p\u00e4ss", L"tab\there"};
    for (const WCHAR *password : refused) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(wcslen(password)));
        const CryptoSettingBlock before = block;
        EXPECT_FALSE(Show(kLocal, [password](HWND dialog) {
            SetDlgItemTextW(dialog, IDC_PASSWORD, password);
            EXPECT_FALSE(Enabled(dialog, IDOK));
            PressOkThenCancel(dialog);
        }));
        EXPECT_TRUE(shown);
        EXPECT_TRUE(BlockIs(before));
    }
}

TEST_F(DialogTest, RefusesHoursOutOfRange) {
    EXPECT_TRUE(Show(kLocal, [](HWND dialog) {
        for (const WCHAR *hours : {L"", L"0", L"169"}) {
            SetDlgItemTextW(dialog, IDC_HOLD_HOURS, hours);
            EXPECT_FALSE(Enabled(dialog, IDOK)) << hours;
        }
        SetDlgItemTextW(dialog, IDC_HOLD_HOURS, L"168");
        EXPECT_TRUE(Enabled(dialog, IDOK));
        Press(dialog, IDOK);
    }));
    EXPECT_EQ(block.holdHours, kHoldHoursMax);
}

// Where no password is typed

TEST_F(DialogTest, PasswordAtThePrinterNeedsNoneHere) {
    EXPECT_TRUE(Show(kLocal, [](HWND dialog) {
        Click(dialog, IDC_PASSWORD_AT_PANEL);
        EXPECT_EQ(Enabled(dialog, {IDC_PASSWORD, IDOK}), (std::vector<bool>{false, true}));
        Press(dialog, IDOK);
    }));
    EXPECT_EQ(block.passwordAtPanel, 1u);
    EXPECT_STREQ(block.password, "");
}

TEST_F(DialogTest, IcCardModeAsksForNoPasswordAndStartsInTheHours) {
    EXPECT_TRUE(Show(kIcCard, [](HWND dialog) {
        EXPECT_EQ(Enabled(dialog, {IDC_PASSWORD, IDC_PASSWORD_AT_PANEL, IDOK}), (std::vector<bool>{false, false, true}));
        EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDC_HOLD_HOURS));
        Press(dialog, IDOK);
    }));
    EXPECT_STREQ(block.password, "");
}

TEST_F(DialogTest, RefusesUnknownModesAndANullBlockWithoutADialog) {
    const CryptoSettingBlock before = block;
    for (DWORD mode : kUnknownModes) {
        EXPECT_FALSE(Show(mode, [](HWND dialog) { Press(dialog, IDOK); })) << mode;
        EXPECT_FALSE(shown) << mode;
        EXPECT_TRUE(BlockIs(before)) << mode;
    }
    ModalWatch watch;
    EXPECT_FALSE(library.dispCryptoUi(nullptr, nullptr, kLocal));
    EXPECT_TRUE(watch.Seen().empty());
}

// Keyboard

std::vector<int> TabOrderFrom(HWND dialog, int firstId) {
    std::vector<int> order;
    HWND first = GetDlgItem(dialog, firstId);
    HWND control = first;
    do {
        order.push_back(GetDlgCtrlID(control));
        control = GetNextDlgTabItem(dialog, control, FALSE);
    } while (control && control != first && order.size() < kMostTabStops);
    return order;
}

// Tab walks the controls in reading order, each label leads to its field,
// every choice has a mnemonic of its own, and every control with its text
// fits inside the dialog.
TEST_F(DialogTest, KeyboardWalksInReadingOrderWithOwnMnemonicsAndControlsFit) {
    Show(kLocal, [](HWND dialog) {
        EXPECT_EQ(TabOrderFrom(dialog, IDC_PASSWORD),
                  (std::vector<int>{IDC_PASSWORD, IDC_PASSWORD_AT_PANEL, IDC_HOLD_HOURS, IDC_DELETE_AFTER,
                                    IDC_HIDE_NAME, IDOK, IDCANCEL}));
        for (const auto &[label, field] : {std::make_pair(IDC_PASSWORD_LABEL, IDC_PASSWORD),
                                           std::make_pair(IDC_HOLD_LABEL, IDC_HOLD_HOURS)})
            EXPECT_EQ(GetWindow(GetDlgItem(dialog, label), GW_HWNDNEXT), GetDlgItem(dialog, field)) << label;
        std::set<WCHAR> seen;
        for (int id : {IDC_PASSWORD_LABEL, IDC_PASSWORD_AT_PANEL, IDC_HOLD_LABEL,
                       IDC_DELETE_AFTER, IDC_HIDE_NAME}) {
            const WCHAR letter = towlower(MnemonicOf(Text(dialog, id)));
            EXPECT_NE(letter, 0) << id;
            EXPECT_TRUE(seen.insert(letter).second) << "control " << id << " repeats a mnemonic";
        }
        for (HWND control = GetWindow(dialog, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
            const int id = GetDlgCtrlID(control);
            EXPECT_TRUE(InsideDialog(dialog, control)) << "control " << id << " leaves the dialog";
            const TextFit fit = MeasureTextFit(control);
            EXPECT_TRUE(fit.fits) << "control " << id << " needs " << fit.needed.cx << "x"
                                  << fit.needed.cy << " pixels of " << fit.room.cx << "x"
                                  << fit.room.cy;
        }
        Press(dialog, IDCANCEL);
    });
    EXPECT_TRUE(shown);
}

}  // namespace
