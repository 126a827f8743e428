// The appointment reader: round trips, the older layouts, the password step and damaged
// files, which must leave the collection as a fresh start.
#include "core/ResourceIds.h"
#include "core/ResString.h"
#include "document/KalenderDatei.h"
#include "store/DateiTestHilfe.h"
#include "store/JahresKopien.h"
#include "store/Passwort.h"
#include "store/RecordRef.h"
#include "store/TerminFixtures.h"
#include "support/FakeHost.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {
class ListeLaden : public DateiTest {
protected:
    void SetUp() override {
        PasswortEingaben::Texte().clear();
        PasswortEingaben::Fragen() = 0;
        pfad = dir.Datei("kal.odv");
    }
    Ladeausgang Lade(const std::string& datei) {
        Dateiname = datei;
        return doc.Laden();
    }
    // A file with two appointments (one with a long text) and one address.
    std::string Beispiel() {
        lang = MachTermin(2026, 2, 3, 14, 15, 16, 45, 0x4020, "Programm");
        lang.Beschr = "#[notepad.exe]" + std::string(400, '-') + "Ende";
        lang.AdrId = 1;
        lang.Vorwarnung = MachZeitpunkt(2026, 2, 3, 14, 0);
        EXPECT_TRUE(Liste.Einfuegen(lang));
        EXPECT_TRUE(Liste.Einfuegen(MachTermin(2026, 2, 1, 0, 0, 0, 0, FlagOhneZeit, "Ganztags")));
        Adresse a;
        Adresse::Setze(a.FIRMA, "Müller & Söhne");
        Adresse::Setze(a.SORT, "MUELLER");
        a.ID = 1;
        a.BEMERK = std::string(256, 'r');
        EXPECT_GE(AdrListe.EinfuegenSortiert(a), 0);
        EXPECT_TRUE(SchreibeDatei(doc, pfad, ModusKalender));
        Liste.Leeren();
        AdrListe.Leeren();
        return LiesBytes(pfad);
    }
    // Offset of the address section in the file Beispiel writes.
    static size_t Adressen(const std::string& datei) {
        const size_t adressen = datei.size() - (513 + 509 - 196 + 512 + 1);
        EXPECT_EQ(datei[adressen], '\x03');
        return adressen;
    }
    void ErwarteFrischenStart() {
        EXPECT_EQ((std::vector<int>{Liste.Anzahl(), Liste.Kapazitaet(), Liste.Passwort[0], Liste.Laedt, Liste.Geaendert,
                                    AdrListe.Anzahl(), AdrListe.Kapazitaet(), host.waitDepth}),
                  (std::vector<int>{0, ClsListe::StartKapazitaet, 0, 0, 0, 0, ClsAdrListe::StartKapazitaet, 0}));
    }
    // The number of the last message; formatted texts are recognised by their first part.
    int LetzteMeldung() const {
        if (host.messages.empty()) return -1;
        const FakeHost::Shown& m = host.messages.back();
        if (m.textId) return m.textId;
        for (int id : {IDS_DATEI_BESCHAEDIGT, IDS_ADRESSEN_BESCHAEDIGT}) {
            const std::string format = LoadResString(id);
            if (m.text.compare(0, format.find("%s"), format, 0, format.find("%s")) == 0) return id;
        }
        return 0;
    }

    std::string pfad;
    Termin lang;
};

// Builders for files of the older versions, written from their layout descriptions.
std::string U16(int v) { return std::string{char(v & 0xFF), char((v >> 8) & 0xFF)}; }
std::string Feld(const std::string& s, size_t n) { return (s + std::string(n, ' ')).substr(0, n); }

std::string Kopf(const std::string& kennung, int saetze, int spalten, int satzLaenge, int version = 0,
                 const std::string& passwort = "") {
    std::string k = kennung.substr(0, 4) + U16(saetze) + U16(0) + U16(32 + 32 * spalten + 1) + U16(satzLaenge) +
                    U16(0) + U16(0) + U16(version) + passwort;
    k.resize(32, '\0');
    for (int i = 0; i < spalten; ++i) {
        std::string d(32, '\0');
        d[0] = char('A' + i);
        d[11] = 'C';
        d[16] = char(i == 10 ? 49 : i == 11 ? 174 : 2);
        k += d;
    }
    return k + "\x0D";
}
}  // namespace

