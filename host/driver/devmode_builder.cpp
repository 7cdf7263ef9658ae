// Building DEVMODEs with the plug-in's section.
#include "driver/devmode_builder.h"

#include "host_text.h"

#include <cstring>

namespace {

OEMDMPARAM BaseParam(PluginSession &session) {
    OEMDMPARAM param = {};
    param.cbSize = sizeof(param);
    param.hPrinter = session.Printer();
    param.hModule = session.Module();
    return param;
}

bool CallDevMode(PluginSession &session, DWORD mode, OEMDMPARAM *param, std::string *error) {
    const HRESULT hr = session.Plugin()->DevMode(mode, param);
    if (SUCCEEDED(hr)) return true;
    *error = "DevMode(" + std::to_string(mode) + ") failed: " + HexDword(static_cast<DWORD>(hr)) +
             ", " + Win32ErrorText(GetLastError());
    return false;
}

bool QuerySectionSize(PluginSession &session, DWORD *size, std::string *error) {
    OEMDMPARAM param = BaseParam(session);
    if (!CallDevMode(session, OEMDM_SIZE, &param, error)) return false;
    const size_t limit = size_t(MAXWORD) - kDriverPrivateSize;
    if (param.cbBufSize < sizeof(OEM_DMEXTRAHEADER) || param.cbBufSize > limit) {
        *error = "DevMode(OEMDM_SIZE) gives an unusable section size of " +
                 std::to_string(param.cbBufSize) + " bytes";
        return false;
    }
    *size = param.cbBufSize;
    return true;
}

// The public part of a copy of the input covers only the bytes present.
void BoundInputCopy(DEVMODEW *input, size_t present) {
    input->dmDriverExtra = static_cast<WORD>(present - input->dmSize);
}

}  // namespace

HeapBlock NewDevmode(DWORD sectionSize) {
    HeapBlock block(kPluginSectionOffset + sectionSize);
    if (!block) return block;
    auto *publicPart = block.As<DEVMODEW>();
    publicPart->dmSize = kPublicDevmodeSize;
    publicPart->dmDriverExtra = static_cast<WORD>(kDriverPrivateSize + sectionSize);
    return block;
}

bool BuildDefaultDevmode(PluginSession &session, const DocumentSettings &settings,
                         HeapBlock *devmode, std::string *error) {
    DWORD sectionSize = 0;
    if (!QuerySectionSize(session, &sectionSize, error)) return false;
    HeapBlock block = NewDevmode(sectionSize);
    if (!block) {
        *error = "out of memory for a DEVMODE";
        return false;
    }
    auto *publicPart = block.As<DEVMODEW>();
    settings.WriteDevmode(publicPart, session.PrinterName());
    OEMDMPARAM param = BaseParam(session);
    param.pPublicDMIn = publicPart;
    param.pOEMDMOut = block.Bytes() + kPluginSectionOffset;
    param.cbBufSize = sectionSize;
    if (!CallDevMode(session, OEMDM_DEFAULT, &param, error)) return false;
    *devmode = std::move(block);
    return true;
}

bool BuildConvertedDevmode(PluginSession &session, DWORD mode, const std::vector<BYTE> &file,
                           const DevmodeFileView &view, DocumentSettings *settings,
                           HeapBlock *devmode, std::string *error) {
    const size_t present = view.declaredBytes < file.size() ? view.declaredBytes : file.size();
    settings->ReadDevmode(reinterpret_cast<const DEVMODEW *>(file.data()), present);
    HeapBlock output;
    if (!BuildDefaultDevmode(session, *settings, &output, error)) return false;
    HeapBlock input(present);
    if (!input) {
        *error = "out of memory for the input DEVMODE";
        return false;
    }
    memcpy(input.Bytes(), file.data(), present);
    BoundInputCopy(input.As<DEVMODEW>(), present);

    OEMDMPARAM param = BaseParam(session);
    param.pPublicDMIn = input.As<DEVMODEW>();
    param.pPublicDMOut = output.As<DEVMODEW>();
    // No section bytes at all: a pointer to the end would look like a whole
    // record to the plug-in.
    param.pOEMDMIn = view.sectionBytes ? input.Bytes() + view.sectionOffset : nullptr;
    param.pOEMDMOut = output.Bytes() + kPluginSectionOffset;
    param.cbBufSize = static_cast<DWORD>(output.Size() - kPluginSectionOffset);
    if (!CallDevMode(session, mode, &param, error)) return false;
    *devmode = std::move(output);
    return true;
}
