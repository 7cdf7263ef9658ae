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
    EXPECT_EQ(block.dwValue0, 10u);
    EXPECT_EQ(block.dwValue1, 11u);
    EXPECT_EQ(block.dwValue6, 16u);
    EXPECT_EQ(block.dwValue7, 17u);
    EXPECT_EQ(block.dwReserved, 0u);
    EXPECT_EQ(CryptoPasswordLength(block), 0u);
    for (char c : block.szPassword) EXPECT_EQ(c, 0);
}

TEST(CryptoBlock, StoredAllOrNothing) {
    OemDevmode record = RecordWithSettings();
    const OemDevmode before = record;
    CryptoSettingBlock block = {};
    block.dwValue0 = 1;
    block.dwValue1 = 24;
    block.dwValue6 = 0;
    block.dwValue7 = 1;
    const std::vector<uint8_t> cipher(kEncryptCapacity + 1, 0x42);

    // A length beyond what the library was allowed leaves every field.
    EXPECT_FALSE(StoreCryptoSettings(block, cipher.data(), kEncryptCapacity + 1, &record));
    EXPECT_EQ(std::memcmp(&record, &before, sizeof(record)), 0);
    EXPECT_FALSE(StoreCryptoSettings(block, nullptr, 4, &record));
    EXPECT_EQ(std::memcmp(&record, &before, sizeof(record)), 0);

    ASSERT_TRUE(StoreCryptoSettings(block, cipher.data(), 32, &record));
    EXPECT_EQ(record.dwCryptoSetting0, 1u);
    EXPECT_EQ(record.dwCryptoSetting1, 24u);
    EXPECT_EQ(record.dwCryptoSetting6, 0u);
    EXPECT_EQ(record.dwCryptoSetting7, 1u);
    EXPECT_EQ(record.cbEncryptedPassword, 32u);
    EXPECT_EQ(record.abEncryptedPassword[31], 0x42);
    EXPECT_EQ(record.abEncryptedPassword[32], 0);
    EXPECT_EQ(record.abEncryptedPassword[255], 0);
    // Fields beside the crypto block stay.
    EXPECT_EQ(record.dwRecField3872, before.dwRecField3872);

    ASSERT_TRUE(StoreCryptoSettings(block, cipher.data(), kEncryptCapacity, &record));
    EXPECT_EQ(record.cbEncryptedPassword, kEncryptCapacity);
}

}  // namespace
