// Tooltip timing and placement at the screen edges.
#include "app/TipRules.h"

#include <gtest/gtest.h>

TEST(TipRules, DelayIsShortOnlyWithinTheTickOfTheLastHide) {
    EXPECT_EQ(TipDelay(5000, 5000), 100u);
    EXPECT_EQ(TipDelay(5001, 5000), 700u);
    EXPECT_EQ(TipDelay(5000, 0), 700u);  // nothing hidden since the last tip was scheduled
}

TEST(TipRules, PlacedBelowThePointerWithShadow) {
    const TipRect r = PlaceTip(300, 200, 60, 13, TipStyle::Shadow, 1024, 768);
    EXPECT_EQ(r.Left, 298);
    EXPECT_EQ(r.Top, 222);
    EXPECT_EQ(r.Width, 60 + 5 + 4);
    EXPECT_EQ(r.Height, 13 + 4 + 4);
}

TEST(TipRules, StaysInsideTheScreenEdges) {
    // Right edge: the box (without shadow) ends 2 pixels inside.
    TipRect r = PlaceTip(1020, 100, 60, 13, TipStyle::Shadow, 1024, 768);
    EXPECT_EQ(r.Left + (r.Width - 4), 1022);
    // Left edge.
    r = PlaceTip(1, 100, 60, 13, TipStyle::Shadow, 1024, 768);
    EXPECT_EQ(r.Left, 2);
    // Bottom edge: moved up by 42 pixels.
    r = PlaceTip(500, 750, 60, 13, TipStyle::Shadow, 1024, 768);
    EXPECT_EQ(r.Top, 750 + 22 - 42);
    // Exactly fitting at the bottom stays.
    r = PlaceTip(500, 768 - 22 - 17, 60, 13, TipStyle::Shadow, 1024, 768);
    EXPECT_EQ(r.Top, 768 - 17);
}

TEST(TipRules, RoundedStyleIsOnePixelLargerOnEverySide) {
    const TipRect r = PlaceTip(300, 200, 60, 13, TipStyle::Rounded, 1024, 768);
    EXPECT_EQ(r.Left, 297);
    EXPECT_EQ(r.Top, 221);
    EXPECT_EQ(r.Width, 67);
    EXPECT_EQ(r.Height, 19);
}
