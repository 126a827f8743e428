// ArrowKeyTarget: day offsets by weekday (week view) and by week rows (month view).
#include "views/ArrowKeys.h"

namespace {

int WeekOffset(ArrowKey key, int w) {
    switch (key) {
    case ArrowKey::Left:
    case ArrowKey::Right:
        return w <= 3 ? 3 : w <= 6 ? -3 : -4;
    case ArrowKey::Up:
        return w == 1 ? 6 : -1;
    case ArrowKey::Down:
        return w == 7 ? -6 : 1;
    }
    return 0;
}

int MonthOffset(ArrowKey key, int day, int n) {
    int to = day;
    switch (key) {
    case ArrowKey::Left:
        return -1;
    case ArrowKey::Right:
        return 1;
    case ArrowKey::Up:
        if (day > 7) return -7;
        while (to + 7 <= n) to += 7;  // the same weekday in the month's last week
        return to - day;
    case ArrowKey::Down:
        if (day + 7 <= n) return 7;
        while (to - 7 >= 1) to -= 7;  // the same weekday in the month's first week
        return to - day;
    }
    return 0;
}

}  // namespace

Zeitpunkt ArrowKeyTarget(ViewMode mode, ArrowKey key, const Zeitpunkt& selected) {
    const Zeitpunkt day = MachZeitpunkt(selected.Jahr, selected.Monat, selected.Tag);
    if (mode == ViewMode::Day) return day;
    const int offset = mode == ViewMode::Week ? WeekOffset(key, Wochentag(day.Jahr, day.Monat, day.Tag))
                                 : MonthOffset(key, day.Tag, TageImMonat(day.Jahr, day.Monat));
    return TagFromMinutes(uint32_t(int64_t(TagToMinutes(day)) + int64_t(offset) * 1440));
}
