// Declarations of the PostScript driver's UI plug-in interfaces and
// structures, which the mingw-w64 headers do not carry. The 64-bit layouts
// are checked at compile time against the published offsets.
#pragma once

#include <windows.h>
#include <unknwn.h>
#include <prsht.h>
#include <compstui.h>
#include <winddiui.h>
#include <winspool.h>
#include <cstddef>

// Class and interface identifiers.
extern "C" const CLSID CLSID_OEMUI;
extern "C" const IID IID_IPrintOemCommon;
extern "C" const IID IID_IPrintOemUI;
extern "C" const IID IID_IPrintOemUI2;
extern "C" const IID IID_IPrintOemDriverUI;

// GetInfo modes.
constexpr DWORD OEMGI_GETSIGNATURE = 1;
constexpr DWORD OEMGI_GETINTERFACEVERSION = 2;
constexpr DWORD OEMGI_GETVERSION = 3;
constexpr DWORD OEMGI_GETPUBLISHERINFO = 4;
constexpr DWORD OEMGI_GETREQUESTEDHELPERINTERFACES = 5;

// DevMode modes.
constexpr DWORD OEMDM_SIZE = 1;
constexpr DWORD OEMDM_DEFAULT = 2;
constexpr DWORD OEMDM_CONVERT = 3;
constexpr DWORD OEMDM_MERGE = 4;

// CommonUIProp / HideStandardUI modes.
constexpr DWORD OEMCUIP_DOCPROP = 1;
constexpr DWORD OEMCUIP_PRNPROP = 2;

// QueryColorProfile.
constexpr ULONG QCP_DEVICEPROFILE = 0;
constexpr ULONG QCP_SOURCEPROFILE = 1;
constexpr FLONG QCP_PROFILEMEMORY = 1;
constexpr FLONG QCP_PROFILEDISK = 2;

// Driver UI fMode bits beyond the classic DM_* values.
constexpr DWORD DM_ADVANCED = 0x10;
constexpr DWORD DM_NOPERMISSION = 0x20;
constexpr DWORD DM_USER_DEFAULT = 0x40;
constexpr WORD DPS_NOPERMISSION = 0x0001;

// DrvGetDriverSetting integer features.
constexpr ULONG_PTR OEMGDS_PSDM_FLAGS = 1;
constexpr ULONG_PTR OEMGDS_PSDM_DIALECT = 2;
constexpr ULONG_PTR OEMGDS_PSDM_TTDLFMT = 3;
constexpr ULONG_PTR OEMGDS_PSDM_NUP = 4;
constexpr ULONG_PTR OEMGDS_PSDM_PSLEVEL = 5;
constexpr ULONG_PTR OEMGDS_PSDM_CUSTOMSIZE = 6;

typedef BOOL(WINAPI *PFN_DrvGetDriverSetting)(PVOID pdriverobj, PCSTR Feature, PVOID pOutput,
                                               DWORD cbSize, PDWORD pcbNeeded,
                                               PDWORD pdwOptionsReturned);
typedef BOOL(WINAPI *PFN_DrvUpdateUISetting)(PVOID pdriverobj, PVOID pOptItem,
                                              DWORD dwPreviousSelection, DWORD dwMode);

struct OEMUIPROCS {
    PFN_DrvGetDriverSetting DrvGetDriverSetting;
    PFN_DrvUpdateUISetting DrvUpdateUISetting;
};
typedef OEMUIPROCS *POEMUIPROCS;

struct OEMUIOBJ {
    DWORD cbSize;
    POEMUIPROCS pOemUIProcs;
};
typedef OEMUIOBJ *POEMUIOBJ;

struct OEMDMPARAM {
    DWORD cbSize;
    PVOID pdriverobj;
    HANDLE hPrinter;
    HANDLE hModule;
    PDEVMODEW pPublicDMIn;
    PDEVMODEW pPublicDMOut;
    PVOID pOEMDMIn;
    PVOID pOEMDMOut;
    DWORD cbBufSize;
};
typedef OEMDMPARAM *POEMDMPARAM;

