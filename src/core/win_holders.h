// Small owners of platform resources, so that every path releases them.
#pragma once

#include <windows.h>
#include <winspool.h>

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
    HANDLE Release() {
        HANDLE handle = handle_;
        handle_ = nullptr;
        return handle;
    }

private:
    HANDLE handle_ = nullptr;
};

// A printer opened by name for one operation.
class SpoolerPrinter {
public:
    SpoolerPrinter() = default;
    ~SpoolerPrinter() {
        if (printer_) ClosePrinter(printer_);
    }
    SpoolerPrinter(const SpoolerPrinter &) = delete;
    SpoolerPrinter &operator=(const SpoolerPrinter &) = delete;
    bool Open(const WCHAR *name, ACCESS_MASK access) {
        PRINTER_DEFAULTSW defaults = {nullptr, nullptr, access};
        if (!name || !OpenPrinterW(const_cast<WCHAR *>(name), &printer_, &defaults))
            printer_ = nullptr;
        return printer_ != nullptr;
    }
    HANDLE Get() const { return printer_; }

private:
    HANDLE printer_ = nullptr;
};
