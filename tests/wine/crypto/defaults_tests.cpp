// "GetDefaultSetting": the model's defaults, written into the block only.
#include "crypto_library.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

constexpr BYTE kGuard = 0xCC;
// The record defaulting passes a larger area than the block itself.
constexpr size_t kRecordAreaBytes = 40;
constexpr DWORD kOtherModes[] = {0, 2, kDefaultsOfModel | kModeExtendedBlock};

class DefaultsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(library.Loaded());
        memset(area, kGuard, sizeof(area));
    }
    bool AreaUntouched() const {
        for (BYTE b : area)
            if (b != kGuard) return false;
        return true;
    }
    const CryptoSettingBlock &Block() const {
        return *reinterpret_cast<const CryptoSettingBlock *>(area);
    }

    CryptoLibrary library;
    alignas(DWORD) BYTE area[kRecordAreaBytes];
};

TEST_F(DefaultsTest, FillsTheModelDefaults) {
    ASSERT_TRUE(library.getDefaultSetting(area, kDefaultsOfModel));
    EXPECT_EQ(Block().deleteAfterPrinting, 1u);
    EXPECT_EQ(Block().holdHours, 24u);
    EXPECT_EQ(Block().passwordAtPanel, 0u);
    EXPECT_EQ(Block().hideJobName, 1u);
    EXPECT_EQ(Block().reserved, 0u);
}

TEST_F(DefaultsTest, ClearsThePassword) {
    ASSERT_TRUE(library.getDefaultSetting(area, kDefaultsOfModel));
    for (char c : Block().password) EXPECT_EQ(c, 0);
}

TEST_F(DefaultsTest, WritesNothingPastTheBlock) {
    ASSERT_TRUE(library.getDefaultSetting(area, kDefaultsOfModel));
    for (size_t i = sizeof(CryptoSettingBlock); i < kRecordAreaBytes; ++i)
        EXPECT_EQ(area[i], kGuard) << "byte " << i;
}

TEST_F(DefaultsTest, RefusesOtherModesWithoutWriting) {
    for (DWORD mode : kOtherModes) {
        EXPECT_FALSE(library.getDefaultSetting(area, mode)) << "mode " << mode;
        EXPECT_TRUE(AreaUntouched()) << "mode " << mode;
    }
}

TEST_F(DefaultsTest, RefusesNullBlock) {
    EXPECT_FALSE(library.getDefaultSetting(nullptr, kDefaultsOfModel));
}

}  // namespace
