// A click right after a drop, before any message is pumped, must hit what the collection now
// holds: the hit grid stores slot numbers, which a drop shifts.
#include "document/Dokument.h"
#include "holidays/FeiertagTabelle.h"
#include "settings/Settings.h"
#include "store/TerminFixtures.h"
#include "support/FakeHost.h"
#include "views/ClsCalendarWindow.h"

#include <gtest/gtest.h>

namespace {
class Kalender : public ClsCalendarWindow {
public:
    using ClsCalendarWindow::ClsCalendarWindow;
    using ClsCalendarWindow::HitAppointment;

protected:
    const char* ClassName() const override { return "OrdivoDropProbe"; }
};

// The middle of the first hit entry showing `slot` (or of the whole cell of `day`).
bool Punkt(const HitGrid& hits, int slot, int day, POINT& p) {
    for (const auto& block : hits.Block)
        for (int e = 0; e < HitGrid::Entries; ++e) {
            const HitEntry& h = block[e];
            const bool treffer = slot >= 0 ? h.Appointment == slot : e == HitGrid::WholeCell && h.Date.Tag == day;
            if (treffer && h.Width > 0) {
                p = POINT{h.X + h.Width / 2, h.Y + h.Height / 2};
                return true;
            }
        }
    return false;
}

LPARAM Lp(POINT p) { return MAKELPARAM(p.x, p.y); }
}  // namespace

TEST(CalendarDropWin, AClickRightAfterADropHitsTheChangedCollection) {
    FakeHost host;
    Dokument doc;
    Settings settings;
    Feiertage feiertage;
    settings.Mode = ViewMode::Week;
    doc.Liste.Initialisieren();
    ASSERT_TRUE(doc.Liste.Einfuegen(MachTermin(2026, 12, 8, 9, 0, 10, 0, 0, "A")));
    ASSERT_TRUE(doc.Liste.Einfuegen(MachTermin(2026, 12, 8, 11, 0, 12, 0, 0, "B")));
    Kalender w(doc, settings, feiertage);
    w.Attr.style = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
    w.Attr.x = w.Attr.y = 0;
    w.Attr.w = 900;
    w.Attr.h = 650;
    ASSERT_TRUE(w.Create());
    w.GoToDate(SelectedDate{2026, 12, 8});
    UpdateWindow(w.Handle());

    POINT a{}, b{}, ziel{};
    ASSERT_TRUE(Punkt(w.View().Hits, 0, 0, a) && Punkt(w.View().Hits, 1, 0, b) && Punkt(w.View().Hits, -1, 10, ziel));
    SendMessageA(w.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, Lp(a));
    SendMessageA(w.Handle(), WM_LBUTTONUP, 0, Lp(ziel));
    ASSERT_EQ(Texte(doc.Liste), (std::vector<std::string>{"B", "A"}));  // A moved to the 10th
    // Where B was drawn, slot 1 (now A) was recorded; B has moved up a line since.
    SendMessageA(w.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, Lp(b));
    SendMessageA(w.Handle(), WM_LBUTTONUP, 0, Lp(b));
    EXPECT_TRUE(w.HitAppointment().Empty()) << w.HitAppointment().Copy.Kurzbeschr;
    DestroyWindow(w.Handle());
}