struct OEMCUIPPARAM;
typedef LONG(APIENTRY *OEMCUIPCALLBACK)(PCPSUICBPARAM pCallbackParam,
                                         OEMCUIPPARAM *pOemCUIPParam);

struct OEMCUIPPARAM {
    DWORD cbSize;
    POEMUIOBJ poemuiobj;
    HANDLE hPrinter;
    PWSTR pPrinterName;
    HANDLE hModule;
    HANDLE hOEMHeap;
    PDEVMODEW pPublicDM;
    PVOID pOEMDM;
    DWORD dwFlags;
    POPTITEM pDrvOptItems;
    DWORD cDrvOptItems;
    POPTITEM pOEMOptItems;
    DWORD cOEMOptItems;
    PVOID pOEMUserData;
    OEMCUIPCALLBACK OEMCUIPCallback;
};
typedef OEMCUIPPARAM *POEMCUIPPARAM;

struct OEMUIPSPARAM {
    DWORD cbSize;
    POEMUIOBJ poemuiobj;
    HANDLE hPrinter;
    PWSTR pPrinterName;
    HANDLE hModule;
    HANDLE hOEMHeap;
    PDEVMODEW pPublicDM;
    PVOID pOEMDM;
    PVOID pOEMUserData;
    DWORD dwFlags;
    PVOID pOemEntry;
};
typedef OEMUIPSPARAM *POEMUIPSPARAM;

struct OEM_DMEXTRAHEADER {
    DWORD dwSize;
    DWORD dwSignature;
    DWORD dwVersion;
};

struct USERDATA {
    DWORD dwSize;
    ULONG_PTR dwItemID;
    PSTR pKeyWordName;
    DWORD dwReserved[8];
};
typedef USERDATA *PUSERDATA;

struct DOCUMENTPROPERTYHEADER {
    WORD cbSize;
    WORD Reserved;
    HANDLE hPrinter;
    LPWSTR pszPrinterName;
    PDEVMODEW pdmIn;
    PDEVMODEW pdmOut;
    DWORD cbOut;
    DWORD fMode;
};

struct DEVICEPROPERTYHEADER {
    WORD cbSize;
    WORD Flags;
    HANDLE hPrinter;
    LPWSTR pszPrinterName;
};

struct DEVQUERYPRINT_INFO {
    WORD cbSize;
    WORD Level;
    HANDLE hPrinter;
    DEVMODEW *pDevMode;
    LPWSTR pszErrorStr;
    DWORD cchErrorStr;
    DWORD cchNeeded;
};
typedef DEVQUERYPRINT_INFO *PDEVQUERYPRINT_INFO;

#define SX_CHECK_FIELD(type, field, off) static_assert(offsetof(type, field) == (off), #type "." #field)

