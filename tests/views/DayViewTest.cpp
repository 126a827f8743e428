// The day painter: row placement, labels, cutting and markers, tick marks, duration lines,
// the untimed area, overflow, the heading and the hit grid.
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

TEST_F(DayViewTest, AppointmentGoesIntoTheFirstRowNotBeforeItsStart) {
    settings.StartAM = 8 * 60;
    Add(2026, 12, 5, 9, 10, 9, 20, "Zahnarzt");
    Draw();
    EXPECT_EQ(view.Grid.TimeGridBottom, Tgb);
    // Rows 8:00, 8:30, 9:00, 9:30: the 9:30 row takes it and shows its time.
    const auto* label = canvas.TextAt(X1, RowTop(3));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text, "9:10");
    const auto* text = canvas.TextAt(X1 + 90, RowTop(3));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text, "Zahnarzt");
    EXPECT_EQ(text->font.Weight, 700);
    EXPECT_EQ(canvas.TextAt(X1, RowTop(2))->text, "9:00");
    EXPECT_EQ(canvas.TextAt(X1, RowTop(4))->text, "10:00");
    EXPECT_EQ(HitText(Entry(0, 3)), "Zahnarzt");
    EXPECT_EQ(Entry(0, 3).Date, MachZeitpunkt(2026, 12, 5, 9, 10));
    EXPECT_EQ(Entry(0, 3).X, X1 - 4);
    EXPECT_EQ(Entry(0, 3).Y, RowTop(3));
    EXPECT_EQ(Entry(0, 3).Width, 300);
    EXPECT_EQ(Entry(0, 3).Height, 19);
    EXPECT_EQ(Entry(0, 4).Date, MachZeitpunkt(2026, 12, 5, 10, 0));
    EXPECT_EQ(Entry(0, 4).Appointment, HitEntry::NoAppointment);
    EXPECT_EQ(Entry(1, 0).Date, MachZeitpunkt(2026, 12, 5, 12, 0));
}

TEST_F(DayViewTest, EqualStartsTakeTheNextEmptyRowAndAfternoonGoesRight) {
    Add(2026, 12, 5, 9, 0, 9, 30, "Erster");
    Add(2026, 12, 5, 9, 0, 9, 30, "Zweiter");
    Add(2026, 12, 5, 15, 0, 16, 0, "Nachmittag");
    Draw();
    EXPECT_EQ(canvas.TextAt(X1, RowTop(18))->text, "9:00");
    EXPECT_EQ(canvas.TextAt(X1, RowTop(19))->text, "9:00");
    EXPECT_NE(HitText(Entry(0, 18)), "");
    EXPECT_NE(HitText(Entry(0, 19)), HitText(Entry(0, 18)));
    EXPECT_EQ(canvas.TextAt(X1, RowTop(20))->text, "10:00");
    EXPECT_EQ(HitText(Entry(1, 6)), "Nachmittag");
    EXPECT_EQ(canvas.TextAt(X1Pm + 90, RowTop(6))->text, "Nachmittag");
}

TEST_F(DayViewTest, TwentyFiveMorningAppointmentsShiftUpAndOverflow) {
    for (int k = 0; k < 25; ++k) Add(2026, 12, 5, 8, k, 8, 30, "T" + std::to_string(k + 1));
    Draw();
    for (int i = 0; i < 22; ++i) EXPECT_EQ(HitText(Entry(0, i)), "T" + std::to_string(i + 1)) << i;
    EXPECT_EQ(HitText(Entry(0, 22)), "T23");
    EXPECT_EQ(HitText(Entry(0, 23)), "T25");  // the last replaces the 24th
    const auto floods = canvas.Of(Kind::Flood);
    ASSERT_EQ(floods.size(), 1u);
    // Square of side 20 with its corner at the column's bottom right.
    EXPECT_EQ(floods[0].x0, X + 300 - 1 - 20 + 1);
    EXPECT_EQ(floods[0].y0, Tgb - 1 - 20 + 1);
    const auto fills = canvas.Of(Kind::Fill);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].colour, (Rgb{255, 255, 255}));
    EXPECT_EQ(fills[0].x1, X + 300 - 1);
    EXPECT_EQ(fills[0].y1, Tgb - 1);
}

