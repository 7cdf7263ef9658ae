#include "core/crypto_block.h"

#include <cstring>

void FillCryptoBlock(const OemDevmode &record, CryptoSettingBlock *block) {
    std::memset(block, 0, sizeof(*block));
    block->dwValue0 = record.dwCryptoSetting0;
    block->dwValue1 = record.dwCryptoSetting1;
    block->dwValue6 = record.dwCryptoSetting6;
    block->dwValue7 = record.dwCryptoSetting7;
}

size_t CryptoPasswordLength(const CryptoSettingBlock &block) {
    const void *end = std::memchr(block.szPassword, 0, sizeof(block.szPassword));
    return end ? static_cast<const char *>(end) - block.szPassword : sizeof(block.szPassword);
}

void TerminateDecryptedPassword(CryptoSettingBlock *block) {
    const size_t last = kDecryptCapacity - 1;
    std::memset(block->szPassword + last, 0, sizeof(block->szPassword) - last);
}

bool StoredCipherFits(const OemDevmode &record) {
    return record.cbEncryptedPassword <= sizeof(record.abEncryptedPassword);
}

bool StoreCryptoSettings(const CryptoSettingBlock &block, const uint8_t *cipher, uint32_t length,
                         OemDevmode *record) {
    if (!cipher || length > kEncryptCapacity) return false;
    record->dwCryptoSetting0 = block.dwValue0;
    record->dwCryptoSetting1 = block.dwValue1;
    record->dwCryptoSetting6 = block.dwValue6;
    record->dwCryptoSetting7 = block.dwValue7;
    std::memset(record->abEncryptedPassword, 0, sizeof(record->abEncryptedPassword));
    std::memcpy(record->abEncryptedPassword, cipher, length);
    record->cbEncryptedPassword = length;
    return true;
}
