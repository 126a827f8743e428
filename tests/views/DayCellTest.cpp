// The cell painter of the week and month views: heading, line formats, cutting, markers,
// overflow and the hit-grid entries.
#include "views/DayCell.h"

#include "views/AppointmentLine.h"
#include "views/ViewFixture.h"

namespace {

using Kind = RecordingCanvas::Kind;

// Cell (100, 200, 300 x 120), heading 30, rows 20 (inset 5, pitch 19), small font 12.
constexpr int X = 100, Y = 200, W = 300, H = 120;

class DayCellTest : public ViewFixture {
protected:
    void SetUp() override {
        ViewFixture::SetUp();
        view.Grid.CellWidth = W;
        view.Grid.CurrentBlock = 4;
    }
    void Draw(ViewTarget target, const Zeitpunkt& day = MachZeitpunkt(2026, 12, 5), int h = H) {
        Liste.Erster();
        DrawDayCell(ctx, canvas, X, Y, W, h, 30, 20, 12, day, target);
    }
    const HitEntry& Entry(int entry) const { return view.Hits.Block[4][entry]; }
};

TEST_F(DayCellTest, LineTextsByLayout) {
    const Termin kurz = MachTermin(2026, 12, 5, 9, 0, 9, 30, 0, "Bank");
    EXPECT_EQ(CellLineText(kurz, true), "9:00 - 9:30 Bank");
    EXPECT_EQ(CellLineText(kurz, false), "9:00 Bank");
    const Termin lang = MachTermin(2026, 12, 5, 10, 5, 11, 0, 0, "Bank");
    EXPECT_EQ(CellLineText(lang, true), "10:05 - 11:00 Bank");
    EXPECT_EQ(CellLineText(lang, false), "10:05 Bank");
    const Termin offen = MachTermin(2026, 12, 5, 9, 0, 0, 0, FlagOhneEnde, "Bank");
    EXPECT_EQ(CellLineText(offen, true), "9:00              Bank");
    const Termin ganztag = MachTermin(2026, 12, 5, 0, 0, 0, 0, FlagOhneZeit, "Urlaub");
    EXPECT_EQ(CellLineText(ganztag, true), "Urlaub");
    EXPECT_EQ(CellLineText(ganztag, false), "Urlaub");
}

TEST_F(DayCellTest, HeadingOfAWeekCell) {
    Draw(ViewTarget::Week);  // Saturday 5 December, day 339
    const auto* number = canvas.TextAt(X + 5, Y + 1);
    ASSERT_NE(number, nullptr);
    EXPECT_EQ(number->text, " 5 ");
    EXPECT_EQ(number->font, (FontSpec{30, 700, FontFamily::Swiss}));
    EXPECT_EQ(number->colour, Role(RoleWochentage));
    const auto* weekday = canvas.TextAt(X + 5 + 3 * 15, Y + 1);
    ASSERT_NE(weekday, nullptr);
    EXPECT_EQ(weekday->text, "Samstag");
    EXPECT_EQ(weekday->font.Height, 20);
    const auto* doy = canvas.TextAt(X + W - 5, Y + 1);
    ASSERT_NE(doy, nullptr);
    EXPECT_EQ(doy->text, "339");
    EXPECT_EQ(doy->align, TextAlign::Right);
    EXPECT_EQ(doy->font, (FontSpec{12, 700, FontFamily::Roman}));
}

TEST_F(DayCellTest, MonthCellHasNoWeekdayAndShowsTheHolidayName) {
    SetzeTabelle(feiertage, {{"1. Advent", "1. Advent", FeiertagArt::Fest, RegelFest(11, 29)},
                  {"Weihn.", "Weihnachten", FeiertagArt::Fest, RegelFest(12, 25),
                   FeiertagStatus::Aktiv | FeiertagStatus::Gesetzlich, 1800, 9999, 1800, 9999}});
    settings.Mode = ViewMode::Month;
    Draw(ViewTarget::Month, MachZeitpunkt(2026, 12, 25));
    EXPECT_EQ(canvas.Count(Kind::Text), 2);
    EXPECT_EQ(canvas.TextAt(X + W - 4, Y + 1)->text, "Weihn.");
    EXPECT_EQ(canvas.TextAt(X + 5, Y + 1)->colour, Role(RoleFeiertage));
    canvas.calls.clear();
    Draw(ViewTarget::Month, MachZeitpunkt(2026, 11, 29));  // a Sunday with a plain name
    EXPECT_EQ(canvas.TextAt(X + 5, Y + 1)->colour, Role(RoleFeiertage));
    EXPECT_EQ(canvas.TextAt(X + W - 4, Y + 1)->text, "1. Advent");

    // A narrow cell cuts the name so it ends before the day number begins to be covered:
    // the number "29 " is 3 × 15 wide from X + 5, the name (6 per character) fits in the rest.
    canvas.calls.clear();
    Liste.Erster();
    DrawDayCell(ctx, canvas, X, Y, 100, H, 30, 20, 12, MachZeitpunkt(2026, 11, 29), ViewTarget::Month);
    const auto* name = canvas.TextAt(X + 100 - 4, Y + 1);
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->text, "1. Adve");
    EXPECT_LE(int(name->text.size()) * 6, 100 - 4 - 5 - 3 * 15);
}

