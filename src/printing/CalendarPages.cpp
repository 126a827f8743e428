// The day, week and month pages: page frames and titles around the view painters.
#include "printing/PrintPages.h"

#include "core/TextFormat.h"
#include "settings/Settings.h"
#include "store/ClsListe.h"
#include "store/DatumText.h"
#include "views/DayCell.h"
#include "views/DayHeading.h"
#include "views/DayView.h"
#include "views/OverviewPaint.h"
#include "views/ViewLayout.h"

namespace {

constexpr Rgb WeekNumberBlue{0, 0, 255};

FontSpec BoldFont(double height) { return FontSpec{int(height), 700, FontFamily::Swiss}; }

Zeitpunkt PlusDays(const Zeitpunkt& d, int days) { return FromMinutes(ToMinutes(d) + uint32_t(days) * 1440u); }

}  // namespace

void DrawWeekPage(PaintContext& ctx, Canvas& canvas, const PrintOptions& o, const PageRect& a) {
    const double u = a.H * 0.02;  // the page is 50 units high
    canvas.Rectangle(a.X, a.Y, a.X + a.W, a.Y + a.H, PenSpec{});
    int r = o.FontHeight ? o.FontHeight : int(u - 1.5);

    const Zeitpunkt monday = WeekMonday(o.Date.Jahr, o.Date.Monat, o.Date.Tag);
    const Zeitpunkt sunday = PlusDays(monday, 6);
    // Named from the Monday, so a date typed in mid-week gives the same title as its Monday.
    std::string title = Monatsname(monday.Monat);
    if (sunday.Monat != monday.Monat) title += std::string("/") + Monatsname(sunday.Monat);
    canvas.DrawText(a.X + a.W / 2, a.Y + 1, title, TextStyle{BoldFont((u - 1.5) * 2), Rgb{}, TextAlign::Center});
    if (!o.FontHeight) r = r * 7 / 6;

    const bool two = o.Kind == PrintKind::WeekTwoColumns;
    const int columnWidth = two ? a.W / 2 : a.W;
    if (two) canvas.Line(a.X + a.W / 2, a.Y + int(u * 2 + 0.5), a.X + a.W / 2, a.Y + a.H, PenSpec{});
    const ViewTarget target = o.Colour ? ViewTarget::PrintWeekColour : ViewTarget::PrintWeekBlack;
    ctx.Liste.SucheTag(monday);
    int p = 2;
    for (int i = 0; i < 7; ++i) {
        if (two && i == 3) p = 2;  // Thursday to Sunday in the right column
        const int column = two && i >= 3 ? 1 : 0;
        const int span = (two ? 16 : 8) / (i >= 5 ? 2 : 1);
        const int x = a.X + column * columnWidth;
        const int top = a.Y + int(u * p + 0.5);
        canvas.Line(x, top, x + columnWidth, top, PenSpec{});
        DrawDayCell(ctx, canvas, x, top, columnWidth, int(u * span), r * 3 / 2, r, r * 3 / 4, PlusDays(monday, i),
                    target);
        p += span;
    }
}

void DrawMonthPage(PaintContext& ctx, Canvas& canvas, const PrintOptions& o, const PageRect& a) {
    const double u = a.H / 52.0;
    const int jahr = o.Date.Jahr, monat = o.Date.Monat;
    const auto at = [&](double units) { return a.Y + int(u * units); };
    canvas.Rectangle(a.X, at(2), a.X + a.W, a.Y + a.H, PenSpec{});
    int r = o.FontHeight ? o.FontHeight : int(u - 1.5);
    canvas.DrawText(a.X + a.W / 2, a.Y + 1, Format("%s %d", Monatsname(monat), jahr),
                    TextStyle{BoldFont((u - 1.5) * 2), Rgb{}, TextAlign::Center});

    const FontSpec heading = BoldFont((u - 1.5) * 1.5);
    const int numberWidth = canvas.MeasureText("88. ", heading).Cx;
    const int x0 = a.X + numberWidth;
    const int c = (a.W - numberWidth) / 7;
    if (!o.FontHeight) r = r * 7 / 6;
    for (int k = 0; k < 6; ++k) canvas.Line(x0, at(4 + 8 * k), a.X + a.W, at(4 + 8 * k), PenSpec{});
    for (int k = 0; k < 7; ++k) canvas.Line(x0 + c * k, at(4), x0 + c * k, at(52), PenSpec{});

    const bool colour = o.Colour;
    const ViewTarget target = colour ? ViewTarget::PrintMonthColour : ViewTarget::PrintMonthBlack;
    const Rgb sundayColour = ViewColour(target, ctx.Config.Look.Farben.Colour(RoleFeiertage));
    for (int i = 0; i < 7; ++i)
        canvas.DrawText(x0 + c * i + c / 2, at(2.5), WeekdayName(i + 1, false),
                        TextStyle{heading, i == 6 ? sundayColour : Rgb{}, TextAlign::Center});

    // Week numbers of the printed month, centred in the height of their row.
    const int textHeight = canvas.MeasureText("88.", heading).Cy;
    const TextStyle number{heading, colour ? WeekNumberBlue : Rgb{}, TextAlign::Right};
    const int first = FirstWeekNumber(jahr, monat);
    for (int row = 0; row < MonthRows(jahr, monat); ++row)
        if (first + row >= 1)
            canvas.DrawText(x0, at(8 + 8 * row) - textHeight / 2, Format("%2d.", first + row), number);

    const int cellRow = o.FontHeight ? o.FontHeight : r * 2 / 3;
    const int firstColumn = Wochentag(jahr, monat, 1) - 1;
    ctx.Liste.SucheTag(MachZeitpunkt(jahr, monat, 1));
    for (int d = 1; d <= TageImMonat(jahr, monat); ++d) {
        const int slot = firstColumn + d - 1;
        DrawDayCell(ctx, canvas, x0 + c * (slot % 7), at(4 + 8 * (slot / 7)), c, int(u * 8), cellRow * 3 / 2, cellRow,
                    cellRow * 3 / 4, MachZeitpunkt(jahr, monat, d), target);
    }
}

void PrintPage(PaintContext& ctx, ClsAdrListe& adressen, Canvas& canvas, const PrintOptions& o, const PageRect& area,
               PageFeed& feed) {
    Settings config = ctx.Config;
    if (o.Kind == PrintKind::Month) config.Mode = ViewMode::Month;  // the painters name holidays by the mode
    ViewState view;
    view.Now = ctx.View.Now;
    PaintContext page{ctx.Liste, ctx.Holidays, config, view};
    const bool saved = ctx.Liste.MerkePosition();
    switch (o.Kind) {
    case PrintKind::Day: {
        const int rowHeight = o.FontHeight ? o.FontHeight : area.H / 28;
        DrawDayView(page, canvas, area.X, area.Y, area.W, area.H, rowHeight, o.Date,
                    o.Colour ? ViewTarget::PrintDayColour : ViewTarget::PrintDayBlack);
        break;
    }
    case PrintKind::Week:
    case PrintKind::WeekTwoColumns: DrawWeekPage(page, canvas, o, area); break;
    case PrintKind::Month: DrawMonthPage(page, canvas, o, area); break;
    case PrintKind::List:
    case PrintKind::ListWithAddresses: DrawListPage(page, adressen, canvas, o, area, feed); break;
    }
    if (saved) ctx.Liste.HolePosition();
}
