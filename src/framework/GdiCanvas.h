// Canvas on a GDI device context (screen, memory or printer). Fonts, pens and brushes are
// created on first use, kept for the canvas's life and deleted with it; a font or pen is
// selected again only when a call asks for another one. The context's original objects,
// colours, alignment and background mode are put back at the end.
#pragma once
#include "framework/Gdi.h"
#include "drawing/Canvas.h"

#include <optional>
#include <utility>
#include <vector>

class GdiCanvas : public Canvas {
public:
    explicit GdiCanvas(HDC dc);
    ~GdiCanvas() override;
    GdiCanvas(const GdiCanvas&) = delete;
    GdiCanvas& operator=(const GdiCanvas&) = delete;

    HDC Dc() const { return dc_; }

    int UnitX() const override { return ux_; }
    int UnitY() const override { return uy_; }

    TextSize MeasureText(const std::string& text, const FontSpec& font) override;
    int FontAscent(const FontSpec& font) override;
    void DrawText(int x, int y, const std::string& text, const TextStyle& style) override;
    void Line(int x0, int y0, int x1, int y1, const PenSpec& pen) override;
    void Rectangle(int left, int top, int right, int bottom, const PenSpec& pen) override;
    void FillRect(int left, int top, int right, int bottom, Rgb colour) override;
    void FloodFill(int x, int y, Rgb border, Rgb fill) override;

private:
    void Select(const FontSpec& font);
    void Select(const PenSpec& pen);
    HFONT FontFor(const FontSpec& font);
    HPEN PenFor(const PenSpec& pen);
    HBRUSH BrushFor(Rgb colour);

    HDC dc_;
    int ux_ = 1, uy_ = 1;
    FontSpec font_;  // selected now
    PenSpec pen_;
    TextAlign align_ = TextAlign::Left;
    Rgb colour_;
    UINT oldAlign_;
    COLORREF oldTextColour_;
    int oldBkMode_;
    // Declared before the guards: the guards put the originals back before these go.
    std::vector<std::pair<FontSpec, gdi::Font>> fonts_;
    std::vector<std::pair<PenSpec, gdi::Pen>> pens_;
    std::vector<std::pair<Rgb, gdi::Brush>> brushes_;
    std::optional<gdi::SelectGuard> fontGuard_, penGuard_;
};
