// What the print dialog chose and the rules it reads its fields with: the page kinds, the
// printer's minimum margins, margins in centimetres with a decimal comma, date fields read
// from their end and the job titles.
#pragma once
#include "store/Zeitpunkt.h"

#include <string>

enum class PrintKind { Day = 0, Week = 1, Month = 2, WeekTwoColumns = 3, List = 4, ListWithAddresses = 5 };

enum MarginSide { MarginLeft = 0, MarginRight = 1, MarginTop = 2, MarginBottom = 3 };

struct PrintOptions {
    PrintKind Kind = PrintKind::Day;
    Zeitpunkt Date;     // the page's date, or the first day of the range (time 0:00)
    Zeitpunkt EndDate;  // last day of the range
    bool Colour = false;
    int Margins[4] = {0, 0, 0, 0};  // left, right, top, bottom in 0.1 mm
    int FontHeight = 0;             // device units, 0 = automatic
};

// The printer as the escapes and device capabilities report it.
struct PrinterMetrics {
    int OffsetX = 0, OffsetY = 0;          // printing offset, 0.1 mm
    int PageWidth = 0, PageHeight = 0;     // physical page, 0.1 mm
    int PrintableWidthMm = 0, PrintableHeightMm = 0;
    int DpiX = 300, DpiY = 300;            // device units per inch
};

// "device" of section "windows" split into device, driver and port; empty when a part is missing.
struct PrinterName {
    std::string Device, Driver, Port;
    bool Valid() const { return !Device.empty() && !Driver.empty() && !Port.empty(); }
};
PrinterName SplitDeviceEntry(const std::string& entry);

// Left, right, top, bottom in 0.1 mm: the offset on the left and top, what the printable
// area leaves on the right and bottom.
void MinimumMargins(const PrinterMetrics& p, int out[4]);

// "1,5" -> 150: every '.' dropped, ',' is the decimal point, empty reads 0; 0.1 mm.
int ReadMargin(const std::string& text);
// 150 -> "1,50".
std::string MarginText(int tenthMm);
// Message 1137 with the printer's smallest margins (left, right, top, bottom) as typed in the dialog.
std::string MarginsTooSmallText(const int minimum[4]);

// Day, month and year read from the end of the text (last digit run the year); the day is 1
// in month kind. False when a part is missing or zero.
bool ReadPrintDate(const std::string& text, bool monthOnly, Zeitpunkt& out);

// The job title of the kind (strings 1222-1226) formatted with its date or range.
std::string PrintJobTitle(const PrintOptions& o);

// The drawing rectangle of a page in device units.
struct PageRect {
    int X = 0, Y = 0, W = 0, H = 0;
};
// The margins of `o` inside the printer's page, from 0.1 mm to device units.
PageRect DrawingArea(const PrinterMetrics& p, const int margins[4]);
