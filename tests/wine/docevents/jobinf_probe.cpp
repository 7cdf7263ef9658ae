// A job-information library whose answer the test sets, and which notes how
// it was called. The test loads it first, so the plug-in's load finds the
// same module and its state.
#include <windows.h>

#include <cstring>

namespace {

constexpr DWORD kAnswerBytes = 120;
char answerBytes[kAnswerBytes];
DWORD lastFlags = 0xFFFFFFFF;
DWORD lastSize = 0;
BOOL lastHadBuffer = FALSE;
LONG calls = 0;

}  // namespace

extern "C" {

BOOL WINAPI GetPrintingApplication(DWORD flags, char *answer, DWORD *bytes) {
    ++calls;
    lastFlags = flags;
    lastSize = bytes ? *bytes : 0;
    lastHadBuffer = answer != nullptr;
    if (!answer || !bytes) return FALSE;
    std::memcpy(answer, answerBytes, *bytes < kAnswerBytes ? *bytes : kAnswerBytes);
    return TRUE;
}

void WINAPI SetProbeAnswer(const char *bytes, DWORD count) {
    std::memset(answerBytes, 0, kAnswerBytes);
    std::memcpy(answerBytes, bytes, count < kAnswerBytes ? count : kAnswerBytes);
    calls = 0;
    lastFlags = 0xFFFFFFFF;
    lastSize = 0;
    lastHadBuffer = FALSE;
}

LONG WINAPI ReadProbeCall(DWORD *flags, DWORD *size, BOOL *hadBuffer) {
    *flags = lastFlags;
    *size = lastSize;
    *hadBuffer = lastHadBuffer;
    return calls;
}

}  // extern "C"
