// Date, date-time and duration values of iCalendar files.
#pragma once
#include "store/Zeitpunkt.h"

#include <string>

struct ICalZeit {
    Zeitpunkt Wert;        // seconds dropped
    bool NurDatum = false; // VALUE=DATE form
    bool Utc = false;      // trailing Z
};

// "YYYYMMDD" or "YYYYMMDDTHHMMSS[Z]" with fields in range (years after 4000 read as 4000);
// false otherwise.
bool LiesICalZeit(const std::string& text, ICalZeit& out);
// "[+-]P[nW][nD][T[nH][nM][nS]]" in whole minutes (seconds dropped); false otherwise.
bool LiesDauer(const std::string& text, int64_t& minuten);
// z moved by `minuten` (any sign), through the minute numbers, kept within years 0 to 4000.
Zeitpunkt Plus(const Zeitpunkt& z, int64_t minuten);
