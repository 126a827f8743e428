// The overflow marker: white square, black triangle outline, flood-filled black.
#include "views/OverflowMarker.h"

void DrawOverflowMarker(Canvas& canvas, int cornerX, int cornerY, int size) {
    const Rgb black{}, white{255, 255, 255};
    const int left = cornerX - size, top = cornerY - size;
    canvas.FillRect(left, top, cornerX, cornerY, white);
    const PenSpec oldPen = canvas.SetPen(PenSpec{1, black});
    canvas.MoveTo(left, cornerY);
    canvas.LineTo(cornerX, top);
    canvas.LineTo(left, top);
    canvas.LineTo(left, cornerY);
    canvas.FloodFill(left + 1, top + 1, black, black);
    canvas.SetPen(oldPen);
}