TEST_F(ListeLaden, NativeRoundTripIsByteIdentical) {
    host.now = {2026, 1, 10, 9, 0, 0};
    ASSERT_TRUE(Liste.Einfuegen(MachJahresMaster(2024, 5, 1, 8, 0, 9, 0, "Jahrestag", 2)));
    std::strcpy(Liste.Passwort, "Kennwort");
    const std::string erste = Beispiel();  // also saves the yearly master
    std::strcpy(Liste.Passwort, "");
    host.posted.clear();

    PasswortEingaben::Texte().push_back("Kennwort");
    ASSERT_EQ(Lade(pfad), Ladeausgang::Ok);
    EXPECT_STREQ(Liste.Passwort, "Kennwort");
    EXPECT_EQ(Liste.Anzahl(), 3 + JahresKopienAnzahl);
    EXPECT_FALSE(Liste.Geaendert || AdrListe.Geaendert);
    ASSERT_EQ(AdrListe.Anzahl(), 1);
    EXPECT_EQ(AdrListe.Satz(0).BEMERK, std::string(256, 'r'));
    int programm = 0;
    while (programm < Liste.Anzahl() && !Liste.Satz(programm).Hat(FlagProgramm)) ++programm;
    EXPECT_TRUE(SameRecord(Liste.Satz(programm), lang));
    EXPECT_EQ(host.CountPosted(Msg::StatusText), 2u);  // loading text, then cleared
    EXPECT_EQ(host.CountPosted(Msg::ListChanged), 0u);

    // Only the capacity hint differs: now the copies are in memory and left out.
    const std::string zweiter = dir.Datei("zwei.odv");
    ASSERT_TRUE(SchreibeDatei(doc, zweiter, ModusKalender));
    std::string wieder = LiesBytes(zweiter);
    EXPECT_EQ(wieder.substr(14, 2), std::string("\x02\0", 2));
    wieder.replace(14, 2, std::string(2, '\0'));
    EXPECT_EQ(wieder, erste);
}

TEST_F(ListeLaden, Version300AsksConvertsAndKeepsANumberedBackup) {
    std::string satz = " " "202001020304" "202001020405" + Feld("Alt", 49) + Feld("Beschreibung", 174) +
                       "202001010800" + U16(9) + U16(0x8050);
    const std::string datei = Kopf("ordv", 1, 19, 264, 300) + satz + "\x1A";
    SchreibBytes(pfad, datei);
    SchreibBytes(dir.Datei("kal.300"), "belegt");

    host.answers = {Mb::IdYes, Mb::IdYes};
    ASSERT_EQ(Lade(pfad), Ladeausgang::Ok);
    ASSERT_EQ(Liste.Anzahl(), 1 + JahresKopienAnzahl);
    Termin t = MachTermin(2020, 1, 2, 3, 4, 4, 5, 0x8050, "Alt");
    t.Beschr = "Beschreibung";
    t.Vorwarnung = t.VorwarnBasis = MachZeitpunkt(2020, 1, 1, 8, 0);  // no base column: the warning
    t.Id = 9;
    EXPECT_TRUE(SameRecord(Liste.Satz(0), t));
    EXPECT_EQ(Liste.Satz(JahresKopienAnzahl).Vorwarnung, MachZeitpunkt(2039, 1, 1, 8, 0));
    EXPECT_TRUE(Liste.Geaendert);

    EXPECT_EQ(host.Ids(), (std::vector<int>{1175, 1184, 0}));
    EXPECT_EQ(host.messages[0].captionId, 1176);
    EXPECT_EQ(host.messages[1].captionId, 1177);
    EXPECT_NE(host.messages[2].text.find(dir.Datei("kal.301")), std::string::npos);
    EXPECT_EQ(LiesBytes(dir.Datei("kal.301")), datei);
    EXPECT_EQ(LiesBytes(dir.Datei("kal.300")), "belegt");
}

