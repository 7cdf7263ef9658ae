// Median cost of each DevMode call on the sample printer under Wine, next
// to a lower bound made of what any record operation must at least do:
// read the driver's files, read the plug-in ini and load the encryption
// library once.
#include "bench_table.h"
#include "core/platform_oem.h"

#include <string>
#include <vector>

namespace {

const WCHAR kPrinter[] = L"SX Color 4200 PS";
const WCHAR kPluginName[] = L"sxoemui.dll";
constexpr int kRounds = 400;
constexpr DWORD kRecordBytes = 4052;
constexpr double kTargetRatio = 1.2;

std::wstring ExeFolder() {
    WCHAR path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring text(path, length);
    return text.substr(0, text.find_last_of(L'\\'));
}

std::wstring DriverFile(const WCHAR *name) {
    WCHAR dir[MAX_PATH];
    DWORD needed;
    GetPrinterDriverDirectoryW(nullptr, nullptr, 1, reinterpret_cast<BYTE *>(dir), sizeof(dir),
                               &needed);
    return std::wstring(dir) + L"\\3\\" + name;
}

IPrintOemUI2 *CreatePlugin(HMODULE module) {
    auto getClassObject = reinterpret_cast<HRESULT(STDAPICALLTYPE *)(REFCLSID, REFIID, void **)>(
        reinterpret_cast<void *>(GetProcAddress(module, "DllGetClassObject")));
    if (!getClassObject) return nullptr;
    IClassFactory *factory = nullptr;
    if (FAILED(getClassObject(CLSID_OEMUI, IID_IClassFactory, reinterpret_cast<void **>(&factory))))
        return nullptr;
    IPrintOemUI2 *plugin = nullptr;
    factory->CreateInstance(nullptr, IID_IPrintOemUI2, reinterpret_cast<void **>(&plugin));
    factory->Release();
    return plugin;
}

// What any record operation must at least do: read the driver's files, read
// the plug-in ini and load the encryption library once.
struct LowerBound {
    HANDLE printer;
    std::wstring ini = DriverFile(L"sxc4200.ini");
    std::wstring crypto = DriverFile(L"sxcrypt.dll");
    std::vector<BYTE> driverInfo = std::vector<BYTE>(16384);

    void operator()() {
        DWORD needed = 0;
        GetPrinterDriverW(printer, nullptr, 3, driverInfo.data(),
                          static_cast<DWORD>(driverInfo.size()), &needed);
        WCHAR value[129];
        GetPrivateProfileStringW(L"OEMFiles", L"OEMConfigFile1", L"", value, 129, ini.c_str());
        HMODULE library = LoadLibraryW(crypto.c_str());
        if (library) FreeLibrary(library);
    }
};

}  // namespace

int wmain() {
    HMODULE module = LoadLibraryW((ExeFolder() + L"\\" + kPluginName).c_str());
    HANDLE printer = nullptr;
    if (!module || !OpenPrinterW(const_cast<WCHAR *>(kPrinter), &printer, nullptr)) {
        std::fprintf(stderr, "devmode_bench: needs the plug-in and the installed sample printer\n");
        return 1;
    }
    IPrintOemUI2 *plugin = CreatePlugin(module);
    if (!plugin) {
        std::fprintf(stderr, "devmode_bench: the plug-in object could not be created\n");
        return 1;
    }

    std::vector<BYTE> in(kRecordBytes), out(kRecordBytes);
    OEMDMPARAM param = {};
    param.cbSize = sizeof(param);
    param.hPrinter = printer;
    param.hModule = module;
    param.pOEMDMIn = in.data();
    param.pOEMDMOut = out.data();
    param.cbBufSize = kRecordBytes;
    plugin->DevMode(OEMDM_DEFAULT, &param);
    in = out;

    struct Mode {
        const char *name;
        DWORD mode;
    } modes[] = {{"SIZE", OEMDM_SIZE}, {"DEFAULT", OEMDM_DEFAULT}, {"CONVERT", OEMDM_CONVERT},
                 {"MERGE", OEMDM_MERGE}};
    InterleavedRounds rounds;
    LowerBound bound{printer};
    const size_t boundProbe = rounds.Add([&] { return TimeOnce(bound); });
    std::vector<size_t> modeProbes;
    for (const Mode &m : modes) {
        modeProbes.push_back(rounds.Add([&param, &plugin, m] {
            return TimeOnce([&] {
                param.cbBufSize = kRecordBytes;
                plugin->DevMode(m.mode, &param);
            });
        }));
    }
    rounds.Run(kRounds);

    PrintBenchHeader();
    // One GetPrinterDriverW level 3, one GetPrivateProfileStringW and one
    // load and free of the encryption library.
    const char *reference = "driver info + ini read + crypto library";
    for (size_t i = 0; i < ARRAYSIZE(modes); ++i) {
        const bool timedMode = modes[i].mode != OEMDM_SIZE;
        PrintBenchRow(std::string("DevMode ") + modes[i].name, rounds, modeProbes[i], reference,
                      boundProbe, timedMode ? kTargetRatio : 0);
    }
    plugin->Release();
    ClosePrinter(printer);
    FreeLibrary(module);
    return 0;
}
