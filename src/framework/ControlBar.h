// Button bar at the top of a decorated frame: bitmap command buttons and separators.
// A click sends the button's command to the frame as WM_COMMAND.
#pragma once
#include "framework/Gdi.h"
#include "framework/Window.h"

#include <vector>

class ControlBar : public Window {
public:
    ControlBar();

    void AddButton(HBITMAP bitmap, UINT command);  // takes ownership of the bitmap
    void AddSeparator(int units = 6);
    int Height() const;
    // Button command under a client point, 0 for none.
    UINT CommandAt(POINT pt) const;
    // Screen rectangle of the button with `command` (empty when absent).
    RECT ButtonRect(UINT command) const;

protected:
    const char* ClassName() const override { return "OrdivoControlBar"; }
    void GetWindowClass(WNDCLASSEXA& wc) override;
    void Paint(HDC dc, bool erase, const RECT& rect) override;
    bool HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
    // Hooks for tooltips: pointer over a button, or left the bar.
    virtual void OnButtonHover(UINT /*command*/) {}

private:
    struct Gadget {
        UINT command;  // 0 for a separator
        gdi::Bitmap bitmap;
        int width;
        RECT rect{};
    };
    void LayoutGadgets();
    int HitIndex(POINT pt) const;

    std::vector<Gadget> gadgets_;
    int pressed_ = -1;
    bool pressedInside_ = false;
    UINT hover_ = 0;
};
