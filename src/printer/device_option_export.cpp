// The export that lets outside programs refresh a printer's installable
// options from what the printer reports.
#include "printer/detection.h"

extern "C" int WINAPI ConfigDeviceOptionExp(HANDLE hPrinter) {
    return RefreshDeviceOptions(hPrinter);
}
