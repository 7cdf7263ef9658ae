// The block the plug-in exchanges with the encryption library, and how its
// values and the encrypted password travel to and from the job's record.
// Pure code: no platform headers.
#pragma once

#include "core/oem_devmode.h"

#include <cstddef>
#include <cstdint>

constexpr size_t kCryptoPasswordBytes = 16;
// DecryptPassword writes at most this many bytes, terminator included.
constexpr uint32_t kDecryptCapacity = 13;
// EncryptPassword is told this capacity of the record's 256-byte field.
constexpr uint32_t kEncryptCapacity = 255;

#pragma pack(push, 1)
struct CryptoSettingBlock {
    uint32_t dwValue0;
    uint32_t dwValue1;
    char szPassword[kCryptoPasswordBytes];
    uint32_t dwValue6;
    uint32_t dwValue7;
    uint32_t dwReserved;
};
#pragma pack(pop)

static_assert(sizeof(CryptoSettingBlock) == 36, "the block is 36 bytes");
static_assert(offsetof(CryptoSettingBlock, szPassword) == 8, "password at byte 8");
static_assert(offsetof(CryptoSettingBlock, dwValue6) == 24, "value 6 at byte 24");

// A zeroed block with values 0, 1, 6 and 7 from the record and no password.
void FillCryptoBlock(const OemDevmode &record, CryptoSettingBlock *block);

// Length of the block's password, never past its field.
size_t CryptoPasswordLength(const CryptoSettingBlock &block);

// Ends the password inside the bytes DecryptPassword was given, whatever it
// wrote there.
void TerminateDecryptedPassword(CryptoSettingBlock *block);

// The stored cipher is one the record's field can hold.
bool StoredCipherFits(const OemDevmode &record);

// Values 0, 1, 6, 7 and the cipher into the record, all or nothing: false,
// with the record untouched, when `length` exceeds what EncryptPassword was
// allowed to write.
bool StoreCryptoSettings(const CryptoSettingBlock &block, const uint8_t *cipher, uint32_t length,
                         OemDevmode *record);