TEST_F(ListeLaden, Version400ReadsTheWarningBaseWithoutBackupWhenDeclined) {
    std::string satz = " " "202105060708" "202105060809" + Feld("Vier", 49) + Feld("", 174) + "000000000000" +
                       "202104050607" + U16(0) + U16(0x0040);
    SchreibBytes(pfad, Kopf("ordv", 1, 24, 276, 400) + satz + "\x1A");
    host.answers = {Mb::IdYes, Mb::IdNo};
    ASSERT_EQ(Lade(pfad), Ladeausgang::Ok);
    ASSERT_EQ(Liste.Anzahl(), 1 + JahresKopienAnzahl);  // a yearly master gets its copies
    EXPECT_EQ(Liste.Satz(0).VorwarnBasis, MachZeitpunkt(2021, 4, 5, 6, 7));
    EXPECT_EQ(Liste.Satz(0).Id, 2);  // a master without number gets one
    EXPECT_EQ(host.messages.size(), 2u);
    EXPECT_FALSE(std::filesystem::exists(dir.Datei("kal.400")));
}

TEST_F(ListeLaden, DbaseVersion200GathersTheFlagsOfMissingTimes) {
    std::string satz = " " "201905060708" "20190506-1-1" + Feld("Zweihundert", 49) + Feld("", 174) +
                       "20190505-100" + U16(4) + U16(0xFFFF);
    SchreibBytes(pfad, Kopf("\x03\x5F\x01\x01", 1, 19, 264) + satz + "\x1A");
    ASSERT_EQ(Lade(pfad), Ladeausgang::Ok);
    EXPECT_EQ(host.Ids(), std::vector<int>{1175});
    const Termin& t = Liste.Satz(0);
    EXPECT_EQ(t.Start, MachZeitpunkt(2019, 5, 6, 7, 8));
    EXPECT_EQ(t.Ende, MachZeitpunkt(2019, 5, 6, 0, 0));
    EXPECT_EQ(std::vector<int>({t.Flags, t.Vorwarnung.Jahr, t.Id}), std::vector<int>({FlagOhneEnde | FlagOhneVorwarnung, 0, 4}));
    EXPECT_TRUE(Liste.Geaendert);
}

TEST_F(ListeLaden, DbaseVersion110HasNoEndAndFixedTextLengths) {
    const std::string beschr = std::string(200, 'b') + "     ";
    std::string satz = " " "19880229-1-1" + Feld("Hundertzehn mit langem Text!", 29) + beschr +
                       std::string(10, 'z') + "ww" + U16(3);
    std::string kopf = Kopf("\x03\x58\x01\x01", 1, 10, 261);
    ASSERT_EQ(kopf.size(), 353u);
    SchreibBytes(pfad, kopf + satz + "\x1A");
    ASSERT_EQ(Lade(pfad), Ladeausgang::Ok);
    Termin t = MachTermin(1988, 2, 29, 0, 0, 0, 0, FlagOhneZeit | FlagOhneVorwarnung, "Hundertzehn mit langem Text!");
    t.Beschr = std::string(174, 'b');
    t.Id = 3;
    EXPECT_TRUE(SameRecord(Liste.Satz(0), t));
}

TEST_F(ListeLaden, DeclinedConversionAndForeignFilesStartANewFile) {
    SchreibBytes(pfad, Kopf("ordv", 0, 19, 264, 300) + "\x1A");
    host.answers = {Mb::IdNo};
    EXPECT_EQ(Lade(pfad), Ladeausgang::NeueDatei);
    ErwarteFrischenStart();

    SchreibBytes(pfad, "PK\x03\x04 kein Kalender, sondern etwas anderes, lang genug");
    EXPECT_EQ(Lade(pfad), Ladeausgang::NeueDatei);
    EXPECT_EQ(LetzteMeldung(), 1180);
    EXPECT_EQ(host.messages.back().captionId, 1176);
    ErwarteFrischenStart();

    EXPECT_EQ(Lade(dir.Datei("fehlt.odv")), Ladeausgang::Gescheitert);
    ErwarteFrischenStart();
}

