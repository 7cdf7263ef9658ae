#include "sample_folder.h"

#include "core/win_holders.h"
#include "driver/driver_files.h"
#include "file_io.h"
#include "host_text.h"

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <string_view>

namespace {

const WCHAR kFolderVariable[] = L"SX_PPD_SAMPLE_DIR";
const WCHAR kDescriptionPattern[] = L"*.ppd";
// The largest description of the sample is well under a megabyte.
constexpr LONGLONG kMaxDescriptionBytes = 16LL << 20;

std::string TestNameOf(const std::string &fileName) {
    std::string name = fileName;
    for (char &c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return name;
}

}  // namespace

std::wstring SampleFolder() {
    WCHAR folder[MAX_PATH] = L"";
    const DWORD length = GetEnvironmentVariableW(kFolderVariable, folder, MAX_PATH);
    return length && length < MAX_PATH ? folder : L"";
}

std::vector<SampleDescription> SampleDescriptions() {
    std::vector<SampleDescription> descriptions;
    const std::wstring folder = SampleFolder();
    if (folder.empty()) return descriptions;
    WIN32_FIND_DATAW found = {};
    const FileSearch search(FindFirstFileW(JoinPath(folder, kDescriptionPattern).c_str(), &found));
    if (search.Get() == INVALID_HANDLE_VALUE) return descriptions;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        const std::string fileName = Utf8(found.cFileName);
        descriptions.push_back({JoinPath(folder, found.cFileName), fileName, TestNameOf(fileName)});
    } while (FindNextFileW(search.Get(), &found));
    std::sort(descriptions.begin(), descriptions.end(),
              [](const SampleDescription &a, const SampleDescription &b) {
                  return a.fileName < b.fileName;
              });
    return descriptions;
}

bool ReadDescription(const SampleDescription &description, PpdFile *ppd, std::string *error) {
    std::vector<BYTE> text;
    if (!ReadWholeFile(description.path, &text, error, kMaxDescriptionBytes)) return false;
    *ppd = ParsePpd(std::string_view(reinterpret_cast<const char *>(text.data()), text.size()));
    return true;
}
