// The address section: a dBase III table of 15 columns and 509-byte records, remarks
// longer than 196 characters in 256-byte blocks in the native form.
#include "addresses/ClsAdrListe.h"

#include "core/Host.h"
#include "core/ResString.h"
#include "core/ResourceIds.h"
#include "core/TextFormat.h"
#include "store/DateiSchreiber.h"
#include "store/DbaseTabelle.h"
#include "store/Oem.h"

#include <new>

namespace {
// The eleven text columns, in file order.
struct TextSpalte {
    DbaseSpalte Spalte;
    char* (*Feld)(Adresse&);
    bool Oem;  // converted in the export
};
constexpr TextSpalte Texte[] = {
    {{"FIRMA", 'C', 39}, [](Adresse& a) { return a.FIRMA; }, true},
    {{"ANREDE", 'C', 19}, [](Adresse& a) { return a.ANREDE; }, true},
    {{"NAME1", 'C', 39}, [](Adresse& a) { return a.NAME1; }, true},
    {{"NAME2", 'C', 39}, [](Adresse& a) { return a.NAME2; }, true},
    {{"STRASSE", 'C', 39}, [](Adresse& a) { return a.STRASSE; }, true},
    {{"PLZORT", 'C', 39}, [](Adresse& a) { return a.PLZORT; }, true},
    {{"LAND", 'C', 19}, [](Adresse& a) { return a.LAND; }, true},
    {{"TELEFON", 'C', 19}, [](Adresse& a) { return a.TELEFON; }, false},
    {{"FAX", 'C', 19}, [](Adresse& a) { return a.FAX; }, false},
    {{"SORT", 'C', 9}, [](Adresse& a) { return a.SORT; }, true},
    {{"BTX", 'C', 19}, [](Adresse& a) { return a.BTX; }, false},
};
constexpr int TextAnzahl = int(sizeof Texte / sizeof Texte[0]);
constexpr int BlockGroesse = 256;

struct Spaltenliste {
    DbaseSpalte Spalte[TextAnzahl + 4] = {};
    constexpr Spaltenliste() {
        for (int i = 0; i < TextAnzahl; ++i) Spalte[i] = Texte[i].Spalte;
        Spalte[TextAnzahl] = {"ID", 'N', 5};
        Spalte[TextAnzahl + 1] = {"FLAGS", 'N', 5};
        Spalte[TextAnzahl + 2] = {"BLOCKS", 'C', 3};
        Spalte[TextAnzahl + 3] = {"BEMERK", 'C', int(Adresse::BemerkInline)};
    }
};
constexpr Spaltenliste Spalten;
constexpr int SpaltenAnzahl = TextAnzahl + 4;
constexpr int SatzLaenge = Dbase::SatzLaenge(Spalten.Spalte, SpaltenAnzahl);
// The record as it goes to disk, the same in the 32- and the 64-bit build.
static_assert(Dbase::KopfLaenge(SpaltenAnzahl) == 513, "address header: 32 bytes, 15 descriptors, 0x0D");
static_assert(SatzLaenge == 509, "address record: 509 bytes");
static_assert(Dbase::SpaltenOffset(Spalten.Spalte, TextAnzahl) == 300 &&
                  Dbase::SpaltenOffset(Spalten.Spalte, TextAnzahl + 2) == 310 &&
                  Dbase::SpaltenOffset(Spalten.Spalte, TextAnzahl + 3) == 313,
              "ID at 300, BLOCKS at 310, BEMERK at 313");

void SchreibeSatz(std::string& satz, Adresse& a, bool alsExport) {
    satz += Dbase::NichtGeloescht;
    for (const TextSpalte& s : Texte) {
        const std::string text = s.Feld(a);
        Dbase::Text(satz, alsExport && s.Oem ? ZuOem(text) : text, size_t(s.Spalte.Laenge));
    }
    const int blocks = a.Blocks();
    Dbase::Zahl(satz, a.ID, 5);
    Dbase::Zahl(satz, a.FLAGS, 5);
    Dbase::Zahl(satz, blocks, 3);
    if (!alsExport && blocks >= 1)
        Dbase::Text(satz, a.BEMERK, size_t(blocks) * BlockGroesse);
    else
        Dbase::Text(satz, alsExport ? ZuOem(a.BEMERK.substr(0, Adresse::BemerkInline)) : a.BEMERK,
                    Adresse::BemerkInline);
}

// One record; false when it is short, malformed, or its numbers are out of range.
bool LiesSatz(FeldLeser& f, uint64_t rest, Adresse& a) {
    f.Ueberspringe(1);
    for (const TextSpalte& s : Texte) {
        const std::string text = f.Text(size_t(s.Spalte.Laenge));
        std::strncpy(s.Feld(a), text.c_str(), size_t(s.Spalte.Laenge));
    }
    const long id = f.Zahl(5), flags = f.Zahl(5), blocks = f.Zahl(3);
    if (id < 0 || id > 0xFFFF || flags < 0 || flags > 0xFFFF || blocks < 0) return false;
    if (uint64_t(blocks) * BlockGroesse > rest) return false;
    a.ID = uint16_t(id);
    a.FLAGS = uint16_t(flags);
    a.BEMERK = f.Text(blocks >= 1 ? size_t(blocks) * BlockGroesse : Adresse::BemerkInline);
    return f.Ok();
}
}  // namespace

