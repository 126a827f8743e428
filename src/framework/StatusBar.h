// Status bar at the bottom of a decorated frame: text gadgets with an id, a width in
// characters of the gadget font, and an optional recessed border.
#pragma once
#include "framework/Gdi.h"
#include "framework/Window.h"

#include <string>
#include <vector>

class StatusBar : public Window {
public:
    explicit StatusBar(int fontPoints = 10);

    void AddTextGadget(int id, int widthChars, bool recessed);
    // Gadget width in characters that holds `sample` in the gadget font.
    int CharsFor(const std::string& sample) const;
    void SetText(int id, const std::string& text);
    std::string Text(int id) const;
    int Height() const;
    // Client rectangle of a gadget (empty when absent).
    RECT GadgetRect(int id) const;
    int GadgetAt(POINT pt) const;  // id under a client point, -1 for none

protected:
    const char* ClassName() const override { return "OrdivoStatusBar"; }
    void GetWindowClass(WNDCLASSEXA& wc) override;
    void SetupWindow() override;
    void Paint(HDC dc, bool erase, const RECT& rect) override;

private:
    struct Gadget {
        int id;
        int widthChars;
        bool recessed;
        std::string text;
        RECT rect{};
    };
    void LayoutGadgets();
    const Gadget* Find(int id) const;

    std::vector<Gadget> gadgets_;
    gdi::Font font_;
    int charWidth_ = 7, charHeight_ = 14;
};
