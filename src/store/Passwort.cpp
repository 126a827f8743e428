// Password scrambling and the overwrite check.
#include "store/Passwort.h"

#include "core/Host.h"
#include "core/ResourceIds.h"
#include "store/ClsListe.h"
#include "store/DateiLeser.h"
#include "store/DbaseTabelle.h"

#include <algorithm>
#include <cstring>

namespace {
bool Ablehnen(const std::string&) { return false; }
PasswortFrage frage = Ablehnen;
}  // namespace

bool FragePasswort(const std::string& passwort) { return frage(passwort); }
PasswortFrage SetzePasswortFrage(PasswortFrage f) {
    const PasswortFrage vorher = frage;
    frage = f ? f : Ablehnen;
    return vorher;
}

void Verschluessele(const char* passwort, unsigned char ziel[PasswortBytes]) {
    std::memset(ziel, 0, PasswortBytes);
    for (int i = 0; i < PasswortBytes - 1 && passwort[i]; ++i)
        ziel[i] = static_cast<unsigned char>((static_cast<unsigned char>(passwort[i]) + i + 128) & 0xFF);
}

std::string Entschluessele(const unsigned char quelle[PasswortBytes]) {
    std::string p;
    for (int i = 0; i < PasswortBytes - 1 && quelle[i]; ++i) p += char((quelle[i] - i - 128) & 0xFF);
    return p;
}

void SetzePasswort(char (&ziel)[PasswortBytes], const std::string& passwort) {
    std::memset(ziel, 0, PasswortBytes);
    std::memcpy(ziel, passwort.data(), std::min(passwort.size(), size_t(PasswortBytes - 1)));
}

int NichtSpeicherbareStelle(const std::string& passwort) {
    const int n = int(std::min(passwort.size(), size_t(PasswortBytes - 1)));
    for (int i = 0; i < n; ++i)
        if (((static_cast<unsigned char>(passwort[size_t(i)]) + i + 128) & 0xFF) == 0) return i;
    return n < int(passwort.size()) ? n : -1;
}

bool PruefeDateiPasswort(const std::string& pfad, ClsListe& liste) {
    DateiLeser datei;
    if (!datei.Oeffne(pfad)) return false;
    unsigned char kopf[Dbase::KopfGroesse] = {};
    datei.Lies(kopf, sizeof kopf);
    datei.Schliesse();
    if (kopf[0] != 'o' || kopf[1] != 'r') return true;
    const std::string passwort = Entschluessele(kopf + Dbase::PasswortOffset);
    if (Dbase::U16(kopf + Dbase::VersionOffset) < 400 || passwort.empty()) return true;
    if (!FragePasswort(passwort)) {
        Message(IDS_KENNWORT_FALSCH, 0, Mb::Ok | Mb::IconExclamation | Mb::TaskModal);
        return false;
    }
    SetzePasswort(liste.Passwort, passwort);
    return true;
}
