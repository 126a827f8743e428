// The paint routine over the three views: week and month grids, week numbers, hit-grid
// cells, selection frames, and what the paint leaves behind.
#include "views/CalendarPaint.h"

#include "views/OverviewPaint.h"
#include "views/SelectionFrame.h"
#include "views/ViewFixture.h"

namespace {

using Kind = RecordingCanvas::Kind;
const Rgb Magenta{255, 0, 255};

class CalendarPaintTest : public ViewFixture {
protected:
    void Paint(int mode, int jahr, int monat, int tag) {
        settings.Mode = ViewMode(mode);
        view.Selected = SelectedDate{jahr, int8_t(monat), int8_t(tag)};
        canvas.calls.clear();
        PaintCalendarView(ctx, canvas, ClientRect{0, 0, 800, 600});
    }
    std::vector<RecordingCanvas::Call> FrameLines() const {
        std::vector<RecordingCanvas::Call> out;
        for (const auto& c : canvas.Of(Kind::Line))
            if (c.pen.Colour == Magenta) out.push_back(c);
        return out;
    }
    const HitEntry& Cell(int block) const { return view.Hits.Block[block][HitGrid::WholeCell]; }
};

TEST_F(CalendarPaintTest, WeekNumbersOfTheFirstRowAndMonthRows) {
    // 1 January on Friday, Saturday, Sunday: no week number in the first row.
    const std::pair<int, int> first[] = {{2021, 0}, {2022, 0}, {2023, 0}, {2026, 1}, {2024, 1}};
    for (const auto& [jahr, week] : first) EXPECT_EQ(FirstWeekNumber(jahr, 1), week) << jahr;
    EXPECT_EQ(FirstWeekNumber(2020, 12), 49);  // 2020 began on a Wednesday
    EXPECT_EQ(MonthRows(2026, 3), 6);  // 31 days from a Sunday
    EXPECT_EQ(MonthRows(2027, 2), 4);  // February from a Monday, common year
}

TEST_F(CalendarPaintTest, MonthViewOfAJanuaryStartingOnFriday) {
    Paint(2, 2021, 1, 15);
    const Layout& l = view.Grid;
    // Week numbers right-aligned at the grid's left edge: none in row 0, then 1 to 4.
    std::vector<std::string> numbers;
    for (const auto& c : canvas.Of(Kind::Text))
        if (c.x0 == l.GridLeft && c.align == TextAlign::Right) numbers.push_back(c.text);
    EXPECT_EQ(numbers, (std::vector<std::string>{" 1.", " 2.", " 3.", " 4."}));
    const RecordingCanvas::Call* mo = canvas.TextAt(l.GridLeft + l.CellWidth / 2 + 4 - l.Width22 / 2, l.TitleBand);
    ASSERT_TRUE(mo && mo->text == "Mo");
    EXPECT_EQ(std::make_pair(mo->colour, canvas.TextStartingWith("So")->colour), std::make_pair(Role(RoleWochentage), Role(RoleFeiertage)));
    EXPECT_NE(canvas.TextStartingWith("Januar 2021"), nullptr);
    // Day 1 is a Friday: block 0, column 4 of row 0.
    EXPECT_EQ(Cell(0).X, l.GridLeft + 4 * l.CellWidth);
    EXPECT_EQ(std::make_pair(Cell(0).Date, Cell(30).Date), std::make_pair(MachZeitpunkt(2021, 1, 1), MachZeitpunkt(2021, 1, 31)));
    // The selected 15th (a Friday, row 2) carries the frame.
    const DayRect& f = view.DayFrames.Day[15];
    EXPECT_EQ((std::vector<int>{f.Left, f.Top, f.Bottom}),
              (std::vector<int>{l.GridLeft + 4 * l.CellWidth + 1, l.GridTop + 2 * l.CellHeight + 1,
                                l.GridTop + 3 * l.CellHeight - 1}));
    const auto frame = FrameLines();
    ASSERT_EQ(frame.size(), 4u);
    EXPECT_EQ(std::vector<int>({frame[0].x0, frame[0].y0, frame[1].x1, frame[1].y1}),
              std::vector<int>({f.Left, f.Bottom, f.Right, f.Top}));
}

TEST_F(CalendarPaintTest, WeekViewOfNewYearShowsTheDecemberDays) {
    Add(MachTermin(2024, 12, 30, 9, 0, 9, 30, 0, "Montag"));
    Add(MachTermin(2025, 1, 5, 18, 0, 19, 0, 0, "Sonntag"));
    Paint(1, 2025, 1, 1);
    EXPECT_NE(canvas.TextStartingWith("30.12.2024 bis 5. 1.2025"), nullptr);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(Cell(i).Y, WeekCell(view.Grid, i).Y);
        EXPECT_EQ(Cell(i).Date, i < 2 ? MachZeitpunkt(2024, 12, 30 + i) : MachZeitpunkt(2025, 1, i - 1)) << i;
    }
    EXPECT_EQ(HitText(view.Hits.Block[0][0]) + "|" + HitText(view.Hits.Block[6][0]), "Montag|Sonntag");
    EXPECT_NE(canvas.TextStartingWith("9:00 - 9:30 Montag"), nullptr);
    // Frames by day of month; Saturday and Sunday share the third cell, split by a line.
    const Layout& l = view.Grid;
    EXPECT_EQ(view.DayFrames.Day[30].Left, l.GridLeft + 1);
    EXPECT_EQ(view.DayFrames.Day[4].Bottom, WeekCell(l, 5).Y + l.CellHeight - l.HalfCell);
    EXPECT_EQ(view.DayFrames.Day[5].Bottom, l.GridTop - 1 + 3 * l.CellHeight);
    EXPECT_EQ(FrameLines().size(), 4u);
    EXPECT_EQ(FrameLines()[0].x0, view.DayFrames.Day[1].Left);
    bool divider = false;
    for (const auto& c : canvas.Of(Kind::Line))
        divider |= c.y0 == c.y1 && c.y0 == l.GridTop + 3 * l.CellHeight - l.HalfCell &&
                   c.x0 == l.GridLeft + l.CellWidth && c.x1 == l.GridRight;
    EXPECT_TRUE(divider);
}

