// Yearly appointments: the 19 copies generated from each master at load time, and the
// choice of one master per series when the collection is written.
#pragma once
#include "store/ClsListe.h"

#include <vector>

constexpr int JahresKopienAnzahl = 19;

// Month 2, day 29: a master's date, or a copy's in a leap year.
bool Am29Februar(const Zeitpunkt& z);

// The master moved on by `jahre` years as the k-th copy is made: step 1-0-0 in Ende's date,
// Start and a set warning `jahre` years later (29 February of a common year becomes 1 March),
// VorwarnBasis := that warning, not done.
// With alsKopie the result is marked FlagJahresKopie.
Termin JahrWeiter(const Termin& master, int jahre, bool alsKopie);
TerminKopf JahrWeiter(const TerminKopf& master, int jahre, bool alsKopie);  // the fixed fields only

// The 19 copies of one master, in the order they are made.
std::vector<Termin> ErzeugeKopien(const Termin& master);

// After the master of series `id` changed into `master` (already in the collection): the
// series' other copies go, and so do the copies a save made masters (it promotes the first
// copy in range while the old master stays in memory). A yearly `master` gets fresh copies,
// the same as the next load would make, so that no record of the old master is written in
// its place later. False after 1106/1104.
bool ErneuereKopien(ClsListe& liste, uint16_t id, const Termin& master);

// A master older than `grenze` moved on to its first year at or after it (a 29 February
// master to its last leap year before, so that the day is kept); else the master itself.
Termin MasterAb(const Termin& master, const Zeitpunkt& grenze);

// Gives every master without series number one (NeueId) and inserts all copies at once,
// ordered exactly as single Einfuegen calls would leave them. False after 1106/1104.
bool ErzeugeJahresKopien(ClsListe& liste);

// The records to write, in file order. Copies are left out; per series one master is
// written: the first record at or after the cutoff (now minus one year; a 29 February series
// its last leap year before that), a promoted copy losing FlagJahresKopie in the collection
// too. A series with nothing in range writes its master moved on to the first year at or
// after the cutoff. Valid while the list is unchanged.
class Schreibliste {
public:
    Schreibliste(ClsListe& liste, const Zeitpunkt& jetzt);
    bool Gueltig() const { return gueltig_; }  // false after 1106/1104: nothing to write
    int Anzahl() const { return int(eintraege_.size()); }
    const Termin& operator[](int i) const;

private:
    void Waehle(const Zeitpunkt& jetzt);

    ClsListe& liste_;
    bool gueltig_ = true;
    std::vector<int> eintraege_;    // >= 0: slot in the list; < 0: verschoben_[-1 - e]
    std::vector<Termin> verschoben_;
};
