// A failing disk during a save: every step in turn fails; the previous version must survive
// as the file or its .BAK, the save must fail with one message, and the data stay modified.
#include "store/DateiSchreiber.h"
#include "store/DateiTestHilfe.h"
#include "document/KalenderDatei.h"
#include "store/TerminFixtures.h"
#include "support/FakeHost.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <vector>
#ifdef __linux__
#include <sys/resource.h>
#endif

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
    void JederSchrittScheitert(const std::string& name, int schritte);
};
}  // namespace

// Every write, the close and the renames fail in turn: the previous version is always the
// file or its backup, no temporary file is left, one message names the file, and the data
// stay modified. `schritte`: header, 6 records, end byte, address header, 1 record, end
// byte, the close and the renames.
void SchreibFehler::JederSchrittScheitert(const std::string& name, int schritte) {
    const std::string pfad = dir.Datei(name), bak = dir.Datei("kal.BAK");
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
        EXPECT_TRUE(LiesBytes(pfad) == vorher || LiesBytes(bak) == vorher);
        EXPECT_FALSE(std::filesystem::exists(pfad + TempEndung));
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_NE(host.messages[0].text.find(pfad), std::string::npos);
        EXPECT_TRUE(Liste.Geaendert && AdrListe.Geaendert);
        EXPECT_EQ(Liste.Anzahl(), 6);
    }
    EXPECT_EQ(n, schritte + 1);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_FALSE(Liste.Geaendert);
    EXPECT_FALSE(std::filesystem::exists(pfad + TempEndung));
    const std::string nachher = LiesBytes(pfad);
    EXPECT_EQ(nachher.size(), vorher.size() + 290);
    EXPECT_TRUE(pfad == bak || LiesBytes(bak) == vorher);
}

TEST_F(SchreibFehler, EveryFailingStepKeepsThePreviousVersion) { JederSchrittScheitert("kal.odv", 14); }

// Its own backup name: no backup is made, the file is replaced in one step.
TEST_F(SchreibFehler, EveryFailingStepKeepsAFileNamedLikeItsBackup) { JederSchrittScheitert("kal.BAK", 13); }

#ifdef __linux__
// A disk that fills at any byte of the new file (a file size limit makes the write fail
// there): the save fails with one message and the previous file is untouched.
TEST_F(SchreibFehler, DiskFullAnywhereInTheNewFileKeepsThePreviousFile) {
    const std::string pfad = dir.Datei("kal.odv"), bak = dir.Datei("kal.BAK");
    ASSERT_TRUE(SpeichereMitSicherung(doc, pfad, ModusKalender));
    ASSERT_TRUE(SpeichereMitSicherung(doc, pfad, ModusKalender));
    const std::string vorher = LiesBytes(pfad);
    ASSERT_TRUE(Liste.Einfuegen(MachTermin(2026, 3, 9, 9, 0, 10, 0, 0, "neu")));
    ASSERT_TRUE(SchreibeDatei(doc, dir.Datei("neu.odv"), ModusKalender));
    const rlim_t neuGroesse = LiesBytes(dir.Datei("neu.odv")).size();

    rlimit alt{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &alt), 0);
    const auto signal = std::signal(SIGXFSZ, SIG_IGN);  // the write fails instead
    // Every byte would repeat the same single short write at the close; ~100 spread positions
    // and the last byte cover the header, the records, the address section and the end.
    std::vector<rlim_t> grenzen;
    for (rlim_t g = 0; g < neuGroesse; g += neuGroesse / 97 + 1) grenzen.push_back(g);
    grenzen.push_back(neuGroesse - 1);
    for (rlim_t grenze : grenzen) {
        host.messages.clear();
        rlimit r{grenze, alt.rlim_max};
        setrlimit(RLIMIT_FSIZE, &r);
        const bool gespeichert = SpeichereMitSicherung(doc, pfad, ModusKalender);
        setrlimit(RLIMIT_FSIZE, &alt);
        if (gespeichert || host.messages.size() != 1 || LiesBytes(pfad) != vorher || LiesBytes(bak) != vorher ||
            std::filesystem::exists(pfad + TempEndung)) {
            ADD_FAILURE() << "disk full at byte " << grenze;
            break;
        }
    }
    std::signal(SIGXFSZ, signal);
    EXPECT_TRUE(SpeichereMitSicherung(doc, pfad, ModusKalender));
    EXPECT_EQ(LiesBytes(bak), vorher);
}
#endif

// A failed export leaves the modified flag alone; a file that cannot be created (a folder
// without write access) is reported like a failed write.
TEST_F(SchreibFehler, ExportFailureAndUncreatableFile) {
    Liste.Geaendert = false;
    DateiSchreiber::FehlerBeiVorgang(2);
    EXPECT_FALSE(SchreibeDatei(doc, dir.Datei("t.dbf"), ModusTerminExport));
    EXPECT_FALSE(Liste.Geaendert);
    EXPECT_EQ(host.messages.size(), 1u);
    DateiSchreiber::FehlerBeiVorgang(0);
    Liste.Geaendert = AdrListe.Geaendert = false;
    EXPECT_FALSE(SpeichereMitSicherung(doc, dir.Datei("fehlt/kal.odv"), ModusKalender));
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_NE(host.messages[1].text.find(dir.Datei("fehlt/kal.odv")), std::string::npos);
    EXPECT_TRUE(Liste.Geaendert && AdrListe.Geaendert);
}
