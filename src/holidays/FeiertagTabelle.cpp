// Computes the holiday table for a year. Entries read from a file may hold anything:
// a rule whose month lies outside 1..12 computes no date, like an unknown Art.
#include "holidays/FeiertagTabelle.h"

#include "holidays/Osterdatum.h"
#include "store/Zeitpunkt.h"

#include <utility>

namespace {
bool MonatGueltig(int monat) { return monat >= 1 && monat <= 12; }

// New Tag of `e` for year y; returns false when the rule computes no date.
bool BerechneTag(const Feiertag& e, int y, int& tag) {
    switch (e.Art) {
    case FeiertagArt::Fest:
        if (!MonatGueltig(FestMonat(e.Regel))) return false;
        tag = TagDesJahres(y, FestMonat(e.Regel), FestTag(e.Regel));
        return true;
    case FeiertagArt::Ostern:
        tag = Osterdatum(y) + Versatz(e.Regel);
        return true;
    case FeiertagArt::Wochentag: {
        const int monat = WochentagMonat(e.Regel);
        if (!MonatGueltig(monat)) return false;
        const int w1 = Wochentag(y, monat, 1);
        // (weekday - w1 + 7) stays >= 0 for weekday 0..7 and w1 1..7.
        const int erster = 1 + (WochentagTag(e.Regel) - w1 + 7) % 7;
        tag = TagDesJahres(y, monat, erster + 7 * (WochentagN(e.Regel) - 1));
        return true;
    }
    case FeiertagArt::Weihnachten:
        tag = TagDesJahres(y, 12, 25) - Wochentag(y, 12, 25) + Versatz(e.Regel);
        return true;
    default:
        return false;
    }
}

// Bubble sort: equal days keep their order.
void SortiereNachTag(Feiertag* eintrag, int anzahl) {
    bool getauscht = true;
    while (getauscht) {
        getauscht = false;
        for (int i = 0; i + 1 < anzahl; ++i) {
            if (eintrag[i].Tag > eintrag[i + 1].Tag) {
                std::swap(eintrag[i], eintrag[i + 1]);
                getauscht = true;
            }
        }
    }
}
}  // namespace

int AnzahlFeiertage(const FeiertagTabelle& tabelle) {
    int n = 0;
    while (n < MaxFeiertage && tabelle.Eintrag[n].Kurzname[0] != '\0') ++n;
    return n;
}

void Feiertage::Berechne(int jahr, bool force) {
    if (jahr == jahr_ && !force) return;
    const int anzahl = AnzahlFeiertage(Tabelle);
    for (int i = 0; i < anzahl; ++i) {
        Feiertag& e = Tabelle.Eintrag[i];
        int tag = 0;
        if (BerechneTag(e, jahr, tag)) e.Tag = static_cast<int16_t>(tag);
    }
    SortiereNachTag(Tabelle.Eintrag, anzahl);
    jahr_ = jahr;
}
