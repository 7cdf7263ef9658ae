// The private job-settings record that rides in the driver's DEVMODE.
// Its layout is a persisted format read by the printing side: every offset
// and width below is fixed. Pure code: no platform headers.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr uint32_t kOemDevmodeSize = 4052;
constexpr uint32_t kOemSignature = 0x32303030;  // the bytes "0002"
constexpr uint32_t kOemVersion = 1;
constexpr uint32_t kOemHeaderSize = 12;
constexpr size_t kPathChars = 261;

#pragma pack(push, 1)
struct OemDevmode {
    uint32_t dwSize;
    uint32_t dwSignature;
    uint32_t dwVersion;
    int32_t lRecField12;
    char16_t wszJobName[17];
    char16_t wszJobPin[5];
    uint32_t fAskJobName;
    uint8_t gap64[4];
    uint32_t dwWatermarkIndex;
    uint16_t awActiveOverlay[4];
    uint16_t wColorPageValue;
    uint8_t gap82[2];
    uint32_t dwRecField84;
    uint16_t wCcmNtSize;
    uint8_t abCcmNt[253];
    uint16_t wCcmNvSize;
    uint8_t abCcmNv[255];
    uint32_t dwColorTunerSetting;
    uint32_t dwRecField604;
    uint32_t dwWmSize;
    uint32_t dwWmFontIndex;
    int16_t sWmAngle;
    uint8_t gap618[2];
    int32_t lWmOffsetX;
    int32_t lWmOffsetY;
    uint32_t dwWmColor;
    uint8_t gap632[262];
    char16_t wszWmFontName[33];
    uint32_t dwWmWeight;
    uint8_t bWmItalic;
    uint8_t bWmCharSet;
    uint16_t wWmPosition;
    uint16_t wWmBorder;
    uint16_t wWmBackground;
    uint8_t bWmFirstPageOnly;
    uint8_t gap973[1];
    uint16_t wWmStyleCode;
    char szWmPsColor[16];
    char16_t wszDriverDirectory[kPathChars];
    char16_t wszPluginIniPath[kPathChars];
    char16_t wszCapabilityPath[kPathChars];
    uint16_t wCompression;
    uint8_t bNupSelection;
    uint8_t gap2561[3];
    uint32_t dwLastPaperSize;
    uint8_t bLastLayoutKey;
    uint8_t bOrientationSelection;
    char16_t wszWmText[129];
    uint8_t gap2828[768];
    uint32_t dwCryptoSetting0;
    uint32_t dwCryptoSetting1;
    uint8_t abEncryptedPassword[256];
    uint32_t cbEncryptedPassword;
    uint32_t dwCryptoSetting7;
    uint32_t dwCryptoSetting6;
    uint32_t dwRecField3872;
    uint8_t gap3876[4];
    uint32_t dwCustomGamma;
    uint32_t dwRecField3884;
    uint32_t dwRecField3888;
    uint32_t dwJobSlotCopy78;
    uint32_t dwJobSlotCopy2;
    uint32_t dwRecField3900;
    uint32_t dwRecField3904;
    uint32_t dwRecField3908;
    uint32_t dwJobSlotCopy79;
    uint32_t dwCollate;
    uint32_t dwSpecialDensityA;
    uint32_t dwSpecialDensityB;
    uint32_t adwAdjScale1[5];
    uint32_t adwAdjScale2[5];
    int32_t alAdjShift1[5];
    int32_t alAdjShift2[5];
    int32_t alAdjFine[5];
    uint32_t dwAdjEnable;
    uint32_t dwSpecialColorInactive;
    uint32_t dwSpecialLevel;
    uint32_t dw1PassSeries;
    uint32_t dwRecField4044;
    uint32_t dwPrintCartridge;
};
#pragma pack(pop)

static_assert(sizeof(OemDevmode) == kOemDevmodeSize, "OemDevmode must stay 4052 bytes");

