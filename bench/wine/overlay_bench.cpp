// Figures of the overlay store under Wine, through the real profile
// functions on a full plug-in ini (32 definitions of three forms, ten
// history entries): the load when the Overlays dialog opens, the save of
// the staging copy on its OK, and the commit on the sheet's Apply; each
// against reading or writing the same keys with the profile functions
// directly.
#include "bench_table.h"
#include "core/dialog_utils.h"
#include "overlays/overlay_store.h"
#include "overlays/overlay_store_glue.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kRounds = 40;

struct IniKey {
    std::wstring section, key, value;
};

// Every key of one full copy of the store; `suffix` names the staging copy.
std::vector<IniKey> FullCopy(const std::wstring &suffix) {
    std::vector<IniKey> keys;
    const std::wstring set = L"OverlaySetting" + suffix;
    keys.push_back({set, L"Overlay_Num", std::to_wstring(kMaxOverlayDefinitions)});
    keys.push_back({set, L"History_Num", std::to_wstring(kMaxFormHistory)});
    for (unsigned i = 0; i < kMaxFormHistory; ++i)
        keys.push_back({set, L"History " + std::to_wstring(i), L"FORM" + std::to_wstring(i)});
    for (unsigned i = 0; i < kMaxOverlayDefinitions; ++i) {
        const std::wstring section = L"Overlay_Info" + suffix + L" " + std::to_wstring(i);
        keys.push_back({section, L"Overlay_Name", L"Overlay number " + std::to_wstring(i)});
        keys.push_back({section, L"PageMode", L"4"});
        keys.push_back({section, L"CustomPage", L"1,3,5-12,20-9999"});
        keys.push_back({section, L"Form_Num", L"3"});
        for (unsigned f = 0; f < kMaxOverlayForms; ++f)
            keys.push_back({section, L"Form_Name " + std::to_wstring(f), L"FORM" + std::to_wstring(f)});
    }
    return keys;
}

void WriteKeys(const std::vector<IniKey> &keys, const WCHAR *file) {
    for (const IniKey &k : keys)
        WritePrivateProfileStringW(k.section.c_str(), k.key.c_str(), k.value.c_str(), file);
}

void ReadKeys(const std::vector<IniKey> &keys, const WCHAR *file) {
    WCHAR value[MAX_PATH];
    for (const IniKey &k : keys)
        GetPrivateProfileStringW(k.section.c_str(), k.key.c_str(), L"", value, MAX_PATH, file);
}

void WriteFullIni(const WCHAR *file) {
    DeleteFileW(file);
    WriteKeys(FullCopy(L""), file);
}

std::wstring TempIni() {
    WCHAR folder[MAX_PATH];
    WCHAR file[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    GetTempFileNameW(folder, L"ovl", 0, file);
    return file;
}

}  // namespace

int wmain() {
    const std::wstring file = TempIni();
    const std::wstring raw = TempIni();
    WriteFullIni(file.c_str());
    WriteFullIni(raw.c_str());
    const std::vector<IniKey> committed = FullCopy(L"");
    const std::vector<IniKey> staging = FullCopy(L"_Sv");
    WriteKeys(staging, raw.c_str());
    PrinterDataWritable = 1;

    DocUiState state = {};
    state.pPluginIni = const_cast<WCHAR *>(file.c_str());
    bool loaded = true;
    InterleavedRounds rounds;
    // The store's three steps in order within a round: each starts from
    // what the one before left.
    const size_t load = rounds.Add([&] {
        state.dwOverlayState = kOverlayStateFresh;
        const double us = TimeOnce([&] { OpenOverlayWorkingSet(&state); });
        loaded = loaded && state.pOverlaySet && state.pOverlaySet->cDefined == kMaxOverlayDefinitions;
        return us;
    });
    const size_t stage = rounds.Add([&] {
        state.dwOverlayState = kOverlayStateStaged;
        const double us = TimeOnce([&] { SaveOverlayWorkingSet(&state); });
        ReleaseOverlayWorkingSet(&state);
        return us;
    });
    const size_t commit = rounds.Add([&] { return TimeOnce([&] { CommitOverlayStore(&state); }); });
    const size_t reads = rounds.Add([&] { return TimeOnce([&] { ReadKeys(committed, raw.c_str()); }); });
    const size_t writes =
        rounds.Add([&] { return TimeOnce([&] { WriteKeys(staging, raw.c_str()); }); });
    const size_t both = rounds.Add([&] {
        return TimeOnce([&] {
            ReadKeys(staging, raw.c_str());
            WriteKeys(committed, raw.c_str());
        });
    });
    rounds.Run(kRounds);
    DeleteFileW(file.c_str());
    DeleteFileW(raw.c_str());
    if (!loaded) {
        fprintf(stderr, "overlay_bench: the full ini did not load\n");
        return 1;
    }
    const std::string keys = std::to_string(committed.size()) + " keys";
    PrintBenchHeader();
    PrintBenchRow("overlay store load, 32 definitions", rounds, load,
                  "GetPrivateProfileStringW of its " + keys, reads, 0);
    PrintBenchRow("overlay store stage", rounds, stage, "WritePrivateProfileStringW of " + keys,
                  writes, 0);
    PrintBenchRow("overlay store commit", rounds, commit, "the same reads, then writes", both, 0);
    return 0;
}
