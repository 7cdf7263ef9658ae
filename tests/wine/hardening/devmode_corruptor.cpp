#include "devmode_corruptor.h"

#include "core/oem_devmode.h"

#include <cstddef>
#include <cstring>

namespace {

constexpr size_t kSizesEnd = offsetof(DEVMODEW, dmFields);
constexpr uint32_t kMaxExtension = 2000;

const uint16_t kPublicSizes[] = {0, 1, 68, 72, 156, 188, 219, 220, 221, 4096, 0xFFFF};
const uint32_t kRecordSizes[] = {0,    1,    4,    7,    8,          11,        12, 13,
                                 2000, 4051, 4052, 4053, 0x7FFFFFFF, 0xFFFFFFFF};
const uint16_t kDriverExtras[] = {
    0, 1, kDriverPrivateSize, kDriverPrivateSize + kOemHeaderSize,
    kDriverPrivateSize + kOemDevmodeSize - 1, kDriverPrivateSize + kOemDevmodeSize,
    kDriverPrivateSize + kOemDevmodeSize + 1, 0xFFFF};
const char *const kSignatures[] = {"0002", "0001", "2000", "0003", "\0\0\0\0"};

void Put16(BYTE *at, uint16_t value) { std::memcpy(at, &value, sizeof(value)); }
void Put32(BYTE *at, uint32_t value) { std::memcpy(at, &value, sizeof(value)); }

}  // namespace

uint32_t DevmodeCorruptor::Extreme() {
    static const uint32_t kValues[] = {0, 1, 2, 100, 101, 255, 256, 0x7FFF, 0x8000, 0xFFFF,
                                       0x10000, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFE, 0xFFFFFFFF};
    return Chance(40) ? Value() : Pick(kValues);
}

void DevmodeCorruptor::FlipBytes(BYTE *bytes, size_t count) {
    if (!count) return;
    for (uint32_t n = 1 + Below(16); n > 0; --n) bytes[Below(static_cast<uint32_t>(count))] = Value();
}

void DevmodeCorruptor::DamagePublicPart(std::vector<BYTE> *devmode) {
    BYTE *bytes = devmode->data();
    auto *dm = reinterpret_cast<DEVMODEW *>(bytes);
    const uint32_t kind = Below(4);
    if (kind == 0) {
        dm->dmSize = Chance(70) ? Pick(kPublicSizes) : Value();
    } else if (kind == 1) {
        dm->dmDriverExtra = Chance(70) ? Pick(kDriverExtras) : Value();
    } else if (kind == 2) {
        FlipBytes(bytes, sizeof(DEVMODEW));
    } else {
        // Every field of the public part at once, its sizes kept.
        for (size_t i = kSizesEnd; i < sizeof(DEVMODEW); ++i) bytes[i] = Value();
    }
}

void DevmodeCorruptor::DamageDriverPart(std::vector<BYTE> *devmode) {
    if (devmode->size() <= sizeof(DEVMODEW)) return;
    const size_t end = std::min(devmode->size(), kPluginSectionOffset);
    FlipBytes(devmode->data() + sizeof(DEVMODEW), end - sizeof(DEVMODEW));
}

void DevmodeCorruptor::DamageHeader(BYTE *record, size_t bytes) {
    if (bytes < kOemHeaderSize) {
        FlipBytes(record, bytes);
        return;
    }
    const uint32_t kind = Below(3);
    if (kind == 0)
        Put32(record, Chance(80) ? Pick(kRecordSizes) : Value());
    else if (kind == 1 && Chance(70))
        std::memcpy(record + 4, Pick(kSignatures), 4);
    else if (kind == 1)
        Put32(record + 4, Value());
    else
        Put32(record + 8, Chance(50) ? Below(3) : Value());
}

