// Defaults, conversion and merge of the private job-settings record.
#include "core/oem_devmode.h"

#include <cstring>

namespace {

constexpr uint16_t kCompressionTable[] = {0, 1, 1, 1, 2, 2, 2, 3, 3, 3};
constexpr size_t kCompressionEntries = sizeof(kCompressionTable) / sizeof(kCompressionTable[0]);
constexpr uint32_t kCompressionShift = 8;
constexpr uint32_t kCompressionMask = 0xF;

constexpr uint16_t kOverlayListEnd = 255;
constexpr int32_t kMergeFieldLimit = 100;
constexpr size_t kCryptoAreaDwords = 10;
constexpr size_t kCryptoValue0 = 0, kCryptoValue1 = 1, kCryptoValue6 = 6, kCryptoValue7 = 7;

void WriteHeader(OemDevmode *rec) {
    rec->dwSize = kOemDevmodeSize;
    rec->dwSignature = kOemSignature;
    rec->dwVersion = kOemVersion;
}

template <typename T, size_t N>
void FillArray(T (&array)[N], T value) {
    for (T &entry : array) entry = value;
}

// The fields whose default is a constant; CONVERT resets the same set.
void ResetConstantFields(OemDevmode *rec) {
    rec->lRecField12 = 0;
    rec->wszJobName[0] = 0;
    rec->wszJobPin[0] = 0;
    rec->fAskJobName = 0;
    rec->dwWatermarkIndex = 0;
    rec->awActiveOverlay[0] = kOverlayListEnd;
    rec->wColorPageValue = 0;
    // Only the low byte of the two table sizes is cleared: the printing side
    // has always seen the high byte kept.
    reinterpret_cast<uint8_t *>(&rec->wCcmNtSize)[0] = 0;
    reinterpret_cast<uint8_t *>(&rec->wCcmNvSize)[0] = 0;
    rec->dwColorTunerSetting = 0;
    rec->dwRecField604 = 1;
    rec->bNupSelection = 0;
    rec->dwLastPaperSize = 0;
    rec->bLastLayoutKey = 0;
    rec->bOrientationSelection = 0;
    rec->dwRecField3872 = 0;
    rec->dwCustomGamma = 0;
    rec->dwRecField3884 = 9;
    rec->dwRecField3888 = 9;
    rec->dwJobSlotCopy78 = 0;
    rec->dwJobSlotCopy2 = 100;
    rec->dwRecField3900 = 2100;
    rec->dwRecField3904 = 2970;
    rec->dwRecField3908 = 1000;
    rec->dwJobSlotCopy79 = 0;
    rec->dwCollate = 0;
    rec->dwSpecialDensityA = 10000;
    rec->dwSpecialDensityB = 10000;
    FillArray(rec->adwAdjScale1, 10000u);
    FillArray(rec->adwAdjScale2, 10000u);
    FillArray(rec->alAdjShift1, 0);
    FillArray(rec->alAdjShift2, 0);
    FillArray(rec->alAdjFine, 0);
    rec->dwAdjEnable = 0;
    rec->dwSpecialColorInactive = 1;
    rec->dwSpecialLevel = 100;
    rec->dwRecField4044 = 1;
    rec->dwPrintCartridge = 0;
}

// DEFAULT steps shared with CONVERT: configuration path, one-pass flag and
// the encryption library's defaults.
void RefreshFromConfiguration(OemDevmode *rec, RecordEnvironment &env) {
    env.FindDriverConfigFiles(rec->wszPluginIniPath);
    rec->dw1PassSeries = env.ReadOnePassSeries(rec->wszPluginIniPath) == 1 ? 1 : 0;

    uint32_t area[kCryptoAreaDwords] = {};
    if (!env.GetCryptoDefaults(area)) return;
    rec->dwCryptoSetting0 = area[kCryptoValue0];
    rec->dwCryptoSetting1 = area[kCryptoValue1];
    rec->dwCryptoSetting6 = area[kCryptoValue6];
    rec->dwCryptoSetting7 = area[kCryptoValue7];
    rec->cbEncryptedPassword = 0;
    rec->abEncryptedPassword[0] = 0;
}

void CopyPath(char16_t *dst, const char16_t *src) {
    size_t i = 0;
    if (src) {
        for (; i + 1 < kPathChars && src[i]; ++i) dst[i] = src[i];
    }
    dst[i] = 0;
}

uint32_t ReadU32(const uint8_t *p) {
    uint32_t value;
    std::memcpy(&value, p, sizeof(value));
    return value;
}

}  // namespace

uint16_t CompressionFromCapability(uint32_t value) {
    const uint32_t index = (value >> kCompressionShift) & kCompressionMask;
    return index < kCompressionEntries ? kCompressionTable[index] : 0;
}

void DefaultOemDevmode(OemDevmode *out, RecordEnvironment &env) {
    WriteHeader(out);
    ResetConstantFields(out);
    RefreshFromConfiguration(out, env);

    char16_t directory[kPathChars] = {};
    if (!env.ReadDriverDirectory(directory, kPathChars)) directory[0] = 0;
    directory[kPathChars - 1] = 0;
    CopyPath(out->wszDriverDirectory, directory);
    CopyPath(out->wszCapabilityPath, env.CapabilityPath());
    out->wCompression = CompressionFromCapability(env.ReadCompressionCapability());
}

void ConvertOemDevmode(const void *in, size_t inAvailable, OemDevmode *out,
                       RecordEnvironment &env) {
    if (!in || !out) return;

    // Work from a snapshot: the input may share bytes with the output, and
    // nothing beyond what the input really holds, nor beyond what its header
    // claims, nor beyond one record, is ever read.
    const uint8_t *src = static_cast<const uint8_t *>(in);
    const size_t available = inAvailable < kOemDevmodeSize ? inAvailable : kOemDevmodeSize;
    uint8_t snapshot[kOemDevmodeSize];
    uint32_t inSize = 0;
    if (available >= kOemHeaderSize) {
        std::memcpy(snapshot, src, kOemHeaderSize);
        inSize = ReadU32(snapshot);
    }
    // A record too short to hold its own header, or claiming less than one,
    // cannot be trusted for anything: it is treated as foreign.
    const bool ours = inSize >= kOemHeaderSize &&
                      ReadU32(snapshot + offsetof(OemDevmode, dwSignature)) == kOemSignature;
    const size_t readable = ours ? (inSize < available ? inSize : available) : 0;
    if (readable > kOemHeaderSize)
        std::memcpy(snapshot + kOemHeaderSize, src + kOemHeaderSize, readable - kOemHeaderSize);

    ResetConstantFields(out);
    if (!ours) {
        WriteHeader(out);
        out->dwRecField84 = 0;
        RefreshFromConfiguration(out, env);
        return;
    }

    RefreshFromConfiguration(out, env);
    size_t count = readable;
    if (out->dwSize < count) count = out->dwSize;
    std::memcpy(out, snapshot, count);
    // An output claiming less than its own header may have taken only part
    // of it: the whole header is written again (the signatures are equal).
    WriteHeader(out);
}

void MergeOemDevmode(const void *in, size_t inAvailable, OemDevmode *out,
                     RecordEnvironment &env) {
    ConvertOemDevmode(in, inAvailable, out, env);
    if (!out) return;
    WriteHeader(out);
    if (out->lRecField12 > kMergeFieldLimit) out->lRecField12 = 0;
}
