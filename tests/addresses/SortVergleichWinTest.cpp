// The product's sort order (lstrcmpA) agrees with the equivalent the native tests use.
#include "addresses/LstrcmpNachbildung.h"
#include "addresses/SortVergleich.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {
int Vorzeichen(int v) { return v < 0 ? -1 : v > 0 ? 1 : 0; }
}

TEST(SortVergleichWin, LstrcmpAgreesWithThePortableEquivalent) {
    InstalliereLstrcmp();
    const char* texte[] = {"", "1", "9a", "a", "A", "\xE4", "\xC4", "ab", "Ab", "b", "MEIER", "meier", "Meier",
                           "M\xFCller", "Mueller", "Muller", "Mumm", "Z", "zz", "Co-op", "coop"};
    for (const char* a : texte)
        for (const char* b : texte) {
            SCOPED_TRACE(std::string(a) + " vs " + b);
            EXPECT_EQ(Vorzeichen(lstrcmpA(a, b)), Vorzeichen(VergleicheWieLstrcmp(a, b)));
            EXPECT_EQ(Vorzeichen(SortVergleich(a, b)), Vorzeichen(lstrcmpA(a, b)));
        }
    SetzeSortVergleich(nullptr);
}
