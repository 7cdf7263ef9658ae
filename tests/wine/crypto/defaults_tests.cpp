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
    size_t UntouchedFrom(size_t start) const {
        size_t untouched = 0;
        for (size_t i = start; i < kRecordAreaBytes; ++i) untouched += area[i] == kGuard;
        return untouched;
    }
    const CryptoSettingBlock &Block() const {
        return *reinterpret_cast<const CryptoSettingBlock *>(area);
    }

    CryptoLibrary library;
    alignas(DWORD) BYTE area[kRecordAreaBytes];
};

TEST_F(DefaultsTest, FillsTheModelDefaultsWithoutPasswordAndNothingPastTheBlock) {
    ASSERT_TRUE(library.getDefaultSetting(area, kDefaultsOfModel));
    EXPECT_EQ(Block().deleteAfterPrinting, 1u);
    EXPECT_EQ(Block().holdHours, 24u);
    EXPECT_EQ(Block().passwordAtPanel, 0u);
    EXPECT_EQ(Block().hideJobName, 1u);
    EXPECT_EQ(Block().reserved, 0u);
    for (char c : Block().password) EXPECT_EQ(c, 0);
    EXPECT_EQ(UntouchedFrom(sizeof(CryptoSettingBlock)),
              kRecordAreaBytes - sizeof(CryptoSettingBlock));
}

TEST_F(DefaultsTest, RefusesOtherModesAndANullBlockWithoutWriting) {
    for (DWORD mode : kOtherModes) {
        EXPECT_FALSE(library.getDefaultSetting(area, mode)) << "mode " << mode;
        EXPECT_EQ(UntouchedFrom(0), kRecordAreaBytes) << "mode " << mode;
    }
    EXPECT_FALSE(library.getDefaultSetting(nullptr, kDefaultsOfModel));
}

}  // namespace
