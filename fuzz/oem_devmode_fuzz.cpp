// DEFAULT, CONVERT and MERGE of the private record over arbitrary input
// bytes and claimed sizes, arbitrary output contents and whatever the
// configuration files and the encryption library answer. Every buffer is
// exactly as large as its owner says, so a read or write beyond it is a
// sanitizer report; the checks hold the results to the record's rules.
#include "core/oem_devmode.h"
#include "fuzz_bytes.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

enum class Operation { Default, Convert, Merge, kMaxValue = Merge };
enum class InputKind { Separate, InPlace, Null, kMaxValue = Null };

constexpr size_t kCryptoAreaDwords = 10;
constexpr int32_t kMergeFieldLimit = 100;

class FuzzedEnvironment : public RecordEnvironment {
public:
    explicit FuzzedEnvironment(FuzzedDataProvider &data)
        : iniQualifies_(data.ConsumeBool()),
          iniPath_(ConsumeU16Text(data, kPathChars - 1)),
          onePassSeries_(data.ConsumeIntegral<int>()),
          directoryReadable_(data.ConsumeBool()),
          directory_(ConsumeU16Text(data, 2 * kPathChars)),
          capabilityPath_(ConsumeU16Text(data, 2 * kPathChars)),
          compression_(data.ConsumeIntegral<uint32_t>()),
          cryptoAvailable_(data.ConsumeBool()) {
        for (uint32_t &value : cryptoArea_) value = data.ConsumeIntegral<uint32_t>();
    }

    void FindDriverConfigFiles(char16_t *iniPath) override {
        if (!iniQualifies_) return;
        std::memcpy(iniPath, iniPath_.c_str(), (iniPath_.size() + 1) * sizeof(char16_t));
    }
    int ReadOnePassSeries(const char16_t *) override { return onePassSeries_; }
    // Like the spooler, fills the whole buffer without a terminator when
    // the text is as long as the buffer.
    bool ReadDriverDirectory(char16_t *out, size_t chars) override {
        if (!directoryReadable_) return false;
        const size_t n = directory_.size() < chars ? directory_.size() + 1 : chars;
        std::memcpy(out, directory_.c_str(), n * sizeof(char16_t));
        return true;
    }
    const char16_t *CapabilityPath() override { return capabilityPath_.c_str(); }
    uint32_t ReadCompressionCapability() override { return compression_; }
    bool GetCryptoDefaults(uint32_t area[kCryptoAreaDwords]) override {
        if (!cryptoAvailable_) return false;
        std::memcpy(area, cryptoArea_, sizeof(cryptoArea_));
        return true;
    }

private:
    bool iniQualifies_;
    std::u16string iniPath_;
    int onePassSeries_;
    bool directoryReadable_;
    std::u16string directory_;
    std::u16string capabilityPath_;
    uint32_t compression_;
    bool cryptoAvailable_;
    uint32_t cryptoArea_[kCryptoAreaDwords];
};

uint32_t ReadU32(const uint8_t *p) {
    uint32_t value;
    std::memcpy(&value, p, sizeof(value));
    return value;
}

// Which bytes of the record belong to a field; the others are gaps that
// the record operations never write.
std::vector<bool> FieldBytes() {
    std::vector<bool> covered(kOemDevmodeSize, false);
    size_t count = 0;
    const OemFieldInfo *fields = OemDevmodeFields(&count);
    for (size_t i = 0; i < count; ++i) {
        const size_t width = FieldKindWidth(fields[i].kind) * fields[i].count;
        for (size_t b = 0; b < width; ++b) covered[fields[i].offset + b] = true;
    }
    return covered;
}

bool Terminated(const char16_t *text, size_t chars) {
    for (size_t i = 0; i < chars; ++i)
        if (!text[i]) return true;
    return false;
}

void CheckHeader(const OemDevmode &rec) {
    FUZZ_CHECK(rec.dwSize == kOemDevmodeSize);
    FUZZ_CHECK(rec.dwSignature == kOemSignature);
    FUZZ_CHECK(rec.dwVersion == kOemVersion);
}

