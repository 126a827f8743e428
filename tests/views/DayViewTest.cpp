// The day painter: row placement, labels, cutting and markers, duration lines, the untimed
// area, overflow, print targets, the heading and the hit grid.
#include "views/DayView.h"

#include "views/AppointmentLine.h"
#include "views/ViewFixture.h"

namespace {

using Kind = RecordingCanvas::Kind;

// Rectangle (10, 20, 600 x 700), rows of 20: heading 30, pitch 19, TimeGridBottom 507,
// columns 300 wide; normal font characters 10 wide, so w6 60, w7 70, w8 80, w9 90.
constexpr int X = 10, Y = 20, W = 600, H = 700, Row = 20;
constexpr int Tgb = Y + 30 + 24 * Row - 23;
constexpr int X1 = X + 4, X1Pm = X1 + 300;
constexpr int RowTop(int i) { return Y + 30 + 19 * i; }
constexpr int Mid(int i) { return RowTop(i) + 10; }

class DayViewTest : public ViewFixture {
protected:
    void Draw(ViewTarget target = ViewTarget::Day, const Zeitpunkt& day = MachZeitpunkt(2026, 12, 5)) {
        canvas.calls.clear();
        DrawDayView(ctx, canvas, X, Y, W, H, Row, day, target);
    }
    // Vertical lines 2 pixels wide (duration lines).
    std::vector<RecordingCanvas::Call> DurationLines() const {
        std::vector<RecordingCanvas::Call> out;
        for (const auto& c : canvas.Of(Kind::Line))
            if (c.pen.Width == 2) out.push_back(c);
        return out;
    }
    const HitEntry& Entry(int block, int entry) const { return view.Hits.Block[block][entry]; }
};

TEST_F(DayViewTest, RowPlacementNotBeforeTheStartNextFreeRowAndAfternoonRight) {
    settings.StartAM = 8 * 60;
    Add(MachTermin(2026, 12, 5, 9, 10, 9, 20, 0, "Zahnarzt"));
    Add(MachTermin(2026, 12, 5, 10, 0, 10, 30, 0, "Erster"));
    Add(MachTermin(2026, 12, 5, 10, 0, 10, 30, 0, "Zweiter"));
    Add(MachTermin(2026, 12, 5, 15, 0, 16, 0, 0, "Nachmittag"));
    Draw();
    // Rows 8:00, 8:30, 9:00, 9:30: the 9:30 row takes it and shows its time; equal starts
    // take the next empty row; the afternoon column on the right.
    std::vector<std::string> rows;
    for (int i = 2; i <= 6; ++i) rows.push_back(canvas.Text(X1, RowTop(i)));
    EXPECT_EQ(rows, (std::vector<std::string>{"9:00", "9:10", "10:00", "10:00", "11:00"}));
    EXPECT_EQ(canvas.Text(X1 + 90, RowTop(3)) + "|" + canvas.Text(X1Pm + 90, RowTop(6)), "Zahnarzt|Nachmittag");
    EXPECT_EQ(canvas.TextAt(X1 + 90, RowTop(3))->font.Weight, 700);  // a coming appointment is bold
    EXPECT_EQ(HitText(Entry(0, 3)) + "|" + HitText(Entry(0, 6)) + "|" + HitText(Entry(1, 6)), "Zahnarzt||Nachmittag");
    EXPECT_NE(HitText(Entry(0, 5)), HitText(Entry(0, 4)));
    EXPECT_EQ(std::make_pair(Entry(0, 3).Date, Entry(0, 6).Date),
              std::make_pair(MachZeitpunkt(2026, 12, 5, 9, 10), MachZeitpunkt(2026, 12, 5, 11, 0)));
}

TEST_F(DayViewTest, TwentyFiveMorningAppointmentsShiftUpAndOverflow) {
    for (int k = 0; k < 25; ++k) Add(MachTermin(2026, 12, 5, 8, k, 8, 30, 0, "T" + std::to_string(k + 1)));
    Draw();
    for (int i = 0; i < 23; ++i) EXPECT_EQ(HitText(Entry(0, i)), "T" + std::to_string(i + 1)) << i;
    EXPECT_EQ(HitText(Entry(0, 23)), "T25");  // the last replaces the 24th
    // A white square of side 20 in the column's bottom right corner.
    const auto floods = canvas.Of(Kind::Flood), fills = canvas.Of(Kind::Fill);
    ASSERT_TRUE(floods.size() == 1 && fills.size() == 1 && fills[0].colour == (Rgb{255, 255, 255}));
    EXPECT_EQ((std::vector<int>{floods[0].x0, floods[0].y0, fills[0].x1, fills[0].y1}),
              (std::vector<int>{X + 300 - 20, Tgb - 20, X + 300 - 1, Tgb - 1}));
}

TEST_F(DayViewTest, DurationLinesCarryEndInProportionAndAlternate) {
    using V = std::vector<std::vector<int>>;
    const struct {
        const char* name;
        std::vector<Termin> termine;
        V lines;  // {x, top, bottom}
    } faelle[] = {
        // Past the last afternoon row the line goes back up by half a row, above the bottom.
        {"late", {MachTermin(2026, 12, 5, 23, 0, 23, 59, 0, "N")}, V{{X1Pm + 70, Mid(22) + 1, Mid(22) + 2 * 19 - 10}}},
        {"proportion", {MachTermin(2026, 12, 5, 9, 0, 9, 45, 0, "P")}, V{{X1 + 70, Mid(18) + 1, Mid(19) + 19 * 15 / 30}}},
        // Overlapping lines alternate around the middle; without an end there is none.
        {"alternate", {MachTermin(2026, 12, 5, 9, 0, 10, 0, 0, "A"), MachTermin(2026, 12, 5, 9, 30, 10, 30, 0, "B"), MachTermin(2026, 12, 5, 10, 0, 11, 0, 0, "C"),
                       MachTermin(2026, 12, 5, 10, 30, 11, 0, 0, "D"), MachTermin(2026, 12, 5, 11, 0, 11, 0, FlagOhneEnde, "E")},
         V{{X1 + 70, Mid(18) + 1, Mid(20)}, {X1 + 73, Mid(19) + 1, Mid(21)}, {X1 + 67, Mid(20) + 1, Mid(22)},
           {X1 + 70, Mid(21) + 1, Mid(22)}}},
        // Morning from below the 11:00 tick to the bottom, afternoon from the top to the 14:00 tick.
        {"carry", {MachTermin(2026, 12, 5, 11, 0, 14, 0, 0, "L")}, V{{X1 + 70, Mid(22) + 1, Tgb}, {X1Pm + 70, Y + 30, Mid(4)}}},
    };
    for (const auto& f : faelle) {
        Liste.Leeren();
        for (const Termin& t : f.termine) Add(t);
        Draw();
        V lines;
        for (const auto& c : DurationLines()) lines.push_back({c.x0, c.y0, c.y1});
        EXPECT_EQ(lines, f.lines) << f.name;
    }
    EXPECT_EQ(DurationLines()[1].pen.Colour, Role(RoleTermineNormal));  // a running appointment
}

TEST_F(DayViewTest, LabelsTextsAndMarkersByStateAndTarget) {
    Add(MachTermin(2026, 12, 5, 9, 0, 9, 30, 0, "Vorbei"));
    Add(MachTermin(2026, 12, 5, 10, 0, 10, 0, FlagOhneEnde, "Ohne Ende"));  // the stored end decides, not 23:59
    Termin t = MachTermin(2026, 12, 5, 14, 0, 15, 0, 0, std::string(49, 'x'));
    t.SetzePrioritaet(3);
    Add(t);
    t.Start.Stunde = 16;
    t.Beschr = "Notiz";
    t.AdrId = 7;
    Add(t);
    Draw();
    // Running and coming appointments have bold time labels; past ones are drawn as done.
    EXPECT_EQ((std::vector<int>{canvas.TextAt(X1, RowTop(18))->font.Weight, canvas.TextAt(X1, RowTop(20))->font.Weight,
                                canvas.TextAt(X1Pm, RowTop(4))->font.Weight, canvas.TextAt(X1, RowTop(0))->font.Weight}),
              (std::vector<int>{400, 400, 700, 400}));
    EXPECT_EQ(std::make_pair(canvas.TextAt(X1 + 90, RowTop(18))->colour, canvas.TextAt(X1, RowTop(18))->colour),
              std::make_pair(Role(RoleTermineErledigt), Rgb{}));
    // 300 - 90 - 4 = 206 is too wide: 20 characters of 10 remain; with markers 40 less.
    EXPECT_EQ(canvas.Text(X1Pm + 90, RowTop(4)), std::string(20, 'x'));
    EXPECT_EQ(canvas.Text(X1Pm + 90, RowTop(8)), std::string(16, 'x') + " \xB9\xB2)");
    EXPECT_EQ(canvas.TextAt(X1Pm + 90, RowTop(8))->colour, Role(RoleTermineSehrWichtig));

    // Printed: no markers, no hit grid; black prints only black.
    view.Hits.Clear();
    Draw(ViewTarget::PrintDayBlack);
    const RecordingCanvas::Call* printed = canvas.TextAt(X1Pm + 90, RowTop(8));
    ASSERT_NE(printed, nullptr);
    EXPECT_TRUE(printed->text == std::string(20, 'x') && printed->colour == Rgb{} && printed->font.Weight == 400);
    for (const auto& line : canvas.Of(Kind::Line)) EXPECT_EQ(line.pen.Colour, Rgb{});
    Draw(ViewTarget::PrintDayColour);
    EXPECT_EQ(canvas.TextAt(X1Pm + 90, RowTop(8))->colour, Role(RoleTermineSehrWichtig));
    EXPECT_EQ(view.Hits.Block[1][4].Date.Jahr, 0);
    Draw(ViewTarget::PrintDayBlack, MachZeitpunkt(2026, 12, 6));  // a Sunday
    EXPECT_EQ(canvas.Text(X + 4, Y), "So");  // a page narrower than 1500: short name
    EXPECT_EQ(canvas.TextAt(X + 4, Y)->colour, Rgb{});  // a Sunday, yet black
}

TEST_F(DayViewTest, UntimedAppointmentsFillBothHalvesThenOverflow) {
    for (int k = 0; k < 23; ++k) Add(MachTermin(2026, 12, 5, 0, 0, 0, 0, FlagOhneZeit, "Ganztag " + std::to_string(k)));
    Draw();
    // 11 lines on the left; the right half starts at the grid line.
    for (const auto& [x, y] : {std::pair{X1, Tgb + 1}, {X1, Tgb + 1 + 10 * 19}, {X1Pm, Tgb}, {X1Pm, Tgb + 10 * 19}})
        EXPECT_EQ(canvas.Text(x, y).substr(0, 8), "Ganztag ") << x << "," << y;
    const auto floods = canvas.Of(Kind::Flood);
    ASSERT_EQ(floods.size(), 1u);  // the 23rd does not fit
    EXPECT_EQ((std::vector<int>{floods[0].x0, floods[0].y0}), (std::vector<int>{X + W - 20 + 1, Y + H - 20 + 1}));
    // Entries 0-21 are the lines; 23 and 24 the whole area, only 24 with the date; no time rows taken.
    EXPECT_TRUE(HitText(Entry(2, 21)) != "" && HitText(Entry(2, 22)) == "" && HitText(Entry(0, 0)) == "");
    EXPECT_EQ(std::vector<int>({Entry(2, 23).Date.Jahr, Entry(2, 23).Height}), std::vector<int>({0, H - (Tgb - Y)}));
    EXPECT_EQ(Entry(2, 24).Date, MachZeitpunkt(2026, 12, 5));
}

TEST_F(DayViewTest, UntimedRecordStartingInTheAfternoonTakesTheNextLineEntry) {
    // Typed in place over a 14:00 appointment without a time: untimed, its start still 14:00.
    Add(MachTermin(2026, 12, 5, 0, 0, 0, 0, FlagOhneZeit, "Frueh"));
    Add(MachTermin(2026, 12, 5, 14, 0, 0, 0, FlagOhneZeit, "Anruf"));
    Draw();
    EXPECT_EQ(HitText(Entry(2, 0)) + "|" + HitText(Entry(2, 1)), "Frueh|Anruf");
    EXPECT_EQ(Entry(2, 1).Y, Tgb + 1 + 19);
}

TEST_F(DayViewTest, HeadingShowsWeekdayDateAndHolidayOrDayOfYear) {
    SetzeTabelle(feiertage, {{"Neujahr", "Neujahr", FeiertagArt::Fest, RegelFest(1, 1),
                              FeiertagStatus::Aktiv | FeiertagStatus::Gesetzlich, 1800, 9999, 1800, 9999},
                             {"Valentin", "Valentinstag", FeiertagArt::Fest, RegelFest(2, 14)}});
    const struct {
        Zeitpunkt tag;
        const char *wochentag, *rechts;
        int rolle;
    } faelle[] = {
        {MachZeitpunkt(2026, 1, 1), "Donnerstag", "Neujahr", RoleFeiertage},
        {MachZeitpunkt(2026, 2, 14), "Samstag", "Valentinstag", RoleWochentage},  // named day, no holiday
        {MachZeitpunkt(2026, 2, 15), "Sonntag", " 46", RoleFeiertage},             // day of the year
    };
    for (const auto& f : faelle) {
        Draw(ViewTarget::Day, f.tag);
        const RecordingCanvas::Call *links = canvas.TextAt(X + 4, Y), *rechts = canvas.TextAt(X + 596, Y + 1);
        ASSERT_TRUE(links && rechts) << f.wochentag;
        EXPECT_TRUE(links->text == f.wochentag && links->colour == Role(f.rolle)) << f.wochentag;
        EXPECT_TRUE(rechts->text == f.rechts && rechts->align == TextAlign::Right) << f.wochentag;
    }
    Draw(ViewTarget::Day, MachZeitpunkt(2026, 1, 1));
    EXPECT_EQ(canvas.TextAt(X + 4, Y)->font, (FontSpec{30, 700, FontFamily::Roman}));
    ASSERT_EQ(canvas.Text(X + 300, Y), " 1. Januar 2026 ");
    EXPECT_EQ(canvas.TextAt(X + 300, Y)->align, TextAlign::Center);

    // A print page wider than 1499 units: the full name unless it would run into the date.
    for (const auto& [row, name] : {std::pair{40, "Donnerstag"}, std::pair{100, "Do"}}) {
        canvas.calls.clear();
        DrawDayView(ctx, canvas, X, Y, 1800, 2700, row, MachZeitpunkt(2026, 1, 1), ViewTarget::PrintDayColour);
        EXPECT_EQ(canvas.Text(X + 4, Y), name);
    }
}

}  // namespace
