// Reading a printer description statement by statement. A statement starts
// with '*' at the start of a line: "*Main Option/Translation: Value". A
// quoted value may run over several lines; any line ending (CR, LF, CRLF)
// is accepted. Nothing here trusts the file: a missing *CloseUI closes at
// the next *OpenUI, a missing closing quote leaves a one-line value.
#include "ppd_file.h"

#include "ppd_text.h"

#include <cstring>
#include <map>
#include <set>

const char kInstallableOptionsGroup[] = "InstallableOptions";

namespace {

// An option list is shown through a 16-bit count.
constexpr size_t kMaxOptions = 0xFFFF;

const char kAdobeHeader[] = "PPD-Adobe";
const char kDefaultPrefix[] = "Default";
const char kTrue[] = "True";
const char kUtf8ByteOrderMark[] = "\xEF\xBB\xBF";

struct Statement {
    std::string_view main;
    std::string_view option;
    std::string_view translation;
    std::string_view value;
};

bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view text) {
    while (!text.empty() && (IsBlank(text.front()) || IsLineEnd(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && (IsBlank(text.back()) || IsLineEnd(text.back())))
        text.remove_suffix(1);
    return text;
}

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && text.compare(0, prefix.size(), prefix) == 0;
}

std::string_view WithoutStar(std::string_view keyword) {
    if (!keyword.empty() && keyword.front() == '*') keyword.remove_prefix(1);
    return keyword;
}

// "Keyword/Translation" split at the first '/'.
void SplitTranslation(std::string_view text, std::string_view *keyword,
                      std::string_view *translation) {
    const size_t slash = text.find('/');
    if (slash == std::string_view::npos) {
        *keyword = Trim(text);
        *translation = {};
        return;
    }
    *keyword = Trim(text.substr(0, slash));
    *translation = Trim(text.substr(slash + 1));
}

class StatementReader {
public:
    explicit StatementReader(std::string_view text) : text_(text) {}

    // The next statement; false at the end of the text.
    bool Next(Statement *statement) {
        while (pos_ < text_.size()) {
            const size_t lineStart = pos_;
            const size_t lineEnd = LineEndFrom(pos_);
            pos_ = NextLineFrom(lineEnd);
            if (text_[lineStart] != '*') continue;
            if (lineEnd - lineStart >= 2 && text_[lineStart + 1] == '%') continue;
            Read(lineStart + 1, lineEnd, statement);
            return true;
        }
        return false;
    }

private:
    size_t LineEndFrom(size_t pos) const {
        while (pos < text_.size() && !IsLineEnd(text_[pos])) ++pos;
        return pos;
    }

    size_t NextLineFrom(size_t lineEnd) const {
        if (lineEnd < text_.size() && text_[lineEnd] == '\r') ++lineEnd;
        if (lineEnd < text_.size() && text_[lineEnd] == '\n') ++lineEnd;
        return lineEnd;
    }

    void Read(size_t begin, size_t lineEnd, Statement *statement) {
        *statement = {};
        size_t pos = begin;
        while (pos < lineEnd && text_[pos] != ':' && !IsBlank(text_[pos])) ++pos;
        statement->main = text_.substr(begin, pos - begin);
        const size_t colon = text_.find(':', pos);
        if (colon == std::string_view::npos || colon >= lineEnd) return;
        SplitTranslation(text_.substr(pos, colon - pos), &statement->option,
                         &statement->translation);
        ReadValue(colon + 1, lineEnd, statement);
    }

    void ReadValue(size_t pos, size_t lineEnd, Statement *statement) {
        while (pos < lineEnd && IsBlank(text_[pos])) ++pos;
        if (pos < lineEnd && text_[pos] == '"') {
            const size_t close = text_.find('"', pos + 1);
            if (close != std::string_view::npos) {
                statement->value = text_.substr(pos + 1, close - pos - 1);
                // The statement ends on the line of its closing quote.
                pos_ = NextLineFrom(LineEndFrom(close));
                return;
            }
        }
        statement->value = Trim(text_.substr(pos, lineEnd - pos));
    }

    std::string_view text_;
    size_t pos_ = 0;
};

PpdUiType UiTypeOf(std::string_view value) {
    value = Trim(value);
    if (value == "PickMany") return PpdUiType::PickMany;
    if (value == "Boolean") return PpdUiType::Boolean;
    return PpdUiType::PickOne;
}

std::string TranslationOr(std::string_view translation, std::string_view keyword) {
    return DecodeHexSubstrings(translation.empty() ? keyword : translation);
}

// The constraint's words: two features, each maybe followed by an option.
bool ReadConstraint(std::string_view value, PpdConstraint *constraint) {
    std::string *features[] = {&constraint->feature1, &constraint->feature2};
    std::string *options[] = {&constraint->option1, &constraint->option2};
    int featuresSeen = 0;
    size_t pos = 0;
    while (pos < value.size()) {
        while (pos < value.size() && (IsBlank(value[pos]) || IsLineEnd(value[pos]))) ++pos;
        const size_t start = pos;
        while (pos < value.size() && !IsBlank(value[pos]) && !IsLineEnd(value[pos])) ++pos;
        if (start == pos) break;
        const std::string_view word = value.substr(start, pos - start);
        if (word.front() == '*') {
            if (featuresSeen == 2) return false;
            *features[featuresSeen++] = std::string(WithoutStar(word));
            continue;
        }
        if (featuresSeen == 0 || !options[featuresSeen - 1]->empty()) return false;
        *options[featuresSeen - 1] = std::string(word);
    }
    return featuresSeen == 2 && !constraint->feature1.empty() && !constraint->feature2.empty();
}

class PpdBuilder {
public:
    void Take(const Statement &s) {
        if (s.main == kAdobeHeader) {
            file_.adobeHeader = seen_ == 0;
        }
        ++seen_;
        if (s.main == "OpenUI" || s.main == "JCLOpenUI") return OpenFeature(s, s.main != "OpenUI");
        if (s.main == "CloseUI" || s.main == "JCLCloseUI") {
            open_ = kPpdNotFound;
            return;
        }
        if (s.main == "OpenGroup" || s.main == "OpenSubGroup") return OpenGroup(s);
        if (s.main == "CloseGroup" || s.main == "CloseSubGroup") {
            if (!groupStack_.empty()) groupStack_.pop_back();
            return;
        }
        if (s.main == "UIConstraints") {
            PpdConstraint constraint;
            if (ReadConstraint(s.value, &constraint)) file_.constraints.push_back(constraint);
            return;
        }
        if (TakeHeader(s)) return;
        if (StartsWith(s.main, kDefaultPrefix) && s.option.empty()) {
            defaults_[std::string(s.main.substr(strlen(kDefaultPrefix)))] = std::string(Trim(s.value));
            return;
        }
        TakeOption(s);
    }

    PpdFile Finish() {
        std::vector<PpdFeature> kept;
        kept.reserve(file_.features.size());
        for (PpdFeature &feature : file_.features) {
            if (feature.options.empty()) continue;
            const auto found = defaults_.find(feature.keyword);
            if (found != defaults_.end()) feature.defaultKeyword = found->second;
            const size_t index = feature.FindOption(feature.defaultKeyword);
            feature.defaultIndex = index == kPpdNotFound ? 0 : index;
            kept.push_back(std::move(feature));
        }
        file_.features = std::move(kept);
        const auto resolution = defaults_.find("Resolution");
        if (resolution != defaults_.end()) file_.defaultResolution = resolution->second;
        return std::move(file_);
    }

private:
    void OpenFeature(const Statement &s, bool jcl) {
        const std::string keyword(WithoutStar(s.option));
        if (keyword.empty()) return;
        const auto known = index_.find(keyword);
        if (known != index_.end()) {
            open_ = known->second;
            return;
        }
        PpdFeature feature;
        feature.keyword = keyword;
        feature.translation = TranslationOr(s.translation, feature.keyword);
        feature.group = groupStack_.empty() ? std::string() : groupStack_.back();
        feature.type = UiTypeOf(s.value);
        feature.jcl = jcl;
        open_ = file_.features.size();
        index_[feature.keyword] = open_;
        file_.features.push_back(std::move(feature));
        optionKeys_.emplace_back();
    }

    void OpenGroup(const Statement &s) {
        std::string_view keyword, translation;
        SplitTranslation(s.value, &keyword, &translation);
        if (keyword.empty()) keyword = s.option;
        const std::string name(keyword);
        groupStack_.push_back(name);
        for (const PpdGroup &group : file_.groups)
            if (group.keyword == name) return;
        file_.groups.push_back({name, TranslationOr(translation, keyword)});
    }

    bool TakeHeader(const Statement &s) {
        struct Header {
            const char *keyword;
            std::string PpdFile::*field;
        };
        static const Header kHeaders[] = {
            {"ModelName", &PpdFile::modelName},
            {"NickName", &PpdFile::nickName},
            {"ShortNickName", &PpdFile::shortNickName},
            {"Manufacturer", &PpdFile::manufacturer},
            {"FileVersion", &PpdFile::fileVersion},
            {"PCFileName", &PpdFile::pcFileName},
            {"LanguageEncoding", &PpdFile::languageEncoding},
            {"LanguageLevel", &PpdFile::languageLevel},
        };
        if (s.main == "ColorDevice") {
            file_.colorDevice = Trim(s.value) == kTrue;
            return true;
        }
        for (const Header &header : kHeaders) {
            if (s.main != header.keyword) continue;
            file_.*header.field = std::string(Trim(s.value));
            return true;
        }
        return false;
    }

    void TakeOption(const Statement &s) {
        if (s.option.empty()) return;
        size_t feature = kPpdNotFound;
        if (open_ != kPpdNotFound && file_.features[open_].keyword == s.main) {
            feature = open_;
        } else {
            const auto found = index_.find(std::string(s.main));
            if (found == index_.end()) return;
            feature = found->second;
        }
        PpdFeature &target = file_.features[feature];
        if (target.options.size() >= kMaxOptions) return;
        if (!optionKeys_[feature].insert(std::string(s.option)).second) return;
        target.options.push_back({std::string(s.option), TranslationOr(s.translation, s.option)});
    }

    PpdFile file_;
    size_t open_ = kPpdNotFound;
    size_t seen_ = 0;
    std::vector<std::string> groupStack_;
    std::map<std::string, std::string> defaults_;
    std::map<std::string, size_t> index_;
    std::vector<std::set<std::string>> optionKeys_;  // per feature, for repeated option lines
};

}  // namespace

size_t PpdFeature::FindOption(std::string_view optionKeyword) const {
    for (size_t i = 0; i < options.size(); ++i)
        if (options[i].keyword == optionKeyword) return i;
    return kPpdNotFound;
}

size_t PpdFile::FindFeature(std::string_view keyword) const {
    for (size_t i = 0; i < features.size(); ++i)
        if (features[i].keyword == keyword) return i;
    return kPpdNotFound;
}

const PpdFeature *PpdFile::Feature(std::string_view keyword) const {
    const size_t index = FindFeature(keyword);
    return index == kPpdNotFound ? nullptr : &features[index];
}

PpdFile ParsePpd(std::string_view text) {
    if (StartsWith(text, kUtf8ByteOrderMark)) text.remove_prefix(strlen(kUtf8ByteOrderMark));
    PpdBuilder builder;
    StatementReader reader(text);
    Statement statement;
    while (reader.Next(&statement)) builder.Take(statement);
    return builder.Finish();
}
