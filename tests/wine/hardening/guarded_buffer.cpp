#include "guarded_buffer.h"

GuardedBuffer::GuardedBuffer(size_t bytes) : size_(bytes) {
    SYSTEM_INFO system;
    GetSystemInfo(&system);
    const size_t page = system.dwPageSize;
    const size_t usable = (bytes + page - 1) / page * page;
    base_ = static_cast<BYTE *>(
        VirtualAlloc(nullptr, usable + page, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
    DWORD old = 0;
    if (base_ && !VirtualProtect(base_ + usable, page, PAGE_NOACCESS, &old)) {
        VirtualFree(base_, 0, MEM_RELEASE);
        base_ = nullptr;
    }
    if (base_) data_ = base_ + usable - bytes;
}

GuardedBuffer::~GuardedBuffer() {
    if (base_) VirtualFree(base_, 0, MEM_RELEASE);
}