TEST_F(CalendarPaintTest, SelectionFrameErasesTheLastOneOfTheSameView) {
    Paint(2, 2026, 12, 3);
    const DayRect old = view.DayFrames.Day[3];
    canvas.calls.clear();
    DrawSelectionFrame(canvas, view.Frame, settings, view.DayFrames.Day[10]);
    const auto lines = canvas.Of(Kind::Line);  // the old frame in the background colour, then the new one
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_TRUE(lines[0].pen.Colour == Role(RoleHintergrund) && lines[0].x0 == old.Left);
    EXPECT_TRUE(lines[4].pen.Colour == Magenta && lines[4].x0 == view.DayFrames.Day[10].Left);
    // After a resize nothing is erased; the day view draws none and erases none elsewhere.
    const std::pair<ViewMode, int> schritte[] = {{ViewMode::Month, 4}, {ViewMode::Day, 0}, {ViewMode::Month, 4}};
    ForgetSelectionFrame(view.Frame);
    for (const auto& [mode, n] : schritte) {
        settings.Mode = mode;
        canvas.calls.clear();
        DrawSelectionFrame(canvas, view.Frame, settings, view.DayFrames.Day[12]);
        EXPECT_EQ(canvas.Count(Kind::Line), n);
    }
}

TEST_F(CalendarPaintTest, DayViewPaintFillsTheGridUsesTheFittedRowHeightAndKeepsThePosition) {
    for (int d = 1; d <= 9; ++d) Add(MachTermin(2026, 12, d, 14, 0, 15, 0, 0, "T" + std::to_string(d)));
    Liste.Erster();
    Liste.Naechster();
    const Termin* before = Liste.Aktuell();
    Paint(0, 2026, 12, 5);
    const Layout& l = view.Grid;
    EXPECT_EQ(l.RowHeight, 22);
    const auto fills = canvas.Of(Kind::Fill);  // the window light yellow, the grid in the background colour
    ASSERT_GE(fills.size(), 2u);
    EXPECT_TRUE(fills[0].colour == (Rgb{255, 255, 224}) && fills[0].x1 == 800);
    EXPECT_TRUE(fills[1].colour == Role(RoleHintergrund) && fills[1].x0 == l.GridLeft);
    EXPECT_EQ(l.TimeGridBottom, l.GridTop + 33 + 24 * 22 - 23);  // the painter's own heading
    EXPECT_EQ(HitText(view.Hits.Block[1][4]), "T5");
    EXPECT_TRUE(FrameLines().empty());
    for (int mode : {0, 1, 2}) {
        Paint(mode, 2026, 12, 5);
        EXPECT_EQ(Liste.Aktuell(), before) << mode;
    }
    EXPECT_FALSE(Liste.HolePosition());  // nothing left on the position stack
}

TEST_F(CalendarPaintTest, DegenerateWindowsAndDatesPaintWithoutFault) {
    Add(MachTermin(2026, 12, 5, 14, 0, 15, 0, 0, std::string(49, 'z')));
    Add(MachTermin(2026, 12, 5, 0, 0, 0, 0, FlagOhneZeit, "Ganztag"));
    settings.StartPM = 23 * 60;  // odd grid: hours beyond 23 in the afternoon rows
    settings.StepPM = 90;
    for (int mode : {0, 1, 2}) {
        settings.Mode = ViewMode(mode);
        for (const ClientRect& r : {ClientRect{0, 0, 0, 0}, ClientRect{0, 0, 1, 1}, ClientRect{0, 0, 40000, 30}}) {
            view.Selected = SelectedDate{2026, 12, 5};
            PaintCalendarView(ctx, canvas, r);
            EXPECT_EQ(view.Grid.RowHeight, 6) << mode;
            view.Selected = SelectedDate{2026, 2, 31};  // a day the month lacks
            PaintCalendarView(ctx, canvas, r);
        }
    }
    EXPECT_EQ(Cell(0).X, 32767);  // Sunday 1 February: clipped, not wrapped
    // 31 February shows as 3 March in the day view, with that day's appointments.
    Add(MachTermin(2026, 3, 3, 9, 0, 10, 0, 0, "Dritter"));
    Paint(0, 2026, 2, 31);
    EXPECT_NE(canvas.TextStartingWith("Dritter"), nullptr);
    EXPECT_FALSE(Liste.HolePosition());
}

TEST_F(CalendarPaintTest, StaleHitEntriesAreClearedByTheNextPaint) {
    Add(MachTermin(2026, 12, 5, 14, 0, 15, 0, 0, "Termin"));
    Paint(2, 2026, 12, 5);
    EXPECT_EQ(HitText(view.Hits.Block[4][0]), "Termin");
    Paint(2, 2027, 2, 5);  // February has 28 days: blocks 28-30 stay empty
    EXPECT_EQ(view.Hits.Block[4][0].Appointment, HitEntry::NoAppointment);
    EXPECT_EQ(std::make_pair(Cell(27).Date, Cell(28).Date), std::make_pair(MachZeitpunkt(2027, 2, 28), Zeitpunkt{}));
}

}  // namespace
