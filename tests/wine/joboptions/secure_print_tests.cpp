// Secure printing on the Job Options page, driven through the tests' page
// layout that carries the job-type radios and the JOB PIN button: the
// start-up and refresh rules, the JOB PIN dialog, the copies rule, and the
// encryption and IC-card libraries behind them.
#include "rogue_call_log.h"
#include "support/control_states.h"
#include "support/dialog_input.h"
#include "support/page_test.h"

#include "core/win_holders.h"
#include "joboptions/job_options_variant_ids.h"
#include "resources/resource_ids.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <string>

namespace {

using namespace dialog_input;

constexpr UINT kLibraryPassword = 1001;
constexpr UINT kLibraryPasswordAtPrinter = 1003;
constexpr UINT kRemovedBeep = 0xFFFFFFFF;
constexpr uint32_t kForeignCipherBytes = 48;
const WCHAR kPinCaption[] = L"JOB PIN";
const WCHAR kLibraryCaption[] = L"Encrypted Print Settings";
const WCHAR kCopiesWarning[] =
    L"This feature can only be used if Copies is set to 1.\nFor Secure print and Store to SD, "
    L"multiple copies can be selected using the printer's operator panel.";
const char kPassword[] = "Sesame12";

// The end of the edit's selection.
DWORD Caret(HWND edit) { return HIWORD(SendMessageW(edit, EM_GETSEL, 0, 0)); }

bool Contains(const std::vector<BYTE> &bytes, const char *text) {
    const size_t length = std::strlen(text);
    return std::search(bytes.begin(), bytes.end(), text, text + length) != bytes.end();
}

std::function<void(OemDevmode *)> ForeignCipher(uint32_t passwordAtPrinter) {
    return [=](OemDevmode *record) {
        std::memset(record->abEncryptedPassword, 0x5A, sizeof(record->abEncryptedPassword));
        record->cbEncryptedPassword = kForeignCipherBytes;
        record->dwCryptoSetting6 = passwordAtPrinter;
    };
}

class SecurePrintTest : public PageTest {
protected:
    // Message boxes are answered with OK; dialogs go to `dialog`.
    void OnDialogs(std::function<void(HWND, const std::wstring &)> dialog) {
        modals.Attach(Harness());
        modals.Otherwise(std::move(dialog));
    }

    uint32_t JobType() const { return opening->Working(kSlotVXJobType); }
    // The working job type, and its radio ticked.
    void ExpectJobType(uint32_t type) {
        const UINT radios[] = {IDC_JOB_TYPE_NORMAL, IDC_JOB_TYPE_SECURE, IDC_JOB_TYPE_ENCRYPTED};
        EXPECT_EQ(JobType(), type);
        EXPECT_TRUE(Checked(radios[type]));
    }
    bool Checked(UINT id) { return Harness().Checked(page, id); }
    bool Enabled(UINT id) { return Harness().Enabled(page, id); }
    std::vector<bool> Enabled(const std::vector<UINT> &ids) { return dialog_input::Enabled(page, ids); }
    void Click(UINT id) { Harness().Click(page, id); }
    // Clicks `id` with OnDialogs(dialog) in force.
    void ClickWithDialogs(UINT id, std::function<void(HWND, const std::wstring &)> dialog) {
        OnDialogs(std::move(dialog));
        Click(id);
    }

