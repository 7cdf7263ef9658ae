// The library's exports. Every pointer is checked and no buffer is written
// past the size its caller gave; failures return FALSE.
#include "password_cipher.h"
#include "settings_dialog.h"
#include "sxcrypt.h"
#include "core/cxx_runtime.h"

#include <cstring>

namespace {

constexpr DWORD kKnownModeBits = kModeBaseMask | kModeExtendedBlock;
constexpr DWORD kDefaultDeleteAfterPrinting = 1;
constexpr DWORD kDefaultPasswordAtPanel = 0;
constexpr DWORD kDefaultHideJobName = 1;

bool IsKnownDialogMode(DWORD mode) {
    if (mode & ~kKnownModeBits) return false;
    return (mode & kModeBaseMask) <= kModeIcCard;
}

void FillDefaults(CryptoSettingBlock *block) {
    memset(block, 0, sizeof(*block));
    block->deleteAfterPrinting = kDefaultDeleteAfterPrinting;
    block->holdHours = kDefaultHoldHours;
    block->passwordAtPanel = kDefaultPasswordAtPanel;
    block->hideJobName = kDefaultHideJobName;
}

}  // namespace

extern "C" {

BOOL WINAPI GetDefaultSetting(void *block, DWORD mode) {
    if (!block || mode != kDefaultsOfModel) return FALSE;
    FillDefaults(static_cast<CryptoSettingBlock *>(block));
    return TRUE;
}

BOOL WINAPI DispCryptoUIEx(HWND parent, void *block, DWORD mode) {
    if (!block || !IsKnownDialogMode(mode)) return FALSE;
    return ShowSettingsDialog(parent, static_cast<CryptoSettingBlock *>(block), mode);
}

// *ioLength: the output capacity on entry, the stored form's size on return
// (0 when nothing was written).
BOOL WINAPI EncryptPassword(const char *plain, DWORD length, BYTE *out, DWORD *ioLength) {
    if (!plain || !out || !ioLength) return FALSE;
    DWORD written = 0;
    const bool sealed = SealPassword(plain, length, out, *ioLength, &written);
    *ioLength = written;
    return sealed;
}

// *ioSize: the output capacity on entry, the password's length without
// terminator on return (0 when nothing was written).
BOOL WINAPI DecryptPassword(const BYTE *cipher, DWORD length, char *out, DWORD *ioSize) {
    if (!cipher || !out || !ioSize) return FALSE;
    DWORD textLength = 0;
    const bool opened = OpenPassword(cipher, length, out, *ioSize, &textLength);
    *ioSize = textLength;
    return opened;
}

}  // extern "C"

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID processExiting) {
    if (reason == DLL_PROCESS_DETACH) ReleaseCxxRuntimeOnUnload(processExiting);
    return TRUE;
}
