#include "install/printer_model.h"

#include "driver/driver_files.h"
#include "file_io.h"
#include "host_text.h"

#include <winspool.h>

const WCHAR kFeatureKeywordValue[] = L"FeatureKeyword";
const WCHAR kFeatureKeywordSizeValue[] = L"FeatureKeywordSize";

namespace {

// Descriptions of big printer families run to a few megabytes.
constexpr LONGLONG kMaxDescriptionBytes = 64LL << 20;

}  // namespace

std::vector<FeatureSetting> ReadPrinterFeatureKeyword(HANDLE printer) {
    BYTE data[kFeatureKeywordCapacity] = {};
    DWORD type = 0, got = 0, size = 0, sizeBytes = 0;
    if (GetPrinterDataW(printer, const_cast<WCHAR *>(kFeatureKeywordValue), &type, data,
                        sizeof(data), &got) != ERROR_SUCCESS)
        return {};
    if (GetPrinterDataW(printer, const_cast<WCHAR *>(kFeatureKeywordSizeValue), &type,
                        reinterpret_cast<BYTE *>(&size), sizeof(size), &sizeBytes) == ERROR_SUCCESS &&
        size < got)
        got = size;
    return ParseFeatureKeywordData(data, got);
}

bool LoadPrinterModel(HANDLE printer, PrinterModel *model, std::string *error) {
    InstalledDriver driver;
    if (!ReadInstalledDriver(printer, &driver, error)) return false;
    std::vector<BYTE> text;
    if (!ReadWholeFile(driver.dataFile, &text, error, kMaxDescriptionBytes)) return false;
    model->ppdPath = driver.dataFile;
    model->ppd = ParsePpd(std::string_view(reinterpret_cast<const char *>(text.data()), text.size()));
    model->encoding = EncodingOf(model->ppd.languageEncoding);
    model->installed = ReadPrinterFeatureKeyword(printer);
    return true;
}

std::wstring ModelText(const PrinterModel &model, const std::string &bytes) {
    const unsigned codePage = CodePageOf(model.encoding);
    if (codePage && !bytes.empty() && !IsValidUtf8(bytes)) {
        const int chars = MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()),
                                              nullptr, 0);
        if (chars > 0) {
            std::wstring wide(static_cast<size_t>(chars), L'\0');
            MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), &wide[0],
                                chars);
            return wide;
        }
    }
    const std::u16string text = DecodePpdText(bytes, model.encoding);
    return std::wstring(text.begin(), text.end());
}

bool StoreInstalledDefaults(HANDLE printer, const PpdFile &ppd, std::string *error) {
    std::vector<FeatureSetting> settings;
    for (const PpdFeature &feature : ppd.features)
        if (feature.group == kInstallableOptionsGroup)
            settings.push_back({feature.keyword, feature.options[feature.defaultIndex].keyword});
    if (settings.empty()) return true;
    std::vector<uint8_t> data = FormatFeatureKeywordData(settings, kFeatureKeywordCapacity);
    DWORD size = static_cast<DWORD>(data.size());
    DWORD status = SetPrinterDataW(printer, const_cast<WCHAR *>(kFeatureKeywordSizeValue), REG_DWORD,
                                   reinterpret_cast<BYTE *>(&size), sizeof(size));
    if (status == ERROR_SUCCESS)
        status = SetPrinterDataW(printer, const_cast<WCHAR *>(kFeatureKeywordValue), REG_BINARY,
                                 data.data(), size);
    if (status == ERROR_SUCCESS) return true;
    *error = "cannot store the installable options: " + Win32ErrorText(status);
    return false;
}
