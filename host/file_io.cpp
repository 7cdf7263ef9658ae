// Whole-file reads and writes for DEVMODE and printer-description files.
#include "file_io.h"

#include "core/win_holders.h"
#include "host_text.h"

namespace {

// Far beyond any DEVMODE (its size fields are 16-bit); a bigger file is not one.
constexpr LONGLONG kMaxDevmodeFileBytes = 1 << 20;

std::string Failure(const char *what, const std::wstring &path, DWORD error) {
    return std::string(what) + " " + Utf8(path) + ": " + Win32ErrorText(error);
}

}  // namespace

bool ReadWholeFile(const std::wstring &path, std::vector<BYTE> *bytes, std::string *error) {
    return ReadWholeFile(path, bytes, error, kMaxDevmodeFileBytes);
}

bool ReadWholeFile(const std::wstring &path, std::vector<BYTE> *bytes, std::string *error,
                   LONGLONG maxBytes) {
    UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        *error = Failure("cannot open", path, GetLastError());
        return false;
    }
    LARGE_INTEGER size = {};
    if (!GetFileSizeEx(file.Get(), &size)) {
        *error = Failure("cannot size", path, GetLastError());
        return false;
    }
    if (size.QuadPart > maxBytes) {
        *error = "file " + Utf8(path) + " is " + std::to_string(size.QuadPart) +
                 " bytes, more than the " + std::to_string(maxBytes) + " it may have";
        return false;
    }
    bytes->assign(static_cast<size_t>(size.QuadPart), 0);
    DWORD read = 0;
    if (!bytes->empty() &&
        !ReadFile(file.Get(), bytes->data(), static_cast<DWORD>(bytes->size()), &read, nullptr)) {
        *error = Failure("cannot read", path, GetLastError());
        return false;
    }
    bytes->resize(read);
    return true;
}

bool WriteWholeFile(const std::wstring &path, const BYTE *data, size_t size, std::string *error) {
    UniqueHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        *error = Failure("cannot create", path, GetLastError());
        return false;
    }
    DWORD written = 0;
    if (!WriteFile(file.Get(), data, static_cast<DWORD>(size), &written, nullptr) ||
        written != size) {
        *error = Failure("cannot write", path, GetLastError());
        return false;
    }
    return true;
}
