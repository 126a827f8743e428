// Layout arithmetic of the three views, the cells, and the view titles.
#include "views/ViewLayout.h"

#include "views/ViewFixture.h"

namespace {

class ViewLayoutTest : public ViewFixture {
protected:
    Layout Compute(int mode, int right, int bottom, FontLimits limits = {}) {
        return ComputeLayout(ViewMode(mode), ClientRect{0, 0, right, bottom}, limits, canvas);
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

TEST_F(ViewLayoutTest, RowHeightStaysWithinTheFontLimits) {
    struct Case {
        int mode, right, bottom;
        FontLimits limits;
        int row;
    } const cases[] = {
        {0, 400, 181, {}, 7},          // grown to fill the day grid
        {0, 800, 100, {}, 6},          // very low: the minimum, in every view
        {1, 800, 100, {}, 6},
        {2, 800, 100, {}, 6},
        {0, 800, 100, {9, 24}, 9},
        {0, 1200, 1500, {}, 24},       // very high: the maximum
        {2, 1200, 1500, {}, 24},
        {0, 1200, 1500, {6, 40}, 40},
    };
    for (const Case& c : cases) {
        const Layout l = Compute(c.mode, c.right, c.bottom, c.limits);
        EXPECT_EQ(l.RowHeight, c.row) << c.mode << " " << c.right << "x" << c.bottom << " max " << c.limits.Max;
    }
    EXPECT_EQ(Compute(0, 400, 181).TimeGridBottom, 2 + 2 + 9 + 24 * 7 - 21);
    EXPECT_EQ(Compute(2, 800, 100).SmallHeight, 3);
    const Layout low = Compute(0, 800, 100);
    EXPECT_GT(low.TimeGridBottom, low.GridBottom);  // 24 rows no longer fit, still drawn
    const Layout high = Compute(0, 1200, 1500);
    EXPECT_EQ(high.Margin, 22);
    EXPECT_EQ(high.CellWidth, 578);
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
    EXPECT_EQ(ViewTitle(ViewMode::Day, 2026, 3, 7), "7. 3.2026");
    EXPECT_EQ(ViewTitle(ViewMode::Day, 2026, 11, 17), "17.11.2026");
    EXPECT_EQ(ViewTitle(ViewMode::Day, 2026, 2, 31), "3. 3.2026");  // a day the month lacks counts on
    EXPECT_EQ(ViewTitle(ViewMode::Month, 2026, 3, 7), "M\xE4rz 2026");
    EXPECT_EQ(ViewTitle(ViewMode::Week, 2026, 3, 7), "2. 3.2026 bis 8. 3.2026");
    EXPECT_EQ(ViewTitle(ViewMode::Week, 2026, 12, 31), "28.12.2026 bis 3. 1.2027");  // the week across the year end
    SetzeDatumsformat('/', false);
    EXPECT_EQ(ViewTitle(ViewMode::Day, 2026, 3, 7), "3/ 7/2026");
    SetzeDatumsformat('.', true);  // the fixture sets them up but does not put them back
}

}  // namespace
