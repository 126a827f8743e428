// DrawDayCell: the heading of a day cell and its appointment lines with reserve, markers,
// overflow marker and hit-grid entries.
#include "views/DayCell.h"

#include "settings/Settings.h"
#include "store/ClsListe.h"
#include "store/DatumText.h"
#include "core/TextFormat.h"
#include "views/AppointmentLine.h"
#include "views/DayHeading.h"
#include "views/OverflowMarker.h"
#include "views/ViewState.h"

namespace {

bool IsWeekLayout(ViewTarget target) {
    return target == ViewTarget::Week || target == ViewTarget::PrintWeekBlack ||
           target == ViewTarget::PrintWeekColour;
}

}  // namespace

std::string CellLineText(const Termin& t, bool weekLayout) {
    if (t.Hat(FlagOhneZeit)) return t.Kurzbeschr;
    std::string text = ZeitText(t.Start.Stunde, t.Start.Minute, true);
    if (!weekLayout) {
        text += " ";
    } else if (t.Hat(FlagOhneEnde)) {
        text += "              ";
    } else {
        std::string ende = EndeText(t.Ende.Stunde, t.Ende.Minute);  // " - %2d:%02d"
        if (t.Ende.Stunde >= 0 && t.Ende.Stunde < 10) ende.erase(3, 1);
        text += ende + " ";
    }
    if (t.Start.Stunde >= 0 && t.Start.Stunde < 10) text.erase(0, 1);
    return text + t.Kurzbeschr;
}

void DrawDayCell(PaintContext& ctx, Canvas& canvas, int x, int y, int w, int h, int headingHeight, int rowHeight,
                 int smallHeight, const Zeitpunkt& day, ViewTarget target) {
    const bool screen = IsScreen(target);
    const bool week = IsWeekLayout(target);
    const int inset = rowHeight / 4;
    const int pitch = rowHeight - 1;
    const int weight = screen ? 700 : 400;
    const FontSpec textFont{rowHeight, weight, FontFamily::Swiss};
    const int reserveOne = screen ? canvas.MeasureText(MarkerOne, textFont).Cx : 0;
    const int reserveBoth = screen ? canvas.MeasureText(MarkerBoth, textFont).Cx : 0;

    const DayHeading head = LookUpDayHeading(ctx, day);
    const Rgb headColour = ViewColour(target, head.Colour);
    const TextStyle number{FontSpec{headingHeight, weight, FontFamily::Swiss}, headColour};
    const std::string numberText = Format("%2d ", day.Tag);
    canvas.DrawText(x + inset, y + 1, numberText, number);
    int headingEnd = x + inset + canvas.MeasureText(numberText, number.Font).Cx;
    if (week) {
        const std::string weekday = WeekdayName(head.Weekday, true);
        canvas.DrawText(headingEnd, y + 1, weekday, TextStyle{textFont, headColour});
        headingEnd += canvas.MeasureText(weekday, textFont).Cx;
    }
    const TextStyle small{FontSpec{smallHeight, 700, FontFamily::Roman}, headColour, TextAlign::Right};
    // A holiday name too long for a narrow cell is cut rather than drawn over the day number.
    if (!head.Holiday.empty())
        canvas.DrawText(x + w - 4, y + 1, FitText(canvas, small.Font, head.Holiday, x + w - 4 - headingEnd), small);
    else
        canvas.DrawText(x + w - inset, y + 1, Format("%3d", head.DayOfYear), small);

    int ly = y + headingHeight - (week ? 0 : 3);
    int n = 0;
    ViewState& view = ctx.View;
    const int block = view.Grid.CurrentBlock;
    Termin probe;
    probe.Start = day;
    while (const Termin* p = ctx.Liste.Hole(probe, true)) {
        if (n > 0 && y + h < ly + rowHeight) {
            DrawOverflowMarker(canvas, x + w, y + h, rowHeight);
            break;
        }
        const bool one = HasLongText(probe) != HasAddress(probe);
        const int reserve = one ? reserveOne : HasLongText(probe) ? reserveBoth : 0;
        std::string text = FitText(canvas, textFont, CellLineText(probe, week), w - inset - reserve);
        if (screen) text += Markers(probe);
        const Rgb colour = ViewColour(target, AppointmentColour(ctx.Config.Look.Farben, probe, view.Now));
        canvas.DrawText(x + inset, ly, text, TextStyle{textFont, colour});
        if (screen && n < HitGrid::WholeCell)
            view.Hits.Set(block, n, x, ly, view.Grid.CellWidth, rowHeight - 1, probe.Start, SlotIndex(ctx.Liste, p));
        ly += pitch;
        ++n;
    }
    if (screen && n < HitGrid::WholeCell)
        view.Hits.Set(block, n, x, ly, view.Grid.CellWidth, h - (ly - y), Zeitpunkt{});
}
