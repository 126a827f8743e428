// The real ordivo.exe paints the three views: view commands 351-353 switch them, the grid
// is filled white on the light yellow background, and only the week and month views
// carry the magenta selection frame. Screenshots go to build/screenshots/.
#include "e2e/Driver.h"

#include <gtest/gtest.h>

using namespace e2e;

namespace {

int CountColour(const Capture& c, COLORREF colour) {
    int n = 0;
    for (int y = 0; y < c.height; ++y)
        for (int x = 0; x < c.width; ++x) n += c.Pixel(x, y) == colour;
    return n;
}

TEST(CalendarViewsE2e, ViewCommandsSwitchThePaintedView) {
    DeleteOrdivoSettings();
    SetUserString("Software\\kdw\\Ordivo\\General", "FirstStart", "0");
    Program p;
    ASSERT_TRUE(p.Start("-x"));
    HWND frame = p.WaitWindow("OrdivoFrame");
    ASSERT_NE(frame, nullptr);
    HWND client = FindChild(frame, "OrdivoCalendar");
    ASSERT_NE(client, nullptr);
    for (int i = 0; i < 50 && p.FindWindowOf("OrdivoStart"); ++i) Sleep(100);  // start picture gone

    const char* names[] = {"views-e2e-day", "views-e2e-week", "views-e2e-month"};
    for (int mode = 0; mode < 3; ++mode) {
        PostCommand(client, 351 + mode);
        Sync(frame);
        RedrawWindow(client, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        Sync(frame);
        // Wine copies the window's drawing to the screen a moment later: wait for the frame.
        Capture shot = CaptureWindow(client);
        for (int i = 0; i < 40 && mode > 0 && CountColour(shot, RGB(255, 0, 255)) <= 40; ++i) {
            Sleep(50);
            shot = CaptureWindow(client);
        }
        ASSERT_GT(shot.width, 200);
        EXPECT_EQ(shot.Pixel(1, 1), RGB(255, 255, 224)) << mode;
        EXPECT_GT(CountColour(shot, RGB(255, 255, 255)), shot.width * shot.height / 3) << mode;
        const int magenta = CountColour(shot, RGB(255, 0, 255));
        if (mode == 0) EXPECT_EQ(magenta, 0);
        else EXPECT_GT(magenta, 40) << mode;
        SavePng(shot, names[mode]);
    }
    PostCommand(client, 109);
    EXPECT_EQ(p.Wait(), 0);
    DeleteOrdivoSettings();
}

}  // namespace
