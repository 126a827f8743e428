// Dokument::Laden: the version decision with its questions and backup copy, the password,
// the records of every layout, the yearly copies and the address section.
#include "document/Dokument.h"

#include "core/FileNames.h"
#include "core/Host.h"
#include "core/ResourceIds.h"
#include "core/WarteCursor.h"
#include "core/ResString.h"
#include "store/DateiLeser.h"
#include "store/JahresKopienMischer.h"
#include "store/Passwort.h"
#include "store/TerminTabelle.h"
#include "core/TextFormat.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

namespace {
constexpr unsigned Hinweis = Mb::Ok | Mb::IconExclamation | Mb::TaskModal;
constexpr unsigned Frage = Mb::YesNo | Mb::IconExclamation | Mb::TaskModal;

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

bool Vorhanden(const std::string& pfad) { return File(std::fopen(pfad.c_str(), "rb")) != nullptr; }

// A byte-exact copy; a partial copy is removed.
bool KopiereDatei(const std::string& von, const std::string& nach) {
    File quelle(std::fopen(von.c_str(), "rb"));
    if (!quelle) return false;
    File ziel(std::fopen(nach.c_str(), "wb"));
    if (!ziel) return false;
    std::vector<char> puffer(64 * 1024);
    bool ok = true;
    size_t n;
    while (ok && (n = std::fread(puffer.data(), 1, puffer.size(), quelle.get())) > 0)
        ok = std::fwrite(puffer.data(), 1, n, ziel.get()) == n;
    ok = !std::ferror(quelle.get()) && ok;
    ok = std::fclose(ziel.release()) == 0 && ok;  // closed before a partial copy is removed
    if (!ok) std::remove(nach.c_str());
    return ok;
}

// The file with its extension replaced by the first free ".%3d" from `version` on.
bool SichereVorKonvertierung(const std::string& pfad, int version) {
    std::string basis = BackupName(pfad);
    basis.resize(basis.size() - 3);  // drop "BAK", keep the dot
    for (int n = version; n <= 999; ++n) {
        const std::string name = basis + Format("%3d", n);
        if (Vorhanden(name)) continue;
        if (!KopiereDatei(pfad, name)) break;
        GetHost().MessageText(Format(LoadResString(IDS_SICHERUNG_ANGELEGT), name.c_str()), "Ordivo", Hinweis);
        return true;
    }
    Message(IDS_SICHERUNG_FEHLGESCHLAGEN, 0, Hinweis);
    return false;
}

// The version to read, or 0 when the file is refused (after the messages).
int Version(const std::string& pfad, const unsigned char* kopf, bool kopfVollstaendig) {
    const auto ablehnen = [] { return 0; };
    if (kopfVollstaendig && kopf[0] == 'o' && kopf[1] == 'r') {
        const int version = std::max<int>(Dbase::U16(kopf + Dbase::VersionOffset), 210);
        if (version >= 410) return version;
        if (Message(IDS_ALTES_FORMAT, IDS_TITEL_DATEIFORMAT, Frage) != Mb::IdYes) return ablehnen();
        if (Message(IDS_SICHERUNG_FRAGE, IDS_TITEL_SICHERUNG, Frage) == Mb::IdYes &&
            !SichereVorKonvertierung(pfad, version))
            return ablehnen();
        return version;
    }
    if (kopfVollstaendig && kopf[0] == 3) {
        if (Message(IDS_ALTES_FORMAT, IDS_TITEL_DATEIFORMAT, Frage) != Mb::IdYes) return ablehnen();
        return Dbase::U16(kopf + 8) == Dbase::KopfLaenge(10) ? 110 : 200;
    }
    Message(IDS_KEINE_TERMINDATEI, IDS_TITEL_DATEIFORMAT, Hinweis);
    return ablehnen();
}

// Dateiname in capitals (ASCII and the Latin-1 letters of Windows-1252).
void GrossSchreiben(std::string& text) {
    for (char& c : text) {
        const unsigned char b = static_cast<unsigned char>(c);
        if ((b >= 'a' && b <= 'z') || (b >= 0xE0 && b <= 0xFE && b != 0xF7)) c = char(b - 0x20);
    }
}

void ZeigeStatus(const char* text) { GetHost().SendToMain(Msg::StatusText, 0, reinterpret_cast<intptr_t>(text)); }

// Header, password and records after the 32 header bytes; the list is empty and Laedt set.
LeseErgebnis LiesTermine(ClsListe& liste, std::string& dateiname, DateiLeser& datei, const unsigned char* kopf, int version) {
    const bool nativ = kopf[0] == 'o';
    const uint32_t anzahl = Dbase::U32(kopf + Dbase::AnzahlOffset);
    const int kopfLaenge = Dbase::U16(kopf + 8);
    if (kopfLaenge < Dbase::KopfGroesse) return LeseErgebnis::Beschaedigt;
    std::vector<unsigned char> spalten(size_t(kopfLaenge - Dbase::KopfGroesse));
    if (!datei.LiesGanz(spalten.data(), spalten.size())) return LeseErgebnis::Beschaedigt;

    TerminLayout layout = LayoutFuer(version);
    if (layout.DescriptorKurz >= 0) {
        const size_t noetig = size_t(Dbase::SpaltenGroesse) * size_t(std::max(layout.DescriptorKurz, layout.DescriptorBeschr) + 1);
        if (spalten.size() < noetig) return LeseErgebnis::Beschaedigt;
        layout.Kurz = spalten[size_t(Dbase::SpaltenGroesse * layout.DescriptorKurz + 16)];
        layout.Beschr = spalten[size_t(Dbase::SpaltenGroesse * layout.DescriptorBeschr + 16)];
    }
    if (uint64_t(anzahl) * uint64_t(SatzLaenge(layout)) > datei.Rest()) return LeseErgebnis::Beschaedigt;

    // Room for the yearly copies in one allocation; a damaged hint cannot ask for more than
    // copies of every record.
    const uint64_t hinweis = nativ ? std::min<uint64_t>(Dbase::U16(kopf + Dbase::HinweisOffset), anzahl + 1) : 0;
    if (!liste.Reserviere(int(anzahl + JahresKopienAnzahl * hinweis + 51))) {
        Message(IDS_SPEICHERMANGEL, 0, Hinweis);
        return LeseErgebnis::Gemeldet;
    }

    if (nativ && kopf[Dbase::PasswortOffset] != 0) {
        const std::string passwort = Entschluessele(kopf + Dbase::PasswortOffset);
        SetzePasswort(liste.Passwort, passwort);
        if (!FragePasswort(passwort)) {
            dateiname.clear();
            Message(IDS_KENNWORT_FALSCH, 0, Hinweis);
            return LeseErgebnis::Gemeldet;
        }
    }

    liste.Laedt = true;
    GrossSchreiben(dateiname);
    const std::string status = Format(LoadResString(IDS_DATEI_WIRD_GELADEN), dateiname.c_str());
    ZeigeStatus(status.c_str());

    FeldLeser feld(datei);
    JahresKopienMischer mischer(liste);
    for (uint32_t i = 0; i < anzahl; ++i) {
        Termin t;
        if (!LiesTerminSatz(feld, layout, datei.Rest(), t)) return LeseErgebnis::Beschaedigt;
        // A stored record is never a generated copy: a copy's flag from a damaged file would
        // grey it out and drop it at the next save.
        t.Flags &= uint16_t(~FlagJahresKopie);
        if (!mischer.Anhaengen(std::move(t))) return LeseErgebnis::Gemeldet;
    }
    char ende = 0;
    if (datei.Lies(&ende, 1) == 1 && ende != Dbase::Endbyte) return LeseErgebnis::Beschaedigt;
    if (!mischer.Abschliessen()) return LeseErgebnis::Gemeldet;
    liste.Geaendert = version < 410;
    return LeseErgebnis::Ok;
}
}  // namespace

