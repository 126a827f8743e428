// The fuzzer's seed corpus and its past findings as a regression test: each file loads or
// is refused cleanly, and a loaded one saves and loads again to the same records.
#include "addresses/ClsAdrListe.h"
#include "store/ClsListe.h"
#include "store/DateiTestHilfe.h"
#include "store/KalenderDatei.h"
#include "support/FakeHost.h"

#include <gtest/gtest.h>

#include <filesystem>

TEST(FuzzKorpus, EveryFileLoadsOrIsRefusedCleanly) {
    FakeHost host;
    TestVerzeichnis dir;
    int dateien = 0, geladen = 0;
    for (const auto& eintrag : std::filesystem::directory_iterator(ORDIVO_SOURCE_DIR "/tests/store/fuzz/korpus")) {
        SCOPED_TRACE(eintrag.path().filename().string());
        ++dateien;
        const std::string pfad = dir.Datei("k.odv");
        std::filesystem::copy_file(eintrag.path(), pfad, std::filesystem::copy_options::overwrite_existing);
        host.answers = {Mb::IdYes, Mb::IdNo};
        PasswortEingaben::Texte() = {"abc"};
        Dateiname = pfad;
        if (!Liste.Laden()) {
            EXPECT_EQ(Liste.Anzahl(), 0);
            EXPECT_EQ(AdrListe.Anzahl(), 0);
            EXPECT_FALSE(host.messages.empty());
            continue;
        }
        ++geladen;
        const int anzahl = Liste.Anzahl(), adressen = AdrListe.Anzahl();
        ASSERT_TRUE(SchreibeDatei(dir.Datei("neu.odv"), ModusKalender));
        Dateiname = dir.Datei("neu.odv");
        PasswortEingaben::Texte() = {Liste.Passwort};
        ASSERT_TRUE(Liste.Laden());
        EXPECT_EQ(Liste.Anzahl(), anzahl);
        EXPECT_EQ(AdrListe.Anzahl(), adressen);
        EXPECT_FALSE(Liste.Geaendert);
    }
    EXPECT_GE(dateien, 5);
    EXPECT_GE(geladen, 4);
    Liste.Leeren();
    AdrListe.Leeren();
    Dateiname.clear();
}
