// Hit-testing a painted calendar: the day under a point in the three views, the line a
// click opens the editor on, the date and time a drop means, and the arrow keys' days.
#include "views/ArrowKeys.h"
#include "views/CalendarPaint.h"
#include "views/HitTest.h"
#include "views/ViewFixture.h"

namespace {

class CalendarHitTest : public ViewFixture {
protected:
    void Paint(int mode, int jahr, int monat, int tag) {
        settings.Mode = ViewMode(mode);
        view.Selected = SelectedDate{jahr, int8_t(monat), int8_t(tag)};
        PaintCalendarView(ctx, canvas, ClientRect{0, 0, 800, 600});
    }
    int DayAt(int x, int y) { return PointToDay(x, y, settings.Mode, view.Grid, view.Selected); }
    static int MidX(const CellRect& c) { return c.X + c.Width / 2; }
    static int MidY(const CellRect& c) { return c.Y + c.Height / 2; }
};

TEST_F(CalendarHitTest, WeekViewPointsSelectTheirDay) {
    Paint(1, 2026, 12, 9);  // Wednesday; the week runs from Monday 7 December
    for (int i = 0; i < 7; ++i) {
        const CellRect c = WeekCell(view.Grid, i);
        EXPECT_EQ(DayAt(MidX(c), MidY(c)) * 100 + view.Selected.Day, (7 + i) * 101) << i;
    }
    const Layout& l = view.Grid;
    EXPECT_EQ(DayAt(l.GridLeft + 5, l.GridBottom), 9);  // the bottom line is Wednesday's
    for (const auto& [x, y] : {std::pair{l.GridLeft - 1, l.GridTop + 5}, {l.GridRight + 1, l.GridTop + 5}, {l.GridLeft + 5, l.GridTop - 1}})
        EXPECT_EQ(DayAt(x, y), -1);

    Paint(1, 2027, 1, 1);  // Friday; Monday is 28 December 2026, in the year before
    const CellRect monday = WeekCell(view.Grid, 0);
    EXPECT_EQ(DayAt(MidX(monday), MidY(monday)), 28);
    EXPECT_EQ(view.Selected.Year * 100 + view.Selected.Month, 202612);
}

TEST_F(CalendarHitTest, MonthViewPointsNameTheirDayWithoutSelectingIt) {
    Paint(2, 2026, 12, 5);  // 1 December is a Tuesday
    for (int d : {1, 6, 7, 24, 31}) {
        const CellRect c = MonthCell(view.Grid, 2, d);
        EXPECT_EQ(DayAt(MidX(c), MidY(c)), d) << d;
    }
    EXPECT_EQ(view.Selected.Day, 5);
    const Layout& l = view.Grid;
    EXPECT_EQ(DayAt(l.GridLeft + 5, l.GridTop + 5), -1);  // Monday 30 November: not in the month
    EXPECT_EQ(DayAt(l.GridRight, l.GridTop + 5), 6);      // the right line is Sunday's
    EXPECT_EQ(DayAt(l.GridLeft + 5, l.GridBottom), -1);   // the sixth row is empty in December 2026
}

TEST_F(CalendarHitTest, DayViewAndEmptyLayouts) {
    Paint(0, 2026, 12, 5);
    EXPECT_EQ(DayAt(view.Grid.GridLeft + 10, view.Grid.GridTop + 10), 5);
    EXPECT_EQ(DayAt(0, 0), -1);
    Layout empty;
    empty.GridRight = empty.GridBottom = 10;
    for (int mode : {1, 2}) EXPECT_EQ(PointToDay(5, 5, ViewMode(mode), empty, view.Selected), -1);  // no cells: no division by zero
}

TEST_F(CalendarHitTest, WeekCellLinesHeadingAndFreeRest) {
    Add(MachTermin(2026, 12, 8, 9, 0, 10, 0, 0, "Zahnarzt"));
    Add(MachTermin(2026, 12, 8, 14, 0, 15, 0, 0, "Friseur"));
    Paint(1, 2026, 12, 9);
    const Layout& l = view.Grid;
    const HitEntry& second = view.Hits.Block[1][1];  // Tuesday, second line
    AppointmentHit hit = HitAppointmentAt(view.Hits, l, second.X + 20, second.Y + 2, true);
    ASSERT_NE(hit.Appointment, HitEntry::NoAppointment);
    EXPECT_TRUE(std::string(Liste.Satz(hit.Appointment).Kurzbeschr) == "Friseur" && hit.Editable);
    EXPECT_EQ(std::vector<int>({hit.Rect.Left, hit.Rect.Top, hit.Rect.Right, hit.Rect.Bottom}),
              std::vector<int>({second.X + 1, second.Y, second.X + l.CellWidth - 1, second.Y + l.RowHeight - 1}));
    Zeitpunkt target;
    ASSERT_TRUE(DropTargetAt(view.Hits, second.X + 20, second.Y + 2, target));
    EXPECT_EQ(target, MachZeitpunkt(2026, 12, 8, 14, 0));

    // Not wanted editable: the appointment is still found, the line is not for the editor.
    hit = HitAppointmentAt(view.Hits, l, second.X + 20, second.Y + 2, false);
    EXPECT_TRUE(hit.Appointment != HitEntry::NoAppointment && !hit.Editable);

    const CellRect tuesday = WeekCell(l, 1);
    hit = HitAppointmentAt(view.Hits, l, tuesday.X + 20, tuesday.Y + 2, true);  // the day number
    EXPECT_TRUE(hit.Appointment == HitEntry::NoAppointment && !hit.Editable);

    const HitEntry& rest = view.Hits.Block[1][2];
    hit = HitAppointmentAt(view.Hits, l, tuesday.X + 20, tuesday.Y + tuesday.Height - 3, true);
    EXPECT_TRUE(hit.Appointment == HitEntry::NoAppointment && hit.Editable);
    EXPECT_EQ(hit.Rect.Top, rest.Y);  // the editor sits on the first free line
    ASSERT_TRUE(DropTargetAt(view.Hits, tuesday.X + 20, tuesday.Y + tuesday.Height - 3, target));
    EXPECT_EQ(target, MachZeitpunkt(2026, 12, 8));  // the whole cell: the day at 0:00
    EXPECT_FALSE(DropTargetAt(view.Hits, 1, 1, target));
}

TEST_F(CalendarHitTest, DayViewRowsAndUntimedArea) {
    Add(MachTermin(2026, 12, 5, 10, 0, 11, 0, 0, "Termin"));
    Paint(0, 2026, 12, 5);
    const Layout& l = view.Grid;
    const HitEntry& row = view.Hits.Block[0][20];  // 10:00 in the morning column
    AppointmentHit hit = HitAppointmentAt(view.Hits, l, row.X + 30, row.Y + 2, true);
    EXPECT_TRUE(hit.Appointment != HitEntry::NoAppointment && hit.Editable);

    const HitEntry& free = view.Hits.Block[1][3];  // 13:30 in the afternoon column
    hit = HitAppointmentAt(view.Hits, l, free.X + 30, free.Y + 2, true);
    EXPECT_TRUE(hit.Appointment == HitEntry::NoAppointment && hit.Editable);
    Zeitpunkt target;
    ASSERT_TRUE(DropTargetAt(view.Hits, free.X + 30, free.Y + 2, target));
    EXPECT_EQ(target, MachZeitpunkt(2026, 12, 5, 13, 30));

    const int untimedY = (l.TimeGridBottom + l.GridBottom) / 2;
    hit = HitAppointmentAt(view.Hits, l, l.GridLeft + 40, untimedY, true);
    EXPECT_TRUE(hit.Appointment == HitEntry::NoAppointment && hit.Editable);
    EXPECT_EQ(hit.Rect.Top, l.TimeGridBottom);  // over the first line of the area
    ASSERT_TRUE(DropTargetAt(view.Hits, l.GridLeft + 40, untimedY, target));
    EXPECT_EQ(target, MachZeitpunkt(2026, 12, 5));
}

Zeitpunkt Key(int mode, ArrowKey key, int jahr, int monat, int tag) {
    return ArrowKeyTarget(ViewMode(mode), key, MachZeitpunkt(jahr, monat, tag));
}

TEST(ArrowKeys, WeekViewSwapsColumnsAndRunsRoundTheWeek) {
    // 7 December 2026 is a Monday.
    const int leftOf[] = {10, 11, 12, 7, 8, 9, 9};  // Mon..Sun
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(Key(1, ArrowKey::Left, 2026, 12, 7 + i).Tag, leftOf[i]) << i;
        EXPECT_EQ(Key(1, ArrowKey::Right, 2026, 12, 7 + i).Tag, leftOf[i]) << i;
    }
    EXPECT_EQ(std::vector<int>({Key(1, ArrowKey::Up, 2026, 12, 7).Tag, Key(1, ArrowKey::Up, 2026, 12, 9).Tag,
                                Key(1, ArrowKey::Down, 2026, 12, 13).Tag, Key(1, ArrowKey::Down, 2026, 12, 9).Tag}),
              std::vector<int>({13, 8, 7, 10}));
    // A week across the year end: Monday 28 December 2026 up to Sunday 3 January 2027.
    EXPECT_EQ(Key(1, ArrowKey::Up, 2026, 12, 28), MachZeitpunkt(2027, 1, 3));
}

