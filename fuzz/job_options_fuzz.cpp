// The Job Options page's texts from outside: typed copies and scale, the
// driver's 8-bit setting answers, the printer description's and version
// file's lines of the About dialog, and the finisher rules fed with those
// answers and with the record's remembered paper and layout.
#include "fuzz_bytes.h"
#include "joboptions/finisher_rules.h"
#include "joboptions/job_options_rules.h"

#include <memory>
#include <string>

namespace {

constexpr size_t kMaxAnswerBytes = 64;
constexpr uint32_t kMaxOptionCount = 40;

// The driver's answer as it comes back: `bytes` long, not always ended.
std::unique_ptr<char[]> ConsumeAnswer(FuzzedDataProvider &data, size_t *bytes) {
    const std::string answer = data.ConsumeRandomLengthString(kMaxAnswerBytes);
    std::unique_ptr<char[]> exact(new char[answer.size()]);
    answer.copy(exact.get(), answer.size());
    *bytes = answer.size();
    return exact;
}

size_t U16Length(const char16_t *text, size_t capacity) {
    size_t n = 0;
    while (n < capacity && text[n]) ++n;
    return n;
}

void CheckAboutTexts(FuzzedDataProvider &data) {
    const std::string line = data.ConsumeRandomLengthString(512);
    const size_t capacity = data.ConsumeIntegralInRange<size_t>(1, kAboutTextChars);
    std::unique_ptr<char16_t[]> out(new char16_t[capacity]);
    if (PpdFileVersionFromLine(line.c_str(), out.get(), capacity))
        FUZZ_CHECK(U16Length(out.get(), capacity) < capacity);
    if (PpdNoticeFromLine(line.c_str(), out.get(), capacity))
        FUZZ_CHECK(U16Length(out.get(), capacity) < capacity);

    const std::u16string optionVer = ConsumeU16Text(data, 300);
    const std::u16string driverVer = ConsumeU16Text(data, 300);
    const std::u16string internalVer = ConsumeU16Text(data, 300);
    ComposeDriverVersion(optionVer.c_str(), driverVer.c_str(), internalVer.c_str(), out.get(),
                         capacity);
    FUZZ_CHECK(U16Length(out.get(), capacity) < capacity);
}

void CheckTypedNumber(FuzzedDataProvider &data) {
    const uint32_t clampAt = data.ConsumeBool() ? kNoClamp : data.ConsumeIntegral<uint32_t>();
    const std::u16string typed = ConsumeU16Text(data, 40);
    std::unique_ptr<char16_t[]> text(new char16_t[typed.size()]);
    typed.copy(text.get(), typed.size());
    const DigitFilter filter = FilterDigits(text.get(), typed.size(), clampAt);
    FUZZ_CHECK(filter.digits <= typed.size());
    if (clampAt != kNoClamp) FUZZ_CHECK(filter.value <= clampAt);
}

FinisherFeature ConsumeFeature(FuzzedDataProvider &data) {
    FinisherFeature feature;
    feature.present = data.ConsumeBool();
    feature.optionCount = data.ConsumeIntegralInRange<uint32_t>(0, kMaxOptionCount);
    feature.selection = data.ConsumeIntegral<uint32_t>();
    return feature;
}

// An absent feature's list is not planned.
void CheckList(const FinisherFeature &feature, const FinisherList &list) {
    if (!feature.present) return;
    const int entries = __builtin_popcount(list.keep);
    FUZZ_CHECK(list.selectedEntry >= -1 && list.selectedEntry < entries);
}

void CheckFinisher(FuzzedDataProvider &data) {
    size_t punchBytes = 0, pageBytes = 0, flagBytes = 0;
    const auto punch = ConsumeAnswer(data, &punchBytes);
    const auto pageSize = ConsumeAnswer(data, &pageBytes);
    const auto flag = ConsumeAnswer(data, &flagBytes);
    ReadDriverFlag(flag.get(), flagBytes);
    SettingIs(flag.get(), flagBytes, "None");

    FinisherSheet sheet;
    sheet.pageSize = pageSize.get();
    sheet.pageSizeBytes = pageBytes;
    sheet.duplexNone = data.ConsumeBool();
    sheet.punchUnit = PunchUnitFromSetting(punch.get(), punchBytes);
    sheet.paperSize = data.ConsumeIntegral<uint32_t>();
    sheet.documentPortrait = data.ConsumeBool();
    sheet.layout = data.ConsumeIntegral<uint8_t>();
    sheet.orientationSelection = data.ConsumeIntegral<uint32_t>();
    FinisherMemory memory = {data.ConsumeIntegral<uint32_t>(), data.ConsumeIntegral<uint8_t>()};
    FinisherFeatures features = {ConsumeFeature(data), ConsumeFeature(data), ConsumeFeature(data)};

    const FinisherPlan plan = RunFinisherRules(sheet, &memory, &features);
    CheckList(features.bindPosition, plan.bindPosition);
    CheckList(features.staple, plan.staple);
    CheckList(features.punch, plan.punch);
    FUZZ_CHECK(memory.lastPaperSize == sheet.paperSize);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size) {
    FuzzedDataProvider data(bytes, size);
    CheckTypedNumber(data);
    CheckFinisher(data);
    CheckAboutTexts(data);
    return 0;
}
