// Decisions of secure printing on the Job Options page and in the JOB PIN
// dialog: which job type the page starts with, which radios it offers, what
// a job-type click does, and what the name and PIN boxes accept. No
// platform types: the page glue does the windows, libraries and dialogs.
#pragma once

#include "joboptions/job_options_rules.h"

#include <cstddef>
#include <cstdint>

// Selections of the "VXJob_Type" feature.
constexpr uint32_t kJobNormal = 0;
constexpr uint32_t kJobSecure = 1;
constexpr uint32_t kJobEncrypted = 2;  // or IC card, when the card library says so

constexpr size_t kJobNameChars = 16;
constexpr size_t kJobPinDigits = 4;

// "VXJobLimit" on, HDD, an encryption library and the standard UI hidden:
// every job goes encrypted.
bool JobLimitMode(DriverFlag jobLimit, bool hdd, bool cryptoConfigured,
                  uint32_t hideStandardUiCopy);

// The job type at page start; may ask for the password at the printer.
void ApplySecureStartUpRule(bool jobLimit, bool icCard, bool hdd, uint32_t cbEncryptedPassword,
                            uint32_t *jobType, uint32_t *cryptoSetting6);

enum class ControlState { Untouched, Enabled, Disabled };

struct JobTypeRadios {
    ControlState normal;
    ControlState secure;
    ControlState encrypted;
};

JobTypeRadios PlanJobTypeRadios(bool jobLimit, bool icCard, bool hdd);

// A job-type click asks the JOB PIN dialog when neither a name nor the
// ask-for-name choice is there, or when no PIN is.
bool JobPinNeeded(const char16_t *jobName, const char16_t *jobPin, uint32_t askJobName);

// The DispCryptoUIEx mode: IC card, else shared or network printer (or a
// system of major version 6 on), else local; always with the extended flag.
constexpr uint32_t kCryptoModeLocal = 0;
constexpr uint32_t kCryptoModeShared = 1;
constexpr uint32_t kCryptoModeIcCard = 2;
constexpr uint32_t kCryptoModeExtended = 4;
uint32_t CryptoDialogMode(bool icCard, bool osMajor6OrLater, bool sharedOrNetwork);

// The process-wide flags of the job-type radios.
struct JobTypeFlags {
    bool fJobTypeArmed;     // cleared while a job-type dialog is open
    bool fJobTypeAccepted;  // the last job-type dialog was accepted
    bool fWarnCopies;       // the single-copy warning is still to be shown
};

constexpr JobTypeFlags kInitialJobTypeFlags = {true, true, true};

// What a job-type click needs from the page.
class JobTypePage {
public:
    virtual ~JobTypePage() = default;
    virtual uint32_t Copies() = 0;
    // Copies become 1 and their controls are disabled, after the warning
    // when `warn` is set.
    virtual void ForceSingleCopy(bool warn) = 0;
    virtual void CheckAndFocus(uint32_t jobType) = 0;
    virtual void MarkChanged() = 0;
    virtual void Refresh() = 0;
    virtual bool JobPinNeeded() = 0;
    // The JOB PIN dialog; true for OK.
    virtual bool RunJobPinDialog() = 0;
    // Loads the encryption library; true when the stored password can be
    // decrypted, or none is stored and the password is typed at the printer.
    virtual bool StoredPasswordUsable() = 0;
    // The library's dialog with a fresh block; true when accepted and the
    // settings and encrypted password are in the record.
    virtual bool RunCryptoDialog() = 0;
    virtual void ReleaseCryptoLibrary() = 0;
};

struct JobTypeClick {
    uint32_t clicked;  // job type of the radio
    bool cryptoConfigured;
    bool icCard;
};

void ClickJobType(const JobTypeClick &click, JobTypeFlags *flags, uint32_t *jobType,
                  JobTypePage &page);

// What a name or PIN box keeps of its text.
bool JobNameCharAllowed(char16_t c);
bool PinCharAllowed(char16_t c);

struct TypedText {
    size_t length;   // characters kept
    size_t removed;  // characters dropped
    size_t caret;    // where the caret goes
};

// Drops, in place, what `allowed` refuses; the caret moves back by the
// count dropped from `selectionEnd`, never below 0.
TypedText FilterTypedText(char16_t *text, size_t length, size_t selectionEnd,
                          bool (*allowed)(char16_t));

enum class PinCheck { Accept, NeedFourDigits, NeedJobName };
PinCheck CheckJobPin(size_t jobNameLength, size_t pinLength, bool askJobName);
