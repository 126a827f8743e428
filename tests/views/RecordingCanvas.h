// Canvas for native tests: deterministic metrics (every character is half the font height
// wide, text is as high as the font, the ascent 4/5 of that) and a record of every drawing
// call with its style.
#pragma once
#include "drawing/Canvas.h"

#include <algorithm>
#include <string>
#include <vector>

class RecordingCanvas : public Canvas {
public:
    enum class Kind { Text, Line, Rectangle, Fill, Flood };
    struct Call {
        Kind kind;
        int x0 = 0, y0 = 0, x1 = 0, y1 = 0;  // text: x0, y0; flood: the seed
        std::string text;
        FontSpec font;
        PenSpec pen;
        Rgb colour;  // text colour, fill colour or flood fill colour
        TextAlign align = TextAlign::Left;
    };

    int UnitX() const override { return 1; }
    int UnitY() const override { return 1; }
    TextSize MeasureText(const std::string& text, const FontSpec& f) override {
        return TextSize{int(text.size()) * (f.Height > 0 ? std::max(f.Height / 2, 1) : 8), f.Height > 0 ? f.Height : 16};
    }
    int FontAscent(const FontSpec& f) override { return MeasureText("", f).Cy * 4 / 5; }
    void DrawText(int x, int y, const std::string& text, const TextStyle& s) override {
        calls.push_back({Kind::Text, x, y, 0, 0, text, s.Font, {}, s.Colour, s.Align});
    }
    void Line(int x0, int y0, int x1, int y1, const PenSpec& pen) override {
        calls.push_back({Kind::Line, x0, y0, x1, y1, {}, {}, pen, {}, {}});
    }
    void Rectangle(int l, int t, int r, int b, const PenSpec& pen) override {
        calls.push_back({Kind::Rectangle, l, t, r, b, {}, {}, pen, {}, {}});
    }
    void FillRect(int l, int t, int r, int b, Rgb c) override { calls.push_back({Kind::Fill, l, t, r, b, {}, {}, {}, c, {}}); }
    void FloodFill(int x, int y, Rgb border, Rgb fill) override {
        calls.push_back({Kind::Flood, x, y, 0, 0, {}, {}, PenSpec{1, border}, fill, {}});
    }

    std::vector<Call> Of(Kind kind) const {
        std::vector<Call> out;
        for (const Call& c : calls)
            if (c.kind == kind) out.push_back(c);
        return out;
    }
    int Count(Kind kind) const { return int(Of(kind).size()); }
    // The first text drawn at (x, y), or starting with `prefix`; nullptr for none.
    const Call* TextAt(int x, int y) const {
        for (const Call& c : calls)
            if (c.kind == Kind::Text && c.x0 == x && c.y0 == y) return &c;
        return nullptr;
    }
    std::string Text(int x, int y) const { return TextAt(x, y) ? TextAt(x, y)->text : "<none>"; }
    const Call* TextStartingWith(const std::string& prefix) const {
        for (const Call& c : calls)
            if (c.kind == Kind::Text && c.text.compare(0, prefix.size(), prefix) == 0) return &c;
        return nullptr;
    }

    std::vector<Call> calls;
};
