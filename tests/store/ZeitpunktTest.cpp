// Calendar arithmetic: weekday and leap rules, day-of-year walks, minute round trips.
#include "store/Zeitpunkt.h"
#include "support/FakeHost.h"

#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

namespace {
Zeitpunkt Z(int j, int m, int t, int h = 0, int mi = 0) { return MachZeitpunkt(j, m, t, h, mi); }
}  // namespace

TEST(Zeitpunkt, IsPackedSixBytesInFieldOrder) {
    const Zeitpunkt z = Z(1995, 3, 12, 23, 59);
    std::string b(6, '\0');
    std::memcpy(&b[0], &z, 6);
    EXPECT_EQ(b, std::string("\xCB\x07\x03\x0C\x17\x3B", 6));  // little-endian Jahr first
}

TEST(Zeitpunkt, CompareDecidesByFirstDifferingSignedField) {
    EXPECT_EQ(CompareZeitpunkt(Z(1995, 1, 1), Z(1995, 1, 1)), 0);
    EXPECT_EQ(CompareZeitpunkt(Z(1994, 12, 31, 23, 59), Z(1995, 1, 1)), -1);
    EXPECT_EQ(CompareZeitpunkt(Z(1995, 2, 1), Z(1995, 1, 31)), 1);
    EXPECT_EQ(CompareZeitpunkt(Z(1995, 1, 1, 10, 0), Z(1995, 1, 1, 9, 59)), 1);
    EXPECT_EQ(CompareZeitpunkt(Z(1995, 1, 1, 0, -1), Z(1995, 1, 1, 0, 0)), -1);
    EXPECT_EQ(CompareZeitpunkt(Z(1995, -1, 1), Z(1995, 0, 1)), -1);
    EXPECT_EQ(CompareZeitpunkt(Z(0, 0, 0), Z(1, 0, 0)), -1);
    EXPECT_EQ(CompareZeitpunkt(Z(1995, 1, 2, -128, -128), Z(1995, 1, 1, 127, 127)), 1);
}

TEST(Zeitpunkt, LeapYearsMonthLengthsAndWeekdays) {
    const std::pair<int, bool> leap[] = {{1900, false}, {2000, true}, {1996, true}, {1995, false}, {0, true}};
    for (const auto& [year, isLeap] : leap) {
        EXPECT_EQ(IstSchaltjahr(year), isLeap) << year;
        EXPECT_EQ(TageImMonat(year, 2), isLeap ? 29 : 28) << year;
    }
    EXPECT_EQ(std::vector<int>({TageImMonat(1995, 4), TageImMonat(1995, 12), TageImMonat(1995, 0), TageImMonat(1995, 13)}),
              std::vector<int>({30, 31, 0, 0}));
    EXPECT_EQ(std::vector<int>({Wochentag(1995, 1, 1), Wochentag(1, 1, 1), Wochentag(2000, 2, 29)}), std::vector<int>({7, 1, 2}));
    // Consecutive days cycle through 1..7 across year ends.
    int expected = Wochentag(1899, 12, 25);
    for (uint32_t tag = TagToMinutes(Z(1899, 12, 25)); tag < TagToMinutes(Z(1901, 1, 10)); tag += 1440) {
        const Zeitpunkt z = TagFromMinutes(tag);
        ASSERT_EQ(Wochentag(z.Jahr, z.Monat, z.Tag), expected) << z.Jahr << "-" << int(z.Monat);
        expected = expected % 7 + 1;
    }
}

TEST(Zeitpunkt, DayOfYearCountsThroughAndWalksAcrossYears) {
    EXPECT_EQ(std::vector<int>({TagDesJahres(1995, 3, 33), TagDesJahres(1995, 4, 0), TagDesJahres(1996, 3, 1),
                                TagDesJahres(1995, 12, 31), TagDesJahres(1995, 1, -5)}),
              std::vector<int>({92, 90, 61, 365, -5}));  // days beyond the month count through

    const std::tuple<int, int, Zeitpunkt> tage[] = {
        {1995, 366, Z(1996, 1, 1)}, {1996, 366, Z(1996, 12, 31)}, {1995, 0, Z(1994, 12, 31)},
        {1995, -1, Z(1994, 12, 30)}, {1995, -30, Z(1994, 12, 1)}, {1996, 60, Z(1996, 2, 29)},
        {1995, 365 + 366 + 1, Z(1997, 1, 1)}};
    for (const auto& [jahr, n, datum] : tage) EXPECT_EQ(DatumAusTagDesJahres(jahr, n), datum) << jahr << " " << n;
    for (int n = 1; n <= 366; ++n) {
        const Zeitpunkt z = DatumAusTagDesJahres(2000, n);
        ASSERT_EQ(TagDesJahres(z.Jahr, z.Monat, z.Tag), n);
    }
}

// Anchors of the minute count (the round trip below walks every day from them) and the
// current time from the host, without seconds.
TEST(Zeitpunkt, MinuteNumbersAndNow) {
    EXPECT_EQ(ToMinutes(Z(0, 1, 1)), 0u);
    EXPECT_EQ(ToMinutes(Z(1, 1, 1)), 527040u);  // year 0 is a leap year
    EXPECT_EQ(ToMinutes(Z(1995, 1, 1, 1, 1)) - ToMinutes(Z(1995, 1, 1)), 61u);
    // Out-of-range days are counted through.
    EXPECT_EQ(ToMinutes(Z(1995, 3, 33)), ToMinutes(Z(1995, 4, 2)));
    EXPECT_EQ(ToMinutes(Z(1995, 1, 0)), ToMinutes(Z(1994, 12, 31)));
    // A rest of exactly zero falls on the first of the next year or month.
    EXPECT_EQ(FromMinutes(0), Z(0, 1, 1));
    EXPECT_EQ(FromMinutes(527040u), Z(1, 1, 1));
    EXPECT_EQ(FromMinutes(31u * 1440u), Z(0, 2, 1));
    EXPECT_EQ(FromMinutes(ToMinutes(Z(1996, 2, 29, 23, 59)) + 1), Z(1996, 3, 1));
    FakeHost host;
    host.now = LocalTime{1996, 6, 1, 8, 30, 45};
    EXPECT_EQ(Jetzt(), Z(1996, 6, 1, 8, 30));
}

TEST(Zeitpunkt, MinuteRoundTripOverEveryDay1800To3999) {
    uint32_t previous = 0;
    for (int j = 1800; j <= 3999; ++j)
        for (int m = 1; m <= 12; ++m)
            for (int t = 1; t <= TageImMonat(j, m); ++t) {
                const int h = (j + t) % 24, mi = (m * 7 + t) % 60;
                const Zeitpunkt z = Z(j, m, t, h, mi);
                const uint32_t n = ToMinutes(z);
                ASSERT_EQ(FromMinutes(n), z) << j << "-" << m << "-" << t;
                ASSERT_EQ(TagFromMinutes(n), Z(j, m, t));
                ASSERT_TRUE(!previous || TagToMinutes(z) - TagToMinutes(FromMinutes(previous)) == 1440u);
                previous = n;
            }
}
