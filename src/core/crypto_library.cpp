#include "core/crypto_library.h"

#include "core/win_holders.h"

namespace {

const char kDispCryptoUiExport[] = "DispCryptoUIEx";
const char kEncryptExport[] = "EncryptPassword";
const char kDecryptExport[] = "DecryptPassword";
const WCHAR kNoLibraryMessage[] = L"CCiperSet::DecryptPassword() : m_hModule is NULL";
const WCHAR kNoDecryptMessage[] = L"CCiperSet::DecryptPassword() : pfnDecryptPassword is NULL";

typedef BOOL(WINAPI *DispCryptoUIExFn)(HWND owner, void *block, DWORD mode);
typedef BOOL(WINAPI *EncryptPasswordFn)(const char *password, DWORD length, BYTE *out,
                                        DWORD *ioLength);
typedef BOOL(WINAPI *DecryptPasswordFn)(const BYTE *cipher, DWORD length, char *out,
                                        DWORD *ioSize);

void ShowFixedMessage(const WCHAR *text) { MessageBoxW(nullptr, text, nullptr, MB_OK); }

}  // namespace

bool CryptoLibrary::DecryptStoredPassword(const OemDevmode &record,
                                          CryptoSettingBlock *block) const {
    if (!Loaded()) {
        ShowFixedMessage(kNoLibraryMessage);
        return false;
    }
    auto decrypt = library_.ExportAs<DecryptPasswordFn>(kDecryptExport);
    if (!decrypt) {
        ShowFixedMessage(kNoDecryptMessage);
        return false;
    }
    if (!StoredCipherFits(record)) return false;
    DWORD size = kDecryptCapacity;
    const bool opened = decrypt(record.abEncryptedPassword, record.cbEncryptedPassword,
                                block->szPassword, &size) != 0;
    TerminateDecryptedPassword(block);
    if (!opened) SecureZeroMemory(block->szPassword, sizeof(block->szPassword));
    return opened;
}

bool CryptoLibrary::ShowSettingsDialog(HWND owner, CryptoSettingBlock *block,
                                       uint32_t mode) const {
    auto show = library_.ExportAs<DispCryptoUIExFn>(kDispCryptoUiExport);
    return show && show(owner, block, mode) != 0;
}

bool CryptoLibrary::StoreSettings(const CryptoSettingBlock &block, OemDevmode *record) const {
    auto encrypt = library_.ExportAs<EncryptPasswordFn>(kEncryptExport);
    if (!encrypt) return false;
    // The cipher as the library writes it.
    Wiped<BYTE[sizeof(OemDevmode::abEncryptedPassword)]> cipher;
    DWORD length = kEncryptCapacity;
    if (!encrypt(block.szPassword, static_cast<DWORD>(CryptoPasswordLength(block)), cipher.value,
                 &length))
        return false;
    return StoreCryptoSettings(block, cipher.value, length, record);
}
