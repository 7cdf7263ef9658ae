#include "crypto_library.h"

#include "support/wine_test_support.h"

CryptoLibrary::CryptoLibrary() : module_(LoadLibraryW((ExeDirectory() + L"\\sxcrypt.dll").c_str())) {}

std::vector<BYTE> CryptoLibrary::Seal(const std::string &password) const {
    std::vector<BYTE> out(kRecordCipherBytes);
    DWORD length = kCallerCipherCapacity;
    if (!encryptPassword(password.data(), static_cast<DWORD>(password.size()), out.data(),
                         &length))
        return {};
    out.resize(length);
    return out;
}

bool CryptoLibrary::Open(const std::vector<BYTE> &sealed, std::string *password) const {
    char out[kCallerPlainCapacity] = {};
    DWORD size = kCallerPlainCapacity;
    if (!decryptPassword(sealed.data(), static_cast<DWORD>(sealed.size()), out, &size))
        return false;
    password->assign(out, size);
    return true;
}
