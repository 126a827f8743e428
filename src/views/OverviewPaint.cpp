// PaintWeekView and PaintMonthView.
#include "views/OverviewPaint.h"

#include "settings/Settings.h"
#include "store/ClsListe.h"
#include "core/TextFormat.h"
#include "views/AppointmentLine.h"
#include "views/DayCell.h"
#include "views/DayHeading.h"
#include "views/SelectionFrame.h"
#include "views/ViewState.h"

namespace {

// The title in a box centred over the grid, in the heading font.
void TitleBox(PaintContext& ctx, Canvas& canvas, const ClientRect& client, int textTop) {
    const Layout& l = ctx.View.Grid;
    const SelectedDate& sel = ctx.View.Selected;
    const std::string title = ViewTitle(ctx.Config.Mode, sel.Year, sel.Month, sel.Day);
    const FontSpec font = HeadingFont(l.HeadingHeight);
    const TextSize s = canvas.MeasureText(title, font);
    const int span = l.GridRight - l.GridLeft;
    canvas.Rectangle((span - s.Cx * 11 / 10) / 2, client.Top + 2, (span + s.Cx * 11 / 10) / 2, client.Top + s.Cy,
                     PenSpec{});
    canvas.DrawText(span / 2, textTop, title, TextStyle{font, Rgb{}, TextAlign::Center});
}

void Grid(PaintContext& ctx, Canvas& canvas, int columns, int rows) {
    const Layout& l = ctx.View.Grid;
    canvas.FillRect(l.GridLeft, l.GridTop, l.GridRight, l.GridBottom, ctx.Config.Look.Farben.Colour(RoleHintergrund));
    for (int i = 0; i <= rows; ++i)
        canvas.Line(l.GridLeft, l.GridTop + i * l.CellHeight, l.GridRight, l.GridTop + i * l.CellHeight, PenSpec{});
    for (int i = 0; i <= columns; ++i)
        canvas.Line(l.GridLeft + i * l.CellWidth, l.GridTop, l.GridLeft + i * l.CellWidth, l.GridBottom + 1, PenSpec{});
}

bool IsSelected(const SelectedDate& s, const Zeitpunkt& d) {
    return d.Jahr == s.Year && d.Monat == s.Month && d.Tag == s.Day;
}

// Hit-grid cell, cell painter, selection frame rectangle of one day.
void Day(PaintContext& ctx, Canvas& canvas, const CellRect& cell, int block, const Zeitpunkt& date, int frameBottom,
         ViewTarget target) {
    ViewState& v = ctx.View;
    const Layout& l = v.Grid;
    v.Grid.CurrentBlock = block;
    v.Hits.Set(block, HitGrid::WholeCell, cell.X, cell.Y, cell.Width, cell.Height, date);
    DrawDayCell(ctx, canvas, cell.X, cell.Y, cell.Width, cell.Height, l.HeadingHeight, l.RowHeight, l.SmallHeight, date, target);
    if (date.Tag < 1 || date.Tag > 31) return;
    DayRect& frame = v.DayFrames.Day[date.Tag];
    frame = DayRect{cell.X + 1, cell.Y + 2, cell.X + l.CellWidth - 1, frameBottom};
    if (IsSelected(v.Selected, date)) DrawSelectionFrame(canvas, v.Frame, ctx.Config, frame);
}

}  // namespace

int FirstWeekNumber(int jahr, int monat) {
    const int j = Wochentag(jahr, 1, 1);
    const int d = TagDesJahres(jahr, monat, 1);
    return ((d + 6) - (8 - j)) / 7 + (j < 5 ? 1 : 0);
}

int MonthRows(int jahr, int monat) {
    return (Wochentag(jahr, monat, 1) - 1 + TageImMonat(jahr, monat) + 6) / 7;
}

void PaintWeekView(PaintContext& ctx, Canvas& canvas, const ClientRect& client) {
    const Layout& l = ctx.View.Grid;
    const SelectedDate& s = ctx.View.Selected;
    TitleBox(ctx, canvas, client, client.Top + 1);
    Grid(ctx, canvas, 2, 3);
    const int weekendLine = l.GridTop + 3 * l.CellHeight - l.HalfCell;
    canvas.Line(l.GridLeft + l.CellWidth, weekendLine, l.GridRight, weekendLine, PenSpec{});

    const Zeitpunkt sel = DayOf(s);
    const uint32_t monday = ToMinutes(sel) - uint32_t(Wochentag(sel.Jahr, sel.Monat, sel.Tag) - 1) * 1440u;
    ctx.Liste.SucheTag(FromMinutes(monday));
    for (int i = 0; i < 7; ++i) {
        const Zeitpunkt date = FromMinutes(monday + uint32_t(i) * 1440u);
        const CellRect cell = WeekCell(l, i);
        const int bottom = i < 5 ? cell.Y + l.CellHeight
                         : i == 5 ? cell.Y + l.CellHeight - l.HalfCell
                                  : l.GridTop - 1 + 3 * l.CellHeight;
        Day(ctx, canvas, cell, i, date, bottom, ViewTarget::Week);
    }
}

void PaintMonthView(PaintContext& ctx, Canvas& canvas, const ClientRect& client) {
    const Layout& l = ctx.View.Grid;
    const int jahr = ctx.View.Selected.Year, monat = ctx.View.Selected.Month;
    TitleBox(ctx, canvas, client, client.Top);
    Grid(ctx, canvas, 7, 6);

    const ColourTable& farben = ctx.Config.Look.Farben;
    for (int i = 0; i < 7; ++i) {
        const Rgb colour = farben.Colour(i == 6 ? RoleFeiertage : RoleWochentage);
        canvas.DrawText(l.GridLeft + i * l.CellWidth + l.CellWidth / 2 + 4 - l.Width22 / 2, client.Top + l.TitleBand,
                        WeekdayName(i + 1, false), TextStyle{HeadingFont(l.HeadingHeight), colour});
    }

    const TextStyle weekNumber{RowFont(l.RowHeight), Rgb{}, TextAlign::Right};
    const int first = FirstWeekNumber(jahr, monat);
    const int rows = MonthRows(jahr, monat);
    for (int r = 0; r < rows; ++r) {
        if (first + r < 1) continue;
        canvas.DrawText(l.GridLeft, l.GridTop + r * l.CellHeight + l.CellHeight / 2 - l.Height22 / 2,
                        Format("%2d.", first + r), weekNumber);
    }

    const int firstWeekday = Wochentag(jahr, monat, 1);
    ctx.Liste.SucheTag(MachZeitpunkt(jahr, monat, 1));
    for (int d = 1; d <= TageImMonat(jahr, monat); ++d) {
        const CellRect cell = MonthCell(l, firstWeekday, d);
        Day(ctx, canvas, cell, d - 1, MachZeitpunkt(jahr, monat, d), cell.Y + l.CellHeight, ViewTarget::Month);
    }
}