Ladeausgang Dokument::Laden() {
    WarteCursor warte;
    DateiLeser datei;
    const bool offen = datei.Oeffne(Dateiname);
    Liste.Leeren();
    SetzePasswort(Liste.Passwort, "");  // a file without password must not keep the previous one
    LeseErgebnis ergebnis = LeseErgebnis::Gemeldet;
    bool abgelehnt = false;
    bool statusGezeigt = false;
    try {
        unsigned char kopf[Dbase::KopfGroesse] = {};
        const int version = offen ? Version(Dateiname, kopf, datei.LiesGanz(kopf, sizeof kopf)) : 0;
        abgelehnt = offen && version == 0;
        if (version > 0) {
            ergebnis = LiesTermine(Liste, Dateiname, datei, kopf, version);
            statusGezeigt = Liste.Laedt;
            if (ergebnis == LeseErgebnis::Ok) AdrListe.LiesAbschnittOderLeer(datei, Dateiname);
        }
    } catch (const std::bad_alloc&) {
        Message(IDS_SPEICHERMANGEL, 0, Hinweis);
        ergebnis = LeseErgebnis::Gemeldet;
    }
    datei.Schliesse();
    if (ergebnis == LeseErgebnis::Beschaedigt) {
        GetHost().MessageText(Format(LoadResString(IDS_DATEI_BESCHAEDIGT), Dateiname.c_str()), "Ordivo", Hinweis);
        abgelehnt = true;
    }
    if (ergebnis != LeseErgebnis::Ok) {
        // As a fresh start without a file: empty, no password, nothing from this file.
        Liste.Leeren();
        SetzePasswort(Liste.Passwort, "");
        Liste.Reserviere(ClsListe::StartKapazitaet);
        AdrListe.Initialisieren();
    }
    Liste.Laedt = false;
    if (statusGezeigt) ZeigeStatus(nullptr);
    if (ergebnis == LeseErgebnis::Ok) return Ladeausgang::Ok;
    return abgelehnt ? Ladeausgang::NeueDatei : Ladeausgang::Gescheitert;
}
