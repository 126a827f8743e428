// How settings are spelled as text: decimal numbers, comma-separated number lists,
// flags by character position and times of day as hours × 100 + minutes.
#pragma once
#include <cstddef>

// Copies src into buf of `size` bytes, truncating, always zero-terminated (size > 0).
void CopyTruncated(char* buf, size_t size, const char* src);

// Leading blanks and one sign allowed; stops at the first non-digit; no digits → 0.
// Values beyond the int range saturate.
int DecimalValue(const char* text);

// Reads up to `count` numbers: the value at the current position, then just past the
// next comma. Returns how many were read; values[i] for i >= result are left unchanged.
int ParseNumberList(const char* text, int* values, int count);

// On exactly when the character at `pos` is '1'; a shorter text means off.
bool FlagAt(const char* text, size_t pos);

// Stored time hhmm → minutes since midnight, and back (1330 ↔ 810).
int GridTimeToMinutes(int stored);
int MinutesToGridTime(int minutes);
