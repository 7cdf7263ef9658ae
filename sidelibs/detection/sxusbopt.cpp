// The USB option-detection library: reads the printer on its USB port
// (here: its answers file), then leaves what it reports in "sxusbopt.dat"
// in the user's application-data folder, with the storage device among
// the "Installed" flags and the memory as text under "RAM".
#include "core/cxx_runtime.h"
#include "printer_answers.h"

#include <shlobj.h>

namespace {

HMODULE thisLibrary;

const char kDataFileName[] = "\\sxusbopt.dat";
const char kReadableAnswer[] = "USBReadable";
const char kInstalledKey[] = "Installed";
const char kStorageAnswer[] = "SD Card";
const char kMemoryAnswer[] = "Random Access Memory";
const char kMemoryKey[] = "RAM";
constexpr UINT kStorageFlag = 0x100;
const char *const kUsbKeys[] = {"PunchType", "JobLimitationMode", "SpotColor"};

}  // namespace

extern "C" {

DWORD WINAPI ReadPrinterOptionUSB(const char *printerName) {
    return PrinterAnswers(thisLibrary, printerName).Behaviour(kReadableAnswer);
}

DWORD WINAPI ReadPrinterOptionUSB2(const char *printerName) {
    const PrinterAnswers answers(thisLibrary, printerName);
    char folder[MAX_PATH] = "";
    if (!answers.Known() || !SHGetSpecialFolderPathA(nullptr, folder, CSIDL_APPDATA, TRUE)) return 0;
    const std::string dataFile = std::string(folder) + kDataFileName;
    CopyAnswers(answers, dataFile.c_str(), printerName, kUsbKeys,
                sizeof(kUsbKeys) / sizeof(kUsbKeys[0]));
    UINT installed = answers.Number(kInstalledKey);
    if (answers.Number(kStorageAnswer)) installed |= kStorageFlag;
    WriteDataValue(dataFile.c_str(), printerName, kInstalledKey, std::to_string(installed));
    WriteDataValue(dataFile.c_str(), printerName, kMemoryKey, answers.Text(kMemoryAnswer));
    CutDataFile(answers, dataFile.c_str());
    return 1;
}

}  // extern "C"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID processExiting) {
    if (reason == DLL_PROCESS_ATTACH) thisLibrary = instance;
    if (reason == DLL_PROCESS_DETACH) ReleaseCxxRuntimeOnUnload(processExiting);
    return TRUE;
}