TEST_F(ListeLaden, PasswordMustBeTypedExactly) {
    ASSERT_TRUE(Liste.Einfuegen(MachTermin(2026, 4, 1, 9, 0, 10, 0)));
    std::strcpy(Liste.Passwort, "Geheim");
    ASSERT_TRUE(SchreibeDatei(doc, pfad, ModusKalender));

    PasswortEingaben::Texte() = {"geheim"};
    EXPECT_NE(Lade(pfad), Ladeausgang::Ok);
    EXPECT_EQ(LetzteMeldung(), 1174);
    EXPECT_TRUE(Dateiname.empty());
    ErwarteFrischenStart();

    PasswortEingaben::Texte() = {"Geheim"};
    EXPECT_EQ(Lade(pfad), Ladeausgang::Ok);
    EXPECT_EQ(Liste.Anzahl(), 1);
    EXPECT_EQ(PasswortEingaben::Fragen(), 2);
}

TEST_F(ListeLaden, OverwriteCheckTakesThePasswordOfTheOverwrittenFile) {
    ASSERT_TRUE(Liste.Einfuegen(MachTermin(2026, 4, 1, 9, 0, 10, 0)));
    std::strcpy(Liste.Passwort, "alt");
    ASSERT_TRUE(SchreibeDatei(doc, pfad, ModusKalender));
    std::strcpy(Liste.Passwort, "meins");

    PasswortEingaben::Texte() = {"falsch"};
    EXPECT_FALSE(PruefeDateiPasswort(pfad, Liste));
    EXPECT_STREQ(Liste.Passwort, "meins");
    EXPECT_EQ(LetzteMeldung(), 1174);

    PasswortEingaben::Texte() = {"alt"};
    EXPECT_TRUE(PruefeDateiPasswort(pfad, Liste));
    EXPECT_STREQ(Liste.Passwort, "alt");

    SchreibBytes(pfad, "keine Ordivo-Datei");
    EXPECT_TRUE(PruefeDateiPasswort(pfad, Liste));
    EXPECT_FALSE(PruefeDateiPasswort(dir.Datei("fehlt.odv"), Liste));
    EXPECT_EQ(PasswortEingaben::Fragen(), 2);
}

TEST_F(ListeLaden, DamagedFilesAreRefusedAndLeaveAFreshStart) {
    const std::string gut = Beispiel();
    const size_t satz1 = 865, satz2 = 865 + 290;  // the all-day record comes first
    struct Fall {
        const char* name;
        std::string bytes;
    };
    auto mit = [&](size_t pos, const std::string& neu) { return std::string(gut).replace(pos, neu.size(), neu); };
    const Fall faelle[] = {
        {"count beyond the data", mit(4, std::string("\x03\0", 2))},
        {"huge count", mit(4, "\xFF\xFF\xFF\x7F")},
        {"header length below 32", mit(8, std::string("\x10\0", 2))},
        {"header length beyond the file", mit(8, "\xFF\xFF")},
        {"negative BLOCKS", mit(satz2 + 79, "-01")},
        {"huge BLOCKS", mit(satz2 + 79, "999")},
        {"garbage digits", mit(satz1 + 1, "19x5")},
        {"year 0, the end marker", mit(satz1 + 1, "0000")},
        {"month 13", mit(satz1 + 5, "13")},
        {"day 32", mit(satz1 + 7, "32")},
        {"number beyond 16 bits", mit(satz1 + 280, "70000")},
        {"cut in a record", gut.substr(0, satz2 + 100)},
        {"cut in a long text", gut.substr(0, satz2 + 300)},
        {"wrong end byte", mit(Adressen(gut) - 1, "X")},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        host.messages.clear();
        SchreibBytes(pfad, fall.bytes);
        EXPECT_EQ(Lade(pfad), Ladeausgang::NeueDatei);
        EXPECT_EQ(LetzteMeldung(), IDS_DATEI_BESCHAEDIGT);
        ErwarteFrischenStart();
        EXPECT_EQ(LiesBytes(pfad), fall.bytes);  // the file itself is left alone
    }
    SchreibBytes(pfad, gut.substr(0, 20));
    EXPECT_EQ(Lade(pfad), Ladeausgang::NeueDatei);
    EXPECT_EQ(LetzteMeldung(), 1180);
}

