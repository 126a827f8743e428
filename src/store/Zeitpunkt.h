// The packed date-time value of every record and the calendar arithmetic on it:
// comparison, leap years, month lengths, day of year, weekday and minute numbers.
#pragma once
#include <cstdint>

#pragma pack(push, 1)
struct Zeitpunkt {
    int16_t Jahr = 0;  // full year; 0 = unset / end marker
    int8_t Monat = 0;  // 1-12
    int8_t Tag = 0;    // 1-31
    int8_t Stunde = 0; // 0-23
    int8_t Minute = 0; // 0-59
};
#pragma pack(pop)
static_assert(sizeof(Zeitpunkt) == 6, "Zeitpunkt is a packed 6-byte record field");

// Builds a value from plain ints (narrowed to the field types).
inline Zeitpunkt MachZeitpunkt(int jahr, int monat, int tag, int stunde = 0, int minute = 0) {
    Zeitpunkt z;
    z.Jahr = int16_t(jahr);
    z.Monat = int8_t(monat);
    z.Tag = int8_t(tag);
    z.Stunde = int8_t(stunde);
    z.Minute = int8_t(minute);
    return z;
}

// The order of CompareZeitpunkt below as one integer (for sorting and searching).
// Each signed 8-bit field spans less than its factor, so the weighted sum keeps the order.
inline int64_t DatumKey(const Zeitpunkt& z) {
    return int64_t(z.Jahr) * 65536 + int64_t(z.Monat) * 256 + z.Tag;
}
inline int64_t SortKey(const Zeitpunkt& z) {
    return DatumKey(z) * 65536 + int64_t(z.Stunde) * 256 + z.Minute;
}

// -1, 0, +1: Jahr, Monat, Tag, Stunde, Minute compared as signed numbers.
inline int CompareZeitpunkt(const Zeitpunkt& a, const Zeitpunkt& b) {
    const int64_t ka = SortKey(a), kb = SortKey(b);
    return ka < kb ? -1 : ka > kb ? 1 : 0;
}
inline bool operator==(const Zeitpunkt& a, const Zeitpunkt& b) { return CompareZeitpunkt(a, b) == 0; }
inline bool operator!=(const Zeitpunkt& a, const Zeitpunkt& b) { return CompareZeitpunkt(a, b) != 0; }
inline bool operator<(const Zeitpunkt& a, const Zeitpunkt& b) { return CompareZeitpunkt(a, b) < 0; }

bool IstSchaltjahr(int jahr);  // Gregorian; year 0 is a leap year
int TageImMonat(int jahr, int monat);  // 0 for a month outside 1-12
// tag plus the lengths of the months before monat; tag is counted through (March 33 = 2 April).
int TagDesJahres(int jahr, int monat, int tag);
int Wochentag(int jahr, int monat, int tag);  // 1 = Monday ... 7 = Sunday
// Day n of the year as a date (time 00:00); n beyond the year runs into the next one,
// n < 1 counts back from 31 December of the previous year (0 = 31 Dec, -1 = 30 Dec).
Zeitpunkt DatumAusTagDesJahres(int jahr, int n);

// Minutes since 0000-01-01 00:00 (years 0 to about 8000 fit); FromMinutes is the exact inverse.
uint32_t ToMinutes(const Zeitpunkt& z);
Zeitpunkt FromMinutes(uint32_t n);
// The same at day resolution: TagToMinutes ignores the time, TagFromMinutes drops it.
uint32_t TagToMinutes(const Zeitpunkt& z);
Zeitpunkt TagFromMinutes(uint32_t n);

// The current local time from the Host, seconds dropped.
Zeitpunkt Jetzt();
