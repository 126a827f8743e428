// Add and Change on a collection: series numbers, series and yearly repetitions in two
// passes, the repetition messages, and Change as delete-then-insert that restores on failure.
#include "dialogs/TerminAktionen.h"
#include "store/JahresKopien.h"
#include "store/RecordRef.h"
#include "store/TerminFixtures.h"
#include "support/FakeHost.h"

#include <gtest/gtest.h>

namespace {
class TerminAktionenTest : public testing::Test {
protected:
    static TerminFelder Felder(const std::string& datum, const std::string& beginn, const std::string& ende,
                               const std::string& text) {
        TerminFelder f;
        f.Datum = datum;
        f.Beginn = beginn;
        f.Ende = ende;
        f.Kurztext = text;
        return f;
    }
    int Hinzu(const TerminFelder& f) { return FuegeHinzu(liste, f, basis); }

    FakeHost host;
    ClsListe liste;
    Termin basis;
};
}  // namespace

TEST_F(TerminAktionenTest, SingleAddGetsANewSeriesNumberAndItsSlot) {
    EXPECT_EQ(Hinzu(Felder("14.03.2026", "10:00", "11:00", "Erster")), 0);
    EXPECT_EQ(basis.Id, 1);  // NeueId of an empty collection
    EXPECT_EQ(Hinzu(Felder("13.03.2026", "", "", "Davor")), 0);
    EXPECT_EQ(Hinzu(Felder("15.03.2026", "8", "", "Danach")), 2);
    EXPECT_EQ(std::vector<int>({liste.Satz(0).Id, liste.Satz(1).Id, liste.Satz(2).Id}), std::vector<int>({2, 1, 3}));
    EXPECT_EQ(host.CountPosted(Msg::ListChanged), 3u);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(TerminAktionenTest, StepBoxesAndMultiplierMakeOneSeries) {
    // Monthly from the last of January: the overflow is carried on.
    TerminFelder f = Felder("31.01.2026", "09:00", "10:00", "Monatsabschluss");
    f.Anzahl = "3";
    f.SchrittMonate = true;
    EXPECT_EQ(Hinzu(f), 2);
    // Every second week, untimed.
    f = Felder("02.01.2026", "", "", "Alle zwei Wochen");
    f.Anzahl = "3";
    f.SchrittWochen = true;
    f.Faktor = "2";
    Hinzu(f);
    ASSERT_EQ(liste.Anzahl(), 6);
    const Zeitpunkt starts[] = {MachZeitpunkt(2026, 1, 2),        MachZeitpunkt(2026, 1, 16),
                                MachZeitpunkt(2026, 1, 30),       MachZeitpunkt(2026, 1, 31, 9, 0),
                                MachZeitpunkt(2026, 3, 3, 9, 0), MachZeitpunkt(2026, 4, 3, 9, 0)};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(liste.Satz(i).Start, starts[i]) << i;
        EXPECT_EQ(liste.Satz(i).Id, i < 3 ? 2 : 1) << i;
        EXPECT_EQ(liste.Satz(i).Flags, i < 3 ? FlagOhneZeit | FlagOhneEnde : 0) << i;
    }
    EXPECT_EQ(liste.Satz(5).Ende, MachZeitpunkt(2026, 4, 3, 10, 0));
    liste.SetzeAktuell(&liste.Satz(4));
    EXPECT_EQ(liste.ZaehleId(1), 2);
}

