// The tip window: delayed showing near the pointer, hiding on an empty text or a key,
// the hint split in the status bar, and a screenshot of a shown tip.
#include "app/TTipStatusBar.h"
#include "app/TToolTip.h"
#include "app/TipRules.h"
#include "support/PngWriter.h"

#include <gtest/gtest.h>

namespace {
void Pump(DWORD ms) {
    const DWORD start = GetTickCount();
    MSG msg;
    do {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        Sleep(5);
    } while (GetTickCount() - start < ms);
}

HFONT TipFont() { return CreateFontA(-9, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "MS Sans Serif"); }

// Own-process capture of a window as shown.
void SaveShot(HWND wnd, const char* name) {
    RECT r;
    GetWindowRect(wnd, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateCompatibleBitmap(screen, w, h);
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(mem, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    std::vector<uint8_t> rgb(static_cast<size_t>(w) * h * 3);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const COLORREF c = GetPixel(mem, x, y);
            uint8_t* p = &rgb[(static_cast<size_t>(y) * w + x) * 3];
            p[0] = GetRValue(c), p[1] = GetGValue(c), p[2] = GetBValue(c);
        }
    SelectObject(mem, old);
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    CreateDirectoryA("..\\..\\screenshots", nullptr);
    WritePng(std::string("..\\..\\screenshots\\") + name + ".png", w, h, rgb);
}
}  // namespace

TEST(ToolTip, ShowsAfterTheDelayBelowThePointerAndHidesOnEmptyTextOrKey) {
    TToolTip tip(TipStyle::Shadow, TipFont());
    ASSERT_NE(tip.Handle(), nullptr);
    char cls[32] = {};
    GetClassNameA(tip.Handle(), cls, sizeof cls);
    EXPECT_STREQ(cls, "Tiplo:Tooltip");
    SetCursorPos(400, 300);
    POINT pt;
    GetCursorPos(&pt);

    tip.SetTipText("Neuer Termin");
    EXPECT_TRUE(tip.TimerRunning());
    Pump(300);
    EXPECT_FALSE(IsWindowVisible(tip.Handle()));  // 700 ms have not passed
    Pump(700);
    ASSERT_TRUE(IsWindowVisible(tip.Handle()));
    RECT r;
    GetWindowRect(tip.Handle(), &r);
    EXPECT_EQ(r.left, pt.x - 2);
    EXPECT_EQ(r.top, pt.y + 22);
    SaveShot(tip.Handle(), "tooltip");

    tip.SetTipText("");
    EXPECT_FALSE(IsWindowVisible(tip.Handle()));
    EXPECT_FALSE(tip.TimerRunning());

    tip.SetTipText("Speichern");
    Pump(800);
    ASSERT_TRUE(IsWindowVisible(tip.Handle()));
    // Any key typed into a window of this thread hides the tip through the keyboard hook.
    HWND target = CreateWindowA("STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(target);
    SetFocus(target);
    Pump(50);
    keybd_event(VK_SHIFT, 0, 0, 0);
    keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP, 0);
    Pump(100);
    DestroyWindow(target);
    EXPECT_FALSE(IsWindowVisible(tip.Handle()));
}

TEST(ToolTip, StatusBarSplitsHintAndTip) {
    TToolTip tip(TipStyle::Shadow, TipFont());
    TTipStatusBar status(&tip, 15, 10);
    status.AddTextGadget(15, 48, true);
    status.SetHintText("Speichert den Kalender\nSpeichern", true);
    EXPECT_EQ(status.Text(15), "Speichert den Kalender");
    EXPECT_EQ(tip.Text(), "Speichern");
    EXPECT_TRUE(tip.TimerRunning());

    status.SetHintText("Nur ein Hinweis", true);  // no line feed: no tip
    EXPECT_EQ(status.Text(15), "Nur ein Hinweis");
    EXPECT_FALSE(tip.TimerRunning());

    status.SetHintText("Aus dem Men\xFC\nTipp", false);  // menu hints never show a tip
    EXPECT_EQ(status.Text(15), "Aus dem Men\xFC");
    EXPECT_FALSE(tip.TimerRunning());

    status.SetCommandHint(103, true);  // the resource string of the command
    EXPECT_EQ(status.Text(15), "Speichert den Kalender");
    EXPECT_EQ(tip.Text(), "Speichern");
    status.SetHintText(nullptr, true);
    EXPECT_EQ(tip.Text(), "");
}
