// Search over the short texts: the result lines with their dates, the text order of the
// result list and finding the record of a chosen line again.
#pragma once
#include "store/ClsListe.h"

#include <string>
#include <vector>

// "%02d%c%02d%c%04d  %s": the date (12 characters with the blanks) and the short text.
std::string SuchZeile(const Termin& t);
// Text order of the result list: a-z count as A-Z, bytes compare as signed 8-bit values
// (characters above 127 sort before plain ASCII). <0, 0, >0 like strcmp.
int TextVergleich(const char* a, const char* b);
// The lines of every record whose short text contains `text` (case-sensitive), in collection
// order or, with nachText, in text order with equal texts keeping their date order.
std::vector<std::string> Suche(ClsListe& liste, const std::string& text, bool nachText);
// Slot of the first record whose result line equals `zeile`; -1 when there is none.
int FindeSuchZeile(ClsListe& liste, const std::string& zeile);