    std::vector<std::wstring> &messages = modals.messages;
    std::vector<std::wstring> &dialogs = modals.dialogs;
};

// A page setup with the job type and the record's edit given.
PageSetup Job(LONG jobType, std::function<void(OemDevmode *)> editRecord = nullptr) {
    PageSetup setup;
    setup.jobType = jobType;
    setup.editRecord = std::move(editRecord);
    return setup;
}

// The same on the model's own printer.
PageSetup On(const ModelPrinter &model, LONG jobType = 0,
             std::function<void(OemDevmode *)> editRecord = nullptr) {
    EXPECT_TRUE(model.Installed());
    PageSetup setup = Job(jobType, std::move(editRecord));
    setup.printer = model.Name();
    return setup;
}

bool SystemIsVistaOrLater() {
    OSVERSIONINFOW version = {};
    version.dwOSVersionInfoSize = sizeof(version);
    GetVersionExW(&version);
    return version.dwMajorVersion >= 6;
}

TEST_F(SecurePrintTest, PageStartsWithTheDriversJobTypeAndItsControlsAndThePinButtonOpensTheDialog) {
    Open(Job(1));
    ExpectJobType(1);
    // A secure job without IC card keeps one copy.
    EXPECT_EQ(Enabled({IDC_JOB_TYPE_SECURE, IDC_JOB_TYPE_ENCRYPTED, IDC_JOB_PIN_BUTTON, IDC_COPIES, IDC_COLLATE}),
              (std::vector<bool>{true, true, true, false, false}));
    EXPECT_EQ(opening->State()->fIcCardDriver, 0u);
    EXPECT_EQ(Harness().Text(page, IDC_JOB_TYPE_ENCRYPTED), L"Encrypted Secure Print");

    ClickWithDialogs(IDC_JOB_PIN_BUTTON, [](HWND dialog, const std::wstring &) { Press(dialog, IDCANCEL); });
    EXPECT_EQ(dialogs, (std::vector<std::wstring>{kPinCaption}));
    EXPECT_EQ(JobType(), 1u);
}

// Letters vanish with one beep each; three digits are refused with a
// message and the dialog stays for the fourth.
TEST_F(SecurePrintTest, PinTakesFourDigitsOnly) {
    Open(PageSetup());
    // Set in the plug-in, so made after the opening and gone before it.
    BeepCounter beeps;
    ASSERT_TRUE(beeps.Installed());
    ClickWithDialogs(IDC_JOB_TYPE_SECURE, [&](HWND dialog, const std::wstring &) {
        HWND pin = GetDlgItem(dialog, IDC_JOB_PIN);
        Type(pin, L"12a");
        EXPECT_EQ(Text(dialog, IDC_JOB_PIN), L"12");
        EXPECT_EQ(Caret(pin), 2u);
        EXPECT_EQ(beeps.Count(), 1);
        EXPECT_EQ(beeps.LastType(), kRemovedBeep);
        SendMessageW(pin, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"x3"));
        EXPECT_EQ(Text(dialog, IDC_JOB_PIN), L"123");
        // A name pasted with a quote and a letter beyond ASCII: one beep for both.
        SendMessageW(GetDlgItem(dialog, IDC_JOB_NAME), EM_REPLACESEL, TRUE,
                     reinterpret_cast<LPARAM>(L"Q\"1\u00e9"));
        EXPECT_EQ(Text(dialog, IDC_JOB_NAME), L"Q1");
        EXPECT_EQ(beeps.Count(), 3);
        Press(dialog, IDOK);
        EXPECT_EQ(opening->Record()->wszJobPin[0], 0) << "three digits refused";
        Type(pin, L"4");
        Press(dialog, IDOK);
    });
    ASSERT_EQ(dialogs, (std::vector<std::wstring>{kPinCaption}));
    EXPECT_EQ(messages, (std::vector<std::wstring>{L"Please enter a 4 digit PIN number."}));
    EXPECT_EQ(std::u16string(opening->Record()->wszJobName), u"Q1");
    EXPECT_EQ(std::u16string(opening->Record()->wszJobPin), u"1234");
    ExpectJobType(1);
}

TEST_F(SecurePrintTest, EmptyJobNameIsAcceptedWithTheAskForNameBoxTicked) {
    Open(Job(0, [](OemDevmode *record) { record->fAskJobName = 1; }));
    ClickWithDialogs(IDC_JOB_TYPE_SECURE, [&](HWND dialog, const std::wstring &) {
        EXPECT_TRUE(Harness().Checked(dialog, IDC_ASK_JOB_NAME));
        // Systems from version 6 on ask for the name elsewhere.
        EXPECT_EQ(Harness().Enabled(dialog, IDC_ASK_JOB_NAME), !SystemIsVistaOrLater());
        Type(GetDlgItem(dialog, IDC_JOB_PIN), L"0042");
        Press(dialog, IDOK);
    });
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(opening->Record()->wszJobName[0], 0);
    EXPECT_EQ(std::u16string(opening->Record()->wszJobPin), u"0042");
    EXPECT_EQ(opening->Record()->fAskJobName, 1u);
    EXPECT_EQ(JobType(), 1u);
}

