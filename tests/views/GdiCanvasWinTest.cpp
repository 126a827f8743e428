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
        EXPECT_TRUE(c.UnitX() == 1 && c.UnitY() == 1);
        c.FillRect(0, 0, 120, 80, Rgb{255, 255, 224});
        c.FillRect(10, 10, 20, 20, Rgb{0, 0, 255});
        c.Line(40, 10, 40, 30, PenSpec{2, Rgb{255, 0, 0}});
        c.Line(60, 10, 60, 30, PenSpec{1, Rgb{0, 128, 0}});
        DrawOverflowMarker(c, 100, 70, 20);
        EXPECT_GT(gdi::LiveObjects(), live);
    }
    EXPECT_EQ(gdi::LiveObjects(), live);
    int red = 0;
    for (int x = 35; x < 45; ++x) red += s.Pixel(x, 20) == RGB(255, 0, 0);
    EXPECT_EQ(red, 2);
    // Fill without its right and bottom edge, line without its end point; the dog-ear black
    // in its upper-left half, white in its lower-right half, nothing outside.
    const COLORREF Back = RGB(255, 255, 224), Blue = RGB(0, 0, 255), Green = RGB(0, 128, 0);
    const std::pair<POINT, COLORREF> pixels[] = {
        {{10, 10}, Blue},  {{19, 19}, Blue},  {{20, 20}, Back},  {{60, 29}, Green}, {{60, 30}, Back},
        {{83, 53}, Black}, {{86, 55}, Black}, {{97, 67}, White}, {{90, 66}, White}, {{100, 70}, Back}, {{79, 49}, Back}};
    for (const auto& [p, colour] : pixels) EXPECT_EQ(s.Pixel(p.x, p.y), colour) << p.x << "," << p.y;
}

TEST(GdiCanvasWin, FontsFollowTheViewRules) {
    kit::Surface s(50, 50);
    GdiCanvas c(s.Dc());
    const FontSpec swiss{20, 700, FontFamily::Swiss};
    const TextSize bold = c.MeasureText("88:88    ", swiss);
    TEXTMETRICA tm{};
    ASSERT_TRUE(GetTextMetricsA(s.Dc(), &tm));
    // A positive height is the cell height.
    EXPECT_EQ(std::vector<LONG>({tm.tmHeight, tm.tmWeight, tm.tmCharSet}), std::vector<LONG>({20, 700, ANSI_CHARSET}));
    LOGFONTA lf{};
    GetObjectA(GetCurrentObject(s.Dc(), OBJ_FONT), sizeof lf, &lf);
    EXPECT_STREQ(lf.lfFaceName, "Arial");
    EXPECT_EQ(std::vector<int>({lf.lfPitchAndFamily, lf.lfOutPrecision, lf.lfClipPrecision, lf.lfQuality}),
              std::vector<int>({0x22, OUT_STROKE_PRECIS, CLIP_STROKE_PRECIS, PROOF_QUALITY}));
    EXPECT_TRUE(bold.Cy == 20 && bold.Cx > c.MeasureText("88:88 ", swiss).Cx);
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
    EXPECT_TRUE(GetCurrentObject(s.Dc(), OBJ_FONT) == font && GetCurrentObject(s.Dc(), OBJ_PEN) == pen);
    EXPECT_EQ(std::vector<UINT>({GetTextColor(s.Dc()), UINT(GetBkMode(s.Dc())), GetTextAlign(s.Dc()) & (TA_CENTER | TA_RIGHT)}),
              std::vector<UINT>({RGB(1, 2, 3), OPAQUE, TA_LEFT}));
}

TEST(GdiCanvasWin, MetricMappingGivesUnitsOfOneDevicePixel) {
    kit::Surface s(50, 50);
    SetMapMode(s.Dc(), MM_LOMETRIC);  // 0.1 mm: a screen pixel is more than one unit
    GdiCanvas c(s.Dc());
    EXPECT_TRUE(c.UnitX() > 1 && c.UnitY() > 1);
}

}  // namespace
