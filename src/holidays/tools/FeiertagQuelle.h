// The readable source of the shipped holiday file: one rule per line,
//   short name | long name | rule | years | public-holiday years
// with UTF-8 names (Latin-1 letters only) stored as Windows-1252.
#pragma once
#include "holidays/FeiertagTabelle.h"

#include <string>

// Fills `tabelle` (all 50 entries, unused ones zero) from `text`. On failure returns
// false and names the line and the problem in `fehler`; `tabelle` is then undefined.
bool LeseFeiertagQuelle(const std::string& text, FeiertagTabelle& tabelle, std::string& fehler);
