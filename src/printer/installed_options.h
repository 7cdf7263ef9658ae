// The printer's installable options as the installer's options file and the
// detection libraries report them, and the two places they end in: the
// driver's "FeatureKeyword" list (keyword NUL setting NUL line feed, ended
// by two NULs) and the selections of the printer-properties items. No
// platform types, so the rules are tested natively and fuzzed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

// The driver reads and keeps at most this many bytes of "FeatureKeyword".
constexpr uint32_t kFeatureKeywordBytes = 256;

// Rewrites, in place, the setting of every entry whose feature keyword is
// `keyword` and returns the new valid length. The list is read up to
// `validLength` bytes (at most kFeatureKeywordBytes) or its two ending
// NULs. A result that would not fit into kFeatureKeywordBytes leaves the
// data untouched and returns the length it was given (bounded).
uint32_t ReplaceFeatureValue(uint8_t *data, uint32_t validLength, const char *keyword,
                             const char *setting);

// "Installed" option flags.
constexpr uint32_t kInstalledTray1 = 0x1;
constexpr uint32_t kInstalledTray2 = 0x2;
constexpr uint32_t kInstalledTray3 = 0x4;
constexpr uint32_t kInstalledTray4 = 0x8;
constexpr uint32_t kInstalledFeeder = 0x10;
constexpr uint32_t kInstalledDuplex = 0x20;
constexpr uint32_t kInstalledFinisher = 0x40;
// USB data files only: a storage device.
constexpr uint32_t kInstalledStorage = 0x100;

struct InstalledOptions {
    uint32_t installed = 0;
    int32_t memoryMb = 0;     // 0 or less: not reported
    uint32_t storage = 0;     // non-zero: a storage device
    uint32_t punchType = 0;   // 1 to 3, anything else: none
    uint32_t jobLimitation = 0;
    uint32_t spotColor = 0;   // 0 none, 1 white, 2 clear
};

// Which keys a file holds the options under: the installer's options file
// and the network library's data file share one set, the USB library's
// data file has "RAM" as text and the storage device among the flags.
enum class OptionsColumn { Network, Usb };

// A key's text from the printer's section; empty when the key is absent.
using ProfileLookup = std::function<std::string(const char *key)>;

// An integer as the profile functions read one: leading blanks, one sign,
// decimal digits up to the first other character; 0 when there are none.
// Values beyond 32 bits are held at the nearest bound.
int32_t ParseProfileInteger(const std::string &text);

InstalledOptions ReadInstalledOptions(const ProfileLookup &lookup, OptionsColumn column);

// The number of optional trays: the highest of the four tray flags.
uint32_t TrayCount(uint32_t installed);

// The nine feature keywords in the order they are rewritten, and the
// setting each gets; memory is skipped (count 8) when none is reported.
struct FeatureValue {
    const char *keyword;
    std::string setting;
};
constexpr size_t kInstalledFeatureCount = 9;
size_t InstalledFeatureValues(const InstalledOptions &options, bool osMajor6OrLater,
                              FeatureValue out[kInstalledFeatureCount]);

// All of InstalledFeatureValues applied to the list in turn.
uint32_t RewriteInstalledFeatures(uint8_t *data, uint32_t validLength,
                                  const InstalledOptions &options, bool osMajor6OrLater);

// The printer-properties items the detection fills, by the item id the
// plug-in gives them, in the order of the detected-selection vector.
constexpr size_t kDetectedSelectionCount = 9;
extern const uint8_t kDetectedItemIds[kDetectedSelectionCount];

// The option of a memory item whose display text, without its last three
// characters (" MB"), reads as `memoryMb`; 0 when none does. Texts may be
// null (an option named by a resource id) and never match.
uint32_t MatchMemoryOption(const char16_t *const *texts, size_t count, int32_t memoryMb);

// The detected-selection vector; `memoryOption` comes from MatchMemoryOption.
void BuildDetectedSelections(const InstalledOptions &options, bool osMajor6OrLater,
                             uint32_t memoryOption, uint32_t out[kDetectedSelectionCount]);

// The vector entry for an item id; false for ids detection does not set.
bool DetectedSelectionFor(const uint32_t selections[kDetectedSelectionCount], uint8_t itemId,
                          uint32_t *selection);

// "USERTYPE1", "USERTYPE2", ...
std::string UserTypeKey(int n);
// The value the options files give a user type that is not there.
extern const char kUnsetUserType[];

// A driver item of the printer properties that the plug-in recognises by
// its feature keyword: the help context and the item id it gives it.
struct InstallableItemRule {
    const char *keyword;
    uint32_t helpContext;
    uint8_t itemId;
};
// Compared byte for byte, terminator included; null when not one of them.
const InstallableItemRule *FindInstallableItemRule(const char *keyword);
