#include "model_lint.h"

#include "color/color_rules.h"
#include "joboptions/job_options_rules.h"
#include "watermarks/watermark_record.h"
#include "near_names.h"
#include "ppd_lint.h"

#include <algorithm>
#include <map>
#include <set>

namespace {

constexpr size_t kMaxModelSectionChars = 127;
constexpr size_t kMaxHiddenPapers = 12;
constexpr size_t kMaxHiddenPaperChars = 63;
constexpr long long kLowestOutputOption = -1;
constexpr long long kHighestOutputOption = 3;
constexpr long long kOnePassSeries = 1;
constexpr size_t kVersionChars = 257;

const char16_t kDriverFilePrefix[] = u"OEMDriverFile";
const char16_t kConfigFilePrefix[] = u"OEMConfigFile";
const char16_t kHkeyPrefix[] = u"HKEY_";
const char16_t kHklmPrefix[] = u"HKLM";

std::string Narrow(const std::u16string &text) { return Utf8From(text); }
std::string Narrow(const char16_t *text) { return Utf8From(text); }

bool StartsWithNoCase(std::u16string_view text, std::u16string_view prefix) {
    return text.size() >= prefix.size() && SameName(text.substr(0, prefix.size()), prefix);
}

// A key made of a prefix and a decimal number: the number, or -1.
long long NumberedKey(std::u16string_view key, std::u16string_view prefix) {
    if (key.size() <= prefix.size() || !StartsWithNoCase(key, prefix)) return -1;
    long long number = 0;
    if (!ParseWholeNumber(key.substr(prefix.size()), &number)) return -1;
    const char16_t first = key[prefix.size()];
    if (first < u'0' || first > u'9') return -1;
    return number;
}

std::u16string NumberedName(const char16_t *prefix, long long number) {
    return prefix + Widen(std::to_string(number));
}

class Reporter {
public:
    Reporter(std::vector<Finding> *findings, std::string file) : findings_(findings), file_(std::move(file)) {}

