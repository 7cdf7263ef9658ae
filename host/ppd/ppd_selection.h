// The current option of every feature of a printer description, and the
// file's constraints checked against them.
#pragma once

#include "ppd_file.h"

#include <string_view>
#include <vector>

class PpdSelection {
public:
    // Every feature at its default.
    explicit PpdSelection(const PpdFile &file);

    const PpdFile &File() const { return *file_; }
    size_t Selected(size_t feature) const { return chosen_[feature]; }
    const PpdOption &SelectedOption(size_t feature) const;
    // False, and nothing changes, for an option the feature does not have.
    bool Select(size_t feature, size_t option);
    bool SelectKeyword(size_t feature, std::string_view optionKeyword);

    // The first constraint that `option` of `feature` breaks against the
    // current options of the other features; null when it breaks none.
    const PpdConstraint *Conflict(size_t feature, size_t option) const;

private:
    // A constraint with its features found in the file.
    struct Rule {
        const PpdConstraint *constraint;
        size_t feature1;
        size_t feature2;
    };

    bool Matches(const std::string &constraintOption, size_t feature, size_t option) const;

    const PpdFile *file_;
    std::vector<size_t> chosen_;
    std::vector<Rule> rules_;
};

// Whether an option keyword means that the feature is off: None, False, Off.
bool IsOffOption(std::string_view optionKeyword);
