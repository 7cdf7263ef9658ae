// Module-wide state of the plug-in library.
#pragma once

#include <windows.h>

extern HMODULE PluginModule;
// The link page's resource library, loaded on demand and freed at unload.
extern HMODULE LinkPageLibrary;

void CountObjectCreated();
void CountObjectDestroyed();
void ChangeServerLock(BOOL lock);
