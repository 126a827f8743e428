// What the calendar window calls for its paint and resize, and the selection frame drawn
// on a context of the window outside a paint (clicks and keys).
#pragma once
#include "views/HitGrid.h"

#include <windows.h>

void PaintCalendar(HWND wnd, HDC dc);
// Invalidates the client area with erasing and forgets the last selection frame.
void CalendarResized(HWND wnd);
// The selection frame on the day's DayFrames rectangle (day 1-31; others are ignored).
void DrawSelectionFrame(HWND wnd, int day);
