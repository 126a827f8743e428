// The address list: sorted insert, numbers, growth and its failure, display lines.
#include "addresses/ClsAdrListe.h"
#include "addresses/LstrcmpNachbildung.h"
#include "support/FakeHost.h"

#include <gtest/gtest.h>

namespace {
Adresse Mit(const std::string& sort, uint16_t id = 0, const std::string& firma = "") {
    Adresse a;
    Adresse::Setze(a.SORT, sort);
    Adresse::Setze(a.FIRMA, firma);
    a.ID = id;
    return a;
}

std::vector<std::string> Firmen(ClsAdrListe& l) {
    std::vector<std::string> v;
    for (int i = 0; i < l.Anzahl(); ++i) v.push_back(l.Satz(i).FIRMA);
    return v;
}

class AdrListeTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(liste.Initialisieren()); }
    FakeHost host;
    ClsAdrListe liste;
};
}  // namespace

TEST_F(AdrListeTest, SortedInsertGoesAfterEqualKeys) {
    EXPECT_EQ(liste.EinfuegenSortiert(Mit("MEIER", 1, "erster Meier")), 0);
    EXPECT_EQ(liste.EinfuegenSortiert(Mit("ADAM", 2, "Adam")), 0);
    EXPECT_EQ(liste.EinfuegenSortiert(Mit("MEIER", 3, "zweiter Meier")), 2);
    EXPECT_EQ(liste.EinfuegenSortiert(Mit("meier", 4, "klein")), 1);  // lower case first
    EXPECT_EQ(liste.EinfuegenSortiert(Mit("M\xF6ller", 5, "Umlaut")), 4);
    EXPECT_EQ(Firmen(liste), (std::vector<std::string>{"Adam", "klein", "erster Meier", "zweiter Meier", "Umlaut"}));
    EXPECT_TRUE(liste.Geaendert);
    EXPECT_EQ(liste.Finde(3)->FIRMA, std::string("zweiter Meier"));
    EXPECT_EQ(liste.Finde(9), nullptr);

    liste.SetzeCursor(1);
    liste.LoescheAktuelle();
    EXPECT_STREQ(liste.Aktuelle()->FIRMA, "erster Meier");
    EXPECT_EQ(liste.Anzahl(), 4);
}

TEST_F(AdrListeTest, NewNumbers) {
    EXPECT_EQ(liste.NeueId({1}), 2);  // 1 is still linked
    for (const auto& [id, neu] : {std::pair{0, 1}, {1, 2}, {2, 3}, {4, 3}}) {
        if (id) liste.EinfuegenSortiert(Mit("A", uint16_t(id)));
        EXPECT_EQ(liste.NeueId(), neu) << id;
    }
}

TEST(LstrcmpNachbildung, GermanWordSortOrder) {
    const char* reihe[] = {"", " x", "1", "9a", "a", "A", "\xE4", "\xC4", "ab", "Ab", "b", "coop", "Co-op",
                           "M\xFCller", "Mumm", "Strasse", "Stra\xDF" "e", "Strausse", "Z"};
    for (size_t i = 0; i + 1 < sizeof reihe / sizeof reihe[0]; ++i) {
        SCOPED_TRACE(std::string(reihe[i]) + " < " + reihe[i + 1]);
        EXPECT_LT(VergleicheWieLstrcmp(reihe[i], reihe[i + 1]), 0);
        EXPECT_GT(VergleicheWieLstrcmp(reihe[i + 1], reihe[i]), 0);
    }
    EXPECT_EQ(VergleicheWieLstrcmp("Meier", "Meier"), 0);
}

TEST_F(AdrListeTest, GrowsByFiftyAndRefusesWithoutMemory) {
    EXPECT_EQ(liste.Kapazitaet(), 63);
    for (int i = 0; i < 63; ++i) ASSERT_GE(liste.EinfuegenSortiert(Mit("K" + std::to_string(i))), 0);
    EXPECT_EQ(liste.Kapazitaet(), 63);
    liste.SetzeSpeichergrenze(100);
    EXPECT_EQ(liste.EinfuegenSortiert(Mit("voll")), -1);
    EXPECT_EQ(host.Ids(), std::vector<int>{1106});
    EXPECT_EQ(std::vector<int>({liste.Anzahl(), liste.Kapazitaet()}), std::vector<int>({63, 63}));
    liste.SetzeSpeichergrenze(-1);
    ASSERT_GE(liste.EinfuegenSortiert(Mit("passt")), 0);
    EXPECT_EQ(liste.Kapazitaet(), 113);
}

TEST(AdrZeile, ShortAndLongForms) {
    Adresse a;
    Adresse::Setze(a.NAME1, "Erika Mustermann");
    Adresse::Setze(a.STRASSE, "Hauptstr. 1");
    Adresse::Setze(a.PLZORT, "12345 Berlin");
    Adresse::Setze(a.TELEFON, "030 123");
    EXPECT_EQ(ClsAdrListe::Zeile(a, false), "Erika Mustermann");
    EXPECT_EQ(ClsAdrListe::Zeile(a, true), "Erika Mustermann, Hauptstr. 1, 12345 Berlin, Tel. 030 123");
    Adresse::Setze(a.FIRMA, "ACME");
    Adresse::Setze(a.NAME2, "Einkauf");
    EXPECT_EQ(ClsAdrListe::Zeile(a, false), "ACME, Erika Mustermann, Einkauf");

    Adresse nurTelefon;
    Adresse::Setze(nurTelefon.TELEFON, "110");
    EXPECT_EQ(ClsAdrListe::Zeile(nurTelefon, true), "Tel. 110");
    EXPECT_EQ(ClsAdrListe::Zeile(nurTelefon, false), "");
}
