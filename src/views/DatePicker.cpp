// Year calendars and the picker window's layout, against Canvas only.
#include "views/DatePicker.h"

#include "core/ResString.h"
#include "core/ResourceIds.h"
#include "core/TextFormat.h"
#include "store/DatumText.h"
#include "store/Zeitpunkt.h"
#include "views/DayHeading.h"

namespace {
constexpr Rgb Red{255, 0, 0};
constexpr Rgb LightGrey{192, 192, 192};

FontSpec CalendarFont(int height) { return FontSpec{height, 800, FontFamily::Swiss}; }

int CellWidthOf(Canvas& canvas, int height) { return canvas.MeasureText(" 22", CalendarFont(height)).Cx; }

// One line u = h / 40; the month grid starts four lines below the top, a cell and a half in.
struct Geometry {
    int X0, Y0, C, U;
    Geometry(int x, int y, int h, int c) : X0(x + c * 3 / 2), Y0(y + 4 * (h / 40)), C(c), U(h / 40) {}
};

// Calls block(month, bx, by) for every month block and day(month, d, x, y, line) for its days,
// x being the right edge of the number; stops when `day` returns true.
template <class Block, class Day>
void WalkYear(const Geometry& g, int year, Block block, Day day) {
    int bx = g.X0, by = g.Y0;
    for (int m = 1; m <= 12; ++m) {
        block(m, bx, by);
        int line = Wochentag(year, m, 1) - 1, column = 0;
        for (int d = 1; d <= TageImMonat(year, m); ++d) {
            if (day(m, d, bx + g.C + column * g.C, by + line * g.U, line)) return;
            if (++line == 7) {
                line = 0;
                ++column;
            }
        }
        if (m % 3 == 0) {
            bx = g.X0;
            by += 9 * g.U;
        } else {
            bx += 6 * g.C;
        }
    }
}
}  // namespace

YearCalendarFont FitYearCalendarFont(Canvas& canvas, int w, int h) {
    const int u = h / 40;
    int f = u + 1;
    // Bounded: a canvas whose fonts do not grow must not loop for ever.
    while (f < 4 * u + 8 && canvas.FontAscent(CalendarFont(f)) <= u) ++f;
    int c = CellWidthOf(canvas, f);
    while (c * 39 / 2 > w && f > 1) c = CellWidthOf(canvas, --f);
    return YearCalendarFont{f, c};
}

int DrawYearCalendar(Canvas& canvas, YearCalendarFont& font, const YearCalendarHolidays& holidays, int x, int y,
                     int w, int h, int year) {
    if (font.Height == 0) font = FitYearCalendarFont(canvas, w, h);
    const Geometry g(x, y, h, font.CellWidth);
    const FontSpec text = CalendarFont(font.Height);

    const std::string number = Format("%d", year);
    const FontSpec big = CalendarFont(font.Height * 7 / 4);
    canvas.DrawText(g.X0 + 9 * g.C - canvas.MeasureText(number, big).Cx / 2, y, number, TextStyle{big, Rgb{}});

    const int gridTop = g.Y0 - g.U * 17 / 10;
    for (int k = 0; k <= 4; ++k) canvas.Line(g.X0, gridTop + k * 9 * g.U, g.X0 + 18 * g.C, gridTop + k * 9 * g.U, {});
    for (int k = 0; k <= 3; ++k) canvas.Line(g.X0 + k * 6 * g.C, gridTop, g.X0 + k * 6 * g.C, gridTop + 36 * g.U, {});

    const int labelX = g.X0 - canvas.MeasureText("Mo ", text).Cx;
    for (int row = 0; row < 4; ++row)
        for (int i = 0; i < 7; ++i)
            canvas.DrawText(labelX, g.Y0 + row * 9 * g.U + i * g.U, LoadResString(IDS_MO + i),
                            TextStyle{text, i == 6 ? Red : Rgb{}});

    WalkYear(
        g, year,
        [&](int m, int bx, int by) {
            canvas.DrawText(bx + 3 * g.C, by - g.U * 3 / 2, Monatsname(m), TextStyle{text, Rgb{}, TextAlign::Center});
        },
        [&](int m, int d, int dx, int dy, int line) {
            const bool red = line == 6 || IsPublicHoliday(holidays.Table, holidays.Config, year, m, d);
            canvas.DrawText(dx, dy, Format("%d", d), TextStyle{text, red ? Red : Rgb{}, TextAlign::Right});
            return false;
        });
    return g.C * 39 / 2;
}

YearCalendarHitResult YearCalendarHit(Canvas& canvas, int x, int y, int w, int h, int year, int px, int py) {
    const YearCalendarFont font = FitYearCalendarFont(canvas, w, h);
    const Geometry g(x, y, h, font.CellWidth);
    YearCalendarHitResult hit;
    hit.Width = g.C * 39 / 2;
    WalkYear(
        g, year, [](int, int, int) {},
        [&](int m, int d, int dx, int dy, int) {
            if (px < dx - g.C || px > dx || py < dy || py > dy + g.U) return false;
            hit.Year = year;
            hit.Month = m;
            hit.Day = d;
            return true;
        });
    return hit;
}

namespace {
int CalendarHeight(const PickerClient& c) { return c.Bottom - c.ButtonBand - 8; }
}  // namespace

void PaintDatePicker(Canvas& canvas, YearCalendarFont& font, const YearCalendarHolidays& holidays,
                     const PickerClient& client, int year) {
    canvas.FillRect(0, 0, client.Right, client.Bottom, LightGrey);
    const int w = client.Right / 2, h = CalendarHeight(client);
    const int used = DrawYearCalendar(canvas, font, holidays, 2, 0, w, h, year);
    DrawYearCalendar(canvas, font, holidays, client.Right - used - 3, 0, w, h, year + 1);
}

YearCalendarHitResult DatePickerHit(Canvas& canvas, const PickerClient& client, int year, int px, int py) {
    const int w = client.Right / 2, h = CalendarHeight(client);
    const YearCalendarHitResult first = YearCalendarHit(canvas, 2, 0, w, h, year, px, py);
    if (first.Month != 0) return first;
    return YearCalendarHit(canvas, client.Right - first.Width - 3, 0, w, h, year + 1, px, py);
}

PickerOrigin PlacePicker(int frameX, int frameY, int screenWidth, int screenHeight) {
    PickerOrigin o{frameX + 14, frameY + 10};
    if (screenWidth < o.X + PickerWidth) o.X = 10;
    if (screenHeight < o.Y + PickerHeight) o.Y = 30;
    return o;
}
