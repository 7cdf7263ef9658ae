// An encryption library that fills every buffer it is given and claims
// lengths far beyond them: the plug-in must keep its record whole. What the
// plug-in handed over is kept for the test, which holds the library loaded.
#include "rogue_call_log.h"

#include <windows.h>

#include <cstring>

namespace {

constexpr size_t kPasswordBytes = 16;
constexpr size_t kPasswordOffset = 8;
constexpr DWORD kClaimedLength = 4096;
constexpr char kPasswordFill = 'P';
constexpr char kDecryptFill = 'D';
constexpr BYTE kCipherFill = 0xC3;

}  // namespace

RogueCallLog Log;

extern "C" {

const RogueCallLog *WINAPI RogueCalls() { return &Log; }

BOOL WINAPI DispCryptoUIEx(HWND, void *block, DWORD mode) {
    char *password = static_cast<char *>(block) + kPasswordOffset;
    Log.dialogPasswordLength = static_cast<DWORD>(strnlen(password, kPasswordBytes));
    Log.dialogMode = mode;
    memset(password, kPasswordFill, kPasswordBytes);
    return TRUE;
}

BOOL WINAPI EncryptPassword(const char *, DWORD length, BYTE *out, DWORD *ioLength) {
    Log.encryptLength = length;
    memset(out, kCipherFill, *ioLength);
    *ioLength = kClaimedLength;
    return TRUE;
}

BOOL WINAPI DecryptPassword(const BYTE *, DWORD length, char *out, DWORD *ioSize) {
    Log.decryptLength = length;
    Log.decryptCapacity = *ioSize;
    memset(out, kDecryptFill, *ioSize);
    *ioSize = kClaimedLength;
    return TRUE;
}

}  // extern "C"
