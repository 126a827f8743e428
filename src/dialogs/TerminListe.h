// The list of the appointment dialog: one line per record, either the records of one day
// or the whole collection, contiguous from an anchor record.
#pragma once
#include "store/ClsListe.h"

#include <string>
#include <vector>

// Date-bound: start and end time with "<k.A.>" for a missing one, then the short text;
// general: date, start time (or "<k.A.>") and short text. Tab-separated.
std::string ListenZeile(const Termin& t, bool datumGebunden);

struct ListenInhalt {
    int Anker = -1;  // slot of the record on line 0; line i is slot Anker + i
    std::vector<std::string> Zeilen;
};

// The records of day `tag` (date-bound) or all records (tag null), in collection order.
// The collection's cursor is left where it was.
ListenInhalt ListenInhaltFuer(ClsListe& liste, const Zeitpunkt* tag);
