// Secure printing's text inputs (job name and PIN as typed or pasted, the
// record's name and PIN as a DEVMODE brought them) and the job-type clicks
// with whatever the page, the dialogs and the libraries answer.
#include "fuzz_bytes.h"
#include "joboptions/secure_print_rules.h"

#include <memory>

namespace {

// A page whose every answer comes from the fuzz input; a dialog may click
// a job type again while it is open, as a fast user can.
class FuzzedPage : public JobTypePage {
public:
    FuzzedPage(FuzzedDataProvider &data, JobTypeFlags *flags, uint32_t *jobType)
        : data_(data), flags_(flags), jobType_(jobType) {}

    uint32_t Copies() override { return data_.ConsumeIntegralInRange<uint32_t>(0, 3); }
    void ForceSingleCopy(bool) override {}
    void CheckAndFocus(uint32_t jobType) override { FUZZ_CHECK(jobType <= kJobEncrypted); }
    void MarkChanged() override {}
    void Refresh() override {}
    bool JobPinNeeded() override { return data_.ConsumeBool(); }
    bool RunJobPinDialog() override { return Dialog(); }
    bool StoredPasswordUsable() override { return data_.ConsumeBool(); }
    bool RunCryptoDialog() override { return Dialog(); }
    void ReleaseCryptoLibrary() override {}

private:
    bool Dialog() {
        FUZZ_CHECK(!flags_->fJobTypeArmed);
        if (depth_ == 0 && data_.ConsumeBool()) {
            ++depth_;
            ClickJobType(NextClick(data_), flags_, jobType_, *this);
            --depth_;
        }
        return data_.ConsumeBool();
    }

public:
    static JobTypeClick NextClick(FuzzedDataProvider &data) {
        JobTypeClick click;
        click.clicked = data.ConsumeIntegralInRange<uint32_t>(kJobNormal, kJobEncrypted);
        click.cryptoConfigured = data.ConsumeBool();
        click.icCard = data.ConsumeBool();
        return click;
    }

private:
    FuzzedDataProvider &data_;
    JobTypeFlags *flags_;
    uint32_t *jobType_;
    int depth_ = 0;
};

void FilterAndCheck(const std::u16string &typed, size_t selectionEnd,
                    bool (*allowed)(char16_t)) {
    // The box's characters alone: no room for a terminator after them.
    std::unique_ptr<char16_t[]> text(new char16_t[typed.size()]);
    typed.copy(text.get(), typed.size());
    const TypedText result = FilterTypedText(text.get(), typed.size(), selectionEnd, allowed);
    FUZZ_CHECK(result.length + result.removed == typed.size());
    FUZZ_CHECK(result.caret <= selectionEnd);
    size_t next = 0;
    for (char16_t c : typed) {
        if (!allowed(c)) continue;
        FUZZ_CHECK(text[next] == c);
        ++next;
    }
    FUZZ_CHECK(next == result.length);
    if (result.length < typed.size()) FUZZ_CHECK(text[result.length] == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size) {
    FuzzedDataProvider data(bytes, size);
    const std::u16string name = ConsumeU16Text(data, 64);
    const std::u16string pin = ConsumeU16Text(data, 16);
    const size_t selectionEnd = data.ConsumeIntegralInRange<size_t>(0, 80);
    const uint32_t askJobName = data.ConsumeIntegral<uint32_t>();

    FilterAndCheck(name, selectionEnd, JobNameCharAllowed);
    FilterAndCheck(pin, selectionEnd, PinCharAllowed);
    const bool pinNeeded = JobPinNeeded(name.c_str(), pin.c_str(), askJobName);
    FUZZ_CHECK(pinNeeded == ((name.empty() && askJobName == 0) || pin.empty()));
    const PinCheck check = CheckJobPin(name.size(), pin.size(), askJobName != 0);
    if (check == PinCheck::Accept) FUZZ_CHECK(pin.size() == kJobPinDigits);

    JobTypeFlags flags = kInitialJobTypeFlags;
    uint32_t jobType = data.ConsumeIntegralInRange<uint32_t>(kJobNormal, kJobEncrypted);
    FuzzedPage page(data, &flags, &jobType);
    while (data.remaining_bytes() > 0) {
        ClickJobType(FuzzedPage::NextClick(data), &flags, &jobType, page);
        FUZZ_CHECK(flags.fJobTypeArmed);
        FUZZ_CHECK(jobType <= kJobEncrypted);
        if (!flags.fJobTypeAccepted) FUZZ_CHECK(jobType == kJobNormal);
    }
    return 0;
}
