// The module globals the dialog operations read: here the plug-in library
// is loaded as a data file, so its resources are the ones used.
#include "core/plugin_module.h"

HMODULE PluginModule = nullptr;
HMODULE LinkPageLibrary = nullptr;
