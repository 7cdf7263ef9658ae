// Small holders for GDI resources: each is given back when its scope ends,
// on every path.
#pragma once

#include <windows.h>

// A GDI object deleted when it goes out of scope.
template <typename T>
class GdiObject {
public:
    explicit GdiObject(T object) : object_(object) {}
    ~GdiObject() {
        if (object_) DeleteObject(object_);
    }
    GdiObject(const GdiObject &) = delete;
    GdiObject &operator=(const GdiObject &) = delete;
    T Get() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }

private:
    T object_;
};

// An object selected into a device context until the scope ends; a null
// object selects nothing.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object)
        : dc_(dc), previous_(object ? SelectObject(dc, object) : nullptr) {}
    ~Selection() {
        if (previous_) SelectObject(dc_, previous_);
    }
    Selection(const Selection &) = delete;
    Selection &operator=(const Selection &) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// Which part of a window a device context draws on.
enum class DcArea { Client, WholeWindow };

// A window's device context, released when it goes out of scope.
class WindowDc {
public:
    explicit WindowDc(HWND window, DcArea area = DcArea::Client)
        : window_(window), dc_(area == DcArea::WholeWindow ? GetWindowDC(window) : GetDC(window)) {}
    ~WindowDc() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc &) = delete;
    WindowDc &operator=(const WindowDc &) = delete;
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// A memory device context compatible with another, deleted when it goes out
// of scope.
class MemoryDc {
public:
    explicit MemoryDc(HDC like) : dc_(CreateCompatibleDC(like)) {}
    ~MemoryDc() {
        if (dc_) DeleteDC(dc_);
    }
    MemoryDc(const MemoryDc &) = delete;
    MemoryDc &operator=(const MemoryDc &) = delete;
    HDC Get() const { return dc_; }

private:
    HDC dc_;
};
