// Add with repetitions, Change as delete-then-insert.
#include "dialogs/TerminAktionen.h"

#include "core/Host.h"
#include "core/ResourceIds.h"
#include "dialogs/Serie.h"
#include "store/JahresKopien.h"
#include "store/RecordRef.h"
#include "core/WarteCursor.h"

#include <new>

namespace {
constexpr unsigned FehlerStil = Mb::Ok | Mb::IconExclamation;

// The step from 110-113 and 134; false after message 1156, 1157 or 1158.
bool LeseSchritt(const TerminFelder& f, bool jaehrlich, Schritt& s) {
    if (jaehrlich && !f.SchrittJahre) {
        Message(IDS_JAEHRLICH_OHNE_JAHRE, IDS_TITEL_WIEDERHOLUNG, FehlerStil);
        return false;
    }
    if (!f.SchrittTage && !f.SchrittWochen && !f.SchrittMonate && !f.SchrittJahre) {
        Message(IDS_KEIN_SCHRITT, IDS_TITEL_WIEDERHOLUNG, FehlerStil);
        return false;
    }
    const int faktor = int(FeldZahl(f.Faktor));
    if (faktor == 0) {
        Message(IDS_SCHRITTWEITE_NULL, IDS_TITEL_WIEDERHOLUNG, FehlerStil);
        return false;
    }
    s.Jahre = f.SchrittJahre * faktor;
    s.Monate = f.SchrittMonate * faktor;
    s.Tage = (7 * f.SchrittWochen + f.SchrittTage) * faktor;
    return true;
}

// Pass 1: every occurrence through the overlap check; true when all may be stored.
bool AlleErlaubt(ClsListe& liste, const Termin& basis, const Schritt& s, int n) {
    WarteCursor warten;
    for (const Termin& t : Wiederholungen(basis, s, n))
        if (liste.PruefeUeberschneidung(t)) return false;
    return true;
}

// Pass 2: the base (a yearly base with the step in its Ende date) and its occurrences,
// inserted together so that a failure leaves no half series behind.
int FuegeSerieEin(ClsListe& liste, Termin basis, const Schritt& s, int n) {
    WarteCursor warten;
    if (basis.Hat(FlagJaehrlich)) {
        basis.Ende.Jahr = int16_t(s.Jahre);
        basis.Ende.Monat = int8_t(s.Monate);
        basis.Ende.Tag = int8_t(s.Tage);
    }
    std::vector<Termin> alle = Wiederholungen(basis, s, n);
    const Termin letzter = alle.back();
    alle.insert(alle.begin(), std::move(basis));
    if (!liste.EinfuegenMehrere(std::move(alle))) return -1;
    return FindeSatz(liste, letzter);
}

}  // namespace

int FindeSatz(ClsListe& liste, const Termin& t) {
    for (int i = 0; i < liste.Anzahl(); ++i)
        if (SameRecord(liste.Satz(i), t)) return i;
    return -1;
}

int FuegeHinzu(ClsListe& liste, const TerminFelder& f, Termin& basis) {
    Termin t;
    if (!LeseTermin(f, liste, t)) return -1;
    int n = int(FeldZahl(f.Anzahl)) - 1;
    if (f.Jaehrlich) {
        if (f.ManuellErledigt) {
            Message(IDS_JAEHRLICH_VON_HAND, IDS_TITEL_WIEDERHOLUNG, FehlerStil);
            return -1;
        }
        n = JahresWiederholungen;
    }
    Schritt s;
    if (n > 0 && !LeseSchritt(f, t.Hat(FlagJaehrlich), s)) return -1;
    t.Id = liste.NeueId();
    try {
        basis = t;
        if (n < 1) return liste.Einfuegen(t) ? FindeSatz(liste, t) : -1;
        if (!AlleErlaubt(liste, t, s, n)) return -1;
        return FuegeSerieEin(liste, std::move(t), s, n);
    } catch (const std::bad_alloc&) {
        Message(IDS_SPEICHERMANGEL, 0, FehlerStil);
        return -1;
    }
}

bool Aendere(ClsListe& liste, int& slot, const TerminFelder& f) {
    if (slot < 0 || slot >= liste.Anzahl()) return false;
    Termin alt;
    try {
        alt = liste.Satz(slot);
    } catch (const std::bad_alloc&) {
        Message(IDS_SPEICHERMANGEL, 0, FehlerStil);
        return false;
    }
    liste.Satz(slot).Flags |= FlagOhneZeit;  // the overlap check skips the record itself
    Termin neu;
    if (!LeseTermin(f, liste, neu)) {
        liste.Satz(slot).Flags = alt.Flags;
        return false;
    }
    // Decision: a changed yearly appointment stays one series with its copies.
    if (alt.Hat(FlagJaehrlich)) neu.Id = alt.Id;
    if (neu.Hat(FlagJaehrlich)) {
        neu.Ende.Jahr = 1;  // the yearly step of the record model
        neu.Ende.Monat = 0;
        neu.Ende.Tag = 0;
    }
    liste.SetzeAktuell(&liste.Satz(slot));
    liste.LoescheAktuell();
    const bool ok = liste.Einfuegen(neu);
    if (!ok) liste.Einfuegen(alt);  // refused insert: the original goes back
    else if (alt.IstJahresMaster() || neu.IstJahresMaster()) ErneuereKopien(liste, alt.Id, neu);
    slot = FindeSatz(liste, ok ? neu : alt);
    if (slot >= 0) liste.SetzeAktuell(&liste.Satz(slot));  // -1 only when memory ran out twice
    return ok;
}