TEST_F(SecurePrintTest, EmptyJobNameWithoutTheBoxShowsMessage8001CancelKeepsTheRecord) {
    Open(PageSetup());
    const std::vector<BYTE> before = opening->RecordBytes();
    ClickWithDialogs(IDC_JOB_TYPE_SECURE, [&](HWND dialog, const std::wstring &) {
        Type(GetDlgItem(dialog, IDC_JOB_PIN), L"1234");
        Press(dialog, IDOK);
        Press(dialog, IDCANCEL);
    });
    EXPECT_EQ(messages, (std::vector<std::wstring>{L"Please enter a Job Name."}));
    EXPECT_EQ(opening->RecordBytes(), before);
    EXPECT_EQ(JobType(), 0u);
    EXPECT_EQ(dialog_input::Checked(page, {IDC_JOB_TYPE_NORMAL, IDC_JOB_TYPE_SECURE}),
              (std::vector<bool>{true, false}));

    // After a cancel the secure radio bounces back until Normal is chosen.
    dialogs.clear();
    Click(IDC_JOB_TYPE_SECURE);
    EXPECT_TRUE(dialogs.empty());
    ExpectJobType(0);
}

TEST_F(SecurePrintTest, SharedPrinterUnticksAndDisablesTheAskForNameBox) {
    ModelPrinter shared(L"Shared", {});
    ASSERT_TRUE(shared.Share());
    Open(On(shared, 0, [](OemDevmode *record) { record->fAskJobName = 1; }));
    ClickWithDialogs(IDC_JOB_TYPE_SECURE, [&](HWND dialog, const std::wstring &) {
        EXPECT_FALSE(Harness().Checked(dialog, IDC_ASK_JOB_NAME));
        EXPECT_FALSE(Harness().Enabled(dialog, IDC_ASK_JOB_NAME));
        Type(GetDlgItem(dialog, IDC_JOB_NAME), L"Shared job");
        Type(GetDlgItem(dialog, IDC_JOB_PIN), L"9876");
        Press(dialog, IDOK);
    });
    EXPECT_EQ(opening->Record()->fAskJobName, 0u);
    EXPECT_EQ(std::u16string(opening->Record()->wszJobName), u"Shared job");
    // No encryption library on this model: the third radio is gone.
    EXPECT_EQ(GetDlgItem(page, IDC_JOB_TYPE_ENCRYPTED), nullptr);
}

TEST_F(SecurePrintTest, CopiesWarningOnceThenSilentForcingUntilNormal) {
    PageSetup setup = Job(0, [](OemDevmode *record) {
        std::memcpy(record->wszJobName, u"Report", sizeof(u"Report"));
        std::memcpy(record->wszJobPin, u"1234", sizeof(u"1234"));
    });
    setup.copies = 3;
    Open(setup);
    ClickWithDialogs(IDC_JOB_TYPE_SECURE, [](HWND dialog, const std::wstring &) { Press(dialog, IDCANCEL); });
    ASSERT_EQ(messages, (std::vector<std::wstring>{kCopiesWarning}));
    EXPECT_EQ(Harness().Modals().back().caption, L"Warning");
    EXPECT_EQ(opening->Working(kSlotCopiesCollate), 1u);
    EXPECT_EQ(Harness().Text(page, IDC_COPIES), L"1");
    EXPECT_EQ(Enabled({IDC_COPIES, IDC_COPIES_LABEL, IDC_COLLATE}), (std::vector<bool>{false, false, false}));
    EXPECT_EQ(JobType(), 1u);

    Harness().SetText(page, IDC_COPIES, L"4");
    ASSERT_EQ(opening->Working(kSlotCopiesCollate), 4u);
    Click(IDC_JOB_TYPE_SECURE);
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(opening->Working(kSlotCopiesCollate), 1u);

    Click(IDC_JOB_TYPE_NORMAL);
    EXPECT_EQ(JobType(), 0u);
    EXPECT_TRUE(Enabled(IDC_COPIES));
    Harness().SetText(page, IDC_COPIES, L"5");
    Click(IDC_JOB_TYPE_SECURE);
    EXPECT_EQ(messages.size(), 2u);
    EXPECT_EQ(opening->Working(kSlotCopiesCollate), 1u);
    EXPECT_TRUE(dialogs.empty());
}

