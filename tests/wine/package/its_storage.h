// The compiled help file's storage, as the HTML Help control opens it
// (itss.dll). Declared at namespace scope: GCC treats calls through an
// interface it never sees implemented in a translation unit's anonymous
// namespace as unreachable.
#pragma once

#include <windows.h>
#include <objbase.h>

// {5D02926A-212E-11D0-9DF9-00A0C922E6EC}
constexpr CLSID kClsidItStorage = {
    0x5d02926a, 0x212e, 0x11d0, {0x9d, 0xf9, 0x00, 0xa0, 0xc9, 0x22, 0xe6, 0xec}};
// {88CC31DE-27AB-11D0-9DF9-00A0C922E6EC}
constexpr IID kIidItStorage = {
    0x88cc31de, 0x27ab, 0x11d0, {0x9d, 0xf9, 0x00, 0xa0, 0xc9, 0x22, 0xe6, 0xec}};

struct IItStorage : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE StgCreateDocfile(const WCHAR *name, DWORD mode,
                                                       DWORD reserved, IStorage **storage) = 0;
    virtual HRESULT STDMETHODCALLTYPE StgCreateDocfileOnILockBytes(ILockBytes *bytes, DWORD mode,
                                                                   DWORD reserved,
                                                                   IStorage **storage) = 0;
    virtual HRESULT STDMETHODCALLTYPE StgIsStorageFile(const WCHAR *name) = 0;
    virtual HRESULT STDMETHODCALLTYPE StgIsStorageILockBytes(ILockBytes *bytes) = 0;
    virtual HRESULT STDMETHODCALLTYPE StgOpenStorage(const WCHAR *name, IStorage *priority,
                                                     DWORD mode, SNB exclude, DWORD reserved,
                                                     IStorage **storage) = 0;
};
