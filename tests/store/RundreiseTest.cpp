// Property: random collections that the program can hold (every flag, typed times, 29
// February, empty and maximal texts, yearly series, addresses with long remarks) are read
// back from their file record by record, and their dBase exports give an independent
// reader (Debian's python3-dbfread) the values written.
#include "core/TextFormat.h"
#include "document/KalenderDatei.h"
#include "store/DateiTestHilfe.h"
#include "store/JahresKopien.h"
#include "store/Passwort.h"
#include "support/FakeHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace {
constexpr int Sammlungen = 120;
constexpr int ExportJede = 4;  // every 4th collection also goes through dbfread

// A fixed 64-bit LCG: the same sequence with every compiler and library.
class Zufall {
public:
    explicit Zufall(uint64_t saat) : s_(saat) {}
    uint32_t Naechste() {
        s_ = s_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return uint32_t(s_ >> 33);
    }
    int Zahl(int von, int bis) { return von + int(Naechste() % uint32_t(bis - von + 1)); }
    bool Chance(int prozent) { return Zahl(1, 100) <= prozent; }
    template <size_t N>
    int Eins(const int (&werte)[N]) { return werte[Naechste() % N]; }

private:
    uint64_t s_;
};

// Text characters, umlauts included; no '|', the separator of the dbfread lines.
const std::string Zeichen = "abcdXYZ 0189.,;:-_()#[]!?\"'/\\&%$\xE4\xF6\xFC\xC4\xD6\xDC\xDF\xE9";

// `laenge` characters without a trailing blank (the file keeps none); descriptions also
// get line breaks.
std::string Text(Zufall& z, size_t laenge, bool zeilen = false) {
    std::string t;
    while (t.size() < laenge) {
        if (zeilen && t.size() + 2 <= laenge && z.Chance(3)) t += "\r\n";
        else t += Zeichen[z.Naechste() % Zeichen.size()];
    }
    if (!t.empty() && t.back() == ' ') t.back() = 'x';
    return t;
}

// Hours and minutes as the dialog allows them (24:00 included) or as typed in place.
void Uhrzeit(Zufall& z, Zeitpunkt& p) {
    if (z.Chance(60)) {
        p.Stunde = int8_t(z.Zahl(0, 23));
        p.Minute = int8_t(z.Zahl(0, 59));
    } else if (z.Chance(30)) {
        p.Stunde = 24;
        p.Minute = 0;
    } else {
        p.Stunde = int8_t(z.Zahl(0, 99));
        p.Minute = int8_t(z.Zahl(0, 99));
    }
}

Zeitpunkt Datum(Zufall& z, int jahr) {
    const int monat = z.Zahl(1, 12);
    Zeitpunkt p = MachZeitpunkt(jahr, monat, z.Zahl(1, TageImMonat(jahr, monat)));
    Uhrzeit(z, p);
    return p;
}

// A warning as the dialog sets it, or none.
Zeitpunkt Warnung(Zufall& z, int jahr) {
    if (z.Chance(50)) return Zeitpunkt{};
    Zeitpunkt p = Datum(z, jahr);
    p.Stunde = int8_t(z.Zahl(0, 23));
    p.Minute = int8_t(z.Zahl(0, 59));
    return p;
}

Termin ZufallsTermin(Zufall& z, bool jaehrlich, uint16_t masterId) {
    Termin t;
    const int jahr = jaehrlich ? z.Zahl(2016, 2030) : z.Chance(80) ? z.Zahl(1990, 2040) : z.Eins({1, 1000, 2000, 9999});
    t.Start = Datum(z, jahr);
    if (jaehrlich && z.Chance(30)) {  // 29 February, later rolled into common years
        t.Start.Jahr = int16_t(z.Eins({2016, 2020, 2024, 2028}));
        t.Start.Monat = 2;
        t.Start.Tag = 29;
    }
    t.Ende = jaehrlich ? MachZeitpunkt(1, 0, 0) : t.Start;
    Uhrzeit(z, t.Ende);
    t.Vorwarnung = Warnung(z, jahr);
    t.VorwarnBasis = Warnung(z, jahr);
    t.Flags = uint16_t(z.Naechste() & ~(FlagJaehrlich | FlagJahresKopie));
    if (jaehrlich) t.Flags |= FlagJaehrlich;
    t.Id = jaehrlich ? masterId : uint16_t(z.Chance(50) ? 0 : z.Zahl(2, 999));
    t.AdrId = uint16_t(z.Naechste());
    t.SetzeKurzbeschr(Text(z, size_t(z.Chance(50) ? z.Eins({0, 1, 48, 49}) : z.Zahl(0, 49))));
    const int beschr = z.Chance(2) ? 32000 : z.Eins({0, 1, 100, 173, 174, 175, 255, 256, 257, 511, 512, 600, 3000});
    t.Beschr = Text(z, size_t(beschr), true);
    return t;
}

