// Moving one appointment to another date and time: its end and advance warning move along.
#pragma once
#include "store/ClsListe.h"

#include <string>

// The record moved to `start` (FlagOhneZeit as given): the end (on the start day) and a set
// Vorwarnung shift by the same minutes, VorwarnBasis stays. A yearly record keeps the step in
// Ende's date; only its end time moves. Shared by the move dialog and the warning notice.
Termin Verschoben(const Termin& t, const Zeitpunkt& start, bool ohneZeit);

// Moves the record at the cursor to the typed date (two-digit years: 80-99 → 19xx, below
// 80 → 20xx) and time (empty: no time of day), by delete and sorted insert. A date with a
// missing part or outside the calendar, or an impossible time, shows 1131/1132 and moves
// nothing. True when the record was moved.
bool VerschiebeAktuell(ClsListe& liste, const std::string& datum, const std::string& zeit);
