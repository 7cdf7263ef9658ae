// Small owners of the platform resources the driver host uses, so that every
// path releases what it took.
#pragma once

#include <windows.h>
#include <winspool.h>

#include <utility>

class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(HANDLE handle) : handle_(handle) {}
    ~UniqueHandle() { Reset(nullptr); }
    UniqueHandle(const UniqueHandle &) = delete;
    UniqueHandle &operator=(const UniqueHandle &) = delete;
    UniqueHandle(UniqueHandle &&other) noexcept : handle_(other.Release()) {}
    UniqueHandle &operator=(UniqueHandle &&other) noexcept {
        Reset(other.Release());
        return *this;
    }
    void Reset(HANDLE handle) {
        if (Valid()) CloseHandle(handle_);
        handle_ = handle;
    }
    HANDLE Release() { return std::exchange(handle_, nullptr); }
    HANDLE Get() const { return handle_; }
    bool Valid() const { return handle_ && handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_ = nullptr;
};

// A zero-filled block of the process heap.
class HeapBlock {
public:
    HeapBlock() = default;
    explicit HeapBlock(size_t bytes)
        : data_(bytes ? HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, bytes) : nullptr),
          size_(data_ ? bytes : 0) {}
    ~HeapBlock() {
        if (data_) HeapFree(GetProcessHeap(), 0, data_);
    }
    HeapBlock(const HeapBlock &) = delete;
    HeapBlock &operator=(const HeapBlock &) = delete;
    HeapBlock(HeapBlock &&other) noexcept
        : data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0)) {}
    HeapBlock &operator=(HeapBlock &&other) noexcept {
        std::swap(data_, other.data_);
        std::swap(size_, other.size_);
        return *this;
    }
    template <typename T>
    T *As() const { return static_cast<T *>(data_); }
    BYTE *Bytes() const { return static_cast<BYTE *>(data_); }
    size_t Size() const { return size_; }
    explicit operator bool() const { return data_ != nullptr; }

private:
    void *data_ = nullptr;
    size_t size_ = 0;
};

// A private heap, destroyed with its blocks.
class PrivateHeap {
public:
    PrivateHeap() = default;
    ~PrivateHeap() { Reset(nullptr); }
    PrivateHeap(const PrivateHeap &) = delete;
    PrivateHeap &operator=(const PrivateHeap &) = delete;
    void Reset(HANDLE heap) {
        if (heap_) HeapDestroy(heap_);
        heap_ = heap;
    }
    HANDLE Get() const { return heap_; }

private:
    HANDLE heap_ = nullptr;
};

class LoadedLibrary {
public:
    LoadedLibrary() = default;
    explicit LoadedLibrary(HMODULE module) : module_(module) {}
    ~LoadedLibrary() { Reset(nullptr); }
    LoadedLibrary(const LoadedLibrary &) = delete;
    LoadedLibrary &operator=(const LoadedLibrary &) = delete;
    void Reset(HMODULE module) {
        if (module_) FreeLibrary(module_);
        module_ = module;
    }
    HMODULE Get() const { return module_; }
    // An export as the function type its callers know it by; null when absent.
    template <typename Fn>
    Fn ExportAs(const char *name) const {
        if (!module_) return nullptr;
        return reinterpret_cast<Fn>(reinterpret_cast<void *>(GetProcAddress(module_, name)));
    }

private:
    HMODULE module_ = nullptr;
};

class PrinterHandle {
public:
    PrinterHandle() = default;
    ~PrinterHandle() { Reset(nullptr); }
    PrinterHandle(const PrinterHandle &) = delete;
    PrinterHandle &operator=(const PrinterHandle &) = delete;
    bool Open(const WCHAR *name, ACCESS_MASK access) {
        PRINTER_DEFAULTSW defaults = {nullptr, nullptr, access};
        HANDLE handle = nullptr;
        if (!OpenPrinterW(const_cast<WCHAR *>(name), &handle, access ? &defaults : nullptr))
            return false;
        Reset(handle);
        return true;
    }
    void Reset(HANDLE handle) {
        if (handle_) ClosePrinter(handle_);
        handle_ = handle;
    }
    HANDLE Get() const { return handle_; }

private:
    HANDLE handle_ = nullptr;
};

// One counted reference to a COM interface.
template <typename T>
class ComRef {
public:
    ComRef() = default;
    explicit ComRef(T *ptr) : ptr_(ptr) {}
    ~ComRef() { Reset(); }
    ComRef(const ComRef &) = delete;
    ComRef &operator=(const ComRef &) = delete;
    void Reset() {
        if (ptr_) std::exchange(ptr_, nullptr)->Release();
    }
    void Attach(T *ptr) {
        Reset();
        ptr_ = ptr;
    }
    T *Get() const { return ptr_; }
    T *operator->() const { return ptr_; }
    explicit operator bool() const { return ptr_ != nullptr; }
    // Where a query or creation stores the new reference.
    void **Out() {
        Reset();
        return reinterpret_cast<void **>(&ptr_);
    }

private:
    T *ptr_ = nullptr;
};
