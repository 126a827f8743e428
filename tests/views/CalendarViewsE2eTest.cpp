// The real ordivo.exe paints the three views: view commands 351-353 switch them, the grid
// is filled white on the light yellow background, and only the week and month views
// carry the magenta selection frame. Screenshots go to build/screenshots/.
#include "support/WinKit.h"

#include <memory>

using namespace kit;

TEST(CalendarViewsE2e, ViewCommandsSwitchThePaintedView) {
    FreshOrdivoSettings();
    Program p;
    ASSERT_TRUE(p.Start("-x"));
    HWND frame = p.WaitWindow("OrdivoFrame");
    ASSERT_NE(frame, nullptr);
    HWND client = FindChild(frame, "OrdivoCalendar");
    ASSERT_NE(client, nullptr);
    WaitFor([&] { return !p.FindWindowOf("OrdivoStart"); }, 5000);

    const char* names[] = {"views-e2e-day", "views-e2e-week", "views-e2e-month"};
    for (int mode = 0; mode < 3; ++mode) {
        PostCommand(client, 351 + mode);
        Sync(frame);
        Repaint(client);
        // Wine copies the window's drawing to the screen a moment later: wait for the grid.
        std::unique_ptr<Surface> capture;
        WaitFor([&] {
            capture = std::make_unique<Surface>(client);
            return capture->Count(RGB(255, 255, 255)) > capture->Width() * capture->Height() / 3 &&
                   (mode == 0 || capture->Count(RGB(255, 0, 255)) > 40);
        }, 2000);
        const Surface& shot = *capture;
        ASSERT_GT(shot.Width(), 200);
        EXPECT_EQ(shot.Pixel(1, 1), RGB(255, 255, 224)) << mode;
        EXPECT_GT(shot.Count(RGB(255, 255, 255)), shot.Width() * shot.Height() / 3) << mode;
        const int magenta = shot.Count(RGB(255, 0, 255));
        if (mode == 0) EXPECT_EQ(magenta, 0);
        else EXPECT_GT(magenta, 40) << mode;
        shot.SavePng(names[mode]);
    }
    PostCommand(client, 109);
    EXPECT_EQ(p.Wait(), 0);
    DeleteOrdivoSettings();
}
