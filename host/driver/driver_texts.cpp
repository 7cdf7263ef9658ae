#include "driver/driver_texts.h"

#include "core/resource_rules.h"
#include "sheet/options_page.h"
#include "sheet/printer_sheet.h"

namespace {

const WCHAR kNamePlace[] = L"%ls";
constexpr size_t kNamePlaceChars = 3;

// The neutral (English) texts first.
const DriverTexts kDriverTexts[] = {
    {0x0000, kOptionsPageTitle, kDeviceSettingsTitle, L"%ls Document Properties",
     L"%ls Properties"},
    {0x000A, L"Opciones avanzadas", L"Configuraci\u00f3n del dispositivo",
     L"Propiedades del documento de %ls", L"Propiedades de %ls"},
    {0x0404, L"\u9032\u968e", L"\u88dd\u7f6e\u8a2d\u5b9a", L"%ls \u6587\u4ef6\u5167\u5bb9",
     L"%ls \u5167\u5bb9"},
    {0x0407, L"Erweitert", L"Ger\u00e4teeinstellungen", L"Dokumenteigenschaften von %ls",
     L"Eigenschaften von %ls"},
    {0x040C, L"Avanc\u00e9", L"Param\u00e8tres du p\u00e9riph\u00e9rique",
     L"Propri\u00e9t\u00e9s du document %ls", L"Propri\u00e9t\u00e9s de %ls"},
    {0x0410, L"Avanzate", L"Impostazioni dispositivo", L"Propriet\u00e0 documento di %ls",
     L"Propriet\u00e0 di %ls"},
    {0x0412, L"\uace0\uae09", L"\uc7a5\uce58 \uc124\uc815", L"%ls \ubb38\uc11c \uc18d\uc131",
     L"%ls \uc18d\uc131"},
    {0x0416, L"Avan\u00e7ado", L"Configura\u00e7\u00f5es do dispositivo",
     L"Propriedades do documento de %ls", L"Propriedades de %ls"},
    {0x0804, L"\u9ad8\u7ea7", L"\u8bbe\u5907\u8bbe\u7f6e", L"%ls \u6587\u6863\u5c5e\u6027",
     L"%ls \u5c5e\u6027"},
};
constexpr size_t kLanguageCount = sizeof(kDriverTexts) / sizeof(kDriverTexts[0]);

}  // namespace

const DriverTexts &DriverTextsFor(LANGID userLanguage) {
    uint16_t offered[kLanguageCount];
    for (size_t i = 0; i < kLanguageCount; ++i) offered[i] = kDriverTexts[i].language;
    const uint16_t chosen = ChooseResourceLanguage(userLanguage, offered, kLanguageCount);
    for (const DriverTexts &texts : kDriverTexts)
        if (chosen && texts.language == chosen) return texts;
    return kDriverTexts[0];
}

const DriverTexts &UserDriverTexts() { return DriverTextsFor(GetUserDefaultLangID()); }

std::wstring WithPrinterName(const WCHAR *format, const std::wstring &printerName) {
    const std::wstring text = format;
    const size_t at = text.find(kNamePlace);
    if (at == std::wstring::npos) return text;
    return text.substr(0, at) + printerName + text.substr(at + kNamePlaceChars);
}
