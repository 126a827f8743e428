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
    void Draw(ViewTarget target, const Zeitpunkt& day = MachZeitpunkt(2026, 12, 5), int h = H, int w = W) {
        canvas.calls.clear();
        Liste.Erster();
        DrawDayCell(ctx, canvas, X, Y, w, h, 30, 20, 12, day, target);
    }
    const HitEntry& Entry(int entry) const { return view.Hits.Block[4][entry]; }
};

TEST_F(DayCellTest, LineTextsByLayout) {
    const struct {
        Termin t;
        const char *breit, *schmal;  // with and without the end
    } faelle[] = {
        {MachTermin(2026, 12, 5, 9, 0, 9, 30, 0, "Bank"), "9:00 - 9:30 Bank", "9:00 Bank"},
        {MachTermin(2026, 12, 5, 10, 5, 11, 0, 0, "Bank"), "10:05 - 11:00 Bank", "10:05 Bank"},
        {MachTermin(2026, 12, 5, 9, 0, 0, 0, FlagOhneEnde, "Bank"), "9:00              Bank", "9:00 Bank"},
        {MachTermin(2026, 12, 5, 0, 0, 0, 0, FlagOhneZeit, "Urlaub"), "Urlaub", "Urlaub"},
    };
    for (const auto& f : faelle) EXPECT_EQ(CellLineText(f.t, true) + "|" + CellLineText(f.t, false), f.breit + std::string("|") + f.schmal);
}

TEST_F(DayCellTest, HeadingOfAWeekCell) {
    Draw(ViewTarget::Week);  // Saturday 5 December, day 339
    ASSERT_EQ(canvas.Count(Kind::Text), 3);
    const RecordingCanvas::Call *tag = canvas.TextAt(X + 5, Y + 1), *name = canvas.TextAt(X + 5 + 3 * 15, Y + 1),
                                *nummer = canvas.TextAt(X + W - 5, Y + 1);  // the day number " 5 " is 3 x 15 wide
    ASSERT_TRUE(tag && name && nummer);
    EXPECT_EQ(tag->text + "|" + name->text + "|" + nummer->text, " 5 |Samstag|339");
    EXPECT_EQ(std::make_pair(tag->font, tag->colour), std::make_pair(FontSpec{30, 700, FontFamily::Swiss}, Role(RoleWochentage)));
    EXPECT_EQ(name->font.Height, 20);
    EXPECT_EQ(std::make_pair(nummer->font, nummer->align), std::make_pair(FontSpec{12, 700, FontFamily::Roman}, TextAlign::Right));
}

TEST_F(DayCellTest, MonthCellHasNoWeekdayAndShowsTheHolidayNameCut) {
    SetzeTabelle(feiertage, {{"1. Advent", "1. Advent", FeiertagArt::Fest, RegelFest(11, 29)},
                  {"Weihn.", "Weihnachten", FeiertagArt::Fest, RegelFest(12, 25),
                   FeiertagStatus::Aktiv | FeiertagStatus::Gesetzlich, 1800, 9999, 1800, 9999}});
    settings.Mode = ViewMode::Month;
    Draw(ViewTarget::Month, MachZeitpunkt(2026, 12, 25));
    EXPECT_EQ(canvas.Count(Kind::Text), 2);
    EXPECT_EQ(std::make_pair(canvas.Text(X + W - 4, Y + 1), canvas.TextAt(X + 5, Y + 1)->colour),
              std::make_pair(std::string("Weihn."), Role(RoleFeiertage)));
    // A narrow cell cuts the name before it covers the day number "29 " (3 x 15 from X + 5).
    Draw(ViewTarget::Month, MachZeitpunkt(2026, 11, 29), H, 100);
    EXPECT_EQ(std::make_pair(canvas.Text(X + 100 - 4, Y + 1), canvas.TextAt(X + 5, Y + 1)->colour),  // a Sunday
              std::make_pair(std::string("1. Adve"), Role(RoleFeiertage)));
}

TEST_F(DayCellTest, LinesCutWithReserveAndMarkers) {
    Termin a = MachTermin(2026, 12, 5, 0, 0, 0, 0, FlagOhneZeit, std::string(49, 'y'));
    Add(a);
    a.Start.Minute = 1;
    a.AdrId = 3;
    Add(a);
    a.Start.Minute = 2;
    a.Beschr = "Text";
    Add(a);
    Draw(ViewTarget::Week);
    // 300 - 5 = 295 leaves 29 characters of 10; one marker costs 30, both 40.
    EXPECT_EQ(canvas.Text(X + 5, Y + 30), std::string(29, 'y'));
    EXPECT_EQ(canvas.Text(X + 5, Y + 49), std::string(26, 'y') + " \xB2)");
    EXPECT_EQ(canvas.Text(X + 5, Y + 68), std::string(25, 'y') + " \xB9\xB2)");
    Draw(ViewTarget::PrintWeekBlack);  // no markers, black
    EXPECT_EQ(std::make_pair(canvas.Text(X + 5, Y + 68), canvas.TextAt(X + 5, Y + 68)->colour), std::make_pair(std::string(29, 'y'), Rgb{}));
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
    EXPECT_EQ(std::make_pair(texts[2].text, texts[2].y0), std::make_pair(std::string("13:00 L0"), Y + 27));  // lifted by 3 in months
    EXPECT_EQ(std::make_pair(texts[3].colour, texts[4].colour), std::make_pair(Role(RoleTermineWeniger), Role(RoleTermineWichtig)));
    const auto floods = canvas.Of(Kind::Flood);
    ASSERT_EQ(floods.size(), 1u);
    EXPECT_EQ((std::vector<int>{floods[0].x0, floods[0].y0}), (std::vector<int>{X + W - 20 + 1, Y + H - 20 + 1}));
    for (int n = 0; n < 4; ++n) {
        EXPECT_EQ(HitText(Entry(n)), "L" + std::to_string(n));
        EXPECT_EQ((std::vector<int>{Entry(n).Y, Entry(n).Width, Entry(n).Height}), (std::vector<int>{Y + 27 + 19 * n, W, 19}));
    }
    EXPECT_EQ(Entry(3).Date, MachZeitpunkt(2026, 12, 5, 16, 0));
    EXPECT_TRUE(Entry(4).Appointment == HitEntry::NoAppointment && Entry(4).Date.Jahr == 0);
    EXPECT_EQ((std::vector<int>{Entry(4).Y, Entry(4).Height}), (std::vector<int>{Y + 27 + 4 * 19, H - (27 + 4 * 19)}));
    // The next day continues where this one stopped.
    canvas.calls.clear();
    DrawDayCell(ctx, canvas, X, Y, W, H, 30, 20, 12, MachZeitpunkt(2026, 12, 6), ViewTarget::Month);
    EXPECT_EQ(canvas.Text(X + 5, Y + 27), "9:00 Morgen");
}

TEST_F(DayCellTest, TheFirstLineIsDrawnEvenInATinyCell) {
    Add(MachTermin(2026, 12, 5, 8, 0, 9, 0, 0, "Eins"));
    Add(MachTermin(2026, 12, 5, 10, 0, 11, 0, 0, "Zwei"));
    Draw(ViewTarget::Week, MachZeitpunkt(2026, 12, 5), 10);
    EXPECT_EQ(canvas.Text(X + 5, Y + 30), "8:00 - 9:00 Eins");
    EXPECT_EQ(canvas.Count(Kind::Flood), 1);
    EXPECT_EQ(Entry(1).Height, 10 - 49);  // the free rest lies below the cell
}

}  // namespace
