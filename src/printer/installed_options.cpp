#include "printer/installed_options.h"

#include <climits>
#include <cstring>

const char kUnsetUserType[] = "default_name";

const uint8_t kDetectedItemIds[kDetectedSelectionCount] = {3, 5, 6, 7, 8, 9, 10, 11, 12};

namespace {

constexpr uint8_t kEntryEnd = '\n';
// The setting's own NUL and the entry's line feed.
constexpr uint32_t kSettingEndBytes = 2;
// " MB" after the memory size in an option's display text.
constexpr size_t kMemoryUnitChars = 3;
constexpr int kDecimalBase = 10;

const char kInstalledKey[] = "Installed";
const char kMemoryKey[] = "Random Access Memory";
const char kUsbMemoryKey[] = "RAM";
const char kStorageKey[] = "SD Card";
const char kPunchTypeKey[] = "PunchType";
const char kJobLimitationKey[] = "JobLimitationMode";
const char kSpotColorKey[] = "SpotColor";
const char kUserTypePrefix[] = "USERTYPE";

const char kTrue[] = "True";
const char kFalse[] = "False";
const char kNone[] = "None";
const char kMemoryUnit[] = "MB";
const char *const kPunchTypes[] = {kNone, "Type1", "Type2", "Type3"};
const char *const kSpecialToners[] = {kNone, "White", "Clear"};
const char *const kTrayCounts[] = {"0", "1", "2", "3", "4"};

enum DetectedEntry { kDetectedStorage, kDetectedDuplex, kDetectedTrays, kDetectedMemory,
                     kDetectedFinisher, kDetectedFeeder, kDetectedPunch, kDetectedJobLimit,
                     kDetectedSpotColor };

// Selections of the driver's True/False items: option 0 is "installed"
// for the storage device, duplex unit and job limitation, option 1 for the
// finisher, feeder and punch unit, as the description lists them.
constexpr uint32_t kFirstOption = 0;
constexpr uint32_t kSecondOption = 1;

const InstallableItemRule kInstallableItemRules[] = {
    {"VXHDD", 2213, 3},
    {"VXOptionDuplex", 2204, 5},
    {"VXOptionTray", 2203, 6},
    {"InstalledMemory", 2207, 7},
    {"VXFinisher", 2206, 8},
    {"VXOptionMPF", 2209, 9},
    {"VXPunchUnit", 2211, 10},
    {"VXJobLimit", 2212, 11},
    {"VXSpecialTonerInstalled", 1812, 12},
    {"VXOutputManagement", 1813, 13},
};

const char *TrueFalse(bool on) { return on ? kTrue : kFalse; }

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }

// Leading blanks, one sign, digits; false when no digit follows.
template <typename Char>
bool ParseDecimal(const Char *text, size_t length, int32_t *value) {
    size_t i = 0;
    while (i < length && IsBlank(static_cast<char16_t>(text[i]))) ++i;
    bool negative = false;
    if (i < length && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    int64_t magnitude = 0;
    const size_t firstDigit = i;
    for (; i < length && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (magnitude <= INT32_MAX) magnitude = magnitude * kDecimalBase + (text[i] - '0');
    }
    if (i == firstDigit) return false;
    if (negative) magnitude = -magnitude;
    if (magnitude > INT32_MAX) magnitude = INT32_MAX;
    if (magnitude < INT32_MIN) magnitude = INT32_MIN;
    *value = static_cast<int32_t>(magnitude);
    return true;
}

uint32_t KeyInteger(const ProfileLookup &lookup, const char *key) {
    return static_cast<uint32_t>(ParseProfileInteger(lookup(key)));
}

}  // namespace

uint32_t ReplaceFeatureValue(uint8_t *data, uint32_t validLength, const char *keyword,
                             const char *setting) {
    const uint32_t length = validLength < kFeatureKeywordBytes ? validLength : kFeatureKeywordBytes;
    if (!data || !keyword || !keyword[0] || !setting) return length;
    const size_t keywordBytes = strlen(keyword) + 1;  // the terminator is matched too
    const size_t settingLength = strlen(setting);
    uint8_t work[kFeatureKeywordBytes];
    uint32_t out = 0;
    size_t matched = 0;
    for (uint32_t in = 0; in < length;) {
        // Earlier replacements may have lengthened the list: the rest must fit.
        if (out == kFeatureKeywordBytes) return length;
        const uint8_t byte = data[in++];
        work[out++] = byte;
        if (byte == static_cast<uint8_t>(keyword[matched])) {
            if (++matched == keywordBytes) {
                matched = 0;
                if (out + settingLength + kSettingEndBytes > kFeatureKeywordBytes) return length;
                memcpy(work + out, setting, settingLength);
                out += static_cast<uint32_t>(settingLength);
                work[out++] = 0;
                work[out++] = kEntryEnd;
                while (in < length && data[in++] != kEntryEnd) {
                }
                continue;
            }
        } else {
            matched = 0;
        }
        if (byte == 0 && in < length && data[in] == 0) {
            if (out == kFeatureKeywordBytes) return length;
            work[out++] = 0;
            break;
        }
    }
    memcpy(data, work, out);
    return out;
}

int32_t ParseProfileInteger(const std::string &text) {
    int32_t value = 0;
    return ParseDecimal(text.data(), text.size(), &value) ? value : 0;
}

