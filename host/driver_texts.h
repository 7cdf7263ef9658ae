// The PostScript driver's own texts that the host shows around the
// plug-in's pages: its page of options and the sheet's title. A real
// driver shows them in the user's language, so the host does too, in the
// plug-in's nine languages.
#pragma once

#include <windows.h>

#include <string>

struct DriverTexts {
    LANGID language;
    const WCHAR *optionsPage;         // the driver's page of printer-description options
    const WCHAR *documentProperties;  // the sheet title; %ls is the printer's name
};

// The texts for a user language, chosen as the plug-in chooses its
// resources; English when no language fits.
const DriverTexts &DriverTextsFor(LANGID userLanguage);
const DriverTexts &UserDriverTexts();

std::wstring DocumentPropertiesTitle(const DriverTexts &texts, const std::wstring &printerName);
