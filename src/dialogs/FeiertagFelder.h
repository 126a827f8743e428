// The holiday dialog's fields as text and their rules without Win32: checking them into a
// table entry (first bad field gives its message), showing an entry, adding to and removing
// from the table, and the list line of an entry.
#pragma once
#include "holidays/Feiertag.h"

#include <string>

struct FeiertagTabelle;

// The rule options of the dialog, by their control ids.
enum class FeiertagOption { Fest = 313, Ostern = 314, Advent = 316, Wochentag = 319 };

struct FeiertagFelder {
    std::string Kurzname, Langname;
    bool Aktiv = false, Gesetzlich = false;
    FeiertagOption Option = FeiertagOption::Fest;
    std::string Tag, Monat;          // option Fest
    std::string OsterTage;           // option Ostern
    std::string AdventTage;          // option Advent
    int N = -1, Wochentag = -1, WochenMonat = -1;  // option Wochentag: list indices, -1 none
    std::string Von, Bis, Von2, Bis2;  // empty first years are 0, empty last years 9999
};

// Checks in the order day, month, offset, years. Returns 0 and fills `e`, the message id
// of the first bad field, or -1 when a list of option Wochentag has no selection.
int PruefeFeiertag(const FeiertagFelder& f, Feiertag& e);
FeiertagFelder FelderAus(const Feiertag& e);

// The table keeps at least two empty entries: with 48 in use it is full.
bool FeiertageVoll(const FeiertagTabelle& tabelle);
// Appends `e` unless the table is full (false).
bool FuegeFeiertagAn(FeiertagTabelle& tabelle, const Feiertag& e);
// Removes entry `index`; the following ones move up.
void EntferneFeiertag(FeiertagTabelle& tabelle, int index);

// "(dd.mm.yyyy)            Langname": the entry's computed day in `jahr`, in the regional order.
std::string FeiertagZeile(const Feiertag& e, int jahr);
