#include "ppd_lint.h"

#include "../ppd/ppd_file.h"
#include "core/config_keys.h"
#include "near_names.h"
#include "docstate/feature_slots.h"
#include "numbered_profile.h"

#include <map>
#include <set>

namespace {

const char kOpenUi[] = "*OpenUI";
const char kJclOpenUi[] = "*JCLOpenUI";
const char kConstraints[] = "*UIConstraints";
const char kFamilyPrefix[] = "VX";
const char *const kDriverSettingKeywords[] = {"PageSize", "InputSlot", "Duplex"};

struct DescriptionLines {
    std::map<std::string, int> features;                  // keyword -> line of its *OpenUI
    std::vector<std::pair<int, std::string>> constraints;  // line, whole statement
};

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && text.compare(0, prefix.size(), prefix) == 0;
}

// The keyword after "*OpenUI *": up to '/', ':' or a blank.
std::string OpenedKeyword(std::string_view line) {
    size_t pos = line.find('*', 1);
    if (pos == std::string_view::npos) return {};
    const size_t start = pos + 1;
    pos = start;
    while (pos < line.size() && line[pos] != '/' && line[pos] != ':' && line[pos] != ' ' &&
           line[pos] != '\t')
        ++pos;
    return std::string(line.substr(start, pos - start));
}

DescriptionLines IndexLines(std::string_view text) {
    DescriptionLines lines;
    int number = 0;
    size_t pos = 0;
    while (pos < text.size()) {
        ++number;
        size_t end = pos;
        while (end < text.size() && text[end] != '\n' && text[end] != '\r') ++end;
        const std::string_view line = text.substr(pos, end - pos);
        if (end < text.size() && text[end] == '\r') ++end;
        if (end < text.size() && text[end] == '\n') ++end;
        pos = end;
        if (StartsWith(line, kOpenUi) || StartsWith(line, kJclOpenUi)) {
            const std::string keyword = OpenedKeyword(line);
            if (!keyword.empty()) lines.features.emplace(keyword, number);
        } else if (StartsWith(line, kConstraints)) {
            lines.constraints.emplace_back(number, std::string(line));
        }
    }
    return lines;
}

std::vector<std::u16string> KnownKeywords() {
    std::vector<std::u16string> known;
    size_t count = 0;
    const KeywordRule *rules = KeywordRules(&count);
    for (size_t i = 0; i < count; ++i) known.push_back(Widen(rules[i].keyword));
    const char *const *installable = InstallableKeywords(&count);
    for (size_t i = 0; i < count; ++i) known.push_back(Widen(installable[i]));
    for (const char *keyword : kDriverSettingKeywords) known.push_back(Widen(keyword));
    return known;
}

bool IsFamilyKeyword(const std::string &keyword) {
    return keyword.size() >= 2 && (keyword[0] == 'V' || keyword[0] == 'v') &&
           (keyword[1] == 'X' || keyword[1] == 'x');
}

std::string ConsequenceOfMissing(const std::string &keyword) {
    const KeywordRule *rule = FindKeywordRule(keyword.c_str());
    if (rule && rule->slot != kSlotAbsent)
        return "leaves the " + keyword + " slot absent: its controls on the plug-in's pages are "
               "removed and the driver shows the feature in its own tree";
    if (rule) return "gives the feature no help of its own";
    return "never finds " + keyword + " among the driver's settings";
}

class PpdReporter {
public:
    PpdReporter(std::vector<Finding> *findings, const std::string &file) : findings_(findings), file_(file) {}

    void Add(Severity severity, const char *kind, int line, const std::string &key, std::string message,
             std::string consequence, const std::u16string &suggestion) {
        Finding finding;
        finding.severity = severity;
        finding.kind = kind;
        finding.file = file_;
        finding.line = line;
        finding.key = key;
        finding.message = std::move(message);
        finding.consequence = std::move(consequence);
        finding.suggestion = Utf8From(suggestion);
        findings_->push_back(std::move(finding));
    }

private:
    std::vector<Finding> *findings_;
    const std::string &file_;
};

int LineOf(const DescriptionLines &lines, const std::string &keyword) {
    const auto found = lines.features.find(keyword);
    return found == lines.features.end() ? 0 : found->second;
}

