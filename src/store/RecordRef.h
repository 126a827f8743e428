// A record of the collection remembered across a change of it (an in-place edit or a drag
// in progress): its slot and a copy, so that a shifted or removed record is found again
// or recognised as gone instead of another record being changed in its place.
#pragma once
#include "store/ClsListe.h"

struct RecordRef {
    int Slot = -1;  // -1: no record
    Termin Copy;

    bool Empty() const { return Slot < 0; }
};

// Every field, the long text included.
bool SameRecord(const Termin& a, const Termin& b);

// The reference to slot `slot` (empty for the end marker or a slot out of range). A copy
// that cannot be allocated shows 1106/1104 and gives an empty reference.
RecordRef RefTo(ClsListe& liste, int slot);
// The slot now holding the record: its old slot if that still holds it, else the first
// equal record; -1 when it is gone.
int Locate(ClsListe& liste, const RecordRef& ref);