bool ClsAdrListe::SchreibeAbschnitt(DateiSchreiber& datei, bool alsExport) {
    if (saetze_.empty()) return datei.Fehlerfrei();
    unsigned char kennung[4];
    Dbase::DatumKennung(GetHost().Now(), kennung);
    if (!datei.Schreibe(Dbase::Kopf(kennung, uint32_t(Anzahl()), Spalten.Spalte, SpaltenAnzahl))) return false;
    std::string satz;
    for (Adresse& a : saetze_) {
        satz.clear();
        SchreibeSatz(satz, a, alsExport);
        if (!datei.Schreibe(satz)) return false;
    }
    if (!datei.Schreibe(&Dbase::Endbyte, 1)) return false;
    if (!alsExport) Geaendert = false;
    return true;
}

LeseErgebnis ClsAdrListe::LiesAbschnitt(DateiLeser& datei) {
    Leeren();
    unsigned char kopf[Dbase::KopfGroesse];
    const size_t da = datei.Lies(kopf, sizeof kopf);
    if (da < sizeof kopf) return Initialisieren() ? LeseErgebnis::Ok : LeseErgebnis::Gemeldet;
    const uint32_t anzahl = Dbase::U32(kopf + Dbase::AnzahlOffset);
    const int kopfLaenge = Dbase::U16(kopf + 8);
    if (kopfLaenge < Dbase::KopfGroesse || !datei.Ueberspringe(uint64_t(kopfLaenge - Dbase::KopfGroesse)) ||
        uint64_t(anzahl) * uint64_t(SatzLaenge) > datei.Rest())
        return LeseErgebnis::Beschaedigt;
    if (!Reserviere(int(anzahl) + Wachstum + 1)) {
        Message(IDS_SPEICHERMANGEL, 0, Mb::Ok | Mb::IconExclamation | Mb::TaskModal);
        return LeseErgebnis::Gemeldet;
    }
    kapazitaet_ = int(anzahl) + Wachstum;
    FeldLeser feld(datei);
    for (uint32_t i = 0; i < anzahl; ++i) {
        Adresse a;
        if (!LiesSatz(feld, datei.Rest(), a)) return LeseErgebnis::Beschaedigt;
        saetze_.push_back(std::move(a));
    }
    Geaendert = false;
    return LeseErgebnis::Ok;
}

void ClsAdrListe::LiesAbschnittOderLeer(DateiLeser& datei, const std::string& dateiname) {
    constexpr unsigned Hinweis = Mb::Ok | Mb::IconExclamation | Mb::TaskModal;
    LeseErgebnis ergebnis;
    try {
        ergebnis = LiesAbschnitt(datei);
    } catch (const std::bad_alloc&) {
        Message(IDS_SPEICHERMANGEL, 0, Hinweis);
        ergebnis = LeseErgebnis::Gemeldet;
    }
    if (ergebnis == LeseErgebnis::Ok) return;
    if (ergebnis == LeseErgebnis::Beschaedigt)
        GetHost().MessageText(Format(LoadResString(IDS_ADRESSEN_BESCHAEDIGT), dateiname.c_str()), "Ordivo",
                              Hinweis);
    Initialisieren();
}