void CheckKeywords(PpdReporter &report, const PpdFile &ppd, const DescriptionLines &lines) {
    const std::vector<std::u16string> known = KnownKeywords();
    std::set<std::u16string> exact(known.begin(), known.end());
    // Every opened feature, also one the parser drops for want of options.
    for (const auto &[keyword8, line] : lines.features) {
        const std::u16string keyword = Widen(keyword8);
        if (exact.count(keyword)) continue;
        const std::u16string suggestion = NearestName(keyword, known);
        if (suggestion.empty()) continue;
        const bool caseOnly = SameName(keyword, suggestion);
        if (!IsFamilyKeyword(keyword8) && !caseOnly) continue;
        const std::string meant = Utf8From(suggestion);
        if (ppd.Feature(meant)) continue;
        report.Add(Severity::Error, kUnknownKeyword, line, keyword8,
                   "no feature slot knows this keyword; keywords are compared exactly, letter case "
                   "included",
                   ConsequenceOfMissing(meant), suggestion);
    }
}

std::vector<std::u16string> OptionKeywords(const PpdFeature &feature) {
    std::vector<std::u16string> options;
    for (const PpdOption &option : feature.options) options.push_back(Widen(option.keyword));
    return options;
}

void CheckComparedOptions(PpdReporter &report, const PpdFile &ppd, const DescriptionLines &lines) {
    size_t count = 0;
    const ComparedFeature *features = ComparedFeatures(&count);
    for (size_t i = 0; i < count; ++i) {
        const PpdFeature *feature = ppd.Feature(features[i].keyword);
        if (!feature) continue;
        for (const char *const *option = features[i].options; *option; ++option) {
            if (feature->FindOption(*option) != kPpdNotFound) continue;
            report.Add(Severity::Error, kMissingOption, LineOf(lines, feature->keyword), feature->keyword,
                       std::string("the feature has no option \"") + *option + "\"",
                       std::string("never sees the setting \"") + *option + "\": " + features[i].feature +
                           " go wrong",
                       NearestName(Widen(*option), OptionKeywords(*feature)));
        }
    }
}

std::vector<std::u16string> FeatureKeywords(const PpdFile &ppd) {
    std::vector<std::u16string> keywords;
    for (const PpdFeature &feature : ppd.features) keywords.push_back(Widen(feature.keyword));
    return keywords;
}

// One side of a constraint: its feature must exist, and its option too when
// it names one.
void CheckConstraintSide(PpdReporter &report, const PpdFile &ppd, int line, const std::string &feature,
                         const std::string &option) {
    const PpdFeature *found = ppd.Feature(feature);
    if (!found) {
        report.Add(Severity::Error, kBadConstraint, line, "*" + feature,
                   "the constraint names a feature the description does not have",
                   "the driver never applies this constraint", NearestName(Widen(feature), FeatureKeywords(ppd)));
        return;
    }
    if (option.empty() || found->FindOption(option) != kPpdNotFound) return;
    report.Add(Severity::Error, kBadConstraint, line, "*" + feature + " " + option,
               "the constraint names an option the feature does not have",
               "the driver never applies this constraint", NearestName(Widen(option), OptionKeywords(*found)));
}

void CheckConstraints(PpdReporter &report, const PpdFile &ppd, const DescriptionLines &lines) {
    for (const auto &[line, statement] : lines.constraints) {
        const PpdFile one = ParsePpd(statement);
        if (one.constraints.empty()) continue;
        const PpdConstraint &constraint = one.constraints.front();
        CheckConstraintSide(report, ppd, line, constraint.feature1, constraint.option1);
        CheckConstraintSide(report, ppd, line, constraint.feature2, constraint.option2);
    }
}

}  // namespace

std::vector<Finding> LintPpd(const std::string &fileName, std::string_view text) {
    std::vector<Finding> findings;
    const PpdFile ppd = ParsePpd(text);
    const DescriptionLines lines = IndexLines(text);
    PpdReporter report(&findings, fileName);
    CheckKeywords(report, ppd, lines);
    CheckComparedOptions(report, ppd, lines);
    CheckConstraints(report, ppd, lines);
    return findings;
}
