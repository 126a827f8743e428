// The calendar window's paint and resize handling on GDI.
#include "views/MainWindowPaint.h"

#include "framework/GdiCanvas.h"
#include "views/CalendarPaint.h"
#include "views/DisplayState.h"
#include "views/SelectionFrame.h"

void PaintCalendar(HWND wnd, HDC dc) {
    RECT r{};
    GetClientRect(wnd, &r);
    GdiCanvas canvas(dc);
    PaintCalendarView(canvas, ClientRect{r.left, r.top, r.right, r.bottom});
}

void CalendarResized(HWND wnd) {
    InvalidateRect(wnd, nullptr, TRUE);
    ForgetSelectionFrame();
}

void DrawSelectionFrame(HWND wnd, int day) {
    if (day < 1 || day > 31) return;
    gdi::WindowDc dc(wnd);
    if (!dc.Get()) return;
    GdiCanvas canvas(dc.Get());
    DrawSelectionFrame(canvas, DayFrames.Day[day]);
}