TEST_F(DayViewTest, DurationLineCarriesIntoTheAfternoon) {
    Add(2026, 12, 5, 11, 0, 14, 0, "Lang");
    Draw();
    const auto lines = DurationLines();
    ASSERT_EQ(lines.size(), 2u);
    // Morning: from below the 11:00 tick to the bottom of the grid.
    EXPECT_EQ(lines[0].x0, X1 + 70);
    EXPECT_EQ(lines[0].y0, Mid(22) + 1);
    EXPECT_EQ(lines[0].y1, Tgb);
    // Afternoon: from the top of the grid down to the 14:00 tick.
    EXPECT_EQ(lines[1].x0, X1Pm + 70);
    EXPECT_EQ(lines[1].y0, Y + 30);
    EXPECT_EQ(lines[1].y1, Mid(4));
    EXPECT_EQ(lines[1].pen.Colour, Role(RoleTermineNormal));

    // Past the last afternoon row the line goes back up by half a row, above the bottom.
    Liste.Leeren();
    canvas.calls.clear();
    Add(2026, 12, 5, 23, 0, 23, 59, "Nacht");
    Draw();
    ASSERT_EQ(DurationLines().size(), 1u);
    EXPECT_EQ(DurationLines()[0].y1, Mid(22) + 2 * 19 - 10);
}

TEST_F(DayViewTest, DurationLineEndsInProportionAndOverlapsAlternateTheOffset) {
    Add(2026, 12, 5, 9, 0, 9, 45, "A");
    Draw();
    auto lines = DurationLines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].y0, Mid(18) + 1);
    EXPECT_EQ(lines[0].y1, Mid(19) + 19 * 15 / 30);  // halfway between the 9:30 and 10:00 ticks

    Liste.Leeren();
    canvas.calls.clear();
    Add(2026, 12, 5, 9, 0, 10, 0, "A");
    Add(2026, 12, 5, 9, 30, 10, 30, "B");
    Add(2026, 12, 5, 10, 0, 11, 0, "C");
    Add(2026, 12, 5, 10, 30, 11, 0, "D");
    Add(2026, 12, 5, 11, 0, 11, 0, "E", FlagOhneEnde);
    Draw();
    lines = DurationLines();
    ASSERT_EQ(lines.size(), 4u);  // E has no end: no line
    EXPECT_EQ(lines[0].x0, X1 + 70);
    EXPECT_EQ(lines[0].y1, Mid(20));
    EXPECT_EQ(lines[1].x0, X1 + 73);
    EXPECT_EQ(lines[2].x0, X1 + 67);
    EXPECT_EQ(lines[3].x0, X1 + 70);
}

TEST_F(DayViewTest, TimeLabelsOfRunningAppointmentsAreBold) {
    Add(2026, 12, 5, 9, 0, 9, 30, "Vorbei");
    Add(2026, 12, 5, 14, 0, 15, 0, "Kommt");
    Add(2026, 12, 5, 10, 0, 10, 0, "Ohne Ende", FlagOhneEnde);  // the stored end decides, not 23:59
    Draw();
    EXPECT_EQ(canvas.TextAt(X1, RowTop(18))->font.Weight, 400);
    EXPECT_EQ(canvas.TextAt(X1, RowTop(20))->font.Weight, 400);
    EXPECT_EQ(canvas.TextAt(X1Pm, RowTop(4))->font.Weight, 700);
    EXPECT_EQ(canvas.TextAt(X1, RowTop(0))->font.Weight, 400);
    // The past one is drawn as done, the coming one in its priority colour.
    EXPECT_EQ(canvas.TextAt(X1 + 90, RowTop(18))->colour, Role(RoleTermineErledigt));
    EXPECT_EQ(canvas.TextAt(X1Pm + 90, RowTop(4))->colour, Role(RoleTermineNormal));
    EXPECT_EQ(canvas.TextAt(X1, RowTop(18))->colour, Rgb{});
}

