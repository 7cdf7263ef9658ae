// IPrintOemUI2 methods: reference counting, the small answers, and the
// entries that hand over to the record, configuration and UI code.
#include "core/oem_ui_plugin.h"

#include "core/driver_config.h"
#include "core/oem_devmode_glue.h"
#include "core/os_version.h"
#include "core/plugin_module.h"
#include "docevents/document_event.h"
#include "plugin/common_ui_prop.h"
#include "plugin/property_sheets.h"
#include "printer/printer_events.h"
#include "printer/prn_ui_state.h"

#include <wchar.h>

namespace {

constexpr DWORD kInfoBytes = sizeof(DWORD);
constexpr DWORD kPluginSignature = 0x32303030;  // "0002", as in the record header
constexpr DWORD kPluginVersion = 1;
const WCHAR kColorProfileName[] = L"OEMPROFILE.icm";
constexpr ULONG kColorProfileBytes = 32;

HRESULT FailWith(DWORD error) {
    SetLastError(error);
    return E_FAIL;
}

void FreeOnHeap(HANDLE heap, void *block) {
    if (block && HeapValidate(heap, 0, block)) HeapFree(heap, 0, block);
}

}  // namespace

OemUiPlugin::OemUiPlugin() { CountObjectCreated(); }

OemUiPlugin::~OemUiPlugin() {
    if (pOemDriverUI) {
        pOemDriverUI->Release();
        pOemDriverUI = nullptr;
    }
    ReleaseHeapBlocks();
    CountObjectDestroyed();
}

void OemUiPlugin::ReleaseHeapBlocks() {
    if (!hOemHeap) return;
    FreeOnHeap(hOemHeap, pDocUiState);
    pDocUiState = nullptr;
    if (pPrnUiState && HeapValidate(hOemHeap, 0, pPrnUiState)) ReleasePrnUiState(pPrnUiState);
    FreeOnHeap(hOemHeap, pPrnUiState);
    pPrnUiState = nullptr;
    hOemHeap = nullptr;
}

