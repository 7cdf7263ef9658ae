// A buffer whose last byte is followed by an inaccessible page, so that a
// read or write one byte past it faults at once instead of going unseen.
#pragma once

#include <windows.h>

#include <cstddef>

class GuardedBuffer {
public:
    explicit GuardedBuffer(size_t bytes);
    ~GuardedBuffer();
    GuardedBuffer(const GuardedBuffer &) = delete;
    GuardedBuffer &operator=(const GuardedBuffer &) = delete;

    BYTE *Data() const { return data_; }
    size_t Size() const { return size_; }
    bool Ok() const { return base_ != nullptr; }

private:
    BYTE *base_ = nullptr;
    BYTE *data_ = nullptr;
    size_t size_ = 0;
};
