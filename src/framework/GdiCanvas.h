// Canvas on a GDI device context (screen, memory or printer). Fonts, pens and brushes are
// created on first use, kept for the canvas's life and deleted with it; the context's
// original objects, colours, alignment and background mode are put back at the end.
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

    FontSpec SetFont(const FontSpec& font) override;
    PenSpec SetPen(const PenSpec& pen) override;
    Rgb SetTextColour(Rgb colour) override;
    TextAlign SetTextAlign(TextAlign align) override;
    bool SetTransparent(bool transparent) override;

    TextSize MeasureText(const std::string& text) override;
    void DrawText(int x, int y, const std::string& text) override;

    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Rectangle(int left, int top, int right, int bottom) override;
    void FillRect(int left, int top, int right, int bottom, Rgb colour) override;
    void FloodFill(int x, int y, Rgb border, Rgb fill) override;

private:
    HFONT FontFor(const FontSpec& font);
    HPEN PenFor(const PenSpec& pen);
    HBRUSH BrushFor(Rgb colour);

    HDC dc_;
    int ux_ = 1, uy_ = 1;
    FontSpec font_;
    PenSpec pen_;
    TextAlign align_ = TextAlign::Left;
    UINT oldAlign_;
    COLORREF oldTextColour_;
    int oldBkMode_;
    // Declared before the guards: the guards put the originals back before these go.
    std::vector<std::pair<FontSpec, gdi::Font>> fonts_;
    std::vector<std::pair<PenSpec, gdi::Pen>> pens_;
    std::vector<std::pair<Rgb, gdi::Brush>> brushes_;
    std::optional<gdi::SelectGuard> fontGuard_, penGuard_;
};
