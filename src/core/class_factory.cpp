#include "core/class_factory.h"

#include "core/oem_ui_plugin.h"
#include "core/plugin_module.h"

HRESULT STDMETHODCALLTYPE OemUiClassFactory::QueryInterface(REFIID riid, void **ppv) {
    if (!ppv) return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IClassFactory)) {
        *ppv = static_cast<IClassFactory *>(this);
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE OemUiClassFactory::AddRef() { return InterlockedIncrement(&cRef); }

ULONG STDMETHODCALLTYPE OemUiClassFactory::Release() {
    const LONG count = InterlockedDecrement(&cRef);
    if (count == 0) {
        delete this;
        return 0;
    }
    return count;
}

HRESULT STDMETHODCALLTYPE OemUiClassFactory::CreateInstance(IUnknown *outer, REFIID riid,
                                                            void **ppv) {
    if (outer) return CLASS_E_NOAGGREGATION;
    OemUiPlugin *plugin = new (std::nothrow) OemUiPlugin();
    if (!plugin) return E_OUTOFMEMORY;
    // The query's own reference survives; a failed query destroys the object.
    const HRESULT hr = plugin->QueryInterface(riid, ppv);
    plugin->Release();
    return hr;
}

HRESULT STDMETHODCALLTYPE OemUiClassFactory::LockServer(BOOL lock) {
    ChangeServerLock(lock);
    return S_OK;
}
