// The installed sort comparison, defaulting to the lstrcmpA equivalent.
#include "addresses/SortVergleich.h"

#include "addresses/LstrcmpNachbildung.h"

namespace {
SortVergleichFunktion vergleich = VergleicheWieLstrcmp;
}

int SortVergleich(const char* a, const char* b) { return vergleich(a, b); }
void SetzeSortVergleich(SortVergleichFunktion f) { vergleich = f ? f : VergleicheWieLstrcmp; }
