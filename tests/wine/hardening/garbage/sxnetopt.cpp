// A network option-detection library that answers negative numbers to
// every question and fills the whole data-file buffer with a path that
// has no terminator.
#include <windows.h>

#include <cstring>

namespace {
constexpr DWORD kNegative = 0x80000000u;
constexpr char kGarbageChar = 'C';
}  // namespace

extern "C" {

DWORD WINAPI GetNetextCapability(const char *) { return kNegative; }
DWORD WINAPI IsValidPort(const char *) { return kNegative; }
DWORD WINAPI ReadPrinterOptionFlag32(const char *, HWND, DWORD, DWORD, DWORD) { return kNegative; }

DWORD WINAPI GetDataFileName(const char *, char *buffer, DWORD bytes) {
    if (buffer) std::memset(buffer, kGarbageChar, bytes);
    return kNegative;
}

}  // extern "C"