Adresse ZufallsAdresse(Zufall& z) {
    Adresse a;
    for (auto* feld : {a.FIRMA, a.NAME1, a.NAME2, a.STRASSE, a.PLZORT})
        std::strcpy(feld, Text(z, size_t(z.Chance(30) ? 39 : z.Zahl(0, 39))).c_str());
    for (auto* feld : {a.ANREDE, a.LAND, a.TELEFON, a.FAX, a.BTX})
        std::strcpy(feld, Text(z, size_t(z.Chance(30) ? 19 : z.Zahl(0, 19))).c_str());
    Adresse::Setze(a.SORT, "S" + Text(z, size_t(z.Zahl(0, 8))));
    a.ID = uint16_t(z.Naechste());
    a.FLAGS = uint16_t(z.Naechste());
    a.BEMERK = Text(z, size_t(z.Eins({0, 1, 195, 196, 197, 255, 256, 257, 600, 2000})), true);
    return a;
}

// A time as dbfread prints its five number columns.
std::string Zahlen(const Zeitpunkt& p) { return Format("%d|%d|%d|%d|%d", p.Jahr, p.Monat, p.Tag, p.Stunde, p.Minute); }

// Every field of a record, for comparisons with readable differences.
std::string Bild(const Termin& t) {
    return Zahlen(t.Start) + " bis " + Zahlen(t.Ende) + " W " + Zahlen(t.Vorwarnung) + " B " + Zahlen(t.VorwarnBasis) +
           " id " + std::to_string(t.Id) + " f " + std::to_string(t.Flags) + " adr " + std::to_string(t.AdrId) +
           " [" + t.Kurzbeschr + "] [" + t.Beschr + "]";
}

std::string Bild(const Adresse& a) {
    std::string s;
    for (const char* f : {a.FIRMA, a.ANREDE, a.NAME1, a.NAME2, a.STRASSE, a.PLZORT, a.LAND, a.TELEFON, a.FAX,
                          a.BTX, a.SORT})
        s += std::string(f) + "|";
    return s + std::to_string(a.ID) + "|" + std::to_string(a.FLAGS) + "|" + a.BEMERK;
}

// What a yearly series keeps when the save moves it on (the done flag is dropped).
std::string Serie(const Termin& t) {
    Termin s = t;
    s.Start.Jahr = 0;
    s.Ende.Jahr = 0;
    s.Vorwarnung = s.VorwarnBasis = Zeitpunkt{};
    s.Flags &= uint16_t(~FlagErledigt);
    return Bild(s);
}

std::vector<std::string> Termine(ClsListe& l, bool ohneJahresSerien) {
    std::vector<std::string> out;
    for (int i = 0; i < l.Anzahl(); ++i)
        if (!ohneJahresSerien || !(l.Satz(i).Hat(FlagJaehrlich) || l.Satz(i).Hat(FlagJahresKopie)))
            out.push_back(Bild(l.Satz(i)));
    return out;
}

std::vector<std::string> Adressen(ClsAdrListe& l) {
    std::vector<std::string> out;
    for (int i = 0; i < l.Anzahl(); ++i) out.push_back(Bild(l.Satz(i)));
    return out;
}

// The dbfread line of a value: printable ASCII as it is, every other byte as \xNN.
std::string Zeile(const std::string& text) {
    std::string s;
    for (unsigned char c : text)
        s += c >= 0x20 && c <= 0x7E && c != '\\' && c != '|' ? std::string(1, char(c)) : Format("\\x%02x", c);
    return s;
}

// dBase text as a reader sees it: cut to the column, trailing blanks and zeros gone.
std::string DbfText(const std::string& text, size_t spalte) {
    const std::string t = text.substr(0, spalte);
    const size_t ende = t.find_last_not_of(std::string(" \0", 2));
    return Zeile(ende == std::string::npos ? "" : t.substr(0, ende + 1));
}

