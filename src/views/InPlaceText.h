// The one-line text of the in-place editor: what it starts with, and how a typed line
// ("9:30 - 10:15 Zahnarzt", "14 Anruf", "Meeting") becomes start, end and short text.
#pragma once
#include "store/Termin.h"

#include <string>

constexpr int EditTextLimit = 64;  // characters the editor accepts
constexpr int EditReadLimit = 63;  // characters the commit reads

// Start "%2d:%02d " unless untimed, end "- %2d:%02d " unless without end, then the short text.
std::string EditorText(const Termin& t);
// The time of an empty row of the day view, "%2d:%02d".
std::string RowTimeText(const Zeitpunkt& time);

// A text of blanks only counts as empty: it creates nothing and deletes an edited record.
bool IsEmptyEditText(const std::string& text);

// Parses the first EditReadLimit characters into t: optional start hour[:minute], blanks
// and dashes, optional end hour[:minute], then the short text (first 49 characters).
// A missing minute keeps t's previous one; hours and minutes are stored as typed (8 bits,
// no range test). No leading number: untimed; no end number: without end.
void ParseEditText(const std::string& text, Termin& t);
