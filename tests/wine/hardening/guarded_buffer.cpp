#include "guarded_buffer.h"

namespace {

size_t PageSize() {
    SYSTEM_INFO info;
    GetSystemInfo(&info);
    return info.dwPageSize;
}

}  // namespace

GuardedBuffer::GuardedBuffer(size_t bytes) : size_(bytes) {
    static const size_t kPage = PageSize();
    const size_t usable = (bytes + kPage - 1) / kPage * kPage;
    base_ = static_cast<BYTE *>(
        VirtualAlloc(nullptr, usable + kPage, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
    if (!base_) return;
    DWORD old = 0;
    if (!VirtualProtect(base_ + usable, kPage, PAGE_NOACCESS, &old)) {
        VirtualFree(base_, 0, MEM_RELEASE);
        base_ = nullptr;
        return;
    }
    data_ = base_ + usable - bytes;
}

GuardedBuffer::~GuardedBuffer() {
    if (base_) VirtualFree(base_, 0, MEM_RELEASE);
}
