// StatusBar: gadget layout by character widths, recessed drawing, text updates.
#include "framework/StatusBar.h"

namespace {
constexpr int kGap = 2;
}

StatusBar::StatusBar(int fontPoints)
    : font_(gdi::CreatePointFont("MS Sans Serif", fontPoints)) {
    Attr.style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    gdi::WindowDc screen(nullptr);
    gdi::SelectGuard sel(screen.Get(), font_.Get());
    TEXTMETRICA tm{};
    if (GetTextMetricsA(screen.Get(), &tm)) {
        charWidth_ = tm.tmAveCharWidth;
        charHeight_ = tm.tmHeight;
    }
}

void StatusBar::GetWindowClass(WNDCLASSEXA& wc) {
    Window::GetWindowClass(wc);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
}

void StatusBar::SetupWindow() { LayoutGadgets(); }

void StatusBar::AddTextGadget(int id, int widthChars, bool recessed) {
    gadgets_.push_back({id, widthChars, recessed, {}});
    LayoutGadgets();
}

int StatusBar::CharsFor(const std::string& sample) const {
    gdi::WindowDc screen(nullptr);
    gdi::SelectGuard sel(screen.Get(), font_.Get());
    SIZE size{};
    GetTextExtentPoint32A(screen.Get(), sample.c_str(), int(sample.size()), &size);
    return (size.cx + charWidth_ - 1) / charWidth_ + 1;  // rounded up, one to spare
}

int StatusBar::Height() const { return charHeight_ + 4 * kGap + 2; }

void StatusBar::LayoutGadgets() {
    int x = kGap;
    for (auto& g : gadgets_) {
        const int w = g.widthChars * charWidth_ + 2 * kGap + 2;
        g.rect = RECT{x, kGap + 1, x + w, Height() - kGap};
        x += w + kGap;
    }
}

const StatusBar::Gadget* StatusBar::Find(int id) const {
    for (const auto& g : gadgets_)
        if (g.id == id) return &g;
    return nullptr;
}

void StatusBar::SetText(int id, const std::string& text) {
    for (auto& g : gadgets_)
        if (g.id == id && g.text != text) {
            g.text = text;
            if (Handle()) InvalidateRect(Handle(), &g.rect, TRUE);
        }
}

std::string StatusBar::Text(int id) const {
    const Gadget* g = Find(id);
    return g ? g->text : std::string();
}

RECT StatusBar::GadgetRect(int id) const {
    const Gadget* g = Find(id);
    return g ? g->rect : RECT{};
}

int StatusBar::GadgetAt(POINT pt) const {
    for (const auto& g : gadgets_)
        if (PtInRect(&g.rect, pt)) return g.id;
    return -1;
}

void StatusBar::Paint(HDC dc, bool, const RECT&) {
    RECT client;
    GetClientRect(Handle(), &client);
    DrawEdge(dc, &client, EDGE_ETCHED, BF_TOP);
    gdi::SelectGuard sel(dc, font_.Get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    for (const auto& g : gadgets_) {
        RECT r = g.rect;
        if (g.recessed) DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
        InflateRect(&r, -kGap, 0);
        DrawTextA(dc, g.text.c_str(), static_cast<int>(g.text.size()), &r,
                  DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
}
