// The checks of a model's configuration files: the capability file's model
// section, the plug-in ini, the version file, the colour settings files the
// model names, the side libraries and the printer description. Pure: the
// place where the files lie answers through ModelFolder.
#pragma once

#include "core/config_keys.h"
#include "lint_finding.h"
#include "numbered_profile.h"

#include <string>
#include <vector>

struct ConfigFile {
    bool present = false;
    std::string name;  // the file's name, as findings show it
    NumberedProfile profile;
};

struct ModelInput {
    std::u16string driverName;  // the key of the capability file's "Capability" section
    ConfigFile pluginIni;
    ConfigFile capability;
    ConfigFile version;
    bool ppdPresent = false;
    std::string ppdName;
    std::string ppdText;
};

// What loading a side library showed. The library is loaded without being
// run, its exports looked up by name.
struct LibraryReport {
    bool loaded = false;
    std::string problem;  // why it did not load
    std::vector<std::string> missingExports;
    std::vector<LibraryResource> missingResources;
};

class ModelFolder {
public:
    virtual ~ModelFolder() = default;
    virtual bool Exists(FileHome home, const std::u16string &name) = 0;
    // The names of the files of a home, for near misses.
    virtual std::vector<std::u16string> FileNames(FileHome home) = 0;
    virtual bool ReadFile(FileHome home, const std::u16string &name, std::string *bytes) = 0;
    // Whether the file travels with the driver: an installed driver lists
    // its files, and a computer that installs the printer from another one
    // receives only those.
    virtual bool IsDependentFile(const std::u16string &name) = 0;
    virtual LibraryReport InspectLibrary(FileHome home, const std::u16string &name, ValueKind kind,
                                         const std::vector<std::string> &exports,
                                         const std::vector<LibraryResource> &resources) = 0;
};

std::vector<Finding> LintModel(const ModelInput &input, ModelFolder &folder);

// "dialog 800", "icon 1102", "bitmap 1100".
std::string ResourceName(const LibraryResource &resource);

// The settings list of a colour settings file: "SettingNum" ids with their
// names, and with `tables` the two tuner tables of each id.
void LintSettingList(const std::string &fileName, const NumberedProfile &profile,
                     const char16_t *section, bool tables, std::vector<Finding> *findings);
