// The driver helper the host offers the plug-in. Its answers come from the
// document UI whose OEMUIOBJ the plug-in passes, as the OEMUIOBJ's own
// functions give them.
#include "driver/driver_helper.h"

#include "driver/document_ui.h"

HostDriverUI *HostDriverUI::Create() { return new HostDriverUI(); }

HRESULT STDMETHODCALLTYPE HostDriverUI::QueryInterface(REFIID riid, void **ppv) {
    if (!ppv) return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IPrintOemDriverUI)) {
        *ppv = static_cast<IPrintOemDriverUI *>(this);
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE HostDriverUI::AddRef() {
    return static_cast<ULONG>(InterlockedIncrement(&refs_));
}

ULONG STDMETHODCALLTYPE HostDriverUI::Release() {
    const LONG refs = InterlockedDecrement(&refs_);
    if (refs == 0) delete this;
    return static_cast<ULONG>(refs);
}

HRESULT STDMETHODCALLTYPE HostDriverUI::DrvGetDriverSetting(PVOID pci, PCSTR Feature, PVOID pOutput,
                                                            DWORD cbSize, PDWORD pcbNeeded,
                                                            PDWORD pdwOptionsReturned) {
    DocumentUi *ui = DocumentUiOf(pci);
    if (!ui) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return E_FAIL;
    }
    return ui->GetDriverSetting(Feature, pOutput, cbSize, pcbNeeded, pdwOptionsReturned) ? S_OK
                                                                                       : E_FAIL;
}

HRESULT STDMETHODCALLTYPE HostDriverUI::DrvUpgradeRegistrySetting(HANDLE, PCSTR, PCSTR) {
    return S_OK;
}

HRESULT STDMETHODCALLTYPE HostDriverUI::DrvUpdateUISetting(PVOID pci, PVOID pOptItem,
                                                           DWORD dwPreviousSelection,
                                                           DWORD dwMode) {
    DocumentUi *ui = DocumentUiOf(pci);
    if (!ui) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return E_FAIL;
    }
    return ui->UpdateUISetting(pOptItem, dwPreviousSelection, dwMode) ? S_OK : E_FAIL;
}
