// The time fields of the appointment dialog: allowed characters, the completion when a
// field is left ("7" -> "07:00") and the range rule (00:00 to 24:00).
#pragma once
#include <string>

constexpr size_t ZeitFeldLaenge = 80;  // characters read from a time field

// Digits and ':' only; an empty text is valid (no time).
bool ZeitZeichenGueltig(const std::string& text);
// One character gets a leading "0"; then exactly two characters get ":00". Other texts,
// and the empty one, stay as they are.
std::string ErgaenzeZeit(const std::string& text);
// Hours 0-24, minutes 0-59, and 24 only with minute 0.
bool ZeitImBereich(int stunde, int minute);
