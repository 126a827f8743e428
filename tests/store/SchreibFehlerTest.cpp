// A failing disk during a save: every write position in turn fails; the previous version
// must survive as .BAK, the save must fail with one message, and the data stay modified.
#include "addresses/ClsAdrListe.h"
#include "store/ClsListe.h"
#include "store/DateiSchreiber.h"
#include "store/DateiTestHilfe.h"
#include "document/KalenderDatei.h"
#include "store/TerminFixtures.h"
#include "support/FakeHost.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {
class SchreibFehler : public DateiTest {
protected:
    void SetUp() override {
        DateiTest::SetUp();
        for (int i = 1; i <= 5; ++i) {
            Termin t = MachTermin(2026, 3, i, 9, 0, 10, 0, 0, "Termin " + std::to_string(i));
            if (i == 3) t.Beschr = std::string(700, 'L');
            ASSERT_TRUE(Liste.Einfuegen(t));
        }
        Adresse a;
        Adresse::Setze(a.SORT, "A");
        a.BEMERK = std::string(300, 'B');
        ASSERT_GE(AdrListe.EinfuegenSortiert(a), 0);
    }
    void TearDown() override {
        DateiSchreiber::FehlerBeiVorgang(0);
        DateiTest::TearDown();
    }
};
}  // namespace

TEST_F(SchreibFehler, EveryFailingWriteKeepsTheBackupAndTheModifiedData) {
    const std::string pfad = dir.Datei("kal.odv"), bak = dir.Datei("kal.BAK");
    ASSERT_TRUE(SpeichereMitSicherung(doc, pfad, ModusKalender));
    const std::string vorher = LiesBytes(pfad);
    ASSERT_TRUE(Liste.Einfuegen(MachTermin(2026, 3, 9, 9, 0, 10, 0, 0, "neu")));

    int n = 1;
    for (; n < 100; ++n) {
        SCOPED_TRACE(n);
        SchreibBytes(pfad, vorher);  // the last good version is on disk each time
        host.messages.clear();
        Liste.Geaendert = AdrListe.Geaendert = false;  // as after auto-save of an unchanged file
        DateiSchreiber::FehlerBeiVorgang(n);
        if (SpeichereMitSicherung(doc, pfad, ModusKalender)) break;
        EXPECT_EQ(LiesBytes(bak), vorher);
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_NE(host.messages[0].text.find(pfad), std::string::npos);
        EXPECT_TRUE(Liste.Geaendert);
        EXPECT_TRUE(AdrListe.Geaendert);
        EXPECT_EQ(Liste.Anzahl(), 6);
    }
    // Header, 6 records, end byte, address header, 1 record, end byte: 11 writes and the close.
    EXPECT_EQ(n, 13);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_FALSE(Liste.Geaendert);
    EXPECT_EQ(LiesBytes(bak), vorher);
}

TEST_F(SchreibFehler, ExportFailureLeavesTheModifiedFlagsAlone) {
    Liste.Geaendert = false;
    DateiSchreiber::FehlerBeiVorgang(2);
    EXPECT_FALSE(SchreibeDatei(doc, dir.Datei("t.dbf"), ModusTerminExport));
    EXPECT_FALSE(Liste.Geaendert);
    EXPECT_EQ(host.messages.size(), 1u);
}

TEST_F(SchreibFehler, UncreatableFileFailsSilently) {
    EXPECT_FALSE(SchreibeDatei(doc, dir.Datei("fehlt/kal.odv"), ModusKalender));
    EXPECT_TRUE(host.messages.empty());
    EXPECT_TRUE(Liste.Geaendert);
}

#ifdef __linux__
TEST_F(SchreibFehler, FullDiskIsReported) {
    ASSERT_TRUE(Liste.Einfuegen(MachTermin(2026, 4, 1, 9, 0, 10, 0)));
    Liste.Geaendert = false;
    EXPECT_FALSE(SchreibeDatei(doc, "/dev/full", ModusKalender));
    EXPECT_EQ(host.messages.size(), 1u);
    EXPECT_TRUE(Liste.Geaendert);
}
#endif