TEST_F(DayCellTest, LinesCutWithReserveAndMarkers) {
    const std::string lang(49, 'y');
    Termin a = MachTermin(2026, 12, 5, 0, 0, 0, 0, FlagOhneZeit, lang);
    Add(a);
    a.Start.Minute = 1;
    a.AdrId = 3;
    Add(a);
    a.Start.Minute = 2;
    a.Beschr = "Text";
    Add(a);
    Draw(ViewTarget::Week);
    // 300 - 5 = 295 leaves 29 characters of 10; one marker costs 30, both 40.
    EXPECT_EQ(canvas.TextAt(X + 5, Y + 30)->text, std::string(29, 'y'));
    EXPECT_EQ(canvas.TextAt(X + 5, Y + 49)->text, std::string(26, 'y') + " \xB2)");
    EXPECT_EQ(canvas.TextAt(X + 5, Y + 68)->text, std::string(25, 'y') + " \xB9\xB2)");
    canvas.calls.clear();
    Draw(ViewTarget::PrintWeekBlack);
    EXPECT_EQ(canvas.TextAt(X + 5, Y + 68)->text, std::string(29, 'y'));  // 400 weight, no reserve
    EXPECT_EQ(canvas.TextAt(X + 5, Y + 68)->font.Weight, 400);
    EXPECT_EQ(canvas.TextAt(X + 5, Y + 68)->colour, Rgb{});
}

TEST_F(DayCellTest, OverflowAfterTheLastLineThatFitsAndTheFreeRest) {
    for (int k = 0; k < 6; ++k) {
        Termin t = MachTermin(2026, 12, 5, 13 + k, 0, 14 + k, 0, 0, "L" + std::to_string(k));
        t.SetzePrioritaet(k % 4);
        Add(t);
    }
    Add(MachTermin(2026, 12, 6, 9, 0, 10, 0, 0, "Morgen"));
    Draw(ViewTarget::Month);
    const auto texts = canvas.Of(Kind::Text);
    ASSERT_EQ(texts.size(), 2u + 4u);  // number and day of year, then four lines
    EXPECT_EQ(texts[2].text, "13:00 L0");
    EXPECT_EQ(texts[2].y0, Y + 27);  // month layouts lift the lines by 3
    EXPECT_EQ(texts[3].colour, Role(RoleTermineWeniger));
    EXPECT_EQ(texts[4].colour, Role(RoleTermineWichtig));
    EXPECT_EQ(texts[5].y0, Y + 27 + 3 * 19);
    const auto floods = canvas.Of(Kind::Flood);
    ASSERT_EQ(floods.size(), 1u);
    EXPECT_EQ(floods[0].x0, X + W - 20 + 1);
    EXPECT_EQ(floods[0].y0, Y + H - 20 + 1);
    for (int n = 0; n < 4; ++n) {
        EXPECT_EQ(HitText(Entry(n)), "L" + std::to_string(n));
        EXPECT_EQ(Entry(n).Y, Y + 27 + 19 * n);
        EXPECT_EQ(Entry(n).Width, W);
        EXPECT_EQ(Entry(n).Height, 19);
        EXPECT_EQ(Entry(n).Date, MachZeitpunkt(2026, 12, 5, 13 + n, 0));
    }
    EXPECT_EQ(Entry(4).Appointment, HitEntry::NoAppointment);
    EXPECT_EQ(Entry(4).Date.Jahr, 0);
    EXPECT_EQ(Entry(4).Y, Y + 27 + 4 * 19);
    EXPECT_EQ(Entry(4).Height, H - (27 + 4 * 19));
    // The next day continues where this one stopped.
    canvas.calls.clear();
    DrawDayCell(ctx, canvas, X, Y, W, H, 30, 20, 12, MachZeitpunkt(2026, 12, 6), ViewTarget::Month);
    EXPECT_EQ(canvas.TextAt(X + 5, Y + 27)->text, "9:00 Morgen");
}

TEST_F(DayCellTest, TheFirstLineIsDrawnEvenInATinyCell) {
    Add(MachTermin(2026, 12, 5, 8, 0, 9, 0, 0, "Eins"));
    Add(MachTermin(2026, 12, 5, 10, 0, 11, 0, 0, "Zwei"));
    Draw(ViewTarget::Week, MachZeitpunkt(2026, 12, 5), 10);
    EXPECT_EQ(canvas.TextAt(X + 5, Y + 30)->text, "8:00 - 9:00 Eins");
    EXPECT_EQ(canvas.Count(Kind::Flood), 1);
    EXPECT_EQ(HitText(Entry(0)), "Eins");
    EXPECT_EQ(Entry(1).Height, 10 - 49);  // the free rest lies below the cell
}

}  // namespace
