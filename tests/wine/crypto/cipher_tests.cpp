// "EncryptPassword" and "DecryptPassword": round trips within the plug-in's
// buffer sizes, refusal of what cannot be stored or opened, and no write past
// the sizes given.
#include "crypto_library.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr BYTE kGuard = 0xCC;
const std::string kLongestPassword = "123456789012";
const std::string kRoundTripPasswords[] = {
    "", "a", "Secret12", kLongestPassword, "!~ {}|\"'\\", "\xE9t\xE9\xFF",
};
constexpr BYTE kBitFlips[] = {0x01, 0x80};
constexpr BYTE kFormatVersion = 1;
constexpr size_t kAesBlockBytes = 16;

// "Kept1234" as an earlier build stored it: passwords kept in printers'
// settings must open after the library is rebuilt.
const std::vector<BYTE> kStoredKept1234 = {
    0x01, 0x9F, 0x13, 0x78, 0x54, 0xEC, 0x5B, 0xE1, 0x5E, 0xEF, 0x29, 0x63, 0xF2,
    0x64, 0xB7, 0xC0, 0x75, 0xE4, 0x5E, 0xF9, 0xDD, 0xDB, 0x5D, 0x30, 0xA1, 0xBE,
    0xCE, 0x0A, 0xEF, 0x4D, 0x43, 0xB0, 0x26, 0x08, 0x1F, 0x91, 0x20, 0x8C, 0xEF,
    0x19, 0x66, 0x2D, 0x72, 0xEC, 0x6F, 0xE5, 0x91, 0x66, 0x7E,
};

template <typename T, size_t N>
bool AllGuard(const T (&buffer)[N], size_t from = 0) {
    return std::all_of(buffer + from, buffer + N, [](T b) { return b == static_cast<T>(kGuard); });
}

class CipherTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(library.Loaded()); }

    // Refused, nothing written, reported as nothing written.
    void ExpectRefusedSeal(const char *plain, DWORD plainLength, DWORD capacity) {
        BYTE out[kRecordCipherBytes];
        memset(out, kGuard, sizeof(out));
        DWORD length = capacity;
        EXPECT_FALSE(library.encryptPassword(plain, plainLength, out, &length));
        EXPECT_EQ(length, 0u);
        EXPECT_TRUE(AllGuard(out));
    }
    void ExpectRefusedOpen(const BYTE *sealed, DWORD sealedLength,
                           DWORD capacity = kCallerPlainCapacity) {
        char out[kCallerPlainCapacity];
        memset(out, kGuard, sizeof(out));
        DWORD size = capacity;
        EXPECT_FALSE(library.decryptPassword(sealed, sealedLength, out, &size));
        EXPECT_EQ(size, 0u);
        EXPECT_TRUE(AllGuard(out));
    }
    void ExpectRefusedOpen(const std::vector<BYTE> &sealed,
                           DWORD capacity = kCallerPlainCapacity) {
        ExpectRefusedOpen(sealed.data(), static_cast<DWORD>(sealed.size()), capacity);
    }

    CryptoLibrary library;
};

TEST_F(CipherTest, PasswordsComeBackAsTheyWentAndAsAnEarlierBuildStoredThem) {
    for (const std::string &password : kRoundTripPasswords) {
        SCOPED_TRACE(password);
        const std::vector<BYTE> sealed = library.Seal(password);
        ASSERT_FALSE(sealed.empty());
        std::string opened;
        ASSERT_TRUE(library.Open(sealed, &opened));
        EXPECT_EQ(opened, password);
    }
    std::string opened;
    ASSERT_TRUE(library.Open(kStoredKept1234, &opened));
    EXPECT_EQ(opened, "Kept1234");
}

// The stored form fits the record's field and exactly the length reported;
// the opened password is terminated and nothing follows it.
TEST_F(CipherTest, WritesOnlyWhatItReports) {
    const DWORD needed = static_cast<DWORD>(library.Seal(kLongestPassword).size());
    ASSERT_GT(needed, 0u);
    ASSERT_LE(needed, kCallerCipherCapacity);
    BYTE sealed[kRecordCipherBytes];
    memset(sealed, kGuard, sizeof(sealed));
    DWORD length = needed;
    ASSERT_TRUE(library.encryptPassword(kLongestPassword.data(),
                                        static_cast<DWORD>(kLongestPassword.size()), sealed,
                                        &length));
    EXPECT_EQ(length, needed);
    EXPECT_TRUE(AllGuard(sealed, needed));

    const std::string password = "abc";
    const std::vector<BYTE> sealedAbc = library.Seal(password);
    char out[kCallerPlainCapacity];
    memset(out, kGuard, sizeof(out));
    DWORD size = static_cast<DWORD>(password.size()) + 1;
    ASSERT_TRUE(library.decryptPassword(sealedAbc.data(), static_cast<DWORD>(sealedAbc.size()), out,
                                        &size));
    EXPECT_EQ(size, password.size());
    EXPECT_EQ(std::string(out), password);
    EXPECT_TRUE(AllGuard(out, password.size() + 1));
}

