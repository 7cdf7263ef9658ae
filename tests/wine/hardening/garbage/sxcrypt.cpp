// An encryption library that answers success with garbage: every value of
// the settings area set, the password without a terminator, lengths far
// beyond the buffers it was given and negative ones. It writes only inside
// the buffers the plug-in hands over, as far as their stated sizes say.
#include "core/crypto_block.h"

#include <windows.h>

#include <cstring>

namespace {

constexpr size_t kDefaultsAreaBytes = 40;
constexpr BYTE kFill = 0xFF;
constexpr DWORD kNegativeLength = 0xFFFFFFFF;
constexpr DWORD kBeyondLength = 0x10000;

}  // namespace

extern "C" {

BOOL WINAPI GetDefaultSetting(void *area, DWORD) {
    if (area) memset(area, kFill, kDefaultsAreaBytes);
    return -1;
}

BOOL WINAPI DispCryptoUIEx(HWND, void *block, DWORD) {
    if (!block) return -1;
    memset(block, kFill, sizeof(CryptoSettingBlock));
    memset(static_cast<CryptoSettingBlock *>(block)->szPassword, 'G', kCryptoPasswordBytes);
    return -1;
}

BOOL WINAPI EncryptPassword(const char *, DWORD, BYTE *out, DWORD *ioLength) {
    if (out && ioLength) memset(out, kFill, *ioLength);
    if (ioLength) *ioLength = kNegativeLength;
    return -1;
}

BOOL WINAPI DecryptPassword(const BYTE *, DWORD, char *out, DWORD *ioSize) {
    if (out && ioSize) memset(out, 'G', *ioSize);
    if (ioSize) *ioSize = kBeyondLength;
    return -1;
}

}  // extern "C"
