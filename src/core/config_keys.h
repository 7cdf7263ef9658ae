// Every key the plug-in reads from the model's capability file and from its
// own ini, with the form of its value, its default and the feature it
// serves; the exports each side library must have; the keys of the colour
// settings files and of the version file; the printer-description keywords
// the plug-in reads as driver settings, with the option keywords it
// compares them against. No platform types: the tables serve the plug-in's
// readers and the model checker alike.
#pragma once

#include <cstddef>

// Sections and keys of the capability file.
constexpr char16_t kCapabilitySection[] = u"Capability";
constexpr char16_t kKeyCryptoDll[] = u"CryptoDll";
constexpr char16_t kKeyCardDll[] = u"CARD_DLL";
constexpr char16_t kKeyCompression[] = u"Compression";
constexpr char16_t kKeyNetExtDll[] = u"NetExtDLL";
constexpr char16_t kKeyUsbExtDll[] = u"USBExtDLL";
constexpr char16_t kKeyUsbExtDat[] = u"USBExtDAT";
constexpr char16_t kKeyPsOutputOpt[] = u"PSOutputOpt";
constexpr char16_t kKeyDefaultPaperSize[] = u"DEFAULT_PAPER_SIZE";
constexpr char16_t kKeyDefaultPaperSource[] = u"DEFAULT_PAPER_SOURCE";
constexpr char16_t kKeyCcmInfoFile[] = u"CCMInfoFile";
constexpr char16_t kKeyHueboardRegPath[] = u"HueboardRegPath";
constexpr char16_t kKeyTabLinkName[] = u"TabLinkName";
constexpr char16_t kKeyTabLayout[] = u"TabLayout";
constexpr char16_t kKeyAskTvxUrl[] = u"AskTvxURL";
constexpr char16_t kKeyAskTvxRes[] = u"AskTvxRES";
constexpr char16_t kKeyJobInfoDll[] = u"JobInfoDLL";
constexpr char16_t kKeyColorApExe[] = u"COLORAPEXE";

// Sections and keys of the plug-in ini.
constexpr char16_t kOemFilesSection[] = u"OEMFiles";
constexpr char16_t kKeyOemConfigFile1[] = u"OEMConfigFile1";
constexpr char16_t kDependentFilesSection[] = u"DependentFiles";
constexpr char16_t kKeyHelp[] = u"HELP";
constexpr char16_t kKeyHtmlHelp[] = u"HTMLHELP";
constexpr char16_t kKeyWmFont[] = u"WMFONT";
constexpr char16_t kKeyHalftone[] = u"HALFTONE";
constexpr char16_t kSpecialKeySection[] = u"SpecialKey";
constexpr char16_t kKey1PassSeries[] = u"1PassSeries";
constexpr char16_t kUsertypeSection[] = u"Usertype";
constexpr char16_t kUsertypeKeyPrefix[] = u"USERTYPE";
constexpr char16_t kUsertypeDefault[] = u"default_name";
constexpr char16_t kPlgFeatureSection[] = u"Plg_Feature";
constexpr char16_t kKeyHidePaperName[] = u"HidePaperName";
constexpr char16_t kOverlaySettingSection[] = u"OverlaySetting";
constexpr char16_t kOverlaySettingStagedSection[] = u"OverlaySetting_Sv";
constexpr char16_t kOverlayInfoSectionPrefix[] = u"Overlay_Info ";
constexpr char16_t kOverlayInfoStagedSectionPrefix[] = u"Overlay_Info_Sv ";
constexpr char16_t kWatermarkSection[] = u"Watermark";
constexpr char16_t kDisplayAllertSection[] = u"DisplayAllert";

// The colour settings files: the custom gamma list and the colour tuner's.
constexpr char16_t kHalftoneSection[] = u"PSGamma";
constexpr char16_t kTunerColorSectionName[] = u"Color";
constexpr char16_t kTunerGammaSectionName[] = u"Gamma";
constexpr char16_t kKeySettingNum[] = u"SettingNum";
constexpr char16_t kKeySettingIdPrefix[] = u"SettingID";
constexpr char16_t kKeySettingNamePrefix[] = u"SettingName";
constexpr char16_t kKeyTunerNtPrefix[] = u"CCMNT";
constexpr char16_t kKeyTunerNvPrefix[] = u"CCMNV";
constexpr size_t kSettingNameMaxChars = 65;
constexpr size_t kTunerTableMaxChars = 1019;

