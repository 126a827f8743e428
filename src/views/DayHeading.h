// What a day's heading shows besides its date: weekday, day of the year, the holiday name
// under the current view mode, and the heading colour.
#pragma once
#include "drawing/Palette.h"
#include "store/Zeitpunkt.h"

#include <string>

class Feiertage;
struct PaintContext;
struct Settings;

struct DayHeading {
    int Weekday = 1;    // 1 Monday ... 7 Sunday
    int DayOfYear = 1;
    std::string Holiday;  // Windows-1252; empty = no name
    Rgb Colour;         // "Feiertage" for Sundays and public holidays, else "Wochentage"
};

// The lookup follows the view mode (long or short names) and the special-day flags.
DayHeading LookUpDayHeading(PaintContext& ctx, const Zeitpunkt& day);

// Whether the holiday lookup marks the day as a public holiday (under the special-day flags).
bool IsPublicHoliday(Feiertage& feiertage, const Settings& s, int jahr, int monat, int tag);

// Full (1211-1217) or two-letter (1201-1207) weekday name, Monday = 1.
std::string WeekdayName(int weekday, bool full);
