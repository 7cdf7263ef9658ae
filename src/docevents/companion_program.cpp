#include "docevents/companion_program.h"

#include "core/driver_config.h"

namespace {

// No busy cursor for the application and no console of its own.
constexpr DWORD kStartupFlags = STARTF_FORCEOFFFEEDBACK;
constexpr DWORD kStartupFillAttribute = 0x88;
constexpr DWORD kCreationFlags = CREATE_NO_WINDOW;

}  // namespace

void StartCompanionProgram(const WCHAR *programName, WCHAR *commandLine) {
    if (!programName[0]) return;
    WCHAR path[kSideLibraryPathBytes / sizeof(WCHAR)];
    DWORD bytes = kSideLibraryPathBytes;
    if (!BuildDriverFilePath(path, &bytes, programName)) return;
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = kStartupFlags;
    startup.dwFillAttribute = kStartupFillAttribute;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(path, commandLine, nullptr, nullptr, FALSE, kCreationFlags, nullptr,
                        nullptr, &startup, &process))
        return;
    // Nothing here waits for the program or speaks to it.
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}
