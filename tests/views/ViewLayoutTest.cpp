// Layout arithmetic of the three views, the cells, and the view titles.
#include "views/ViewLayout.h"

#include "views/ViewFixture.h"

namespace {

class ViewLayoutTest : public ViewFixture {
protected:
    Layout Compute(int mode, int right, int bottom, FontLimits limits = {}) {
        return ComputeLayout(mode, ClientRect{0, 0, right, bottom}, limits, canvas);
    }
};

TEST_F(ViewLayoutTest, CommonValuesAndWeekGrid) {
    const Layout l = Compute(1, 800, 600);
    EXPECT_EQ(l.SmallHeight, 20);
    EXPECT_EQ(l.RowHeight, 23);
    EXPECT_EQ(l.HeadingHeight, 34);
    EXPECT_EQ(l.TitleBand, 29);
    EXPECT_EQ(l.Margin, 9);
    EXPECT_EQ(l.GridLeft, 9);
    EXPECT_EQ(l.GridTop, 34);
    EXPECT_EQ(l.CellWidth, 391);
    EXPECT_EQ(l.CellHeight, 186);
    EXPECT_EQ(l.GridRight, 791);
    EXPECT_EQ(l.GridBottom, 592);
    EXPECT_EQ(l.HalfCell, 93);
}

TEST_F(ViewLayoutTest, WeekCellsStackMondayToWednesdayLeftAndShareTheWeekendCell) {
    const Layout l = Compute(1, 800, 600);
    const CellRect mo = WeekCell(l, 0), mi = WeekCell(l, 2), fr = WeekCell(l, 4), sa = WeekCell(l, 5),
                   so = WeekCell(l, 6);
    EXPECT_EQ(mo.X, 9);
    EXPECT_EQ(mo.Y, 33);
    EXPECT_EQ(mo.Height, 186);
    EXPECT_EQ(mi.Y, 33 + 372);
    EXPECT_EQ(fr.X, 400);
    EXPECT_EQ(fr.Y, 33 + 186);
    EXPECT_EQ(sa.Y, 405);
    EXPECT_EQ(sa.Height, 93);
    EXPECT_EQ(so.X, 400);
    EXPECT_EQ(so.Y, 498);
    EXPECT_EQ(so.Height, 93);
    EXPECT_EQ(so.Width, 391);
}

TEST_F(ViewLayoutTest, DayViewShrinksTheRowOnceWhenTheGridDoesNotFit) {
    const Layout l = Compute(0, 800, 600);
    EXPECT_EQ(l.Margin, 9);
    EXPECT_EQ(l.TitleBand, 9);
    EXPECT_EQ(l.GridTop, 9);
    EXPECT_EQ(l.CellWidth, 391);
    EXPECT_EQ(l.CellHeight, 583);
    EXPECT_EQ(l.GridBottom, 592);
    EXPECT_EQ(l.RowHeight, 22);
    EXPECT_EQ(l.HeadingHeight, 34);  // not recomputed by the fit
    EXPECT_EQ(l.TimeGridBottom, 9 + 34 + 24 * 22 - 21);
}

TEST_F(ViewLayoutTest, DayViewGrowsTheRowWhenThereIsRoom) {
    const Layout l = Compute(0, 400, 181);
    EXPECT_EQ(l.RowHeight, 7);
    EXPECT_EQ(l.TimeGridBottom, 2 + 2 + 9 + 24 * 7 - 21);
}

TEST_F(ViewLayoutTest, VeryLowWindowKeepsTheMinimumRowHeight) {
    for (int mode : {0, 1, 2}) {
        const Layout l = Compute(mode, 800, 100);
        EXPECT_EQ(l.RowHeight, 6) << "mode " << mode;
        EXPECT_EQ(l.SmallHeight, 3);
    }
    const Layout day = Compute(0, 800, 100);
    EXPECT_GT(day.TimeGridBottom, day.GridBottom);  // 24 rows no longer fit, still drawn
    EXPECT_EQ(Compute(0, 800, 100, FontLimits{9, 24}).RowHeight, 9);
}

TEST_F(ViewLayoutTest, VeryHighWindowStopsAtTheMaximum) {
    const Layout day = Compute(0, 1200, 1500);
    EXPECT_EQ(day.RowHeight, 24);
    EXPECT_EQ(day.Margin, 22);
    EXPECT_EQ(day.CellWidth, 578);
    EXPECT_EQ(Compute(2, 1200, 1500).RowHeight, 24);
    EXPECT_EQ(Compute(0, 1200, 1500, FontLimits{6, 40}).RowHeight, 40);
}

TEST_F(ViewLayoutTest, MonthGridLeavesRoomForWeekNumbers) {
    const Layout l = Compute(2, 800, 600);
    EXPECT_EQ(l.Width22, 33);  // "22." in the row font of height 23
    EXPECT_EQ(l.Height22, 23);
    EXPECT_EQ(l.Margin, 36);
    EXPECT_EQ(l.GridTop, 58);
    EXPECT_EQ(l.CellHeight, 89);
    EXPECT_EQ(l.GridBottom, 58 + 6 * 89);
    EXPECT_EQ(l.GridLeft, 36);
    EXPECT_EQ(l.CellWidth, 108);
    EXPECT_EQ(l.GridRight, 36 + 7 * 108);
    EXPECT_EQ(canvas.font_, FontSpec{});  // the measuring font is put back
}

TEST_F(ViewLayoutTest, MonthCellsStartAtTheFirstWeekdayAndWrapAfterSunday) {
    const Layout l = Compute(2, 800, 600);
    // March 2026 starts on a Sunday: day 1 in the last column, day 31 in the sixth row.
    const CellRect first = MonthCell(l, Wochentag(2026, 3, 1), 1);
    EXPECT_EQ(first.X, 36 + 6 * 108);
    EXPECT_EQ(first.Y, 57);
    const CellRect second = MonthCell(l, Wochentag(2026, 3, 1), 2);
    EXPECT_EQ(second.X, 36);
    EXPECT_EQ(second.Y, 57 + 89);
    EXPECT_EQ(MonthCell(l, Wochentag(2026, 3, 1), 31).Y, 57 + 5 * 89);
}

TEST_F(ViewLayoutTest, TitlesOfTheThreeViews) {
    EXPECT_EQ(ViewTitle(0, 2026, 3, 7), "7. 3.2026");
    EXPECT_EQ(ViewTitle(0, 2026, 11, 17), "17.11.2026");
    EXPECT_EQ(ViewTitle(2, 2026, 3, 7), "M\xE4rz 2026");
    EXPECT_EQ(ViewTitle(1, 2026, 3, 7), "2. 3.2026 bis 8. 3.2026");
    TagZuerst = false;
    DatumTrenner = '/';
    EXPECT_EQ(ViewTitle(0, 2026, 3, 7), "3/ 7/2026");
}

TEST_F(ViewLayoutTest, WeekOfNewYearStartsOnTheDecemberMonday) {
    const Zeitpunkt mo = WeekMonday(2025, 1, 1);
    EXPECT_EQ(mo, MachZeitpunkt(2024, 12, 30));
    EXPECT_EQ(ViewTitle(1, 2025, 1, 1), "30.12.2024 bis 5. 1.2025");
    EXPECT_EQ(ViewTitle(1, 2026, 12, 31), "28.12.2026 bis 3. 1.2027");
}

}  // namespace