HRESULT STDMETHODCALLTYPE OemUiPlugin::QueryInterface(REFIID riid, void **ppv) {
    if (!ppv) return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IPrintOemUI2) ||
        IsEqualIID(riid, IID_IPrintOemUI)) {
        *ppv = static_cast<IPrintOemUI2 *>(this);
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE OemUiPlugin::AddRef() { return InterlockedIncrement(&cRef); }

ULONG STDMETHODCALLTYPE OemUiPlugin::Release() {
    const LONG count = InterlockedDecrement(&cRef);
    if (count == 0) {
        delete this;
        return 0;
    }
    return count;
}

HRESULT STDMETHODCALLTYPE OemUiPlugin::GetInfo(DWORD dwMode, PVOID pBuffer, DWORD cbSize,
                                               PDWORD pcbNeeded) {
    if (!pcbNeeded) return FailWith(ERROR_INVALID_PARAMETER);
    if (dwMode != OEMGI_GETSIGNATURE && dwMode != OEMGI_GETVERSION &&
        dwMode != OEMGI_GETPUBLISHERINFO)
        return FailWith(ERROR_INVALID_PARAMETER);
    *pcbNeeded = kInfoBytes;
    if (!pBuffer || cbSize < kInfoBytes) return FailWith(ERROR_INSUFFICIENT_BUFFER);
    switch (dwMode) {
    case OEMGI_GETSIGNATURE:
        *static_cast<DWORD *>(pBuffer) = kPluginSignature;
        return S_OK;
    case OEMGI_GETVERSION:
        *static_cast<DWORD *>(pBuffer) = kPluginVersion;
        return S_OK;
    default:
        *pcbNeeded = 0;
        return FailWith(ERROR_NOT_SUPPORTED);
    }
}

HRESULT STDMETHODCALLTYPE OemUiPlugin::DevMode(DWORD dwMode, POEMDMPARAM pOemDMParam) {
    DetectOsVersion();
    return HandleOemDevMode(dwMode, pOemDMParam);
}

HRESULT STDMETHODCALLTYPE OemUiPlugin::PublishDriverInterface(IUnknown *pIUnknown) {
    if (pOemDriverUI) return S_OK;
    if (!pIUnknown) return E_FAIL;
    void *driverUi = nullptr;
    if (FAILED(pIUnknown->QueryInterface(IID_IPrintOemDriverUI, &driverUi)) || !driverUi) {
        pOemDriverUI = nullptr;
        return E_FAIL;
    }
    pOemDriverUI = static_cast<IPrintOemDriverUI *>(driverUi);
    return S_OK;
}

HRESULT STDMETHODCALLTYPE OemUiPlugin::CommonUIProp(DWORD dwMode, POEMCUIPPARAM pOemCUIPParam) {
    return RunCommonUIProp(this, dwMode, pOemCUIPParam);
}

HRESULT STDMETHODCALLTYPE OemUiPlugin::DocumentPropertySheets(PPROPSHEETUI_INFO pPSUIInfo,
                                                             LPARAM lParam) {
    DetectOsVersion();
    return RunDocumentPropertySheets(this, pPSUIInfo, lParam);
}

HRESULT STDMETHODCALLTYPE OemUiPlugin::DevicePropertySheets(PPROPSHEETUI_INFO pPSUIInfo,
                                                           LPARAM lParam) {
    DetectOsVersion();
    return RunDevicePropertySheets(this, pPSUIInfo, lParam);
}

HRESULT STDMETHODCALLTYPE OemUiPlugin::PrinterEvent(PWSTR pPrinterName, INT iDriverEvent, DWORD,
                                                     LPARAM) {
    // The event may be the first call in the spooler's process.
    DetectOsVersion();
    if (iDriverEvent != PRINTER_EVENT_INITIALIZE) return S_OK;
    return InitializePrinter(pPrinterName) ? E_FAIL : S_OK;
}

HRESULT STDMETHODCALLTYPE OemUiPlugin::QueryColorProfile(HANDLE, POEMUIOBJ, PDEVMODEW, PVOID,
                                                         ULONG ulQueryMode, VOID *pvProfileData,
                                                         ULONG *pcbProfileData,
                                                         FLONG *pflProfileData) {
    if (ulQueryMode != QCP_DEVICEPROFILE) return E_FAIL;
    if (!pcbProfileData) return FailWith(ERROR_INVALID_PARAMETER);
    if (pvProfileData && *pcbProfileData >= kColorProfileBytes) {
        wcscpy(static_cast<WCHAR *>(pvProfileData), kColorProfileName);
        *pcbProfileData = kColorProfileBytes;
        if (pflProfileData) *pflProfileData = QCP_PROFILEDISK;
        return S_OK;
    }
    *pcbProfileData = kColorProfileBytes;
    return FailWith(ERROR_INSUFFICIENT_BUFFER);
}

HRESULT STDMETHODCALLTYPE OemUiPlugin::HideStandardUI(DWORD dwMode) {
    if (dwMode == OEMCUIP_DOCPROP || dwMode == OEMCUIP_PRNPROP) fHideStandardUICalled = 1;
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE OemUiPlugin::DocumentEvent(HANDLE hPrinter, HDC, INT iEsc, ULONG cbIn,
                                                     PVOID pvIn, ULONG cbOut, PVOID pvOut,
                                                     PINT piResult) {
    return RunDocumentEvent(hPrinter, iEsc, cbIn, pvIn, cbOut, pvOut, piResult);
}

// The methods left to the driver.
HRESULT STDMETHODCALLTYPE OemUiPlugin::DevQueryPrintEx(POEMUIOBJ, PDEVQUERYPRINT_INFO, PDEVMODEW,
                                                       PVOID) {
    return E_NOTIMPL;
}
HRESULT STDMETHODCALLTYPE OemUiPlugin::DeviceCapabilities(POEMUIOBJ, HANDLE, PWSTR, WORD, PVOID,
                                                          PDEVMODEW, PVOID, DWORD, DWORD *) {
    return E_NOTIMPL;
}
HRESULT STDMETHODCALLTYPE OemUiPlugin::UpgradePrinter(DWORD, PBYTE) { return E_NOTIMPL; }
HRESULT STDMETHODCALLTYPE OemUiPlugin::DriverEvent(DWORD, DWORD, LPBYTE, LPARAM) {
    return E_NOTIMPL;
}
HRESULT STDMETHODCALLTYPE OemUiPlugin::FontInstallerDlgProc(HWND, UINT, WPARAM, LPARAM) {
    return E_NOTIMPL;
}
HRESULT STDMETHODCALLTYPE OemUiPlugin::UpdateExternalFonts(HANDLE, HANDLE, PWSTR) {
    return E_NOTIMPL;
}
HRESULT STDMETHODCALLTYPE OemUiPlugin::QueryJobAttributes(HANDLE, PDEVMODEW, DWORD, LPBYTE) {
    return E_NOTIMPL;
}
