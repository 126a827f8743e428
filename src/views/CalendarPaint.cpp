// PaintCalendarView: the paint routine of the calendar window against a Canvas.
#include "views/CalendarPaint.h"

#include "app/Settings.h"
#include "holidays/FeiertagTabelle.h"
#include "settings/Appearance.h"
#include "store/ClsListe.h"
#include "views/AppointmentLine.h"
#include "views/DayView.h"
#include "views/DisplayState.h"
#include "views/OverviewPaint.h"

void PaintCalendarView(Canvas& canvas, const ClientRect& client) {
    canvas.FillRect(client.Left, client.Top, client.Right, client.Bottom, Rgb{255, 255, 224});
    Hits.Clear();
    ViewNow = Jetzt();
    const int mode = TheSettings.Mode;
    const FontLimits limits{TheAppearance.MinStdFontHeight, TheAppearance.MaxStdFontHeight};
    TheLayout = ComputeLayout(mode, client, limits, canvas);
    const Layout& l = TheLayout;

    const FontSpec oldFont = canvas.SetFont(HeadingFont(l.HeadingHeight));
    const bool oldTransparent = canvas.SetTransparent(true);
    BerechneFeiertage(Selected.Year, false);
    const bool saved = Liste.MerkePosition();
    if (mode == 0) {
        canvas.FillRect(l.GridLeft, l.GridTop, l.GridRight, l.GridBottom, TheAppearance.Farben.Colour(RoleHintergrund));
        TheLayout.CurrentBlock = 0;
        DrawDayView(canvas, l.GridLeft, l.GridTop, l.GridRight - l.GridLeft, l.GridBottom - l.GridTop, l.RowHeight,
                    MachZeitpunkt(Selected.Year, Selected.Month, Selected.Day), ViewTarget::Day);
    } else if (mode == 1) {
        PaintWeekView(canvas, client);
    } else {
        PaintMonthView(canvas, client);
    }
    if (saved) Liste.HolePosition();
    canvas.SetTransparent(oldTransparent);
    canvas.SetFont(oldFont);
    TheAppearance.FontHeightInUse = l.RowHeight;
}
