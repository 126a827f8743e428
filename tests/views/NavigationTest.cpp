// Navigation commands per view mode, the year limits and the kept day numbers.
#include "views/Navigation.h"
#include "views/ViewState.h"

#include <gtest/gtest.h>

namespace {
SelectedDate D(int y, int m, int d) { return SelectedDate{y, static_cast<int8_t>(m), static_cast<int8_t>(d)}; }
const SelectedDate kToday = D(2026, 12, 5);

::testing::AssertionResult Is(const SelectedDate& got, int y, int m, int d) {
    if (got.Year == y && got.Month == m && got.Day == d) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << got.Year << "-" << int(got.Month) << "-" << int(got.Day);
}
}  // namespace

TEST(Navigation, StepsByViewMode) {
    struct Case { int mode; unsigned cmd; SelectedDate from; int y, m, d; };
    const Case cases[] = {
        {0, CM_VORWAERTS, D(2026, 12, 31), 2027, 1, 1},        // day view crosses the year
        {0, CM_ZURUECK, D(2027, 1, 1), 2026, 12, 31},
        {0, CM_GROSS_ZURUECK, D(2026, 1, 3), 2025, 12, 27},
        {0, CM_GROSS_VORWAERTS, D(2024, 2, 25), 2024, 3, 3},   // leap February
        {1, CM_VORWAERTS, D(2026, 12, 28), 2027, 1, 4},        // week view: 7 days
        {1, CM_GROSS_VORWAERTS, D(2026, 1, 31), 2026, 2, 31},  // week view: one month, day kept
        {2, CM_VORWAERTS, D(2026, 12, 15), 2027, 1, 15},       // month view: one month
        {2, CM_ZURUECK, D(2026, 1, 15), 2025, 12, 15},
        {2, CM_GROSS_ZURUECK, D(2024, 2, 29), 2023, 2, 29},    // year step keeps month and day
        {2, CM_HEUTE, D(1900, 5, 5), 2026, 12, 5},
    };
    for (const auto& c : cases) {
        SelectedDate d = c.from;
        EXPECT_TRUE(StepDate(d, ViewMode(c.mode), c.cmd, kToday));
        EXPECT_TRUE(Is(d, c.y, c.m, c.d)) << "mode " << c.mode << " command " << c.cmd;
    }
}

TEST(Navigation, RefusesToLeaveTheYearRangeAndKeepsTheDate) {
    const struct {
        int mode;
        unsigned cmd;
        SelectedDate from;
    } cases[] = {{2, CM_VORWAERTS, D(3999, 12, 1)}, {0, CM_ZURUECK, D(1800, 1, 1)}, {1, CM_VORWAERTS, D(3999, 12, 26)},
                 {2, CM_GROSS_VORWAERTS, D(3999, 6, 1)}};
    for (const auto& c : cases) {
        SelectedDate d = c.from;
        EXPECT_FALSE(StepDate(d, ViewMode(c.mode), c.cmd, kToday)) << c.mode;
        EXPECT_TRUE(Is(d, c.from.Year, c.from.Month, c.from.Day)) << c.mode;
    }
    SelectedDate d = D(3999, 12, 24);
    EXPECT_TRUE(StepDate(d, ViewMode(1), CM_VORWAERTS, kToday));  // 31 December 3999 is still inside
    EXPECT_TRUE(Is(d, 3999, 12, 31));
}

TEST(Navigation, TheMonthViewWorksOnItsLastDayWhenTheKeptDayIsMissing) {
    // 31 January one month on: the month view shows February, the week view the week of 3 March.
    const std::pair<ViewMode, Zeitpunkt> cases[] = {{ViewMode::Month, MachZeitpunkt(2026, 2, 28)},
                                                    {ViewMode::Week, MachZeitpunkt(2026, 3, 3)}};
    for (const auto& [mode, day] : cases) EXPECT_EQ(ActiveDay(D(2026, 2, 31), mode), day) << int(mode);
    EXPECT_EQ(ActiveDay(D(2026, 2, 27), ViewMode::Month), MachZeitpunkt(2026, 2, 27));
}
