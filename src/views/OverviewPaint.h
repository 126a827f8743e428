// The week and month paint around the day cells: title box, grid, weekday headings and
// week numbers, hit-grid cells and selection frames. Run after ComputeLayout.
#pragma once
#include "drawing/Canvas.h"
#include "views/ViewLayout.h"
#include "views/ViewState.h"

void PaintWeekView(PaintContext& ctx, Canvas& canvas, const ClientRect& client);
void PaintMonthView(PaintContext& ctx, Canvas& canvas, const ClientRect& client);

// Number shown left of the first row of the month view (below 1 = none): weeks counted
// from the first Monday-to-Sunday week holding at least four days of January.
int FirstWeekNumber(int jahr, int monat);
// Rows the month needs (4 to 6).
int MonthRows(int jahr, int monat);
