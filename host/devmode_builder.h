// Building DEVMODEs with the plug-in's section, as the driver does: a
// default one, and one converted or merged from another DEVMODE.
#pragma once

#include "devmode_layout.h"
#include "host_holders.h"
#include "plugin_loader.h"

#include <string>
#include <vector>

// A whole default DEVMODE for the session's printer.
bool BuildDefaultDevmode(PluginSession &session, HeapBlock *devmode, std::string *error);

// A default DEVMODE, then DevMode(mode) with the given file's DEVMODE as
// input. The input is cut to the bytes the file really holds, so that the
// plug-in, which bounds its reads by dmSize + dmDriverExtra, never reads
// beyond them.
bool BuildConvertedDevmode(PluginSession &session, DWORD mode, const std::vector<BYTE> &file,
                           const DevmodeFileView &view, HeapBlock *devmode, std::string *error);
