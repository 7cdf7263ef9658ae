#include "password_cipher.h"

#include "core/win_holders.h"
#include "crypt_holders.h"
#include "sxcrypt.h"

#include <cstring>

namespace {

// Every copy of the library derives the same key, so a password stored by
// one installation opens on another, as the printer expects.
const char kKeyPhrase[] = "sxcrypt stored job password key, version 1";
constexpr BYTE kFormatVersion = 1;
constexpr DWORD kVersionBytes = 1;
constexpr DWORD kIvBytes = 16;
constexpr DWORD kAesBlockBytes = 16;
constexpr DWORD kCheckBytes = 8;
constexpr DWORD kSha256Bytes = 32;
constexpr DWORD kHeaderBytes = kVersionBytes + kIvBytes;
constexpr DWORD kMaxFrameBytes = kMaxPasswordChars + kCheckBytes;
// PKCS#7 padding always adds between one byte and a whole block.
constexpr DWORD kMaxCipherBytes = (kMaxFrameBytes / kAesBlockBytes + 1) * kAesBlockBytes;
constexpr DWORD kMaxSealedBytes = kHeaderBytes + kMaxCipherBytes;

bool HashBytes(HCRYPTPROV provider, const BYTE *data, DWORD length, BYTE digest[kSha256Bytes]) {
    CryptHash hash(provider, CALG_SHA_256);
    if (!hash) return false;
    if (!CryptHashData(hash.Get(), data, length, 0)) return false;
    DWORD digestLength = kSha256Bytes;
    return CryptGetHashParam(hash.Get(), HP_HASHVAL, digest, &digestLength, 0) &&
           digestLength == kSha256Bytes;
}

bool DeriveKey(HCRYPTPROV provider, const BYTE *iv, CryptKey &key) {
    CryptHash hash(provider, CALG_SHA_256);
    if (!hash) return false;
    if (!CryptHashData(hash.Get(), reinterpret_cast<const BYTE *>(kKeyPhrase),
                       sizeof(kKeyPhrase) - 1, 0))
        return false;
    if (!CryptDeriveKey(provider, CALG_AES_128, hash.Get(), 0, key.Receive())) return false;
    DWORD mode = CRYPT_MODE_CBC;
    if (!CryptSetKeyParam(key.Get(), KP_MODE, reinterpret_cast<BYTE *>(&mode), 0)) return false;
    return CryptSetKeyParam(key.Get(), KP_IV, iv, 0) != FALSE;
}

bool PasswordCheck(HCRYPTPROV provider, const BYTE *password, DWORD length,
                   BYTE check[kCheckBytes]) {
    Wiped<BYTE[kSha256Bytes]> digest;
    if (!HashBytes(provider, password, length, digest.value)) return false;
    memcpy(check, digest.value, kCheckBytes);
    return true;
}

bool IsStorableText(const char *text, DWORD length) {
    return length <= kMaxPasswordChars && memchr(text, 0, length) == nullptr;
}

bool HasSealedShape(const BYTE *sealed, DWORD length) {
    if (length < kHeaderBytes + kAesBlockBytes || length > kMaxSealedBytes) return false;
    if ((length - kHeaderBytes) % kAesBlockBytes != 0) return false;
    return sealed[0] == kFormatVersion;
}

}  // namespace

bool SealPassword(const char *plain, DWORD length, BYTE *out, DWORD capacity, DWORD *written) {
    *written = 0;
    if (!IsStorableText(plain, length)) return false;
    CryptProvider provider;
    if (!provider) return false;

    BYTE iv[kIvBytes];
    if (!CryptGenRandom(provider.Get(), kIvBytes, iv)) return false;
    CryptKey key;
    if (!DeriveKey(provider.Get(), iv, key)) return false;

    Wiped<BYTE[kMaxCipherBytes]> frame;
    memcpy(frame.value, plain, length);
    if (!PasswordCheck(provider.Get(), frame.value, length, frame.value + length)) return false;
    DWORD cipherLength = length + kCheckBytes;
    if (!CryptEncrypt(key.Get(), 0, TRUE, 0, frame.value, &cipherLength, sizeof(frame.value)))
        return false;

    const DWORD sealedLength = kHeaderBytes + cipherLength;
    if (sealedLength > capacity) return false;
    out[0] = kFormatVersion;
    memcpy(out + kVersionBytes, iv, kIvBytes);
    memcpy(out + kHeaderBytes, frame.value, cipherLength);
    *written = sealedLength;
    return true;
}

bool OpenPassword(const BYTE *sealed, DWORD sealedLength, char *out, DWORD capacity,
                  DWORD *length) {
    *length = 0;
    if (!HasSealedShape(sealed, sealedLength)) return false;
    CryptProvider provider;
    if (!provider) return false;
    CryptKey key;
    if (!DeriveKey(provider.Get(), sealed + kVersionBytes, key)) return false;

    Wiped<BYTE[kMaxCipherBytes]> frame;
    DWORD frameLength = sealedLength - kHeaderBytes;
    memcpy(frame.value, sealed + kHeaderBytes, frameLength);
    if (!CryptDecrypt(key.Get(), 0, TRUE, 0, frame.value, &frameLength)) return false;
    if (frameLength < kCheckBytes) return false;

    const DWORD textLength = frameLength - kCheckBytes;
    const char *text = reinterpret_cast<const char *>(frame.value);
    if (!IsStorableText(text, textLength)) return false;
    BYTE check[kCheckBytes];
    if (!PasswordCheck(provider.Get(), frame.value, textLength, check)) return false;
    if (memcmp(check, frame.value + textLength, kCheckBytes) != 0) return false;

    if (textLength + 1 > capacity) return false;
    memcpy(out, text, textLength);
    out[textLength] = 0;
    *length = textLength;
    return true;
}
