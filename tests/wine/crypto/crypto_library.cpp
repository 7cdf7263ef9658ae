#include "crypto_library.h"

#include "support/wine_test_support.h"

namespace {

const WCHAR kLibraryFileName[] = L"\\sxcrypt.dll";

template <typename Fn>
Fn ExportAs(HMODULE module, const char *name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void *>(GetProcAddress(module, name)));
}

}  // namespace

CryptoLibrary::CryptoLibrary()
    : module_(LoadLibraryW((ExeDirectory() + kLibraryFileName).c_str())) {
    if (!module_) return;
    getDefaultSetting = ExportAs<GetDefaultSettingFn>(module_, "GetDefaultSetting");
    dispCryptoUi = ExportAs<DispCryptoUIExFn>(module_, "DispCryptoUIEx");
    encryptPassword = ExportAs<EncryptPasswordFn>(module_, "EncryptPassword");
    decryptPassword = ExportAs<DecryptPasswordFn>(module_, "DecryptPassword");
}

CryptoLibrary::~CryptoLibrary() {
    if (module_) FreeLibrary(module_);
}

bool CryptoLibrary::Loaded() const {
    return getDefaultSetting && dispCryptoUi && encryptPassword && decryptPassword;
}

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
