// Window procedure thunk and default message handling for Window.
#include "framework/Window.h"

#include "framework/Gdi.h"
#include "framework/ReportCaught.h"

#include <exception>

Window::Window(Window* parent) : parent_(parent) {}

Window::~Window() {
    if (hwnd_) {
        // Detach first so no message reaches a half-destroyed object.
        SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
        HWND h = hwnd_;
        hwnd_ = nullptr;
        DestroyWindow(h);
    }
}

void Window::GetWindowClass(WNDCLASSEXA& wc) {
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
}

bool Window::Register() {
    HINSTANCE inst = GetModuleHandleA(nullptr);
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExA(inst, ClassName(), &existing)) return true;
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.hInstance = inst;
    wc.lpszClassName = ClassName();
    GetWindowClass(wc);
    wc.lpfnWndProc = &Window::StaticProc;
    return RegisterClassExA(&wc) != 0;
}

bool Window::Create() {
    if (hwnd_) return true;
    if (!Register()) return false;
    HWND parentWnd = parent_ ? parent_->Handle() : Attr.parentHandle;
    HMENU idOrMenu = (Attr.style & WS_CHILD) ? reinterpret_cast<HMENU>(Attr.id) : nullptr;
    CreateWindowExA(Attr.exStyle, ClassName(), Attr.title.c_str(), Attr.style, Attr.x, Attr.y,
                    Attr.w, Attr.h, parentWnd, idOrMenu, GetModuleHandleA(nullptr), this);
    return hwnd_ != nullptr;
}

void Window::SetCaption(const std::string& text) {
    Attr.title = text;
    if (hwnd_) SetWindowTextA(hwnd_, text.c_str());
}

LRESULT Window::DefaultProc(UINT msg, WPARAM wp, LPARAM lp) {
    return DefWindowProcA(hwnd_, msg, wp, lp);
}

LRESULT CALLBACK Window::StaticProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    Window* self = nullptr;
    if (msg == WM_NCCREATE) {
        self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    }
    if (!self) return DefWindowProcA(hwnd, msg, wp, lp);  // e.g. WM_GETMINMAXINFO before binding
    try {
        LRESULT r = self->WindowProc(msg, wp, lp);
        if (msg == WM_NCDESTROY) {
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
            self->hwnd_ = nullptr;
        }
        return r;
    } catch (const std::exception& e) {
        ReportCaught("window", msg, e.what());
    } catch (...) {
        ReportCaught("window", msg, "unknown exception");
    }
    // Never let an exception unwind into user32.
    return DefWindowProcA(hwnd, msg, wp, lp);
}

LRESULT Window::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT result = 0;
    if (HandleMessage(msg, wp, lp, result)) return result;
    return DefaultProc(msg, wp, lp);
}

bool Window::HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    switch (msg) {
    case WM_CREATE:
        SetupWindow();
        return true;
    case WM_PAINT: {
        gdi::PaintDc dc(hwnd_);
        Paint(dc.Get(), dc.Info().fErase != 0, dc.Info().rcPaint);
        return true;
    }
    case WM_CLOSE:
        if (CanClose()) DestroyWindow(hwnd_);
        return true;
    case WM_DESTROY:
        CleanupWindow();
        return true;
    case WM_TIMER:
        OnTimer(wp);
        return true;
    case WM_SIZE:
        OnSize(LOWORD(lp), HIWORD(lp));
        return false;
    case WM_COMMAND:
        if (lp == 0 || HIWORD(wp) == 0) {  // menu, accelerator or button bar
            if (OnCommand(LOWORD(wp))) return true;
        }
        return false;
    default:
        (void)result;
        return false;
    }
}
