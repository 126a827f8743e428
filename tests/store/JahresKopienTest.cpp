// Yearly masters: the 19 copies at load, the roll-forward at save, one master per series.
#include "TerminFixtures.h"
#include "store/JahresKopien.h"
#include "store/RecordRef.h"
#include "support/FakeHost.h"

#include <gtest/gtest.h>

namespace {
Termin Master(int j, int m, int t, const std::string& text, uint16_t id = 0) {
    Termin r = MachTermin(j, m, t, 9, 0, 10, 30, FlagJaehrlich | FlagErledigt, text);
    r.Ende = MachZeitpunkt(1, 0, 0, 10, 30);
    r.Id = id;
    return r;
}

std::vector<int> Jahre(const Schreibliste& s) {
    std::vector<int> out;
    for (int i = 0; i < s.Anzahl(); ++i) out.push_back(s[i].Start.Jahr);
    return out;
}

// A fresh collection holding exactly the written records, with its copies: a reopened file.
void Neu(ClsListe& ziel, const Schreibliste& s) {
    ziel.Initialisieren();
    for (int i = 0; i < s.Anzahl(); ++i) ziel.Anhaengen(s[i]);
    ASSERT_TRUE(ErzeugeJahresKopien(ziel));
}
}  // namespace

TEST(JahresKopien, CopyFieldRules) {
    Termin m = Master(1994, 3, 10, "Geburtstag", 7);
    m.Vorwarnung = MachZeitpunkt(1994, 3, 9, 9, 0);     // stale: copies start from the base
    m.VorwarnBasis = MachZeitpunkt(1994, 3, 8, 18, 0);
    m.Beschr = std::string(400, 'x');
    const std::vector<Termin> k = ErzeugeKopien(m);
    ASSERT_EQ(k.size(), 19u);
    for (int i = 0; i < 19; ++i) {
        Termin e = m;  // the end keeps its year step; done is not copied
        e.Start = MachZeitpunkt(1995 + i, 3, 10, 9, 0);
        e.Vorwarnung = e.VorwarnBasis = MachZeitpunkt(1995 + i, 3, 8, 18, 0);
        e.Flags = FlagJaehrlich | FlagJahresKopie;
        EXPECT_TRUE(SameRecord(k[size_t(i)], e)) << i;
    }
    m.VorwarnBasis = Zeitpunkt{};  // no warning stays none
    EXPECT_EQ(ErzeugeKopien(m)[18].Vorwarnung.Jahr, 0);
}

// A 29 February series: 1 March in common years, and it always goes on from a leap year.
TEST(JahresKopien, LeapDaySeries) {
    FakeHost host;
    Termin m = Master(2024, 2, 29, "Schalttag", 7);
    m.VorwarnBasis = MachZeitpunkt(2024, 2, 29, 8, 0);
    const std::vector<Termin> k = ErzeugeKopien(m);
    EXPECT_EQ(std::vector<Zeitpunkt>({k[0].Start, k[0].Vorwarnung, k[3].Start}),
              std::vector<Zeitpunkt>({MachZeitpunkt(2025, 3, 1, 9, 0), MachZeitpunkt(2025, 3, 1, 8, 0),
                                      MachZeitpunkt(2028, 2, 29, 9, 0)}));
    const struct {
        int master, jetzt, geschrieben;
    } faelle[] = {{2024, 2026, 2024}, {2024, 2029, 2028}, {1960, 2002, 2000}};  // the last: no copy in range
    for (const auto& f : faelle) {
        ClsListe liste;
        liste.Initialisieren();
        liste.Anhaengen(Master(f.master, 2, 29, "Schalttag", 7));
        ASSERT_TRUE(ErzeugeJahresKopien(liste));
        const Schreibliste s(liste, MachZeitpunkt(f.jetzt, 6, 1, 12, 0));
        EXPECT_EQ(Jahre(s), std::vector<int>{f.geschrieben}) << f.jetzt;
        EXPECT_TRUE(Am29Februar(s[0].Start)) << f.jetzt;
    }
}