TEST_F(SecurePrintTest, JobLimitWithTheStandardUiHiddenForcesJobTypeTwoOnEitherLayout) {
    PageSetup setup;
    setup.settings["VXJobLimit"] = "True";
    Open(setup);
    ExpectJobType(2);
    EXPECT_EQ(Enabled({IDC_JOB_TYPE_NORMAL, IDC_JOB_TYPE_SECURE, IDC_JOB_TYPE_ENCRYPTED, IDC_JOB_PIN_BUTTON}),
              (std::vector<bool>{false, false, false, true}));
    // No password stored yet: it is to be typed at the printer.
    EXPECT_EQ(opening->Record()->dwCryptoSetting6, 1u);

    // The limit needs the standard UI hidden.
    setup.hideStandardUI = false;
    Open(setup);
    EXPECT_EQ(JobType(), 0u);
    EXPECT_TRUE(Enabled(IDC_JOB_TYPE_SECURE));
    EXPECT_EQ(GetDlgItem(page, IDC_JOB_TYPE_ENCRYPTED), nullptr);

    // The system's own layout runs the start-up rule on the selection.
    setup.hideStandardUI = true;
    setup.extendedLayout = false;
    Open(setup);
    EXPECT_EQ(JobType(), 2u);
    EXPECT_EQ(opening->Record()->dwCryptoSetting6, 1u);
    ASSERT_TRUE(Harness().SelectPage(1));
    EXPECT_EQ(Harness().tree.Item(opening->Items().jobType).Sel, 2);

    // Without the disk the refresh turns any secure job back to normal.
    setup.settings["VXJobLimit"] = "False";
    setup.settings["VXHDD"] = "False";
    setup.jobType = 1;
    Open(setup);
    EXPECT_EQ(JobType(), 0u);
}

TEST_F(SecurePrintTest, EncryptedJobRoundTripKeepsOnlyCiphertext) {
    Open(PageSetup());
    ClickWithDialogs(IDC_JOB_TYPE_ENCRYPTED, [&](HWND dialog, const std::wstring &caption) {
        if (caption != kLibraryCaption) return Press(dialog, IDCANCEL);
        EXPECT_TRUE(Harness().Enabled(dialog, kLibraryPassword));
        SetDlgItemTextA(dialog, kLibraryPassword, kPassword);
        Press(dialog, IDOK);
    });
    ASSERT_EQ(dialogs, (std::vector<std::wstring>{kLibraryCaption}));
    ExpectJobType(2);
    const OemDevmode *record = opening->Record();
    EXPECT_GT(record->cbEncryptedPassword, 0u);
    EXPECT_LE(record->cbEncryptedPassword, 255u);
    EXPECT_EQ(record->dwCryptoSetting6, 0u);
    EXPECT_FALSE(Contains(opening->RecordBytes(), kPassword));

    Harness().Apply();
    EXPECT_EQ(Harness().tree.Item(opening->Items().jobType).Sel, 2);
    ASSERT_FALSE(Harness().ReportedResults().empty());
    EXPECT_EQ(Harness().ReportedResults().front(), CPSUI_OK);

    PageSetup again = Job(2);
    again.record = opening->RecordBytes();
    Open(again);
    dialogs.clear();
    EXPECT_TRUE(Checked(IDC_JOB_TYPE_ENCRYPTED));
    ClickWithDialogs(IDC_JOB_PIN_BUTTON, [&](HWND dialog, const std::wstring &) {
        char shown[32] = "";
        GetDlgItemTextA(dialog, kLibraryPassword, shown, sizeof(shown));
        EXPECT_STREQ(shown, kPassword);
        Press(dialog, IDCANCEL);
    });
    ASSERT_EQ(dialogs, (std::vector<std::wstring>{kLibraryCaption}));
    EXPECT_EQ(opening->RecordBytes(), again.record);
}

