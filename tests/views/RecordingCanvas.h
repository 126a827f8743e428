// Canvas for native tests: deterministic metrics (every character is half the font height
// wide, text is as high as the font) and a record of every drawing call with its style.
#pragma once
#include "drawing/Canvas.h"

#include <string>
#include <vector>

class RecordingCanvas : public Canvas {
public:
    enum class Kind { Text, Line, Rectangle, Fill, Flood };
    struct Call {
        explicit Call(Kind k) : kind(k) {}
        Kind kind;
        int x0 = 0, y0 = 0, x1 = 0, y1 = 0;  // text: x0, y0; flood: the seed
        std::string text;
        FontSpec font;
        PenSpec pen;
        Rgb colour;  // text colour, fill colour or flood fill colour
        TextAlign align = TextAlign::Left;
    };

    static int CharWidth(const FontSpec& f) { return f.Height > 0 ? (f.Height / 2 > 0 ? f.Height / 2 : 1) : 8; }

    int UnitX() const override { return 1; }
    int UnitY() const override { return 1; }

    TextSize MeasureText(const std::string& text, const FontSpec& font) override;
    void DrawText(int x, int y, const std::string& text, const TextStyle& style) override;
    void Line(int x0, int y0, int x1, int y1, const PenSpec& pen) override;
    void Rectangle(int left, int top, int right, int bottom, const PenSpec& pen) override;
    void FillRect(int left, int top, int right, int bottom, Rgb colour) override;
    void FloodFill(int x, int y, Rgb border, Rgb fill) override;

    std::vector<Call> calls;
    int measured = 0;  // MeasureText calls

    // Queries over the record.
    std::vector<Call> Of(Kind kind) const;
    const Call* TextStartingWith(const std::string& prefix) const;  // first such text
    const Call* TextAt(int x, int y) const;
    int Count(Kind kind) const;
};
