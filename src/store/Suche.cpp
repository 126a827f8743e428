// Search over the short texts and the text order of its result list.
#include "store/Suche.h"

#include "core/WarteCursor.h"
#include "store/DatumText.h"

#include <algorithm>
#include <cstring>

std::string SuchZeile(const Termin& t) { return DatumMitText(t.Start, t.Kurzbeschr); }

int TextVergleich(const char* a, const char* b) {
    const auto gross = [](char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; };
    for (;; ++a, ++b) {
        const signed char x = static_cast<signed char>(gross(*a)), y = static_cast<signed char>(gross(*b));
        if (x != y) return x < y ? -1 : 1;
        if (x == 0) return 0;
    }
}

std::vector<std::string> Suche(ClsListe& liste, const std::string& text, bool nachText) {
    std::vector<const Termin*> treffer;
    for (int i = 0; i < liste.Anzahl(); ++i)
        if (std::strstr(liste.Satz(i).Kurzbeschr, text.c_str())) treffer.push_back(&liste.Satz(i));
    if (nachText) {
        WarteCursor warten;
        // Stable: equal texts keep their collection (date) order.
        std::stable_sort(treffer.begin(), treffer.end(), [](const Termin* a, const Termin* b) {
            return TextVergleich(a->Kurzbeschr, b->Kurzbeschr) < 0;
        });
    }
    std::vector<std::string> zeilen;
    zeilen.reserve(treffer.size());
    for (const Termin* t : treffer) zeilen.push_back(SuchZeile(*t));
    return zeilen;
}

int FindeSuchZeile(ClsListe& liste, const std::string& zeile) {
    for (int i = 0; i < liste.Anzahl(); ++i)
        if (SuchZeile(liste.Satz(i)) == zeile) return i;
    return -1;
}