void DevmodeCorruptor::DamageField(BYTE *record, size_t bytes) {
    size_t count = 0;
    const OemFieldInfo *fields = OemDevmodeFields(&count);
    // The header has its own damage.
    const OemFieldInfo &field = fields[3 + Below(static_cast<uint32_t>(count - 3))];
    const size_t width = FieldKindWidth(field.kind);
    const size_t total = width * field.count;
    if (field.offset + total > bytes) return;
    BYTE *at = record + field.offset;
    if (field.kind == FieldKind::WString) {
        // No terminator anywhere, or a stray one.
        for (size_t i = 0; i < field.count; ++i)
            Put16(at + 2 * i, Chance(80) ? static_cast<uint16_t>(0x20 + Below(0x5F)) : Value());
    } else if (field.kind == FieldKind::String || field.kind == FieldKind::Bytes) {
        for (size_t i = 0; i < total; ++i) at[i] = Chance(90) ? 0x20 + Below(0xDF) : 0;
    } else {
        for (size_t i = 0; i < field.count; ++i) {
            const uint32_t value = Extreme();
            std::memcpy(at + i * width, &value, width);
        }
    }
}

void DevmodeCorruptor::CorruptFields(BYTE *record, size_t bytes) {
    for (uint32_t n = 1 + Below(6); n > 0; --n) DamageField(record, bytes);
}

void DevmodeCorruptor::CorruptRecord(BYTE *record, size_t bytes) {
    for (uint32_t n = 1 + Below(3); n > 0; --n) {
        const uint32_t kind = Below(4);
        if (kind == 0)
            DamageHeader(record, bytes);
        else if (kind == 1 && bytes > kOemHeaderSize)
            FlipBytes(record + kOemHeaderSize, bytes - kOemHeaderSize);
        else if (kind >= 2)
            CorruptFields(record, bytes);
    }
}

std::vector<BYTE> DevmodeCorruptor::Corrupt(const std::vector<BYTE> &valid) {
    std::vector<BYTE> devmode = valid;
    for (uint32_t n = 1 + Below(4); n > 0; --n) {
        const uint32_t kind = Below(7);
        if (kind == 0) {
            DamagePublicPart(&devmode);
        } else if (kind == 1) {
            DamageDriverPart(&devmode);
        } else if (kind <= 4) {
            if (devmode.size() > kPluginSectionOffset)
                CorruptRecord(devmode.data() + kPluginSectionOffset,
                              devmode.size() - kPluginSectionOffset);
        } else if (kind == 5) {
            // Cut anywhere from just after the public sizes to the record's end.
            if (devmode.size() > kSizesEnd)
                devmode.resize(kSizesEnd + Below(static_cast<uint32_t>(devmode.size() - kSizesEnd)));
        } else {
            for (size_t grow = 1 + Below(kMaxExtension); grow > 0; --grow)
                devmode.push_back(static_cast<BYTE>(Value()));
        }
    }
    return devmode;
}

DriverInput::DriverInput(const std::vector<BYTE> &devmode)
    : bytes_(devmode), buffer_(devmode.size()) {
    if (!buffer_.Ok()) return;
    std::memcpy(buffer_.Data(), bytes_.data(), bytes_.size());
    // The driver bounds what the DEVMODE claims by what it holds.
    DEVMODEW *dm = Public();
    const size_t held = bytes_.size();
    if (dm->dmSize > held) {
        dm->dmSize = static_cast<WORD>(held);
        dm->dmDriverExtra = 0;
    } else if (size_t(dm->dmSize) + dm->dmDriverExtra > held) {
        dm->dmDriverExtra = static_cast<WORD>(held - dm->dmSize);
    }
    std::memcpy(bytes_.data(), buffer_.Data(), kSizesEnd);
    const size_t sectionStart = size_t(dm->dmSize) + kDriverPrivateSize;
    if (sectionStart < size_t(dm->dmSize) + dm->dmDriverExtra) record_ = buffer_.Data() + sectionStart;
}

bool DriverInput::Unchanged() const {
    return std::memcmp(buffer_.Data(), bytes_.data(), bytes_.size()) == 0;
}
