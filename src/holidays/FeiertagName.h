// The per-day lookup every view asks: the name of a day and whether it is a public
// holiday, from the table and the two computed special days.
#pragma once
#include <string>

class Feiertage;

// A computed special day as configured by View\Day1 / View\Day2 ("used,kind").
struct SonderTag {
    bool Benutzt = false;
    int Art = 0;  // the kind the lookup reports, 1 = public holiday
};

// What the lookup needs from outside: the view mode (views) and the special-day flags
// (configuration). The caller fills it from its own state for every lookup.
struct FeiertagAnsicht {
    int Modus = 0;    // 0 day, 1 week: long names; 2 month: short names
    SonderTag Day1;   // first Sunday on or after 29 September
    SonderTag Day2;   // the Wednesday from 16 to 22 November
};

struct TagesName {
    std::string Text;  // Windows-1252; empty when the day has no name
    int Art = 0;       // 1 public holiday, 0 named day only
};

// Computes the table for `jahr` when needed and looks the day up.
TagesName FeiertagName(Feiertage& feiertage, int jahr, int monat, int tag, const FeiertagAnsicht& ansicht);
