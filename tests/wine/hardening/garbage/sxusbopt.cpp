// A USB option-detection library that answers a negative number to both
// readings and leaves no data file.
#include <windows.h>

namespace {
constexpr DWORD kNegative = 0x80000000u;
}  // namespace

extern "C" {

DWORD WINAPI ReadPrinterOptionUSB(const char *) { return kNegative; }
DWORD WINAPI ReadPrinterOptionUSB2(const char *) { return kNegative; }

}  // extern "C"