// The export lines dbfread must print for the collection and address list in memory (no
// address file for an empty list, whose export is empty); the reader undoes the OEM texts.
std::string ErwarteterExport(Dokument& dok, const std::string& termine, const std::string& adressen) {
    std::string s = termine + " JAHR,MONAT,TAG,STUNDE,MINUTE,JAHR2,MONAT2,TAG2,STUNDE2,MINUTE2,KURZBESCHR,ADRID,"
                              "BLOCKS,BESCHR,JAHRV,MONATV,TAGV,STUNDEV,MINUTEV,JAHRH,MONATH,TAGH,STUNDEH,MINUTEH,ID,FLAGS\n";
    for (int i = 0; i < dok.Liste.Anzahl(); ++i) {
        const Termin& t = dok.Liste.Satz(i);
        if (t.Hat(FlagJahresKopie)) continue;
        s += Zahlen(t.Start) + "|" + Zahlen(t.Ende) + "|" + DbfText(t.Kurzbeschr, 49) + "|" + std::to_string(t.AdrId) +
             "|" + Format("%03d", t.Blocks()) + "|" + DbfText(t.Beschr, 174) + "|" + Zahlen(t.Vorwarnung) + "|" +
             Zahlen(t.VorwarnBasis) + "|" + std::to_string(t.Id) + "|" + std::to_string(t.Flags) + "\n";
    }
    if (adressen.empty()) return s;
    s += adressen + " FIRMA,ANREDE,NAME1,NAME2,STRASSE,PLZORT,LAND,TELEFON,FAX,SORT,BTX,ID,FLAGS,BLOCKS,BEMERK\n";
    for (int i = 0; i < dok.AdrListe.Anzahl(); ++i) {
        const Adresse& a = dok.AdrListe.Satz(i);
        for (const char* f : {a.FIRMA, a.ANREDE, a.NAME1, a.NAME2, a.STRASSE, a.PLZORT, a.LAND})
            s += DbfText(f, 39) + "|";
        for (const char* f : {a.TELEFON, a.FAX}) s += DbfText(f, 19) + "|";
        s += DbfText(a.SORT, 9) + "|" + DbfText(a.BTX, 19) + "|" + std::to_string(a.ID) + "|" +
             std::to_string(a.FLAGS) + "|" + Format("%03d", a.Blocks()) + "|" + DbfText(a.BEMERK, 196) + "\n";
    }
    return s;
}

std::vector<std::string> Zeilen(const std::string& text) {
    std::vector<std::string> zeilen;
    for (size_t von = 0; von < text.size();) {
        const size_t bis = std::min(text.find('\n', von), text.size());
        zeilen.push_back(text.substr(von, bis - von));
        von = bis + 1;
    }
    return zeilen;
}

bool DbfreadDa() { return std::system("/usr/bin/python3 -c 'import dbfread' >/dev/null 2>&1") == 0; }

// One dbfread run over all files: the name and columns of each, then a line per record.
// The texts are read as code page 850 except the numbers the export keeps as stored.
std::string MitDbfread(const std::vector<std::string>& dateien) {
    std::string befehl =
        "/usr/bin/python3 -c 'import sys, dbfread\n"
        "def z(k, v):\n"
        "    if not isinstance(v, str): return str(v)\n"
        "    if k not in (\"TELEFON\", \"FAX\", \"BTX\"): v = v.encode(\"latin-1\").decode(\"cp850\")\n"
        "    return \"\".join(c if \" \" <= c <= \"~\" and c not in \"\\\\|\" else \"\\\\x%02x\" % ord(c) for c in v)\n"
        "for f in sys.argv[1:]:\n"
        "    t = dbfread.DBF(f, encoding=\"latin-1\")\n"
        "    print(f, \",\".join(t.field_names))\n"
        "    for r in t: print(\"|\".join(z(k, v) for k, v in r.items()))'";
    for (const std::string& d : dateien) befehl += " " + d;
    return Ausgabe(befehl);
}

class Rundreise : public DateiTest {
protected:
    void TearDown() override { PasswortEingaben::Texte().clear(); }
    // Reads `pfad` as the open command does, answering the password question.
    Ladeausgang Lade(const std::string& pfad, const std::string& passwort) {
        Dateiname = pfad;
        PasswortEingaben::Texte() = {passwort};
        return doc.Laden();
    }
};
}  // namespace

