// List lines and the walk that collects them.
#include "dialogs/TerminListe.h"

#include "store/DatumText.h"

namespace {
constexpr const char* KeineAngabe = "<k.A.>";
}

std::string ListenZeile(const Termin& t, bool datumGebunden) {
    const std::string beginn = t.Hat(FlagOhneZeit) ? KeineAngabe : ZeitText(t.Start.Stunde, t.Start.Minute);
    if (!datumGebunden) return DatumText(t.Start) + "\t" + beginn + "\t" + t.Kurzbeschr;
    const bool ohneEnde = t.Hat(FlagOhneZeit) || t.Hat(FlagOhneEnde);
    const std::string ende = ohneEnde ? KeineAngabe : ZeitText(t.Ende.Stunde, t.Ende.Minute);
    return beginn + "\t- " + ende + "\t" + t.Kurzbeschr;
}

ListenInhalt ListenInhaltFuer(ClsListe& liste, const Zeitpunkt* tag) {
    ListenInhalt inhalt;
    const bool gemerkt = liste.MerkePosition();
    liste.Erster();
    Termin satz;
    if (tag) satz.Start = *tag;
    while (const Termin* t = liste.Hole(satz, tag != nullptr)) {
        if (inhalt.Anker < 0) inhalt.Anker = int(t - &liste.Satz(0));
        inhalt.Zeilen.push_back(ListenZeile(*t, tag != nullptr));
    }
    if (gemerkt) liste.HolePosition();
    return inhalt;
}
