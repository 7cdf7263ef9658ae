// Loading a printer's UI plug-in the way the driver does.
#include "driver/plugin_loader.h"

#include "driver/driver_files.h"
#include "host_text.h"

namespace {

const WCHAR kIniSuffix[] = L".ini";
const WCHAR kOemFilesSection[] = L"OEMFiles";
const WCHAR kOemConfigKey[] = L"OEMConfigFile1";
const char kGetClassObjectExport[] = "DllGetClassObject";
const char kCanUnloadNowExport[] = "DllCanUnloadNow";
constexpr DWORD kProfileValueChars = 260;

typedef HRESULT(STDAPICALLTYPE *GetClassObjectFn)(REFCLSID, REFIID, void **);
typedef HRESULT(STDAPICALLTYPE *CanUnloadNowFn)();

bool EndsWithNoCase(const std::wstring &name, const WCHAR *suffix) {
    const size_t length = wcslen(suffix);
    return name.size() >= length && _wcsicmp(name.c_str() + name.size() - length, suffix) == 0;
}

std::wstring ReadPluginName(const std::wstring &ini) {
    WCHAR value[kProfileValueChars] = {};
    GetPrivateProfileStringW(kOemFilesSection, kOemConfigKey, L"", value, kProfileValueChars,
                             ini.c_str());
    return value;
}

std::string Failed(const char *what, HRESULT hr) {
    return std::string(what) + " failed: " + HexDword(static_cast<DWORD>(hr));
}

}  // namespace

PluginSession::~PluginSession() {
    LONG leaked = 0;
    Unload(&leaked);
}

bool PluginSession::Open(const std::wstring &printerName, std::string *error) {
    printerName_ = printerName;
    if (!printer_.Open(printerName.c_str(), 0)) {
        *error = "cannot open printer \"" + Utf8(printerName) + "\": " +
                 Win32ErrorText(GetLastError());
        return false;
    }
    return LoadPrinterModel(printer_.Get(), &model_, error) && FindPluginIni(error) &&
           CreateOemHeap(error) && LoadPluginLibrary(error) && CreatePlugin(error) &&
           PublishHelper(error);
}

bool PluginSession::CreateOemHeap(std::string *error) {
    heap_.Reset(HeapCreate(0, 0, 0));
    if (heap_.Get()) return true;
    *error = "cannot create the OEM heap: " + Win32ErrorText(GetLastError());
    return false;
}

bool PluginSession::FindPluginIni(std::string *error) {
    InstalledDriver driver;
    if (!ReadInstalledDriver(printer_.Get(), &driver, error)) return false;
    for (const std::wstring &file : driver.dependentFiles) {
        if (!EndsWithNoCase(file, kIniSuffix)) continue;
        const std::wstring plugin = ReadPluginName(file);
        if (plugin.empty()) continue;
        iniPath_ = file;
        pluginPath_ = JoinPath(FolderOf(file), plugin);
        return true;
    }
    *error = "no .ini among the dependent files of driver \"" + Utf8(driver.name) +
             "\" names a plug-in in [OEMFiles] OEMConfigFile1";
    return false;
}

bool PluginSession::LoadPluginLibrary(std::string *error) {
    library_.Reset(LoadLibraryExW(pluginPath_.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
    if (!library_.Get()) {
        *error = "cannot load plug-in " + Utf8(pluginPath_) + ": " + Win32ErrorText(GetLastError());
        return false;
    }
    canUnloadNow_ = library_.ExportAs<CanUnloadNowFn>(kCanUnloadNowExport);
    if (!canUnloadNow_) {
        *error = "plug-in " + Utf8(pluginPath_) + " does not export " + kCanUnloadNowExport;
        return false;
    }
    return true;
}

bool PluginSession::CreatePlugin(std::string *error) {
    auto getClassObject = library_.ExportAs<GetClassObjectFn>(kGetClassObjectExport);
    if (!getClassObject) {
        *error = "plug-in " + Utf8(pluginPath_) + " does not export " + kGetClassObjectExport;
        return false;
    }
    ComRef<IClassFactory> factory;
    HRESULT hr = getClassObject(CLSID_OEMUI, IID_IClassFactory, factory.Out());
    if (FAILED(hr) || !factory) {
        *error = Failed("DllGetClassObject(CLSID_OEMUI, IID_IClassFactory)", hr);
        return false;
    }
    ComRef<IUnknown> unknown;
    hr = factory->CreateInstance(nullptr, IID_IUnknown, unknown.Out());
    if (FAILED(hr) || !unknown) {
        *error = Failed("IClassFactory::CreateInstance(IID_IUnknown)", hr);
        return false;
    }
    hr = unknown->QueryInterface(IID_IPrintOemUI2, plugin_.Out());
    if (FAILED(hr) || !plugin_) {
        *error = Failed("QueryInterface(IID_IPrintOemUI2)", hr);
        return false;
    }
    return true;
}

bool PluginSession::PublishHelper(std::string *error) {
    helper_.Attach(HostDriverUI::Create());
    const HRESULT hr = plugin_->PublishDriverInterface(helper_.Get());
    if (FAILED(hr)) {
        *error = Failed("PublishDriverInterface(IPrintOemDriverUI)", hr);
        return false;
    }
    return true;
}

bool PluginSession::QueryInfoDword(DWORD mode, DWORD *value, std::string *error) {
    DWORD needed = 0;
    const HRESULT hr = plugin_->GetInfo(mode, value, sizeof(*value), &needed);
    if (FAILED(hr)) {
        *error = "GetInfo(" + std::to_string(mode) + ") failed: " +
                 HexDword(static_cast<DWORD>(hr)) + ", " + Win32ErrorText(GetLastError());
        return false;
    }
    if (needed != sizeof(*value)) {
        *error = "GetInfo(" + std::to_string(mode) + ") reports " + std::to_string(needed) +
                 " bytes instead of " + std::to_string(sizeof(*value));
        return false;
    }
    return true;
}

HRESULT PluginSession::Unload(LONG *leakedHelperRefs) {
    *leakedHelperRefs = 0;
    plugin_.Reset();
    if (helper_) *leakedHelperRefs = helper_->OutstandingReferences();
    helper_.Reset();
    const HRESULT canUnload = canUnloadNow_ ? canUnloadNow_() : S_OK;
    canUnloadNow_ = nullptr;
    library_.Reset(nullptr);
    heap_.Reset(nullptr);
    printer_.Reset(nullptr);
    return canUnload;
}
