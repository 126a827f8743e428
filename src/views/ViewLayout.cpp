// ComputeLayout for the three view modes, the week and month cells, and the view title.
#include "views/ViewLayout.h"

#include "core/ResString.h"
#include "core/ResourceIds.h"
#include "store/DatumText.h"
#include "core/TextFormat.h"

FontSpec RowFont(int rowHeight) { return FontSpec{rowHeight, 700, FontFamily::Swiss}; }
FontSpec HeadingFont(int headingHeight) { return FontSpec{headingHeight, 700, FontFamily::Roman}; }

namespace {

void DayLayout(Layout& l, const ClientRect& c, const FontLimits& limits) {
    l.Margin = c.Bottom / 66;
    l.TitleBand = l.Margin;
    l.GridLeft = l.Margin;
    l.GridTop = c.Top + l.Margin;
    l.CellWidth = (c.Right - l.GridLeft + 1 - l.Margin) / 2;
    l.CellHeight = c.Bottom - l.GridTop + 1 - l.Margin;
    l.GridRight = l.GridLeft + 2 * l.CellWidth;
    l.GridBottom = l.GridTop + l.CellHeight;
    // Fit the row height to the column once upwards and once downwards; HeadingHeight stays.
    l.TimeGridBottom = l.GridTop + l.HeadingHeight + 24 * l.RowHeight - 21;
    if (l.GridTop + l.Margin + l.CellHeight - 26 - 2 * l.RowHeight > l.TimeGridBottom &&
        l.RowHeight < limits.Max) {
        ++l.RowHeight;
        l.TimeGridBottom = l.GridTop + l.Margin + l.HeadingHeight + 24 * l.RowHeight - 21;
    }
    if (!(l.GridBottom - l.RowHeight - 2 > l.TimeGridBottom) && l.RowHeight > limits.Min) {
        --l.RowHeight;
        l.TimeGridBottom = l.GridTop + l.HeadingHeight + 24 * l.RowHeight - 21;
    }
}

void WeekLayout(Layout& l, const ClientRect& c) {
    l.Margin = l.TitleBand / 3;
    l.GridLeft = l.Margin;
    l.GridTop = c.Top + l.TitleBand * 12 / 10;
    l.CellWidth = (c.Right - l.GridLeft + 1 - l.Margin) / 2;
    l.CellHeight = (c.Bottom - l.GridTop + 1 - l.TitleBand / 3) / 3;
    l.GridRight = l.GridLeft + 2 * l.CellWidth;
    l.GridBottom = l.GridTop + 3 * l.CellHeight;
    l.HalfCell = l.CellHeight / 2;
}

void MonthLayout(Layout& l, const ClientRect& c, Canvas& canvas) {
    const TextSize s22 = canvas.MeasureText("22.", RowFont(l.RowHeight));
    l.Width22 = s22.Cx;
    l.Height22 = s22.Cy;
    l.Margin = l.Width22 + 3;
    l.GridTop = c.Top + 2 * l.TitleBand;
    l.CellHeight = (c.Bottom - l.GridTop - 3) / 6;
    l.GridBottom = l.GridTop + 6 * l.CellHeight;
    l.GridLeft = c.Left + l.Margin;
    l.CellWidth = (c.Right - l.GridLeft - 2) / 7;
    l.GridRight = l.GridLeft + 7 * l.CellWidth;
}

}  // namespace

Layout ComputeLayout(ViewMode mode, const ClientRect& client, const FontLimits& limits, Canvas& canvas) {
    Layout l;
    const int h = client.Bottom - client.Top;
    l.SmallHeight = (h / 6) / 5;
    l.RowHeight = h / 26;
    if (l.RowHeight < limits.Min) l.RowHeight = limits.Min;
    else if (l.RowHeight > limits.Max) l.RowHeight = limits.Max;
    l.HeadingHeight = l.RowHeight * 3 / 2;
    l.TitleBand = l.HeadingHeight * 6 / 7;
    switch (mode) {
    case ViewMode::Day: DayLayout(l, client, limits); break;
    case ViewMode::Week: WeekLayout(l, client); break;
    default: MonthLayout(l, client, canvas); break;
    }
    return l;
}

CellRect WeekCell(const Layout& l, int i) {
    const int y0 = l.GridTop - 1;
    const int right = l.GridLeft + l.CellWidth;
    switch (i) {
    case 0: return {l.GridLeft, y0, l.CellWidth, l.CellHeight};
    case 1: return {l.GridLeft, y0 + l.CellHeight, l.CellWidth, l.CellHeight};
    case 2: return {l.GridLeft, y0 + 2 * l.CellHeight, l.CellWidth, l.CellHeight};
    case 3: return {right, y0, l.CellWidth, l.CellHeight};
    case 4: return {right, y0 + l.CellHeight, l.CellWidth, l.CellHeight};
    case 5: return {right, y0 + 2 * l.CellHeight, l.CellWidth, l.CellHeight - l.HalfCell};
    default: return {right, y0 + 3 * l.CellHeight - l.HalfCell, l.CellWidth, l.CellHeight - l.HalfCell};
    }
}

CellRect MonthCell(const Layout& l, int ersterWochentag, int d) {
    const int slot = ersterWochentag - 1 + d - 1;
    const int column = slot % 7, row = slot / 7;
    return {l.GridLeft + column * l.CellWidth, l.GridTop + row * l.CellHeight - 1, l.CellWidth, l.CellHeight};
}

Zeitpunkt WeekMonday(int jahr, int monat, int tag) {
    return DatumAusTagDesJahres(jahr, TagDesJahres(jahr, monat, tag) - (Wochentag(jahr, monat, tag) - 1));
}

std::string ViewTitle(ViewMode mode, int jahr, int monat, int tag) {
    switch (mode) {
    case ViewMode::Day: return DatumText(DatumAusTagDesJahres(jahr, TagDesJahres(jahr, monat, tag)), DatumStil::Titel);
    case ViewMode::Week: {
        const Zeitpunkt mo = WeekMonday(jahr, monat, tag);
        const Zeitpunkt so = DatumAusTagDesJahres(mo.Jahr, TagDesJahres(mo.Jahr, mo.Monat, mo.Tag) + 6);
        return DatumText(mo, DatumStil::Titel) + " " + LoadResString(IDS_BIS) + " " + DatumText(so, DatumStil::Titel);
    }
    default: return Format("%s %d", Monatsname(monat), jahr);
    }
}
