// The encryption library named by the model's "CryptoDll" key, for one
// operation: decrypting the stored password, its settings dialog, and
// encrypting a new password into the job's record.
#pragma once

#include "core/crypto_block.h"
#include "core/driver_config.h"

class CryptoLibrary {
public:
    explicit CryptoLibrary(HANDLE printer) : library_(printer) {}
    bool Loaded() const { return library_.Handle() != nullptr; }

    // The stored password into the block. A missing library or export shows
    // its fixed message; false on every failure.
    bool DecryptStoredPassword(const OemDevmode &record, CryptoSettingBlock *block) const;
    // DispCryptoUIEx; false when the export is missing or the user refused.
    bool ShowSettingsDialog(HWND owner, CryptoSettingBlock *block, uint32_t mode) const;
    // Encrypts the block's password and stores it with the block's values;
    // false, with the record untouched, when that fails.
    bool StoreSettings(const CryptoSettingBlock &block, OemDevmode *record) const;

private:
    SideLibrary library_;
};
