// Series offsets and occurrences.
#include "dialogs/Serie.h"

#include <algorithm>

void SerienVersatz::MonatsUebertrag() {
    while (basis_.Monat + monate_ > 12) {
        ++jahre_;
        monate_ -= 12;
    }
}

void SerienVersatz::Weiter() {
    jahre_ += schritt_.Jahre;
    monate_ += schritt_.Monate;
    tage_ += schritt_.Tage;
    MonatsUebertrag();
    // Ranges: tage_ stays above -31 after the loop, as each pass removes one month length.
    while (basis_.Tag + tage_ > TageImMonat(basis_.Jahr + jahre_, basis_.Monat + monate_)) {
        tage_ -= TageImMonat(basis_.Jahr + jahre_, basis_.Monat + monate_);
        ++monate_;
        MonatsUebertrag();
    }
}

Zeitpunkt Verschiebe(const Zeitpunkt& z, const SerienVersatz& v) {
    int jahr = z.Jahr + v.Jahre();
    int monat = z.Monat + v.Monate();
    for (; monat > 12; monat -= 12) ++jahr;
    const Zeitpunkt datum = DatumAusTagDesJahres(jahr, TagDesJahres(jahr, monat, z.Tag + v.Tage()));
    return MachZeitpunkt(datum.Jahr, datum.Monat, datum.Tag, z.Stunde, z.Minute);
}

std::vector<Termin> Wiederholungen(const Termin& basis, const Schritt& schritt, int n) {
    const bool jaehrlich = basis.Hat(FlagJaehrlich);
    std::vector<Termin> out;
    out.reserve(size_t(n > 0 ? n : 0));
    SerienVersatz versatz(basis.Start, schritt);
    // Choice: the warning keeps its distance to the start (and so its hour and minute), so
    // that a warning in the previous month cannot drift past the occurrence's start.
    const int64_t vorlauf = int64_t(ToMinutes(basis.Start)) - int64_t(ToMinutes(basis.Vorwarnung));
    for (int i = 1; i <= n; ++i) {
        versatz.Weiter();
        Termin t = basis;
        t.Start = Verschiebe(basis.Start, versatz);
        if (!jaehrlich) t.Ende = Verschiebe(basis.Ende, versatz);
        if (basis.Vorwarnung.Jahr != 0) {
            t.Vorwarnung = FromMinutes(uint32_t(std::max<int64_t>(0, int64_t(ToMinutes(t.Start)) - vorlauf)));
            t.VorwarnBasis = t.Vorwarnung;
        }
        if (jaehrlich) t.Flags |= FlagJahresKopie;
        out.push_back(std::move(t));
    }
    return out;
}
