// The fuzzer's seed corpus and its past findings as a regression test: each file loads or
// is refused cleanly, and a loaded one saves and loads again to the same records.
#include "document/KalenderDatei.h"
#include "store/DateiTestHilfe.h"

#include <gtest/gtest.h>

#include <filesystem>

using FuzzKorpus = DateiTest;

TEST_F(FuzzKorpus, EveryFileLoadsOrIsRefusedCleanly) {
    int dateien = 0, geladen = 0;
    for (const auto& eintrag : std::filesystem::directory_iterator(ORDIVO_SOURCE_DIR "/tests/store/fuzz/korpus")) {
        SCOPED_TRACE(eintrag.path().filename().string());
        ++dateien;
        const std::string pfad = dir.Datei("k.odv");
        std::filesystem::copy_file(eintrag.path(), pfad, std::filesystem::copy_options::overwrite_existing);
        host.answers = {Mb::IdYes, Mb::IdNo};
        PasswortEingaben::Texte() = {"abc"};
        Dateiname = pfad;
        if (doc.Laden() != Ladeausgang::Ok) {
            EXPECT_EQ(Liste.Anzahl(), 0);
            EXPECT_EQ(AdrListe.Anzahl(), 0);
            EXPECT_FALSE(host.messages.empty());
            continue;
        }
        ++geladen;
        const int anzahl = Liste.Anzahl(), adressen = AdrListe.Anzahl();
        ASSERT_TRUE(SchreibeDatei(doc, dir.Datei("neu.odv"), ModusKalender));
        Dateiname = dir.Datei("neu.odv");
        PasswortEingaben::Texte() = {Liste.Passwort};
        ASSERT_EQ(doc.Laden(), Ladeausgang::Ok);
        EXPECT_EQ(Liste.Anzahl(), anzahl);
        EXPECT_EQ(AdrListe.Anzahl(), adressen);
        EXPECT_FALSE(Liste.Geaendert);
    }
    EXPECT_GE(dateien, 5);
    EXPECT_GE(geladen, 4);
}