    Finding &Add(Severity severity, const char *kind, int line, const std::u16string &section,
                 const std::u16string &key, std::string message, std::string consequence,
                 const std::u16string &suggestion = {}) {
        Finding finding;
        finding.severity = severity;
        finding.kind = kind;
        finding.file = file_;
        finding.line = line;
        finding.section = Narrow(section);
        finding.key = Narrow(key);
        finding.message = std::move(message);
        finding.consequence = std::move(consequence);
        finding.suggestion = Narrow(suggestion);
        findings_->push_back(std::move(finding));
        return findings_->back();
    }

private:
    std::vector<Finding> *findings_;
    std::string file_;
};

std::u16string ExtensionOf(const std::u16string &name) {
    const size_t dot = name.rfind(u'.');
    return dot == std::u16string::npos ? std::u16string() : name.substr(dot);
}

std::u16string SortedLetters(std::u16string text) {
    for (char16_t &c : text)
        if (c >= u'A' && c <= u'Z') c = c - u'A' + u'a';
    std::sort(text.begin(), text.end());
    return text;
}

// The same extension, one cut short or run on (".dl" for ".dll"), or its
// letters swapped (".hpl" for ".hlp").
bool ExtensionsAlike(const std::u16string &a, const std::u16string &b) {
    const size_t shorter = std::min(a.size(), b.size());
    if (shorter > 1 && SameName(a.substr(0, shorter), b.substr(0, shorter))) return true;
    return SortedLetters(a) == SortedLetters(b);
}

// Only a file of the same kind is proposed: a help file missing is not a
// colour file misspelt.
std::u16string NearestFileName(const std::u16string &name, const std::vector<std::u16string> &files) {
    std::vector<std::u16string> candidates;
    for (const std::u16string &file : files)
        if (ExtensionsAlike(ExtensionOf(file), ExtensionOf(name))) candidates.push_back(file);
    return NearestName(name, candidates);
}

std::string Quoted(const std::u16string &text) { return "\"" + Narrow(text) + "\""; }

// Keys named twice in one section: the profile functions read the first.
void ReportDuplicates(Reporter &report, const NumberedSection &section,
                      std::map<std::u16string, int> *seen) {
    for (const NumberedEntry &entry : section.entries) {
        std::u16string folded = entry.key;
        for (char16_t &c : folded)
            if (c >= u'A' && c <= u'Z') c = c - u'A' + u'a';
        const auto known = seen->find(folded);
        if (known == seen->end()) {
            (*seen)[folded] = entry.line;
            continue;
        }
        report.Add(Severity::Warning, kDuplicateKey, entry.line, section.name, entry.key,
                   "the key is set again", "reads the first value, on line " +
                                               std::to_string(known->second) + ", and ignores this one");
    }
}

void ReportDuplicatesOf(Reporter &report, const NumberedProfile &profile, const std::u16string &name) {
    std::map<std::u16string, int> seen;
    for (const NumberedSection &section : profile.sections)
        if (SameName(section.name, name)) ReportDuplicates(report, section, &seen);
}

std::vector<std::u16string> KeyNames(const ConfigKey *keys, size_t count, const char16_t *section) {
    std::vector<std::u16string> names;
    for (size_t i = 0; i < count; ++i)
        if (!section || (keys[i].section && SameName(keys[i].section, section))) names.push_back(keys[i].key);
    return names;
}

// A key written into the wrong one of the two files: a model key in the
// plug-in ini, or an ini key in the model section.
const ConfigKey *KeyOfTheOtherFile(const std::u16string &section, const std::u16string &key) {
    size_t count = 0;
    const ConfigKey *iniKeys = PluginIniKeys(&count);
    bool inPluginIni = false;
    for (size_t i = 0; i < count; ++i) inPluginIni = inPluginIni || SameName(iniKeys[i].section, section);
    if (inPluginIni) return FindCapabilityKey(key.c_str());
    for (size_t i = 0; i < count; ++i)
        if (SameName(iniKeys[i].key, key)) return &iniKeys[i];
    return nullptr;
}

std::string PlaceOf(const ConfigKey &key) {
    if (!key.section) return "the capability file's model section";
    return "the plug-in ini's [" + Narrow(key.section) + "] section";
}

void ReportUnknownKey(Reporter &report, const std::u16string &section, const NumberedEntry &entry,
                      const std::vector<std::u16string> &known, const ConfigKey *(*find)(const std::u16string &,
                                                                                         const std::u16string &)) {
    const std::u16string suggestion = NearestName(entry.key, known);
    if (suggestion.empty()) {
        if (const ConfigKey *elsewhere = KeyOfTheOtherFile(section, entry.key)) {
            report.Add(Severity::Error, kUnknownKey, entry.line, section, entry.key,
                       "the key belongs in " + PlaceOf(*elsewhere) + ", not here",
                       "reads it only there: " + std::string(elsewhere->whenAbsent));
            return;
        }
        report.Add(Severity::Warning, kUnknownKey, entry.line, section, entry.key,
                   "the plug-in does not read this key", "ignores it");
        return;
    }
    const ConfigKey *meant = find(section, suggestion);
    std::string consequence = "reads " + Quoted(suggestion) + " as absent";
    if (meant) consequence += ": " + std::string(meant->whenAbsent);
    report.Add(Severity::Error, kUnknownKey, entry.line, section, entry.key,
               "the plug-in does not read this key", consequence, suggestion);
}

void CheckInteger(Reporter &report, const std::u16string &section, const NumberedEntry &entry,
                  const ConfigKey &key) {
    long long value = 0;
    if (entry.value.empty()) {
        if (std::u16string(key.defaultValue) != u"0")
            report.Add(Severity::Warning, kBadValue, entry.line, section, entry.key,
                       "the value is empty", "reads 0, not the default " + Narrow(key.defaultValue) +
                                                 " that an absent key gives");
        return;
    }
    if (!ParseWholeNumber(entry.value, &value)) {
        // "1281 ; comment": the profile functions keep the comment in the
        // value, and the number before it is still what is read.
        const size_t comment = entry.value.find(u';');
        const bool commented = comment != std::u16string::npos && comment > 0 &&
                               ParseWholeNumber(entry.value.substr(0, comment), &value);
        report.Add(commented ? Severity::Warning : Severity::Error, kBadValue, entry.line, section, entry.key,
                   Quoted(entry.value) + " is not a whole number" +
                       (commented ? ": a comment after a value is part of the value" : ""),
                   "reads " + std::to_string(LeadingNumber(entry.value)) + " for " + key.feature);
        return;
    }
    if (SameName(key.key, kKeyPsOutputOpt) && (value < kLowestOutputOption || value > kHighestOutputOption))
        report.Add(Severity::Warning, kValueRange, entry.line, section, entry.key,
                   "only -1 and 0 to 3 are output options",
                   "leaves the driver's PostScript output option as it is");
    if (SameName(key.key, kKey1PassSeries) && value != 0 && value != kOnePassSeries)
        report.Add(Severity::Warning, kValueRange, entry.line, section, entry.key,
                   "only 1 marks a one-pass series", "treats the model as not one-pass");
    if ((SameName(key.key, kKeyDefaultPaperSize) || SameName(key.key, kKeyDefaultPaperSource)) && value < 0)
        report.Add(Severity::Warning, kValueRange, entry.line, section, entry.key,
                   "paper codes are not negative", "sets a paper code the driver does not know");
}

void CheckNamedFile(Reporter &report, ModelFolder &folder, const std::u16string &section,
                    const NumberedEntry &entry, const ConfigKey &key) {
    if (entry.value.empty() || key.home == FileHome::None) return;
    if (key.home == FileHome::UserAppData) {
        if (entry.value.find_first_of(u"\\/:") != std::u16string::npos)
            report.Add(Severity::Error, kBadValue, entry.line, section, entry.key,
                       "a file name without folders is expected",
                       "looks for the file in the user's application-data folder under this name");
        return;
    }
    if (!folder.Exists(key.home, entry.value)) {
        const std::u16string suggestion = NearestFileName(entry.value, folder.FileNames(key.home));
        report.Add(Severity::Error, kMissingFile, entry.line, section, entry.key,
                   Quoted(entry.value) + " is not among the driver's files", key.whenAbsent, suggestion);
        return;
    }
    if (key.home != FileHome::LibrarySearch && !folder.IsDependentFile(entry.value))
        report.Add(Severity::Warning, kNotDependentFile, entry.line, section, entry.key,
                   Quoted(entry.value) + " lies in the driver folder but is not one of the driver's files",
                   "finds it here, but on a computer that installs the printer from this one: " +
                       std::string(key.whenAbsent));
    if (key.kind != ValueKind::LibraryName && key.kind != ValueKind::ProgramName) return;
    size_t count = 0;
    const LibraryExport *exports = RequiredExports(key.key, &count);
    std::vector<std::string> names;
    for (size_t i = 0; i < count; ++i) names.push_back(exports[i].name);
    size_t resourceCount = 0;
    const LibraryResource *resources = RequiredResources(key.key, &resourceCount);
    const std::vector<LibraryResource> wanted(resources, resources + resourceCount);
    const LibraryReport library = folder.InspectLibrary(key.home, entry.value, key.kind, names, wanted);
    if (!library.loaded) {
        report.Add(Severity::Error, kBadLibrary, entry.line, section, entry.key,
                   Quoted(entry.value) + " cannot be loaded: " + library.problem, key.whenAbsent);
        return;
    }
    for (const std::string &missing : library.missingExports) {
        std::string feature;
        for (size_t i = 0; i < count; ++i)
            if (missing == exports[i].name) feature = exports[i].feature;
        report.Add(Severity::Error, kMissingExport, entry.line, section, entry.key,
                   Quoted(entry.value) + " has no export \"" + missing + "\"", "goes without " + feature);
    }
    for (const LibraryResource &missing : library.missingResources)
        report.Add(Severity::Error, kMissingResource, entry.line, section, entry.key,
                   Quoted(entry.value) + " has no " + ResourceName(missing), std::string("goes without ") + missing.feature);
}

void CheckValue(Reporter &report, ModelFolder &folder, const std::u16string &section,
                const NumberedEntry &entry, const ConfigKey &key) {
    switch (key.kind) {
    case ValueKind::Integer: return CheckInteger(report, section, entry, key);
    case ValueKind::RegistryPath:
        if (StartsWithNoCase(entry.value, kHkeyPrefix) || StartsWithNoCase(entry.value, kHklmPrefix))
            report.Add(Severity::Error, kBadValue, entry.line, section, entry.key,
                       "the path names its root key", "opens it below HKEY_LOCAL_MACHINE, where it "
                                                        "does not exist: " + std::string(key.whenAbsent));
        return;
    case ValueKind::FileName:
    case ValueKind::LibraryName:
    case ValueKind::ProgramName: return CheckNamedFile(report, folder, section, entry, key);
    case ValueKind::Address:
    case ValueKind::Text: return;
    }
}

const ConfigKey *FindModelKey(const std::u16string &, const std::u16string &key) {
    return FindCapabilityKey(key.c_str());
}

const ConfigKey *FindIniKey(const std::u16string &section, const std::u16string &key) {
    return FindPluginIniKey(section.c_str(), key.c_str());
}

std::vector<std::u16string> SectionNames(const NumberedProfile &profile) {
    std::vector<std::u16string> names;
    for (const NumberedSection &section : profile.sections) names.push_back(section.name);
    return names;
}

// The link page needs its address and its resource library together.
void CheckLinkPair(Reporter &report, const NumberedProfile &cap, const std::u16string &model) {
    const NumberedEntry *address = cap.Find(model, kKeyAskTvxUrl);
    const NumberedEntry *library = cap.Find(model, kKeyAskTvxRes);
    const bool hasAddress = address && !address->value.empty();
    const bool hasLibrary = library && !library->value.empty();
    if (hasAddress == hasLibrary) return;
    const NumberedEntry *set = hasAddress ? address : library;
    report.Add(Severity::Warning, kMissingSetting, set->line, model, set->key,
               std::string("is set but ") + (hasAddress ? "\"AskTvxRES\"" : "\"AskTvxURL\"") + " is not",
               "the sheet has no link page");
}

// The model section the capability file gives the driver; empty when none.
std::u16string LintCapabilityFile(const ModelInput &input, ModelFolder &folder,
                                  std::vector<Finding> *findings) {
    Reporter report(findings, input.capability.name);
    const NumberedProfile &cap = input.capability.profile;
    const NumberedSection *capability = cap.Section(kCapabilitySection);
    const NumberedEntry *model = cap.Find(kCapabilitySection, input.driverName);
    if (!model || model->value.empty()) {
        std::vector<std::u16string> drivers;
        if (capability)
            for (const NumberedEntry &entry : capability->entries) drivers.push_back(entry.key);
        report.Add(Severity::Error, kMissingModel, capability ? capability->line : 0, kCapabilitySection,
                   input.driverName, "the driver has no model section",
                   "reads every model key as empty: no side library, \"Compression\" 0, "
                   "\"PSOutputOpt\" -1",
                   NearestName(input.driverName, drivers));
        return {};
    }
    ReportDuplicatesOf(report, cap, kCapabilitySection);
    const std::u16string section = model->value;
    if (section.size() > kMaxModelSectionChars)
        report.Add(Severity::Error, kBadValue, model->line, kCapabilitySection, model->key,
                   "the model section's name is longer than 127 characters",
                   "reads a cut name and finds no model section");
    if (!cap.Section(section)) {
        report.Add(Severity::Error, kMissingModel, model->line, kCapabilitySection, model->key,
                   "the model section [" + Narrow(section) + "] does not exist",
                   "reads every model key as empty: no side library, \"Compression\" 0, "
                   "\"PSOutputOpt\" -1",
                   NearestName(section, SectionNames(cap)));
        return {};
    }
    size_t count = 0;
    const ConfigKey *keys = CapabilityKeys(&count);
    const std::vector<std::u16string> known = KeyNames(keys, count, nullptr);
    for (const NumberedSection &s : cap.sections) {
        if (!SameName(s.name, section)) continue;
        for (const NumberedEntry &entry : s.entries) {
            const ConfigKey *key = FindCapabilityKey(entry.key.c_str());
            if (!key) {
                ReportUnknownKey(report, section, entry, known, FindModelKey);
                continue;
            }
            if (cap.Find(section, entry.key) == &entry) CheckValue(report, folder, section, entry, *key);
        }
    }
    ReportDuplicatesOf(report, cap, section);
    CheckLinkPair(report, cap, section);
    return section;
}

bool IsDriverFilesKey(const std::u16string &key) {
    return NumberedKey(key, kDriverFilePrefix) >= 0 || NumberedKey(key, kConfigFilePrefix) >= 0;
}

bool IsKnownIniSection(const std::u16string &name) {
    size_t count = 0;
    const char16_t *const *sections = PluginIniSections(&count);
    for (size_t i = 0; i < count; ++i) {
        const std::u16string known = sections[i];
        if (known.back() == u' ' ? NumberedKey(name, known) >= 0 : SameName(name, known)) return true;
    }
    return false;
}

void CheckUserTypes(Reporter &report, const NumberedSection &section) {
    std::set<long long> numbers;
    for (const NumberedEntry &entry : section.entries) {
        const long long number = NumberedKey(entry.key, kUsertypeKeyPrefix);
        if (number > 0) numbers.insert(number);
    }
    long long expected = 1;
    for (long long number : numbers) {
        if (number != expected) break;
        ++expected;
    }
    for (const NumberedEntry &entry : section.entries) {
        const long long number = NumberedKey(entry.key, kUsertypeKeyPrefix);
        if (number < expected) continue;
        report.Add(Severity::Warning, kValueRange, entry.line, section.name, entry.key,
                   "user types are read from USERTYPE1 up to the first missing number",
                   "never reads this one: " + Narrow(NumberedName(kUsertypeKeyPrefix, expected)) +
                       " is missing");
    }
}

void CheckHiddenPapers(Reporter &report, const std::u16string &section, const NumberedEntry &entry) {
    size_t names = 0, length = 0;
    bool tooLong = false;
    for (size_t i = 0; i <= entry.value.size(); ++i) {
        if (i == entry.value.size() || entry.value[i] == u',') {
            ++names;
            tooLong = tooLong || length > kMaxHiddenPaperChars;
            length = 0;
            continue;
        }
        ++length;
    }
    if (names > kMaxHiddenPapers)
        report.Add(Severity::Warning, kValueRange, entry.line, section, entry.key,
                   "more than 12 paper names", "hides only the first 12");
    if (tooLong)
        report.Add(Severity::Warning, kValueRange, entry.line, section, entry.key,
                   "a paper name is longer than 63 characters", "cuts it and so hides no paper by it");
}

void LintPluginIniFile(const ModelInput &input, ModelFolder &folder, std::vector<Finding> *findings) {
    Reporter report(findings, input.pluginIni.name);
    const NumberedProfile &ini = input.pluginIni.profile;
    size_t count = 0;
    const ConfigKey *keys = PluginIniKeys(&count);
    size_t sectionCount = 0;
    const char16_t *const *knownSections = PluginIniSections(&sectionCount);
    std::vector<std::u16string> sectionNames;
    for (size_t i = 0; i < sectionCount; ++i) sectionNames.push_back(knownSections[i]);
    std::set<std::u16string> reported;
    for (const NumberedSection &section : ini.sections) {
        if (!IsKnownIniSection(section.name)) {
            const std::u16string suggestion = NearestName(section.name, sectionNames);
            if (!suggestion.empty() && reported.insert(section.name).second)
                report.Add(Severity::Error, kUnknownSection, section.line, section.name, {},
                           "the plug-in reads no section of this name",
                           "reads [" + Narrow(suggestion) + "] as empty", suggestion);
            continue;
        }
        const std::vector<std::u16string> known = KeyNames(keys, count, section.name.c_str());
        if (SameName(section.name, kUsertypeSection) && ini.Section(section.name) == &section) {
            CheckUserTypes(report, section);
            continue;
        }
        if (known.empty()) continue;
        for (const NumberedEntry &entry : section.entries) {
            const ConfigKey *key = FindPluginIniKey(section.name.c_str(), entry.key.c_str());
            if (!key) {
                if (SameName(section.name, kOemFilesSection) && IsDriverFilesKey(entry.key)) continue;
                ReportUnknownKey(report, section.name, entry, known, FindIniKey);
                continue;
            }
            if (ini.Find(section.name, entry.key) != &entry) continue;
            CheckValue(report, folder, section.name, entry, *key);
            if (SameName(key->key, kKeyHidePaperName)) CheckHiddenPapers(report, section.name, entry);
        }
    }
    for (size_t i = 0; i < sectionCount; ++i)
        if (std::u16string(knownSections[i]).back() != u' ') ReportDuplicatesOf(report, ini, knownSections[i]);
}

void LintVersionFile(const ModelInput &input, std::vector<Finding> *findings) {
    Reporter report(findings, input.version.name);
    if (!input.version.present) {
        report.Add(Severity::Warning, kMissingConfigFile, 0, {}, {},
                   "no version file (.ver) among the driver's files",
                   "the About dialog shows no driver version");
        return;
    }
    const NumberedProfile &ver = input.version.profile;
    const NumberedSection *section = ver.Section(kVersionSection);
    const std::vector<std::u16string> known = {kKeyOptionVer, kKeyDriverVer, kKeyInternalVer};
    if (section) {
        for (const NumberedEntry &entry : section->entries) {
            bool isKnown = false;
            for (const std::u16string &name : known) isKnown = isKnown || SameName(name, entry.key);
            if (isKnown) continue;
            const std::u16string suggestion = NearestName(entry.key, known);
            report.Add(suggestion.empty() ? Severity::Warning : Severity::Error, kUnknownKey, entry.line,
                       section->name, entry.key, "the About dialog does not read this key",
                       suggestion.empty() ? "ignores it" : "reads " + Quoted(suggestion) + " as absent",
                       suggestion);
        }
    }
    const NumberedEntry *optionVer = ver.Find(kVersionSection, kKeyOptionVer);
    const NumberedEntry *driverVer = ver.Find(kVersionSection, kKeyDriverVer);
    const NumberedEntry *internalVer = ver.Find(kVersionSection, kKeyInternalVer);
    const std::u16string empty;
    char16_t composed[kVersionChars] = {};
    ComposeDriverVersion((optionVer ? optionVer->value : empty).c_str(),
                         (driverVer ? driverVer->value : empty).c_str(),
                         (internalVer ? internalVer->value : empty).c_str(), composed, kVersionChars);
    if (composed[0]) return;
    report.Add(Severity::Warning, kBadValue, driverVer ? driverVer->line : section ? section->line : 0,
               kVersionSection, kKeyDriverVer,
               driverVer ? "the value has no comma before the version number"
                         : "neither \"OptionVer\" nor \"DriverVer\" is set",
               "the About dialog shows no driver version");
}

void LintColorFile(const std::u16string &name, const char *fileKind, ModelFolder &folder,
                   std::vector<Finding> *findings, bool tuner) {
    if (name.empty() || !folder.Exists(FileHome::DriverFolder, name)) return;
    std::string bytes;
    if (!folder.ReadFile(FileHome::DriverFolder, name, &bytes)) return;
    const NumberedProfile profile = ParseNumberedProfile(bytes);
    const std::string fileName = Narrow(name);
    if (!tuner) {
        LintSettingList(fileName, profile, kHalftoneSection, false, findings);
        return;
    }
    if (!profile.Section(kTunerColorSectionName) && !profile.Section(kTunerGammaSectionName)) {
        Reporter(findings, fileName)
            .Add(Severity::Warning, kMissingSetting, 0, {}, {},
                 std::string("the ") + fileKind + " has neither a [Color] nor a [Gamma] section",
                 "offers no colour tuner setting");
        return;
    }
    LintSettingList(fileName, profile, kTunerColorSectionName, true, findings);
    LintSettingList(fileName, profile, kTunerGammaSectionName, true, findings);
}

// What each field of a font entry gives; a Western entry's fields name the
// printer fonts of the four styles and the preview's face, a Japanese one's
// the list name, the preview's face and the one printer font.
const char *const kWesternFields[] = {"the list name and the regular style's printer font",
                                      "the italic style's printer font", "the bold style's printer font",
                                      "the bold italic style's printer font", "the preview's screen face"};
const char *const kJapaneseFields[] = {"the list name", "the preview's screen face", "the printer font"};
constexpr unsigned kJapaneseFieldsUsed = 3;
constexpr size_t kPrinterFontChars = kWatermarkFontNameChars - 1;

void CheckFontEntry(Reporter &report, const NumberedEntry &entry) {
    FontEntry font;
    ParseFontEntry(entry.value.c_str(), entry.value.size(), &font);
    const bool japanese = IsJapaneseFont(font);
    const unsigned used = japanese ? kJapaneseFieldsUsed : kFontEntryFields;
    for (unsigned i = 0; i < used; ++i) {
        const std::u16string field = font.field[i];
        const std::string what = japanese ? kJapaneseFields[i] : kWesternFields[i];
        if (field.empty()) {
            report.Add(Severity::Error, kMissingSetting, entry.line, kFontListSection, entry.key,
                       "field " + std::to_string(i + 1) + " (" + what + ") is empty",
                       "watermarks in this font go without " + what);
            continue;
        }
        const bool printerFont = japanese ? i == 2 : i < 4;
        if (printerFont && field.size() > kPrinterFontChars)
            report.Add(Severity::Warning, kValueRange, entry.line, kFontListSection, entry.key,
                       "field " + std::to_string(i + 1) + " is longer than 32 characters",
                       "stores " + what + " cut to 32 characters in the job settings");
    }
}

// The watermark font list: entries "1", "2", ... up to the first missing
// number, each with its fields, and "DefaultNo".
void LintFontList(const std::string &fileName, const NumberedProfile &profile, std::vector<Finding> *findings) {
    Reporter report(findings, fileName);
    const NumberedSection *section = profile.Section(kFontListSection);
    if (!section) {
        report.Add(Severity::Error, kMissingSetting, 0, kFontListSection, {},
                   "the file has no [PrinterFont] section", "the watermark font dialog lists no font");
        return;
    }
    long long end = 1;
    while (true) {
        const NumberedEntry *entry = profile.Find(kFontListSection, Widen(std::to_string(end)));
        if (!entry || entry->value.empty()) break;
        CheckFontEntry(report, *entry);
        ++end;
    }
    if (end == 1)
        report.Add(Severity::Error, kMissingSetting, section->line, kFontListSection, u"1",
                   "the list has no entry 1", "the watermark font dialog lists no font");
    for (const NumberedEntry &entry : section->entries) {
        long long number = 0;
        if (ParseWholeNumber(entry.key, &number)) {
            if (number >= end)
                report.Add(Severity::Warning, kValueRange, entry.line, kFontListSection, entry.key,
                           "fonts are read from 1 up to the first missing or empty number",
                           "never offers this font: " + std::to_string(end) + " is missing");
            continue;
        }
        if (SameName(entry.key, kKeyDefaultNo)) continue;
        const std::u16string suggestion = NearestName(entry.key, {kKeyDefaultNo});
        report.Add(suggestion.empty() ? Severity::Warning : Severity::Error, kUnknownKey, entry.line,
                   kFontListSection, entry.key, "the font list has no such key",
                   suggestion.empty() ? "ignores it" : "reads \"DefaultNo\" as 0: every font is offered everywhere",
                   suggestion);
    }
    ReportDuplicatesOf(report, profile, kFontListSection);
    const NumberedEntry *defaultNo = profile.Find(kFontListSection, kKeyDefaultNo);
    long long first = 0;
    if (!defaultNo) return;
    if (!ParseWholeNumber(defaultNo->value, &first)) {
        report.Add(Severity::Error, kBadValue, defaultNo->line, kFontListSection, defaultNo->key,
                   Quoted(defaultNo->value) + " is not a whole number",
                   "reads " + std::to_string(LeadingNumber(defaultNo->value)) + " as the first Japanese-only font");
        return;
    }
    if (first != 0 && (first < 0 || first >= end))
        report.Add(Severity::Warning, kValueRange, defaultNo->line, kFontListSection, defaultNo->key,
                   "the list has no font " + std::to_string(first),
                   "on a Japanese system makes a font the list does not have the default");
}

std::u16string ValueOf(const NumberedProfile &profile, const std::u16string &section, const char16_t *key) {
    const NumberedEntry *entry = profile.Find(section, key);
    return entry ? entry->value : std::u16string();
}

// The tuner table of one setting: present, hexadecimal, whole bytes, and
// short enough for the job settings.
void CheckTable(Reporter &report, const NumberedProfile &profile, const std::u16string &section,
                const char16_t *prefix, long long id, size_t capacity, int idLine) {
    const std::u16string key = NumberedName(prefix, id);
    const NumberedEntry *entry = profile.Find(section, key);
    if (!entry) {
        report.Add(Severity::Error, kMissingSetting, idLine, section, key,
                   "setting " + std::to_string(id) + " has no such table",
                   "gives jobs that use the setting an empty table");
        return;
    }
    std::u16string text = entry->value.substr(0, kTunerTableMaxChars);
    std::vector<uint8_t> bytes(text.size() / 2 + 1);
    size_t stored = 0;
    const int stray = ParseHexBytes(text.c_str(), bytes.data(), bytes.size(), &stored);
    if (stray) {
        report.Add(Severity::Error, kBadTable, entry->line, section, key,
                   "the table holds a character that is no hexadecimal digit",
                   "keeps only the high digit of that byte and reads on");
        return;
    }
    if (entry->value.size() > kTunerTableMaxChars)
        report.Add(Severity::Warning, kBadTable, entry->line, section, key,
                   "the table is longer than 1019 characters", "reads only the first 1019");
    if (text.size() % 2)
        report.Add(Severity::Warning, kBadTable, entry->line, section, key,
                   "the table ends with half a byte", "drops the last digit");
    if (stored > capacity)
        report.Add(Severity::Warning, kBadTable, entry->line, section, key,
                   "the table has " + std::to_string(stored) + " bytes",
                   "keeps only the first " + std::to_string(capacity) + " in the job settings");
}

bool IsSettingListKey(const std::u16string &key, bool tables) {
    if (SameName(key, kKeySettingNum)) return true;
    const char16_t *prefixes[] = {kKeySettingIdPrefix, kKeySettingNamePrefix, kKeyTunerNtPrefix,
                                  kKeyTunerNvPrefix};
    const size_t used = tables ? 4 : 2;
    for (size_t i = 0; i < used; ++i)
        if (NumberedKey(key, prefixes[i]) >= 0) return true;
    return false;
}

// "SettingNam3" is near "SettingName3": compare with the key's own number.
std::u16string NearestListKey(const std::u16string &key, bool tables) {
    size_t digits = key.size();
    while (digits > 0 && key[digits - 1] >= u'0' && key[digits - 1] <= u'9') --digits;
    const std::u16string number = key.substr(digits);
    std::vector<std::u16string> candidates = {kKeySettingNum};
    const char16_t *prefixes[] = {kKeySettingIdPrefix, kKeySettingNamePrefix, kKeyTunerNtPrefix,
                                  kKeyTunerNvPrefix};
    for (size_t i = 0; i < (tables ? 4u : 2u); ++i)
        if (!number.empty()) candidates.push_back(prefixes[i] + number);
    return NearestName(key, candidates);
}

// Each file's findings together, in the order the files were first met,
// and by line within a file.
void SortByFileAndLine(std::vector<Finding> *findings) {
    std::map<std::string, size_t> fileOrder;
    for (const Finding &finding : *findings) fileOrder.emplace(finding.file, fileOrder.size());
    std::stable_sort(findings->begin(), findings->end(), [&](const Finding &a, const Finding &b) {
        const size_t fa = fileOrder[a.file], fb = fileOrder[b.file];
        return fa != fb ? fa < fb : a.line < b.line;
    });
}

}  // namespace

