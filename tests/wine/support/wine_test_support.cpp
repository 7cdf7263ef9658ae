#include "support/wine_test_support.h"

const WCHAR kSamplePrinter[] = L"SX Color 4200 PS";

namespace {

const WCHAR kDescriptionFileName[] = L"sxc4200.ppd";

const WCHAR kPluginFileName[] = L"sxoemui.dll";
const WCHAR kTestPort[] = L"FILE:";
const WCHAR kPrintProcessor[] = L"WinPrint";
const WCHAR kDatatype[] = L"RAW";
constexpr DWORD kDriverVersion = 3;

template <typename Fn>
Fn ExportAs(HMODULE module, const char *name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void *>(GetProcAddress(module, name)));
}

std::vector<WCHAR> MultiString(const std::vector<std::wstring> &names) {
    std::vector<WCHAR> list;
    for (const std::wstring &name : names) {
        list.insert(list.end(), name.begin(), name.end());
        list.push_back(0);
    }
    list.push_back(0);
    return list;
}

}  // namespace

std::wstring DriverFilesFolder() {
    WCHAR dir[MAX_PATH] = {};
    DWORD needed = 0;
    GetPrinterDriverDirectoryW(nullptr, nullptr, 1, reinterpret_cast<BYTE *>(dir), sizeof(dir),
                               &needed);
    std::wstring folder = std::wstring(dir) + L"\\3";
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

std::wstring DriverFilePath(const std::wstring &file) { return DriverFilesFolder() + L"\\" + file; }

void WriteDriverProfile(const std::wstring &file, const WCHAR *section, const WCHAR *key,
                        const WCHAR *value) {
    WritePrivateProfileStringW(section, key, value, DriverFilePath(file).c_str());
}

PluginLibrary::PluginLibrary()
    : module_(LoadLibraryW((ExeDirectory() + L"\\" + kPluginFileName).c_str())) {
    if (!module_) return;
    getClassObject_ = ExportAs<decltype(getClassObject_)>(module_, "DllGetClassObject");
    canUnloadNow_ = ExportAs<decltype(canUnloadNow_)>(module_, "DllCanUnloadNow");
}

PluginLibrary::~PluginLibrary() {
    if (module_) FreeLibrary(module_);
}

HRESULT PluginLibrary::GetClassObject(REFCLSID clsid, REFIID iid, void **ppv) const {
    return getClassObject_ ? getClassObject_(clsid, iid, ppv) : E_UNEXPECTED;
}

HRESULT PluginLibrary::CanUnloadNow() const {
    return canUnloadNow_ ? canUnloadNow_() : E_UNEXPECTED;
}

IPrintOemUI2 *PluginLibrary::CreatePlugin() const {
    IClassFactory *factory = nullptr;
    if (FAILED(GetClassObject(CLSID_OEMUI, IID_IClassFactory, reinterpret_cast<void **>(&factory))))
        return nullptr;
    IUnknown *unknown = nullptr;
    const HRESULT created =
        factory->CreateInstance(nullptr, IID_IUnknown, reinterpret_cast<void **>(&unknown));
    factory->Release();
    if (FAILED(created)) return nullptr;
    IPrintOemUI2 *plugin = nullptr;
    unknown->QueryInterface(IID_IPrintOemUI2, reinterpret_cast<void **>(&plugin));
    unknown->Release();
    return plugin;
}

PrinterHandle::PrinterHandle(const WCHAR *name) {
    if (!OpenPrinterW(const_cast<WCHAR *>(name), &handle_, nullptr)) handle_ = nullptr;
}

PrinterHandle::~PrinterHandle() {
    if (handle_) ClosePrinter(handle_);
}

TestPrinter::TestPrinter(const std::wstring &name, const std::vector<std::wstring> &dependentFiles)
    : name_(name) {
    std::vector<std::wstring> paths;
    for (const std::wstring &file : dependentFiles) paths.push_back(DriverFilePath(file));
    std::vector<WCHAR> list = MultiString(paths);
    // Wine's spooler loads a configuration file that is a library as the
    // driver's UI and calls into it; the description file keeps it out.
    const std::wstring mainFile = DriverFilePath(kDescriptionFileName);

    DRIVER_INFO_3W driver = {};
    driver.cVersion = kDriverVersion;
    driver.pName = const_cast<WCHAR *>(name_.c_str());
    driver.pDriverPath = const_cast<WCHAR *>(mainFile.c_str());
    driver.pDataFile = const_cast<WCHAR *>(mainFile.c_str());
    driver.pConfigFile = const_cast<WCHAR *>(mainFile.c_str());
    driver.pDependentFiles = list.data();
    if (!AddPrinterDriverExW(nullptr, 3, reinterpret_cast<BYTE *>(&driver), APD_COPY_NEW_FILES))
        return;

    PRINTER_INFO_2W printer = {};
    printer.pPrinterName = const_cast<WCHAR *>(name_.c_str());
    printer.pPortName = const_cast<WCHAR *>(kTestPort);
    printer.pDriverName = const_cast<WCHAR *>(name_.c_str());
    printer.pPrintProcessor = const_cast<WCHAR *>(kPrintProcessor);
    printer.pDatatype = const_cast<WCHAR *>(kDatatype);
    HANDLE handle = AddPrinterW(nullptr, 2, reinterpret_cast<BYTE *>(&printer));
    if (handle) ClosePrinter(handle);
    PrinterHandle check(name_.c_str());
    installed_ = check.Get() != nullptr;
}

TestPrinter::~TestPrinter() {
    HANDLE handle = nullptr;
    PRINTER_DEFAULTSW access = {nullptr, nullptr, PRINTER_ALL_ACCESS};
    if (OpenPrinterW(const_cast<WCHAR *>(name_.c_str()), &handle, &access)) {
        DeletePrinter(handle);
        ClosePrinter(handle);
    }
    DeletePrinterDriverW(nullptr, nullptr, const_cast<WCHAR *>(name_.c_str()));
}

namespace {

constexpr DWORD kDriverHostTimeoutMs = 60000;

class PipeEnd {
public:
    PipeEnd() = default;
    ~PipeEnd() { Reset(); }
    PipeEnd(const PipeEnd &) = delete;
    PipeEnd &operator=(const PipeEnd &) = delete;
    HANDLE *Put() { return &handle_; }
    HANDLE Get() const { return handle_; }
    void Reset() {
        if (handle_) CloseHandle(handle_);
        handle_ = nullptr;
    }

private:
    HANDLE handle_ = nullptr;
};

std::string ReadPipe(HANDLE pipe) {
    std::string text;
    char chunk[4096];
    DWORD got = 0;
    while (ReadFile(pipe, chunk, sizeof(chunk), &got, nullptr) && got) text.append(chunk, got);
    return text;
}

}  // namespace

DriverHostRun RunDriverHost(const std::wstring &arguments) {
    DriverHostRun run;
    SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
    PipeEnd readEnd, writeEnd;
    if (!CreatePipe(readEnd.Put(), writeEnd.Put(), &inherit, 0)) return run;
    SetHandleInformation(readEnd.Get(), HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = writeEnd.Get();
    startup.hStdError = writeEnd.Get();
    std::wstring commandLine = L"\"" + ExeDirectory() + L"\\drvhost.exe\" " + arguments;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                        &process))
        return run;
    writeEnd.Reset();
    run.output = ReadPipe(readEnd.Get());
    WaitForSingleObject(process.hProcess, kDriverHostTimeoutMs);
    GetExitCodeProcess(process.hProcess, &run.exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return run;
}
