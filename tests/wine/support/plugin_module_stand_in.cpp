// The module globals the dialog operations read: here the plug-in library
// is loaded from the program's folder, so its resources are the ones used.
#include "core/plugin_module.h"

HMODULE PluginModule = LoadLibraryW(L"sxoemui.dll");
HMODULE LinkPageLibrary = nullptr;
