// The editor fields of the appointment dialog as plain values, the record shown in them,
// and the read-back that turns them into a record with every check and its message.
#pragma once
#include "store/ClsListe.h"

#include <string>

struct TerminFelder {
    std::string Datum;             // 101
    std::string Beginn, Ende;      // 102, 172: hours:minutes, empty = none
    std::string Kurztext;          // 103
    std::string Beschreibung;      // 105
    uint16_t AdrId = 0;            // 184: 0 = no address
    bool ManuellErledigt = false;  // 181 (else 180)
    int Prioritaet = 0;            // 160-163
    bool Vorwarnung = false;       // 129
    std::string VorTage = "0", VorStunden = "0", VorMinuten = "0";  // 114-116
    bool Jaehrlich = false;        // 119 (else 118)
    std::string Anzahl = "1";      // 109: occurrences
    bool SchrittTage = false, SchrittWochen = false, SchrittMonate = false, SchrittJahre = false;  // 110-113
    std::string Faktor = "1";      // 134: every n-th step
};

// Value of the leading digits after blanks (0 without any); large values are capped.
long FeldZahl(const std::string& text);

// Fields showing record t. serienRest: members of its series from it to the end (ZaehleId),
// shown as the number of occurrences when above 0.
TerminFelder FelderAus(const Termin& t, int serienRest);

// Builds the record from the fields: date (ParseDatum), times (1160-1163), texts, address,
// long text (1106), program reference (1164), done state, priority, warning, yearly flag and
// at last the overlap check against liste. False after a refusal: nothing is changed.
bool LeseTermin(const TerminFelder& f, ClsListe& liste, Termin& out);
