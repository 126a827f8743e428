// The one holiday table of the process and its computation for a year: every rule's
// day of the year, then a stable sort by that day.
#pragma once
#include "holidays/Feiertag.h"

constexpr int MaxFeiertage = 50;

struct FeiertagTabelle {
    Feiertag Eintrag[MaxFeiertage];
};
static_assert(sizeof(FeiertagTabelle) == 2600, "the table is the 2600 bytes of the file");

// The process-wide table (zero-filled until loaded).
FeiertagTabelle& Feiertage();

// Number of entries in use: those before the first empty short name.
int AnzahlFeiertage(const FeiertagTabelle& tabelle);

// Computes every entry's Tag for `jahr` and sorts the entries in use by it; nothing
// happens when `jahr` was the year computed last and `force` is false.
void BerechneFeiertage(int jahr, bool force);

// Forgets the year computed last, so the next BerechneFeiertage recomputes; called
// whenever the table's contents are replaced.
void FeiertageGeaendert();
