// The order of address sort keys: the platform's lstrcmpA (locale-aware, case-sensitive),
// installed at start-up; until then, and in native builds, an equivalent comparison.
#pragma once

using SortVergleichFunktion = int (*)(const char* a, const char* b);

// < 0, 0, > 0 like strcmp, with the installed comparison.
int SortVergleich(const char* a, const char* b);
void SetzeSortVergleich(SortVergleichFunktion f);  // nullptr restores the equivalent

// Win32: installs lstrcmpA.
void InstalliereLstrcmp();
