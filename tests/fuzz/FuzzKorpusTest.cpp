// Every fuzz corpus as a regression test: each file of tests/fuzz/korpus/<target> goes
// through the target's own body, here under the suite's ASan and UBSan.
#include "fuzz/FuzzZiele.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

TEST(FuzzKorpus, EveryInputKeepsEveryRule) {
    for (size_t i = 0; i < FuzzZielAnzahl; ++i) {
        const FuzzEintrag& ziel = FuzzZiele[i];
        int dateien = 0;
        for (const auto& eintrag : std::filesystem::directory_iterator(ORDIVO_SOURCE_DIR "/tests/fuzz/korpus/" +
                                                                       std::string(ziel.Name))) {
            const std::string bytes = LiesBytes(eintrag.path().string());
            const char* fehler = ziel.Ziel(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
            EXPECT_EQ(fehler, nullptr) << ziel.Name << "/" << eintrag.path().filename().string() << ": " << fehler;
            ++dateien;
        }
        EXPECT_GT(dateien, 0) << ziel.Name;
    }
}
