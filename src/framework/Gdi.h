// Owning wrappers for GDI and USER handles: non-copyable, movable, released exactly once.
// Test builds count live GDI objects (Wine's GetGuiResources is a stub) so leaks show up.
#pragma once
#include <windows.h>

#include <utility>

namespace gdi {

// Number of GDI objects created through these wrappers and not yet deleted.
long LiveObjects();
void CountCreated();
void CountDeleted();

template <class H>
class Object {
public:
    Object() = default;
    explicit Object(H h) : handle_(h) {
        if (handle_) CountCreated();
    }
    ~Object() { Reset(); }
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;
    Object(Object&& o) noexcept : handle_(std::exchange(o.handle_, nullptr)) {}
    Object& operator=(Object&& o) noexcept {
        if (this != &o) {
            Reset();
            handle_ = std::exchange(o.handle_, nullptr);
        }
        return *this;
    }
    void Reset(H h = nullptr) {
        if (handle_) {
            DeleteObject(handle_);
            CountDeleted();
        }
        handle_ = h;
        if (handle_) CountCreated();
    }
    H Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

private:
    H handle_ = nullptr;
};

using Font = Object<HFONT>;
using Pen = Object<HPEN>;
using Brush = Object<HBRUSH>;
using Bitmap = Object<HBITMAP>;
using Region = Object<HRGN>;

// Selects an object into a DC and restores the previous one on scope exit.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ obj) : dc_(dc), old_(obj ? SelectObject(dc, obj) : nullptr) {}
    ~SelectGuard() {
        if (old_) SelectObject(dc_, old_);
    }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

// BeginPaint/EndPaint pair.
class PaintDc {
public:
    explicit PaintDc(HWND wnd) : wnd_(wnd) { dc_ = BeginPaint(wnd_, &ps_); }
    ~PaintDc() { EndPaint(wnd_, &ps_); }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;
    HDC Get() const { return dc_; }
    const PAINTSTRUCT& Info() const { return ps_; }

private:
    HWND wnd_;
    PAINTSTRUCT ps_{};
    HDC dc_;
};

// GetDC/ReleaseDC pair (nullptr window = screen).
class WindowDc {
public:
    explicit WindowDc(HWND wnd) : wnd_(wnd), dc_(GetDC(wnd)) {}
    ~WindowDc() {
        if (dc_) ReleaseDC(wnd_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND wnd_;
    HDC dc_;
};

// CreateCompatibleDC/DeleteDC pair.
class MemoryDc {
public:
    explicit MemoryDc(HDC like) : dc_(CreateCompatibleDC(like)) {}
    ~MemoryDc() {
        if (dc_) DeleteDC(dc_);
    }
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;
    HDC Get() const { return dc_; }

private:
    HDC dc_;
};

// A font of `points` height at the screen's resolution.
HFONT CreatePointFont(const char* face, int points, int weight = FW_NORMAL);

}  // namespace gdi

// USER handles with their own release functions.
class MenuHandle {
public:
    MenuHandle() = default;
    explicit MenuHandle(HMENU m) : menu_(m) {}
    ~MenuHandle() { Reset(); }
    MenuHandle(const MenuHandle&) = delete;
    MenuHandle& operator=(const MenuHandle&) = delete;
    MenuHandle(MenuHandle&& o) noexcept : menu_(std::exchange(o.menu_, nullptr)) {}
    MenuHandle& operator=(MenuHandle&& o) noexcept {
        if (this != &o) {
            Reset();
            menu_ = std::exchange(o.menu_, nullptr);
        }
        return *this;
    }
    void Reset(HMENU m = nullptr) {
        if (menu_) DestroyMenu(menu_);
        menu_ = m;
    }
    HMENU Get() const { return menu_; }
    HMENU Release() { return std::exchange(menu_, nullptr); }

private:
    HMENU menu_ = nullptr;
};
