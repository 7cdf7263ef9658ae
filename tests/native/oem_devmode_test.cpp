#include "core/oem_devmode.h"
#include "fake_record_environment.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace {

constexpr uint8_t kFill = 0xAB;
const char16_t kKeptDirectory[] = u"D:\\kept";

struct RecordBuffer {
    std::vector<uint8_t> bytes = std::vector<uint8_t>(kOemDevmodeSize, kFill);
    OemDevmode *rec() { return reinterpret_cast<OemDevmode *>(bytes.data()); }
};

TEST(OemDevmodeLayout, FieldsAreOrderedDisjointAndFillTheRecordToItsEnd) {
    size_t count = 0;
    const OemFieldInfo *fields = OemDevmodeFields(&count);
    ASSERT_GT(count, 60u);
    std::set<std::string> names;
    uint32_t end = 0;
    for (size_t i = 0; i < count; ++i) {
        EXPECT_GE(fields[i].offset, end) << fields[i].name;
        end = fields[i].offset + static_cast<uint32_t>(FieldKindWidth(fields[i].kind)) * fields[i].count;
        EXPECT_TRUE(names.insert(fields[i].name).second) << fields[i].name;
    }
    EXPECT_EQ(end, kOemDevmodeSize);
    EXPECT_STREQ(fields[0].name, "dwSize");
}

// Defaults written over a filled record from the answers of the environment.
class OemDevmodeDefault : public ::testing::Test {
protected:
    const OemDevmode &Default() {
        DefaultOemDevmode(buffer.rec(), env);
        return *buffer.rec();
    }
    FakeRecordEnvironment env;
    RecordBuffer buffer;
};

TEST_F(OemDevmodeDefault, WritesHeaderConstantsAndConfiguration) {
    env.compression = 0x0500;
    const OemDevmode &rec = Default();
    EXPECT_EQ(std::memcmp(&rec.dwSignature, "0002", 4), 0);
    const std::vector<int64_t> header = {rec.dwSize, rec.dwVersion, rec.dwRecField3900, rec.dwRecField3904,
                                         rec.dwRecField3908, rec.dwRecField3884, rec.dwRecField3888,
                                         rec.dwRecField604, rec.dwRecField4044, rec.dwJobSlotCopy2,
                                         rec.dwSpecialColorInactive, rec.dwSpecialLevel, rec.dwSpecialDensityA,
                                         rec.awActiveOverlay[0], rec.wCompression};
    EXPECT_EQ(header, (std::vector<int64_t>{4052, 1, 2100, 2970, 1000, 9, 9, 1, 1, 100, 1, 100, 10000, 255, 2}));
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(std::make_pair(rec.adwAdjScale1[i], rec.adwAdjScale2[i]), std::make_pair(10000u, 10000u)) << i;
        EXPECT_EQ(std::make_pair(rec.alAdjShift1[i], rec.alAdjFine[i]), std::make_pair(0, 0)) << i;
    }
    EXPECT_EQ((std::vector<std::u16string>{rec.wszPluginIniPath, rec.wszDriverDirectory, rec.wszCapabilityPath}),
              (std::vector<std::u16string>{env.iniPath, env.driverDirectory, env.capabilityPath}));
    const std::vector<int64_t> crypto = {rec.dwCryptoSetting0, rec.dwCryptoSetting1, rec.dwCryptoSetting6,
                                         rec.dwCryptoSetting7, rec.cbEncryptedPassword, rec.abEncryptedPassword[0]};
    EXPECT_EQ(crypto, (std::vector<int64_t>{11, 12, 16, 17, 0, 0}));
}

TEST_F(OemDevmodeDefault, LeavesGapsUnsetFieldsAndHighBytesAlone) {
    const OemDevmode &rec = Default();
    const std::vector<int64_t> untouched = {rec.awActiveOverlay[1], rec.wCcmNtSize, rec.wCcmNvSize, rec.dwRecField84,
                                            rec.wszJobName[1], rec.dwWmSize, rec.abEncryptedPassword[1]};
    EXPECT_EQ(untouched, (std::vector<int64_t>{0xABAB, 0xAB00, 0xAB00, 0xABABABAB, 0xABAB, 0xABABABAB, kFill}));
    for (size_t offset : {64u, 82u, 618u, 700u, 973u, 2561u, 3000u, 3876u})
        EXPECT_EQ(buffer.bytes[offset], kFill) << offset;
}

