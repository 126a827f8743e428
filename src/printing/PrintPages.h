// The printed pages: a day through the day painter, a week in one or two columns and a month
// through the cell painter, and the list of a date range. All of them draw on a Canvas in
// the device units of the page rectangle.
#pragma once
#include "drawing/Canvas.h"
#include "printing/PrintOptions.h"
#include "views/ViewState.h"

class ClsAdrListe;

// Ends the page drawn so far and starts the next one (page breaks of the list).
class PageFeed {
public:
    virtual ~PageFeed() = default;
    virtual void NextPage() = 0;
};

// Draws the page of `o.Kind` into `area`. Works on a view state of its own (the screen's is
// left alone), shows the month page under the month view's holiday names, and keeps the
// collection's position.
void PrintPage(PaintContext& ctx, ClsAdrListe& adressen, Canvas& canvas, const PrintOptions& o, const PageRect& area,
               PageFeed& feed);

// Pages by kind, called by PrintPage.
void DrawWeekPage(PaintContext& ctx, Canvas& canvas, const PrintOptions& o, const PageRect& a);
void DrawMonthPage(PaintContext& ctx, Canvas& canvas, const PrintOptions& o, const PageRect& a);
void DrawListPage(PaintContext& ctx, ClsAdrListe& adressen, Canvas& canvas, const PrintOptions& o, const PageRect& a,
                  PageFeed& feed);
