#include "core/crypto_block.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

OemDevmode RecordWithSettings() {
    OemDevmode record;
    std::memset(&record, 0xA5, sizeof(record));
    record.dwCryptoSetting0 = 10;
    record.dwCryptoSetting1 = 11;
    record.dwCryptoSetting6 = 16;
    record.dwCryptoSetting7 = 17;
    record.cbEncryptedPassword = 3;
    return record;
}

TEST(CryptoBlock, FilledFromTheRecordWithoutPassword) {
    const OemDevmode record = RecordWithSettings();
    CryptoSettingBlock block;
    std::memset(&block, 0xFF, sizeof(block));
    FillCryptoBlock(record, &block);
    EXPECT_EQ((std::vector<uint32_t>{block.dwValue0, block.dwValue1, block.dwValue6, block.dwValue7, block.dwReserved,
                                     static_cast<uint32_t>(CryptoPasswordLength(block))}),
              (std::vector<uint32_t>{10, 11, 16, 17, 0, 0}));
    for (char c : block.szPassword) EXPECT_EQ(c, 0);
}

TEST(CryptoBlock, StoredAllOrNothing) {
    OemDevmode record = RecordWithSettings();
    const OemDevmode before = record;
    // Values 0 and 1, no password, values 6 and 7.
    const CryptoSettingBlock block = {1, 24, "", 0, 1, 0};
    const std::vector<uint8_t> cipher(kEncryptCapacity + 1, 0x42);

    // A length beyond what the library was allowed leaves every field.
    EXPECT_FALSE(StoreCryptoSettings(block, cipher.data(), kEncryptCapacity + 1, &record));
    EXPECT_EQ(std::memcmp(&record, &before, sizeof(record)), 0);
    EXPECT_FALSE(StoreCryptoSettings(block, nullptr, 4, &record));
    EXPECT_EQ(std::memcmp(&record, &before, sizeof(record)), 0);

    ASSERT_TRUE(StoreCryptoSettings(block, cipher.data(), 32, &record));
    // Fields beside the crypto block stay.
    EXPECT_EQ(
        (std::vector<uint32_t>{record.dwCryptoSetting0, record.dwCryptoSetting1, record.dwCryptoSetting6,
                               record.dwCryptoSetting7, record.cbEncryptedPassword, record.abEncryptedPassword[31],
                               record.abEncryptedPassword[32], record.abEncryptedPassword[255], record.dwRecField3872}),
        (std::vector<uint32_t>{1, 24, 0, 1, 32, 0x42, 0, 0, before.dwRecField3872}));

    ASSERT_TRUE(StoreCryptoSettings(block, cipher.data(), kEncryptCapacity, &record));
    EXPECT_EQ(record.cbEncryptedPassword, kEncryptCapacity);
}

}  // namespace
