// The collection: sorted insert, walking, Hole, growth and its failure, ids, delete, notices.
#include "TerminFixtures.h"
#include "support/FakeHost.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

namespace {
class ListeTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(liste.Initialisieren()); }
    FakeHost host;
    ClsListe liste;
};

bool IstNull(const Termin& t) {
    const Termin leer;
    return std::memcmp(&t.Start, &leer.Start, sizeof(Zeitpunkt) * 4) == 0 && t.Id == 0 && t.Flags == 0 &&
           t.Kurzbeschr[0] == '\0' && t.AdrId == 0 && t.Beschr.empty();
}
}  // namespace

TEST_F(ListeTest, InsertIntoEmptyUsesFirstSlotAndKeepsEndMarkerZero) {
    Termin t = MachTermin(1995, 5, 6, 10, 0, 11, 0, 0, "eins");
    t.Beschr = std::string(300, 'b');
    ASSERT_TRUE(liste.Einfuegen(t));
    EXPECT_EQ(liste.Anzahl(), 1);
    EXPECT_EQ(liste.Erster()->Beschr, t.Beschr);
    EXPECT_TRUE(IstNull(*liste.Naechster()));
    EXPECT_EQ(liste.Letzter(), &liste.Satz(0));
    EXPECT_TRUE(liste.Geaendert);
    EXPECT_EQ(host.CountPosted(Msg::ListChanged), 1u);
}

TEST_F(ListeTest, SortedInsertWithEqualStarts) {
    liste.Einfuegen(MachTermin(1995, 5, 6, 12, 0, 13, 0, 0, "spaet"));
    liste.Einfuegen(MachTermin(1995, 5, 6, 8, 0, 9, 0, 0, "frueh"));
    liste.Einfuegen(MachTermin(1995, 5, 6, 10, 0, 11, 0, 0, "a"));
    liste.Einfuegen(MachTermin(1995, 5, 6, 10, 0, 11, 0, 0, "b"));  // newest of equal starts first
    EXPECT_EQ(Texte(liste), (std::vector<std::string>{"frueh", "b", "a", "spaet"}));

    // Front record without end: a record with end goes second, one without goes first.
    liste.Einfuegen(MachTermin(1995, 5, 6, 10, 0, 10, 0, FlagOhneEnde, "offen"));
    liste.Einfuegen(MachTermin(1995, 5, 6, 10, 0, 11, 0, 0, "mitEnde"));
    liste.Einfuegen(MachTermin(1995, 5, 6, 10, 0, 10, 0, FlagOhneEnde, "offen2"));
    EXPECT_EQ(Texte(liste),
              (std::vector<std::string>{"frueh", "offen2", "offen", "mitEnde", "b", "a", "spaet"}));
    // Only one step: behind "offen2" even though "offen" has no end either.
    liste.Einfuegen(MachTermin(1995, 5, 6, 10, 0, 11, 0, 0, "c"));
    EXPECT_EQ(Texte(liste)[2], "c");
    EXPECT_EQ(host.CountPosted(Msg::ListChanged), 8u);
}

TEST_F(ListeTest, AppendKeepsFileOrderAndSortsOutOfOrderRecords) {
    const bool vorher = liste.Geaendert;
    liste.Anhaengen(MachTermin(1995, 1, 1, 8, 0, 9, 0, 0, "x"));
    liste.Anhaengen(MachTermin(1995, 1, 1, 8, 0, 9, 0, 0, "y"));  // equal start stays behind
    liste.Anhaengen(MachTermin(1995, 1, 3, 8, 0, 9, 0, 0, "z"));
    liste.Anhaengen(MachTermin(1995, 1, 2, 8, 0, 9, 0, 0, "w"));  // out of order
    EXPECT_EQ(Texte(liste), (std::vector<std::string>{"x", "y", "w", "z"}));
    EXPECT_EQ(liste.Geaendert, vorher);
    liste.Laedt = true;  // inserts while loading send no notice either
    liste.Einfuegen(MachTermin(1995, 1, 1, 7, 0, 8, 0));
    EXPECT_EQ(host.CountPosted(Msg::ListChanged), 0u);
}

