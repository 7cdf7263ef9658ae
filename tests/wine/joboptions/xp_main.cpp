// The program runs its tests on a system of major version 5 with a minor
// version above 0, where the JOB PIN dialog offers the ask-for-name box and
// warns about shared printers. Wine reports the version its AppDefaults
// name for the program's file: the program names it and runs itself again.
#include "core/win_holders.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

const WCHAR kAppDefaults[] = L"Software\\Wine\\AppDefaults\\";
const WCHAR kVersionValue[] = L"Version";
const WCHAR kSystemVersion[] = L"winxp64";
// Set for the second run, which must not start a third.
const WCHAR kSecondRun[] = L"SX_VERSION_SECOND_RUN";
constexpr DWORD kWantedMajor = 5;

bool RunsAsWanted() {
    OSVERSIONINFOW version = {};
    version.dwOSVersionInfoSize = sizeof(version);
    return GetVersionExW(&version) && version.dwMajorVersion == kWantedMajor &&
           version.dwMinorVersion > 0;
}

std::wstring ProgramFileName() {
    WCHAR path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::wstring full(path, length);
    return full.substr(full.find_last_of(L'\\') + 1);
}

bool NameTheSystemVersion() {
    const std::wstring name = kAppDefaults + ProgramFileName();
    RegistryKey key;
    return RegCreateKeyExW(HKEY_CURRENT_USER, name.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                           key.Receive(), nullptr) == ERROR_SUCCESS &&
           RegSetValueExW(key.Get(), kVersionValue, 0, REG_SZ, reinterpret_cast<const BYTE *>(kSystemVersion),
                          sizeof(kSystemVersion)) == ERROR_SUCCESS;
}

// The same program with the same command line; its exit status.
int RunAgain() {
    std::wstring commandLine = GetCommandLineW();
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                        &startup, &process))
        return static_cast<int>(GetLastError());
    const UniqueHandle thread(process.hThread), running(process.hProcess);
    WaitForSingleObject(running.Get(), INFINITE);
    DWORD status = 1;
    GetExitCodeProcess(running.Get(), &status);
    return static_cast<int>(status);
}

}  // namespace

int main(int argc, char **argv) {
    if (!RunsAsWanted()) {
        if (GetEnvironmentVariableW(kSecondRun, nullptr, 0)) {
            fprintf(stderr, "the system version named for this program was not taken\n");
            return 1;
        }
        if (!NameTheSystemVersion()) return 1;
        SetEnvironmentVariableW(kSecondRun, L"1");
        return RunAgain();
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
