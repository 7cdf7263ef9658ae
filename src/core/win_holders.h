// Small owners of platform resources, so that every path releases them.
// The plug-in and the driver host share them.
#pragma once

#include <windows.h>
#include <winspool.h>

#include <utility>

class GlobalBlock {
public:
    explicit GlobalBlock(SIZE_T bytes) : ptr_(bytes ? GlobalAlloc(GPTR, bytes) : nullptr) {}
    ~GlobalBlock() {
        if (ptr_) GlobalFree(ptr_);
    }
    GlobalBlock(const GlobalBlock &) = delete;
    GlobalBlock &operator=(const GlobalBlock &) = delete;
    template <typename T>
    T *As() const { return static_cast<T *>(ptr_); }
    explicit operator bool() const { return ptr_ != nullptr; }

private:
    HGLOBAL ptr_;
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

// Memory the platform hands out with LocalAlloc, as its security
// conversions do.
class LocalBlock {
public:
    LocalBlock() = default;
    ~LocalBlock() {
        if (block_) LocalFree(block_);
    }
    LocalBlock(const LocalBlock &) = delete;
    LocalBlock &operator=(const LocalBlock &) = delete;
    template <typename T>
    T **Receive() { return reinterpret_cast<T **>(&block_); }
    template <typename T>
    T *As() const { return static_cast<T *>(block_); }

private:
    HLOCAL block_ = nullptr;
};

// A value that holds a password or its cipher in the clear while it lives:
// zeroed when made, wiped when it goes.
template <typename T>
class Wiped {
public:
    Wiped() = default;
    ~Wiped() { SecureZeroMemory(&value, sizeof(value)); }
    Wiped(const Wiped &) = delete;
    Wiped &operator=(const Wiped &) = delete;

    T value = {};
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
    FARPROC Export(const char *name) const {
        return module_ ? GetProcAddress(module_, name) : nullptr;
    }
    // An export as the function type its callers know it by.
    template <typename Fn>
    Fn ExportAs(const char *name) const {
        return reinterpret_cast<Fn>(reinterpret_cast<void *>(Export(name)));
    }

private:
    HMODULE module_ = nullptr;
};

class RegistryKey {
public:
    RegistryKey() = default;
    ~RegistryKey() {
        if (key_) RegCloseKey(key_);
    }
    RegistryKey(const RegistryKey &) = delete;
    RegistryKey &operator=(const RegistryKey &) = delete;
    HKEY Get() const { return key_; }
    PHKEY Receive() { return &key_; }

private:
    HKEY key_ = nullptr;
};

// A kernel object handle, closed when the holder goes unless it is released.
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
        if (handle_ && handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
        handle_ = handle;
    }
    HANDLE Get() const { return handle_; }
    explicit operator bool() const { return handle_ && handle_ != INVALID_HANDLE_VALUE; }
    // For objects that must outlive the holder.
    HANDLE Release() { return std::exchange(handle_, nullptr); }

private:
    HANDLE handle_ = nullptr;
};

// A printer opened by name for one operation.
class SpoolerPrinter {
public:
    SpoolerPrinter() = default;
    ~SpoolerPrinter() { Reset(nullptr); }
    SpoolerPrinter(const SpoolerPrinter &) = delete;
    SpoolerPrinter &operator=(const SpoolerPrinter &) = delete;
    // No access asked (0) opens with the spooler's default rights.
    bool Open(const WCHAR *name, ACCESS_MASK access) {
        PRINTER_DEFAULTSW defaults = {nullptr, nullptr, access};
        HANDLE printer = nullptr;
        if (!name || !OpenPrinterW(const_cast<WCHAR *>(name), &printer, access ? &defaults : nullptr))
            return false;
        Reset(printer);
        return true;
    }
    void Reset(HANDLE printer) {
        if (printer_) ClosePrinter(printer_);
        printer_ = printer;
    }
    HANDLE Get() const { return printer_; }

private:
    HANDLE printer_ = nullptr;
};

// A FindFirstFileW search, closed when it goes out of scope.
class FileSearch {
public:
    explicit FileSearch(HANDLE search) : search_(search) {}
    ~FileSearch() {
        if (search_ != INVALID_HANDLE_VALUE) FindClose(search_);
    }
    FileSearch(const FileSearch &) = delete;
    FileSearch &operator=(const FileSearch &) = delete;
    HANDLE Get() const { return search_; }

private:
    HANDLE search_;
};

// A window destroyed when it goes out of scope.
class UniqueWindow {
public:
    explicit UniqueWindow(HWND window) : window_(window) {}
    ~UniqueWindow() {
        if (window_) DestroyWindow(window_);
    }
    UniqueWindow(const UniqueWindow &) = delete;
    UniqueWindow &operator=(const UniqueWindow &) = delete;
    HWND Get() const { return window_; }

private:
    HWND window_;
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
