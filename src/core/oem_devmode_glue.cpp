// Binds the record operations to the printer's configuration files, the
// spooler and the encryption library.
#include "core/oem_devmode_glue.h"
#include "core/config_key_text.h"

#include "core/driver_config.h"
#include "core/oem_devmode.h"

#include <cstdint>

namespace {

static_assert(sizeof(WCHAR) == sizeof(char16_t), "record text is 16-bit");

const char kGetDefaultSettingExport[] = "GetDefaultSetting";
constexpr DWORD kCryptoDefaultMode = 1;

typedef BOOL(WINAPI *GetDefaultSettingFn)(void *block, DWORD mode);

WCHAR *Wide(char16_t *text) { return reinterpret_cast<WCHAR *>(text); }
const WCHAR *Wide(const char16_t *text) { return reinterpret_cast<const WCHAR *>(text); }

// One record operation's view of the printer: the driver's information and
// each configuration file are read once, as spooler and profile calls
// dominate its cost.
class PrinterRecordEnvironment : public RecordEnvironment {
public:
    explicit PrinterRecordEnvironment(HANDLE printer) : config_(printer) {}

    void FindDriverConfigFiles(char16_t *iniPath) override {
        config_.FindConfigFiles(Wide(iniPath));
    }

    int ReadOnePassSeries(const char16_t *iniPath) override {
        // A path field the driver never had filled may hold no terminator:
        // it names no file, and nothing past the field is read.
        if (wcsnlen(Wide(iniPath), kPathChars) == kPathChars) return 0;
        return static_cast<int>(config_.ReadFileInt(Wide(iniPath), KeyText(kSpecialKeySection),
                                                    KeyText(kKey1PassSeries), 0));
    }

    bool ReadDriverDirectory(char16_t *out, size_t chars) override {
        return config_.ReadDriverDirectory(Wide(out), static_cast<DWORD>(chars));
    }

    const char16_t *CapabilityPath() override {
        return reinterpret_cast<const char16_t *>(CapabilityFile);
    }

    uint32_t ReadCompressionCapability() override {
        return config_.ReadCompressionCapability();
    }

    bool GetCryptoDefaults(uint32_t area[10]) override {
        SideLibrary library(config_);
        auto getDefault = library.ExportAs<GetDefaultSettingFn>(kGetDefaultSettingExport);
        if (!getDefault) return false;
        return getDefault(area, kCryptoDefaultMode) != 0;
    }

private:
    DriverConfigSnapshot config_;
};

// How many bytes at the input record belong to it: up to the end of the
// input DEVMODE when the record lies inside it, else what a record can hold.
size_t InputRecordBytes(const OEMDMPARAM &param) {
    const auto *record = static_cast<const BYTE *>(param.pOEMDMIn);
    const auto *devmode = reinterpret_cast<const BYTE *>(param.pPublicDMIn);
    if (!devmode) return kOemDevmodeSize;
    const BYTE *end = devmode + param.pPublicDMIn->dmSize + param.pPublicDMIn->dmDriverExtra;
    if (record < devmode || record >= end) return kOemDevmodeSize;
    return static_cast<size_t>(end - record);
}

// cbBufSize is the size of the buffer at pOEMDMOut: one too small for the
// record, a size of 0 included, is never written.
bool OutputTooSmall(const OEMDMPARAM &param) { return param.cbBufSize < kOemDevmodeSize; }

}  // namespace

HRESULT HandleOemDevMode(DWORD mode, POEMDMPARAM param) {
    if (!param) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return E_FAIL;
    }
    if (mode == OEMDM_SIZE) {
        param->cbBufSize = kOemDevmodeSize;
        return S_OK;
    }
    if (mode != OEMDM_DEFAULT && mode != OEMDM_CONVERT && mode != OEMDM_MERGE) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return E_FAIL;
    }
    auto *out = static_cast<OemDevmode *>(param->pOEMDMOut);
    if (out && OutputTooSmall(*param)) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return E_FAIL;
    }

    PrinterRecordEnvironment env(param->hPrinter);
    switch (mode) {
    case OEMDM_DEFAULT:
        if (out) DefaultOemDevmode(out, env);
        break;
    case OEMDM_CONVERT:
        ConvertOemDevmode(param->pOEMDMIn, InputRecordBytes(*param), out, env);
        break;
    case OEMDM_MERGE:
        MergeOemDevmode(param->pOEMDMIn, InputRecordBytes(*param), out, env);
        break;
    }
    return S_OK;
}
