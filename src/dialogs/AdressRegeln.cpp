// SichtbareAdressen, AdresseDerZeile, SortAusNamen and VerweisErgebnis.
#include "dialogs/AdressRegeln.h"

#include "addresses/ClsAdrListe.h"
#include "store/ClsListe.h"

std::vector<int> SichtbareAdressen(ClsAdrListe& liste, uint16_t maske) {
    std::vector<int> sichtbar;
    for (int i = 0; i < liste.Anzahl(); ++i)
        if (Sichtbar(liste.Satz(i), maske)) sichtbar.push_back(i);
    return sichtbar;
}

int AdresseDerZeile(const std::vector<int>& sichtbar, int zeile) {
    return zeile >= 0 && size_t(zeile) < sichtbar.size() ? sichtbar[size_t(zeile)] : 0;
}

std::string SortAusNamen(const Adresse& a) {
    constexpr size_t SortLaenge = sizeof(a.SORT) - 1;
    return ClsAdrListe::Zeile(a, false).substr(0, SortLaenge);
}

std::vector<uint16_t> VerknuepfteAdressen(ClsListe& termine) {
    std::vector<uint16_t> nummern;
    for (int i = 0; i < termine.Anzahl(); ++i)
        if (termine.Satz(i).AdrId != 0) nummern.push_back(termine.Satz(i).AdrId);
    return nummern;
}

uint16_t VerweisErgebnis(uint16_t arbeitsNummer, bool zeileGewaehlt, uint16_t zeilenNummer) {
    if (arbeitsNummer != 0) return arbeitsNummer;
    return zeileGewaehlt ? zeilenNummer : AdrNummer::KeinVerweis;
}