TEST_F(DayViewTest, LongTextIsCutToLeaveRoomForItsMarkers) {
    const std::string lang(49, 'x');
    Termin t = Appointment(2026, 12, 5, 14, 0, 15, 0, lang);
    t.SetzePrioritaet(3);
    Add(t);
    t.Start.Stunde = 16;
    t.Beschr = "Notiz";
    t.AdrId = 7;
    Add(t);
    Draw();
    // 300 - 90 - 4 = 206 is too wide: 20 characters of 10 remain; with markers 40 less.
    EXPECT_EQ(canvas.TextAt(X1Pm + 90, RowTop(4))->text, std::string(20, 'x'));
    EXPECT_EQ(canvas.TextAt(X1Pm + 90, RowTop(8))->text, std::string(16, 'x') + " \xB9\xB2)");
    EXPECT_EQ(canvas.TextAt(X1Pm + 90, RowTop(8))->colour, Role(RoleTermineSehrWichtig));
}

TEST_F(DayViewTest, PrintTargetsDrawNoMarkersAndBlackTargetsOnlyBlack) {
    Termin t = Appointment(2026, 12, 5, 14, 0, 15, 0, "Mit Notiz");
    t.Beschr = "x";
    t.SetzePrioritaet(2);
    Add(t);
    Draw(ViewTarget::PrintDayBlack, MachZeitpunkt(2026, 12, 6));  // a Sunday
    EXPECT_EQ(canvas.TextAt(X + 4, Y)->colour, Rgb{});
    EXPECT_EQ(canvas.TextAt(X + 4, Y)->text, "So");  // a page narrower than 1500: short name
    canvas.calls.clear();
    Draw(ViewTarget::PrintDayBlack);
    const auto* text = canvas.TextAt(X1Pm + 90, RowTop(4));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text, "Mit Notiz");
    EXPECT_EQ(text->colour, Rgb{});
    EXPECT_EQ(text->font.Weight, 400);
    ASSERT_EQ(DurationLines().size(), 1u);
    EXPECT_EQ(DurationLines()[0].pen.Colour, Rgb{});
    canvas.calls.clear();
    view.Hits.Clear();
    Draw(ViewTarget::PrintDayColour);
    EXPECT_EQ(canvas.TextAt(X1Pm + 90, RowTop(4))->colour, Role(RoleTermineWichtig));
    EXPECT_EQ(view.Hits.Block[1][4].Date.Jahr, 0);  // no hit grid when printing
}

TEST_F(DayViewTest, UntimedAppointmentsFillBothHalvesThenOverflow) {
    for (int k = 0; k < 23; ++k) Add(2026, 12, 5, 0, 0, 0, 0, "Ganztag " + std::to_string(k), FlagOhneZeit);
    Draw();
    EXPECT_EQ(canvas.TextAt(X1, Tgb + 1)->text.substr(0, 7), "Ganztag");
    EXPECT_NE(canvas.TextAt(X1, Tgb + 1 + 10 * 19), nullptr);  // 11 lines on the left
    EXPECT_NE(canvas.TextAt(X1Pm, Tgb), nullptr);              // the right half starts at the grid line
    EXPECT_NE(canvas.TextAt(X1Pm, Tgb + 10 * 19), nullptr);
    const auto floods = canvas.Of(Kind::Flood);
    ASSERT_EQ(floods.size(), 1u);  // the 23rd does not fit
    EXPECT_EQ(floods[0].x0, X + W - 20 + 1);
    EXPECT_EQ(floods[0].y0, Y + H - 20 + 1);
    // Entries 0-21 are the lines; 23 and 24 the whole area, only 24 with the date.
    EXPECT_EQ(Entry(2, 0).X, X1 - 4);
    EXPECT_EQ(Entry(2, 0).Y, Tgb + 1);
    EXPECT_NE(HitText(Entry(2, 21)), "");
    EXPECT_EQ(Entry(2, 22).Appointment, HitEntry::NoAppointment);
    EXPECT_EQ(Entry(2, 23).Date.Jahr, 0);
    EXPECT_EQ(Entry(2, 23).Y, Tgb);
    EXPECT_EQ(Entry(2, 23).Height, H - (Tgb - Y));
    EXPECT_EQ(Entry(2, 24).Date, MachZeitpunkt(2026, 12, 5));
    // Untimed appointments do not take time rows.
    EXPECT_EQ(Entry(0, 0).Appointment, HitEntry::NoAppointment);
}

