// The warning notice without its window: what it shows for an appointment, and the changed
// copy that OK stores (moved, warned again, done). A program reference is carried out instead
// of showing anything.
#pragma once
#include "dialogs/Vorlauf.h"
#include "store/Termin.h"

#include <string>

struct HinweisAnzeige {
    std::string Datum, Zeit;  // start date and time ("" without a time of day)
    int PrioritaetText = 0;   // string id
    bool Adresse = false;     // the address button is enabled
    Vorlauf Rest;             // time left until the start
    bool Erledigt = false;    // done is pre-checked
};
HinweisAnzeige ZeigeHinweis(const Termin& t, const Zeitpunkt& jetzt);

struct HinweisEingabe {
    std::string Datum, Zeit, Tage, Stunden, Minuten;
    bool Wieder = false, Erledigt = false;
};
enum class HinweisOk {
    Gespeichert,        // `neu` holds the changed appointment
    Ungueltig,          // the date or the time cannot be read: nothing changes
    WiederUndErledigt,  // warn again together with done: the notice stays open
};
// A new warning that would already be due is put 5 minutes past `jetzt`, so that OK does
// not re-open the notice at the next tick.
HinweisOk UebernimmHinweis(const Termin& alt, const HinweisEingabe& e, const Zeitpunkt& jetzt, Termin& neu);

// After the program of a program reference was started (or failed to start): done by hand,
// no warning, no reference.
void ProgrammVerweisErledigt(Termin& t);
// The message for a start result of the program (0 = none, 32 and above = started).
int ProgrammStartMeldung(unsigned ergebnis);
