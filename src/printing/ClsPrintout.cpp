// ClsPrintout: the drawing area from the margins, then the page of the chosen kind.
#include "printing/ClsPrintout.h"

#include "framework/GdiCanvas.h"
#include "printing/ClsPrinter.h"

#include <utility>

ClsPrintout::ClsPrintout(std::string title, PaintContext& ctx, ClsAdrListe& adressen, const PrintOptions& options)
    : title_(std::move(title)), ctx_(ctx), adressen_(adressen), options_(options) {}

void ClsPrintout::PrintPage(int page, HDC dc, PageFeed& feed) {
    if (!HasPage(page)) return;
    const PageRect area = DrawingArea(ReadMetrics(dc), options_.Margins);
    GdiCanvas canvas(dc);
    ::PrintPage(ctx_, adressen_, canvas, options_, area, feed);
}
