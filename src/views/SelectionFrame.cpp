// Selection frame memory and drawing.
#include "views/SelectionFrame.h"

#include "settings/Settings.h"

namespace {

void Outline(Canvas& canvas, const DayRect& r, Rgb colour) {
    const PenSpec pen{1, colour};
    canvas.Line(r.Left, r.Bottom, r.Left, r.Top, pen);
    canvas.Line(r.Left, r.Top, r.Right, r.Top, pen);
    canvas.Line(r.Right, r.Top, r.Right, r.Bottom, pen);
    canvas.Line(r.Right, r.Bottom, r.Left, r.Bottom, pen);
}

}  // namespace

void ForgetSelectionFrame(SelectionMemory& last) {
    last.Called = true;
    last.Mode = -1;
}

void DrawSelectionFrame(Canvas& canvas, SelectionMemory& last, const Settings& settings, const DayRect& rect) {
    const int mode = static_cast<int>(settings.Mode);
    // The very first call takes the remembered mode to be the current one; its remembered
    // rectangle is empty, so the erase draws nothing visible.
    if (!last.Called) {
        last.Called = true;
        last.Mode = mode;
    }
    if (settings.Mode == ViewMode::Day) {
        last.Mode = mode;
        return;
    }
    if (last.Mode == mode) Outline(canvas, last.Rect, settings.Look.Farben.Colour(RoleHintergrund));
    Outline(canvas, rect, Rgb{255, 0, 255});
    last = SelectionMemory{rect, mode, true};
}
