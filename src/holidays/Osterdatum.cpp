// Gauss's Easter rule with its two April exceptions.
#include "holidays/Osterdatum.h"

#include "store/Zeitpunkt.h"

int Osterdatum(int y) {
    const int n = 4 + y / 100 - y / 400;
    const int m = 15 + y / 100 - y / 400 - y / 300;
    const int d = (19 * (y % 19) + m) % 30;
    const int e = (2 * (y % 4) + 4 * y + 6 * d + n) % 7;
    int tagImMaerz = 22 + d + e;  // 22..56: above 31 runs into April
    if (tagImMaerz == 31 + 26)
        tagImMaerz = 31 + 19;
    else if (tagImMaerz == 31 + 25 && d == 28 && e == 6 && (11 * m + 11) % 30 < 19)
        tagImMaerz = 31 + 18;
    return TagDesJahres(y, 3, tagImMaerz);
}
