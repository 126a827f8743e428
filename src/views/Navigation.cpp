// StepDate: day steps through the day-of-year arithmetic, month and year steps by field.
#include "views/Navigation.h"

#include "core/ResourceIds.h"
#include "store/Zeitpunkt.h"

namespace {
bool AddDays(SelectedDate& d, int days) {
    const Zeitpunkt z = DatumAusTagDesJahres(d.Year, TagDesJahres(d.Year, d.Month, d.Day) + days);
    if (z.Jahr < MinYear || z.Jahr > MaxYear) return false;
    d = SelectedDate{z.Jahr, z.Monat, z.Tag};
    return true;
}

bool AddMonths(SelectedDate& d, int months) {
    int index = d.Year * 12 + (d.Month - 1) + months;
    const int year = index / 12;
    if (year < MinYear || year > MaxYear) return false;
    d.Year = year;
    d.Month = static_cast<int8_t>(index % 12 + 1);
    return true;
}
}  // namespace

bool StepDate(SelectedDate& date, ViewMode mode, unsigned command, const SelectedDate& today) {
    const int sign = (command == CM_VORWAERTS || command == CM_GROSS_VORWAERTS) ? 1 : -1;
    const bool big = command == CM_GROSS_VORWAERTS || command == CM_GROSS_ZURUECK;
    switch (command) {
    case CM_HEUTE:
        date = today;
        return true;
    case CM_VORWAERTS:
    case CM_ZURUECK:
    case CM_GROSS_VORWAERTS:
    case CM_GROSS_ZURUECK:
        if (mode == ViewMode::Day) return AddDays(date, sign * (big ? 7 : 1));
        if (mode == ViewMode::Week) return big ? AddMonths(date, sign) : AddDays(date, sign * 7);
        return AddMonths(date, sign * (big ? 12 : 1));
    default:
        return false;
    }
}
