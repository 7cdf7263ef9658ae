// The PostScript driver's own texts that the host shows around the
// plug-in's pages: its pages of options and the sheets' titles. A real
// driver shows them in the user's language, so the host does too, in the
// plug-in's nine languages.
#pragma once

#include <windows.h>

#include <string>

struct DriverTexts {
    LANGID language;
    const WCHAR *optionsPage;         // the document sheet's page of options
    const WCHAR *deviceSettingsPage;  // the printer sheet's page of options
    const WCHAR *documentProperties;  // the document sheet's title; %ls is the printer's name
    const WCHAR *printerProperties;   // the printer sheet's title; %ls is the printer's name
};

// The texts for a user language, chosen as the plug-in chooses its
// resources; English when no language fits.
const DriverTexts &DriverTextsFor(LANGID userLanguage);
const DriverTexts &UserDriverTexts();

// A title format with the printer's name in the place of its %ls.
std::wstring WithPrinterName(const WCHAR *format, const std::wstring &printerName);