TEST_F(Rundreise, RandomCollectionsReadBackRecordByRecord) {
    Zufall z(20261205);
    const bool dbf = DbfreadDa();
    std::vector<std::string> exporte;
    std::string erwartet;
    const Zeitpunkt grenze = MachZeitpunkt(host.now.Jahr - 1, host.now.Monat, host.now.Tag, host.now.Stunde);
    for (int n = 0; n < Sammlungen; ++n) {
        SCOPED_TRACE("collection " + std::to_string(n));
        Liste.Leeren();
        ASSERT_TRUE(Liste.Reserviere(ClsListe::StartKapazitaet));
        ASSERT_TRUE(AdrListe.Initialisieren());
        // The first is larger than the reader's 256 KiB buffer: records and long texts straddle its refills.
        const int saetze = n == 0 ? 1500 : z.Zahl(1, 12);
        for (int i = 0; i < saetze; ++i)
            ASSERT_TRUE(Liste.Einfuegen(ZufallsTermin(z, z.Chance(25), uint16_t(z.Chance(10) ? 0 : 1000 + i))));
        ASSERT_TRUE(ErzeugeJahresKopien(Liste));
        for (int i = z.Zahl(0, 4); i > 0; --i) ASSERT_GE(AdrListe.EinfuegenSortiert(ZufallsAdresse(z)), 0);
        const std::string passwort = z.Chance(25) ? "k" + std::to_string(z.Naechste() % 1000000000) : "";
        ASSERT_EQ(NichtSpeicherbareStelle(passwort), -1);
        SetzePasswort(Liste.Passwort, passwort);
        host.posted.clear();

        const std::string pfad = dir.Datei("r" + std::to_string(n) + ".odv");
        ASSERT_TRUE(SchreibeDatei(doc, pfad, ModusKalender));
        const std::vector<std::string> vorher = Termine(Liste, true), adressen = Adressen(AdrListe);
        std::vector<Termin> master;
        for (int i = 0; i < Liste.Anzahl(); ++i)
            if (Liste.Satz(i).IstJahresMaster()) master.push_back(Liste.Satz(i));

        ASSERT_EQ(Lade(pfad, passwort), Ladeausgang::Ok);
        EXPECT_TRUE(host.messages.empty());
        EXPECT_EQ(std::string(Liste.Passwort), passwort);
        EXPECT_EQ(Termine(Liste, true), vorher);
        EXPECT_EQ(Adressen(AdrListe), adressen);
        // A yearly series comes back with its day, time and texts, at or after the cutoff (a
        // 29 February series in its last leap year).
        for (const Termin& m : master) {
            const Termin* wieder = nullptr;
            for (int i = 0; i < Liste.Anzahl(); ++i)
                if (Liste.Satz(i).IstJahresMaster() && Liste.Satz(i).Id == m.Id) wieder = &Liste.Satz(i);
            ASSERT_NE(wieder, nullptr) << Bild(m);
            EXPECT_EQ(Serie(*wieder), Serie(m));
            EXPECT_TRUE(Am29Februar(m.Start) ? Am29Februar(wieder->Start) : !(wieder->Start < grenze)) << Bild(*wieder);
        }

        // What was read is saved and read again unchanged, the yearly copies included.
        const std::vector<std::string> gelesen = Termine(Liste, false);
        ASSERT_TRUE(SchreibeDatei(doc, pfad, ModusKalender));
        ASSERT_EQ(Lade(pfad, passwort), Ladeausgang::Ok);
        EXPECT_EQ(Termine(Liste, false), gelesen);
        EXPECT_EQ(Adressen(AdrListe), adressen);

        if (!dbf || n % ExportJede != 0) continue;
        const std::string termine = dir.Datei("t" + std::to_string(n) + ".dbf");
        const std::string adr = dir.Datei("a" + std::to_string(n) + ".dbf");
        ASSERT_TRUE(SchreibeDatei(doc, termine, ModusTerminExport));
        exporte.push_back(termine);
        if (AdrListe.Anzahl() > 0) {
            ASSERT_TRUE(SchreibeDatei(doc, adr, ModusAdressExport));
            exporte.push_back(adr);
        }
        erwartet += ErwarteterExport(doc, termine, AdrListe.Anzahl() > 0 ? adr : "");
    }
    if (!dbf) GTEST_SKIP() << "/usr/bin/python3 with dbfread is missing: the dBase exports were not read back";
    // Line by line, so that a difference shows one record rather than all of them.
    const std::vector<std::string> gelesen = Zeilen(MitDbfread(exporte)), soll = Zeilen(erwartet);
    EXPECT_EQ(gelesen.size(), soll.size());
    for (size_t i = 0; i < gelesen.size() && i < soll.size(); ++i)
        if (gelesen[i] != soll[i]) {
            ADD_FAILURE() << "line " << i << "\n dbfread:  " << gelesen[i] << "\n expected: " << soll[i];
            break;
        }
}
