// The driver helper the host offers the plug-in. Settings come from a small
// table of the sample model's defaults until the host keeps a real option
// tree.
#include "driver_helper.h"

#include <cstring>

namespace {

// DrvGetDriverSetting takes either a PPD keyword or a small OEMGDS_* number
// in the pointer itself; numbers lie below this bound.
constexpr ULONG_PTR kFeatureNumberLimit = 0x10000;
constexpr DWORD kSingleOption = 1;

struct KeywordSetting {
    const char *keyword;
    const char *option;
};

// The sample PPD's defaults of the features the plug-in asks for.
const KeywordSetting kKeywordSettings[] = {
    {"PageSize", "A4"},
    {"Duplex", "None"},
    {"OutputBin", "Standard"},
    {"TraySwitch", "True"},
    {"VXResolution", "600dpi"},
};

struct NumberSetting {
    ULONG_PTR feature;
    DWORD value;
};

constexpr DWORD kDefaultPsLevel = 3;
constexpr DWORD kDefaultNup = 1;

const NumberSetting kNumberSettings[] = {
    {OEMGDS_PSDM_FLAGS, 0},
    {OEMGDS_PSDM_DIALECT, 0},
    {OEMGDS_PSDM_TTDLFMT, 0},
    {OEMGDS_PSDM_NUP, kDefaultNup},
    {OEMGDS_PSDM_PSLEVEL, kDefaultPsLevel},
    {OEMGDS_PSDM_CUSTOMSIZE, 0},
};

bool IsFeatureNumber(PCSTR feature) {
    return reinterpret_cast<ULONG_PTR>(feature) < kFeatureNumberLimit;
}

const NumberSetting *FindNumberSetting(ULONG_PTR feature) {
    for (const NumberSetting &setting : kNumberSettings)
        if (setting.feature == feature) return &setting;
    return nullptr;
}

const KeywordSetting *FindKeywordSetting(PCSTR keyword) {
    for (const KeywordSetting &setting : kKeywordSettings)
        if (strcmp(setting.keyword, keyword) == 0) return &setting;
    return nullptr;
}

// Copies the answer when it fits; the needed size is reported either way.
HRESULT DeliverSetting(const void *data, DWORD size, PVOID output, DWORD cbSize,
                       PDWORD pcbNeeded, PDWORD pdwOptionsReturned) {
    *pcbNeeded = size;
    if (!output || cbSize < size) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return E_FAIL;
    }
    memcpy(output, data, size);
    if (pdwOptionsReturned) *pdwOptionsReturned = kSingleOption;
    return S_OK;
}

}  // namespace

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

HRESULT STDMETHODCALLTYPE HostDriverUI::DrvGetDriverSetting(PVOID, PCSTR Feature, PVOID pOutput,
                                                            DWORD cbSize, PDWORD pcbNeeded,
                                                            PDWORD pdwOptionsReturned) {
    if (!Feature || !pcbNeeded) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return E_FAIL;
    }
    if (IsFeatureNumber(Feature)) {
        const NumberSetting *setting = FindNumberSetting(reinterpret_cast<ULONG_PTR>(Feature));
        if (!setting) {
            SetLastError(ERROR_NOT_SUPPORTED);
            return E_FAIL;
        }
        return DeliverSetting(&setting->value, sizeof(setting->value), pOutput, cbSize,
                              pcbNeeded, pdwOptionsReturned);
    }
    const KeywordSetting *setting = FindKeywordSetting(Feature);
    if (!setting) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return E_FAIL;
    }
    // The option names come as a list of terminated strings; one here.
    return DeliverSetting(setting->option, static_cast<DWORD>(strlen(setting->option) + 1),
                          pOutput, cbSize, pcbNeeded, pdwOptionsReturned);
}

HRESULT STDMETHODCALLTYPE HostDriverUI::DrvUpgradeRegistrySetting(HANDLE, PCSTR, PCSTR) {
    return S_OK;
}

HRESULT STDMETHODCALLTYPE HostDriverUI::DrvUpdateUISetting(PVOID, PVOID pOptItem, DWORD,
                                                           DWORD dwMode) {
    if (!pOptItem || (dwMode != OEMCUIP_DOCPROP && dwMode != OEMCUIP_PRNPROP)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return E_FAIL;
    }
    return S_OK;
}
