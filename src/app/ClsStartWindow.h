// The start picture: a borderless 340 × 200 pop-up centred 20 pixels above the middle of
// the screen, shown while the program starts and removed by the frame's timer 54.
#pragma once
#include "framework/Gdi.h"
#include "framework/Window.h"

class ClsStartWindow : public Window {
public:
    static constexpr int Width = 340, Height = 200;

    explicit ClsStartWindow(Window* parent);

protected:
    const char* ClassName() const override { return "OrdivoStart"; }
    void GetWindowClass(WNDCLASSEXA& wc) override;
    void SetupWindow() override;
    void Paint(HDC dc, bool erase, const RECT& rect) override;

private:
    gdi::Bitmap picture_;
};
