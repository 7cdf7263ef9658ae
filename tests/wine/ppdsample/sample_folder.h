// The sample of foreign printer descriptions that the native setup step
// (scripts/fetch-ppd-sample.py) wrote into the build tree: where it is, and
// what each file says of its printer.
#pragma once

#include "ppd/ppd_file.h"

#include <string>
#include <vector>

struct SampleDescription {
    std::wstring path;
    std::string fileName;
    // A test-name part: the file name with every character that is no
    // letter or digit as '_'.
    std::string testName;
};

// SX_PPD_SAMPLE_DIR, as a Windows path; empty when it is not set.
std::wstring SampleFolder();
// Every *.ppd file of the sample folder, by file name; empty when the
// folder is missing.
std::vector<SampleDescription> SampleDescriptions();
// The file parsed as the driver host parses it; false with a message when
// it cannot be read.
bool ReadDescription(const SampleDescription &description, PpdFile *ppd, std::string *error);
