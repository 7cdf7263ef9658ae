// A job-information library that fills the whole answer with text and no
// terminator in either half, claims a size far beyond the buffer and a
// negative result.
#include <windows.h>

#include <cstring>

namespace {
constexpr char kGarbageChar = 'G';
constexpr DWORD kAnswerBytes = 120;
constexpr DWORD kClaimedBytes = 0xFFFFFFF0u;
}  // namespace

extern "C" {

BOOL WINAPI GetPrintingApplication(DWORD, char *answer, DWORD *bytes) {
    if (answer) std::memset(answer, kGarbageChar, kAnswerBytes);
    if (bytes) *bytes = kClaimedBytes;
    return static_cast<BOOL>(0x80000000);
}

}  // extern "C"
