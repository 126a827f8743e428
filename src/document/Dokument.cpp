// Dokument: start-up and New; the load is in DokumentLaden.cpp.
#include "document/Dokument.h"

Ladeausgang Dokument::Initialisieren() {
    AdrListe.Initialisieren();
    if (!Dateiname.empty()) {
        const Ladeausgang ausgang = Laden();
        if (ausgang == Ladeausgang::Ok) return ausgang;
        Dateiname.clear();
        Liste.Initialisieren();
        return ausgang;
    }
    Liste.Initialisieren();
    return Ladeausgang::Ok;
}

void Dokument::Neu() {
    Dateiname.clear();
    Liste.Leeren();
    Liste.Initialisieren();
    AdrListe.Leeren();
    AdrListe.Initialisieren();
}
