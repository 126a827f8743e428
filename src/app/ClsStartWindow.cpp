// ClsStartWindow: loads "BMP_ORDIVO" and copies it to the window at its own size.
#include "app/ClsStartWindow.h"

ClsStartWindow::ClsStartWindow(Window* parent)
    : Window(parent), picture_(LoadBitmapA(GetModuleHandleA(nullptr), "BMP_ORDIVO")) {
    Attr.style = WS_POPUP;
    Attr.x = (GetSystemMetrics(SM_CXSCREEN) - Width) / 2;
    Attr.y = (GetSystemMetrics(SM_CYSCREEN) - Height) / 2 - 20;
    Attr.w = Width;
    Attr.h = Height;
}

void ClsStartWindow::GetWindowClass(WNDCLASSEXA& wc) {
    Window::GetWindowClass(wc);
    wc.style |= CS_DBLCLKS;
    wc.hbrBackground = nullptr;  // the picture covers everything
}

void ClsStartWindow::SetupWindow() {
    ShowWindow(Handle(), SW_SHOWNOACTIVATE);
    UpdateWindow(Handle());
}

void ClsStartWindow::Paint(HDC dc, bool, const RECT&) {
    if (!picture_) return;
    gdi::MemoryDc mem(dc);
    gdi::SelectGuard sel(mem.Get(), picture_.Get());
    BitBlt(dc, 0, 0, Width, Height, mem.Get(), 0, 0, SRCCOPY);
}
