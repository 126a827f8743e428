// Easter Sunday by Gauss's rule against an independent algorithm.
#include "holidays/Osterdatum.h"
#include "store/Zeitpunkt.h"

#include <gtest/gtest.h>

namespace {
// The anonymous Gregorian algorithm (Meeus/Jones/Butcher), written independently.
int OsternAnonym(int y) {
    const int a = y % 19, b = y / 100, c = y % 100, d = b / 4, e = b % 4;
    const int f = (b + 8) / 25, g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4, k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int monat = (h + l - 7 * m + 114) / 31;
    const int tag = (h + l - 7 * m + 114) % 31 + 1;
    return TagDesJahres(y, monat, tag);
}
}  // namespace

// Asked in turn for every year, which also shows that the cached year follows the question.
TEST(Osterdatum, AgreesWithAnonymousAlgorithmFrom1800To3999) {
    for (int y = 1800; y <= 3999; ++y) ASSERT_EQ(Osterdatum(y), OsternAnonym(y)) << "year " << y;
    // Back to earlier years, among them both April exceptions of Gauss's rule.
    EXPECT_EQ(Osterdatum(1981), TagDesJahres(1981, 4, 19));  // 26 April -> 19 April
    EXPECT_EQ(Osterdatum(1954), TagDesJahres(1954, 4, 18));  // 25 April -> 18 April
}
