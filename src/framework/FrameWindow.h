// Top-level frame around one client window: menu that can be set and removed, icon,
// menu-hint tracking, and command routing (client first, then the frame).
#pragma once
#include "framework/Gdi.h"
#include "framework/Window.h"

class FrameWindow : public Window {
public:
    FrameWindow(const std::string& title, Window* client, bool trackMenuSelection);

    Window* Client() const { return client_; }
    // Takes ownership of `menu`; nullptr removes the menu bar.
    void AssignMenu(HMENU menu);
    HMENU Menu() const { return menu_.Get(); }
    void SetIcon(HICON icon) { icon_ = icon; }
    bool QuitOnDestroy = false;  // the application's main window ends the message loop

    bool CanClose() override;
    bool OnCommand(UINT id) override;

protected:
    const char* ClassName() const override { return "OrdivoFrame"; }
    void GetWindowClass(WNDCLASSEXA& wc) override;
    void SetupWindow() override;
    bool HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
    void OnSize(int w, int h) override;
    // Places the client; decorated frames reserve room for their bars first.
    virtual void LayoutChildren(RECT area);
    // Shows the hint for a highlighted menu command (0 = menu closed).
    virtual void OnMenuHint(UINT /*id*/) {}

private:
    void EnableMenuItems(HMENU popup);

    Window* client_;
    bool trackMenuSelection_;
    MenuHandle menu_;
    HICON icon_ = nullptr;
};
