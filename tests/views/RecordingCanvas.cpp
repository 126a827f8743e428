// RecordingCanvas: fake metrics and the call record.
#include "views/RecordingCanvas.h"

TextSize RecordingCanvas::MeasureText(const std::string& text) {
    ++measured;
    return TextSize{int(text.size()) * CharWidth(font_), font_.Height > 0 ? font_.Height : 16};
}

void RecordingCanvas::DrawText(int x, int y, const std::string& text) {
    Call c{Kind::Text};
    c.x0 = x;
    c.y0 = y;
    c.text = text;
    c.font = font_;
    c.colour = colour_;
    c.align = align_;
    calls.push_back(c);
}

void RecordingCanvas::MoveTo(int x, int y) {
    curX_ = x;
    curY_ = y;
}

void RecordingCanvas::LineTo(int x, int y) {
    Call c{Kind::Line};
    c.x0 = curX_;
    c.y0 = curY_;
    c.x1 = x;
    c.y1 = y;
    c.pen = pen_;
    calls.push_back(c);
    MoveTo(x, y);
}

void RecordingCanvas::Rectangle(int left, int top, int right, int bottom) {
    Call c{Kind::Rectangle};
    c.x0 = left;
    c.y0 = top;
    c.x1 = right;
    c.y1 = bottom;
    c.pen = pen_;
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
