// Base of every window: creation with the C++ object bound at WM_NCCREATE, the virtual
// hooks (set-up, paint, close query, clean-up, class description), timers and commands.
#pragma once
#include <windows.h>

#include <string>

class Window {
public:
    explicit Window(Window* parent = nullptr);
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // Creation attributes, set before Create().
    struct Attributes {
        DWORD style = WS_OVERLAPPEDWINDOW;
        DWORD exStyle = 0;
        int x = CW_USEDEFAULT, y = CW_USEDEFAULT, w = CW_USEDEFAULT, h = CW_USEDEFAULT;
        std::string title;
        UINT_PTR id = 0;  // child id
        HWND parentHandle = nullptr;  // parent when it is no Window (a dialog)
    } Attr;

    bool Create();
    HWND Handle() const { return hwnd_; }
    Window* Parent() const { return parent_; }
    void SetParent(Window* parent) { parent_ = parent; }

    bool SetTimer(UINT_PTR id, UINT ms) { return ::SetTimer(hwnd_, id, ms, nullptr) != 0; }
    void KillTimer(UINT_PTR id) { ::KillTimer(hwnd_, id); }
    void Invalidate(bool erase = true) { InvalidateRect(hwnd_, nullptr, erase); }
    void SetCaption(const std::string& text);

    // Hooks.
    virtual bool CanClose() { return true; }
    virtual bool OnCommand(UINT /*id*/) { return false; }
    // -1: unknown command; 0/1 greyed/enabled (menus ask this when they open).
    virtual int CommandState(UINT /*id*/) const { return -1; }

protected:
    virtual const char* ClassName() const = 0;
    virtual void GetWindowClass(WNDCLASSEXA& wc);
    virtual void SetupWindow() {}
    virtual void Paint(HDC /*dc*/, bool /*erase*/, const RECT& /*rect*/) {}
    virtual void CleanupWindow() {}
    virtual void OnTimer(UINT_PTR /*id*/) {}
    virtual void OnSize(int /*w*/, int /*h*/) {}
    // Every message passes here first; return true when handled.
    virtual bool HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
    LRESULT DefaultProc(UINT msg, WPARAM wp, LPARAM lp);

private:
    static LRESULT CALLBACK StaticProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp);
    bool Register();

    Window* parent_;
    HWND hwnd_ = nullptr;
};