TEST_F(SecurePrintTest, PasswordTheLibraryCannotDecryptIsAskedForAgain) {
    Open(Job(2, ForeignCipher(1)));
    const std::vector<BYTE> before = opening->RecordBytes();
    ClickWithDialogs(IDC_JOB_PIN_BUTTON, [&](HWND dialog, const std::wstring &) {
        EXPECT_EQ(Text(dialog, kLibraryPassword), L"");
        EXPECT_FALSE(Harness().Checked(dialog, kLibraryPasswordAtPrinter));
        Press(dialog, IDCANCEL);
    });
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(dialogs, (std::vector<std::wstring>{kLibraryCaption}));
    EXPECT_EQ(opening->RecordBytes(), before);
    EXPECT_EQ(JobType(), 2u);

    // The radio asks too; refusing it makes a normal job.
    Click(IDC_JOB_TYPE_ENCRYPTED);
    EXPECT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(JobType(), 0u);
    EXPECT_EQ(opening->RecordBytes(), before);
}

TEST_F(SecurePrintTest, OverlongNameAndPinAreReadWithinTheirFields) {
    Open(Job(1, [](OemDevmode *record) {
        for (char16_t &c : record->wszJobName) c = u'N';
        for (char16_t &c : record->wszJobPin) c = u'7';
    }));
    ClickWithDialogs(IDC_JOB_PIN_BUTTON, [&](HWND dialog, const std::wstring &) {
        EXPECT_EQ(Text(dialog, IDC_JOB_NAME), std::wstring(16, L'N'));
        EXPECT_EQ(Text(dialog, IDC_JOB_PIN), L"7777");
        Press(dialog, IDOK);
    });
    EXPECT_EQ(dialogs, (std::vector<std::wstring>{kPinCaption}));
    EXPECT_TRUE(messages.empty());
    // OK wrote both back terminated.
    EXPECT_EQ(opening->Record()->wszJobName[16], 0);
    EXPECT_EQ(opening->Record()->wszJobPin[4], 0);
}

TEST_F(SecurePrintTest, MissingLibraryDisablesEncryptionAndShowsItsMessage) {
    ModelPrinter model(L"NoCrypto", {{L"CryptoDll", L"sxt_absent.dll"}});
    Open(On(model, 2, ForeignCipher(0)));
    ExpectJobType(0);
    EXPECT_FALSE(Enabled(IDC_JOB_TYPE_ENCRYPTED));

    const std::vector<BYTE> before = opening->RecordBytes();
    OnDialogs([](HWND dialog, const std::wstring &) { Press(dialog, IDCANCEL); });
    // The radio is disabled; a command sent all the same tells of the missing library.
    SendMessageW(page, WM_COMMAND, MAKEWPARAM(IDC_JOB_TYPE_ENCRYPTED, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(page, IDC_JOB_TYPE_ENCRYPTED)));
    EXPECT_EQ(messages, (std::vector<std::wstring>{L"CCiperSet::DecryptPassword() : m_hModule is NULL"}));
    EXPECT_TRUE(dialogs.empty());
    EXPECT_EQ(JobType(), 0u);
    EXPECT_EQ(opening->RecordBytes(), before);
}

TEST_F(SecurePrintTest, LibraryWithoutItsExportsShowsTheDecryptMessage) {
    ModelPrinter model(L"NoExports", {{L"CryptoDll", L"sxcard.dll"}});
    Open(On(model, 2, ForeignCipher(0)));
    EXPECT_EQ(JobType(), 2u);
    EXPECT_TRUE(Enabled(IDC_JOB_TYPE_ENCRYPTED));
    const std::vector<BYTE> before = opening->RecordBytes();
    ClickWithDialogs(IDC_JOB_PIN_BUTTON, [](HWND dialog, const std::wstring &) { Press(dialog, IDCANCEL); });
    EXPECT_EQ(messages, (std::vector<std::wstring>{
                            L"CCiperSet::DecryptPassword() : pfnDecryptPassword is NULL"}));
    EXPECT_TRUE(dialogs.empty());
    EXPECT_EQ(opening->RecordBytes(), before);

    // From the radio: no settings dialog to ask, so a normal job.
    messages.clear();
    Click(IDC_JOB_TYPE_ENCRYPTED);
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(JobType(), 0u);
    EXPECT_EQ(opening->RecordBytes(), before);
}

