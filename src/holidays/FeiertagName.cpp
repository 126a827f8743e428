// Per-day lookup: the first active table entry of the day within its year range, else
// one of the two computed special days.
#include "holidays/FeiertagName.h"

#include "core/ResString.h"
#include "core/ResourceIds.h"
#include "holidays/FeiertagTabelle.h"
#include "store/Zeitpunkt.h"

#include <algorithm>

namespace {
constexpr size_t SondertagMax = 19;

bool MonatsAnsicht(const FeiertagAnsicht& a) { return a.Modus == 2; }

// A name field from a file need not hold a terminating zero.
std::string Feld(const char* text, size_t max) {
    return std::string(text, std::find(text, text + max, '\0'));
}

std::string Sondertext(const char* text) { return Feld(text, SondertagMax); }

bool AusTabelle(const FeiertagTabelle& tabelle, int jahr, int t, const FeiertagAnsicht& ansicht, TagesName& name) {
    const int anzahl = AnzahlFeiertage(tabelle);
    for (int i = 0; i < anzahl; ++i) {
        const Feiertag& e = tabelle.Eintrag[i];
        if (e.Tag != t || !(e.Status & FeiertagStatus::Aktiv) || jahr < e.VonJahr ||
            jahr > e.BisJahr)
            continue;
        name.Art = (e.Status & FeiertagStatus::Gesetzlich) && e.VonJahr2 <= jahr &&
                   jahr <= e.BisJahr2;
        name.Text = MonatsAnsicht(ansicht) ? Feld(e.Kurzname, KurznameMax)
                                           : Feld(e.Langname, LangnameMax);
        return true;
    }
    return false;
}
}  // namespace

TagesName FeiertagName(Feiertage& feiertage, int jahr, int monat, int tag, const FeiertagAnsicht& ansicht) {
    feiertage.Berechne(jahr, false);
    const int t = TagDesJahres(jahr, monat, tag);
    TagesName name;
    if (AusTabelle(feiertage.Tabelle, jahr, t, ansicht, name)) return name;

    const bool kurz = MonatsAnsicht(ansicht);
    if (monat >= 9 && ansicht.Day1.Benutzt &&
        t == TagDesJahres(jahr, 9, 29) + 7 - Wochentag(jahr, 9, 29)) {
        name.Text = Sondertext(kurz ? LoadResString(IDS_ERNTEDANK_KURZ) : LoadResString(IDS_ERNTEDANK_LANG));
        name.Art = ansicht.Day1.Art;
    }
    if (name.Text.empty() && monat == 11 && ansicht.Day2.Benutzt) {
        const int w = Wochentag(jahr, 11, 1);
        if (t == TagDesJahres(jahr, 11, (w < 3 ? 18 : 25) - w)) {
            name.Text = Sondertext(kurz ? LoadResString(IDS_BUSSTAG_KURZ) : LoadResString(IDS_BUSSTAG_LANG));
            name.Art = ansicht.Day2.Art;
        }
    }
    return name;
}
