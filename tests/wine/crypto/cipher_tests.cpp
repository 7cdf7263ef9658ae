// "EncryptPassword" and "DecryptPassword": round trips within the plug-in's
// buffer sizes, refusal of what cannot be stored or opened, and no write past
// the sizes given.
#include "crypto_library.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

constexpr BYTE kGuard = 0xCC;
const std::string kLongestPassword = "123456789012";
const std::string kTooLongPassword = "1234567890123";
const std::string kRoundTripPasswords[] = {
    "", "a", "Secret12", kLongestPassword, "!~ {}|\"'\\", "\xE9t\xE9\xFF",
};
constexpr BYTE kBitFlips[] = {0x01, 0x80};
constexpr int kGarbageBlobsPerLength = 50;
constexpr unsigned kGarbageSeed = 20240611;
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
    void ExpectRefusedOpen(const BYTE *sealed, DWORD length) {
        char out[kCallerPlainCapacity];
        memset(out, kGuard, sizeof(out));
        DWORD size = kCallerPlainCapacity;
        EXPECT_FALSE(library.decryptPassword(sealed, length, out, &size));
        EXPECT_EQ(size, 0u);
        EXPECT_TRUE(AllGuard(out));
    }
    void ExpectRefusedOpen(const std::vector<BYTE> &sealed) {
        ExpectRefusedOpen(sealed.data(), static_cast<DWORD>(sealed.size()));
    }

    CryptoLibrary library;
};

// Round trips

TEST_F(CipherTest, PasswordsComeBackAsTheyWent) {
    for (const std::string &password : kRoundTripPasswords) {
        SCOPED_TRACE(password);
        const std::vector<BYTE> sealed = library.Seal(password);
        ASSERT_FALSE(sealed.empty());
        std::string opened;
        ASSERT_TRUE(library.Open(sealed, &opened));
        EXPECT_EQ(opened, password);
    }
}

TEST_F(CipherTest, OpensWhatAnEarlierBuildStored) {
    std::string opened;
    ASSERT_TRUE(library.Open(kStoredKept1234, &opened));
    EXPECT_EQ(opened, "Kept1234");
}

TEST_F(CipherTest, OpeningTerminatesAndWritesNoFurther) {
    const std::string password = "abc";
    const std::vector<BYTE> sealed = library.Seal(password);
    char out[kCallerPlainCapacity];
    memset(out, kGuard, sizeof(out));
    DWORD size = kCallerPlainCapacity;
    ASSERT_TRUE(library.decryptPassword(sealed.data(), static_cast<DWORD>(sealed.size()), out,
                                        &size));
    EXPECT_EQ(size, password.size());
    EXPECT_EQ(out[password.size()], 0);
    EXPECT_EQ(std::string(out), password);
    EXPECT_TRUE(AllGuard(out, password.size() + 1));
}

TEST_F(CipherTest, StoredFormFitsTheRecordAndItsReportedLength) {
    BYTE out[kRecordCipherBytes];
    memset(out, kGuard, sizeof(out));
    DWORD length = kCallerCipherCapacity;
    ASSERT_TRUE(library.encryptPassword(kLongestPassword.data(),
                                        static_cast<DWORD>(kLongestPassword.size()), out,
                                        &length));
    ASSERT_GT(length, 0u);
    ASSERT_LE(length, kCallerCipherCapacity);
    EXPECT_TRUE(AllGuard(out, length));
}

// Secrecy

TEST_F(CipherTest, StoredFormDoesNotShowThePassword) {
    const std::string password = "Secret12";
    const std::vector<BYTE> sealed = library.Seal(password);
    ASSERT_FALSE(sealed.empty());
    EXPECT_EQ(std::search(sealed.begin(), sealed.end(), password.begin(), password.end()),
              sealed.end());
}

TEST_F(CipherTest, DistinctPasswordsGiveDistinctForms) {
    const std::vector<BYTE> first = library.Seal("password1");
    const std::vector<BYTE> second = library.Seal("password2");
    ASSERT_FALSE(first.empty());
    EXPECT_NE(first, second);
}

TEST_F(CipherTest, SealingTwiceGivesDifferentFormsThatBothOpen) {
    const std::vector<BYTE> first = library.Seal("same");
    const std::vector<BYTE> second = library.Seal("same");
    ASSERT_FALSE(first.empty());
    EXPECT_NE(first, second);
    std::string opened;
    ASSERT_TRUE(library.Open(second, &opened));
    EXPECT_EQ(opened, "same");
}

// What cannot be stored

TEST_F(CipherTest, RefusesPasswordsTooLongToReadBack) {
    BYTE out[kRecordCipherBytes];
    memset(out, kGuard, sizeof(out));
    DWORD length = kCallerCipherCapacity;
    EXPECT_FALSE(library.encryptPassword(kTooLongPassword.data(),
                                         static_cast<DWORD>(kTooLongPassword.size()), out,
                                         &length));
    EXPECT_EQ(length, 0u);
    EXPECT_TRUE(AllGuard(out));
}

TEST_F(CipherTest, RefusesPasswordsWithNul) {
    const char withNul[] = {'a', 0, 'b'};
    BYTE out[kRecordCipherBytes];
    DWORD length = kCallerCipherCapacity;
    EXPECT_FALSE(library.encryptPassword(withNul, sizeof(withNul), out, &length));
    EXPECT_EQ(length, 0u);
}

// Buffer sizes