TEST_F(ListeTest, WalkingAndPositionStack) {
    for (int t = 1; t <= 5; ++t) liste.Einfuegen(MachTermin(1995, 1, t, 8, 0, 9, 0, 0, std::to_string(t)));
    EXPECT_STREQ(liste.Erster()->Kurzbeschr, "1");
    EXPECT_STREQ(liste.Voriger()->Kurzbeschr, "1");  // stays on the first slot
    EXPECT_STREQ(liste.Naechster()->Kurzbeschr, "2");
    EXPECT_STREQ(liste.Letzter()->Kurzbeschr, "5");
    EXPECT_STREQ(liste.Aktuell()->Kurzbeschr, "2");  // Letzter does not move the cursor

    for (int i = 0; i < ClsListe::StapelTiefe; ++i) {
        liste.SetzeAktuell(&liste.Satz(i % 5));
        EXPECT_TRUE(liste.MerkePosition());
    }
    EXPECT_FALSE(liste.MerkePosition());  // depth 9
    for (int i = ClsListe::StapelTiefe - 1; i >= 0; --i) {
        liste.Erster();
        EXPECT_TRUE(liste.HolePosition());
        EXPECT_EQ(liste.Aktuell(), &liste.Satz(i % 5));
    }
    EXPECT_FALSE(liste.HolePosition());

    liste.SetzeAktuell(&liste.Satz(3));
    liste.SetzeAktuell(nullptr);
    Termin fremd;
    liste.SetzeAktuell(&fremd);
    EXPECT_STREQ(liste.Aktuell()->Kurzbeschr, "4");
    liste.SetzeAktuell(liste.Naechster()->IstEndmarke() ? nullptr : liste.Naechster());
    EXPECT_TRUE(liste.Aktuell()->IstEndmarke());
    EXPECT_TRUE(liste.Naechster()->IstEndmarke());  // stays on the end marker
}

