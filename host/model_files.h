// The sample model: its names and the files a printer of it is installed with.
#pragma once

#include <windows.h>

extern const WCHAR kSamplePrinterName[];
extern const WCHAR kSampleDriverName[];

enum class ModelFileRole {
    PluginIni,
    Capability,
    Description,  // the PPD, the driver's data file
    Version,
    ModelData,    // further model tables the plug-in reads
    Plugin,
    SideLibrary,
    Help,         // the compiled help file the plug-in ini names
};

struct ModelFile {
    const WCHAR *name;
    ModelFileRole role;
    bool required;
};

// In dependent-file order: the ini, the capability file, the version file,
// further model data, the plug-in, the side libraries. The PPD is listed
// too but becomes the driver's data file instead of a dependent file.
const ModelFile *ModelFiles(size_t *count);
