// The cell painter of the week and month views and their printed pages: day number,
// weekday, holiday name or day of the year, and one line per appointment.
#pragma once
#include "store/Termin.h"
#include "drawing/Canvas.h"
#include "views/AppointmentLine.h"

#include <string>

struct PaintContext;

// Continues the collection from its current position (callers start it once and draw the
// days in increasing order). Targets 1, 5, 6 use the week layout, 2, 9, 10 the month layout.
// On screen the lines and the free rest go into block Grid.CurrentBlock of the view's hits.
void DrawDayCell(PaintContext& ctx, Canvas& canvas, int x, int y, int w, int h, int headingHeight, int rowHeight,
                 int smallHeight, const Zeitpunkt& day, ViewTarget target);

// The line text of an appointment in a cell: the short text alone without a time of day,
// else "9:00 - 9:30 text" (week layouts) or "9:00 text" (month layouts).
std::string CellLineText(const Termin& t, bool weekLayout);
