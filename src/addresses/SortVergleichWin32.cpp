// SortVergleich for the product: the user locale's string comparison.
#include "addresses/SortVergleich.h"

#include <windows.h>

int SortVergleich(const char* a, const char* b) { return lstrcmpA(a, b); }
