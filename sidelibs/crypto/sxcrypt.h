// The encryption library's interface as the plug-in sees it: the settings
// block it exchanges and the four exports, looked up by name.
#pragma once

#include <windows.h>

#include <cstddef>

#pragma pack(push, 1)
struct CryptoSettingBlock {
    DWORD deleteAfterPrinting;  // value 0: 1 = the printer deletes the job once printed
    DWORD holdHours;            // value 1: hours the printer keeps an unprinted job
    char password[16];          // 8-bit text with terminator
    DWORD passwordAtPanel;      // value 6: 1 = the password is typed at the printer instead
    DWORD hideJobName;          // value 7: 1 = the panel lists the job without its name
    DWORD reserved;             // always zero
};
#pragma pack(pop)

static_assert(offsetof(CryptoSettingBlock, deleteAfterPrinting) == 0, "value 0 at byte 0");
static_assert(offsetof(CryptoSettingBlock, holdHours) == 4, "value 1 at byte 4");
static_assert(offsetof(CryptoSettingBlock, password) == 8, "password at byte 8");
static_assert(offsetof(CryptoSettingBlock, passwordAtPanel) == 24, "value 6 at byte 24");
static_assert(offsetof(CryptoSettingBlock, hideJobName) == 28, "value 7 at byte 28");
static_assert(offsetof(CryptoSettingBlock, reserved) == 32, "zero at byte 32");
static_assert(sizeof(CryptoSettingBlock) == 36, "the block is 36 bytes");

// The plug-in decrypts into a 13-byte buffer, so a longer password could be
// stored but never read back.
constexpr DWORD kMaxPasswordChars = 12;

constexpr DWORD kHoldHoursMin = 1;
constexpr DWORD kHoldHoursMax = 168;
constexpr DWORD kDefaultHoldHours = 24;

// The only mode GetDefaultSetting knows.
constexpr DWORD kDefaultsOfModel = 1;

// DispCryptoUIEx modes: the low bits say how the printer is reached, the
// extended flag is always added by current callers.
constexpr DWORD kModeLocalPrinter = 0;
constexpr DWORD kModeSharedPrinter = 1;
constexpr DWORD kModeIcCard = 2;
constexpr DWORD kModeExtendedBlock = 4;
constexpr DWORD kModeBaseMask = 3;

using GetDefaultSettingFn = BOOL(WINAPI *)(void *block, DWORD mode);
using DispCryptoUIExFn = BOOL(WINAPI *)(HWND parent, void *block, DWORD mode);
using EncryptPasswordFn = BOOL(WINAPI *)(const char *plain, DWORD length, BYTE *out,
                                         DWORD *ioLength);
using DecryptPasswordFn = BOOL(WINAPI *)(const BYTE *cipher, DWORD length, char *out,
                                         DWORD *ioSize);
