// The three views of a sample December through GdiCanvas into a DIB section: screenshots
// under build/screenshots/, pixel checks away from text, no leaked GDI objects, and the
// time of a month paint over 100,000 appointments.
#include "framework/GdiCanvas.h"
#include "holidays/FeiertagDatei.h"
#include "holidays/FeiertagTabelle.h"
#include "settings/Settings.h"
#include "store/TerminFixtures.h"
#include "support/FakeHost.h"
#include "support/WinKit.h"
#include "views/CalendarPaint.h"
#include "views/ViewState.h"

#include <algorithm>
#include <cstdio>

namespace {

class CalendarScreenshotWin : public testing::Test {
protected:
    void SetUp() override {
        host.now = LocalTime{2026, 12, 3, 13, 0, 0};
        ASSERT_TRUE(LadeFeiertage(feiertage, kit::BinDir() + "\\ORDIVO.PHD"));
        view.Selected = SelectedDate{2026, 12, 3};
    }

    // A December with every kind of line: priorities, done, untimed, without end, long texts,
    // markers for a remark and an address, and an overflowing Friday.
    void Sample() {
        const struct {
            int tag, h, mi, eh, emi;
            const char* text;
            int prio;
            uint16_t flags;
            const char* beschr;
            uint16_t adr;
        } zeilen[] = {
            {1, 8, 0, 9, 0, "Teambesprechung", 0, 0, "", 0},
            {1, 10, 0, 12, 0, "Kundentermin M\xFCller", 2, 0, "Vertrag mitbringen", 0},
            {1, 14, 0, 0, 0, "Zahnarzt", 3, FlagOhneEnde, "", 0},
            {3, 7, 30, 8, 15, "Fr\xFChst\xFC" "ck mit Anna", 0, FlagErledigt, "", 0},
            {3, 9, 0, 10, 30, "Projektplanung Q1", 2, 0, "", 0},
            {3, 9, 30, 10, 0, "Telefonat Bauer", 1, 0, "", 0},
            {3, 10, 0, 11, 0, "Review Angebot", 0, 0, "", 0},
            {3, 11, 0, 14, 0, "Workshop Datenschutz", 3, 0, "", 0},
            {3, 15, 0, 15, 45, "Arzttermin", 3, 0, "", 4},
            {3, 16, 10, 16, 50, "Kinder abholen", 1, 0, "", 0},
            {3, 18, 0, 0, 0, "Elternabend in der Grundschule am Marktplatz, Raum 12, bitte p\xFCnktlich", 0, FlagOhneEnde, "", 0},
            {3, 0, 0, 0, 0, "Geburtstag Oma", 2, FlagOhneZeit, "Blumen besorgen", 9},
            {3, 0, 0, 0, 0, "M\xFCll rausstellen", 0, FlagOhneZeit, "", 0},
            {6, 15, 0, 17, 0, "Adventskaffee bei Schmidts", 1, 0, "", 0},
            {10, 19, 30, 22, 0, "Konzert", 2, 0, "", 0},
            {15, 0, 0, 0, 0, "Urlaub beantragen", 3, FlagOhneZeit, "", 0},
            {24, 0, 0, 0, 0, "Bescherung", 2, FlagOhneZeit, "", 0},
            {31, 20, 0, 23, 59, "Silvesterparty", 3, 0, "", 0},
        };
        Liste.Laedt = true;
        for (const auto& z : zeilen) {
            Termin t = MachTermin(2026, 12, z.tag, z.h, z.mi, z.eh, z.emi, z.flags, z.text);
            t.SetzePrioritaet(z.prio);
            t.Beschr = z.beschr;
            t.AdrId = z.adr;
            Liste.Einfuegen(t);
        }
        for (int k = 0; k < 9; ++k) {
            Termin t = MachTermin(2026, 12, 4, 8 + k, 0, 9 + k, 0, 0, "Sprechstunde " + std::to_string(k + 1));
            t.SetzePrioritaet(k % 4);
            Liste.Einfuegen(t);
        }
        Liste.Laedt = false;
    }

    // Paints the view into a fresh surface and checks that nothing leaks.
    void Paint(kit::Surface& s, ViewMode mode) {
        settings.Mode = mode;
        const long live = gdi::LiveObjects();
        {
            GdiCanvas canvas(s.Dc());
            PaintCalendarView(ctx, canvas, ClientRect{0, 0, Width, Height});
        }
        EXPECT_EQ(gdi::LiveObjects(), live);
    }

    static constexpr int Width = 1000, Height = 700;
    FakeHost host;
    ClsListe Liste;
    Feiertage feiertage;
    Settings settings;
    ViewState view;
    PaintContext ctx{Liste, feiertage, settings, view};
};

// The painted geometry is pinned natively, GdiCanvas on its own, the background, grid and
// frame pixels by the start-up run; here the three views of a full month as pictures.
TEST_F(CalendarScreenshotWin, TheThreeViews) {
    Sample();
    for (const auto& [mode, name] : {std::pair{ViewMode::Day, "views-day"}, {ViewMode::Week, "views-week"}, {ViewMode::Month, "views-month"}}) {
        kit::Surface s(Width, Height);
        Paint(s, mode);
        EXPECT_TRUE(s.SavePng(name));
    }
}

TEST_F(CalendarScreenshotWin, MonthPaintOfAHundredThousandAppointmentsTakesWellUnderAFrame) {
    // 100,000 appointments from 2017 on, 52 minutes apart (about 28 a day); the month shown
    // is the last full one, so the walk passes nearly every record.
    ASSERT_TRUE(Liste.Reserviere(100000 + 64));
    Liste.Laedt = true;
    const uint32_t first = ToMinutes(MachZeitpunkt(2017, 1, 1, 6, 0));
    const uint32_t step = uint32_t(int64_t(10) * 525949 / 100000);
    for (int i = 0; i < 100000; ++i) {
        Termin t;
        t.Start = FromMinutes(first + uint32_t(i) * step);
        t.Ende = t.Start;
        t.Ende.Stunde = int8_t(std::min(23, t.Start.Stunde + 1));
        t.SetzePrioritaet(i % 4);
        t.SetzeKurzbeschr("Termin Nummer " + std::to_string(i));
        ASSERT_TRUE(Liste.Anhaengen(t));
    }
    Liste.Laedt = false;
    const Zeitpunkt last = Liste.Satz(Liste.Anzahl() - 1).Start;
    view.Selected = last.Monat > 1 ? SelectedDate{last.Jahr, int8_t(last.Monat - 1), 1} : SelectedDate{last.Jahr - 1, 12, 1};
    kit::Surface s(Width, Height);
    settings.Mode = ViewMode::Month;
    LARGE_INTEGER freq, a, b;
    QueryPerformanceFrequency(&freq);
    std::vector<double> ms;
    for (int run = 0; run < 9; ++run) {
        GdiCanvas canvas(s.Dc());
        QueryPerformanceCounter(&a);
        PaintCalendarView(ctx, canvas, ClientRect{0, 0, Width, Height});
        QueryPerformanceCounter(&b);
        ms.push_back(double(b.QuadPart - a.QuadPart) * 1000.0 / double(freq.QuadPart));
    }
    std::sort(ms.begin(), ms.end());
    std::printf("month view paint, 100000 appointments: median %.2f ms, best %.2f ms\n", ms[4], ms[0]);
    EXPECT_LT(ms[4], 16.0);
    EXPECT_GE(view.Hits.Block[27][0].Appointment, 0);  // the 28th still got its appointments
    EXPECT_TRUE(s.SavePng("views-month-100000"));
}

}  // namespace
