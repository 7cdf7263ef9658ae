#include "support/devmode_param.h"

OEMDMPARAM DevModeParam(HANDLE printer, HMODULE module, DEVMODEW *publicIn, const void *recordIn,
                        DEVMODEW *publicOut, void *recordOut, DWORD bufferSize) {
    OEMDMPARAM param = {};
    param.cbSize = sizeof(param);
    param.hPrinter = printer;
    param.hModule = module;
    param.pPublicDMIn = publicIn;
    param.pOEMDMIn = const_cast<void *>(recordIn);
    param.pPublicDMOut = publicOut;
    param.pOEMDMOut = recordOut;
    param.cbBufSize = bufferSize;
    return param;
}
