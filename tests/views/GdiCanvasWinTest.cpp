// GdiCanvas on a DIB section: fonts by the view rules, fills, lines, the flood-filled
// overflow marker, device units, and that every object and setting is given back.
#include "framework/GdiCanvas.h"
#include "support/WinKit.h"
#include "views/OverflowMarker.h"


namespace {

const COLORREF White = RGB(255, 255, 255), Black = RGB(0, 0, 0);

TEST(GdiCanvasWin, FillsLinesAndTheOverflowMarker) {
    kit::Surface s(120, 80);
    const long live = gdi::LiveObjects();
    {
        GdiCanvas c(s.Dc());
        EXPECT_EQ(c.UnitX(), 1);
        EXPECT_EQ(c.UnitY(), 1);
        c.FillRect(0, 0, 120, 80, Rgb{255, 255, 224});
        c.FillRect(10, 10, 20, 20, Rgb{0, 0, 255});
        c.Line(40, 10, 40, 30, PenSpec{2, Rgb{255, 0, 0}});
        c.Line(60, 10, 60, 30, PenSpec{1, Rgb{0, 128, 0}});
        DrawOverflowMarker(c, 100, 70, 20);
        EXPECT_GT(gdi::LiveObjects(), live);
    }
    EXPECT_EQ(gdi::LiveObjects(), live);
    EXPECT_EQ(s.Pixel(10, 10), RGB(0, 0, 255));
    EXPECT_EQ(s.Pixel(19, 19), RGB(0, 0, 255));
    EXPECT_EQ(s.Pixel(20, 20), RGB(255, 255, 224));  // right and bottom excluded
    int red = 0;
    for (int x = 35; x < 45; ++x) red += s.Pixel(x, 20) == RGB(255, 0, 0);
    EXPECT_EQ(red, 2);
    EXPECT_EQ(s.Pixel(60, 29), RGB(0, 128, 0));
    EXPECT_EQ(s.Pixel(60, 30), RGB(255, 255, 224));  // the end point is not drawn
    // Dog-ear: black upper-left half, white lower-right half, nothing outside.
    EXPECT_EQ(s.Pixel(83, 53), Black);
    EXPECT_EQ(s.Pixel(86, 55), Black);
    EXPECT_EQ(s.Pixel(97, 67), White);
    EXPECT_EQ(s.Pixel(90, 66), White);
    EXPECT_EQ(s.Pixel(100, 70), RGB(255, 255, 224));
    EXPECT_EQ(s.Pixel(79, 49), RGB(255, 255, 224));
}

TEST(GdiCanvasWin, FontsFollowTheViewRules) {
    kit::Surface s(50, 50);
    GdiCanvas c(s.Dc());
    const FontSpec swiss{20, 700, FontFamily::Swiss};
    const TextSize bold = c.MeasureText("88:88    ", swiss);
    TEXTMETRICA tm{};
    ASSERT_TRUE(GetTextMetricsA(s.Dc(), &tm));
    EXPECT_EQ(tm.tmHeight, 20);  // a positive height is the cell height
    EXPECT_EQ(tm.tmWeight, 700);
    EXPECT_EQ(tm.tmCharSet, ANSI_CHARSET);
    LOGFONTA lf{};
    GetObjectA(GetCurrentObject(s.Dc(), OBJ_FONT), sizeof lf, &lf);
    EXPECT_STREQ(lf.lfFaceName, "Arial");
    EXPECT_EQ(lf.lfPitchAndFamily, 0x22);
    EXPECT_EQ(lf.lfOutPrecision, OUT_STROKE_PRECIS);
    EXPECT_EQ(lf.lfClipPrecision, CLIP_STROKE_PRECIS);
    EXPECT_EQ(lf.lfQuality, PROOF_QUALITY);
    EXPECT_EQ(bold.Cy, 20);
    EXPECT_GT(bold.Cx, c.MeasureText("88:88 ", swiss).Cx);
    EXPECT_GT(c.MeasureText("Mo", FontSpec{30, 700, FontFamily::Roman}).Cy, 20);
    GetObjectA(GetCurrentObject(s.Dc(), OBJ_FONT), sizeof lf, &lf);
    EXPECT_EQ(lf.lfPitchAndFamily, 0x12);
}

TEST(GdiCanvasWin, TheContextIsGivenBackAsItWas) {
    kit::Surface s(50, 50);
    HGDIOBJ font = GetCurrentObject(s.Dc(), OBJ_FONT), pen = GetCurrentObject(s.Dc(), OBJ_PEN),
            brush = GetCurrentObject(s.Dc(), OBJ_BRUSH);
    SetTextColor(s.Dc(), RGB(1, 2, 3));
    SetBkMode(s.Dc(), OPAQUE);
    const long live = gdi::LiveObjects();
    {
        GdiCanvas c(s.Dc());
        EXPECT_EQ(GetBkMode(s.Dc()), TRANSPARENT);  // text never paints a background
        c.DrawText(40, 2, "x", TextStyle{FontSpec{12, 400, FontFamily::Swiss}, Rgb{255, 0, 0}, TextAlign::Right});
        EXPECT_EQ(GetTextAlign(s.Dc()) & (TA_CENTER | TA_RIGHT), UINT(TA_RIGHT));
        EXPECT_EQ(GetTextColor(s.Dc()), RGB(255, 0, 0));
        c.Line(0, 40, 10, 40, PenSpec{2, Rgb{9, 9, 9}});
        c.Rectangle(20, 20, 30, 30, PenSpec{});
        c.FloodFill(1, 1, Rgb{}, Rgb{0, 255, 0});
        EXPECT_EQ(GetCurrentObject(s.Dc(), OBJ_BRUSH), brush);  // the fill brushes are deselected
        c.MeasureText("x", FontSpec{});  // the context's own font again
        EXPECT_EQ(GetCurrentObject(s.Dc(), OBJ_FONT), font);
        c.MeasureText("x", FontSpec{14, 400, FontFamily::Swiss});
    }
    EXPECT_EQ(gdi::LiveObjects(), live);
    EXPECT_EQ(GetCurrentObject(s.Dc(), OBJ_FONT), font);
    EXPECT_EQ(GetCurrentObject(s.Dc(), OBJ_PEN), pen);
    EXPECT_EQ(GetTextColor(s.Dc()), RGB(1, 2, 3));
    EXPECT_EQ(GetBkMode(s.Dc()), OPAQUE);
    EXPECT_EQ(GetTextAlign(s.Dc()) & (TA_CENTER | TA_RIGHT), UINT(TA_LEFT));
}

TEST(GdiCanvasWin, MetricMappingGivesUnitsOfOneDevicePixel) {
    kit::Surface s(50, 50);
    SetMapMode(s.Dc(), MM_LOMETRIC);  // 0.1 mm: a screen pixel is more than one unit
    GdiCanvas c(s.Dc());
    EXPECT_GT(c.UnitX(), 1);
    EXPECT_GT(c.UnitY(), 1);
}

}  // namespace
