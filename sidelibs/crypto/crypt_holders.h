// Owners of CryptoAPI handles, so that every path releases them.
#pragma once

#include <windows.h>
#include <wincrypt.h>

class CryptProvider {
public:
    CryptProvider() {
        if (!CryptAcquireContextW(&handle_, nullptr, nullptr, PROV_RSA_AES,
                                  CRYPT_VERIFYCONTEXT | CRYPT_SILENT))
            handle_ = 0;
    }
    ~CryptProvider() {
        if (handle_) CryptReleaseContext(handle_, 0);
    }
    CryptProvider(const CryptProvider &) = delete;
    CryptProvider &operator=(const CryptProvider &) = delete;
    HCRYPTPROV Get() const { return handle_; }
    explicit operator bool() const { return handle_ != 0; }

private:
    HCRYPTPROV handle_ = 0;
};

class CryptHash {
public:
    CryptHash(HCRYPTPROV provider, ALG_ID algorithm) {
        if (!CryptCreateHash(provider, algorithm, 0, 0, &handle_)) handle_ = 0;
    }
    ~CryptHash() {
        if (handle_) CryptDestroyHash(handle_);
    }
    CryptHash(const CryptHash &) = delete;
    CryptHash &operator=(const CryptHash &) = delete;
    HCRYPTHASH Get() const { return handle_; }
    explicit operator bool() const { return handle_ != 0; }

private:
    HCRYPTHASH handle_ = 0;
};

class CryptKey {
public:
    CryptKey() = default;
    ~CryptKey() {
        if (handle_) CryptDestroyKey(handle_);
    }
    CryptKey(const CryptKey &) = delete;
    CryptKey &operator=(const CryptKey &) = delete;
    HCRYPTKEY *Receive() { return &handle_; }
    HCRYPTKEY Get() const { return handle_; }
    explicit operator bool() const { return handle_ != 0; }

private:
    HCRYPTKEY handle_ = 0;
};
