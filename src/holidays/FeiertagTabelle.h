// The holiday table and its computation for a year: every rule's day of the year, then a
// stable sort by that day.
#pragma once
#include "holidays/Feiertag.h"

constexpr int MaxFeiertage = 50;

struct FeiertagTabelle {
    Feiertag Eintrag[MaxFeiertage];
};
static_assert(sizeof(FeiertagTabelle) == 2600, "the table is the 2600 bytes of the file");

// Number of entries in use: those before the first empty short name.
int AnzahlFeiertage(const FeiertagTabelle& tabelle);

// The program's holiday table (zero-filled until loaded) and the year it was computed for.
class Feiertage {
public:
    FeiertagTabelle Tabelle{};

    // Computes every entry's Tag for `jahr` and sorts the entries in use by it; nothing
    // happens when `jahr` was the year computed last and `force` is false.
    void Berechne(int jahr, bool force);
    // Forgets the year computed last, so the next Berechne recomputes; called whenever the
    // table's contents are replaced.
    void Geaendert() { jahr_ = KeinJahr; }

private:
    static constexpr int KeinJahr = -1;  // below every year a view can show
    int jahr_ = KeinJahr;
};