std::string ResourceName(const LibraryResource &resource) {
    const char *type = resource.type == ResourceType::Dialog ? "dialog"
                       : resource.type == ResourceType::Icon ? "icon"
                                                              : "bitmap";
    return std::string(type) + " " + std::to_string(resource.id);
}

void LintSettingList(const std::string &fileName, const NumberedProfile &profile, const char16_t *sectionName,
                     bool tables, std::vector<Finding> *findings) {
    Reporter report(findings, fileName);
    const NumberedSection *section = profile.Section(sectionName);
    if (!section) {
        if (!tables)
            report.Add(Severity::Warning, kMissingSetting, 0, sectionName, {},
                       "the file has no [" + Narrow(sectionName) + "] section",
                       "offers no custom gamma setting");
        return;
    }
    const std::u16string name = section->name;
    for (const NumberedEntry &entry : section->entries) {
        if (IsSettingListKey(entry.key, tables)) continue;
        const std::u16string suggestion = NearestListKey(entry.key, tables);
        report.Add(suggestion.empty() ? Severity::Warning : Severity::Error, kUnknownKey, entry.line, name,
                   entry.key, "no setting list reads this key",
                   suggestion.empty() ? "ignores it" : "reads " + Quoted(suggestion) + " as absent", suggestion);
    }
    ReportDuplicatesOf(report, profile, name);
    const NumberedEntry *countEntry = profile.Find(name, kKeySettingNum);
    long long count = 0;
    if (!countEntry) {
        report.Add(Severity::Warning, kMissingSetting, section->line, name, kKeySettingNum,
                   "the section has no setting count", "offers none of its settings");
        return;
    }
    if (!ParseWholeNumber(countEntry->value, &count)) {
        report.Add(Severity::Error, kBadValue, countEntry->line, name, countEntry->key,
                   Quoted(countEntry->value) + " is not a whole number",
                   "reads " + std::to_string(LeadingNumber(countEntry->value)) + " settings");
        count = LeadingNumber(countEntry->value);
    }
    std::map<long long, int> ids;
    for (long long i = 0; i < count; ++i) {
        const std::u16string idKey = NumberedName(kKeySettingIdPrefix, i);
        const NumberedEntry *idEntry = profile.Find(name, idKey);
        if (!idEntry) {
            report.Add(Severity::Error, kMissingSetting, countEntry->line, name, idKey,
                       "setting " + std::to_string(i) + " of " + std::to_string(count) + " has no id",
                       "reads its id as 0");
            continue;
        }
        long long id = 0;
        if (!ParseWholeNumber(idEntry->value, &id)) {
            report.Add(Severity::Error, kBadValue, idEntry->line, name, idEntry->key,
                       Quoted(idEntry->value) + " is not a whole number",
                       "reads the id " + std::to_string(LeadingNumber(idEntry->value)));
            continue;
        }
        if (ids.count(id))
            report.Add(Severity::Warning, kDuplicateKey, idEntry->line, name, idEntry->key,
                       "id " + std::to_string(id) + " is listed twice", "offers the setting twice");
        ids[id] = idEntry->line;
        const bool idFits = id >= 0 && id <= static_cast<long long>(kTunerIdMask);
        if (tables && !idFits)
            report.Add(Severity::Error, kValueRange, idEntry->line, name, idEntry->key,
                       "tuner ids run from 0 to 255",
                       "keeps only the low 8 bits: jobs read the tables of setting " +
                           std::to_string(id & kTunerIdMask));
        const std::u16string nameKey = NumberedName(kKeySettingNamePrefix, id);
        const NumberedEntry *nameEntry = profile.Find(name, nameKey);
        if (!nameEntry)
            report.Add(Severity::Error, kMissingSetting, idEntry->line, name, nameKey,
                       "setting " + std::to_string(id) + " has no name key",
                       "does not offer the setting (an empty name hides a setting on purpose)");
        else if (nameEntry->value.size() > kSettingNameMaxChars)
            report.Add(Severity::Warning, kValueRange, nameEntry->line, name, nameKey,
                       "the name is longer than 65 characters", "shows it cut");
        if (!tables || !idFits) continue;
        CheckTable(report, profile, name, kKeyTunerNtPrefix, id, kCcmNtCapacity, idEntry->line);
        CheckTable(report, profile, name, kKeyTunerNvPrefix, id, kCcmNvCapacity, idEntry->line);
    }
    for (const NumberedEntry &entry : section->entries) {
        const long long index = NumberedKey(entry.key, kKeySettingIdPrefix);
        if (index >= count)
            report.Add(Severity::Warning, kValueRange, entry.line, name, entry.key,
                       "\"SettingNum\" is " + std::to_string(count), "never reads this setting");
    }
}