TEST_F(ListeTest, HoleReadsEveryRecordOnceWhenDaysAscend) {
    liste.Einfuegen(MachTermin(1995, 1, 2, 8, 0, 9, 0, 0, "a"));
    liste.Einfuegen(MachTermin(1995, 1, 2, 10, 0, 11, 0, 0, "b"));
    liste.Einfuegen(MachTermin(1995, 1, 5, 8, 0, 9, 0, 0, "c"));
    liste.Erster();
    Termin out;
    out.Start = MachZeitpunkt(1995, 1, 1);  // a day before everything: nothing, cursor stays
    EXPECT_EQ(liste.Hole(out, true), nullptr);
    EXPECT_STREQ(liste.Aktuell()->Kurzbeschr, "a");

    std::vector<std::string> gelesen;
    for (int tag = 1; tag <= 6; ++tag) {
        Termin abfrage;
        abfrage.Start = MachZeitpunkt(1995, 1, tag);
        while (Termin* r = liste.Hole(abfrage, true)) {
            EXPECT_EQ(r->Start.Tag, tag);
            EXPECT_STREQ(abfrage.Kurzbeschr, r->Kurzbeschr);  // copied into out
            gelesen.push_back(r->Kurzbeschr);
            abfrage.Start = MachZeitpunkt(1995, 1, tag);
        }
        if (tag == 3) {
            EXPECT_STREQ(liste.Aktuell()->Kurzbeschr, "c");  // empty day: on the later day
        }
    }
    EXPECT_EQ(gelesen, (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_TRUE(liste.Aktuell()->IstEndmarke());

    // Records before the key are passed over.
    liste.Erster();
    out.Start = MachZeitpunkt(1995, 1, 5, 23, 59);
    ASSERT_NE(liste.Hole(out, true), nullptr);
    EXPECT_STREQ(out.Kurzbeschr, "c");

    // Without the day filter: each record in turn, then null.
    liste.Erster();
    int n = 0;
    while (liste.Hole(out, false)) ++n;
    EXPECT_EQ(n, 3);
}

TEST_F(ListeTest, GrowthAtThe63rdInsertKeepsSavedPositions) {
    for (int i = 0; i < 62; ++i) liste.Einfuegen(MachTermin(1995, 1, 1, 0, 0, 0, 0, 0, std::to_string(i)));
    // Equal starts: each insert goes first, so slot i holds text 61 - i.
    EXPECT_EQ(liste.Kapazitaet(), 63);
    liste.SetzeAktuell(&liste.Satz(10));
    liste.MerkePosition();
    liste.SetzeAktuell(&liste.Satz(61));
    liste.MerkePosition();
    liste.SetzeAktuell(&liste.Satz(30));
    liste.Einfuegen(MachTermin(1995, 1, 2, 0, 0, 0, 0, 0, "neu"));  // the 63rd, at the end
    EXPECT_EQ(liste.Kapazitaet(), 113);
    EXPECT_STREQ(liste.Aktuell()->Kurzbeschr, "31");
    liste.HolePosition();
    EXPECT_STREQ(liste.Aktuell()->Kurzbeschr, "0");
    liste.HolePosition();
    EXPECT_STREQ(liste.Aktuell()->Kurzbeschr, "51");
    for (int i = 63; i < 112; ++i) liste.Einfuegen(MachTermin(1996, 1, 1, 0, 0, 0, 0));
    EXPECT_EQ(liste.Kapazitaet(), 113);
    liste.Einfuegen(MachTermin(1996, 1, 1, 0, 0, 0, 0));  // Anzahl 112 = capacity - 1
    EXPECT_EQ(liste.Kapazitaet(), 163);
}

TEST_F(ListeTest, FailedGrowthShowsMessageAndKeepsEverything) {
    liste.SetzeSpeichergrenze(63);
    for (int i = 0; i < 62; ++i) ASSERT_TRUE(liste.Einfuegen(MachTermin(1995, 1, 1 + i % 28, 0, 0, 0, 0, 0, std::to_string(i))));
    const std::vector<std::string> vorher = Texte(liste);
    liste.SetzeAktuell(&liste.Satz(5));
    host.messages.clear();
    host.posted.clear();
    EXPECT_FALSE(liste.Einfuegen(MachTermin(1990, 1, 1, 0, 0, 0, 0)));
    EXPECT_FALSE(liste.Anhaengen(MachTermin(1999, 1, 1, 0, 0, 0, 0)));
    EXPECT_FALSE(liste.EinfuegenMehrere({MachTermin(1999, 1, 1, 0, 0, 0, 0)}));
    EXPECT_EQ(host.Ids(), (std::vector<int>{1106, 1106, 1106}));
    EXPECT_EQ(host.messages[0].captionId, 1104);
    EXPECT_EQ(host.messages[0].style, Mb::IconExclamation | Mb::TaskModal);
    EXPECT_EQ(Texte(liste), vorher);
    EXPECT_EQ(liste.Kapazitaet(), 63);
    EXPECT_EQ(liste.Aktuell(), &liste.Satz(5));
    EXPECT_EQ(host.CountPosted(Msg::ListChanged), 0u);
}

TEST_F(ListeTest, InitialiseGivesAnEmptyCollectionWithoutPasswordAndEmptyingReleasesIt) {
    EXPECT_EQ(liste.Hole(*liste.Erster(), false), nullptr);
    EXPECT_TRUE(liste.Letzter()->IstEndmarke());
    liste.Einfuegen(MachTermin(1995, 1, 1, 0, 0, 0, 0));
    std::strcpy(liste.Passwort, "geheim");
    EXPECT_TRUE(liste.Initialisieren());
    EXPECT_EQ((std::vector<int>{liste.Anzahl(), liste.Kapazitaet(), liste.Passwort[0], liste.Geaendert}),
              (std::vector<int>{0, 63, 0, 0}));
    liste.SetzeSpeichergrenze(10);
    EXPECT_FALSE(liste.Initialisieren());
    EXPECT_EQ(host.Ids(), std::vector<int>{1106});
    liste.SetzeSpeichergrenze(-1);
    liste.Einfuegen(MachTermin(1995, 1, 1, 8, 0, 9, 0));
    liste.MerkePosition();
    liste.Leeren();
    EXPECT_EQ((std::vector<int>{liste.Anzahl(), liste.Kapazitaet(), liste.Geaendert, liste.HolePosition()}),
              (std::vector<int>{0, 0, 0, 0}));
    ASSERT_TRUE(liste.Einfuegen(MachTermin(1995, 1, 1, 8, 0, 9, 0)));  // grows from nothing
}

TEST_F(ListeTest, DeleteMovesLaterRecordsDown) {
    for (int t = 1; t <= 3; ++t) liste.Einfuegen(MachTermin(1995, 1, t, 8, 0, 9, 0, 0, std::to_string(t)));
    liste.Geaendert = false;
    host.posted.clear();
    liste.Erster();
    Termin* r = liste.LoescheAktuell();
    EXPECT_STREQ(r->Kurzbeschr, "2");
    EXPECT_EQ(Texte(liste), (std::vector<std::string>{"2", "3"}));
    EXPECT_TRUE(IstNull(liste.Satz(2)));
    EXPECT_TRUE(liste.Geaendert);
    EXPECT_EQ(host.CountPosted(Msg::ListChanged), 1u);
    liste.Naechster();
    EXPECT_TRUE(liste.LoescheAktuell()->IstEndmarke());  // the last one: cursor on the end marker
    EXPECT_TRUE(liste.LoescheAktuell()->IstEndmarke());  // on the end marker: nothing to delete
    EXPECT_EQ(liste.Anzahl(), 1);
    EXPECT_EQ(host.CountPosted(Msg::ListChanged), 2u);
}

TEST_F(ListeTest, NewIdsAndSeriesCounts) {
    EXPECT_EQ(liste.NeueId(), 1);
    auto mitIds = [&](std::vector<uint16_t> ids) {
        liste.Leeren();
        int tag = 1;
        for (uint16_t id : ids) {
            Termin t = MachTermin(1995, 1, tag++, 8, 0, 9, 0);
            t.Id = id;
            liste.Einfuegen(t);
        }
    };
    const std::pair<std::vector<uint16_t>, int> faelle[] = {{{0, 2, 3}, 4}, {{0, 5}, 2}, {{0}, 2}, {{1, 2, 3}, 4}};
    for (const auto& [ids, neu] : faelle) {
        mitIds(ids);
        EXPECT_EQ(liste.NeueId(), neu);
    }
    EXPECT_EQ(liste.FreieIds(3), (std::vector<uint16_t>{4, 5, 6}));

    mitIds({7, 3, 7, 7, 0});
    liste.Erster();
    EXPECT_EQ(liste.ZaehleId(7), 3);
    liste.SetzeAktuell(&liste.Satz(2));
    EXPECT_EQ(liste.ZaehleId(7), 2);
    EXPECT_EQ(liste.ZaehleId(3), 0);
}

// Bulk insert must leave exactly the order and capacity of single inserts.
TEST(ClsListe, BulkInsertEqualsSingleInsertsOnRandomData) {
    FakeHost host;
    std::mt19937 zufall(4711);
    for (int runde = 0; runde < 40; ++runde) {
        ClsListe einzeln, gesammelt;
        einzeln.Initialisieren();
        gesammelt.Initialisieren();
        auto zufallsTermin = [&](int nr) {
            std::uniform_int_distribution<int> tag(1, 3), stunde(8, 9), art(0, 2);
            return MachTermin(1995, 1, tag(zufall), stunde(zufall), 0, 10, 0,
                              art(zufall) == 0 ? FlagOhneEnde : 0, std::to_string(nr));
        };
        const int vorhanden = int(zufall() % 80);
        for (int i = 0; i < vorhanden; ++i) {
            const Termin t = zufallsTermin(i);
            einzeln.Einfuegen(t);
            gesammelt.Einfuegen(t);
        }
        std::vector<Termin> neue;
        for (int i = 0; i < int(zufall() % 120); ++i) neue.push_back(zufallsTermin(1000 + i));
        for (const Termin& t : neue) einzeln.Einfuegen(t);
        ASSERT_TRUE(gesammelt.EinfuegenMehrere(neue));
        ASSERT_EQ(Texte(gesammelt), Texte(einzeln)) << "round " << runde;
        ASSERT_EQ(gesammelt.Kapazitaet(), einzeln.Kapazitaet());
    }
}

// The month paint finds its first day by halving, then each cell takes records with Hole until
// its lines are full (one fetch more when it overflows): every record handed out and the
// cursor after every day must be those of the walk from the first record.
TEST_F(ListeTest, MonthWalkFromTheFoundFirstDayEqualsTheWalkFromTheFront) {
    for (int tag : {28, 30}) liste.Einfuegen(MachTermin(2026, 11, tag, 9, 0, 10, 0));
    for (int tag : {1, 3, 3, 3, 5, 8, 8, 31}) liste.Einfuegen(MachTermin(2026, 12, tag, 9, 0, 10, 0));
    liste.Einfuegen(MachTermin(2027, 1, 1, 9, 0, 10, 0));
    for (int abrufe : {1, 2, 3, 99}) {
        std::vector<const Termin*> vonVorn, gesucht;
        for (std::vector<const Termin*>* protokoll : {&vonVorn, &gesucht}) {
            if (protokoll == &vonVorn) liste.Erster();
            else liste.SucheTag(MachZeitpunkt(2026, 12, 1));
            for (int tag = 1; tag <= 31; ++tag) {
                Termin probe;
                probe.Start = MachZeitpunkt(2026, 12, tag);
                for (int n = 0; n < abrufe; ++n) {
                    const Termin* p = liste.Hole(probe, true);
                    if (!p) break;
                    protokoll->push_back(p);
                }
                protokoll->push_back(liste.Aktuell());
            }
        }
        EXPECT_EQ(gesucht, vonVorn) << abrufe;
    }
}
