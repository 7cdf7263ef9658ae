#include "support/wine_test_support.h"

#include "driver/driver_files.h"
#include "install/printer_install.h"

const WCHAR kSamplePrinter[] = L"SX Color 4200 PS";

namespace {

const WCHAR kDescriptionFileName[] = L"sxc4200.ppd";

const WCHAR kPluginFileName[] = L"sxoemui.dll";
constexpr DWORD kDriverHostTimeoutMs = 60000;

std::string ReadPipe(HANDLE pipe) {
    std::string text;
    char chunk[4096];
    DWORD got = 0;
    while (ReadFile(pipe, chunk, sizeof(chunk), &got, nullptr) && got) text.append(chunk, got);
    return text;
}

}  // namespace

std::wstring DriverFilesFolder() {
    std::string error;
    return DriverFilesFolder(&error);
}

std::wstring DriverFilePath(const std::wstring &file) { return DriverFilesFolder() + L"\\" + file; }

void WriteDriverProfile(const std::wstring &file, const WCHAR *section, const WCHAR *key,
                        const WCHAR *value) {
    WritePrivateProfileStringW(section, key, value, DriverFilePath(file).c_str());
}

PluginLibrary::PluginLibrary()
    : module_(LoadLibraryW((ExeDirectory() + L"\\" + kPluginFileName).c_str())),
      getClassObject_(module_.ExportAs<decltype(getClassObject_)>("DllGetClassObject")),
      canUnloadNow_(module_.ExportAs<decltype(canUnloadNow_)>("DllCanUnloadNow")) {}

IPrintOemUI2 *PluginLibrary::CreatePlugin() const {
    ComRef<IClassFactory> factory;
    ComRef<IUnknown> unknown;
    if (FAILED(GetClassObject(CLSID_OEMUI, IID_IClassFactory, factory.Out())) ||
        FAILED(factory->CreateInstance(nullptr, IID_IUnknown, unknown.Out())))
        return nullptr;
    IPrintOemUI2 *plugin = nullptr;
    unknown->QueryInterface(IID_IPrintOemUI2, reinterpret_cast<void **>(&plugin));
    return plugin;
}

TestPrinter::TestPrinter(const std::wstring &name, const std::vector<std::wstring> &dependentFiles)
    : name_(name) {
    std::vector<std::wstring> paths;
    for (const std::wstring &file : dependentFiles) paths.push_back(DriverFilePath(file));
    // Wine's spooler loads a configuration file that is a library as the
    // driver's UI and calls into it; the description file keeps it out.
    const std::wstring mainFile = DriverFilePath(kDescriptionFileName);
    std::string error;
    if (!AddSpoolerDriver({name_, mainFile, mainFile, paths}, &error)) return;
    // A printer an earlier run left behind serves as well.
    AddSpoolerPrinter(name_, name_, L"", &error);
    installed_ = PrinterHandle(name_.c_str()).Get() != nullptr;
}

TestPrinter::~TestPrinter() {
    SpoolerPrinter printer;
    if (printer.Open(name_.c_str(), PRINTER_ALL_ACCESS)) DeletePrinter(printer.Get());
    DeletePrinterDriverW(nullptr, nullptr, const_cast<WCHAR *>(name_.c_str()));
}

DriverHostRun RunDriverHost(const std::wstring &arguments) {
    DriverHostRun run;
    SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
    HANDLE readHandle = nullptr, writeHandle = nullptr;
    if (!CreatePipe(&readHandle, &writeHandle, &inherit, 0)) return run;
    UniqueHandle readEnd(readHandle), writeEnd(writeHandle);
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
    UniqueHandle thread(process.hThread), child(process.hProcess);
    writeEnd.Reset(nullptr);
    run.output = ReadPipe(readEnd.Get());
    WaitForSingleObject(child.Get(), kDriverHostTimeoutMs);
    GetExitCodeProcess(child.Get(), &run.exitCode);
    return run;
}
