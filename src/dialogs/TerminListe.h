// The list of the appointment dialog: one line per record, either the records of one day
// or the whole collection, contiguous from an anchor record.
#pragma once
#include "store/ClsListe.h"

#include <string>
#include <vector>

// Date-bound: start and end time with "<k.A.>" for a missing one, then the short text;
// general: date, start time (or "<k.A.>") and short text. Tab-separated.
std::string ListenZeile(const Termin& t, bool datumGebunden);

// The list's two tab stops in dialog units, date-bound and general. Choice: the date-bound end
// column starts at 52, not 48, so that "- <k.A.>" keeps a gap before the short text.
constexpr int TabStopsTag[2] = {22, 52};
constexpr int TabStopsAlle[2] = {41, 64};

struct ListenInhalt {
    int Anker = -1;  // slot of the record on line 0; line i is slot Anker + i
    std::vector<std::string> Zeilen;
};

// The records of day `tag` (date-bound) or all records (tag null), in collection order.
// The collection's cursor is left where it was.
ListenInhalt ListenInhaltFuer(ClsListe& liste, const Zeitpunkt* tag);
