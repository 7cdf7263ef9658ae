// A fault that would end the process silently (an access violation at a
// guard page, a stack overflow) is reported with what was running and the
// seed that replays it, then the process ends with a failure status.
#pragma once

#include <windows.h>

#include <cstdint>

class FaultReport {
public:
    FaultReport(const char *what, uint32_t seed);
    ~FaultReport();
    FaultReport(const FaultReport &) = delete;
    FaultReport &operator=(const FaultReport &) = delete;

    void At(uint32_t index) { index_ = index; }

private:
    static LONG WINAPI Report(EXCEPTION_POINTERS *info);

    const char *what_;
    uint32_t seed_;
    volatile uint32_t index_ = 0;
    LPTOP_LEVEL_EXCEPTION_FILTER previous_;
    FaultReport *outer_;
};
