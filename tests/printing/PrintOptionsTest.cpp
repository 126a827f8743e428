// The print dialog's reading rules and the page rectangle from the printer's metrics.
#include "printing/PrintOptions.h"

#include <gtest/gtest.h>

#include <vector>

TEST(PrintOptionsTest, MarginTexts) {
    const struct {
        const char* text;
        int tenthMm;
    } faelle[] = {{"1,5", 150}, {"1.5", 1500}, {"", 0}, {"0,254", 25}, {"1.000,5", 100050}, {"abc", 0}};
    for (const auto& f : faelle) EXPECT_EQ(ReadMargin(f.text), f.tenthMm) << f.text;
    EXPECT_EQ(MarginText(150) + " " + MarginText(ReadMargin(MarginText(63))), "1,50 0,63");
    // The refusal names the minimums as they are typed: "0.64" would read as 64 cm.
    const int minimum[4] = {64, 66, 64, 86};
    EXPECT_NE(MarginsTooSmallText(minimum).find("links 0,64, rechts 0,66, oben 0,64, unten 0,86."), std::string::npos);
}

TEST(PrintOptionsTest, DateFieldsReadFromTheirEnd) {
    const struct {
        const char* text;
        bool monthOnly, ok;
        int jahr, monat, tag;
    } faelle[] = {
        {"05.12.2026", false, true, 2026, 12, 5},
        {"3.1995", true, true, 1995, 3, 1},      // month kind: the day is 1
        {"x5/12/2026 ", false, true, 2026, 12, 5},
        {"05.12.", false, false, 0, 0, 0},       // no year
        {"00.12.2026", false, false, 0, 0, 0},   // zero day
        {"31.02.2026", false, false, 0, 0, 0},   // a day February lacks
        {"2026", true, false, 0, 0, 0},
    };
    for (const auto& f : faelle) {
        Zeitpunkt z;
        ASSERT_EQ(ReadPrintDate(f.text, f.monthOnly, z), f.ok) << f.text;
        if (f.ok) { EXPECT_EQ(z, MachZeitpunkt(f.jahr, f.monat, f.tag)) << f.text; }
    }
}

// A4 at 300 dpi with a printable area 18 pt in from the left and top, 24 pt from the right and
// bottom (the test printer with real minimum margins).
TEST(PrintOptionsTest, MinimumMarginsAndDrawingArea) {
    const PrinterMetrics a4{64, 64, 2100, 2970, 197, 282, 300, 300};
    int min[4];
    MinimumMargins(a4, min);
    EXPECT_EQ(std::vector<int>({min[MarginLeft], min[MarginRight], min[MarginTop], min[MarginBottom]}),
              std::vector<int>({64, 66, 64, 86}));

    const int margins[4] = {200, 100, 150, 150};  // left, right, top, bottom
    const PageRect r = DrawingArea(a4, margins);  // from (200 - 64) and (150 - 64) 0.1 mm
    EXPECT_EQ(std::vector<int>({r.X, r.Y, r.W, r.H}), std::vector<int>({161, 102, 2125, 3152}));
}

TEST(PrintOptionsTest, DeviceEntryNeedsAllThreeParts) {
    const PrinterName p = SplitDeviceEntry("OrdivoTest,wineps.drv,CUPS:OrdivoTest");
    EXPECT_EQ(p.Device + "|" + p.Driver + "|" + p.Port, "OrdivoTest|wineps.drv|CUPS:OrdivoTest");
    for (const char* entry : {"", "OrdivoTest,wineps.drv", "OrdivoTest,,CUPS:OrdivoTest", ",wineps.drv,LPT1:"})
        EXPECT_FALSE(SplitDeviceEntry(entry).Valid()) << entry;
}