TEST_F(OemDevmodeDefault, FailingSourcesKeepTheirFields) {
    env.cryptoAvailable = false;
    env.iniQualifies = false;
    env.directoryReadable = false;
    env.capabilityPath.clear();
    env.onePassSeries = 2;
    const OemDevmode &rec = Default();
    const std::vector<int64_t> fields = {rec.dwCryptoSetting0, rec.cbEncryptedPassword, rec.wszPluginIniPath[0],
                                         rec.dw1PassSeries, rec.wszDriverDirectory[0], rec.wszCapabilityPath[0]};
    EXPECT_EQ(fields, (std::vector<int64_t>{0xABABABAB, 0xABABABAB, 0xABAB, 0, 0, 0}));
}

TEST_F(OemDevmodeDefault, OnePassSeriesOnlyForExactlyOne) {
    for (const auto &series : {std::pair<int, uint32_t>{1, 1}, {-1, 0}}) {
        env.onePassSeries = series.first;
        EXPECT_EQ(Default().dw1PassSeries, series.second) << series.first;
    }
}

TEST(OemDevmodeCompression, IndexesTheTableWithBitsEightToEleven) {
    const std::pair<uint32_t, uint16_t> cases[] = {{0, 0},      {0x0100, 1}, {0x0300, 1}, {0x0400, 2},
                                                   {0x0500, 2}, {0x0700, 3}, {0x0900, 3}, {0x00FF, 0},
                                                   {0x1500, 2}};
    for (const auto &c : cases) EXPECT_EQ(CompressionFromCapability(c.first), c.second) << c.first;
    for (uint32_t index = 10; index < 16; ++index)
        EXPECT_EQ(CompressionFromCapability(index << 8), 0) << index;
}

// Bytes of one fill behind a header of this plug-in's own that claims a size.
std::vector<uint8_t> OwnInput(size_t bytes, uint8_t fill, uint32_t claimed, uint32_t version = 0) {
    std::vector<uint8_t> in(bytes, fill);
    OemDevmode header{};
    header.dwSize = claimed;
    header.dwSignature = kOemSignature;
    header.dwVersion = version;
    std::memcpy(in.data(), &header, kOemHeaderSize);
    return in;
}

class OemDevmodeConvert : public ::testing::Test {
protected:
    void SetUp() override {
        env.compression = 0x0900;
        DefaultOemDevmode(out.rec(), env);
        // Give the output values that CONVERT must either keep or reset.
        OemDevmode &o = *out.rec();
        std::memcpy(o.wszDriverDirectory, kKeptDirectory, sizeof(kKeptDirectory));
        o.wCompression = 1;
        o.dwCollate = 1;
        o.lRecField12 = 55;
        o.dwRecField84 = 77;
        o.dwWmSize = 36;
    }

    std::vector<uint8_t> ForeignInput() {
        std::vector<uint8_t> in(kOemDevmodeSize, 0x11);
        OemDevmode *rec = reinterpret_cast<OemDevmode *>(in.data());
        rec->dwSize = kOemDevmodeSize;
        std::memcpy(&rec->dwSignature, "0001", 4);
        return in;
    }

    FakeRecordEnvironment env;
    RecordBuffer out;
};

TEST_F(OemDevmodeConvert, ForeignSignatureIgnoresTheInput) {
    std::vector<uint8_t> in = ForeignInput();
    env.iniPath = u"C:\\new\\model.ini";
    ConvertOemDevmode(in.data(), in.size(), out.rec(), env);
    const OemDevmode &o = *out.rec();
    const std::vector<int64_t> fields = {o.dwSignature, o.dwSize,        o.dwRecField84, o.dwCollate,
                                         o.lRecField12, o.wCompression, o.dwWmSize};
    EXPECT_EQ(fields, (std::vector<int64_t>{kOemSignature, kOemDevmodeSize, 0, 0, 0, 1, 36}));
    EXPECT_EQ((std::vector<std::u16string>{o.wszDriverDirectory, o.wszPluginIniPath}),
              (std::vector<std::u16string>{kKeptDirectory, u"C:\\new\\model.ini"}));
}

