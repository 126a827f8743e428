// Layout of the calendar window: the client rectangle turned into the cell grid of the day,
// week or month view, recomputed at every paint, and the title text of the view.
#pragma once
#include "store/Zeitpunkt.h"
#include "drawing/Canvas.h"
#include "settings/ViewMode.h"

#include <string>

struct ClientRect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
};

struct Layout {
    int GridLeft = 0, GridTop = 0, GridRight = 0, GridBottom = 0;
    int CellWidth = 0, CellHeight = 0;
    int HalfCell = 0;        // week view: height of the Saturday and Sunday cells
    int RowHeight = 0;       // text row height
    int HeadingHeight = 0;   // RowHeight * 3 / 2 before the day view's fit
    int TitleBand = 0;       // band above the grid that holds the title
    int Margin = 0;          // left margin of the grid
    int SmallHeight = 0;     // small font of the day cells
    int TimeGridBottom = 0;  // day view: bottom of the 24 rows; the day painter stores it
    int Width22 = 0, Height22 = 0;  // month view: "22." in the row font
    int CurrentBlock = 0;    // hit-grid block the cell painter fills
};

struct FontLimits {
    int Min = 6;
    int Max = 24;
};

// Row font of the paint and the layout (weight 700, swiss).
FontSpec RowFont(int rowHeight);
// Heading font of the week and month views (weight 700, roman).
FontSpec HeadingFont(int headingHeight);

// All divisions truncate toward zero in the written order; sizes are signed 32-bit pixels.
// The month view measures "22." on the canvas in the row font (restored afterwards).
Layout ComputeLayout(ViewMode mode, const ClientRect& client, const FontLimits& limits, Canvas& canvas);

struct CellRect {
    int X = 0, Y = 0, Width = 0, Height = 0;
};

// Week view: cell of the day i (0 Monday ... 6 Sunday).
CellRect WeekCell(const Layout& l, int i);
// Month view: cell of day d of a month whose first day has weekday `ersterWochentag` (1 Monday).
CellRect MonthCell(const Layout& l, int ersterWochentag, int d);

// Monday of the week holding the date (time 0:00); may lie in the previous year.
Zeitpunkt WeekMonday(int jahr, int monat, int tag);

// Title of the view for the date: the date; Monday "bis" Sunday; month name and year.
std::string ViewTitle(ViewMode mode, int jahr, int monat, int tag);
