// Helpers shared by the test programs that run under Wine: the plug-in
// library loaded as the driver loads it, and printers installed into Wine's
// spooler for one test.
#pragma once

#include "core/platform_oem.h"
#include "core/win_holders.h"

#include <string>
#include <vector>

extern const WCHAR kSamplePrinter[];

// The test program's folder, from the driver host's library.
std::wstring ExeDirectory();
// The driver directory's "3" folder, where installed driver files live.
std::wstring DriverFilesFolder();

// sxoemui.dll from the test program's folder, with its two COM exports.
class PluginLibrary {
public:
    PluginLibrary();

    HRESULT GetClassObject(REFCLSID clsid, REFIID iid, void **ppv) const {
        return getClassObject_ ? getClassObject_(clsid, iid, ppv) : E_UNEXPECTED;
    }
    HRESULT CanUnloadNow() const { return canUnloadNow_ ? canUnloadNow_() : E_UNEXPECTED; }
    // A fresh plug-in object through the factory, as the driver creates it;
    // null on failure.
    IPrintOemUI2 *CreatePlugin() const;
    HMODULE Module() const { return module_.Get(); }

private:
    LoadedLibrary module_;
    HRESULT(STDAPICALLTYPE *getClassObject_)(REFCLSID, REFIID, void **);
    HRESULT(STDAPICALLTYPE *canUnloadNow_)();
};

// A printer opened by name with the spooler's default rights.
class PrinterHandle : public SpoolerPrinter {
public:
    explicit PrinterHandle(const WCHAR *name) { Open(name, 0); }
};

// A printer of its own driver whose dependent files are the given names in
// the driver files folder, in order. Files to create are written first.
// Removed again when the object goes.
class TestPrinter {
public:
    TestPrinter(const std::wstring &name, const std::vector<std::wstring> &dependentFiles);
    ~TestPrinter();
    TestPrinter(const TestPrinter &) = delete;
    TestPrinter &operator=(const TestPrinter &) = delete;
    bool Installed() const { return installed_; }
    const std::wstring &Name() const { return name_; }

private:
    std::wstring name_;
    bool installed_ = false;
};

// Writes one key of a profile file in the driver files folder.
void WriteDriverProfile(const std::wstring &file, const WCHAR *section, const WCHAR *key,
                        const WCHAR *value);
std::wstring DriverFilePath(const std::wstring &file);

// drvhost.exe from the test program's folder run as a child process, as a
// person runs it: its exit status and what it printed (stdout and stderr
// together).
struct DriverHostRun {
    DWORD exitCode = 0xFFFFFFFF;
    std::string output;
};
DriverHostRun RunDriverHost(const std::wstring &arguments);
