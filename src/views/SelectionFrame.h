// The magenta frame around the selected day of the week and month views. The frame drawn
// last is remembered with its view mode, so the next one first erases it.
#pragma once
#include "drawing/Canvas.h"
#include "views/HitGrid.h"
#include "views/ViewState.h"

// Erases the previous frame (same view mode only) in the "Hintergrund" colour and draws the
// new one. In the day view it only remembers the mode.
void DrawSelectionFrame(Canvas& canvas, SelectionMemory& last, const Settings& settings, const DayRect& rect);
// After a resize: the next frame erases nothing.
void ForgetSelectionFrame(SelectionMemory& last);
