// Figures of the overlay store under Wine, through the real profile
// functions on a full plug-in ini (32 definitions of three forms, ten
// history entries): the load when the Overlays dialog opens, the save of
// the staging copy on its OK, and the commit on the sheet's Apply.
#include "core/dialog_utils.h"
#include "overlays/overlay_store.h"
#include "overlays/overlay_store_glue.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kRounds = 20;

double Microseconds() {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart) * 1e6 / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> samples) {
    std::nth_element(samples.begin(), samples.begin() + samples.size() / 2, samples.end());
    return samples[samples.size() / 2];
}

void WriteFullIni(const WCHAR *file) {
    DeleteFileW(file);
    auto write = [file](const std::wstring &section, const std::wstring &key, const std::wstring &value) {
        WritePrivateProfileStringW(section.c_str(), key.c_str(), value.c_str(), file);
    };
    write(L"OverlaySetting", L"Overlay_Num", std::to_wstring(kMaxOverlayDefinitions));
    write(L"OverlaySetting", L"History_Num", std::to_wstring(kMaxFormHistory));
    for (unsigned i = 0; i < kMaxFormHistory; ++i)
        write(L"OverlaySetting", L"History " + std::to_wstring(i), L"FORM" + std::to_wstring(i));
    for (unsigned i = 0; i < kMaxOverlayDefinitions; ++i) {
        const std::wstring section = L"Overlay_Info " + std::to_wstring(i);
        write(section, L"Overlay_Name", L"Overlay number " + std::to_wstring(i));
        write(section, L"PageMode", L"4");
        write(section, L"CustomPage", L"1,3,5-12,20-9999");
        write(section, L"Form_Num", L"3");
        for (unsigned f = 0; f < kMaxOverlayForms; ++f)
            write(section, L"Form_Name " + std::to_wstring(f), L"FORM" + std::to_wstring(f));
    }
}

}  // namespace

int wmain() {
    WCHAR folder[MAX_PATH];
    WCHAR file[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    GetTempFileNameW(folder, L"ovl", 0, file);
    WriteFullIni(file);
    PrinterDataWritable = 1;

    DocUiState state = {};
    state.pPluginIni = file;
    std::vector<double> load, stage, commit;
    for (int round = 0; round < kRounds; ++round) {
        state.dwOverlayState = kOverlayStateFresh;
        double start = Microseconds();
        const bool opened = OpenOverlayWorkingSet(&state);
        load.push_back(Microseconds() - start);
        if (!opened || state.pOverlaySet->cDefined != kMaxOverlayDefinitions) {
            fprintf(stderr, "overlay_bench: the full ini did not load\n");
            return 1;
        }
        state.dwOverlayState = kOverlayStateStaged;
        start = Microseconds();
        SaveOverlayWorkingSet(&state);
        stage.push_back(Microseconds() - start);
        ReleaseOverlayWorkingSet(&state);
        start = Microseconds();
        CommitOverlayStore(&state);
        commit.push_back(Microseconds() - start);
    }
    DeleteFileW(file);
    printf("overlay store, 32 definitions, median of %d: load %.0f us, stage %.0f us, "
           "commit %.0f us\n",
           kRounds, Median(load), Median(stage), Median(commit));
    return 0;
}
