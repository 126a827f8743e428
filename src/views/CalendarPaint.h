// The paint of the calendar window: background, layout, fonts, holiday year, and the day,
// week or month view of the selected date drawn from the collection.
#pragma once
#include "views/Canvas.h"
#include "views/ViewLayout.h"

// Recomputes TheLayout, Hits and DayFrames, refreshes ViewNow, keeps Liste's position,
// and records the row height in use.
void PaintCalendarView(Canvas& canvas, const ClientRect& client);
