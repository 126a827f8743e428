// RecordingCanvas: fake metrics and the call record.
#include "views/RecordingCanvas.h"

TextSize RecordingCanvas::MeasureText(const std::string& text, const FontSpec& font) {
    ++measured;
    return TextSize{int(text.size()) * CharWidth(font), font.Height > 0 ? font.Height : 16};
}

void RecordingCanvas::DrawText(int x, int y, const std::string& text, const TextStyle& style) {
    Call c{Kind::Text};
    c.x0 = x;
    c.y0 = y;
    c.text = text;
    c.font = style.Font;
    c.colour = style.Colour;
    c.align = style.Align;
    calls.push_back(c);
}

void RecordingCanvas::Line(int x0, int y0, int x1, int y1, const PenSpec& pen) {
    Call c{Kind::Line};
    c.x0 = x0;
    c.y0 = y0;
    c.x1 = x1;
    c.y1 = y1;
    c.pen = pen;
    calls.push_back(c);
}

void RecordingCanvas::Rectangle(int left, int top, int right, int bottom, const PenSpec& pen) {
    Call c{Kind::Rectangle};
    c.x0 = left;
    c.y0 = top;
    c.x1 = right;
    c.y1 = bottom;
    c.pen = pen;
    calls.push_back(c);
}

void RecordingCanvas::FillRect(int left, int top, int right, int bottom, Rgb colour) {
    Call c{Kind::Fill};
    c.x0 = left;
    c.y0 = top;
    c.x1 = right;
    c.y1 = bottom;
    c.colour = colour;
    calls.push_back(c);
}

void RecordingCanvas::FloodFill(int x, int y, Rgb border, Rgb fill) {
    Call c{Kind::Flood};
    c.x0 = x;
    c.y0 = y;
    c.pen = PenSpec{1, border};
    c.colour = fill;
    calls.push_back(c);
}

std::vector<RecordingCanvas::Call> RecordingCanvas::Of(Kind kind) const {
    std::vector<Call> out;
    for (const Call& c : calls)
        if (c.kind == kind) out.push_back(c);
    return out;
}

const RecordingCanvas::Call* RecordingCanvas::TextStartingWith(const std::string& prefix) const {
    for (const Call& c : calls)
        if (c.kind == Kind::Text && c.text.compare(0, prefix.size(), prefix) == 0) return &c;
    return nullptr;
}

const RecordingCanvas::Call* RecordingCanvas::TextAt(int x, int y) const {
    for (const Call& c : calls)
        if (c.kind == Kind::Text && c.x0 == x && c.y0 == y) return &c;
    return nullptr;
}

int RecordingCanvas::Count(Kind kind) const {
    int n = 0;
    for (const Call& c : calls) n += c.kind == kind;
    return n;
}
