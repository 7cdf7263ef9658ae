// sxcrypt.dll from the test program's folder with its four exports, and the
// calls the tests make through them.
#pragma once

#include "core/win_holders.h"
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
    bool Loaded() const { return getDefaultSetting && dispCryptoUi && encryptPassword && decryptPassword; }

private:
    // Before the exports, which are read from it as the object is made.
    LoadedLibrary module_;

public:
    GetDefaultSettingFn getDefaultSetting = module_.ExportAs<GetDefaultSettingFn>("GetDefaultSetting");
    DispCryptoUIExFn dispCryptoUi = module_.ExportAs<DispCryptoUIExFn>("DispCryptoUIEx");
    EncryptPasswordFn encryptPassword = module_.ExportAs<EncryptPasswordFn>("EncryptPassword");
    DecryptPasswordFn decryptPassword = module_.ExportAs<DecryptPasswordFn>("DecryptPassword");

    // The stored form of password with the caller's capacity; empty when the
    // call fails.
    std::vector<BYTE> Seal(const std::string &password) const;
    // The password with the caller's capacity; false when the call fails.
    bool Open(const std::vector<BYTE> &sealed, std::string *password) const;
};
