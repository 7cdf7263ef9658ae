#include "core/config_keys.h"

namespace {

constexpr char16_t kEmpty[] = u"";
constexpr char16_t kZero[] = u"0";
constexpr char16_t kMinusOne[] = u"-1";

const ConfigKey kCapabilityKeys[] = {
    {nullptr, kKeyCryptoDll, ValueKind::LibraryName, FileHome::DriverFolder, kEmpty,
     "encrypted secure print and the encryption defaults of the job settings",
     "encrypted secure print is off and the job settings keep no encryption defaults"},
    {nullptr, kKeyCardDll, ValueKind::LibraryName, FileHome::DriverFolder, kEmpty,
     "IC-card secure print", "IC-card secure print is off"},
    {nullptr, kKeyCompression, ValueKind::Integer, FileHome::None, kZero,
     "the compression choice of Advanced job options and its default level",
     "no compression choice is shown and the default level is 0"},
    {nullptr, kKeyNetExtDll, ValueKind::LibraryName, FileHome::LibrarySearch, kEmpty,
     "detecting installable options over the network",
     "the button \"Get installed options automatically\" is hidden"},
    {nullptr, kKeyUsbExtDll, ValueKind::LibraryName, FileHome::PluginFolder, kEmpty,
     "detecting installable options over USB",
     "installable options of USB printers are never detected"},
    {nullptr, kKeyUsbExtDat, ValueKind::FileName, FileHome::UserAppData, kEmpty,
     "the data file the USB library writes", "USB detection finds no data file"},
    {nullptr, kKeyPsOutputOpt, ValueKind::Integer, FileHome::None, kMinusOne,
     "the PostScript output option set when a printer is installed",
     "the driver's PostScript output option is left as it is"},
    {nullptr, kKeyDefaultPaperSize, ValueKind::Integer, FileHome::None, kZero,
     "the paper size set when a printer is installed", "the driver's paper size is kept"},
    {nullptr, kKeyDefaultPaperSource, ValueKind::Integer, FileHome::None, kZero,
     "the paper source set when a printer is installed", "the driver's paper source is kept"},
    {nullptr, kKeyCcmInfoFile, ValueKind::FileName, FileHome::DriverFolder, kEmpty,
     "the colour tuner's settings and tables",
     "no colour tuner setting is offered and jobs carry empty tuner tables"},
    {nullptr, kKeyHueboardRegPath, ValueKind::RegistryPath, FileHome::None, kEmpty,
     "the colour-sample utility button of the Color page", "the button is removed"},
    {nullptr, kKeyTabLinkName, ValueKind::Address, FileHome::None, kEmpty,
     "the link of the Job Options and Color pages", "the link is hidden"},
    {nullptr, kKeyTabLayout, ValueKind::Text, FileHome::None, kEmpty,
     "the layouts of the Job Options and Color pages (\"Extended\": every feature's controls)",
     "the system's page layouts"},
    {nullptr, kKeyAskTvxUrl, ValueKind::Address, FileHome::None, kEmpty,
     "the target of the link page", "the sheet has no link page"},
    {nullptr, kKeyAskTvxRes, ValueKind::LibraryName, FileHome::PluginIniFolder, kEmpty,
     "the resource library of the link page", "the sheet has no link page"},
    {nullptr, kKeyJobInfoDll, ValueKind::LibraryName, FileHome::DriverFolder, kEmpty,
     "the printing application's name passed with each job",
     "every job is published with an empty application name"},
    {nullptr, kKeyColorApExe, ValueKind::ProgramName, FileHome::DriverFolder, kEmpty,
     "the companion program that takes the application name where shared memory cannot",
     "jobs of shared and remote printers carry no application name"},
};

const ConfigKey kPluginIniKeys[] = {
    {kOemFilesSection, kKeyOemConfigFile1, ValueKind::Text, FileHome::None, kEmpty,
     "marks the file as the plug-in ini",
     "the file is not the plug-in ini: no help, user types, overlays or watermarks"},
    {kDependentFilesSection, kKeyHelp, ValueKind::FileName, FileHome::DriverFolder, kEmpty,
     "the help file before OS version 6", "help opens nothing"},
    {kDependentFilesSection, kKeyHtmlHelp, ValueKind::FileName, FileHome::DriverFolder, kEmpty,
     "the help file from OS version 6 on", "help opens nothing"},
    {kDependentFilesSection, kKeyWmFont, ValueKind::FileName, FileHome::DriverFolder, kEmpty,
     "the watermark font list", "the watermark font dialog lists no font"},
    {kDependentFilesSection, kKeyHalftone, ValueKind::FileName, FileHome::DriverFolder, kEmpty,
     "the custom gamma settings of the Color page",
     "no custom gamma setting is offered when the description has no tone feature"},
    {kSpecialKeySection, kKey1PassSeries, ValueKind::Integer, FileHome::None, kZero,
     "the one-pass series flag of the job settings", "the model is not a one-pass series"},
    {kPlgFeatureSection, kKeyHidePaperName, ValueKind::Text, FileHome::None, kEmpty,
     "paper names hidden on Japanese systems", "no paper name is hidden"},
};

const char16_t *const kPluginIniSections[] = {
    kOemFilesSection,         kDependentFilesSection,          kSpecialKeySection,
    kUsertypeSection,         kPlgFeatureSection,              kOverlaySettingSection,
    kOverlaySettingStagedSection, kOverlayInfoSectionPrefix,   kOverlayInfoStagedSectionPrefix,
    kWatermarkSection,        kDisplayAllertSection,
};

const LibraryExport kCryptoExports[] = {
    {"GetDefaultSetting", "the encryption defaults of new job settings"},
    {"DispCryptoUIEx", "choosing encrypted secure print (the job falls back to a normal job)"},
    {"EncryptPassword", "storing the encrypted password"},
    {"DecryptPassword", "reading the stored password back (a fixed error message is shown)"},
};
const LibraryExport kCardExports[] = {
    {"QueryCardDriver", "IC-card secure print"},
};
const LibraryExport kNetExports[] = {
    {"GetNetextCapability", "the button \"Get installed options automatically\" (hidden)"},
    {"IsValidPort", "the detection button (disabled) and detection on page activation"},
    {"ReadPrinterOptionFlag32", "network detection of installable options"},
    {"GetDataFileName", "network detection of installable options"},
};
const LibraryExport kUsbExports[] = {
    {"ReadPrinterOptionUSB", "USB detection of installable options"},
    {"ReadPrinterOptionUSB2", "USB detection of installable options"},
};
const LibraryExport kJobInfoExports[] = {
    {"GetPrintingApplication", "the application name passed with each job (sent empty)"},
};

struct LibraryExports {
    const char16_t *key;
    const LibraryExport *exports;
    size_t count;
};

template <size_t N>
constexpr LibraryExports Exports(const char16_t *key, const LibraryExport (&exports)[N]) {
    return {key, exports, N};
}

const LibraryExports kLibraryExports[] = {
    Exports(kKeyCryptoDll, kCryptoExports), Exports(kKeyCardDll, kCardExports),
    Exports(kKeyNetExtDll, kNetExports),    Exports(kKeyUsbExtDll, kUsbExports),
    Exports(kKeyJobInfoDll, kJobInfoExports),
};

const LibraryResource kLinkPageResources[] = {
    {ResourceType::Dialog, 800, "the link page, which is not added"},
    {ResourceType::Icon, 1102, "the link page's tab icon"},
    {ResourceType::Bitmap, 1100, "the link page's picture"},
    {ResourceType::Bitmap, 1003, "the link page's logo"},
};

const char *const kTrueFalse[] = {"True", "False", nullptr};
const char *const kNoneOption[] = {"None", nullptr};
const char *const kNoTrays[] = {"0", nullptr};

const ComparedFeature kComparedFeatures[] = {
    {"VXHDD", kTrueFalse, "secure print, job spool and the storage-device checks"},
    {"VXFinisher", kTrueFalse, "the output bins that follow the finisher"},
    {"VXJobLimit", kTrueFalse, "job-limit mode and its detection"},
    {"VXOptionMPF", kTrueFalse, "the detected multi-purpose feeder"},
    {"VXOptionDuplex", kTrueFalse, "the detected duplex unit"},
    {"VXPunchUnit", kNoneOption, "the punch rules and the detected punch unit"},
    {"VXSpecialTonerInstalled", kNoneOption, "the special toner button and its detection"},
    {"VXOptionTray", kNoTrays, "the detected optional trays"},
    {"Duplex", kNoneOption, "the finisher rules and the print-position test print"},
};

const char *const kInstallableKeywords[] = {
    "VXHDD",      "VXOptionDuplex", "VXOptionTray", "InstalledMemory",         "VXFinisher",
    "VXOptionMPF", "VXPunchUnit",   "VXJobLimit",   "VXSpecialTonerInstalled", "VXOutputManagement",
};

char16_t LowerAscii(char16_t c) { return c >= u'A' && c <= u'Z' ? c - u'A' + u'a' : c; }

size_t Length(const char16_t *text) {
    size_t length = 0;
    while (text[length]) ++length;
    return length;
}

bool EndsWithNoCase(const char16_t *name, const char16_t *suffix) {
    const size_t length = Length(name), suffixLength = Length(suffix);
    return length >= suffixLength && EqualNoCase(name + length - suffixLength, suffix);
}

}  // namespace

