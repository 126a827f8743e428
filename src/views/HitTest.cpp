// PointToDay, HitAppointmentAt and DropTargetAt on the layout and hit grid of the last paint.
#include "views/HitTest.h"

#include <algorithm>

namespace {

// Entries never set by a paint are all zero.
bool Unused(const HitEntry& e) { return e.X == 0 && e.Y == 0 && e.Width == 0 && e.Height == 0; }

bool Contains(const HitEntry& e, int x, int y) {
    return !Unused(e) && x >= e.X && x <= e.X + e.Width && y >= e.Y && y <= e.Y + e.Height;
}

int WeekIndex(int x, int y, const Layout& l) {
    if (x < l.GridLeft + l.CellWidth) {
        // The bottom grid line belongs to Wednesday, not to a fourth row.
        return std::min((y - l.GridTop) / l.CellHeight, 2);
    }
    if (y < l.GridTop + l.CellHeight) return 3;
    if (y < l.GridTop + 2 * l.CellHeight) return 4;
    if (y < l.GridTop + 2 * l.CellHeight + l.HalfCell) return 5;
    if (y < l.GridTop + 2 * l.CellHeight + 2 * l.HalfCell) return 6;
    return -1;
}

}  // namespace

int PointToDay(int x, int y, ViewMode mode, const Layout& l, SelectedDate& selected) {
    if (x < l.GridLeft || x > l.GridRight || y < l.GridTop || y > l.GridBottom) return -1;
    if (mode == ViewMode::Day) return selected.Day;
    if (l.CellWidth <= 0 || l.CellHeight <= 0) return -1;  // a window too small for cells
    if (mode == ViewMode::Week) {
        const int index = WeekIndex(x, y, l);
        if (index < 0) return -1;
        const Zeitpunkt monday = WeekMonday(selected.Year, selected.Month, selected.Day);
        const Zeitpunkt day = FromMinutes(ToMinutes(monday) + uint32_t(index) * 1440u);
        selected = SelectedDate{day.Jahr, day.Monat, day.Tag};
        return day.Tag;
    }
    // The right and bottom grid lines belong to the last column and row.
    const int row = std::min((y - l.GridTop) / l.CellHeight, 5);
    const int column = std::min((x - l.GridLeft) / l.CellWidth, 6);
    const int d = row * 7 + column - Wochentag(selected.Year, selected.Month, 1) + 2;
    return d >= 1 && d <= TageImMonat(selected.Year, selected.Month) ? d : -1;
}

AppointmentHit HitAppointmentAt(const HitGrid& hits, const Layout& l, int x, int y, bool wantEditable) {
    AppointmentHit hit;
    for (const auto& block : hits.Block) {
        for (int i = 0; i < HitGrid::Entries; ++i) {
            const HitEntry& e = block[i];
            if (!Contains(e, x, y)) continue;
            hit.Rect = EditArea{e.X + 1, e.Y, e.X + l.CellWidth - 1, e.Y + l.RowHeight - 1};
            hit.Appointment = e.Appointment;
            hit.Editable = wantEditable && i < HitGrid::WholeCell;
            break;
        }
        if (hit.Editable || hit.Appointment != HitEntry::NoAppointment) return hit;
    }
    return AppointmentHit{};
}

bool DropTargetAt(const HitGrid& hits, int x, int y, Zeitpunkt& target) {
    for (const auto& block : hits.Block)
        for (const HitEntry& e : block)
            if (e.Date.Jahr > 0 && Contains(e, x, y)) {
                target = e.Date;
                return true;
            }
    return false;
}
