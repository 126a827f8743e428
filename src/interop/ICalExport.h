// The appointments as an iCalendar file (RFC 5545): one VEVENT per record, yearly masters
// with a yearly rule (their copies left out), series sharing a RELATED-TO stem, times
// floating (the program has no time zones).
#pragma once
#include "addresses/ClsAdrListe.h"
#include "store/ClsListe.h"

#include <string>

// Ordivo's priority 0-3 as PRIORITY (normal 5, less important 9, important 3, very 1).
int ICalPrioritaet(int prioritaet);

// UTF-8 text with CRLF line ends, lines folded at 75 octets. `stempelUtc` is DTSTAMP.
// The same collection always gives the same UIDs.
std::string ICalAusListe(ClsListe& liste, ClsAdrListe& adressen, const Zeitpunkt& stempelUtc);
