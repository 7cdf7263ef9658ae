#include "joboptions/secure_print_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

TEST(JobLimit, NeedsEveryConditionAtOnce) {
    EXPECT_TRUE(JobLimitMode(DriverFlag::True, true, true, 1));
    for (DriverFlag flag : {DriverFlag::False, DriverFlag::Unknown})
        EXPECT_FALSE(JobLimitMode(flag, true, true, 1));
    EXPECT_FALSE(JobLimitMode(DriverFlag::True, false, true, 1));
    EXPECT_FALSE(JobLimitMode(DriverFlag::True, true, false, 1));
    for (uint32_t limitation : {0u, 2u}) EXPECT_FALSE(JobLimitMode(DriverFlag::True, true, true, limitation));
}

// The job type and crypto setting 6 after the start-up rule.
std::pair<uint32_t, uint32_t> RunStartUp(bool jobLimit, bool icCard, bool hdd, uint32_t cbEncrypted, uint32_t jobType) {
    uint32_t setting6 = 0;
    ApplySecureStartUpRule(jobLimit, icCard, hdd, cbEncrypted, &jobType, &setting6);
    return {jobType, setting6};
}

TEST(StartUpRule, JobLimitForcesEncryptionAndACardNeedsTheDiskAndTurnsSecureIntoCard) {
    // A job limit forces encryption and a password at the printer.
    EXPECT_EQ(RunStartUp(true, false, true, 0, kJobSecure), std::make_pair(kJobEncrypted, 1u));
    EXPECT_EQ(RunStartUp(true, true, false, 40, kJobNormal), std::make_pair(kJobEncrypted, 0u));
    // A card needs the disk and turns a secure job into a card job.
    EXPECT_EQ(RunStartUp(false, true, false, 0, kJobEncrypted).first, kJobNormal);
    EXPECT_EQ(RunStartUp(false, true, true, 0, kJobSecure).first, kJobEncrypted);
    EXPECT_EQ(RunStartUp(false, true, true, 0, kJobNormal).first, kJobNormal);
    // Without a card nothing changes here; the refresh handles the disk.
    EXPECT_EQ(RunStartUp(false, false, false, 0, kJobSecure).first, kJobSecure);
    EXPECT_EQ(RunStartUp(false, false, true, 0, kJobSecure).second, 0u);
}

TEST(JobTypeRadios, ByJobLimitCardAndDisk) {
    const ControlState on = ControlState::Enabled, off = ControlState::Disabled, kept = ControlState::Untouched;
    const struct {
        bool jobLimit, icCard, hdd;
        ControlState normal, secure, encrypted;
    } cases[] = {
        {true, false, false, off, off, off},   {true, false, true, off, off, off},
        {true, true, false, off, off, off},    {true, true, true, off, off, off},
        {false, true, true, kept, off, on},    {false, true, false, kept, off, off},
        {false, false, true, kept, on, on},    {false, false, false, kept, off, off},
    };
    for (const auto &c : cases) {
        const JobTypeRadios radios = PlanJobTypeRadios(c.jobLimit, c.icCard, c.hdd);
        EXPECT_EQ((std::vector<ControlState>{radios.normal, radios.secure, radios.encrypted}),
                  (std::vector<ControlState>{c.normal, c.secure, c.encrypted})) << c.jobLimit << c.icCard << c.hdd;
    }
}

TEST(CryptoMode, CardSharedOrLocalAlwaysExtended) {
    EXPECT_EQ(CryptoDialogMode(true, true, true), 6u);
    EXPECT_EQ(CryptoDialogMode(false, true, false), 5u);
    EXPECT_EQ(CryptoDialogMode(false, false, true), 5u);
    EXPECT_EQ(CryptoDialogMode(false, false, false), 4u);
}

TEST(JobPin, OkChecksFourDigitsThenTheName) {
    const struct {
        size_t nameLength, pinLength;
        bool askJobName;
        PinCheck check;
    } cases[] = {
        {6, 3, false, PinCheck::NeedFourDigits}, {6, 0, true, PinCheck::NeedFourDigits},
        {0, 5, false, PinCheck::NeedFourDigits}, {0, 4, false, PinCheck::NeedJobName},
        {0, 4, true, PinCheck::Accept},          {16, 4, false, PinCheck::Accept},
    };
    for (const auto &c : cases)
        EXPECT_EQ(CheckJobPin(c.nameLength, c.pinLength, c.askJobName), c.check) << c.nameLength << c.pinLength;
}

