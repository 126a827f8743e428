// SchreibeDatei and SpeichereMitSicherung.
#include "store/KalenderDatei.h"

#include "addresses/ClsAdrListe.h"
#include "app/FileNames.h"
#include "store/ClsListe.h"
#include "store/DateiSchreiber.h"

#include <cstdio>
#include <new>

bool SchreibeDatei(const std::string& pfad, int modus) {
    DateiSchreiber datei;
    if (!datei.Erzeuge(pfad)) return false;
    bool ok = true;
    try {
        if (modus != ModusAdressExport) ok = Liste.Speichern(datei, modus == ModusTerminExport);
        if (modus != ModusTerminExport && ok) ok = AdrListe.SchreibeAbschnitt(datei, modus == ModusAdressExport);
    } catch (const std::bad_alloc&) {
        Speichermangel();
        ok = false;
    }
    ok = datei.Schliessen() && ok;
    // The file on disk is incomplete: what is in memory is the only full copy.
    if (!ok && modus == ModusKalender) {
        Liste.SetzeGeaendert();
        AdrListe.Geaendert = true;
    }
    return ok;
}

bool SpeichereMitSicherung(const std::string& pfad, int modus) {
    const std::string sicherung = BackupName(pfad);
    std::remove(sicherung.c_str());
    std::rename(pfad.c_str(), sicherung.c_str());
    return SchreibeDatei(pfad, modus);
}
