// The paint of the calendar window: background, layout, fonts, holiday year, and the day,
// week or month view of the selected date drawn from the collection.
#pragma once
#include "drawing/Canvas.h"
#include "views/ViewLayout.h"
#include "views/ViewState.h"

// Recomputes the view's layout, hit grid and day frames, refreshes its Now and keeps the
// collection's position.
void PaintCalendarView(PaintContext& ctx, Canvas& canvas, const ClientRect& client);