TEST_F(TerminAktionenTest, YearlyMakesTwentyRecordsOfOneSeries) {
    liste.Einfuegen(Termin{});  // keeps NeueId away from 1
    liste.Satz(0).Start = MachZeitpunkt(2000, 1, 1);
    TerminFelder f = Felder("12.08.2026", "18:00", "20:00", "Geburtstag");
    f.Jaehrlich = true;
    f.SchrittJahre = true;
    f.Vorwarnung = true;
    f.VorTage = "1";
    const int letzter = Hinzu(f);
    ASSERT_EQ(liste.Anzahl(), 21);
    EXPECT_EQ(letzter, 20);
    const Termin& master = liste.Satz(1);  // the step in the date part of the end
    EXPECT_EQ(master.Flags, FlagJaehrlich);
    EXPECT_EQ(std::make_pair(master.Ende, master.VorwarnBasis), std::make_pair(MachZeitpunkt(1, 0, 0, 20, 0), MachZeitpunkt(2026, 8, 11, 18, 0)));
    Termin kopie = master;
    kopie.Start = MachZeitpunkt(2045, 8, 12, 18, 0);
    kopie.Vorwarnung = kopie.VorwarnBasis = MachZeitpunkt(2045, 8, 11, 18, 0);
    kopie.Flags |= FlagJahresKopie;
    EXPECT_TRUE(SameRecord(liste.Satz(20), kopie));
    EXPECT_EQ(host.CountPosted(Msg::ListChanged), 2u);  // one notice for the whole series
}

TEST_F(TerminAktionenTest, RepetitionRefusalsInsertNothing) {
    struct Fall {
        const char* name;
        void (*setze)(TerminFelder&);
        int meldung;
    } const faelle[] = {
        {"yearly and done by hand", [](TerminFelder& f) { f.Jaehrlich = f.SchrittJahre = f.ManuellErledigt = true; }, 1155},
        {"yearly without year step", [](TerminFelder& f) { f.Jaehrlich = f.SchrittMonate = true; }, 1156},
        {"series without step", [](TerminFelder& f) { f.Anzahl = "2"; }, 1157},
        {"multiplier 0", [](TerminFelder& f) { f.Anzahl = "2"; f.SchrittTage = true; f.Faktor = "0"; }, 1158},
    };
    for (const Fall& fall : faelle) {
        host.messages.clear();
        TerminFelder f = Felder("01.06.2026", "10:00", "", "Serie");
        fall.setze(f);
        EXPECT_EQ(Hinzu(f), -1) << fall.name;
        EXPECT_EQ(host.Ids(), std::vector<int>{fall.meldung}) << fall.name;
        EXPECT_EQ(host.messages[0].captionId, 1159);
        EXPECT_EQ(liste.Anzahl(), 0) << fall.name;
    }
    // A single occurrence needs no step at all.
    TerminFelder f = Felder("01.06.2026", "10:00", "", "Einzeln");
    f.Faktor = "0";
    EXPECT_EQ(Hinzu(f), 0);
}

TEST_F(TerminAktionenTest, OverlapRefusedForAnyOccurrenceInsertsNothing) {
    ASSERT_EQ(Hinzu(Felder("17.06.2026", "10:30", "11:30", "Belegt")), 0);
    TerminFelder f = Felder("03.06.2026", "10:00", "11:00", "Woechentlich");
    f.Anzahl = "4";
    f.SchrittWochen = true;
    host.answers = {Mb::IdNo};  // the third occurrence meets "Belegt"
    EXPECT_EQ(Hinzu(f), -1);
    EXPECT_EQ(liste.Anzahl(), 1);
    ASSERT_EQ(host.messages.size(), 1u);  // the question names the record met
    EXPECT_NE(host.messages[0].text.find("Belegt"), std::string::npos);

    host.answers = {Mb::IdYes};
    EXPECT_EQ(Hinzu(f), 4);
    EXPECT_EQ(liste.Anzahl(), 5);
}

TEST_F(TerminAktionenTest, ChangeReplacesTheRecordAndSkipsItInTheOverlapCheck) {
    Hinzu(Felder("10.05.2026", "10:00", "11:00", "Alt"));
    Hinzu(Felder("12.05.2026", "09:00", "10:00", "Anderer"));
    liste.Satz(0).Flags |= FlagErledigt;
    int slot = 0;
    TerminFelder f = Felder("13.05.2026", "10:30", "11:30", "Neu");
    ASSERT_TRUE(Aendere(liste, slot, f));
    EXPECT_TRUE(host.messages.empty());  // no overlap with itself
    EXPECT_EQ(Texte(liste), (std::vector<std::string>{"Anderer", "Neu"}));
    EXPECT_TRUE(slot == 1 && liste.Aktuell() == &liste.Satz(1));
    EXPECT_EQ(liste.Satz(1).Id + liste.Satz(1).Flags, 0);  // FlagErledigt is not kept

    // Changing into the same time again meets only the other record; No fails the read-back.
    f.Datum = "12.05.2026";
    f.Beginn = "09:30";
    host.answers = {Mb::IdNo};
    EXPECT_FALSE(Aendere(liste, slot, f));
    EXPECT_EQ(slot, 1);
    EXPECT_EQ(Texte(liste), (std::vector<std::string>{"Anderer", "Neu"}));
    EXPECT_EQ(liste.Satz(1).Flags, 0);  // FlagOhneZeit taken off again
}

