// Entry points of the library: DllMain and the two COM exports.
#include "core/plugin_module.h"

#include "core/class_factory.h"
#include "core/cxx_runtime.h"
#include "core/localized_resources.h"
#include "core/platform_oem.h"

HMODULE PluginModule;
HMODULE LinkPageLibrary;

namespace {

LONG liveObjects;
LONG serverLocks;

}  // namespace

void CountObjectCreated() { InterlockedIncrement(&liveObjects); }
void CountObjectDestroyed() { InterlockedDecrement(&liveObjects); }

void ChangeServerLock(BOOL lock) {
    if (lock)
        InterlockedIncrement(&serverLocks);
    else
        InterlockedDecrement(&serverLocks);
}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID processExiting) {
    switch (reason) {
    case DLL_PROCESS_ATTACH:
        PluginModule = instance;
        LinkPageLibrary = nullptr;
        break;
    case DLL_PROCESS_DETACH:
        if (LinkPageLibrary) FreeLibrary(LinkPageLibrary);
        LinkPageLibrary = nullptr;
        ReleasePluginActivationContext();
        ReleaseCxxRuntimeOnUnload(processExiting);
        break;
    }
    return TRUE;
}

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID rclsid, REFIID riid, void **ppv) {
    if (!IsEqualCLSID(rclsid, CLSID_OEMUI)) return CLASS_E_CLASSNOTAVAILABLE;
    OemUiClassFactory *factory = new (std::nothrow) OemUiClassFactory();
    if (!factory) return E_OUTOFMEMORY;
    const HRESULT hr = factory->QueryInterface(riid, ppv);
    factory->Release();
    return hr;
}

extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow() {
    if (InterlockedCompareExchange(&liveObjects, 0, 0) ||
        InterlockedCompareExchange(&serverLocks, 0, 0))
        return S_FALSE;
    return S_OK;
}
