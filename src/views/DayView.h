// The day painter: heading, two columns of 24 time rows with the day's appointments and
// their duration lines, and the area of appointments without a time of day. Shared by the
// day view (target 0) and the printed day pages (targets 3 and 4).
#pragma once
#include "store/Zeitpunkt.h"
#include "drawing/Canvas.h"
#include "views/AppointmentLine.h"

struct PaintContext;

// Takes the day's appointments from the collection (its position is kept), compares ends
// against the view's Now, stores TimeGridBottom into its layout and, on screen, fills blocks
// 0-2 of its hit grid.
void DrawDayView(PaintContext& ctx, Canvas& canvas, int x, int y, int w, int h, int rowHeight, const Zeitpunkt& day,
                 ViewTarget target);
