#include "ppd_selection.h"

namespace {

const char *const kOffOptions[] = {"None", "False", "Off"};

}  // namespace

bool IsOffOption(std::string_view optionKeyword) {
    for (const char *off : kOffOptions)
        if (optionKeyword == off) return true;
    return false;
}

PpdSelection::PpdSelection(const PpdFile &file) : file_(&file) {
    chosen_.reserve(file.features.size());
    for (const PpdFeature &feature : file.features) chosen_.push_back(feature.defaultIndex);
    for (const PpdConstraint &constraint : file.constraints) {
        const size_t feature1 = file.FindFeature(constraint.feature1);
        const size_t feature2 = file.FindFeature(constraint.feature2);
        if (feature1 == kPpdNotFound || feature2 == kPpdNotFound || feature1 == feature2) continue;
        rules_.push_back({&constraint, feature1, feature2});
    }
}

const PpdOption &PpdSelection::SelectedOption(size_t feature) const {
    return file_->features[feature].options[chosen_[feature]];
}

bool PpdSelection::Select(size_t feature, size_t option) {
    if (feature >= chosen_.size() || option >= file_->features[feature].options.size())
        return false;
    chosen_[feature] = option;
    return true;
}

bool PpdSelection::SelectKeyword(size_t feature, std::string_view optionKeyword) {
    if (feature >= chosen_.size()) return false;
    return Select(feature, file_->features[feature].FindOption(optionKeyword));
}

bool PpdSelection::Matches(const std::string &constraintOption, size_t feature,
                           size_t option) const {
    const std::string &keyword = file_->features[feature].options[option].keyword;
    if (constraintOption.empty()) return !IsOffOption(keyword);
    return constraintOption == keyword;
}

const PpdConstraint *PpdSelection::Conflict(size_t feature, size_t option) const {
    if (feature >= chosen_.size() || option >= file_->features[feature].options.size())
        return nullptr;
    for (const Rule &rule : rules_) {
        const PpdConstraint &c = *rule.constraint;
        if (rule.feature1 == feature && Matches(c.option1, feature, option) &&
            Matches(c.option2, rule.feature2, chosen_[rule.feature2]))
            return &c;
        if (rule.feature2 == feature && Matches(c.option2, feature, option) &&
            Matches(c.option1, rule.feature1, chosen_[rule.feature1]))
            return &c;
    }
    return nullptr;
}
