// SchreibeDatei and SpeichereMitSicherung.
#include "document/KalenderDatei.h"

#include "core/FileNames.h"
#include "document/Dokument.h"
#include "store/DateiSchreiber.h"

#include <cstdio>
#include <new>

bool SchreibeDatei(Dokument& dok, const std::string& pfad, int modus) {
    DateiSchreiber datei;
    if (!datei.Erzeuge(pfad)) return false;
    bool ok = true;
    try {
        if (modus != ModusAdressExport) ok = dok.Liste.Speichern(datei, modus == ModusTerminExport);
        if (modus != ModusTerminExport && ok) ok = dok.AdrListe.SchreibeAbschnitt(datei, modus == ModusAdressExport);
    } catch (const std::bad_alloc&) {
        Speichermangel();
        ok = false;
    }
    ok = datei.Schliessen() && ok;
    // The file on disk is incomplete: what is in memory is the only full copy.
    if (!ok && modus == ModusKalender) {
        dok.Liste.SetzeGeaendert();
        dok.AdrListe.Geaendert = true;
    }
    return ok;
}

bool SpeichereMitSicherung(Dokument& dok, const std::string& pfad, int modus) {
    const std::string sicherung = BackupName(pfad);
    std::remove(sicherung.c_str());
    std::rename(pfad.c_str(), sicherung.c_str());
    return SchreibeDatei(dok, pfad, modus);
}
