// SchreibeDatei and SpeichereMitSicherung.
#include "document/KalenderDatei.h"

#include "core/FileNames.h"
#include "document/Dokument.h"
#include "store/DateiSchreiber.h"

#include <cctype>
#include <cstdio>
#include <new>

namespace {
// The file on disk is not the new version: what is in memory is the only full copy.
void BleibtGeaendert(Dokument& dok, int modus) {
    if (modus != ModusKalender) return;
    dok.Liste.SetzeGeaendert();
    dok.AdrListe.Geaendert = true;
}

bool Schreibe(Dokument& dok, const std::string& pfad, const std::string& meldeName, int modus) {
    DateiSchreiber datei;
    if (!datei.Erzeuge(pfad, meldeName)) {
        // Said aloud: a silent failure would leave the user believing the calendar was saved.
        MeldeSchreibfehler(meldeName);
        BleibtGeaendert(dok, modus);
        return false;
    }
    bool ok = true;
    try {
        if (modus != ModusAdressExport) ok = dok.Liste.Speichern(datei, modus == ModusTerminExport);
        if (modus != ModusTerminExport && ok) ok = dok.AdrListe.SchreibeAbschnitt(datei, modus == ModusAdressExport);
    } catch (const std::bad_alloc&) {
        Speichermangel();
        ok = false;
    }
    ok = datei.Schliessen() && ok;
    if (!ok) BleibtGeaendert(dok, modus);
    return ok;
}

bool Vorhanden(const std::string& pfad) {
    std::FILE* f = std::fopen(pfad.c_str(), "rb");
    if (f) std::fclose(f);
    return f != nullptr;
}

// Windows file names ignore case: "x.bak" is its own backup "x.BAK".
bool GleicherName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

bool Abbruch(Dokument& dok, const std::string& neu, const std::string& pfad, int modus) {
    std::remove(neu.c_str());
    MeldeSchreibfehler(pfad);
    BleibtGeaendert(dok, modus);
    return false;
}
}  // namespace

bool SchreibeDatei(Dokument& dok, const std::string& pfad, int modus) { return Schreibe(dok, pfad, pfad, modus); }

// At every step the previous version is the file itself or its backup: the new version is
// complete and on the disk before the previous one is renamed to the backup name, and a file
// that is its own backup name is replaced in one step.
bool SpeichereMitSicherung(Dokument& dok, const std::string& pfad, int modus) {
    const std::string neu = pfad + TempEndung;
    if (!Schreibe(dok, neu, pfad, modus)) {
        std::remove(neu.c_str());
        return false;
    }
    const std::string sicherung = BackupName(pfad);
    const bool mitSicherung = !GleicherName(sicherung, pfad) && Vorhanden(pfad);
    if (mitSicherung && !DateiSchreiber::Ersetze(pfad, sicherung)) return Abbruch(dok, neu, pfad, modus);
    if (DateiSchreiber::Ersetze(neu, pfad)) return true;
    if (mitSicherung) DateiSchreiber::Ersetze(sicherung, pfad);  // the previous version back in place
    return Abbruch(dok, neu, pfad, modus);
}