TEST_F(TerminAktionenTest, FailedChangeRestoresFlagsOfEveryKind) {
    Hinzu(Felder("10.05.2026", "", "", "Ganztags"));
    liste.Satz(0).Flags |= FlagErledigt | FlagProgramm;
    const uint16_t vorher = liste.Satz(0).Flags;
    int slot = 0;
    EXPECT_FALSE(Aendere(liste, slot, Felder("10.05.2026", "25:00", "", "X")));
    EXPECT_TRUE(liste.Satz(0).Flags == vorher && std::string(liste.Satz(0).Kurzbeschr) == "Ganztags");
    int falsch = 5;
    EXPECT_FALSE(Aendere(liste, falsch, Felder("10.05.2026", "", "", "X")));
}

TEST_F(TerminAktionenTest, ChangeOfAYearlyRecordKeepsItsSeries) {
    TerminFelder f = Felder("01.04.2026", "", "", "Jahrestag");
    f.Jaehrlich = f.SchrittJahre = true;
    Hinzu(f);
    ASSERT_EQ(liste.Anzahl(), 20);
    int slot = 0;
    f.Kurztext = "Jahrestag (neu)";
    f.SchrittJahre = false;  // the dialog disables the step boxes; Change does not need them
    ASSERT_TRUE(Aendere(liste, slot, f));
    const Termin& t = liste.Satz(slot);
    EXPECT_TRUE(t.Id == 1 && t.Flags == (FlagJaehrlich | FlagOhneZeit | FlagOhneEnde));
    EXPECT_EQ(t.Ende.Jahr * 10000 + t.Ende.Monat * 100 + t.Ende.Tag, 10000);  // the year step in the date part
    ASSERT_EQ(liste.Anzahl(), 20);
    // The copies carry the change, so a later save that promotes one writes the new text.
    for (int i = 0; i < liste.Anzahl(); ++i) EXPECT_STREQ(liste.Satz(i).Kurzbeschr, "Jahrestag (neu)") << i;
    const Schreibliste spaeter(liste, MachZeitpunkt(2030, 6, 1));
    ASSERT_EQ(spaeter.Anzahl(), 1);
    EXPECT_STREQ(spaeter[0].Kurzbeschr, "Jahrestag (neu)");
}

TEST_F(TerminAktionenTest, ChangeOfAYearlyMasterAfterASaveLeavesOneSeries) {
    // A save in 2030 promotes the 2029 copy to a master while the 2026 master stays in memory;
    // a change of the old master must not leave that promoted record behind.
    for (const bool jaehrlich : {false, true}) {
        liste.Initialisieren();
        TerminFelder f = Felder("01.04.2026", "", "", "Jahrestag");
        f.Jaehrlich = f.SchrittJahre = true;
        Hinzu(f);
        const Schreibliste gespeichert(liste, MachZeitpunkt(2030, 6, 1));
        int slot = 0;
        f.Jaehrlich = jaehrlich;
        f.Kurztext = "Neu";
        ASSERT_TRUE(Aendere(liste, slot, f));
        ASSERT_EQ(liste.Anzahl(), jaehrlich ? 20 : 1);
        for (int i = 0; i < liste.Anzahl(); ++i) EXPECT_STREQ(liste.Satz(i).Kurzbeschr, "Neu") << i;
        const Schreibliste spaeter(liste, MachZeitpunkt(2030, 6, 1));
        ASSERT_EQ(spaeter.Anzahl(), 1);
        EXPECT_STREQ(spaeter[0].Kurzbeschr, "Neu");
    }
}
