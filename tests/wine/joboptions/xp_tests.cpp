// The JOB PIN dialog on a system of major version 5 (minor above 0): the
// ask-for-name box is offered on a local printer, the title bar has its help
// button, and ticking the box warns about shared printers until the user
// turns the warning off, which the plug-in ini remembers.
#include "support/dialog_input.h"
#include "support/page_test.h"

#include "joboptions/job_options_variant_ids.h"
#include "resources/resource_ids.h"

#include <gtest/gtest.h>

namespace {

using namespace dialog_input;

const WCHAR kPinCaption[] = L"JOB PIN";
const WCHAR kWarningCaption[] = L"Warning:";
const WCHAR kWarningSection[] = L"DisplayAllert";
const WCHAR kWarningKey[] = L"AllertFlag1";

class XpJobPinTest : public PageTest {
protected:
    void SetUp() override {
        model = std::make_unique<ModelPrinter>(L"XpLocal", std::vector<std::pair<std::wstring, std::wstring>>{});
        ASSERT_TRUE(model->Installed());
        PageSetup setup;
        setup.printer = model->Name();
        Open(setup);
    }

    // Opens the JOB PIN dialog through the secure radio; `pin` drives it,
    // `warning` each shared-printer warning that appears.
    void WithPinDialog(std::function<void(HWND)> pin, std::function<void(HWND)> warning) {
        modals.Attach(Harness());
        modals.Otherwise([=](HWND dialog, const std::wstring &caption) {
            if (caption == kWarningCaption) {
                ++warnings;
                warning(dialog);
            } else if (caption == kPinCaption) {
                pin(dialog);
            } else {
                PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
            }
        });
        Harness().Click(page, IDC_JOB_TYPE_SECURE);
    }

    UINT RememberedWarning() const {
        return GetPrivateProfileIntW(kWarningSection, kWarningKey, 0, model->IniPath().c_str());
    }

    std::unique_ptr<ModelPrinter> model;
    int warnings = 0;
};

// The box is offered with the title bar's help button; ticking it warns
// until the warning is turned off.
TEST_F(XpJobPinTest, TheOfferedBoxWarnsUntilTheWarningIsTurnedOff) {
    int answer = 0;
    WithPinDialog(
        [&](HWND dialog) {
            EXPECT_TRUE(Harness().Enabled(dialog, IDC_ASK_JOB_NAME));
            EXPECT_NE(GetWindowLongPtrW(dialog, GWL_EXSTYLE) & WS_EX_CONTEXTHELP, 0);
            Harness().Click(dialog, IDC_ASK_JOB_NAME);
            EXPECT_EQ(warnings, 1);
            EXPECT_EQ(RememberedWarning(), 0u);
            // Unticking the box warns about nothing.
            Harness().Click(dialog, IDC_ASK_JOB_NAME);
            EXPECT_EQ(warnings, 1);
            // Turned off the second time; the third tick stays silent.
            Harness().Click(dialog, IDC_ASK_JOB_NAME);
            EXPECT_EQ(RememberedWarning(), 1u);
            Harness().Click(dialog, IDC_ASK_JOB_NAME);
            Harness().Click(dialog, IDC_ASK_JOB_NAME);
            Press(dialog, IDCANCEL);
        },
        [&](HWND warning) {
            if (answer++ == 0) {
                EXPECT_TRUE(Harness().Checked(warning, IDC_NOTICE_AGAIN));
                EXPECT_NE(SendDlgItemMessageW(warning, IDC_NOTICE_ICON, STM_GETICON, 0, 0), 0);
            } else {
                Harness().Click(warning, IDC_NOTICE_AGAIN);
            }
            Press(warning, IDOK);
        });
    EXPECT_EQ(warnings, 2);
}

TEST_F(XpJobPinTest, CancelledWarningIsNotShownAgain) {
    WithPinDialog(
        [&](HWND dialog) {
            Harness().Click(dialog, IDC_ASK_JOB_NAME);
            Harness().Click(dialog, IDC_ASK_JOB_NAME);
            Harness().Click(dialog, IDC_ASK_JOB_NAME);
            Press(dialog, IDCANCEL);
        },
        [](HWND warning) { Press(warning, IDCANCEL); });
    EXPECT_EQ(warnings, 1);
    EXPECT_EQ(RememberedWarning(), 1u);
}

}  // namespace
