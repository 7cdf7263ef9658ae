// What the driver host takes from a PostScript printer description: the
// user-interface features with their options in file order, the defaults,
// the constraints between options, the groups and a few header values.
// Texts stay the file's 8-bit bytes (hex substrings of translation strings
// already decoded); ppd_text.h turns them into UTF-16.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

enum class PpdUiType { PickOne, PickMany, Boolean };

struct PpdOption {
    std::string keyword;
    std::string translation;  // the keyword itself when the file gives none
};

struct PpdFeature {
    std::string keyword;      // without the leading '*'
    std::string translation;
    std::string group;        // keyword of the innermost open group, "" outside any
    PpdUiType type = PpdUiType::PickOne;
    bool jcl = false;         // opened with *JCLOpenUI
    std::vector<PpdOption> options;
    std::string defaultKeyword;  // as the file's *Default line says, "" when it has none
    size_t defaultIndex = 0;     // the default's position; 0 when it names no option

    // The option's position, or npos.
    size_t FindOption(std::string_view optionKeyword) const;
};

// "*UIConstraints: *feature1 option1 *feature2 option2"; an empty option
// stands for every option but None, False and Off.
struct PpdConstraint {
    std::string feature1;
    std::string option1;
    std::string feature2;
    std::string option2;
};

struct PpdGroup {
    std::string keyword;
    std::string translation;
};

struct PpdFile {
    bool adobeHeader = false;  // the text starts with *PPD-Adobe
    std::string modelName;
    std::string nickName;
    std::string shortNickName;
    std::string manufacturer;
    std::string fileVersion;
    std::string pcFileName;
    std::string languageEncoding;
    std::string languageLevel;
    std::string defaultResolution;
    bool colorDevice = false;
    std::vector<PpdGroup> groups;
    std::vector<PpdFeature> features;  // in file order, each with at least one option
    std::vector<PpdConstraint> constraints;

    // The feature's position, or npos.
    size_t FindFeature(std::string_view keyword) const;
    const PpdFeature *Feature(std::string_view keyword) const;
};

constexpr size_t kPpdNotFound = static_cast<size_t>(-1);

// The keyword of the group whose features are the printer's installable
// options; they belong to the printer, not to a document.
extern const char kInstallableOptionsGroup[];

// Never fails: whatever the text holds is read, the rest ignored. Features
// without options are dropped.
PpdFile ParsePpd(std::string_view text);
