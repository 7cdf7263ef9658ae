// The network option-detection library: asks the printer over the network
// (here: its answers file) and leaves what it reports in a data file in
// the user's temporary folder.
#include "core/cxx_runtime.h"
#include "printer_answers.h"

#include <cstring>

namespace {

HMODULE thisLibrary;

const char kDataFileName[] = "sxnetopt.dat";
const char kCapabilityAnswer[] = "NetworkDetection";
const char kPortAnswer[] = "PortReachable";
const char kReadAnswer[] = "ReadAnswer";
const char kLeavesDataFile[] = "LeavesDataFile";
const char *const kNetworkKeys[] = {"Installed",  "Random Access Memory", "SD Card",
                                    "PunchType",  "JobLimitationMode",    "SpotColor"};

std::string DataFilePath() {
    char folder[MAX_PATH] = "";
    const DWORD length = GetTempPathA(MAX_PATH, folder);
    if (!length || length >= MAX_PATH) return {};
    return std::string(folder) + kDataFileName;
}

}  // namespace

extern "C" {

DWORD WINAPI GetNetextCapability(const char *printerName) {
    return PrinterAnswers(thisLibrary, printerName).Behaviour(kCapabilityAnswer);
}

DWORD WINAPI IsValidPort(const char *printerName) {
    return PrinterAnswers(thisLibrary, printerName).Behaviour(kPortAnswer);
}

// The flags say who asks (the push button or a page activation); the
// printer answers the same to both.
DWORD WINAPI ReadPrinterOptionFlag32(const char *printerName, HWND, DWORD, DWORD, DWORD) {
    const PrinterAnswers answers(thisLibrary, printerName);
    const DWORD result = answers.Behaviour(kReadAnswer);
    const std::string dataFile = DataFilePath();
    if (!result || dataFile.empty()) return 0;
    if (!answers.Behaviour(kLeavesDataFile)) {
        DeleteFileA(dataFile.c_str());
        return result;
    }
    CopyAnswers(answers, dataFile.c_str(), printerName, kNetworkKeys,
                sizeof(kNetworkKeys) / sizeof(kNetworkKeys[0]));
    CutDataFile(answers, dataFile.c_str());
    return result;
}

DWORD WINAPI GetDataFileName(const char *printerName, char *buffer, DWORD bytes) {
    if (!printerName || !buffer) return 0;
    const std::string dataFile = DataFilePath();
    if (dataFile.empty() || dataFile.size() + 1 > bytes) return 0;
    memcpy(buffer, dataFile.c_str(), dataFile.size() + 1);
    return 1;
}

}  // extern "C"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID processExiting) {
    if (reason == DLL_PROCESS_ATTACH) thisLibrary = instance;
    if (reason == DLL_PROCESS_DETACH) ReleaseCxxRuntimeOnUnload(processExiting);
    return TRUE;
}
