// The date picker's drawing and hit-testing: whole-year calendars (twelve months in 3 columns
// × 4 rows, the days running down the week columns), the two calendars of the picker window
// and where that window opens.
#pragma once
#include "drawing/Canvas.h"

class Feiertage;
struct Settings;

// Font height and cell width (the width of " 22" in that font); 0 until computed.
struct YearCalendarFont {
    int Height = 0;
    int CellWidth = 0;
};

// The font of a calendar w wide and h high: from one line (h / 40) + 1 up until the ascent
// exceeds a line, then down until 39/2 cells fit into w.
YearCalendarFont FitYearCalendarFont(Canvas& canvas, int w, int h);

// What the holiday colouring looks up.
struct YearCalendarHolidays {
    Feiertage& Table;
    const Settings& Config;
};

// Draws `year` at (x, y) in w × h with the font kept in `font` (fitted at the first call and
// reused after); returns the width used, cell width × 39 / 2.
int DrawYearCalendar(Canvas& canvas, YearCalendarFont& font, const YearCalendarHolidays& holidays, int x, int y,
                     int w, int h, int year);

struct YearCalendarHitResult {
    int Year = 0, Month = 0, Day = 0;  // Month 0: no day hit
    int Width = 0;                     // width used, as DrawYearCalendar returns it
};

// The day drawn at (px, py): its number's right edge x and top y, from x − cell width to x and
// from y to y + one line, both ends included; the font is fitted afresh.
YearCalendarHitResult YearCalendarHit(Canvas& canvas, int x, int y, int w, int h, int year, int px, int py);

// The picker's client area (from 0, 0) and the band its buttons take at the bottom.
struct PickerClient {
    int Right = 0, Bottom = 0;
    int ButtonBand = 0;  // 14 vertical dialog units
};

// This year on the left, the next on the right, on light grey.
void PaintDatePicker(Canvas& canvas, YearCalendarFont& font, const YearCalendarHolidays& holidays,
                     const PickerClient& client, int year);
// The day under a click: the left calendar first, then the right one.
YearCalendarHitResult DatePickerHit(Canvas& canvas, const PickerClient& client, int year, int px, int py);

constexpr int PickerWidth = 620, PickerHeight = 420;

struct PickerOrigin {
    int X = 0, Y = 0;
};
// The stored frame position moved by (14, 10); x 10 where the picker would stick out on the
// right, y 30 where it would stick out at the bottom.
PickerOrigin PlacePicker(int frameX, int frameY, int screenWidth, int screenHeight);