// Fewer bytes than an address header after the appointments: no address section.
TEST_F(ListeLaden, UpTo31BytesAfterTheAppointmentsAreNoAddressSection) {
    const std::string gut = Beispiel();
    for (size_t rest : {0, 1, 20, 31}) {
        SCOPED_TRACE(rest);
        host.messages.clear();
        SchreibBytes(pfad, gut.substr(0, Adressen(gut) + rest));
        EXPECT_EQ(Lade(pfad), Ladeausgang::Ok);
        EXPECT_EQ(Liste.Anzahl(), 2);
        EXPECT_EQ(AdrListe.Kapazitaet(), ClsAdrListe::StartKapazitaet);  // and empty
        EXPECT_EQ(AdrListe.Anzahl() + host.messages.size(), 0u);
    }
}

// A damaged address section costs the addresses, never the appointments read before it.
TEST_F(ListeLaden, DamagedAddressSectionKeepsTheAppointments) {
    const std::string gut = Beispiel();
    const size_t adressen = Adressen(gut);
    auto mit = [&](size_t pos, const std::string& neu) { return std::string(gut).replace(pos, neu.size(), neu); };
    const std::pair<const char*, std::string> faelle[] = {
        {"cut address header", gut.substr(0, adressen + 32)},
        {"address count beyond the data", mit(adressen + 4, "\x09")},
        {"address header length below 32", mit(adressen + 8, std::string("\x10\0", 2))},
        {"address BLOCKS negative", mit(adressen + 513 + 310, "-02")},
        {"address ID beyond 16 bits", mit(adressen + 513 + 300, "70000")},
        {"cut address remark", gut.substr(0, gut.size() - 100)},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.first);
        host.messages.clear();
        SchreibBytes(pfad, fall.second);
        EXPECT_EQ(Lade(pfad), Ladeausgang::Ok);
        EXPECT_EQ(Texte(Liste), (std::vector<std::string>{"Ganztags", "Programm"}));
        EXPECT_FALSE(Liste.Geaendert);
        EXPECT_EQ(AdrListe.Anzahl(), 0);
        EXPECT_EQ(AdrListe.Kapazitaet(), ClsAdrListe::StartKapazitaet);
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(LetzteMeldung(), IDS_ADRESSEN_BESCHAEDIGT);
        EXPECT_NE(host.messages[0].text.find(Dateiname), std::string::npos);
        EXPECT_FALSE(Liste.Laedt || host.waitDepth);
    }
}

// Each file gets exactly its own password: none is left over from the file opened before.
TEST_F(ListeLaden, EachFileOpensWithItsOwnPassword) {
    const std::string a = dir.Datei("a.odv"), b = dir.Datei("b.odv"), c = dir.Datei("c.odv");
    const std::pair<std::string, const char*> dateien[] = {{a, "geheimnis"}, {b, "abc"}, {c, ""}};
    for (const auto& d : dateien) {
        Liste.Leeren();
        Liste.Reserviere(ClsListe::StartKapazitaet);
        ASSERT_TRUE(Liste.Einfuegen(MachTermin(2026, 4, 1, 9, 0, 10, 0, 0, d.first)));
        SetzePasswort(Liste.Passwort, d.second);
        ASSERT_TRUE(SchreibeDatei(doc, d.first, ModusKalender));
    }
    // Open each in turn after the longer protected one, save it, and reopen it.
    for (int runde = 0; runde < 2; ++runde)
        for (const auto& d : dateien) {
            SCOPED_TRACE(d.first + " round " + std::to_string(runde));
            PasswortEingaben::Texte() = {d.second};
            ASSERT_EQ(Lade(d.first), Ladeausgang::Ok);
            EXPECT_EQ(std::string(Liste.Passwort, 14), (d.second + std::string(14, '\0')).substr(0, 14));
            ASSERT_TRUE(SpeichereMitSicherung(doc, d.first, ModusKalender));
        }
    EXPECT_EQ(PasswortEingaben::Fragen(), 4);  // only the two protected files ask, twice each
}