bool EqualNoCase(const char16_t *a, const char16_t *b) {
    for (; *a && *b; ++a, ++b)
        if (LowerAscii(*a) != LowerAscii(*b)) return false;
    return *a == *b;
}

const ConfigKey *CapabilityKeys(size_t *count) {
    *count = sizeof(kCapabilityKeys) / sizeof(kCapabilityKeys[0]);
    return kCapabilityKeys;
}

const ConfigKey *PluginIniKeys(size_t *count) {
    *count = sizeof(kPluginIniKeys) / sizeof(kPluginIniKeys[0]);
    return kPluginIniKeys;
}

const char16_t *const *PluginIniSections(size_t *count) {
    *count = sizeof(kPluginIniSections) / sizeof(kPluginIniSections[0]);
    return kPluginIniSections;
}

const ConfigKey *FindCapabilityKey(const char16_t *key) {
    for (const ConfigKey &entry : kCapabilityKeys)
        if (EqualNoCase(entry.key, key)) return &entry;
    return nullptr;
}

const ConfigKey *FindPluginIniKey(const char16_t *section, const char16_t *key) {
    for (const ConfigKey &entry : kPluginIniKeys)
        if (EqualNoCase(entry.section, section) && EqualNoCase(entry.key, key)) return &entry;
    return nullptr;
}

