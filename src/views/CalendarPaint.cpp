// PaintCalendarView: the paint routine of the calendar window against a Canvas.
#include "views/CalendarPaint.h"

#include "holidays/FeiertagTabelle.h"
#include "settings/Settings.h"
#include "store/ClsListe.h"
#include "views/AppointmentLine.h"
#include "views/DayView.h"
#include "views/OverviewPaint.h"

void PaintCalendarView(PaintContext& ctx, Canvas& canvas, const ClientRect& client) {
    ViewState& v = ctx.View;
    const Appearance& look = ctx.Config.Look;
    canvas.FillRect(client.Left, client.Top, client.Right, client.Bottom, Rgb{255, 255, 224});
    v.Hits.Clear();
    v.Now = Jetzt();
    const ViewMode mode = ctx.Config.Mode;
    const FontLimits limits{look.MinStdFontHeight, look.MaxStdFontHeight};
    v.Grid = ComputeLayout(mode, client, limits, canvas);
    const Layout& l = v.Grid;

    ctx.Holidays.Berechne(v.Selected.Year, false);
    const bool saved = ctx.Liste.MerkePosition();
    if (mode == ViewMode::Day) {
        canvas.FillRect(l.GridLeft, l.GridTop, l.GridRight, l.GridBottom, look.Farben.Colour(RoleHintergrund));
        v.Grid.CurrentBlock = 0;
        DrawDayView(ctx, canvas, l.GridLeft, l.GridTop, l.GridRight - l.GridLeft, l.GridBottom - l.GridTop,
                    l.RowHeight, DayOf(v.Selected), ViewTarget::Day);
    } else if (mode == ViewMode::Week) {
        PaintWeekView(ctx, canvas, client);
    } else {
        PaintMonthView(ctx, canvas, client);
    }
    if (saved) ctx.Liste.HolePosition();
}