TEST_F(DayViewTest, HeadingShowsWeekdayDateAndHolidayOrDayOfYear) {
    SetzeTabelle(feiertage, {{"Neujahr", "Neujahr", FeiertagArt::Fest, RegelFest(1, 1),
                   FeiertagStatus::Aktiv | FeiertagStatus::Gesetzlich, 1800, 9999, 1800, 9999},
                  {"Valentin", "Valentinstag", FeiertagArt::Fest, RegelFest(2, 14)}});
    Draw(ViewTarget::Day, MachZeitpunkt(2026, 1, 1));
    const auto* weekday = canvas.TextAt(X + 4, Y);
    ASSERT_NE(weekday, nullptr);
    EXPECT_EQ(weekday->text, "Donnerstag");
    EXPECT_EQ(weekday->colour, Role(RoleFeiertage));
    EXPECT_EQ(weekday->font, (FontSpec{30, 700, FontFamily::Roman}));
    const auto* date = canvas.TextAt(X + 300, Y);
    ASSERT_NE(date, nullptr);
    EXPECT_EQ(date->text, " 1. Januar 2026 ");
    EXPECT_EQ(date->align, TextAlign::Center);
    const auto* name = canvas.TextAt(X + 600 - 4, Y + 1);
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->text, "Neujahr");
    EXPECT_EQ(name->align, TextAlign::Right);
    EXPECT_EQ(name->font, (FontSpec{15, 700, FontFamily::Swiss}));

    canvas.calls.clear();
    Draw(ViewTarget::Day, MachZeitpunkt(2026, 2, 14));  // named day, not a public holiday
    EXPECT_EQ(canvas.TextAt(X + 4, Y)->colour, Role(RoleWochentage));
    EXPECT_EQ(canvas.TextAt(X + 596, Y + 1)->text, "Valentinstag");
    canvas.calls.clear();
    Draw(ViewTarget::Day, MachZeitpunkt(2026, 2, 15));  // Sunday, day 46
    EXPECT_EQ(canvas.TextAt(X + 4, Y)->colour, Role(RoleFeiertage));
    EXPECT_EQ(canvas.TextAt(X + 596, Y + 1)->text, " 46");
}

TEST_F(DayViewTest, FrameTicksAndPositionAreKept) {
    Liste.Einfuegen(Appointment(2026, 12, 4, 9, 0, 9, 30, "Gestern"));
    Add(2026, 12, 5, 9, 0, 9, 30, "Heute");
    Liste.Erster();
    Liste.Naechster();
    const Termin* before = Liste.Aktuell();
    Draw();
    EXPECT_EQ(Liste.Aktuell(), before);
    // A tick mark per row in each column, from w6 - 1 to w8 + 1.
    int ticks = 0;
    for (const auto& c : canvas.Of(Kind::Line))
        if (c.y0 == c.y1 && c.x0 == X1 + 59 && c.x1 == X1 + 81) ++ticks;
    EXPECT_EQ(ticks, 24);
    // The column divider stops at the time grid.
    bool divider = false;
    for (const auto& c : canvas.Of(Kind::Line))
        divider |= c.x0 == X + 300 && c.x1 == X + 300 && c.y0 == Y + 30 && c.y1 == Tgb;
    EXPECT_TRUE(divider);
}

}  // namespace
