#include "driver_texts.h"

#include "core/resource_rules.h"
#include "options_page.h"

#include <cwchar>

namespace {

// The neutral (English) texts first.
const DriverTexts kDriverTexts[] = {
    {0x0000, kOptionsPageTitle, L"%ls Document Properties"},
    {0x000A, L"Opciones avanzadas", L"Propiedades del documento de %ls"},
    {0x0404, L"\u9032\u968e", L"%ls \u6587\u4ef6\u5167\u5bb9"},
    {0x0407, L"Erweitert", L"Dokumenteigenschaften von %ls"},
    {0x040C, L"Avanc\u00e9", L"Propri\u00e9t\u00e9s du document %ls"},
    {0x0410, L"Avanzate", L"Propriet\u00e0 documento di %ls"},
    {0x0412, L"\uace0\uae09", L"%ls \ubb38\uc11c \uc18d\uc131"},
    {0x0416, L"Avan\u00e7ado", L"Propriedades do documento de %ls"},
    {0x0804, L"\u9ad8\u7ea7", L"%ls \u6587\u6863\u5c5e\u6027"},
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

std::wstring DocumentPropertiesTitle(const DriverTexts &texts, const std::wstring &printerName) {
    const std::wstring format = texts.documentProperties;
    const size_t at = format.find(L"%ls");
    if (at == std::wstring::npos) return format;
    return format.substr(0, at) + printerName + format.substr(at + 3);
}
