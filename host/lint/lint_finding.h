// One thing the model checker found in a model's files: where it is, what
// is wrong, what the plug-in will do because of it and the likely intended
// spelling. Texts are UTF-8.
#pragma once

#include <string>
#include <vector>

enum class Severity { Warning, Error };

struct Finding {
    Severity severity = Severity::Error;
    std::string kind;         // "unknown-key", "missing-export", ...
    std::string file;         // the file's name
    int line = 0;             // 1-based; 0 when the finding concerns the whole file
    std::string section;      // profile section, "" for a description
    std::string key;          // key, keyword, export or file name
    std::string message;      // what is wrong
    std::string consequence;  // what the plug-in does because of it
    std::string suggestion;   // the likely intended spelling, "" when none is close
};

// Finding kinds.
extern const char kUnknownKey[];
extern const char kUnknownSection[];
extern const char kDuplicateKey[];
extern const char kBadValue[];
extern const char kValueRange[];
extern const char kMissingFile[];
extern const char kNotDependentFile[];
extern const char kBadLibrary[];
extern const char kMissingExport[];
extern const char kMissingResource[];
extern const char kMissingModel[];
extern const char kMissingConfigFile[];
extern const char kUnknownKeyword[];
extern const char kMissingOption[];
extern const char kBadConstraint[];
extern const char kMissingSetting[];
extern const char kBadTable[];

size_t CountErrors(const std::vector<Finding> &findings);

// "file:line: error [kind] [section] key: message", then the consequence
// and the suggestion on lines of their own; a summary line at the end.
std::string FormatFindingsText(const std::vector<Finding> &findings);
// {"findings":[{...}],"errors":N,"warnings":M}
std::string FormatFindingsJson(const std::vector<Finding> &findings);

std::string Utf8From(const std::u16string &text);
