// Median cost of each DevMode call on the sample printer under Wine, next
// to a lower bound made of what any record operation must at least do:
// read the driver's files, read the plug-in ini and load the encryption
// library once.
#include "core/platform_oem.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

const WCHAR kPrinter[] = L"SX Color 4200 PS";
const WCHAR kPluginName[] = L"sxoemui.dll";
constexpr int kRounds = 200;
constexpr DWORD kRecordBytes = 4052;

double Ticks() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart);
}

double TicksPerMicrosecond() {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(frequency.QuadPart) / 1e6;
}

template <typename Fn>
double MedianMicroseconds(Fn &&work) {
    std::vector<double> samples;
    samples.reserve(kRounds);
    const double scale = TicksPerMicrosecond();
    for (int i = 0; i < kRounds; ++i) {
        const double start = Ticks();
        work();
        samples.push_back((Ticks() - start) / scale);
    }
    std::nth_element(samples.begin(), samples.begin() + kRounds / 2, samples.end());
    return samples[kRounds / 2];
}

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

double BoundMicroseconds(HANDLE printer) {
    const std::wstring ini = DriverFile(L"sxc4200.ini");
    const std::wstring crypto = DriverFile(L"sxcrypt.dll");
    std::vector<BYTE> driverInfo(16384);
    return MedianMicroseconds([&] {
        DWORD needed = 0;
        GetPrinterDriverW(printer, nullptr, 3, driverInfo.data(),
                          static_cast<DWORD>(driverInfo.size()), &needed);
        WCHAR value[129];
        GetPrivateProfileStringW(L"OEMFiles", L"OEMConfigFile1", L"", value, 129, ini.c_str());
        HMODULE library = LoadLibraryW(crypto.c_str());
        if (library) FreeLibrary(library);
    });
}

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
    const double bound = BoundMicroseconds(printer);
    std::printf("lower bound (GetPrinterDriverW level 3 + GetPrivateProfileStringW + load/free "
                "of the encryption library): %.1f us\n",
                bound);
    for (const Mode &m : modes) {
        const double us = MedianMicroseconds([&] {
            param.cbBufSize = kRecordBytes;
            plugin->DevMode(m.mode, &param);
        });
        std::printf("DevMode %-8s median %8.1f us  ratio to bound %.2f\n", m.name, us, us / bound);
    }
    plugin->Release();
    ClosePrinter(printer);
    FreeLibrary(module);
    return 0;
}
