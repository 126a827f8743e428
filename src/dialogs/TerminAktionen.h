// Add and Change of the appointment dialog on the collection: series and yearly repetition
// in two passes (check all, then insert all), and Change as delete-then-insert.
#pragma once
#include "dialogs/TerminFelder.h"

constexpr int JahresWiederholungen = 19;  // a yearly appointment makes 20 records in all

// Slot of the first record equal to t in every field, -1 if none.
int FindeSatz(ClsListe& liste, const Termin& t);

// Add (106): reads the fields back, checks the repetition (1155-1158), gives the record a
// new series number and inserts it with its occurrences. Returns the slot of the record
// inserted last, or -1 when nothing was inserted; `basis` gets the first record.
int FuegeHinzu(ClsListe& liste, const TerminFelder& f, Termin& basis);

// Change (133) of the record in `slot`: the record is skipped by the overlap check, then
// replaced by the one read from the fields (Id 0; a yearly record keeps its Id and the step
// in its Ende date; its copies are made anew from the changed record). True with `slot` on
// the new record; false leaves the record as it was, `slot` still naming it.
bool Aendere(ClsListe& liste, int& slot, const TerminFelder& f);
