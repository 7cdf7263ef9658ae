// Median cost of the job-start document event on the sample printer under
// Wine (it runs on the application's printing thread for every job), next
// to a lower bound made of what the hook must at least do: read the
// driver's files and the model's two keys, load and free the
// job-information library, read the printer and make the job's two objects.
#include "support/wine_test_support.h"

#include <winddiui.h>
#include <winspool.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kRounds = 200;
constexpr DWORD kFirstJobId = 0x00B00000;

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

double Median(std::vector<double> samples) {
    std::nth_element(samples.begin(), samples.begin() + samples.size() / 2, samples.end());
    return samples[samples.size() / 2];
}

// Times the two kinds of work in turn, round by round, so that the load of
// a shared machine weighs on both alike.
template <typename Fn, typename Gn>
void MedianMicroseconds(Fn &&first, Gn &&second, double *firstMedian, double *secondMedian) {
    std::vector<double> a, b;
    const double scale = TicksPerMicrosecond();
    for (int i = 0; i < kRounds; ++i) {
        double start = Ticks();
        first(i);
        a.push_back((Ticks() - start) / scale);
        start = Ticks();
        second(i);
        b.push_back((Ticks() - start) / scale);
    }
    *firstMedian = Median(a);
    *secondMedian = Median(b);
}

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
    double startDoc = 0, bound = 0;
    MedianMicroseconds(
        [&](int round) {
            LONG jobId = static_cast<LONG>(kFirstJobId + round);
            plugin->DocumentEvent(printer.Get(), nullptr, DOCUMENTEVENT_STARTDOCPOST,
                                  sizeof(jobId), &jobId, 0, nullptr, nullptr);
        },
        PlatformWork(printer.Get()), &startDoc, &bound);
    std::printf("document events, median of %d rounds under Wine:\n", kRounds);
    std::printf("  STARTDOCPOST, name published    %8.1f us\n", startDoc);
    std::printf("  its platform work, lower bound  %8.1f us\n", bound);
    plugin->Release();
    return 0;
}