// The text kept, its length, the characters removed and the caret.
using Filtered = std::tuple<std::u16string, size_t, size_t, size_t>;

Filtered Filter(std::u16string text, size_t selectionEnd, bool (*allowed)(char16_t)) {
    text.push_back(0);
    const TypedText result = FilterTypedText(&text[0], text.size() - 1, selectionEnd, allowed);
    return {std::u16string(text.c_str()), result.length, result.removed, result.caret};
}

TEST(TypedText, PinKeepsDigitsAndTheCaretFollows) {
    EXPECT_EQ(Filter(u"12a", 3, PinCharAllowed), Filtered(u"12", 2, 1, 2));
    EXPECT_EQ(Filter(u"ab1", 1, PinCharAllowed), Filtered(u"1", 1, 2, 0));
    EXPECT_EQ(Filter(u"0042", 2, PinCharAllowed), Filtered(u"0042", 4, 0, 2));
}

TEST(TypedText, JobNameKeepsPrintableAsciiWithoutQuotes) {
    EXPECT_EQ(Filter(u"Q3 \"final\" r\u00e9sum\u00e9~", 15, JobNameCharAllowed),
              Filtered(u"Q3 final rsum~", 14, 4, 11));
    for (char16_t c : {u'\t', u'\x7f'}) EXPECT_FALSE(JobNameCharAllowed(c)) << int(c);
    for (char16_t c : {u' ', u'\''}) EXPECT_TRUE(JobNameCharAllowed(c)) << int(c);
}

// A page that logs what the click logic asks of it.
class FakePage : public JobTypePage {
public:
    uint32_t copies = 1;
    bool pinNeeded = true;
    bool pinDialogResult = true;
    bool passwordUsable = false;
    bool cryptoDialogResult = true;
    JobTypeFlags *flags = nullptr;
    std::vector<std::string> log;
    std::vector<JobTypeFlags> flagsDuringDialog;

    uint32_t Copies() override { return copies; }
    void ForceSingleCopy(bool warn) override {
        log.push_back(warn ? "warn+copies1" : "copies1");
        copies = 1;
    }
    void CheckAndFocus(uint32_t jobType) override { log.push_back("check" + std::to_string(jobType)); }
    void MarkChanged() override { log.push_back("changed"); }
    void Refresh() override { log.push_back("refresh"); }
    bool JobPinNeeded() override { return pinNeeded; }
    bool RunJobPinDialog() override { return Dialog("pin-dialog", pinDialogResult); }
    bool StoredPasswordUsable() override {
        log.push_back("load");
        return passwordUsable;
    }
    bool RunCryptoDialog() override { return Dialog("crypto-dialog", cryptoDialogResult); }
    void ReleaseCryptoLibrary() override { log.push_back("free"); }

private:
    // Logs the dialog and the flags it ran under; answers as the test chose.
    bool Dialog(const char *name, bool result) {
        log.push_back(name);
        flagsDuringDialog.push_back(*flags);
        return result;
    }
};

using Log = std::vector<std::string>;

class JobTypeClickTest : public ::testing::Test {
protected:
    void SetUp() override { page.flags = &flags; }
    // What the click asked of the page.
    const Log &Click(uint32_t clicked, bool crypto = true, bool icCard = false) {
        page.log.clear();
        ClickJobType({clicked, crypto, icCard}, &flags, &jobType, page);
        return page.log;
    }
    JobTypeFlags flags = kInitialJobTypeFlags;
    uint32_t jobType = kJobNormal;
    FakePage page;
};

TEST_F(JobTypeClickTest, SecureAsksForThePinAndKeepsTheChoice) {
    page.copies = 3;
    EXPECT_EQ(Click(kJobSecure), (Log{"warn+copies1", "pin-dialog", "check1", "refresh", "changed"}));
    EXPECT_EQ(jobType, kJobSecure);
    ASSERT_EQ(page.flagsDuringDialog.size(), 1u);
    EXPECT_FALSE(page.flagsDuringDialog[0].fJobTypeArmed || page.flagsDuringDialog[0].fJobTypeAccepted);
    EXPECT_TRUE(flags.fJobTypeArmed && flags.fJobTypeAccepted && !flags.fWarnCopies);

    // Name and PIN are there now: no dialog, and the copies go silently.
    page.pinNeeded = false;
    page.copies = 2;
    EXPECT_EQ(Click(kJobSecure), (Log{"copies1", "check1", "refresh", "changed"}));
}

