// Layout of the three views: the row height between the font limits, the week and month
// cells, and the view titles.
#include "views/ViewLayout.h"

#include "views/ViewFixture.h"

namespace {

class ViewLayoutTest : public ViewFixture {
protected:
    Layout Compute(int mode, int right, int bottom, FontLimits limits = {}) {
        return ComputeLayout(ViewMode(mode), ClientRect{0, 0, right, bottom}, limits, canvas);
    }
};

TEST_F(ViewLayoutTest, RowHeightStaysWithinTheFontLimits) {
    struct Case {
        int mode, right, bottom;
        FontLimits limits;
        int row;
    } const cases[] = {
        {1, 800, 600, {}, 23},
        {0, 800, 600, {}, 22},  // the day grid does not fit: the row shrinks once
        {0, 400, 181, {}, 7},   // grown to fill the day grid
        {0, 800, 100, {}, 6},   // very low: the minimum, in every view
        {1, 800, 100, {}, 6},        {2, 800, 100, {}, 6},          {0, 800, 100, {9, 24}, 9},
        {0, 1200, 1500, {}, 24},  // very high: the maximum
        {2, 1200, 1500, {}, 24},     {0, 1200, 1500, {6, 40}, 40},
    };
    for (const Case& c : cases) {
        const Layout l = Compute(c.mode, c.right, c.bottom, c.limits);
        EXPECT_EQ(l.RowHeight, c.row) << c.mode << " " << c.right << "x" << c.bottom << " max " << c.limits.Max;
    }
    const Layout low = Compute(0, 800, 100);
    EXPECT_GT(low.TimeGridBottom, low.GridBottom);  // 24 rows no longer fit, still drawn
}

TEST_F(ViewLayoutTest, WeekCellsStackMondayToWednesdayLeftAndShareTheWeekendCell) {
    const Layout l = Compute(1, 800, 600);
    const CellRect mo = WeekCell(l, 0), mi = WeekCell(l, 2), fr = WeekCell(l, 4), sa = WeekCell(l, 5),
                   so = WeekCell(l, 6);
    EXPECT_EQ(std::vector<int>({mi.X, mi.Y, fr.X, fr.Y, sa.Y, sa.Height, so.X, so.Y, so.Y + so.Height}),
              std::vector<int>({mo.X, mo.Y + 2 * mo.Height, mo.X + mo.Width, mo.Y + mo.Height, mi.Y, l.HalfCell, fr.X,
                                sa.Y + l.HalfCell, l.GridBottom - 1}));
}

TEST_F(ViewLayoutTest, MonthCellsStartAtTheFirstWeekdayAndWrapAfterSunday) {
    const Layout l = Compute(2, 800, 600);
    EXPECT_GE(l.Margin, l.Width22);  // room for the week numbers
    // March 2026 starts on a Sunday: day 1 in the last column, day 31 in the sixth row.
    const CellRect first = MonthCell(l, Wochentag(2026, 3, 1), 1), second = MonthCell(l, Wochentag(2026, 3, 1), 2);
    EXPECT_EQ(std::vector<int>({first.X, second.X, second.Y, MonthCell(l, Wochentag(2026, 3, 1), 31).Y, l.GridRight}),
              std::vector<int>({l.GridLeft + 6 * l.CellWidth, l.GridLeft, first.Y + l.CellHeight, first.Y + 5 * l.CellHeight,
                                l.GridLeft + 7 * l.CellWidth}));
}

TEST_F(ViewLayoutTest, TitlesOfTheThreeViews) {
    EXPECT_EQ(ViewTitle(ViewMode::Day, 2026, 3, 7), "7. 3.2026");
    EXPECT_EQ(ViewTitle(ViewMode::Day, 2026, 11, 17), "17.11.2026");
    EXPECT_EQ(ViewTitle(ViewMode::Day, 2026, 2, 31), "3. 3.2026");  // a day the month lacks counts on
    EXPECT_EQ(ViewTitle(ViewMode::Month, 2026, 3, 7), "M\xE4rz 2026");
    EXPECT_EQ(ViewTitle(ViewMode::Week, 2026, 3, 7), "2. 3.2026 bis 8. 3.2026");
    EXPECT_EQ(ViewTitle(ViewMode::Week, 2026, 12, 31), "28.12.2026 bis 3. 1.2027");  // across the year end
    SetzeDatumsformat('/', false);
    EXPECT_EQ(ViewTitle(ViewMode::Day, 2026, 3, 7), "3/ 7/2026");
    SetzeDatumsformat('.', true);
}

}  // namespace
