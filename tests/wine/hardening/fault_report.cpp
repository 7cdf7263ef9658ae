#include "fault_report.h"

#include <cstdio>

namespace {

constexpr UINT kFaultExitCode = 3;
FaultReport *g_current = nullptr;

}  // namespace

FaultReport::FaultReport(const char *what, uint32_t seed)
    : what_(what), seed_(seed), previous_(SetUnhandledExceptionFilter(Report)), outer_(g_current) {
    g_current = this;
}

FaultReport::~FaultReport() {
    g_current = outer_;
    SetUnhandledExceptionFilter(previous_);
}

LONG WINAPI FaultReport::Report(EXCEPTION_POINTERS *info) {
    const EXCEPTION_RECORD *record = info ? info->ExceptionRecord : nullptr;
    if (g_current) {
        std::fprintf(stderr,
                     "FAULT 0x%08lx at %p during %s %u, seed %u: replay with SX_CORRUPTOR_SEED=%u\n",
                     record ? record->ExceptionCode : 0UL, record ? record->ExceptionAddress : nullptr,
                     g_current->what_, g_current->index_, g_current->seed_, g_current->seed_);
    }
    std::fflush(stderr);
    TerminateProcess(GetCurrentProcess(), kFaultExitCode);
    return EXCEPTION_EXECUTE_HANDLER;
}