TEST_F(CipherTest, StoredFormHidesThePasswordAndDiffersEachTime) {
    const std::string password = "Secret12";
    const std::vector<BYTE> first = library.Seal(password);
    const std::vector<BYTE> second = library.Seal(password);
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(std::search(first.begin(), first.end(), password.begin(), password.end()),
              first.end());
    EXPECT_NE(first, second);
}

// Passwords the plug-in could not read back, output too small for the
// stored form, and missing arguments.
TEST_F(CipherTest, SealingRefusesWhatCannotBeStored) {
    const DWORD needed = static_cast<DWORD>(library.Seal(kLongestPassword).size());
    const char withNul[] = {'a', 0, 'b'};
    ExpectRefusedSeal("1234567890123", 13, kCallerCipherCapacity);
    ExpectRefusedSeal(withNul, sizeof(withNul), kCallerCipherCapacity);
    for (DWORD capacity : {DWORD{0}, DWORD{1}, needed - 1}) {
        SCOPED_TRACE(capacity);
        ExpectRefusedSeal(kLongestPassword.data(), static_cast<DWORD>(kLongestPassword.size()),
                          capacity);
    }
    BYTE out[kRecordCipherBytes];
    memset(out, kGuard, sizeof(out));
    DWORD length = kCallerCipherCapacity;
    EXPECT_FALSE(library.encryptPassword(nullptr, 0, out, &length));
    EXPECT_FALSE(library.encryptPassword("abc", 3, nullptr, &length));
    EXPECT_FALSE(library.encryptPassword("abc", 3, out, nullptr));
    EXPECT_TRUE(AllGuard(out));
}

TEST_F(CipherTest, OpeningRefusesTooSmallBuffersAndMissingArguments) {
    const std::vector<BYTE> sealed = library.Seal("abcdef");
    ASSERT_FALSE(sealed.empty());
    ExpectRefusedOpen(sealed, 0);
    ExpectRefusedOpen(sealed, 6);
    const DWORD sealedLength = static_cast<DWORD>(sealed.size());
    char out[kCallerPlainCapacity];
    memset(out, kGuard, sizeof(out));
    DWORD size = kCallerPlainCapacity;
    EXPECT_FALSE(library.decryptPassword(nullptr, sealedLength, out, &size));
    EXPECT_FALSE(library.decryptPassword(sealed.data(), sealedLength, nullptr, &size));
    EXPECT_FALSE(library.decryptPassword(sealed.data(), sealedLength, out, nullptr));
    EXPECT_TRUE(AllGuard(out));
}

// Forms of another length or format version, and every single damaged bit
// at either end of a byte.
TEST_F(CipherTest, OpeningRefusesDamagedAndForeignForms) {
    const std::vector<BYTE> sealed = library.Seal("Kept1234");
    ASSERT_FALSE(sealed.empty());
    ExpectRefusedOpen(sealed.data(), 0);
    ExpectRefusedOpen({sealed.begin(), sealed.end() - 1});
    ExpectRefusedOpen({sealed.begin(), sealed.end() - kAesBlockBytes});
    std::vector<BYTE> longer = sealed;
    longer.insert(longer.end(), kAesBlockBytes, 0);
    ExpectRefusedOpen(longer);
    std::vector<BYTE> otherVersion = sealed;
    otherVersion[0] = kFormatVersion + 1;
    ExpectRefusedOpen(otherVersion);
    for (size_t i = 0; i < sealed.size(); ++i) {
        for (BYTE flip : kBitFlips) {
            SCOPED_TRACE(testing::Message() << "byte " << i << " flip " << int(flip));
            std::vector<BYTE> damaged = sealed;
            damaged[i] ^= flip;
            ExpectRefusedOpen(damaged);
        }
    }
}

}  // namespace
