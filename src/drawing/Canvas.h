// The drawing interface of the calendar painters: fonts and pens as value descriptions,
// text with alignment and measuring, lines, rectangles, fills and flood fill. GdiCanvas
// draws on screen and printer contexts; tests record the calls instead.
#pragma once
#include "drawing/Palette.h"

#include <string>

enum class FontFamily { Roman, Swiss };

// Face "Arial", ANSI, stroke precision, proof quality, variable pitch. Height 0 stands for
// the context's own font (the state before any font was chosen).
struct FontSpec {
    int Height = 0;
    int Weight = 400;
    FontFamily Family = FontFamily::Swiss;
};
inline bool operator==(const FontSpec& a, const FontSpec& b) {
    return a.Height == b.Height && a.Weight == b.Weight && a.Family == b.Family;
}

// A solid pen; the default is the one-pixel black pen every context starts with.
struct PenSpec {
    int Width = 1;
    Rgb Colour{};
};
inline bool operator==(const PenSpec& a, const PenSpec& b) {
    return a.Width == b.Width && a.Colour == b.Colour;
}

enum class TextAlign { Left, Center, Right };  // horizontal; text always hangs from y

// Everything a text is drawn with; the background always shows through.
struct TextStyle {
    FontSpec Font;
    Rgb Colour{};
    TextAlign Align = TextAlign::Left;
};

struct TextSize {
    int Cx = 0;
    int Cy = 0;
};

// Every operation takes the font, pen or colour it draws with, so a painter never depends
// on what another one left selected.
class Canvas {
public:
    virtual ~Canvas() = default;

    // One device pixel in logical units (1 on screen).
    virtual int UnitX() const = 0;
    virtual int UnitY() const = 0;

    virtual TextSize MeasureText(const std::string& text, const FontSpec& font) = 0;
    // Height of the font above its base line.
    virtual int FontAscent(const FontSpec& font) = 0;
    virtual void DrawText(int x, int y, const std::string& text, const TextStyle& style) = 0;

    // From (x0, y0) to (x1, y1); the end point itself is not drawn.
    virtual void Line(int x0, int y0, int x1, int y1, const PenSpec& pen) = 0;
    // Outline in `pen`, filled white.
    virtual void Rectangle(int left, int top, int right, int bottom, const PenSpec& pen) = 0;
    // Right and bottom edges excluded.
    virtual void FillRect(int left, int top, int right, int bottom, Rgb colour) = 0;
    // Fills from (x, y) outwards up to pixels of the border colour.
    virtual void FloodFill(int x, int y, Rgb border, Rgb fill) = 0;
};
