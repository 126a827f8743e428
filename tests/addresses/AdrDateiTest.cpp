// The address section: byte layout, remark blocks, export form and round trip.
#include "addresses/ClsAdrListe.h"
#include "store/DateiSchreiber.h"
#include "store/DateiTestHilfe.h"
#include "support/FakeHost.h"

#include <gtest/gtest.h>

namespace {
class AdrDatei : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(liste.Initialisieren()); }
    std::string Schreibe(bool alsExport) {
        DateiSchreiber datei;
        const std::string pfad = dir.Datei("adr.dbf");
        EXPECT_TRUE(datei.Erzeuge(pfad));
        EXPECT_TRUE(liste.SchreibeAbschnitt(datei, alsExport));
        EXPECT_TRUE(datei.Schliessen());
        return LiesBytes(pfad);
    }
    FakeHost host;
    TempDir dir;
    ClsAdrListe liste;
};

Adresse Beispiel(const std::string& bemerk) {
    Adresse a;
    Adresse::Setze(a.FIRMA, "B\xE4" "ckerei M\xFCller");
    Adresse::Setze(a.ANREDE, "Herr");
    Adresse::Setze(a.NAME1, std::string(45, 'n'));  // cut to 39 by the record
    Adresse::Setze(a.TELEFON, "\xFC" "0711");
    Adresse::Setze(a.SORT, "MUELLER");
    a.ID = 12;
    a.FLAGS = 0x81;
    a.BEMERK = bemerk;
    return a;
}
}  // namespace

TEST_F(AdrDatei, NativeLayoutWithARemarkOfExactly256Characters) {
    liste.EinfuegenSortiert(Beispiel(std::string(256, 'r')));
    const std::string f = Schreibe(false);
    ASSERT_EQ(f.size(), 513u + 509u - 196u + 512u + 1u);
    EXPECT_EQ(f.substr(0, 12), std::string("\x03\x1A\x0C\x05\x01\0\0\0\x01\x02\xFD\x01", 12));
    EXPECT_EQ(f.substr(12, 20), std::string(20, '\0'));
    EXPECT_EQ(f.substr(32 + 9 * 32, 18), std::string("SORT\0\0\0\0\0\0\0C\0\0\0\0\x09\0", 18));
    EXPECT_EQ(f.substr(32 + 14 * 32, 18), std::string("BEMERK\0\0\0\0\0C\0\0\0\0\xC4\0", 18));
    EXPECT_EQ(f[512], '\x0D');
    const std::string satz = f.substr(513);
    EXPECT_EQ(satz.substr(0, 1 + 39), " B\xE4" "ckerei M\xFCller" + std::string(24, ' '));
    EXPECT_EQ(satz.substr(1 + 39 + 19, 39), std::string(39, 'n'));
    EXPECT_EQ(satz.substr(1 + 39 + 19 + 39 * 4 + 19, 19), "\xFC" "0711" + std::string(14, ' '));
    EXPECT_EQ(satz.substr(300, 13), "00012" "00129" "002");
    EXPECT_EQ(satz.substr(313, 512), std::string(256, 'r') + std::string(256, ' '));
    EXPECT_EQ(f.back(), '\x1A');
    EXPECT_FALSE(liste.Geaendert);
}

TEST_F(AdrDatei, ExportCutsRemarksAndConvertsAllButTheNumbers) {
    liste.EinfuegenSortiert(Beispiel(std::string(299, 'e') + "\xE4"));
    const std::string f = Schreibe(true);
    ASSERT_EQ(f.size(), 513u + 509u + 1u);
    const std::string satz = f.substr(513, 509);
    EXPECT_EQ(satz.substr(1, 16), "B\x84" "ckerei M\x81ller ");
    EXPECT_EQ(satz.substr(1 + 39 + 19 + 39 * 4 + 19, 5), "\xFC" "0711");  // TELEFON as stored
    EXPECT_EQ(satz.substr(310, 3), "002");
    EXPECT_EQ(satz.substr(313, 196), std::string(196, 'e'));
    EXPECT_TRUE(liste.Geaendert);
}

TEST_F(AdrDatei, RoundTripAndEmptyList) {
    EXPECT_EQ(Schreibe(false), "");  // no section for an empty list
    liste.EinfuegenSortiert(Beispiel(""));
    liste.EinfuegenSortiert(Beispiel(std::string(197, 'x') + "  "));
    liste.EinfuegenSortiert(Beispiel(std::string(196, 'y')));
    Schreibe(false);
    DateiLeser leser;
    ASSERT_TRUE(leser.Oeffne(dir.Datei("adr.dbf")));
    ClsAdrListe gelesen;
    ASSERT_EQ(gelesen.LiesAbschnitt(leser), LeseErgebnis::Ok);
    ASSERT_EQ(gelesen.Anzahl(), 3);
    EXPECT_EQ(gelesen.Kapazitaet(), 53);
    EXPECT_EQ(gelesen.Satz(1).BEMERK, std::string(197, 'x'));  // trailing blanks are lost
    EXPECT_EQ(gelesen.Satz(2).BEMERK, std::string(196, 'y'));
    EXPECT_STREQ(gelesen.Satz(0).FIRMA, "B\xE4" "ckerei M\xFCller");
    EXPECT_EQ(gelesen.Satz(0).FLAGS, 0x81);
}