TEST_F(OemDevmodeConvert, ShortOwnRecordCopiesItsBytesAndKeepsTheRest) {
    constexpr size_t kShort = 2000;
    const std::vector<uint8_t> in = OwnInput(kShort, 0x22, kShort, 7);
    ConvertOemDevmode(in.data(), in.size(), out.rec(), env);
    for (size_t i = kOemHeaderSize; i < kShort; ++i) ASSERT_EQ(out.bytes[i], 0x22) << i;
    const OemDevmode &o = *out.rec();
    const std::vector<int64_t> fields = {o.dwSize,     o.dwVersion,      o.wCompression,
                                         o.dwCollate,  o.dwRecField3900, o.dwCryptoSetting7};
    EXPECT_EQ(fields, (std::vector<int64_t>{kOemDevmodeSize, 1, 1, 0, 2100, 17}));
}

TEST_F(OemDevmodeConvert, HugeInputWithAHugeClaimStopsAtOneRecord) {
    const std::vector<uint8_t> big = OwnInput(3 * kOemDevmodeSize, 0x33, 0xFFFFFFFF);
    std::vector<uint8_t> wide(kOemDevmodeSize + 64, 0x44);
    OemDevmode *target = reinterpret_cast<OemDevmode *>(wide.data());
    target->dwSize = 0xFFFFFFFF;
    ConvertOemDevmode(big.data(), big.size(), target, env);
    EXPECT_EQ(std::make_pair(wide[kOemDevmodeSize - 1], wide[kOemDevmodeSize]),
              std::make_pair(uint8_t{0x33}, uint8_t{0x44}));
}

TEST_F(OemDevmodeConvert, RecordShorterThanItsHeaderIsForeign) {
    std::vector<uint8_t> in = OwnInput(kOemDevmodeSize, 0x66, 8);
    ConvertOemDevmode(in.data(), in.size(), out.rec(), env);
    EXPECT_EQ(std::make_pair(out.rec()->dwRecField84, out.rec()->dwWmSize), std::make_pair(0u, 36u));

    // Fewer bytes than a header, whatever they claim.
    in = OwnInput(kOemDevmodeSize, 0x66, kOemDevmodeSize);
    SetUp();
    ConvertOemDevmode(in.data(), 6, out.rec(), env);
    EXPECT_EQ(std::make_pair(out.rec()->dwRecField84, out.rec()->dwSize), std::make_pair(0u, kOemDevmodeSize));
}

TEST_F(OemDevmodeConvert, NullOutputIsNotWritten) {
    std::vector<uint8_t> in = ForeignInput();
    ConvertOemDevmode(in.data(), in.size(), nullptr, env);
    EXPECT_EQ(env.cryptoCalls, 1);
}

TEST_F(OemDevmodeConvert, InPlaceConversionKeepsTheRecord) {
    out.rec()->dwWmSize = 48;
    ConvertOemDevmode(out.rec(), kOemDevmodeSize, out.rec(), env);
    EXPECT_EQ(std::make_tuple(out.rec()->dwWmSize, out.rec()->dwCollate, std::u16string(out.rec()->wszDriverDirectory)),
              std::make_tuple(48u, 1u, std::u16string(kKeptDirectory)));
}

TEST_F(OemDevmodeConvert, MergeRepairsHeaderAndClampsFieldTwelve) {
    for (int32_t value : {101, 100, -5, 0x7FFFFFFF}) {
        RecordBuffer in;
        DefaultOemDevmode(in.rec(), env);
        in.rec()->lRecField12 = value;
        in.rec()->dwVersion = 9;
        MergeOemDevmode(in.bytes.data(), in.bytes.size(), out.rec(), env);
        EXPECT_EQ(std::make_tuple(out.rec()->lRecField12, out.rec()->dwVersion, out.rec()->dwSignature),
                  std::make_tuple(value > 100 ? 0 : value, 1u, kOemSignature)) << value;
    }
    out.rec()->dwSignature = 0;
    MergeOemDevmode(nullptr, 0, out.rec(), env);
    EXPECT_EQ(out.rec()->dwSignature, kOemSignature);
}

}  // namespace
