// The address book's rules without Win32: which addresses the marker filter shows, the
// address behind a shown line, the sort key made from the names, and the number the
// dialog hands back in link mode.
#pragma once
#include "addresses/Adresse.h"

#include <cstdint>
#include <string>
#include <vector>

class ClsAdrListe;
class ClsListe;

namespace AdrNummer {
constexpr uint16_t KeinVerweis = 65534;  // link mode: no address chosen
constexpr uint16_t Adressbuch = 65535;   // plain address book, nothing to link
}  // namespace AdrNummer

// Addresses without markers are always shown, the others when they share a marker with the mask.
inline bool Sichtbar(const Adresse& a, uint16_t maske) { return a.FLAGS == 0 || (a.FLAGS & maske) != 0; }
// List index of the address on each shown line, in list order.
std::vector<int> SichtbareAdressen(ClsAdrListe& liste, uint16_t maske);
// Index of the address on line `zeile` of `sichtbar`; the first address when the line is past the end.
int AdresseDerZeile(const std::vector<int>& sichtbar, int zeile);
// SORT made from FIRMA, NAME1 and NAME2 as the short line joins them, cut to 9 characters.
std::string SortAusNamen(const Adresse& a);
// The address numbers the appointments link to.
std::vector<uint16_t> VerknuepfteAdressen(ClsListe& termine);
// Link mode on close: the working record's number, else KeinVerweis with no line selected,
// else the number of the address on the selected line (`zeilenNummer`).
uint16_t VerweisErgebnis(uint16_t arbeitsNummer, bool zeileGewaehlt, uint16_t zeilenNummer);

