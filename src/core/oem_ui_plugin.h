// The plug-in object the driver talks to through IPrintOemUI2.
#pragma once

#include "core/platform_oem.h"

#include <memory>

class DriverConfigSnapshot;

struct DocUiState;
struct PrnUiState;

class OemUiPlugin final : public IPrintOemUI2 {
public:
    OemUiPlugin();
    ~OemUiPlugin();
    OemUiPlugin(const OemUiPlugin &) = delete;
    OemUiPlugin &operator=(const OemUiPlugin &) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void **ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetInfo(DWORD dwMode, PVOID pBuffer, DWORD cbSize,
                                      PDWORD pcbNeeded) override;
    HRESULT STDMETHODCALLTYPE DevMode(DWORD dwMode, POEMDMPARAM pOemDMParam) override;
    HRESULT STDMETHODCALLTYPE PublishDriverInterface(IUnknown *pIUnknown) override;
    HRESULT STDMETHODCALLTYPE CommonUIProp(DWORD dwMode, POEMCUIPPARAM pOemCUIPParam) override;
    HRESULT STDMETHODCALLTYPE DocumentPropertySheets(PPROPSHEETUI_INFO pPSUIInfo,
                                                     LPARAM lParam) override;
    HRESULT STDMETHODCALLTYPE DevicePropertySheets(PPROPSHEETUI_INFO pPSUIInfo,
                                                   LPARAM lParam) override;
    HRESULT STDMETHODCALLTYPE DevQueryPrintEx(POEMUIOBJ, PDEVQUERYPRINT_INFO, PDEVMODEW,
                                              PVOID) override;
    HRESULT STDMETHODCALLTYPE DeviceCapabilities(POEMUIOBJ, HANDLE, PWSTR, WORD, PVOID, PDEVMODEW,
                                                 PVOID, DWORD, DWORD *) override;
    HRESULT STDMETHODCALLTYPE UpgradePrinter(DWORD, PBYTE) override;
    HRESULT STDMETHODCALLTYPE PrinterEvent(PWSTR pPrinterName, INT iDriverEvent, DWORD dwFlags,
                                           LPARAM lParam) override;
    HRESULT STDMETHODCALLTYPE DriverEvent(DWORD, DWORD, LPBYTE, LPARAM) override;
    HRESULT STDMETHODCALLTYPE QueryColorProfile(HANDLE hPrinter, POEMUIOBJ poemuiobj,
                                                PDEVMODEW pPublicDM, PVOID pOEMDM,
                                                ULONG ulQueryMode, VOID *pvProfileData,
                                                ULONG *pcbProfileData,
                                                FLONG *pflProfileData) override;
    HRESULT STDMETHODCALLTYPE FontInstallerDlgProc(HWND, UINT, WPARAM, LPARAM) override;
    HRESULT STDMETHODCALLTYPE UpdateExternalFonts(HANDLE, HANDLE, PWSTR) override;
    HRESULT STDMETHODCALLTYPE QueryJobAttributes(HANDLE, PDEVMODEW, DWORD, LPBYTE) override;
    HRESULT STDMETHODCALLTYPE HideStandardUI(DWORD dwMode) override;
    HRESULT STDMETHODCALLTYPE DocumentEvent(HANDLE hPrinter, HDC hdc, INT iEsc, ULONG cbIn,
                                            PVOID pvIn, ULONG cbOut, PVOID pvOut,
                                            PINT piResult) override;

    LONG cRef = 1;
    IPrintOemDriverUI *pOemDriverUI = nullptr;
    DWORD fHideStandardUICalled = 0;
    HANDLE hOemHeap = nullptr;
    DocUiState *pDocUiState = nullptr;
    PrnUiState *pPrnUiState = nullptr;
    POEMCUIPPARAM pDocCuipParam = nullptr;
    POEMCUIPPARAM pPrnCuipParam = nullptr;
    // The driver's configuration as the CommonUIProp that asked for the
    // item count read it; the call with the items follows at once.
    std::unique_ptr<DriverConfigSnapshot> pCountCallConfig;

private:
    void ReleaseHeapBlocks();
};
