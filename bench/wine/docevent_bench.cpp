// Median cost of the job-start document event on the sample printer under
// Wine (it runs on the application's printing thread for every job), next
// to a lower bound made of what the hook must at least do: read the
// driver's files and the model's two keys, load and free the
// job-information library, read the printer and make the job's two objects.
#include "bench_table.h"
#include "support/wine_test_support.h"

#include <winddiui.h>
#include <winspool.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kRounds = 200;
constexpr DWORD kFirstJobId = 0x00B00000;

// What the hook cannot avoid doing for a job.
class PlatformWork {
public:
    explicit PlatformWork(HANDLE printer)
        : printer_(printer), cap_(DriverFilePath(L"sxc4200.cap")),
          library_(DriverFilePath(L"sxjobinf.dll")), info_(16384) {}
    void operator()(int round) {
        DWORD needed = 0;
        const DWORD bytes = static_cast<DWORD>(info_.size());
        GetPrinterDriverW(printer_, nullptr, 3, info_.data(), bytes, &needed);
        GetPrinterDriverW(printer_, nullptr, 1, info_.data(), bytes, &needed);
        WCHAR value[MAX_PATH];
        GetPrivateProfileStringW(L"Capability", L"SX Color 4200 PS", L"", value, MAX_PATH,
                                 cap_.c_str());
        GetPrivateProfileStringW(L"SXC4200", L"JobInfoDLL", L"", value, MAX_PATH, cap_.c_str());
        FreeLibrary(LoadLibraryW(library_.c_str()));
        GetPrinterW(printer_, 2, info_.data(), bytes, &needed);
        const std::wstring name = L"Local\\sxbench" + std::to_wstring(round);
        CloseHandle(CreateMutexW(nullptr, TRUE, (name + L"B").c_str()));
        CloseHandle(CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 122,
                                       (name + L"A").c_str()));
    }

private:
    HANDLE printer_;
    std::wstring cap_;
    std::wstring library_;
    std::vector<BYTE> info_;
};

}  // namespace

int wmain() {
    PluginLibrary library;
    IPrintOemUI2 *plugin = library.CreatePlugin();
    const PrinterHandle printer(kSamplePrinter);
    if (!plugin || !printer.Get()) {
        std::fprintf(stderr, "cannot load the plug-in or open the sample printer\n");
        return 1;
    }
    int round = 0;
    PlatformWork platformWork(printer.Get());
    InterleavedRounds rounds;
    const size_t startDoc = rounds.Add([&] {
        LONG jobId = static_cast<LONG>(kFirstJobId + round);
        return TimeOnce([&] {
            plugin->DocumentEvent(printer.Get(), nullptr, DOCUMENTEVENT_STARTDOCPOST, sizeof(jobId),
                                  &jobId, 0, nullptr, nullptr);
        });
    });
    const size_t bound = rounds.Add([&] { return TimeOnce([&] { platformWork(round++); }); });
    rounds.Run(kRounds);
    PrintBenchHeader();
    PrintBenchRow("document event STARTDOCPOST, name published", rounds, startDoc,
                  "its platform work, lower bound", bound, 0);
    plugin->Release();
    return 0;
}