// How a field is stored, for the field-by-field dump.
enum class FieldKind { U8, U16, I16, U32, I32, WString, String, Bytes };

struct OemFieldInfo {
    const char *name;
    uint32_t offset;
    FieldKind kind;
    uint32_t count;  // array entries, or characters/bytes of a text or byte field
};

// The one table of the record's fields, in offset order. The struct above is
// checked against it field by field.
#define OEM_DEVMODE_FIELDS(X)                                   \
    X(dwSize, 0, U32, 1)                                        \
    X(dwSignature, 4, U32, 1)                                   \
    X(dwVersion, 8, U32, 1)                                     \
    X(lRecField12, 12, I32, 1)                                  \
    X(wszJobName, 16, WString, 17)                              \
    X(wszJobPin, 50, WString, 5)                                \
    X(fAskJobName, 60, U32, 1)                                  \
    X(dwWatermarkIndex, 68, U32, 1)                             \
    X(awActiveOverlay, 72, U16, 4)                              \
    X(wColorPageValue, 80, U16, 1)                              \
    X(dwRecField84, 84, U32, 1)                                 \
    X(wCcmNtSize, 88, U16, 1)                                   \
    X(abCcmNt, 90, Bytes, 253)                                  \
    X(wCcmNvSize, 343, U16, 1)                                  \
    X(abCcmNv, 345, Bytes, 255)                                 \
    X(dwColorTunerSetting, 600, U32, 1)                         \
    X(dwRecField604, 604, U32, 1)                               \
    X(dwWmSize, 608, U32, 1)                                    \
    X(dwWmFontIndex, 612, U32, 1)                               \
    X(sWmAngle, 616, I16, 1)                                    \
    X(lWmOffsetX, 620, I32, 1)                                  \
    X(lWmOffsetY, 624, I32, 1)                                  \
    X(dwWmColor, 628, U32, 1)                                   \
    X(wszWmFontName, 894, WString, 33)                          \
    X(dwWmWeight, 960, U32, 1)                                  \
    X(bWmItalic, 964, U8, 1)                                    \
    X(bWmCharSet, 965, U8, 1)                                   \
    X(wWmPosition, 966, U16, 1)                                 \
    X(wWmBorder, 968, U16, 1)                                   \
    X(wWmBackground, 970, U16, 1)                               \
    X(bWmFirstPageOnly, 972, U8, 1)                             \
    X(wWmStyleCode, 974, U16, 1)                                \
    X(szWmPsColor, 976, String, 16)                             \
    X(wszDriverDirectory, 992, WString, 261)                    \
    X(wszPluginIniPath, 1514, WString, 261)                     \
    X(wszCapabilityPath, 2036, WString, 261)                    \
    X(wCompression, 2558, U16, 1)                               \
    X(bNupSelection, 2560, U8, 1)                               \
    X(dwLastPaperSize, 2564, U32, 1)                            \
    X(bLastLayoutKey, 2568, U8, 1)                              \
    X(bOrientationSelection, 2569, U8, 1)                       \
    X(wszWmText, 2570, WString, 129)                            \
    X(dwCryptoSetting0, 3596, U32, 1)                           \
    X(dwCryptoSetting1, 3600, U32, 1)                           \
    X(abEncryptedPassword, 3604, Bytes, 256)                    \
    X(cbEncryptedPassword, 3860, U32, 1)                        \
    X(dwCryptoSetting7, 3864, U32, 1)                           \
    X(dwCryptoSetting6, 3868, U32, 1)                           \
    X(dwRecField3872, 3872, U32, 1)                             \
    X(dwCustomGamma, 3880, U32, 1)                              \
    X(dwRecField3884, 3884, U32, 1)                             \
    X(dwRecField3888, 3888, U32, 1)                             \
    X(dwJobSlotCopy78, 3892, U32, 1)                            \
    X(dwJobSlotCopy2, 3896, U32, 1)                             \
    X(dwRecField3900, 3900, U32, 1)                             \
    X(dwRecField3904, 3904, U32, 1)                             \
    X(dwRecField3908, 3908, U32, 1)                             \
    X(dwJobSlotCopy79, 3912, U32, 1)                            \
    X(dwCollate, 3916, U32, 1)                                  \
    X(dwSpecialDensityA, 3920, U32, 1)                          \
    X(dwSpecialDensityB, 3924, U32, 1)                          \
    X(adwAdjScale1, 3928, U32, 5)                               \
    X(adwAdjScale2, 3948, U32, 5)                               \
    X(alAdjShift1, 3968, I32, 5)                                \
    X(alAdjShift2, 3988, I32, 5)                                \
    X(alAdjFine, 4008, I32, 5)                                  \
    X(dwAdjEnable, 4028, U32, 1)                                \
    X(dwSpecialColorInactive, 4032, U32, 1)                     \
    X(dwSpecialLevel, 4036, U32, 1)                             \
    X(dw1PassSeries, 4040, U32, 1)                              \
    X(dwRecField4044, 4044, U32, 1)                             \
    X(dwPrintCartridge, 4048, U32, 1)

