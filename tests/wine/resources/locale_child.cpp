#include "resources/locale_child.h"

#include "core/win_holders.h"

#include <cstdio>
#include <cwchar>
#include <memory>

namespace {

const WCHAR kReportVariable[] = L"SX_CHILD_REPORT";
const WCHAR kLoaderVariable[] = L"WINELOADER";
const WCHAR kStatusSuffix[] = L"-status";
const WCHAR kDoneSuffix[] = L"-done";
const WCHAR kUnixRootDrive[] = L"Z:";
const WCHAR *const kLocaleVariables[] = {L"LC_ALL", L"LANG", L"LC_MESSAGES", L"LC_CTYPE",
                                         L"LANGUAGE"};
constexpr DWORD kNoReport = 0xFFFFFFFF;
constexpr DWORD kChildTimeoutMs = 120000;
constexpr DWORD kValueChars = 1024;

// The status word of a mapping, unmapped when the holder goes.
struct Unmap {
    void operator()(DWORD *view) const { UnmapViewOfFile(view); }
};
using StatusView = std::unique_ptr<DWORD, Unmap>;

StatusView MapStatus(HANDLE mapping) {
    return StatusView(mapping ? static_cast<DWORD *>(MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, sizeof(DWORD)))
                              : nullptr);
}

std::wstring Name(const std::wstring &entry) { return entry.substr(0, entry.find(L'=')); }

bool IsReplaced(const std::wstring &entry, const EnvironmentEntries &extra) {
    const std::wstring name = Name(entry);
    for (const WCHAR *variable : kLocaleVariables)
        if (lstrcmpiW(name.c_str(), variable) == 0) return true;
    for (const auto &pair : extra)
        if (lstrcmpiW(name.c_str(), pair.first.c_str()) == 0) return true;
    return lstrcmpiW(name.c_str(), kReportVariable) == 0;
}

std::vector<WCHAR> ChildEnvironment(const std::wstring &locale, EnvironmentEntries extra,
                                    const std::wstring &report) {
    std::vector<std::wstring> entries;
    if (WCHAR *block = GetEnvironmentStringsW()) {
        for (const WCHAR *at = block; *at; at += std::wcslen(at) + 1)
            if (!IsReplaced(at, extra)) entries.push_back(at);
        FreeEnvironmentStringsW(block);
    }
    extra.push_back({L"LC_ALL", locale});
    extra.push_back({L"LANG", locale});
    extra.push_back({kReportVariable, report});
    for (const auto &pair : extra) entries.push_back(pair.first + L"=" + pair.second);
    std::vector<WCHAR> block;
    for (const std::wstring &entry : entries) {
        block.insert(block.end(), entry.begin(), entry.end());
        block.push_back(0);
    }
    block.push_back(0);
    return block;
}

// Wine's loader, a Unix program, by its path on the drive of the Unix root.
std::wstring LoaderPath() {
    std::wstring path = EnvironmentVariable(kLoaderVariable);
    if (path.empty() || path[0] != L'/') return std::wstring();
    for (WCHAR &c : path)
        if (c == L'/') c = L'\\';
    return kUnixRootDrive + path;
}

std::wstring UniqueReportName() {
    static LONG counter;
    WCHAR name[64];
    wsprintfW(name, L"sx-resource-tests-%lu-%ld", GetCurrentProcessId(),
              InterlockedIncrement(&counter));
    return name;
}

}  // namespace

std::wstring EnvironmentVariable(const WCHAR *name) {
    WCHAR value[kValueChars] = {};
    const DWORD length = GetEnvironmentVariableW(name, value, kValueChars);
    return length && length < kValueChars ? value : L"";
}

DWORD RunUnderLocale(const std::wstring &locale, const EnvironmentEntries &extra,
                     const std::string &filter) {
    const std::wstring loader = LoaderPath();
    if (loader.empty()) return ERROR_FILE_NOT_FOUND;
    const std::wstring report = UniqueReportName();
    UniqueHandle mapping(CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                      sizeof(DWORD), (report + kStatusSuffix).c_str()));
    UniqueHandle done(CreateEventW(nullptr, TRUE, FALSE, (report + kDoneSuffix).c_str()));
    const StatusView status = MapStatus(mapping.Get());
    if (!status.get() || !done.Get()) return GetLastError();
    *status.get() = kNoReport;

    WCHAR self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring command = L"wine64 \"" + std::wstring(self) +
                           L"\" --gtest_brief=1 --gtest_filter=" +
                           std::wstring(filter.begin(), filter.end());
    std::vector<WCHAR> environment = ChildEnvironment(locale, extra, report);
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    std::fflush(stdout);
    if (!CreateProcessW(loader.c_str(), &command[0], nullptr, nullptr, FALSE,
                        CREATE_UNICODE_ENVIRONMENT, environment.data(), nullptr, &startup,
                        &process))
        return GetLastError();
    if (process.hThread) CloseHandle(process.hThread);
    if (process.hProcess) CloseHandle(process.hProcess);
    if (WaitForSingleObject(done.Get(), kChildTimeoutMs) != WAIT_OBJECT_0) return WAIT_TIMEOUT;
    return *status.get();
}

void ReportToParent(int status) {
    const std::wstring report = EnvironmentVariable(kReportVariable);
    if (report.empty()) return;
    UniqueHandle mapping(OpenFileMappingW(FILE_MAP_WRITE, FALSE, (report + kStatusSuffix).c_str()));
    UniqueHandle done(OpenEventW(EVENT_MODIFY_STATE, FALSE, (report + kDoneSuffix).c_str()));
    const StatusView view = MapStatus(mapping.Get());
    if (view.get()) *view.get() = static_cast<DWORD>(status);
    if (done.Get()) SetEvent(done.Get());
}