static_assert(sizeof(OEMUIPROCS) == 16);
static_assert(sizeof(OEMUIOBJ) == 16);
SX_CHECK_FIELD(OEMUIOBJ, pOemUIProcs, 8);
static_assert(sizeof(OEMDMPARAM) == 72);
SX_CHECK_FIELD(OEMDMPARAM, pdriverobj, 8);
SX_CHECK_FIELD(OEMDMPARAM, hPrinter, 16);
SX_CHECK_FIELD(OEMDMPARAM, hModule, 24);
SX_CHECK_FIELD(OEMDMPARAM, pPublicDMIn, 32);
SX_CHECK_FIELD(OEMDMPARAM, pPublicDMOut, 40);
SX_CHECK_FIELD(OEMDMPARAM, pOEMDMIn, 48);
SX_CHECK_FIELD(OEMDMPARAM, pOEMDMOut, 56);
SX_CHECK_FIELD(OEMDMPARAM, cbBufSize, 64);
static_assert(sizeof(OEMCUIPPARAM) == 120);
SX_CHECK_FIELD(OEMCUIPPARAM, poemuiobj, 8);
SX_CHECK_FIELD(OEMCUIPPARAM, hPrinter, 16);
SX_CHECK_FIELD(OEMCUIPPARAM, pPrinterName, 24);
SX_CHECK_FIELD(OEMCUIPPARAM, hModule, 32);
SX_CHECK_FIELD(OEMCUIPPARAM, hOEMHeap, 40);
SX_CHECK_FIELD(OEMCUIPPARAM, pPublicDM, 48);
SX_CHECK_FIELD(OEMCUIPPARAM, pOEMDM, 56);
SX_CHECK_FIELD(OEMCUIPPARAM, dwFlags, 64);
SX_CHECK_FIELD(OEMCUIPPARAM, pDrvOptItems, 72);
SX_CHECK_FIELD(OEMCUIPPARAM, cDrvOptItems, 80);
SX_CHECK_FIELD(OEMCUIPPARAM, pOEMOptItems, 88);
SX_CHECK_FIELD(OEMCUIPPARAM, cOEMOptItems, 96);
SX_CHECK_FIELD(OEMCUIPPARAM, pOEMUserData, 104);
SX_CHECK_FIELD(OEMCUIPPARAM, OEMCUIPCallback, 112);
static_assert(sizeof(OEMUIPSPARAM) == 88);
SX_CHECK_FIELD(OEMUIPSPARAM, poemuiobj, 8);
SX_CHECK_FIELD(OEMUIPSPARAM, hPrinter, 16);
SX_CHECK_FIELD(OEMUIPSPARAM, pPrinterName, 24);
SX_CHECK_FIELD(OEMUIPSPARAM, hModule, 32);
SX_CHECK_FIELD(OEMUIPSPARAM, hOEMHeap, 40);
SX_CHECK_FIELD(OEMUIPSPARAM, pPublicDM, 48);
SX_CHECK_FIELD(OEMUIPSPARAM, pOEMDM, 56);
SX_CHECK_FIELD(OEMUIPSPARAM, pOEMUserData, 64);
SX_CHECK_FIELD(OEMUIPSPARAM, dwFlags, 72);
SX_CHECK_FIELD(OEMUIPSPARAM, pOemEntry, 80);
static_assert(sizeof(OEM_DMEXTRAHEADER) == 12);
static_assert(sizeof(USERDATA) == 56);
SX_CHECK_FIELD(USERDATA, dwItemID, 8);
SX_CHECK_FIELD(USERDATA, pKeyWordName, 16);
SX_CHECK_FIELD(USERDATA, dwReserved, 24);
static_assert(sizeof(DOCUMENTPROPERTYHEADER) == 48);
SX_CHECK_FIELD(DOCUMENTPROPERTYHEADER, hPrinter, 8);
SX_CHECK_FIELD(DOCUMENTPROPERTYHEADER, pszPrinterName, 16);
SX_CHECK_FIELD(DOCUMENTPROPERTYHEADER, pdmIn, 24);
SX_CHECK_FIELD(DOCUMENTPROPERTYHEADER, pdmOut, 32);
SX_CHECK_FIELD(DOCUMENTPROPERTYHEADER, cbOut, 40);
SX_CHECK_FIELD(DOCUMENTPROPERTYHEADER, fMode, 44);
static_assert(sizeof(DEVICEPROPERTYHEADER) == 24);
SX_CHECK_FIELD(DEVICEPROPERTYHEADER, Flags, 2);
SX_CHECK_FIELD(DEVICEPROPERTYHEADER, hPrinter, 8);
SX_CHECK_FIELD(DEVICEPROPERTYHEADER, pszPrinterName, 16);
static_assert(sizeof(DEVQUERYPRINT_INFO) == 40);
SX_CHECK_FIELD(DEVQUERYPRINT_INFO, pDevMode, 16);
SX_CHECK_FIELD(DEVQUERYPRINT_INFO, pszErrorStr, 24);
SX_CHECK_FIELD(DEVQUERYPRINT_INFO, cchErrorStr, 32);
SX_CHECK_FIELD(DEVQUERYPRINT_INFO, cchNeeded, 36);

// The interfaces. Declared at namespace scope so that calls through them
// are never treated as unreachable.
struct IPrintOemCommon : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE GetInfo(DWORD dwMode, PVOID pBuffer, DWORD cbSize,
                                              PDWORD pcbNeeded) = 0;
    virtual HRESULT STDMETHODCALLTYPE DevMode(DWORD dwMode, POEMDMPARAM pOemDMParam) = 0;
};

