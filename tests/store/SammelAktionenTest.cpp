// The rules behind search, move, remove and delete old: text order, refused inputs with
// their messages, and the member lists of the remove dialog.
#include "TerminFixtures.h"
#include "store/AlteTermine.h"
#include "store/JahresKopien.h"
#include "store/SerienEntfernen.h"
#include "store/Suche.h"
#include "store/Verschieben.h"
#include "support/FakeHost.h"

#include <gtest/gtest.h>

namespace {
int Vorzeichen(int v) { return v < 0 ? -1 : v > 0 ? 1 : 0; }
}  // namespace

TEST(Suche, TextOrderMapsOnlyAsciiLettersAndComparesSignedBytes) {
    const struct {
        const char *a, *b;
        int ergebnis;
    } faelle[] = {
        {"abc", "ABC", 0},
        {"apfel", "Birne", -1},
        {"[", "a", 1},            // 'a' counts as 'A' (0x41) < '[' (0x5B)
        {"\xE4pfel", "Apfel", -1},  // ä is negative as a signed byte: before all ASCII
        {"\xE4", "\xC4", 1},        // ä and Ä stay different
        {"ab", "a", 1},
    };
    for (const auto& f : faelle) EXPECT_EQ(Vorzeichen(TextVergleich(f.a, f.b)), f.ergebnis) << f.a << " " << f.b;
}

TEST(Verschieben, TwoDigitYearsAndRefusedDatesOrTimes) {
    const struct {
        const char *datum, *zeit;
        int jahr;  // 0: refused with 1131/1132, nothing moved
    } faelle[] = {
        {"5.5.95", "14", 1995}, {"5.5.79", "", 2079}, {"5.5", "14:00", 0},       {"31.4.1995", "", 0},
        {"5.13.95", "", 0},     {"5.5.1799", "", 0},   {"5.5.95", "24:00", 0}, {"5.5.95", "9:60", 0},
    };
    for (const auto& f : faelle) {
        FakeHost host;
        ClsListe liste;
        liste.Einfuegen(MachTermin(1995, 5, 3, 10, 0, 11, 0, 0, "x"));
        liste.SetzeAktuell(&liste.Satz(0));
        EXPECT_EQ(VerschiebeAktuell(liste, f.datum, f.zeit), f.jahr != 0) << f.datum;
        ASSERT_EQ(liste.Anzahl(), 1);
        EXPECT_EQ(liste.Satz(0).Start.Jahr, f.jahr ? f.jahr : 1995) << f.datum;
        ASSERT_EQ(host.messages.size(), f.jahr ? 0u : 1u) << f.datum;
        for (const auto& m : host.messages) EXPECT_EQ(m.captionId, 1132);
    }
}

TEST(Verschieben, YearlyRecordKeepsItsStep) {
    Termin t = MachTermin(2026, 6, 10, 9, 0, 10, 30, FlagJaehrlich);
    t.Ende = MachZeitpunkt(1, 0, 0, 10, 30);
    const Termin neu = Verschoben(t, MachZeitpunkt(2026, 6, 11, 23, 0), false);
    EXPECT_EQ(neu.Ende, MachZeitpunkt(1, 0, 0, 0, 30));
}

// The copies stand for the master until the next load: they move with it at once.
TEST(Verschieben, YearlyMasterTakesItsCopiesAlong) {
    FakeHost host;
    ClsListe liste;
    Termin master = MachJahresMaster(2024, 6, 10, 9, 0, 10, 0, "Jahrestag");
    master.Vorwarnung = master.VorwarnBasis = MachZeitpunkt(2024, 6, 9, 18, 0);
    liste.Einfuegen(master);
    ASSERT_TRUE(ErzeugeJahresKopien(liste));
    liste.SetzeAktuell(&liste.Satz(0));
    ASSERT_TRUE(VerschiebeAktuell(liste, "11.6.2024", "9:00"));
    ASSERT_EQ(liste.Anzahl(), 20);
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(liste.Satz(i).Start, MachZeitpunkt(2024 + i, 6, 11, 9, 0)) << i;
        EXPECT_EQ(liste.Satz(i).Vorwarnung, MachZeitpunkt(2024 + i, 6, 10, 18, 0)) << i;  // the evening before
    }
}

TEST(AlteTermine, RangeChecksShowTheirMessages) {
    const struct {
        const char *von, *bis;
        int text, titel;  // 0: accepted
    } faelle[] = {
        {"1.1.1995", "31.12.1995", 0, 0},  {"1.1", "31.12.1995", 1145, 1146},
        {"1.1.95", "31.12.1995", 1145, 1146},  // the year as typed: 95 is outside the calendar
        {"30.2.1996", "31.12.1996", 1145, 1146}, {"1.1.1995", "31.12.", 1147, 1146},
        {"2.1.1995", "1.1.1995", 1148, 1149},
    };
    for (const auto& f : faelle) {
        FakeHost host;
        Zeitpunkt von, bis;
        EXPECT_EQ(LeseZeitraum(f.von, f.bis, von, bis), f.text == 0) << f.von;
        if (f.text == 0) {
            EXPECT_TRUE(host.messages.empty());
            EXPECT_EQ(bis, MachZeitpunkt(1995, 12, 31, 23, 59));
            continue;
        }
        ASSERT_EQ(host.messages.size(), 1u) << f.von;
        EXPECT_EQ(host.messages[0].textId, f.text);
        EXPECT_EQ(host.messages[0].captionId, f.titel);
    }
}

TEST(SerienAuswahl, DoubleClicksMoveMembersInDateOrder) {
    FakeHost host;
    ClsListe liste;
    for (int tag : {3, 10, 17, 24}) {
        Termin t = MachTermin(1995, 5, tag, 9, 0, 10, 0, 0, "Kurs");
        t.Id = 4;
        liste.Einfuegen(t);
    }
    SerienAuswahl serie(liste, 1);
    ASSERT_EQ(serie.Zeilen(false), (std::vector<std::string>{"17.05.1995   9:00 - 10:00", "24.05.1995   9:00 - 10:00"}));
    EXPECT_TRUE(serie.Wechsle(false, 1));
    EXPECT_TRUE(serie.Wechsle(false, 0));
    EXPECT_FALSE(serie.Wechsle(false, 0));  // the list is empty now
    EXPECT_EQ(serie.Zeilen(true), (std::vector<std::string>{"17.05.1995   9:00 - 10:00", "24.05.1995   9:00 - 10:00"}));
    EXPECT_TRUE(serie.Wechsle(true, 0));
    serie.Entferne();
    ASSERT_EQ(liste.Anzahl(), 2);  // the record and the member of the 24th
    EXPECT_EQ(liste.Satz(1).Start.Tag, 17);
}
