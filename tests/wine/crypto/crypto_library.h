// sxcrypt.dll from the test program's folder with its four exports, and the
// calls the tests make through them.
#pragma once

#include "sxcrypt.h"

#include <string>
#include <vector>

// The plug-in's buffers: the record's encrypted-password field, the length it
// passes on entry, and the block area it decrypts into.
constexpr DWORD kRecordCipherBytes = 256;
constexpr DWORD kCallerCipherCapacity = 255;
constexpr DWORD kCallerPlainCapacity = 13;

class CryptoLibrary {
public:
    CryptoLibrary();
    ~CryptoLibrary();
    CryptoLibrary(const CryptoLibrary &) = delete;
    CryptoLibrary &operator=(const CryptoLibrary &) = delete;
    bool Loaded() const;

    GetDefaultSettingFn getDefaultSetting = nullptr;
    DispCryptoUIExFn dispCryptoUi = nullptr;
    EncryptPasswordFn encryptPassword = nullptr;
    DecryptPasswordFn decryptPassword = nullptr;

    // The stored form of password with the caller's capacity; empty when the
    // call fails.
    std::vector<BYTE> Seal(const std::string &password) const;
    // The password with the caller's capacity; false when the call fails.
    bool Open(const std::vector<BYTE> &sealed, std::string *password) const;

private:
    HMODULE module_;
};