struct IPrintOemUI : public IPrintOemCommon {
    virtual HRESULT STDMETHODCALLTYPE PublishDriverInterface(IUnknown *pIUnknown) = 0;
    virtual HRESULT STDMETHODCALLTYPE CommonUIProp(DWORD dwMode, POEMCUIPPARAM pOemCUIPParam) = 0;
    virtual HRESULT STDMETHODCALLTYPE DocumentPropertySheets(PPROPSHEETUI_INFO pPSUIInfo,
                                                             LPARAM lParam) = 0;
    virtual HRESULT STDMETHODCALLTYPE DevicePropertySheets(PPROPSHEETUI_INFO pPSUIInfo,
                                                           LPARAM lParam) = 0;
    virtual HRESULT STDMETHODCALLTYPE DevQueryPrintEx(POEMUIOBJ poemuiobj,
                                                      PDEVQUERYPRINT_INFO pDQPInfo,
                                                      PDEVMODEW pPublicDM, PVOID pOEMDM) = 0;
    virtual HRESULT STDMETHODCALLTYPE DeviceCapabilities(POEMUIOBJ poemuiobj, HANDLE hPrinter,
                                                         PWSTR pDeviceName, WORD wCapability,
                                                         PVOID pOutput, PDEVMODEW pPublicDM,
                                                         PVOID pOEMDM, DWORD dwOld,
                                                         DWORD *dwResult) = 0;
    virtual HRESULT STDMETHODCALLTYPE UpgradePrinter(DWORD dwLevel, PBYTE pDriverUpgradeInfo) = 0;
    virtual HRESULT STDMETHODCALLTYPE PrinterEvent(PWSTR pPrinterName, INT iDriverEvent,
                                                   DWORD dwFlags, LPARAM lParam) = 0;
    virtual HRESULT STDMETHODCALLTYPE DriverEvent(DWORD dwDriverEvent, DWORD dwLevel,
                                                  LPBYTE pDriverInfo, LPARAM lParam) = 0;
    virtual HRESULT STDMETHODCALLTYPE QueryColorProfile(HANDLE hPrinter, POEMUIOBJ poemuiobj,
                                                        PDEVMODEW pPublicDM, PVOID pOEMDM,
                                                        ULONG ulQueryMode, VOID *pvProfileData,
                                                        ULONG *pcbProfileData,
                                                        FLONG *pflProfileData) = 0;
    virtual HRESULT STDMETHODCALLTYPE FontInstallerDlgProc(HWND hWnd, UINT usMsg, WPARAM wParam,
                                                           LPARAM lParam) = 0;
    virtual HRESULT STDMETHODCALLTYPE UpdateExternalFonts(HANDLE hPrinter, HANDLE hHeap,
                                                          PWSTR pwstrCartridges) = 0;
};

struct IPrintOemUI2 : public IPrintOemUI {
    virtual HRESULT STDMETHODCALLTYPE QueryJobAttributes(HANDLE hPrinter, PDEVMODEW pDevmode,
                                                         DWORD dwLevel,
                                                         LPBYTE lpAttributeInfo) = 0;
    virtual HRESULT STDMETHODCALLTYPE HideStandardUI(DWORD dwMode) = 0;
    virtual HRESULT STDMETHODCALLTYPE DocumentEvent(HANDLE hPrinter, HDC hdc, INT iEsc,
                                                    ULONG cbIn, PVOID pvIn, ULONG cbOut,
                                                    PVOID pvOut, PINT piResult) = 0;
};

struct IPrintOemDriverUI : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE DrvGetDriverSetting(PVOID pci, PCSTR Feature, PVOID pOutput,
                                                          DWORD cbSize, PDWORD pcbNeeded,
                                                          PDWORD pdwOptionsReturned) = 0;
    virtual HRESULT STDMETHODCALLTYPE DrvUpgradeRegistrySetting(HANDLE hPrinter, PCSTR pFeature,
                                                                PCSTR pOption) = 0;
    virtual HRESULT STDMETHODCALLTYPE DrvUpdateUISetting(PVOID pci, PVOID pOptItem,
                                                         DWORD dwPreviousSelection,
                                                         DWORD dwMode) = 0;
};
