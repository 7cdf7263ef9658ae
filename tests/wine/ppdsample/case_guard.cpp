#include "case_guard.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

constexpr UINT kHangExitCode = 3;
constexpr UINT kCrashExitCode = 4;
constexpr int kWindowTextChars = 256;

// The description whose case runs, for the crash report, which may not
// take a lock: a fixed buffer written before each case.
char CurrentDescription[MAX_PATH] = "";

BOOL CALLBACK ReportWindow(HWND window, LPARAM) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != GetCurrentProcessId() || !IsWindowVisible(window)) return TRUE;
    WCHAR title[kWindowTextChars] = L"";
    WCHAR className[kWindowTextChars] = L"";
    GetWindowTextW(window, title, kWindowTextChars);
    GetClassNameW(window, className, kWindowTextChars);
    std::fprintf(stderr, "  open window: class \"%ls\", title \"%ls\"\n", className, title);
    return TRUE;
}

LONG WINAPI ReportCrash(EXCEPTION_POINTERS *exception) {
    const EXCEPTION_RECORD *record = exception->ExceptionRecord;
    std::fprintf(stderr, "\nppd_sample_tests: %s crashed: exception 0x%08lX at %p\n",
                 CurrentDescription, static_cast<unsigned long>(record->ExceptionCode),
                 record->ExceptionAddress);
    std::fflush(stderr);
    TerminateProcess(GetCurrentProcess(), kCrashExitCode);
    return EXCEPTION_EXECUTE_HANDLER;
}

}  // namespace

CaseGuard::CaseGuard() : watcher_(&CaseGuard::Watch, this) {
    SetUnhandledExceptionFilter(ReportCrash);
}

CaseGuard::~CaseGuard() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        quitting_ = true;
    }
    changed_.notify_all();
    watcher_.join();
    SetUnhandledExceptionFilter(nullptr);
}

void CaseGuard::Start(const std::string &description, std::chrono::milliseconds limit) {
    lstrcpynA(CurrentDescription, description.c_str(), MAX_PATH);
    {
        std::lock_guard<std::mutex> lock(mutex_);
        description_ = description;
        deadline_ = std::chrono::steady_clock::now() + limit;
        running_ = true;
    }
    changed_.notify_all();
}

void CaseGuard::Finish() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        running_ = false;
    }
    changed_.notify_all();
}

void CaseGuard::Watch() {
    std::unique_lock<std::mutex> lock(mutex_);
    while (!quitting_) {
        if (!running_) {
            changed_.wait(lock);
            continue;
        }
        if (changed_.wait_until(lock, deadline_) != std::cv_status::timeout) continue;
        if (!running_ || std::chrono::steady_clock::now() < deadline_) continue;
        std::fprintf(stderr, "\nppd_sample_tests: %s hung: its case did not finish in time\n",
                     description_.c_str());
        EnumWindows(ReportWindow, 0);
        std::fflush(stderr);
        TerminateProcess(GetCurrentProcess(), kHangExitCode);
    }
}