TEST(ArrowKeys, MonthViewWrapsWithinTheWeekdayColumn) {
    const struct {
        ArrowKey key;
        int monat, tag;
        Zeitpunkt ziel;
    } faelle[] = {{ArrowKey::Up, 12, 3, MachZeitpunkt(2026, 12, 31)},    {ArrowKey::Up, 12, 5, MachZeitpunkt(2026, 12, 26)},
                  {ArrowKey::Up, 12, 8, MachZeitpunkt(2026, 12, 1)},     {ArrowKey::Down, 12, 30, MachZeitpunkt(2026, 12, 2)},
                  {ArrowKey::Down, 12, 24, MachZeitpunkt(2026, 12, 31)}, {ArrowKey::Down, 2, 28, MachZeitpunkt(2026, 2, 7)},
                  {ArrowKey::Left, 12, 1, MachZeitpunkt(2026, 11, 30)},  {ArrowKey::Right, 12, 31, MachZeitpunkt(2027, 1, 1)}};
    for (const auto& f : faelle) EXPECT_EQ(Key(2, f.key, 2026, f.monat, f.tag), f.ziel) << f.monat << "-" << f.tag;
}

TEST(ArrowKeys, DayViewKeepsTheDate) {
    for (ArrowKey k : {ArrowKey::Left, ArrowKey::Right, ArrowKey::Up, ArrowKey::Down})
        EXPECT_EQ(Key(0, k, 2026, 12, 5), MachZeitpunkt(2026, 12, 5));
}

}  // namespace