TEST(JahresKopien, RollForwardExample) {
    FakeHost host;
    ClsListe liste;
    liste.Initialisieren();
    liste.Laedt = true;
    liste.Anhaengen(MachTermin(1995, 1, 1, 8, 0, 9, 0, 0, "einmalig"));
    liste.Anhaengen(Master(1994, 3, 10, "Geburtstag"));  // out of order: sorted in
    ASSERT_TRUE(ErzeugeJahresKopien(liste));
    liste.Laedt = false;
    EXPECT_EQ(host.CountPosted(Msg::ListChanged), 0u);
    ASSERT_EQ(liste.Anzahl(), 21);
    const uint16_t id = liste.Satz(0).Id;
    EXPECT_NE(id, 0);  // a yearly series never has number 0, and its copies share it
    for (int i = 0; i < liste.Anzahl(); ++i) EXPECT_EQ(liste.Satz(i).Id, liste.Satz(i).Hat(FlagJaehrlich) ? id : 0);
    EXPECT_EQ(liste.Satz(20).Start.Jahr, 2013);

    // Read on 1 June 1996: the 10 March 1996 copy becomes the master.
    const Zeitpunkt jetzt = MachZeitpunkt(1996, 6, 1, 12, 0);
    const Schreibliste erste(liste, jetzt);
    EXPECT_EQ(Jahre(erste), (std::vector<int>{1995, 1996}));
    // Saving twice while open writes the same single master.
    const Schreibliste zweite(liste, jetzt);
    EXPECT_EQ(Jahre(zweite), (std::vector<int>{1995, 1996}));

    ClsListe wieder;
    Neu(wieder, zweite);
    EXPECT_EQ(wieder.Satz(wieder.Anzahl() - 1).Start.Jahr, 2015);
    EXPECT_EQ(wieder.Satz(2).Start.Jahr, 1997);
    EXPECT_TRUE(wieder.Satz(2).Hat(FlagJahresKopie));
}

TEST(JahresKopien, EverySeriesKeepsExactlyOneMaster) {
    FakeHost host;
    ClsListe liste;
    liste.Initialisieren();
    liste.Anhaengen(Master(1990, 5, 1, "a", 3));
    liste.Anhaengen(Master(1992, 2, 1, "b", 4));
    liste.Anhaengen(Master(2000, 7, 1, "c", 5));   // in range itself
    liste.Anhaengen(Master(1950, 8, 20, "d", 6));  // older than its copies reach
    ASSERT_TRUE(ErzeugeJahresKopien(liste));
    const Zeitpunkt jetzt = MachZeitpunkt(2001, 6, 1, 12, 0);  // cutoff 1 June 2000
    for (int runde = 0; runde < 2; ++runde) {
        const Schreibliste s(liste, jetzt);
        std::vector<std::string> texte;
        for (int i = 0; i < s.Anzahl(); ++i) {
            texte.push_back(s[i].Kurzbeschr);
            EXPECT_TRUE(s[i].IstJahresMaster());
            EXPECT_GE(CompareZeitpunkt(s[i].Start, MachZeitpunkt(2000, 6, 1, 12, 0)), 0);
            EXPECT_TRUE(i == 0 || CompareZeitpunkt(s[i - 1].Start, s[i].Start) <= 0);
        }
        // a: 1 May 2001; b: 1 Feb 2001; c: itself; d: rolled to 20 Aug 2000.
        EXPECT_EQ(texte, (std::vector<std::string>{"c", "d", "b", "a"}));
        EXPECT_EQ(Jahre(s), (std::vector<int>{2000, 2000, 2001, 2001}));
    }
    // The rolled master is written, not changed in the collection.
    EXPECT_EQ(liste.Satz(0).Start.Jahr, 1950);
}

TEST(JahresKopien, FailedGenerationChangesNothing) {
    FakeHost host;
    ClsListe liste;
    liste.Initialisieren();
    liste.Anhaengen(Master(1994, 3, 10, "x"));
    for (int i = 0; i < 3; ++i) liste.Anhaengen(Master(1995 + i, 1, 1, "y"));
    liste.SetzeSpeichergrenze(70);  // 4 masters need 76 more slots
    EXPECT_FALSE(ErzeugeJahresKopien(liste));
    EXPECT_EQ(liste.Anzahl(), 4);
    EXPECT_EQ(liste.Satz(0).Id, 0);  // no number handed out
    EXPECT_EQ(host.Ids(), std::vector<int>{1106});
}
