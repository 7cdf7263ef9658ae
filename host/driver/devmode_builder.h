// Building DEVMODEs with the plug-in's section, as the driver does: a
// default one, and one converted or merged from another DEVMODE.
#pragma once

#include "core/win_holders.h"
#include "driver/devmode_layout.h"
#include "driver/document_settings.h"
#include "driver/plugin_loader.h"

#include <string>
#include <vector>

// A zeroed DEVMODE in the host's layout with room for a plug-in section of
// `sectionSize` bytes: dmSize and dmDriverExtra set, the section at
// kPluginSectionOffset. Empty when memory runs out.
HeapBlock NewDevmode(DWORD sectionSize);

// A whole DEVMODE for the session's printer: the settings in the public
// and driver parts, the plug-in's default section after them.
bool BuildDefaultDevmode(PluginSession &session, const DocumentSettings &settings,
                         HeapBlock *devmode, std::string *error);

// The settings take what the file's DEVMODE carries; a DEVMODE of them
// follows, then DevMode(mode) with the file's DEVMODE as input. The input is
// cut to the bytes the file really holds, so that the plug-in, which bounds
// its reads by dmSize + dmDriverExtra, never reads beyond them.
bool BuildConvertedDevmode(PluginSession &session, DWORD mode, const std::vector<BYTE> &file,
                           const DevmodeFileView &view, DocumentSettings *settings,
                           HeapBlock *devmode, std::string *error);
