// The parameter block of a DevMode call as the driver fills it: the
// printer, the plug-in's module, the input and output DEVMODEs with their
// plug-in records, and the size of the output record's buffer.
#pragma once
#include "core/platform_oem.h"

OEMDMPARAM DevModeParam(HANDLE printer, HMODULE module, DEVMODEW *publicIn, const void *recordIn,
                        DEVMODEW *publicOut, void *recordOut, DWORD bufferSize);
