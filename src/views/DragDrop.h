// Dropping a dragged appointment on a day or time: the moved copy (times shifted, the
// day view's untimed area making it untimed) and putting it into the collection.
#pragma once
#include "settings/ViewMode.h"
#include "store/RecordRef.h"

// The copy of `dragged` as dropped on `target` in view `mode`; false when the drop changes
// nothing (its own start, or in the week and month views its own day) or the copy cannot
// be made (message 1106). The week and month views keep its time of day. End and advance
// warning move by the same number of minutes as the start.
bool DroppedCopy(const Termin& dragged, Zeitpunkt target, ViewMode mode, Termin& moved);

// Deletes the original (unless keepOriginal: a copy with Ctrl) and inserts `moved`. False
// when the original is no longer in the collection or the insert failed; the original is
// then where it was.
bool PlaceDrop(ClsListe& liste, const RecordRef& original, const Termin& moved, bool keepOriginal);
