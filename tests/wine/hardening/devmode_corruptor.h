// Random damage to a whole DEVMODE as the driver lays it out (public part,
// the driver's private part, the plug-in's record after them): sizes,
// signature, version, every field of the record, stray bytes, truncation
// and extension. One seed gives one sequence, so a failure replays.
#pragma once

#include "driver/devmode_layout.h"
#include "guarded_buffer.h"

#include <windows.h>

#include <cstdint>
#include <random>
#include <vector>

class DevmodeCorruptor {
public:
    explicit DevmodeCorruptor(uint32_t seed) : rng_(seed) {}

    // One to four kinds of damage to a copy of `valid`.
    std::vector<BYTE> Corrupt(const std::vector<BYTE> &valid);
    // Damage to the record's fields only, its header kept.
    void CorruptFields(BYTE *record, size_t bytes);
    // Damage to the record's header and fields.
    void CorruptRecord(BYTE *record, size_t bytes);

    uint32_t Below(uint32_t limit) { return limit ? Value() % limit : 0; }
    bool Chance(uint32_t percent) { return Below(100) < percent; }
    uint32_t Value() { return static_cast<uint32_t>(rng_()); }
    template <typename T, size_t N>
    T Pick(const T (&values)[N]) {
        return values[Below(N)];
    }

private:
    void DamagePublicPart(std::vector<BYTE> *devmode);
    void DamageDriverPart(std::vector<BYTE> *devmode);
    void DamageField(BYTE *record, size_t bytes);
    void DamageHeader(BYTE *record, size_t bytes);
    void FlipBytes(BYTE *bytes, size_t count);
    uint32_t Extreme();

    std::mt19937 rng_;
};

// A corrupted DEVMODE handed to the plug-in the way the driver hands one
// over: a buffer of exactly the bytes the DEVMODE holds, with a guard page
// after it. The driver never claims more than it holds, so the public
// sizes are bounded by the buffer; the record's pointer is where the
// driver's layout puts it, or null when the DEVMODE holds none of it.
class DriverInput {
public:
    explicit DriverInput(const std::vector<BYTE> &devmode);

    DEVMODEW *Public() const { return reinterpret_cast<DEVMODEW *>(buffer_.Data()); }
    BYTE *Record() const { return record_; }
    // The bytes are still what was handed over.
    bool Unchanged() const;

private:
    std::vector<BYTE> bytes_;
    GuardedBuffer buffer_;
    BYTE *record_ = nullptr;
};
