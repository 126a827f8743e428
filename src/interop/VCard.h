// The address book as vCards: written as vCard 3.0, read from 3.0 and 4.0 (and the plain
// parts of 2.1). Names, company, the first postal address and phone and fax map to the
// record's fields; e-mail and what else has no field goes into the remark.
#pragma once
#include "addresses/ClsAdrListe.h"

#include <string>
#include <vector>

// UTF-8 with CRLF line ends, folded at 75 octets, one card per address in list order.
std::string VCardAusAdressen(ClsAdrListe& adressen);

struct VCardErgebnis {
    int FehlerZeile = 0;  // > 0: damaged or incomplete from this line on; nothing read
    std::vector<Adresse> Adressen;  // ID 0: numbered when inserted
    int OhneName = 0;     // cards without name or company, left out
    int Gekuerzt = 0;     // cards with a field cut to the record's width
};

VCardErgebnis LiesVCard(const std::string& text);
std::string VCardBericht(const VCardErgebnis& e);
// Asks "N Adressen importieren?", inserts them sorted with new numbers, none of `vergeben`
// (the numbers appointments still link to), then reports. On a failed insertion the
// addresses added so far are taken out again. True when the list changed.
bool UebernimmAdressen(ClsAdrListe& liste, VCardErgebnis& e, std::vector<uint16_t> vergeben);
