#include "printer_answers.h"

namespace {

const char kAnswersFileName[] = "sxprinter.ans";
const char kAnswersVariable[] = "SX_PRINTER_ANSWERS";
const char kDefaultSection[] = "Default";
const char kUserTypePrefix[] = "USERTYPE";
const char kCutAnswer[] = "CutsDataFileAt";
constexpr DWORD kValueChars = 512;
constexpr DWORD kSectionProbeChars = 4;
constexpr DWORD kPresentBehaviour = 1;

std::string AnswersFile(HMODULE library) {
    char path[MAX_PATH] = "";
    const DWORD variable = GetEnvironmentVariableA(kAnswersVariable, path, MAX_PATH);
    if (variable && variable < MAX_PATH) return path;
    const DWORD length = GetModuleFileNameA(library, path, MAX_PATH);
    if (!length || length >= MAX_PATH) return {};
    std::string file(path, length);
    return file.substr(0, file.find_last_of('\\') + 1) + kAnswersFileName;
}

bool HasSection(const std::string &file, const char *section) {
    char probe[kSectionProbeChars];
    return GetPrivateProfileSectionA(section, probe, kSectionProbeChars, file.c_str()) > 0;
}

}  // namespace

PrinterAnswers::PrinterAnswers(HMODULE library, const char *printerName)
    : file_(AnswersFile(library)) {
    if (file_.empty() || !printerName) return;
    if (HasSection(file_, printerName)) section_ = printerName;
    else if (HasSection(file_, kDefaultSection)) section_ = kDefaultSection;
}

std::string PrinterAnswers::Text(const char *key) const {
    if (!Known()) return {};
    char value[kValueChars] = "";
    GetPrivateProfileStringA(section_.c_str(), key, "", value, kValueChars, file_.c_str());
    return value;
}

DWORD PrinterAnswers::Behaviour(const char *key) const {
    if (!Known()) return 0;
    return GetPrivateProfileIntA(section_.c_str(), key, kPresentBehaviour, file_.c_str());
}

UINT PrinterAnswers::Number(const char *key) const {
    return Known() ? GetPrivateProfileIntA(section_.c_str(), key, 0, file_.c_str()) : 0;
}

void WriteDataValue(const char *dataFile, const char *printerName, const char *key,
                    const std::string &value) {
    WritePrivateProfileStringA(printerName, key, value.c_str(), dataFile);
}

void CopyAnswers(const PrinterAnswers &answers, const char *dataFile, const char *printerName,
                 const char *const *keys, size_t count) {
    WritePrivateProfileStringA(printerName, nullptr, nullptr, dataFile);
    for (size_t i = 0; i < count; ++i) {
        const std::string value = answers.Text(keys[i]);
        if (!value.empty()) WriteDataValue(dataFile, printerName, keys[i], value);
    }
    for (int n = 1;; ++n) {
        const std::string key = kUserTypePrefix + std::to_string(n);
        const std::string value = answers.Text(key.c_str());
        if (value.empty()) break;
        WriteDataValue(dataFile, printerName, key.c_str(), value);
    }
}

void CutDataFile(const PrinterAnswers &answers, const char *dataFile) {
    if (answers.Text(kCutAnswer).empty()) return;
    const LONG keep = static_cast<LONG>(answers.Number(kCutAnswer));
    HANDLE file = CreateFileA(dataFile, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    const DWORD size = GetFileSize(file, nullptr);
    if (keep >= 0 && size != INVALID_FILE_SIZE && static_cast<DWORD>(keep) < size &&
        SetFilePointer(file, keep, nullptr, FILE_BEGIN) != INVALID_SET_FILE_POINTER)
        SetEndOfFile(file);
    CloseHandle(file);
}
