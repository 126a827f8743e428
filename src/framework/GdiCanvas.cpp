// GdiCanvas: the Canvas operations as ANSI GDI calls.
#include "framework/GdiCanvas.h"

#include <algorithm>
#include <cstdlib>

namespace {
COLORREF Ref(Rgb c) { return COLORREF(c.Value); }

// One device pixel in logical units, at least 1 (the printout maps metric units).
void DeviceUnits(HDC dc, int& ux, int& uy) {
    POINT p[2] = {{0, 0}, {1, 1}};
    DPtoLP(dc, p, 2);
    ux = std::max(1, int(std::labs(p[1].x - p[0].x)));
    uy = std::max(1, int(std::labs(p[1].y - p[0].y)));
}
}  // namespace

GdiCanvas::GdiCanvas(HDC dc)
    : dc_(dc),
      oldAlign_(GetTextAlign(dc)),
      oldTextColour_(GetTextColor(dc)),
      oldBkMode_(GetBkMode(dc)) {
    DeviceUnits(dc, ux_, uy_);
    ::SetTextAlign(dc_, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    ::SetTextColor(dc_, Ref(colour_));
    ::SetBkMode(dc_, TRANSPARENT);
}

GdiCanvas::~GdiCanvas() {
    ::SetTextAlign(dc_, oldAlign_);
    ::SetTextColor(dc_, oldTextColour_);
    ::SetBkMode(dc_, oldBkMode_);
    // fontGuard_ and the others restore the original objects as they are destroyed.
}

HFONT GdiCanvas::FontFor(const FontSpec& font) {
    for (auto& f : fonts_)
        if (f.first == font) return f.second.Get();
    LOGFONTA lf{};
    lf.lfHeight = font.Height;
    lf.lfWeight = font.Weight;
    lf.lfCharSet = ANSI_CHARSET;
    lf.lfOutPrecision = OUT_STROKE_PRECIS;
    lf.lfClipPrecision = CLIP_STROKE_PRECIS;
    lf.lfQuality = PROOF_QUALITY;
    lf.lfPitchAndFamily = BYTE(VARIABLE_PITCH | (font.Family == FontFamily::Roman ? FF_ROMAN : FF_SWISS));
    // Wine: a prefix without a font named Arial picks the face by family, so the roman
    // headings come out in a serif face unless Arial is replaced (e.g. by Liberation Sans).
    lstrcpynA(lf.lfFaceName, "Arial", LF_FACESIZE);
    fonts_.emplace_back(font, gdi::Font(CreateFontIndirectA(&lf)));
    return fonts_.back().second.Get();
}

HPEN GdiCanvas::PenFor(const PenSpec& pen) {
    for (auto& p : pens_)
        if (p.first == pen) return p.second.Get();
    pens_.emplace_back(pen, gdi::Pen(CreatePen(PS_SOLID, pen.Width, Ref(pen.Colour))));
    return pens_.back().second.Get();
}

HBRUSH GdiCanvas::BrushFor(Rgb colour) {
    for (auto& b : brushes_)
        if (b.first == colour) return b.second.Get();
    brushes_.emplace_back(colour, gdi::Brush(CreateSolidBrush(Ref(colour))));
    return brushes_.back().second.Get();
}

void GdiCanvas::Select(const FontSpec& font) {
    if (font == font_ && (fontGuard_ || font.Height == 0)) return;
    font_ = font;
    if (font.Height == 0) {
        fontGuard_.reset();  // the context's own font
        return;
    }
    HFONT f = FontFor(font);
    if (!f) return;
    if (fontGuard_) SelectObject(dc_, f);
    else fontGuard_.emplace(dc_, f);
}

void GdiCanvas::Select(const PenSpec& pen) {
    if (pen == pen_ && penGuard_) return;
    pen_ = pen;
    HPEN p = PenFor(pen);
    if (!p) return;
    if (penGuard_) SelectObject(dc_, p);
    else penGuard_.emplace(dc_, p);
}

TextSize GdiCanvas::MeasureText(const std::string& text, const FontSpec& font) {
    Select(font);
    SIZE s{};
    GetTextExtentPoint32A(dc_, text.c_str(), int(text.size()), &s);
    return TextSize{int(s.cx), int(s.cy)};
}

int GdiCanvas::FontAscent(const FontSpec& font) {
    Select(font);
    TEXTMETRICA tm{};
    GetTextMetricsA(dc_, &tm);
    return int(tm.tmAscent);
}

void GdiCanvas::DrawText(int x, int y, const std::string& text, const TextStyle& style) {
    Select(style.Font);
    if (style.Colour != colour_) {
        colour_ = style.Colour;
        ::SetTextColor(dc_, Ref(colour_));
    }
    if (style.Align != align_) {
        align_ = style.Align;
        const UINT h = align_ == TextAlign::Center ? TA_CENTER : align_ == TextAlign::Right ? TA_RIGHT : TA_LEFT;
        ::SetTextAlign(dc_, h | TA_TOP | TA_NOUPDATECP);
    }
    TextOutA(dc_, x, y, text.c_str(), int(text.size()));
}

void GdiCanvas::Line(int x0, int y0, int x1, int y1, const PenSpec& pen) {
    Select(pen);
    MoveToEx(dc_, x0, y0, nullptr);
    ::LineTo(dc_, x1, y1);
}

void GdiCanvas::Rectangle(int left, int top, int right, int bottom, const PenSpec& pen) {
    Select(pen);
    gdi::SelectGuard brush(dc_, BrushFor(Rgb{255, 255, 255}));
    ::Rectangle(dc_, left, top, right, bottom);
}

void GdiCanvas::FillRect(int left, int top, int right, int bottom, Rgb colour) {
    const RECT r{left, top, right, bottom};
    ::FillRect(dc_, &r, BrushFor(colour));
}

void GdiCanvas::FloodFill(int x, int y, Rgb border, Rgb fill) {
    gdi::SelectGuard brush(dc_, BrushFor(fill));
    ExtFloodFill(dc_, x, y, Ref(border), FLOODFILLBORDER);
}
