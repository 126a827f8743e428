// FrameWindow: client placement, menu ownership, menu hints and command routing.
#include "framework/FrameWindow.h"

FrameWindow::FrameWindow(const std::string& title, Window* client, bool trackMenuSelection)
    : client_(client), trackMenuSelection_(trackMenuSelection) {
    Attr.title = title;
    Attr.style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    if (client_) client_->SetParent(this);
}

void FrameWindow::GetWindowClass(WNDCLASSEXA& wc) {
    Window::GetWindowClass(wc);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.hIcon = icon_;
}

void FrameWindow::SetupWindow() {
    if (icon_) {
        SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
        SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
    }
    if (menu_.Get()) SetMenu(Handle(), menu_.Get());
    if (client_) {
        client_->Attr.style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
        client_->Attr.x = client_->Attr.y = 0;
        client_->Attr.w = client_->Attr.h = 1;
        client_->Create();
    }
    RECT area;
    GetClientRect(Handle(), &area);
    LayoutChildren(area);  // a hidden window gets no WM_SIZE before it is shown
}

void FrameWindow::AssignMenu(HMENU menu) {
    if (Handle()) SetMenu(Handle(), menu);
    menu_.Reset(menu);  // the old menu is destroyed after it is detached
    if (Handle()) DrawMenuBar(Handle());
}

bool FrameWindow::CanClose() { return !client_ || client_->CanClose(); }

bool FrameWindow::OnCommand(UINT id) { return client_ && client_->OnCommand(id); }

void FrameWindow::OnSize(int w, int h) {
    RECT area{0, 0, w, h};
    LayoutChildren(area);
}

void FrameWindow::LayoutChildren(RECT area) {
    if (client_ && client_->Handle())
        MoveWindow(client_->Handle(), area.left, area.top, area.right - area.left,
                   area.bottom - area.top, TRUE);
}

void FrameWindow::EnableMenuItems(HMENU popup) {
    const int count = GetMenuItemCount(popup);
    for (int i = 0; i < count; ++i) {
        const UINT id = GetMenuItemID(popup, i);
        if (id == 0 || id == static_cast<UINT>(-1)) continue;  // separator or submenu
        const int state = client_ ? client_->CommandState(id) : -1;
        if (state >= 0) EnableMenuItem(popup, i, MF_BYPOSITION | (state ? MF_ENABLED : MF_GRAYED));
    }
}

bool FrameWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    switch (msg) {
    case WM_SETFOCUS:
        if (client_ && client_->Handle()) SetFocus(client_->Handle());
        return true;
    case WM_INITMENUPOPUP:
        if (!HIWORD(lp)) EnableMenuItems(reinterpret_cast<HMENU>(wp));
        return true;
    case WM_MENUSELECT:
        if (trackMenuSelection_) {
            const UINT flags = HIWORD(wp);
            const bool closed = flags == 0xFFFF && lp == 0;
            OnMenuHint(closed || (flags & (MF_POPUP | MF_SEPARATOR)) ? 0 : LOWORD(wp));
        }
        return true;
    case WM_DESTROY:
        // Detached, so that the system does not destroy the menu that menu_ still owns.
        if (menu_.Get()) SetMenu(Handle(), nullptr);
        Window::HandleMessage(msg, wp, lp, result);
        if (QuitOnDestroy) PostQuitMessage(0);
        return true;
    default:
        return Window::HandleMessage(msg, wp, lp, result);
    }
}
