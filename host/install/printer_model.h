// The installed printer's description, read the way the driver reads its
// data file, with the printer's installable options as its printer data
// keeps them ("FeatureKeyword").
#pragma once

#include "ppd/feature_keyword_data.h"
#include "ppd/ppd_file.h"
#include "ppd/ppd_text.h"

#include <windows.h>

#include <string>
#include <vector>

struct PrinterModel {
    std::wstring ppdPath;
    PpdFile ppd;
    PpdEncoding encoding = PpdEncoding::Latin1;
    std::vector<FeatureSetting> installed;
};

// False with a message when the data file cannot be read; a file that is no
// description gives a model without features.
bool LoadPrinterModel(HANDLE printer, PrinterModel *model, std::string *error);

// A description text of the model as UTF-16.
std::wstring ModelText(const PrinterModel &model, const std::string &bytes);

// The printer's "FeatureKeyword" entries, as far as its size value says.
std::vector<FeatureSetting> ReadPrinterFeatureKeyword(HANDLE printer);

// The printer data value and its size value.
extern const WCHAR kFeatureKeywordValue[];
extern const WCHAR kFeatureKeywordSizeValue[];

// The installable-options defaults of the description, as the driver
// writes them when a printer is added.
bool StoreInstalledDefaults(HANDLE printer, const PpdFile &ppd, std::string *error);
