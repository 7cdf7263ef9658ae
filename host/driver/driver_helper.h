// The helper object the host hands to the plug-in through
// PublishDriverInterface, answering as the driver's IPrintOemDriverUI.
#pragma once

#include "core/platform_oem.h"

class HostDriverUI final : public IPrintOemDriverUI {
public:
    // Created with one reference, owned by the caller.
    static HostDriverUI *Create();

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void **ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE DrvGetDriverSetting(PVOID pci, PCSTR Feature, PVOID pOutput,
                                                  DWORD cbSize, PDWORD pcbNeeded,
                                                  PDWORD pdwOptionsReturned) override;
    HRESULT STDMETHODCALLTYPE DrvUpgradeRegistrySetting(HANDLE hPrinter, PCSTR pFeature,
                                                        PCSTR pOption) override;
    HRESULT STDMETHODCALLTYPE DrvUpdateUISetting(PVOID pci, PVOID pOptItem,
                                                 DWORD dwPreviousSelection,
                                                 DWORD dwMode) override;

    // References held by others than the creator; non-zero after the plug-in
    // is gone means it leaked one.
    LONG OutstandingReferences() const { return refs_ - 1; }

private:
    HostDriverUI() = default;
    ~HostDriverUI() = default;
    LONG refs_ = 1;
};
