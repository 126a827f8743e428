// The product's sort comparison: the user locale's lstrcmpA.
#include "addresses/SortVergleich.h"

#include <windows.h>

namespace {
int Lstrcmp(const char* a, const char* b) { return lstrcmpA(a, b); }
}

void InstalliereLstrcmp() { SetzeSortVergleich(Lstrcmp); }
