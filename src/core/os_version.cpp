#include "core/os_version.h"

int OsMajor6OrLater;

namespace {

constexpr DWORD kMajorWithoutHelpButton = 6;
bool osVersionDetected;
OSVERSIONINFOW osVersion;

}  // namespace

const OSVERSIONINFOW &ReadOsVersion() {
    osVersion.dwOSVersionInfoSize = sizeof(osVersion);
    if (!GetVersionExW(&osVersion)) osVersion.dwMajorVersion = 0;
    return osVersion;
}

void DetectOsVersion() {
    if (osVersionDetected) return;
    if (ReadOsVersion().dwMajorVersion >= kMajorWithoutHelpButton) OsMajor6OrLater = 1;
    osVersionDetected = true;
}