const WCHAR kRogueLibrary[] = L"sxt_rogue_crypto.dll";

TEST_F(SecurePrintTest, LibraryLengthsBeyondTheFieldsLeaveTheRecordWhole) {
    // Installed beside the driver and kept loaded for its call log.
    const std::wstring installed = DriverFilePath(kRogueLibrary);
    CopyFileW((ExeDirectory() + L"\\" + kRogueLibrary).c_str(), installed.c_str(), FALSE);
    const LoadedLibrary rogue(LoadLibraryW(installed.c_str()));
    const auto calls = rogue.ExportAs<const RogueCallLog *(WINAPI *)()>("RogueCalls");
    ASSERT_NE(calls, nullptr);
    const RogueCallLog *log = calls();
    ModelPrinter model(L"Rogue", {{L"CryptoDll", kRogueLibrary}});
    Open(On(model));
    std::vector<BYTE> before = opening->RecordBytes();

    // Its dialog accepts with a password that fills the block's field; its
    // cipher claims 4096 bytes.
    Click(IDC_JOB_TYPE_ENCRYPTED);
    EXPECT_EQ(log->encryptLength, 16u);
    EXPECT_EQ(log->dialogMode & 3, SystemIsVistaOrLater() ? 1u : 0u);
    EXPECT_EQ(log->dialogMode & 4, 4u);
    EXPECT_EQ(opening->RecordBytes(), before);
    ExpectJobType(0);

    // A stored length beyond the field never reaches the library.
    Open(On(model, 2, [](OemDevmode *record) { record->cbEncryptedPassword = 0xFFFFFFF0u; }));
    Click(IDC_JOB_PIN_BUTTON);
    EXPECT_EQ(log->decryptLength, 0u);

    // Decrypting fills all 13 bytes and claims more: the password ends
    // inside them.
    Open(On(model, 2, ForeignCipher(0)));
    before = opening->RecordBytes();
    Click(IDC_JOB_PIN_BUTTON);
    EXPECT_EQ(log->decryptCapacity, 13u);
    EXPECT_EQ(log->dialogPasswordLength, 12u);
    EXPECT_EQ(opening->RecordBytes(), before);
    EXPECT_TRUE(Harness().Modals().empty());
}

// The faulty encryption libraries of the hardening build (bin/sidelib-faults.txt:
// each export missing in turn, every export failing or answering -1,
// garbage answers), as "CryptoDll" of a model.
std::vector<std::wstring> FaultyEncryptionLibraries() {
    std::vector<std::wstring> files;
    std::ifstream list((ExeDirectory() + L"\\sidelib-faults.txt").c_str());
    std::string key, file, what;
    while (list >> key >> file && std::getline(list, what))
        if (key == "CryptoDll") files.push_back(std::wstring(file.begin(), file.end()));
    return files;
}

