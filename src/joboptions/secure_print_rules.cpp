#include "joboptions/secure_print_rules.h"

namespace {

constexpr uint32_t kStandardUiHidden = 1;
constexpr uint32_t kPasswordAtPrinter = 1;
constexpr uint32_t kSingleCopy = 1;
constexpr char16_t kFirstPrintable = u' ';
constexpr char16_t kLastPrintable = u'~';
constexpr char16_t kQuote = u'"';

bool Empty(const char16_t *text) { return !text || !text[0]; }

// The copies rule of every secure choice: one copy, the warning once.
void ForceSingleCopy(JobTypeFlags *flags, JobTypePage &page) {
    if (page.Copies() == kSingleCopy) return;
    const bool warn = flags->fWarnCopies;
    flags->fWarnCopies = false;
    page.ForceSingleCopy(warn);
}

class ClickRun {
public:
    ClickRun(const JobTypeClick &click, JobTypeFlags *flags, uint32_t *jobType, JobTypePage &page)
        : click_(click), flags_(flags), jobType_(jobType), page_(page) {}

    void Run() {
        if (click_.clicked == kJobNormal) {
            flags_->fJobTypeAccepted = true;
            flags_->fWarnCopies = true;
        }
        *jobType_ = click_.clicked;
        if (click_.clicked == kJobEncrypted && click_.cryptoConfigured)
            Encrypted();
        else
            PinJob();
    }

private:
    // The radios and the working selection always agree: a job that is
    // not taken becomes a normal one.
    void ReturnToNormal() {
        *jobType_ = kJobNormal;
        page_.CheckAndFocus(kJobNormal);
    }

    void End() {
        if (!flags_->fJobTypeAccepted) ReturnToNormal();
        page_.MarkChanged();
    }

    // False when the click must not go on: a dialog is open, or the last
    // one was refused.
    bool MayAsk() {
        if (!flags_->fJobTypeArmed) {
            End();
            return false;
        }
        if (!flags_->fJobTypeAccepted) {
            ReturnToNormal();
            page_.MarkChanged();
            return false;
        }
        return true;
    }

    template <typename Dialog>
    bool AskWithoutReentry(Dialog dialog) {
        flags_->fJobTypeArmed = false;
        flags_->fJobTypeAccepted = false;
        const bool accepted = dialog();
        flags_->fJobTypeArmed = true;
        if (accepted) flags_->fJobTypeAccepted = true;
        return accepted;
    }

    void Encrypted() {
        if (!click_.icCard) ForceSingleCopy(flags_, page_);
        if (!MayAsk()) return;
        const bool usable = page_.StoredPasswordUsable();
        if (!click_.icCard && !usable &&
            !AskWithoutReentry([this] { return page_.RunCryptoDialog(); }))
            ReturnToNormal();
        page_.ReleaseCryptoLibrary();
        if (flags_->fJobTypeAccepted) page_.Refresh();
        End();
    }

    void PinJob() {
        if (click_.clicked == kJobNormal) {
            page_.Refresh();
            End();
            return;
        }
        ForceSingleCopy(flags_, page_);
        if (!MayAsk()) return;
        if (page_.JobPinNeeded() && !AskWithoutReentry([this] { return page_.RunJobPinDialog(); })) {
            ReturnToNormal();
            End();
            return;
        }
        page_.CheckAndFocus(click_.clicked);
        page_.Refresh();
        End();
    }

    const JobTypeClick &click_;
    JobTypeFlags *flags_;
    uint32_t *jobType_;
    JobTypePage &page_;
};

}  // namespace

bool JobLimitMode(DriverFlag jobLimit, bool hdd, bool cryptoConfigured,
                  uint32_t hideStandardUiCopy) {
    return jobLimit == DriverFlag::True && hdd && cryptoConfigured &&
           hideStandardUiCopy == kStandardUiHidden;
}

void ApplySecureStartUpRule(bool jobLimit, bool icCard, bool hdd, uint32_t cbEncryptedPassword,
                            uint32_t *jobType, uint32_t *cryptoSetting6) {
    if (jobLimit) {
        *jobType = kJobEncrypted;
        if (cbEncryptedPassword == 0) *cryptoSetting6 = kPasswordAtPrinter;
        return;
    }
    if (!icCard) return;
    if (!hdd)
        *jobType = kJobNormal;
    else if (*jobType == kJobSecure)
        *jobType = kJobEncrypted;
}

JobTypeRadios PlanJobTypeRadios(bool jobLimit, bool icCard, bool hdd) {
    const ControlState withHdd = hdd ? ControlState::Enabled : ControlState::Disabled;
    if (jobLimit) return {ControlState::Disabled, ControlState::Disabled, ControlState::Disabled};
    if (icCard) return {ControlState::Untouched, ControlState::Disabled, withHdd};
    return {ControlState::Untouched, withHdd, withHdd};
}

bool JobPinNeeded(const char16_t *jobName, const char16_t *jobPin, uint32_t askJobName) {
    return (Empty(jobName) && askJobName == 0) || Empty(jobPin);
}

uint32_t CryptoDialogMode(bool icCard, bool osMajor6OrLater, bool sharedOrNetwork) {
    uint32_t mode = kCryptoModeLocal;
    if (icCard)
        mode = kCryptoModeIcCard;
    else if (osMajor6OrLater || sharedOrNetwork)
        mode = kCryptoModeShared;
    return mode | kCryptoModeExtended;
}

void ClickJobType(const JobTypeClick &click, JobTypeFlags *flags, uint32_t *jobType,
                  JobTypePage &page) {
    ClickRun(click, flags, jobType, page).Run();
}

bool JobNameCharAllowed(char16_t c) {
    return c >= kFirstPrintable && c <= kLastPrintable && c != kQuote;
}

bool PinCharAllowed(char16_t c) { return c >= u'0' && c <= u'9'; }

TypedText FilterTypedText(char16_t *text, size_t length, size_t selectionEnd,
                          bool (*allowed)(char16_t)) {
    size_t kept = 0;
    for (size_t i = 0; i < length; ++i)
        if (allowed(text[i])) text[kept++] = text[i];
    const size_t removed = length - kept;
    if (kept < length) text[kept] = 0;
    return {kept, removed, selectionEnd > removed ? selectionEnd - removed : 0};
}

PinCheck CheckJobPin(size_t jobNameLength, size_t pinLength, bool askJobName) {
    if (pinLength != kJobPinDigits) return PinCheck::NeedFourDigits;
    if (jobNameLength == 0 && !askJobName) return PinCheck::NeedJobName;
    return PinCheck::Accept;
}
