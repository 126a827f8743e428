// SortVergleich for native builds: the lstrcmpA-equivalent order.
#include "addresses/LstrcmpNachbildung.h"
#include "addresses/SortVergleich.h"

int SortVergleich(const char* a, const char* b) { return VergleicheWieLstrcmp(a, b); }
