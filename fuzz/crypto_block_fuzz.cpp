// The block exchanged with the encryption library after the library wrote
// whatever it liked into it, and the cipher it reports with any length: the
// password always ends inside its field, and the record takes all of it or
// nothing.
#include "core/crypto_block.h"
#include "fuzz_bytes.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size) {
    FuzzedDataProvider data(bytes, size);
    const uint32_t reportedLength = data.ConsumeBool()
                                        ? data.ConsumeIntegralInRange<uint32_t>(0, 300)
                                        : data.ConsumeIntegral<uint32_t>();
    std::vector<uint8_t> blockBytes = data.ConsumeBytes<uint8_t>(sizeof(CryptoSettingBlock));
    blockBytes.resize(sizeof(CryptoSettingBlock));
    std::vector<uint8_t> recordBytes = data.ConsumeBytes<uint8_t>(kOemDevmodeSize);
    recordBytes.resize(kOemDevmodeSize);
    std::vector<uint8_t> cipherBytes = data.ConsumeRemainingBytes<uint8_t>();

    auto block = std::make_unique<CryptoSettingBlock>();
    std::memcpy(block.get(), blockBytes.data(), sizeof(*block));
    auto record = std::make_unique<OemDevmode>();
    std::memcpy(record.get(), recordBytes.data(), sizeof(*record));

    FUZZ_CHECK(CryptoPasswordLength(*block) <= kCryptoPasswordBytes);
    TerminateDecryptedPassword(block.get());
    FUZZ_CHECK(CryptoPasswordLength(*block) < kDecryptCapacity);

    FUZZ_CHECK(StoredCipherFits(*record) ==
               (record->cbEncryptedPassword <= sizeof(record->abEncryptedPassword)));

    // The library's output buffer is the record's whole field.
    std::unique_ptr<uint8_t[]> cipher(new uint8_t[sizeof(record->abEncryptedPassword)]());
    std::copy_n(cipherBytes.begin(),
                std::min(cipherBytes.size(), sizeof(record->abEncryptedPassword)), cipher.get());
    const OemDevmode before = *record;
    const bool stored = StoreCryptoSettings(*block, cipher.get(), reportedLength, record.get());
    if (!stored) {
        FUZZ_CHECK(reportedLength > kEncryptCapacity);
        FUZZ_CHECK(std::memcmp(&before, record.get(), sizeof(before)) == 0);
    } else {
        FUZZ_CHECK(record->cbEncryptedPassword == reportedLength);
        FUZZ_CHECK(StoredCipherFits(*record));
        FUZZ_CHECK(std::memcmp(record->abEncryptedPassword, cipher.get(), reportedLength) == 0);
        FUZZ_CHECK(record->dwCryptoSetting6 == block->dwValue6);
    }

    auto fresh = std::make_unique<CryptoSettingBlock>();
    FillCryptoBlock(*record, fresh.get());
    FUZZ_CHECK(CryptoPasswordLength(*fresh) == 0);
    FUZZ_CHECK(fresh->dwValue0 == record->dwCryptoSetting0);
    FUZZ_CHECK(fresh->dwValue7 == record->dwCryptoSetting7);
    return 0;
}
