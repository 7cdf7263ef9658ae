// "GetDefaultSetting": the model's defaults, written into the block only.
#include "crypto_library.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

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
        return static_cast<size_t>(std::count(area + start, area + kRecordAreaBytes, kGuard));
    }
    const CryptoSettingBlock &Block() const {
        return *reinterpret_cast<const CryptoSettingBlock *>(area);
    }

    CryptoLibrary library;
    alignas(DWORD) BYTE area[kRecordAreaBytes];
};

TEST_F(DefaultsTest, FillsTheModelDefaultsWithoutPasswordAndNothingPastTheBlock) {
    ASSERT_TRUE(library.getDefaultSetting(area, kDefaultsOfModel));
    const CryptoSettingBlock &block = Block();
    // Delete after printing, hold hours, password at the panel, hidden job name, reserved.
    EXPECT_EQ((std::vector<DWORD>{block.deleteAfterPrinting, block.holdHours, block.passwordAtPanel, block.hideJobName,
                                  block.reserved}),
              (std::vector<DWORD>{1, 24, 0, 1, 0}));
    EXPECT_EQ(std::string(block.password, sizeof(block.password)), std::string(sizeof(block.password), '\0'));
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