TEST_F(CipherTest, RefusesTooSmallOutputWithoutWriting) {
    const DWORD needed = static_cast<DWORD>(library.Seal(kLongestPassword).size());
    ASSERT_GT(needed, 0u);
    for (DWORD capacity : {DWORD{0}, DWORD{1}, needed - 1}) {
        SCOPED_TRACE(capacity);
        BYTE out[kRecordCipherBytes];
        memset(out, kGuard, sizeof(out));
        DWORD length = capacity;
        EXPECT_FALSE(library.encryptPassword(kLongestPassword.data(),
                                             static_cast<DWORD>(kLongestPassword.size()), out,
                                             &length));
        EXPECT_EQ(length, 0u);
        EXPECT_TRUE(AllGuard(out));
    }
}

TEST_F(CipherTest, AcceptsOutputOfExactlyTheNeededSize) {
    const DWORD needed = static_cast<DWORD>(library.Seal(kLongestPassword).size());
    BYTE out[kRecordCipherBytes];
    memset(out, kGuard, sizeof(out));
    DWORD length = needed;
    EXPECT_TRUE(library.encryptPassword(kLongestPassword.data(),
                                        static_cast<DWORD>(kLongestPassword.size()), out,
                                        &length));
    EXPECT_EQ(length, needed);
    EXPECT_TRUE(AllGuard(out, needed));
}

TEST_F(CipherTest, RefusesTooSmallPasswordBufferWithoutWriting) {
    const std::string password = "abcdef";
    const DWORD withoutTerminator = static_cast<DWORD>(password.size());
    const std::vector<BYTE> sealed = library.Seal(password);
    for (DWORD capacity : {DWORD{0}, withoutTerminator}) {
        SCOPED_TRACE(capacity);
        char out[kCallerPlainCapacity];
        memset(out, kGuard, sizeof(out));
        DWORD size = capacity;
        EXPECT_FALSE(library.decryptPassword(sealed.data(), static_cast<DWORD>(sealed.size()),
                                             out, &size));
        EXPECT_EQ(size, 0u);
        EXPECT_TRUE(AllGuard(out));
    }
    char out[kCallerPlainCapacity];
    DWORD size = withoutTerminator + 1;
    EXPECT_TRUE(library.decryptPassword(sealed.data(), static_cast<DWORD>(sealed.size()), out,
                                        &size));
    EXPECT_EQ(size, withoutTerminator);
}

// Null arguments

TEST_F(CipherTest, EncryptRefusesNullArguments) {
    const char plain[] = "abc";
    BYTE out[kRecordCipherBytes];
    memset(out, kGuard, sizeof(out));
    DWORD length = kCallerCipherCapacity;
    EXPECT_FALSE(library.encryptPassword(nullptr, 0, out, &length));
    EXPECT_FALSE(library.encryptPassword(plain, 3, nullptr, &length));
    EXPECT_FALSE(library.encryptPassword(plain, 3, out, nullptr));
    EXPECT_TRUE(AllGuard(out));
}

TEST_F(CipherTest, DecryptRefusesNullArguments) {
    const std::vector<BYTE> sealed = library.Seal("abc");
    const DWORD sealedLength = static_cast<DWORD>(sealed.size());
    char out[kCallerPlainCapacity];
    memset(out, kGuard, sizeof(out));
    DWORD size = kCallerPlainCapacity;
    EXPECT_FALSE(library.decryptPassword(nullptr, sealedLength, out, &size));
    EXPECT_FALSE(library.decryptPassword(sealed.data(), sealedLength, nullptr, &size));
    EXPECT_FALSE(library.decryptPassword(sealed.data(), sealedLength, out, nullptr));
    EXPECT_TRUE(AllGuard(out));
}

// Damaged and foreign forms

TEST_F(CipherTest, RefusesFormsOfTheWrongLength) {
    const std::vector<BYTE> sealed = library.Seal("Kept1234");
    ASSERT_FALSE(sealed.empty());
    ExpectRefusedOpen(sealed.data(), 0);
    ExpectRefusedOpen({sealed.begin(), sealed.end() - 1});
    ExpectRefusedOpen({sealed.begin(), sealed.end() - kAesBlockBytes});
    std::vector<BYTE> longer = sealed;
    longer.insert(longer.end(), kAesBlockBytes, 0);
    ExpectRefusedOpen(longer);
}

TEST_F(CipherTest, RefusesAnotherFormatVersion) {
    std::vector<BYTE> sealed = library.Seal("Kept1234");
    ASSERT_FALSE(sealed.empty());
    sealed[0] = kFormatVersion + 1;
    ExpectRefusedOpen(sealed);
}

TEST_F(CipherTest, RefusesEveryDamagedByte) {
    const std::vector<BYTE> sealed = library.Seal("Kept1234");
    ASSERT_FALSE(sealed.empty());
    for (size_t i = 0; i < sealed.size(); ++i) {
        for (BYTE flip : kBitFlips) {
            SCOPED_TRACE(testing::Message() << "byte " << i << " flip " << int(flip));
            std::vector<BYTE> damaged = sealed;
            damaged[i] ^= flip;
            ExpectRefusedOpen(damaged);
        }
    }
}

TEST_F(CipherTest, RefusesRandomFormsOfAValidShape) {
    std::mt19937 random(kGarbageSeed);
    const size_t lengths[] = {library.Seal("").size(), library.Seal(kLongestPassword).size()};
    for (size_t length : lengths) {
        for (int n = 0; n < kGarbageBlobsPerLength; ++n) {
            SCOPED_TRACE(testing::Message() << "length " << length << " blob " << n);
            std::vector<BYTE> garbage(length);
            for (BYTE &b : garbage) b = static_cast<BYTE>(random());
            garbage[0] = kFormatVersion;
            ExpectRefusedOpen(garbage);
        }
    }
}

}  // namespace
