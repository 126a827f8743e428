// Canvas for native tests: deterministic metrics (every character is half the font height
// wide, text is as high as the font) and a record of every drawing call with the state it
// was drawn in.
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

    FontSpec SetFont(const FontSpec& font) override { return Swap(font_, font); }
    PenSpec SetPen(const PenSpec& pen) override { return Swap(pen_, pen); }
    Rgb SetTextColour(Rgb colour) override { return Swap(colour_, colour); }
    TextAlign SetTextAlign(TextAlign align) override { return Swap(align_, align); }
    bool SetTransparent(bool transparent) override { return Swap(transparent_, transparent); }

    TextSize MeasureText(const std::string& text) override;
    void DrawText(int x, int y, const std::string& text) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Rectangle(int left, int top, int right, int bottom) override;
    void FillRect(int left, int top, int right, int bottom, Rgb colour) override;
    void FloodFill(int x, int y, Rgb border, Rgb fill) override;

    std::vector<Call> calls;
    int measured = 0;  // MeasureText calls

    // Queries over the record.
    std::vector<Call> Of(Kind kind) const;
    const Call* TextStartingWith(const std::string& prefix) const;  // first such text
    const Call* TextAt(int x, int y) const;
    int Count(Kind kind) const;

    // Current state, to check that painters put it back.
    FontSpec font_;
    PenSpec pen_;
    Rgb colour_;
    TextAlign align_ = TextAlign::Left;
    bool transparent_ = false;

private:
    template <class T>
    static T Swap(T& slot, const T& value) {
        T old = slot;
        slot = value;
        return old;
    }
    int curX_ = 0, curY_ = 0;
};
