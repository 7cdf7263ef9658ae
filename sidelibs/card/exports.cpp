// The IC-card library's one export as the plug-in calls it. The stand-in
// has a card driver for every printer model its capability file lists:
// the driver name must be a key of the file's [Capability] section.
#include "core/cxx_runtime.h"

#include <windows.h>

namespace {

const char kCapabilitySection[] = "Capability";
constexpr DWORD kModelSectionChars = 128;

}  // namespace

extern "C" {

BOOL WINAPI QueryCardDriver(const char *driverName, const char *capabilityPath) {
    if (!driverName || !driverName[0] || !capabilityPath || !capabilityPath[0]) return FALSE;
    char section[kModelSectionChars] = "";
    GetPrivateProfileStringA(kCapabilitySection, driverName, "", section, kModelSectionChars,
                             capabilityPath);
    return section[0] != 0;
}

}  // extern "C"

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID processExiting) {
    if (reason == DLL_PROCESS_DETACH) ReleaseCxxRuntimeOnUnload(processExiting);
    return TRUE;
}