InstalledOptions ReadInstalledOptions(const ProfileLookup &lookup, OptionsColumn column) {
    InstalledOptions options;
    options.installed = KeyInteger(lookup, kInstalledKey);
    if (column == OptionsColumn::Usb) {
        options.memoryMb = ParseProfileInteger(lookup(kUsbMemoryKey));
        options.storage = (options.installed & kInstalledStorage) ? 1 : 0;
    } else {
        options.memoryMb = ParseProfileInteger(lookup(kMemoryKey));
        options.storage = KeyInteger(lookup, kStorageKey) ? 1 : 0;
    }
    options.punchType = KeyInteger(lookup, kPunchTypeKey);
    options.jobLimitation = KeyInteger(lookup, kJobLimitationKey);
    options.spotColor = KeyInteger(lookup, kSpotColorKey);
    return options;
}

uint32_t TrayCount(uint32_t installed) {
    if (installed & kInstalledTray4) return 4;
    if (installed & kInstalledTray3) return 3;
    if (installed & kInstalledTray2) return 2;
    if (installed & kInstalledTray1) return 1;
    return 0;
}

size_t InstalledFeatureValues(const InstalledOptions &options, bool osMajor6OrLater,
                              FeatureValue out[kInstalledFeatureCount]) {
    const bool jobLimit = options.jobLimitation != 0 && !osMajor6OrLater;
    const uint32_t punch = options.punchType < sizeof(kPunchTypes) / sizeof(kPunchTypes[0])
                               ? options.punchType
                               : 0;
    const uint32_t toner = options.spotColor < sizeof(kSpecialToners) / sizeof(kSpecialToners[0])
                               ? options.spotColor
                               : 0;
    size_t count = 0;
    out[count++] = {"VXOptionMPF", TrueFalse(options.installed & kInstalledFeeder)};
    out[count++] = {"VXOptionDuplex", TrueFalse(options.installed & kInstalledDuplex)};
    out[count++] = {"VXFinisher", TrueFalse(options.installed & kInstalledFinisher)};
    out[count++] = {"VXPunchUnit", kPunchTypes[punch]};
    out[count++] = {"VXJobLimit", TrueFalse(jobLimit)};
    out[count++] = {"VXOptionTray", kTrayCounts[TrayCount(options.installed)]};
    out[count++] = {"VXHDD", TrueFalse(options.storage != 0)};
    if (options.memoryMb > 0)
        out[count++] = {"InstalledMemory", std::to_string(options.memoryMb) + kMemoryUnit};
    out[count++] = {"VXSpecialTonerInstalled", kSpecialToners[toner]};
    return count;
}

uint32_t RewriteInstalledFeatures(uint8_t *data, uint32_t validLength,
                                  const InstalledOptions &options, bool osMajor6OrLater) {
    FeatureValue values[kInstalledFeatureCount];
    const size_t count = InstalledFeatureValues(options, osMajor6OrLater, values);
    uint32_t length = validLength;
    for (size_t i = 0; i < count; ++i)
        length = ReplaceFeatureValue(data, length, values[i].keyword, values[i].setting.c_str());
    return length;
}

uint32_t MatchMemoryOption(const char16_t *const *texts, size_t count, int32_t memoryMb) {
    for (size_t i = 0; texts && i < count; ++i) {
        const char16_t *text = texts[i];
        if (!text) continue;
        size_t length = 0;
        while (text[length]) ++length;
        if (length < kMemoryUnitChars) continue;
        int32_t size = 0;
        if (ParseDecimal(text, length - kMemoryUnitChars, &size) && size == memoryMb)
            return static_cast<uint32_t>(i);
    }
    return 0;
}

void BuildDetectedSelections(const InstalledOptions &options, bool osMajor6OrLater,
                             uint32_t memoryOption, uint32_t out[kDetectedSelectionCount]) {
    const uint32_t installed = options.installed;
    out[kDetectedStorage] = options.storage ? kFirstOption : kSecondOption;
    out[kDetectedDuplex] = (installed & kInstalledDuplex) ? kFirstOption : kSecondOption;
    out[kDetectedTrays] = TrayCount(installed);
    out[kDetectedMemory] = memoryOption;
    out[kDetectedFinisher] = (installed & kInstalledFinisher) ? kSecondOption : kFirstOption;
    out[kDetectedFeeder] = (installed & kInstalledFeeder) ? kSecondOption : kFirstOption;
    out[kDetectedPunch] = options.punchType ? kSecondOption : kFirstOption;
    out[kDetectedJobLimit] =
        (options.jobLimitation && !osMajor6OrLater) ? kFirstOption : kSecondOption;
    out[kDetectedSpotColor] = options.spotColor;
}

bool DetectedSelectionFor(const uint32_t selections[kDetectedSelectionCount], uint8_t itemId,
                          uint32_t *selection) {
    for (size_t i = 0; i < kDetectedSelectionCount; ++i) {
        if (kDetectedItemIds[i] != itemId) continue;
        *selection = selections[i];
        return true;
    }
    return false;
}

std::string UserTypeKey(int n) { return kUserTypePrefix + std::to_string(n); }

const InstallableItemRule *FindInstallableItemRule(const char *keyword) {
    if (!keyword) return nullptr;
    for (const InstallableItemRule &rule : kInstallableItemRules)
        if (strcmp(rule.keyword, keyword) == 0) return &rule;
    return nullptr;
}