TEST_F(JobTypeClickTest, CancelledPinReturnsToANormalJobAndBlocksTheNextTry) {
    page.pinDialogResult = false;
    EXPECT_EQ(Click(kJobSecure), (Log{"pin-dialog", "check0", "check0", "changed"}));
    EXPECT_EQ(jobType, kJobNormal);
    EXPECT_FALSE(flags.fJobTypeAccepted);

    // Until Normal is chosen again the secure radio only bounces back, and
    // the working selection follows the radio.
    page.pinDialogResult = true;
    EXPECT_EQ(Click(kJobSecure), (Log{"check0", "changed"}));
    EXPECT_EQ(jobType, kJobNormal);

    EXPECT_EQ(Click(kJobNormal), (Log{"refresh", "changed"}));
    EXPECT_TRUE(flags.fJobTypeAccepted);
    Click(kJobSecure);
    EXPECT_EQ(jobType, kJobSecure);
}

TEST_F(JobTypeClickTest, NormalRearmsTheCopiesWarning) {
    page.copies = 5;
    page.pinNeeded = false;
    EXPECT_EQ(Click(kJobSecure).front(), "warn+copies1");
    Click(kJobNormal);
    EXPECT_TRUE(flags.fWarnCopies);
    page.copies = 5;
    EXPECT_EQ(Click(kJobSecure).front(), "warn+copies1");
}

TEST_F(JobTypeClickTest, ClicksWhileADialogIsOpenAreNotActedOn) {
    flags.fJobTypeArmed = false;
    flags.fJobTypeAccepted = false;
    EXPECT_EQ(Click(kJobSecure), (Log{"check0", "changed"}));
    EXPECT_EQ(jobType, kJobNormal);
    EXPECT_EQ(Click(kJobEncrypted), (Log{"check0", "changed"}));

    flags.fJobTypeAccepted = true;
    EXPECT_EQ(Click(kJobEncrypted), (Log{"changed"}));
    EXPECT_EQ(jobType, kJobEncrypted);
}

TEST_F(JobTypeClickTest, EncryptedAsksTheLibraryWhenNoPasswordIsUsable) {
    page.copies = 2;
    EXPECT_EQ(Click(kJobEncrypted), (Log{"warn+copies1", "load", "crypto-dialog", "free", "refresh", "changed"}));
    EXPECT_EQ(jobType, kJobEncrypted);
    ASSERT_EQ(page.flagsDuringDialog.size(), 1u);
    EXPECT_FALSE(page.flagsDuringDialog[0].fJobTypeArmed);
    EXPECT_TRUE(flags.fJobTypeAccepted);

    page.passwordUsable = true;
    EXPECT_EQ(Click(kJobEncrypted), (Log{"load", "free", "refresh", "changed"}));
}

TEST_F(JobTypeClickTest, RefusedEncryptionReturnsToANormalJob) {
    page.cryptoDialogResult = false;
    EXPECT_EQ(Click(kJobEncrypted), (Log{"load", "crypto-dialog", "check0", "free", "check0", "changed"}));
    EXPECT_EQ(jobType, kJobNormal);
    EXPECT_FALSE(flags.fJobTypeAccepted);
}

TEST_F(JobTypeClickTest, IcCardNeedsNoDialogAndKeepsItsCopies) {
    page.copies = 4;
    EXPECT_EQ(Click(kJobEncrypted, true, true), (Log{"load", "free", "refresh", "changed"}));
    EXPECT_EQ(page.copies, 4u);
    EXPECT_EQ(jobType, kJobEncrypted);

    // The secure job of a card printer still goes to one copy.
    page.pinNeeded = false;
    EXPECT_EQ(Click(kJobSecure, true, true).front(), "warn+copies1");
}

TEST_F(JobTypeClickTest, EncryptedWithoutLibraryIsAPinJob) {
    EXPECT_EQ(Click(kJobEncrypted, false), (Log{"pin-dialog", "check2", "refresh", "changed"}));
    EXPECT_EQ(jobType, kJobEncrypted);
}

}  // namespace