// The input as the operation saw it: how many bytes of it were its own
// record to copy from.
size_t OwnRecordBytes(const uint8_t *in, size_t available) {
    if (!in || available < kOemHeaderSize) return 0;
    const uint32_t claimed = ReadU32(in);
    if (claimed < kOemHeaderSize || ReadU32(in + offsetof(OemDevmode, dwSignature)) != kOemSignature)
        return 0;
    size_t readable = claimed < available ? claimed : available;
    return readable < kOemDevmodeSize ? readable : kOemDevmodeSize;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size) {
    static const std::vector<bool> kFieldBytes = FieldBytes();
    FuzzedDataProvider data(bytes, size);
    const Operation operation = data.ConsumeEnum<Operation>();
    const InputKind inputKind = data.ConsumeEnum<InputKind>();
    const uint32_t outClaimed =
        data.ConsumeBool() ? kOemDevmodeSize : data.ConsumeIntegral<uint32_t>();
    FuzzedEnvironment env(data);
    const std::vector<uint8_t> outBytes = data.ConsumeBytes<uint8_t>(kOemDevmodeSize);
    const std::vector<uint8_t> inBytes = data.ConsumeRemainingBytes<uint8_t>();

    // The output buffer holds exactly one record; the input exactly its bytes.
    std::unique_ptr<uint8_t[]> outBuffer(new uint8_t[kOemDevmodeSize]());
    std::copy(outBytes.begin(), outBytes.end(), outBuffer.get());
    std::memcpy(outBuffer.get(), &outClaimed, sizeof(outClaimed));
    auto *out = reinterpret_cast<OemDevmode *>(outBuffer.get());
    std::unique_ptr<uint8_t[]> inBuffer(new uint8_t[inBytes.size()]);
    std::copy(inBytes.begin(), inBytes.end(), inBuffer.get());

    const uint8_t *in = nullptr;
    size_t inAvailable = 0;
    switch (inputKind) {
    case InputKind::Separate:
        in = inBuffer.get();
        inAvailable = inBytes.size();
        break;
    case InputKind::InPlace:
        in = outBuffer.get();
        inAvailable = kOemDevmodeSize;
        break;
    case InputKind::Null:
        break;
    }
    const std::vector<uint8_t> before(outBuffer.get(), outBuffer.get() + kOemDevmodeSize);
    const std::vector<uint8_t> inBefore(in, in + (in ? inAvailable : 0));
    const size_t own = OwnRecordBytes(inBefore.data(), inBefore.size());
    const size_t copied = own < outClaimed ? own : outClaimed;

    switch (operation) {
    case Operation::Default:
        DefaultOemDevmode(out, env);
        CheckHeader(*out);
        FUZZ_CHECK(Terminated(out->wszDriverDirectory, kPathChars));
        FUZZ_CHECK(Terminated(out->wszCapabilityPath, kPathChars));
        FUZZ_CHECK(out->wCompression <= 3);
        break;
    case Operation::Convert:
        ConvertOemDevmode(in, inAvailable, out, env);
        if (!in) {
            FUZZ_CHECK(std::memcmp(before.data(), outBuffer.get(), kOemDevmodeSize) == 0);
            return 0;
        }
        CheckHeader(*out);
        break;
    case Operation::Merge:
        MergeOemDevmode(in, inAvailable, out, env);
        CheckHeader(*out);
        FUZZ_CHECK(out->lRecField12 <= kMergeFieldLimit);
        break;
    }
    // The one-pass flag is worked out again unless MERGE had no input or
    // the copy of an own record brought it as it was.
    const bool copies = operation != Operation::Default && own > 0;
    const bool refreshed = operation == Operation::Default || in;
    if (refreshed && (!copies || copied <= offsetof(OemDevmode, dw1PassSeries)))
        FUZZ_CHECK(out->dw1PassSeries <= 1);

    // Gaps keep what the buffer held, unless the copy of an own record
    // brought them; the copied bytes are the input's, bar the header and
    // MERGE's clamp.
    for (size_t i = kOemHeaderSize; i < kOemDevmodeSize; ++i) {
        if (copies && i < copied) {
            const bool clamped = operation == Operation::Merge &&
                                 i < offsetof(OemDevmode, lRecField12) + sizeof(int32_t);
            FUZZ_CHECK(clamped || outBuffer[i] == inBefore[i]);
        } else if (!kFieldBytes[i]) {
            FUZZ_CHECK(outBuffer[i] == before[i]);
        }
    }
    return 0;
}