TEST_F(SecurePrintTest, FaultyEncryptionLibrariesLeaveTheRecordWholeAndTheRadiosTrue) {
    const std::vector<std::wstring> libraries = FaultyEncryptionLibraries();
    ASSERT_FALSE(libraries.empty());
    const std::vector<std::wstring> fixedMessages = {
        L"CCiperSet::DecryptPassword() : m_hModule is NULL",
        L"CCiperSet::DecryptPassword() : pfnDecryptPassword is NULL"};
    for (const std::wstring &library : libraries) {
        SCOPED_TRACE(std::string(library.begin(), library.end()));
        ASSERT_TRUE(CopyFileW((ExeDirectory() + L"\\" + library).c_str(),
                              DriverFilePath(library).c_str(), FALSE));
        ModelPrinter model(L"Fault", {{L"CryptoDll", library}});
        for (bool storedCipher : {false, true}) {
            Open(On(model, storedCipher ? 2 : 0, storedCipher ? ForeignCipher(0) : nullptr));
            messages.clear();
            OnDialogs([](HWND dialog, const std::wstring &caption) {
                if (caption == kLibraryCaption) SetDlgItemTextA(dialog, kLibraryPassword, kPassword);
                Press(dialog, caption == kLibraryCaption ? IDOK : IDCANCEL);
            });
            Click(storedCipher ? IDC_JOB_PIN_BUTTON : IDC_JOB_TYPE_ENCRYPTED);
            const OemDevmode *record = opening->Record();
            EXPECT_LE(record->cbEncryptedPassword, sizeof(record->abEncryptedPassword));
            EXPECT_TRUE(JobType() == 0 || JobType() == 2) << JobType();
            EXPECT_TRUE(Checked(JobType() == 2 ? IDC_JOB_TYPE_ENCRYPTED : IDC_JOB_TYPE_NORMAL));
            for (const std::wstring &message : messages)
                EXPECT_NE(std::find(fixedMessages.begin(), fixedMessages.end(), message),
                          fixedMessages.end());
        }
    }
}

class IcCardTest : public SecurePrintTest {};

TEST_F(IcCardTest, CardLibraryNamesTheThirdJobTypeAndKeepsCopiesAndNeedsTheDisk) {
    ModelPrinter model(L"Card", {{L"CryptoDll", L"sxcrypt.dll"}, {L"CARD_DLL", L"sxcard.dll"}});
    PageSetup setup = On(model, 1);
    setup.copies = 3;
    Open(setup);
    EXPECT_NE(opening->State()->fIcCardDriver, 0u);
    EXPECT_EQ(Harness().Text(page, IDC_JOB_TYPE_ENCRYPTED), L"IC Card Secure Print");
    // A secure job becomes a card job; the card keeps copies free.
    ExpectJobType(2);
    EXPECT_EQ(Enabled({IDC_JOB_TYPE_SECURE, IDC_JOB_TYPE_ENCRYPTED, IDC_COPIES}), (std::vector<bool>{false, true, true}));

    Click(IDC_JOB_TYPE_NORMAL);
    Click(IDC_JOB_TYPE_ENCRYPTED);
    EXPECT_TRUE(Harness().Modals().empty());
    EXPECT_EQ(JobType(), 2u);
    EXPECT_EQ(opening->Working(kSlotCopiesCollate), 3u);

    // The library's own dialog opens in card mode: no password to type.
    ClickWithDialogs(IDC_JOB_PIN_BUTTON, [&](HWND dialog, const std::wstring &) {
        EXPECT_FALSE(Harness().Enabled(dialog, kLibraryPasswordAtPrinter));
        Press(dialog, IDCANCEL);
    });
    EXPECT_EQ(dialogs, (std::vector<std::wstring>{kLibraryCaption}));

    // Without the disk a card job starts as a normal one.
    setup.extendedLayout = false;
    setup.jobType = 2;
    setup.settings["VXHDD"] = "False";
    Open(setup);
    EXPECT_NE(opening->State()->fIcCardDriver, 0u);
    EXPECT_EQ(JobType(), 0u);
}

TEST_F(IcCardTest, MissingCardLibraryOrExportMeansNoCard) {
    for (const WCHAR *library : {L"sxt_nocard.dll", L"sxcrypt.dll"}) {
        ModelPrinter model(L"CardMissing", {{L"CryptoDll", L"sxcrypt.dll"}, {L"CARD_DLL", library}});
        Open(On(model, 1));
        EXPECT_EQ(opening->State()->fIcCardDriver, 0u) << library;
        EXPECT_EQ(JobType(), 1u) << library;
        EXPECT_TRUE(Enabled(IDC_JOB_TYPE_SECURE)) << library;
        EXPECT_EQ(Harness().Text(page, IDC_JOB_TYPE_ENCRYPTED), L"Encrypted Secure Print");
        opening.reset();
    }
}

}  // namespace
