// The order of address sort keys: the platform's lstrcmpA (locale-aware, case-sensitive).
#pragma once

// < 0, 0, > 0 like strcmp. Defined with lstrcmpA in the product; native tests link an
// equivalent comparison.
int SortVergleich(const char* a, const char* b);
