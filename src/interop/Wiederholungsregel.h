// An RRULE as far as the import expands it: FREQ DAILY to YEARLY with INTERVAL, COUNT,
// UNTIL, BYDAY, BYMONTHDAY and BYMONTH (WKST is accepted; weeks start on Monday).
#pragma once
#include "interop/ICalWert.h"

#include <string>
#include <utility>
#include <vector>

struct Wiederholungsregel {
    enum Art { Taeglich, Woechentlich, Monatlich, Jaehrlich } Freq = Taeglich;
    int Intervall = 1;
    int Anzahl = 0;       // COUNT; 0 = none
    bool HatBis = false;  // UNTIL, in Bis
    ICalZeit Bis;
    std::vector<std::pair<int, int>> ByDay;  // (n, weekday 1 = Monday ... 7); n = 0: every one
    std::vector<int> ByMonthDay;             // negative: from the month's end
    std::vector<int> ByMonth;

    // False for parts or values outside what is described above.
    bool Lies(const std::string& wert);
    // A plain FREQ=YEARLY on the start's month and day: one yearly appointment.
    bool IstSchlichtJaehrlich(const Zeitpunkt& start) const;
};

// Weekday `wochentag` (1 = Monday) number n of the month (n < 0 from its end): its day, or
// 0 when the month has none.
int NterWochentag(int jahr, int monat, int n, int wochentag);

// The starts of the series, DTSTART first, in wall-clock time of the event, in order, for
// years up to 3999 and at most `hoechstens`: when there are more, the oldest before `ab`
// give way first, so that a long-running series keeps its current part. `bisOk` decides
// whether a start is before the end of the rule (UNTIL compared in the caller's time).
// `abgeschnitten` tells whether starts were left out.
std::vector<Zeitpunkt> Entfalte(const Wiederholungsregel& r, const Zeitpunkt& start, int hoechstens,
                                const Zeitpunkt& ab, bool (*bisOk)(const Zeitpunkt&, const void*),
                                const void* kontext, bool& abgeschnitten);
