// What committing the in-place editor does to the collection: the typed line becomes a
// new appointment, replaces the edited one, or (cleared) deletes it.
#pragma once
#include "store/RecordRef.h"

#include <string>

// `text` equal to `opened` (what the editor showed when it opened): nothing changes; the
// result is the edited record, if any. `edited` empty: a new appointment on `day` (0:00, a
// fresh series number). Otherwise
// the edited record is taken out, and the parsed copy goes in unless the text is empty.
// When the user declines the overlap warning, or the insert fails, the edited record is
// put back unchanged and the modified flag is as before. Returns the record stored (or
// put back); empty when nothing was stored.
RecordRef StoreEditText(ClsListe& liste, const RecordRef& edited, const std::string& text, const std::string& opened,
                        const Zeitpunkt& day);
