// Selection frame memory and drawing.
#include "views/SelectionFrame.h"

#include "app/Settings.h"
#include "settings/Appearance.h"

namespace {

struct LastFrame {
    DayRect Rect;
    int Mode = -1;  // -1: nothing to erase
};
LastFrame last;
bool called = false;

void Outline(Canvas& canvas, const DayRect& r, Rgb colour) {
    const PenSpec old = canvas.SetPen(PenSpec{1, colour});
    canvas.MoveTo(r.Left, r.Bottom);
    canvas.LineTo(r.Left, r.Top);
    canvas.LineTo(r.Right, r.Top);
    canvas.LineTo(r.Right, r.Bottom);
    canvas.LineTo(r.Left, r.Bottom);
    canvas.SetPen(old);
}

}  // namespace

void ForgetSelectionFrame() {
    called = true;
    last.Mode = -1;
}

void DrawSelectionFrame(Canvas& canvas, const DayRect& rect) {
    const int mode = TheSettings.Mode;
    // The very first call takes the remembered mode to be the current one; its remembered
    // rectangle is empty, so the erase draws nothing visible.
    if (!called) {
        called = true;
        last.Mode = mode;
    }
    if (mode == 0) {
        last.Mode = mode;
        return;
    }
    if (last.Mode == mode) Outline(canvas, last.Rect, TheAppearance.Farben.Colour(RoleHintergrund));
    Outline(canvas, rect, Rgb{255, 0, 255});
    last = LastFrame{rect, mode};
}
