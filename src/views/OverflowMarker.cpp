// The overflow marker: white square, black triangle outline, flood-filled black.
#include "views/OverflowMarker.h"

void DrawOverflowMarker(Canvas& canvas, int cornerX, int cornerY, int size) {
    const Rgb black{}, white{255, 255, 255};
    const int left = cornerX - size, top = cornerY - size;
    canvas.FillRect(left, top, cornerX, cornerY, white);
    const PenSpec pen{1, black};
    canvas.Line(left, cornerY, cornerX, top, pen);
    canvas.Line(cornerX, top, left, top, pen);
    canvas.Line(left, top, left, cornerY, pen);
    canvas.FloodFill(left + 1, top + 1, black, black);
}