const LibraryExport *RequiredExports(const char16_t *key, size_t *count) {
    for (const LibraryExports &entry : kLibraryExports) {
        if (!EqualNoCase(entry.key, key)) continue;
        *count = entry.count;
        return entry.exports;
    }
    *count = 0;
    return nullptr;
}

const LibraryResource *RequiredResources(const char16_t *key, size_t *count) {
    if (!EqualNoCase(key, kKeyAskTvxRes)) {
        *count = 0;
        return nullptr;
    }
    *count = sizeof(kLinkPageResources) / sizeof(kLinkPageResources[0]);
    return kLinkPageResources;
}

const ComparedFeature *ComparedFeatures(size_t *count) {
    *count = sizeof(kComparedFeatures) / sizeof(kComparedFeatures[0]);
    return kComparedFeatures;
}

const char *const *InstallableKeywords(size_t *count) {
    *count = sizeof(kInstallableKeywords) / sizeof(kInstallableKeywords[0]);
    return kInstallableKeywords;
}

DependentFileKind ClassifyDependentFile(const char16_t *name) {
    if (!name) return DependentFileKind::Other;
    if (EndsWithNoCase(name, u".ini")) return DependentFileKind::PluginIni;
    if (EndsWithNoCase(name, u".cap")) return DependentFileKind::Capability;
    if (EndsWithNoCase(name, u".ver")) return DependentFileKind::Version;
    return DependentFileKind::Other;
}
