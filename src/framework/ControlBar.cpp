// ControlBar: layout, drawing and mouse handling of the bitmap buttons.
#include "framework/ControlBar.h"

namespace {
constexpr int kButton = 26;   // 20 x 20 bitmap plus 3 pixels of face on each side
constexpr int kMargin = 3;
}  // namespace

ControlBar::ControlBar() { Attr.style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS; }

void ControlBar::GetWindowClass(WNDCLASSEXA& wc) {
    Window::GetWindowClass(wc);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
}

void ControlBar::AddButton(HBITMAP bitmap, UINT command) {
    gadgets_.push_back({command, gdi::Bitmap(bitmap), kButton});
    LayoutGadgets();
}

void ControlBar::AddSeparator(int units) {
    gadgets_.push_back({0, gdi::Bitmap(), units});
    LayoutGadgets();
}

int ControlBar::Height() const { return kButton + 2 * kMargin + 2; }

void ControlBar::LayoutGadgets() {
    int x = kMargin;
    for (auto& g : gadgets_) {
        g.rect = RECT{x, kMargin + 1, x + g.width, kMargin + 1 + kButton};
        x += g.width;
    }
}

int ControlBar::HitIndex(POINT pt) const {
    for (size_t i = 0; i < gadgets_.size(); ++i)
        if (gadgets_[i].command && PtInRect(&gadgets_[i].rect, pt)) return static_cast<int>(i);
    return -1;
}

UINT ControlBar::CommandAt(POINT pt) const {
    int i = HitIndex(pt);
    return i < 0 ? 0 : gadgets_[i].command;
}

RECT ControlBar::ButtonRect(UINT command) const {
    for (const auto& g : gadgets_)
        if (g.command == command && command) {
            RECT r = g.rect;
            MapWindowPoints(Handle(), nullptr, reinterpret_cast<POINT*>(&r), 2);
            return r;
        }
    return RECT{};
}

void ControlBar::Paint(HDC dc, bool, const RECT&) {
    RECT client;
    GetClientRect(Handle(), &client);
    DrawEdge(dc, &client, BDR_RAISEDINNER, BF_TOP);  // line under the menu bar
    RECT bottom = client;
    bottom.top = bottom.bottom - 2;
    DrawEdge(dc, &bottom, EDGE_ETCHED, BF_TOP);
    gdi::MemoryDc mem(dc);
    for (size_t i = 0; i < gadgets_.size(); ++i) {
        const Gadget& g = gadgets_[i];
        if (!g.command) continue;
        RECT r = g.rect;
        const bool down = static_cast<int>(i) == pressed_ && pressedInside_;
        DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (down ? DFCS_PUSHED : 0));
        if (g.bitmap) {
            BITMAP bm{};
            GetObjectA(g.bitmap.Get(), sizeof bm, &bm);
            gdi::SelectGuard sel(mem.Get(), g.bitmap.Get());
            const int off = down ? 1 : 0;
            BitBlt(dc, r.left + (kButton - bm.bmWidth) / 2 + off, r.top + (kButton - bm.bmHeight) / 2 + off,
                   bm.bmWidth, bm.bmHeight, mem.Get(), 0, 0, SRCCOPY);
        }
    }
}

bool ControlBar::HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    const POINT pt{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
    switch (msg) {
    case WM_LBUTTONDOWN:
        pressed_ = HitIndex(pt);
        pressedInside_ = pressed_ >= 0;
        if (pressed_ >= 0) {
            SetCapture(Handle());
            InvalidateRect(Handle(), &gadgets_[pressed_].rect, FALSE);
        }
        return true;
    case WM_MOUSEMOVE: {
        if (pressed_ >= 0) {
            bool inside = PtInRect(&gadgets_[pressed_].rect, pt) != 0;
            if (inside != pressedInside_) {
                pressedInside_ = inside;
                InvalidateRect(Handle(), &gadgets_[pressed_].rect, FALSE);
            }
        }
        UINT cmd = CommandAt(pt);
        if (cmd != hover_) {
            hover_ = cmd;
            OnButtonHover(cmd);
        }
        if (cmd) {
            TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, Handle(), 0};
            TrackMouseEvent(&tme);
        }
        return true;
    }
    case WM_MOUSELEAVE:
        hover_ = 0;
        OnButtonHover(0);
        return true;
    case WM_LBUTTONUP: {
        if (pressed_ < 0) return true;
        const int index = pressed_;
        const bool fire = pressedInside_;
        pressed_ = -1;
        pressedInside_ = false;
        ReleaseCapture();
        InvalidateRect(Handle(), &gadgets_[index].rect, FALSE);
        if (fire && Parent())
            PostMessageA(Parent()->Handle(), WM_COMMAND, gadgets_[index].command, 0);
        return true;
    }
    case WM_CAPTURECHANGED:
        if (pressed_ >= 0) {
            InvalidateRect(Handle(), &gadgets_[pressed_].rect, FALSE);
            pressed_ = -1;
        }
        return true;
    default:
        return Window::HandleMessage(msg, wp, lp, result);
    }
}
