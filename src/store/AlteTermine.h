// Deleting old appointments: the typed date range, its confirmation and the deletion rule.
#pragma once
#include "store/ClsListe.h"

#include <string>

// From = first day 00:00, To = last day 23:59, years as typed. A missing part or a day outside
// the calendar shows 1145 or 1147 (caption 1146), To before From 1148/1149; false then.
bool LeseZeitraum(const std::string& erster, const std::string& letzter, Zeitpunkt& von, Zeitpunkt& bis);
// Question 1150 with both dates (caption 1146); true on Yes.
bool BestaetigeAlteLoeschen(const Zeitpunkt& von, const Zeitpunkt& bis);
// Deletes every record that starts from `von` on, before `bis`, and ends not after `bis` (a
// yearly record ends on its start date at its end time). A deleted yearly master first hands
// its role to the next record of its series. Returns the number deleted.
int LoescheAlte(ClsListe& liste, const Zeitpunkt& von, const Zeitpunkt& bis);
