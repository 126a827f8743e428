// The dog-ear drawn in a corner when a column, an area or a cell cannot show every
// appointment of the day.
#pragma once
#include "drawing/Canvas.h"

// Square of side `size` whose bottom-right corner is (cornerX, cornerY): white, with a
// black upper-left half.
void DrawOverflowMarker(Canvas& canvas, int cornerX, int cornerY, int size);
