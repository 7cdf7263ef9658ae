// Loading a printer's UI plug-in the way the driver does: the ini among the
// driver's dependent files names the DLL; class object, instance, the
// IPrintOemUI2 interface and the published driver helper follow. The
// session also holds what the driver keeps while the plug-in is loaded:
// the printer's description and the OEM heap the plug-in allocates from.
#pragma once

#include "core/platform_oem.h"
#include "core/win_holders.h"
#include "driver/driver_helper.h"
#include "install/printer_model.h"

#include <string>

class PluginSession {
public:
    PluginSession() = default;
    ~PluginSession();
    PluginSession(const PluginSession &) = delete;
    PluginSession &operator=(const PluginSession &) = delete;

    // Prints nothing; false with a message saying which step failed.
    bool Open(const std::wstring &printerName, std::string *error);
    // Releases the plug-in and the helper, asks DllCanUnloadNow and frees
    // the library; returns DllCanUnloadNow's answer. Reports a helper
    // reference the plug-in kept in *leakedHelperRefs.
    HRESULT Unload(LONG *leakedHelperRefs);

    // A GetInfo DWORD answer (signature or version).
    bool QueryInfoDword(DWORD mode, DWORD *value, std::string *error);

    IPrintOemUI2 *Plugin() const { return plugin_.Get(); }
    const PrinterModel &Model() const { return model_; }
    // Outlives the plug-in object, which frees its blocks on it when released.
    HANDLE OemHeap() const { return heap_.Get(); }
    HANDLE Printer() const { return printer_.Get(); }
    HMODULE Module() const { return library_.Get(); }
    const std::wstring &PrinterName() const { return printerName_; }
    const std::wstring &IniPath() const { return iniPath_; }
    const std::wstring &PluginPath() const { return pluginPath_; }

private:
    bool FindPluginIni(std::string *error);
    bool CreateOemHeap(std::string *error);
    bool LoadPluginLibrary(std::string *error);
    bool CreatePlugin(std::string *error);
    bool PublishHelper(std::string *error);

    std::wstring printerName_;
    std::wstring iniPath_;
    std::wstring pluginPath_;
    SpoolerPrinter printer_;
    PrinterModel model_;
    PrivateHeap heap_;
    LoadedLibrary library_;
    HRESULT(STDAPICALLTYPE *canUnloadNow_)() = nullptr;
    ComRef<HostDriverUI> helper_;
    ComRef<IPrintOemUI2> plugin_;
};
