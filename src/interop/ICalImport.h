// Reads the events of an iCalendar file as appointments: floating, UTC and TZID times in
// local time, all-day and multi-day events, yearly rules as yearly appointments, other
// rules expanded (EXDATE and moved instances honoured), the first alarm as the advance
// warning. Nothing is inserted here; Uebernimm asks and inserts all in one pass.
#pragma once
#include "addresses/ClsAdrListe.h"
#include "interop/Zeitzone.h"
#include "store/ClsListe.h"

#include <string>
#include <vector>

// Occurrences made from one rule at most; a longer series is cut, from a year ago on, and
// the report says so.
constexpr int MaxWiederholungen = 500;

enum Auslassung {
    AuslassungOhneBeginn,    // no or unreadable DTSTART
    AuslassungBereich,       // outside the years 1800-3999
    AuslassungRegel,         // a recurrence rule the import does not know
    AuslassungAbgesagt,      // STATUS:CANCELLED
    AuslassungAufgabe,       // VTODO or VJOURNAL
    AuslassungArten
};

struct ICalErgebnis {
    int FehlerZeile = 0;          // > 0: the file is damaged or incomplete from this line on
    std::vector<Termin> Termine;  // Id: a series number of this import (1, 2, ...), 0 = single
    int Ausgelassen[AuslassungArten] = {};
    int Abgeschnitten = 0;        // rules cut at MaxWiederholungen
    int Mehrtaegig = 0;           // ends on a later day: kept without end time
    int Gekuerzt = 0;             // summaries cut to 49 characters
    int OhneZone = 0;             // TZID without VTIMEZONE: taken as local time
};

// `adressen` resolves CONTACT texts that match an address line.
ICalErgebnis LiesICal(const std::string& text, ClsAdrListe& adressen, const Ortszeit& ortszeit);

// The report of what was read and left out (the import's last message).
std::string ICalBericht(const ICalErgebnis& e);

// Asks "N Termine importieren?" and inserts the appointments (with fresh series numbers and
// the copies of yearly ones) in one pass, then shows the report. Nothing to insert: only
// the report. True when the collection changed.
bool UebernimmTermine(ClsListe& liste, ICalErgebnis& e);
