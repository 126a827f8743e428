// The print dialog's reading rules, the printer's minimum margins and the page rectangle.
#include "printing/PrintOptions.h"

#include "core/ResString.h"
#include "core/ResourceIds.h"
#include "core/TextFormat.h"
#include "store/DatumText.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>

PrinterName SplitDeviceEntry(const std::string& entry) {
    const size_t first = entry.find(',');
    const size_t second = first == std::string::npos ? first : entry.find(',', first + 1);
    if (second == std::string::npos) return {};
    PrinterName n{entry.substr(0, first), entry.substr(first + 1, second - first - 1), entry.substr(second + 1)};
    return n.Valid() ? n : PrinterName{};
}

void MinimumMargins(const PrinterMetrics& p, int out[4]) {
    out[MarginLeft] = std::max(0, p.OffsetX);
    out[MarginTop] = std::max(0, p.OffsetY);
    out[MarginRight] = p.PageWidth - p.PrintableWidthMm * 10 - out[MarginLeft];
    out[MarginBottom] = p.PageHeight - p.PrintableHeightMm * 10 - out[MarginTop];
}

int ReadMargin(const std::string& text) {
    std::string number;
    for (char ch : text.substr(0, 78)) {
        if (ch == '.') continue;
        number += ch == ',' ? '.' : ch;
    }
    const double cm = std::strtod(number.c_str(), nullptr);
    if (std::isnan(cm)) return 0;  // "nan" reads as no number
    // Kept within what an int holds; a margin that large is refused as too big for the page.
    return int(std::clamp(cm * 100 + 0.5, -1e6, 1e6));
}

std::string MarginText(int tenthMm) {
    std::string text = Format("%.2f", tenthMm * 0.01);
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

std::string MarginsTooSmallText(const int minimum[4]) {
    return Format(LoadResString(IDS_RAND_ZU_KLEIN), MarginText(minimum[MarginLeft]).c_str(),
                  MarginText(minimum[MarginRight]).c_str(), MarginText(minimum[MarginTop]).c_str(),
                  MarginText(minimum[MarginBottom]).c_str());
}

bool ReadPrintDate(const std::string& text, bool monthOnly, Zeitpunkt& out) {
    int parts[3] = {0, 0, 0};  // year, month, day
    int found = 0;
    size_t end = text.size();
    while (found < (monthOnly ? 2 : 3) && end > 0) {
        while (end > 0 && !std::isdigit(static_cast<unsigned char>(text[end - 1]))) --end;
        size_t begin = end;
        while (begin > 0 && std::isdigit(static_cast<unsigned char>(text[begin - 1]))) --begin;
        if (begin == end) break;
        parts[found++] = std::atoi(text.substr(begin, std::min<size_t>(end - begin, 6)).c_str());
        end = begin;
    }
    const int jahr = parts[0], monat = parts[1], tag = monthOnly ? 1 : parts[2];
    // A day the month lacks is refused as well: the pages are drawn from real dates.
    if (jahr == 0 || monat == 0 || tag == 0 || !IstKalenderDatum(tag, monat, jahr)) return false;
    out = MachZeitpunkt(jahr, monat, tag);
    return true;
}

std::string PrintJobTitle(const PrintOptions& o) {
    const Zeitpunkt& d = o.Date;
    switch (o.Kind) {
    case PrintKind::Day: return Format(LoadResString(IDS_DRUCK_TAG), d.Tag, d.Monat, d.Jahr);
    case PrintKind::Week: return Format(LoadResString(IDS_DRUCK_WOCHE), d.Tag, d.Monat, d.Jahr);
    case PrintKind::WeekTwoColumns: return Format(LoadResString(IDS_DRUCK_WOCHE_ZWEISPALTIG), d.Tag, d.Monat, d.Jahr);
    case PrintKind::Month: return Format(LoadResString(IDS_DRUCK_MONAT), d.Monat, d.Jahr);
    default:
        return Format(LoadResString(IDS_DRUCK_LISTE), d.Tag, d.Monat, d.Jahr, o.EndDate.Tag, o.EndDate.Monat,
                      o.EndDate.Jahr);
    }
}

PageRect DrawingArea(const PrinterMetrics& p, const int m[4]) {
    const auto toX = [&](int v) { return int(std::lround(v * double(p.DpiX) / 254.0)); };
    const auto toY = [&](int v) { return int(std::lround(v * double(p.DpiY) / 254.0)); };
    return PageRect{toX(m[MarginLeft] - p.OffsetX), toY(m[MarginTop] - p.OffsetY),
                    toX(p.PageWidth - m[MarginLeft] - m[MarginRight] - 1),
                    toY(p.PageHeight - m[MarginTop] - m[MarginBottom] - 1)};
}