constexpr size_t FieldKindWidth(FieldKind kind) {
    switch (kind) {
    case FieldKind::U8: case FieldKind::String: case FieldKind::Bytes: return 1;
    case FieldKind::U16: case FieldKind::I16: case FieldKind::WString: return 2;
    case FieldKind::U32: case FieldKind::I32: return 4;
    }
    return 0;
}

#define OEM_CHECK_FIELD(name, off, kind, count)                                         \
    static_assert(offsetof(OemDevmode, name) == (off), "offset of " #name);              \
    static_assert(sizeof(OemDevmode::name) == FieldKindWidth(FieldKind::kind) * (count), \
                  "width of " #name);
OEM_DEVMODE_FIELDS(OEM_CHECK_FIELD)
#undef OEM_CHECK_FIELD

// Every field of the record, in offset order.
const OemFieldInfo *OemDevmodeFields(size_t *count);

// What the record operations need from their surroundings: the driver's
// configuration files, the driver directory and the encryption library.
// The platform glue implements it; tests inject their own.
class RecordEnvironment {
public:
    virtual ~RecordEnvironment() = default;
    // Finds the plug-in ini and the capability file. Writes the ini path
    // into iniPath (261 characters) only when one qualifies; also fixes the
    // capability path that CapabilityPath() reports.
    virtual void FindDriverConfigFiles(char16_t *iniPath) = 0;
    // [SpecialKey] 1PassSeries of the given ini, default 0.
    virtual int ReadOnePassSeries(const char16_t *iniPath) = 0;
    // The printer-driver directory; false when it cannot be read.
    virtual bool ReadDriverDirectory(char16_t *out, size_t chars) = 0;
    // The capability file path found by the last FindDriverConfigFiles.
    virtual const char16_t *CapabilityPath() = 0;
    // The model's "Compression" value, 0 when absent.
    virtual uint32_t ReadCompressionCapability() = 0;
    // Calls the encryption library's GetDefaultSetting with a 40-byte area;
    // false when the library, its export or the call fails.
    virtual bool GetCryptoDefaults(uint32_t area[10]) = 0;
};

// wCompression for a "Compression" capability value (bits 8 to 11 index the
// compression table; indexes beyond the table give 0).
uint16_t CompressionFromCapability(uint32_t value);

// The record operations. `out` must hold at least kOemDevmodeSize bytes.
void DefaultOemDevmode(OemDevmode *out, RecordEnvironment &env);
// inAvailable: how many bytes at `in` really belong to the input record
// (the copy never reads beyond it, nor beyond kOemDevmodeSize).
void ConvertOemDevmode(const void *in, size_t inAvailable, OemDevmode *out,
                       RecordEnvironment &env);
void MergeOemDevmode(const void *in, size_t inAvailable, OemDevmode *out,
                     RecordEnvironment &env);
