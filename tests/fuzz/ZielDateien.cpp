// Targets for the files the program reads: the appointment file of every version, its
// address section alone and the holiday file.
#include "addresses/ClsAdrListe.h"
#include "dialogs/FeiertagFelder.h"
#include "fuzz/FuzzHilfe.h"
#include "fuzz/FuzzZiele.h"
#include "holidays/FeiertagDatei.h"
#include "holidays/FeiertagName.h"
#include "holidays/FeiertagTabelle.h"
#include "store/DateiSchreiber.h"

const char* FuzzTermindatei(const uint8_t* daten, size_t groesse) {
    FuzzUmgebung umgebung;
    Dokument doc;
    doc.Dateiname = FuzzDatei("eingabe.odv");
    SchreibeFuzzDatei(doc.Dateiname, daten, groesse);
    const Ladeausgang ausgang = doc.Laden();
    FUZZ_PRUEFE(umgebung.host.waitDepth == 0);
    FUZZ_PRUEFE(!doc.Liste.Laedt);
    if (ausgang != Ladeausgang::Ok) {
        FUZZ_PRUEFE(doc.Leer() && doc.Liste.Passwort[0] == 0);
        FUZZ_PRUEFE(!umgebung.host.messages.empty());
        return nullptr;
    }
    Feiertage feiertage;
    return PruefeGeladen(doc, feiertage);
}

const char* FuzzAdressabschnitt(const uint8_t* daten, size_t groesse) {
    FuzzUmgebung umgebung;
    const std::string pfad = FuzzDatei("adressen.bin"), neu = FuzzDatei("adressen-neu.bin");
    SchreibeFuzzDatei(pfad, daten, groesse);
    ClsAdrListe liste;
    {
        DateiLeser leser;
        FUZZ_PRUEFE(leser.Oeffne(pfad));
        liste.LiesAbschnittOderLeer(leser, pfad);
    }
    if (!umgebung.host.messages.empty()) {
        FUZZ_PRUEFE(liste.Anzahl() == 0);
        return nullptr;
    }
    for (int i = 0; i < liste.Anzahl(); ++i) {
        FUZZ_PRUEFE(liste.Satz(i).SORT[sizeof liste.Satz(i).SORT - 1] == 0);
        ClsAdrListe::Zeile(liste.Satz(i), true);
    }
    for (bool alsExport : {true, false}) {
        DateiSchreiber schreiber;
        FUZZ_PRUEFE(schreiber.Erzeuge(neu));
        FUZZ_PRUEFE(liste.SchreibeAbschnitt(schreiber, alsExport) && schreiber.Schliessen());
    }
    ClsAdrListe wieder;
    DateiLeser leser;
    FUZZ_PRUEFE(leser.Oeffne(neu));
    FUZZ_PRUEFE(wieder.LiesAbschnitt(leser) == LeseErgebnis::Ok && wieder.Anzahl() == liste.Anzahl());
    return nullptr;
}

const char* FuzzFeiertagdatei(const uint8_t* daten, size_t groesse) {
    FuzzUmgebung umgebung;
    const std::string pfad = FuzzDatei("ORDIVO.PHD");
    SchreibeFuzzDatei(pfad, daten, groesse);
    Feiertage feiertage;
    FUZZ_PRUEFE(LadeFeiertage(feiertage, pfad));
    const int jahr = 1800 + (groesse ? daten[0] * 9 : 226);
    for (int i = 0; i < AnzahlFeiertage(feiertage.Tabelle); ++i)
        FeiertagZeile(feiertage.Tabelle.Eintrag[i], jahr);
    for (int modus : {0, 2}) {
        const FeiertagAnsicht ansicht{modus, {true, 1}, {true, 0}};
        for (int monat = 1; monat <= 12; ++monat)
            for (int tag = 1; tag <= 31; ++tag) {
                const TagesName name = FeiertagName(feiertage, jahr, monat, tag, ansicht);
                FUZZ_PRUEFE(name.Text.size() < sizeof(Feiertag::Langname));
            }
    }
    return nullptr;
}
