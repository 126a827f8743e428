// Series of the appointment dialog: the step of a repetition, the offsets carried from one
// occurrence to the next, and the occurrences built from a base record.
#pragma once
#include "store/Termin.h"

#include <vector>

// One repetition step, multiplier applied; weeks are counted into Tage as 7 days each.
struct Schritt {
    int Jahre = 0, Monate = 0, Tage = 0;
};

// Offsets of an occurrence from the base date. They accumulate and are never reset, so a
// monthly series from 31 January runs 31 January, 3 March, 3 April.
class SerienVersatz {
public:
    SerienVersatz(const Zeitpunkt& basis, const Schritt& schritt) : basis_(basis), schritt_(schritt) {}
    // Adds one step; a month past December carries into the year, a day past the end of
    // its month into the next month (month lengths of the base date's shifted year).
    void Weiter();
    int Jahre() const { return jahre_; }
    int Monate() const { return monate_; }
    int Tage() const { return tage_; }

private:
    void MonatsUebertrag();

    Zeitpunkt basis_;
    Schritt schritt_;
    int jahre_ = 0, monate_ = 0, tage_ = 0;
};

// z's date moved by the offsets and counted through into a real date (day 0 of May is
// 30 April, 14th month is February of the next year); the time of day stays.
Zeitpunkt Verschiebe(const Zeitpunkt& z, const SerienVersatz& v);

// Occurrences 1 ... n after basis. Start moves by the offsets; Ende likewise except in a
// yearly series (whose Ende date holds the step); a set warning keeps its lead time before
// the start and becomes the occurrence's VorwarnBasis. Occurrences of a yearly series are marked FlagJahresKopie.
std::vector<Termin> Wiederholungen(const Termin& basis, const Schritt& schritt, int n);
