// The companion program that the plug-in starts when the printing
// application's name cannot be published in shared memory. Its command line
// is: 0 "application name" "pipe name". It connects to the pipe when the
// printer side serves one and writes the name into it (UTF-16, terminator
// included), and appends a record of what it got to "sxcolorap.log" in the
// temporary folder, one block per start, for whoever checks the job.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

const WCHAR kRecordFileName[] = L"sxcolorap.log";
constexpr DWORD kPipeWaitMs = 2000;

std::string Utf8(const std::wstring &text) {
    if (text.empty()) return {};
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                          nullptr, 0, nullptr, nullptr);
    std::string out(bytes > 0 ? bytes : 0, '\0');
    if (bytes > 0)
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &out[0], bytes,
                            nullptr, nullptr);
    return out;
}

std::string Hex(DWORD value) {
    char text[16];
    std::snprintf(text, sizeof(text), "0x%08lx", static_cast<unsigned long>(value));
    return text;
}

struct CompanionArguments {
    std::wstring mode;
    std::wstring application;
    std::wstring pipe;
    bool complete = false;
};

// The application name may itself hold quotes: the pipe name is the last
// quoted part, the name everything between the first quote and it.
CompanionArguments ParseCommandLine(const std::wstring &line) {
    CompanionArguments args;
    const size_t space = line.find(L' ');
    args.mode = line.substr(0, space);
    if (space == std::wstring::npos) return args;
    const std::wstring rest = line.substr(space + 1);
    const size_t separator = rest.rfind(L"\" \"");
    if (rest.size() < 5 || rest.front() != L'"' || rest.back() != L'"' ||
        separator == std::wstring::npos || separator == 0)
        return args;
    args.application = rest.substr(1, separator - 1);
    args.pipe = rest.substr(separator + 3, rest.size() - separator - 4);
    args.complete = true;
    return args;
}

std::string PassThroughPipe(const CompanionArguments &args) {
    if (!args.complete || args.pipe.empty()) return "no pipe named";
    HANDLE pipe = CreateFileW(args.pipe.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0,
                              nullptr);
    if (pipe == INVALID_HANDLE_VALUE && GetLastError() == ERROR_PIPE_BUSY &&
        WaitNamedPipeW(args.pipe.c_str(), kPipeWaitMs))
        pipe = CreateFileW(args.pipe.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (pipe == INVALID_HANDLE_VALUE)
        return "not served (error " + std::to_string(GetLastError()) + ")";
    const DWORD bytes = static_cast<DWORD>((args.application.size() + 1) * sizeof(WCHAR));
    DWORD written = 0;
    const BOOL wrote = WriteFile(pipe, args.application.c_str(), bytes, &written, nullptr);
    CloseHandle(pipe);
    if (!wrote) return "connected, write failed (error " + std::to_string(GetLastError()) + ")";
    return "connected, " + std::to_string(written) + " bytes written";
}

std::wstring RecordPath() {
    WCHAR folder[MAX_PATH + 1];
    const DWORD length = GetTempPathW(MAX_PATH + 1, folder);
    if (!length || length > MAX_PATH) return kRecordFileName;
    return std::wstring(folder, length) + kRecordFileName;
}

void AppendRecord(const std::string &record) {
    HANDLE file = CreateFileW(RecordPath().c_str(), FILE_APPEND_DATA,
                              FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
    CloseHandle(file);
}

}  // namespace

int wmain() {
    const std::wstring line = GetCommandLineW();
    const CompanionArguments args = ParseCommandLine(line);
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    GetStartupInfoW(&startup);
    const std::string pipeResult = PassThroughPipe(args);
    AppendRecord("sxcolorap started\ncommand line: " + Utf8(line) + "\nmode: " + Utf8(args.mode) +
                 "\napplication: " + Utf8(args.application) + "\npipe: " + Utf8(args.pipe) +
                 "\nstart-up flags: " + Hex(startup.dwFlags) + "\nfill attribute: " +
                 Hex(startup.dwFillAttribute) + "\npipe served: " + pipeResult + "\nend\n");
    return args.complete ? 0 : 1;
}