// The watermark font list.
constexpr char16_t kFontListSection[] = u"PrinterFont";
constexpr char16_t kKeyDefaultNo[] = u"DefaultNo";

// The version file the About dialog reads.
constexpr char16_t kVersionSection[] = u"Version";
constexpr char16_t kKeyOptionVer[] = u"OptionVer";
constexpr char16_t kKeyDriverVer[] = u"DriverVer";
constexpr char16_t kKeyInternalVer[] = u"InternalVer";

// The form of a key's value.
enum class ValueKind {
    Integer,
    FileName,      // a data file in the driver folder
    LibraryName,   // a side library, loaded into the plug-in's process
    ProgramName,   // a program the plug-in starts
    RegistryPath,  // a key under HKEY_LOCAL_MACHINE
    Address,       // a link opened with the shell
    Text,
};

// Where a named file is looked for.
enum class FileHome {
    None,
    DriverFolder,     // the driver directory's "3" folder
    PluginIniFolder,  // the folder of the plug-in ini
    LibrarySearch,    // loaded by name: the platform's library search
    PluginFolder,     // the folder of the plug-in's own module
    UserAppData,      // the user's application-data folder, written at run time
};

struct ConfigKey {
    const char16_t *section;  // null: the model section of the capability file
    const char16_t *key;
    ValueKind kind;
    FileHome home;
    const char16_t *defaultValue;
    const char *feature;     // what the value serves
    const char *whenAbsent;  // what the plug-in does without it
};

// The keys of a model section, in the order the capability file lists them.
const ConfigKey *CapabilityKeys(size_t *count);
// The keys of the plug-in ini that the plug-in reads; sections whose keys
// are written at run time (overlays, watermarks, warnings, user types) are
// listed by PluginIniSections only.
const ConfigKey *PluginIniKeys(size_t *count);
// Every section of the plug-in ini the plug-in reads or writes; names that
// end in a blank take a number.
const char16_t *const *PluginIniSections(size_t *count);

// The key of a model section or of the plug-in ini, compared as the profile
// functions compare (letter case ignored); null when the plug-in does not
// read it.
const ConfigKey *FindCapabilityKey(const char16_t *key);
const ConfigKey *FindPluginIniKey(const char16_t *section, const char16_t *key);

// An export a side library must have, and what stays off without it.
struct LibraryExport {
    const char *name;
    const char *feature;
};

// The exports of the library named by a capability key; null (count 0)
// for keys that name no library or a library without required exports.
const LibraryExport *RequiredExports(const char16_t *key, size_t *count);

// A resource a resource library must hold, and what goes without it.
enum class ResourceType { Dialog, Icon, Bitmap };
struct LibraryResource {
    ResourceType type;
    unsigned id;
    const char *feature;
};

// The resources of the library named by a capability key; null (count 0)
// for keys whose library holds none the plug-in uses.
const LibraryResource *RequiredResources(const char16_t *key, size_t *count);

// A printer-description feature whose option keywords the plug-in compares
// with the driver's setting, and the options it needs to find.
struct ComparedFeature {
    const char *keyword;
    const char *const *options;  // null-terminated
    const char *feature;         // what stays off when one is missing
};

const ComparedFeature *ComparedFeatures(size_t *count);

// Installable-option keywords of the printer's own tree (no document slot).
const char *const *InstallableKeywords(size_t *count);

// Which configuration file a dependent file of the driver is, by its name's
// extension (letter case ignored).
enum class DependentFileKind { Other, PluginIni, Capability, Version };
DependentFileKind ClassifyDependentFile(const char16_t *name);

// Letter case ignored for ASCII letters, as the profile functions compare.
bool EqualNoCase(const char16_t *a, const char16_t *b);
