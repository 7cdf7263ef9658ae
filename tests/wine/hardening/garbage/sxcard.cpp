// An IC-card library that answers a negative number for any driver.
#include <windows.h>

extern "C" BOOL WINAPI QueryCardDriver(const char *, const char *) {
    return static_cast<BOOL>(0x80000000);
}
