// TToolTip: timing, placement, the shadowed box and the keyboard hook.
#include "app/TToolTip.h"

#include "app/TipRules.h"

namespace {
TToolTip* hookedTip = nullptr;  // the one tip the keyboard hook serves
DWORD hideMoment = 0;           // tick of the last hide, 0 after a tip was scheduled
}  // namespace

TToolTip* TheToolTip() { return hookedTip; }

TToolTip::TToolTip(int style, HFONT font) : style_(style), font_(font) {
    Attr.style = WS_POPUP;
    Attr.exStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
    Attr.x = Attr.y = 0;
    Attr.w = Attr.h = 1;
    Create();
    hookedTip = this;
    hook_ = SetWindowsHookExA(WH_KEYBOARD, &TToolTip::KeyboardHook, nullptr, GetCurrentThreadId());
}

TToolTip::~TToolTip() {
    StopTimer();
    if (hook_) UnhookWindowsHookEx(hook_);
    if (hookedTip == this) hookedTip = nullptr;
}

void TToolTip::GetWindowClass(WNDCLASSEXA& wc) {
    Window::GetWindowClass(wc);
    wc.style = CS_SAVEBITS;
    wc.hbrBackground = nullptr;
}

LRESULT CALLBACK TToolTip::KeyboardHook(int code, WPARAM wp, LPARAM lp) {
    if (code >= 0 && hookedTip) hookedTip->SetTipText(std::string());
    return CallNextHookEx(nullptr, code, wp, lp);
}

void TToolTip::StopTimer() {
    if (timerRunning_) {
        KillTimer(ShowTimer);
        timerRunning_ = false;
    }
}

void TToolTip::SetTipText(const std::string& text) {
    text_ = text;
    if (Handle()) SetWindowTextA(Handle(), text.c_str());
    if (text.empty()) {
        StopTimer();
        if (Handle()) ShowWindow(Handle(), SW_HIDE);
        hideMoment = GetTickCount();
        return;
    }
    const DWORD now = GetTickCount();
    {
        gdi::WindowDc screen(nullptr);
        gdi::SelectGuard sel(screen.Get(), font_.Get());
        GetTextExtentPoint32A(screen.Get(), text.c_str(), static_cast<int>(text.size()), &size_);
    }
    size_.cx += 5;
    size_.cy += 4;
    if (Handle()) ShowWindow(Handle(), SW_HIDE);
    timerRunning_ = SetTimer(ShowTimer, TipDelay(now, hideMoment));
    hideMoment = 0;
}

void TToolTip::OnTimer(UINT_PTR id) {
    if (id != ShowTimer) return;
    StopTimer();
    Place();
    ShowWindow(Handle(), SW_SHOWNOACTIVATE);
    UpdateWindow(Handle());
}

void TToolTip::Place() {
    POINT pt;
    GetCursorPos(&pt);
    const TipRect r = PlaceTip(pt.x, pt.y, size_.cx - 5, size_.cy - 4, style_, GetSystemMetrics(SM_CXSCREEN),
                               GetSystemMetrics(SM_CYSCREEN));
    SetWindowPos(Handle(), nullptr, r.Left, r.Top, r.Width, r.Height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TToolTip::Paint(HDC dc, bool, const RECT&) {
    RECT client;
    GetClientRect(Handle(), &client);
    RECT box = client;
    if (style_ == TipStyle::Shadow) {
        // Dithered grey shadow: a checkerboard of the box shape, 2 pixels down and right,
        // ANDed with grey over what the window shows.
        static const WORD pattern[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
        gdi::Bitmap patternBits(CreateBitmap(8, 8, 1, 1, pattern));
        gdi::Brush patternBrush(CreatePatternBrush(patternBits.Get()));
        gdi::MemoryDc mask(dc);
        gdi::Bitmap maskBits(CreateBitmap(client.right, client.bottom, 1, 1, nullptr));
        {
            gdi::SelectGuard selBits(mask.Get(), maskBits.Get());
            PatBlt(mask.Get(), 0, 0, client.right, client.bottom, WHITENESS);
            {
                gdi::SelectGuard selBrush(mask.Get(), patternBrush.Get());
                gdi::SelectGuard selPen(mask.Get(), GetStockObject(NULL_PEN));
                Rectangle(mask.Get(), 2, 2, client.right - 1, client.bottom - 1);  // box + (2, 2)
            }
            const COLORREF oldText = SetTextColor(dc, RGB(128, 128, 128));
            const COLORREF oldBk = SetBkColor(dc, RGB(255, 255, 255));
            BitBlt(dc, 0, 0, client.right, client.bottom, mask.Get(), 0, 0, SRCAND);
            SetTextColor(dc, oldText);
            SetBkColor(dc, oldBk);
        }
        box.right -= 4;
        box.bottom -= 4;
    }
    gdi::Pen pen(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_WINDOWFRAME)));
    gdi::Brush fill(CreateSolidBrush(RGB(255, 255, 128)));
    {
        gdi::SelectGuard selPen(dc, pen.Get());
        gdi::SelectGuard selBrush(dc, fill.Get());
        if (style_ == TipStyle::Rounded) {
            const int h = box.bottom - box.top;
            RoundRect(dc, box.left, box.top, box.right, box.bottom, h / 2, h / 2);
        } else {
            Rectangle(dc, box.left, box.top, box.right, box.bottom);
        }
    }
    gdi::SelectGuard selFont(dc, font_.Get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    const std::string shown = text_.substr(0, 49);
    DrawTextA(dc, shown.c_str(), static_cast<int>(shown.size()), &box,
              DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
}

bool TToolTip::HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (msg == WM_MOUSEACTIVATE) {
        result = MA_NOACTIVATE;
        return true;
    }
    return Window::HandleMessage(msg, wp, lp, result);
}
