// The sample model: its names and the files a printer of it is installed with.
#pragma once

#include <windows.h>

extern const WCHAR kSamplePrinterName[];
extern const WCHAR kSampleDriverName[];
// The second sample model, with the extended page layouts and every
// optional feature switched on.
extern const WCHAR kProPrinterName[];
extern const WCHAR kProDriverName[];

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

// The files of the model that a printer of this name is installed with: the
// second sample model for its own name, the first for every other name.
const ModelFile *ModelFilesFor(const WCHAR *printerName, size_t *count);
// The driver of the sample model that a printer of this name is installed with.
const WCHAR *SampleDriverFor(const WCHAR *printerName);
