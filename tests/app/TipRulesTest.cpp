// Tooltip timing and placement at the screen edges.
#include "app/TipRules.h"

#include <gtest/gtest.h>

#include <vector>

TEST(TipRules, DelayIsShortOnlyWithinTheTickOfTheLastHide) {
    EXPECT_EQ(TipDelay(5000, 5000), 100u);
    EXPECT_EQ(TipDelay(5001, 5000), 700u);
    EXPECT_EQ(TipDelay(5000, 0), 700u);  // nothing hidden since the last tip was scheduled
}

TEST(TipRules, PlacedBelowThePointerInsideTheScreen) {
    struct Case {
        int x, y;
        int style;
        int left, top, width, height;
    } const cases[] = {
        {300, 200, TipStyle::Shadow, 298, 222, 60 + 5 + 4, 13 + 4 + 4},
        {300, 200, TipStyle::Rounded, 297, 221, 67, 19},  // one pixel larger on every side
        {1020, 100, TipStyle::Shadow, 1022 - 65, 122, 69, 21},  // the box without shadow ends 2 inside
        {1, 100, TipStyle::Shadow, 2, 122, 69, 21},
        {500, 750, TipStyle::Shadow, 498, 750 + 22 - 42, 69, 21},  // moved up by 42 pixels
        {500, 768 - 22 - 17, TipStyle::Shadow, 498, 768 - 17, 69, 21},  // exactly fitting stays
    };
    for (const Case& c : cases) {
        const TipRect r = PlaceTip(c.x, c.y, 60, 13, c.style, 1024, 768);
        EXPECT_EQ(std::vector<int>({r.Left, r.Top, r.Width, r.Height}), std::vector<int>({c.left, c.top, c.width, c.height}))
            << c.x << "," << c.y;
    }
}