std::vector<Finding> LintModel(const ModelInput &input, ModelFolder &folder) {
    std::vector<Finding> findings;
    if (!input.pluginIni.present)
        Reporter(&findings, {}).Add(Severity::Error, kMissingConfigFile, 0, {}, {},
                                    "no plug-in ini: no .ini among the driver's files names "
                                    "\"OEMConfigFile1\" in [OEMFiles]",
                                    "finds no configuration and leaves the driver's pages as they are");
    else
        LintPluginIniFile(input, folder, &findings);
    if (input.pluginIni.present) {
        const std::u16string fontList = ValueOf(input.pluginIni.profile, kDependentFilesSection, kKeyWmFont);
        std::string bytes;
        if (!fontList.empty() && folder.ReadFile(FileHome::DriverFolder, fontList, &bytes))
            LintFontList(Narrow(fontList), ParseNumberedProfile(bytes), &findings);
    }
    std::u16string model;
    if (!input.capability.present)
        Reporter(&findings, {}).Add(Severity::Error, kMissingConfigFile, 0, {}, {},
                                    "no capability file (.cap) among the driver's files",
                                    "reads every model key as empty: no side library, \"Compression\" 0, "
                                    "\"PSOutputOpt\" -1");
    else
        model = LintCapabilityFile(input, folder, &findings);
    LintVersionFile(input, &findings);
    if (input.pluginIni.present)
        LintColorFile(ValueOf(input.pluginIni.profile, kDependentFilesSection, kKeyHalftone),
                      "halftone file", folder, &findings, false);
    if (!model.empty())
        LintColorFile(ValueOf(input.capability.profile, model, kKeyCcmInfoFile), "colour tuner file",
                      folder, &findings, true);
    if (input.ppdPresent) {
        const std::vector<Finding> ppd = LintPpd(input.ppdName, input.ppdText);
        findings.insert(findings.end(), ppd.begin(), ppd.end());
    } else {
        Reporter(&findings, {}).Add(Severity::Error, kMissingConfigFile, 0, {}, {},
                                    "no printer description (.ppd)",
                                    "the driver has no features for the plug-in to govern");
    }
    SortByFileAndLine(&findings);
    return findings;
}
