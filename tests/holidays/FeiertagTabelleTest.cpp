// Computing the table for a year: the four rule kinds, stable sorting, the year cache.
#include "FeiertagTestHelfer.h"
#include "holidays/Osterdatum.h"
#include "store/Zeitpunkt.h"

#include <gtest/gtest.h>

namespace {
const Feiertag* Suche(const char* kurz) {
    for (const Feiertag& e : Feiertage().Eintrag)
        if (std::strncmp(e.Kurzname, kurz, sizeof e.Kurzname) == 0) return &e;
    return nullptr;
}

int TagVon(const char* kurz) {
    const Feiertag* e = Suche(kurz);
    return e ? e->Tag : -9999;
}
}  // namespace

// Encoding and decoding share the bit positions, so pin them against the file format.
TEST(FeiertagRecord, WeekdayRuleBits) {
    EXPECT_EQ(RegelWochentag(2, 7, 5), 2 | 7 << 3 | 5 << 6);
    EXPECT_EQ(WochentagMonat(0x3FF), 15);
    EXPECT_EQ(Versatz(0xFFDD), -35);
}

TEST(BerechneFeiertage, FixedAndEasterRules) {
    SetzeTabelle({{"Fest", "", FeiertagArt::Fest, RegelFest(3, 1)},
                  {"Ostern", "", FeiertagArt::Ostern, RegelVersatz(0)},
                  {"Karfreitag", "", FeiertagArt::Ostern, RegelVersatz(-2)},
                  {"Pfingstmo", "", FeiertagArt::Ostern, RegelVersatz(50)}});
    BerechneFeiertage(1996, true);
    EXPECT_EQ(TagVon("Fest"), 61);  // leap year
    EXPECT_EQ(TagVon("Ostern"), TagDesJahres(1996, 4, 7));
    EXPECT_EQ(TagVon("Karfreitag"), TagDesJahres(1996, 4, 5));
    EXPECT_EQ(TagVon("Pfingstmo"), TagDesJahres(1996, 5, 27));
    BerechneFeiertage(1995, true);
    EXPECT_EQ(TagVon("Fest"), 60);
}

TEST(BerechneFeiertage, NthWeekdayOfMonth) {
    SetzeTabelle({{"Muttertag", "", FeiertagArt::Wochentag, RegelWochentag(2, 7, 5)},
                  {"ErsterMo", "", FeiertagArt::Wochentag, RegelWochentag(1, 1, 5)},
                  {"FuenfterSo", "", FeiertagArt::Wochentag, RegelWochentag(5, 7, 2)}});
    BerechneFeiertage(1995, true);
    EXPECT_EQ(TagVon("Muttertag"), TagDesJahres(1995, 5, 14));
    EXPECT_EQ(TagVon("ErsterMo"), TagDesJahres(1995, 5, 1));  // 1 May 1995 is a Monday
    // February 1995 has four Sundays (5..26): the fifth runs into March.
    EXPECT_EQ(TagVon("FuenfterSo"), TagDesJahres(1995, 3, 5));
    BerechneFeiertage(1996, true);
    EXPECT_EQ(TagVon("Muttertag"), TagDesJahres(1996, 5, 12));
    EXPECT_EQ(TagVon("ErsterMo"), TagDesJahres(1996, 5, 6));
}

TEST(BerechneFeiertage, RelativeToLastSundayBeforeChristmas) {
    SetzeTabelle({{"Advent4", "", FeiertagArt::Weihnachten, RegelVersatz(0)},
                  {"Totensonntag", "", FeiertagArt::Weihnachten, RegelVersatz(-28)}});
    BerechneFeiertage(1995, true);  // 25 December 1995 is a Monday
    EXPECT_EQ(TagVon("Advent4"), TagDesJahres(1995, 12, 24));
    EXPECT_EQ(TagVon("Totensonntag"), TagDesJahres(1995, 11, 26));
    BerechneFeiertage(1994, true);  // 25 December 1994 is a Sunday: a week before
    EXPECT_EQ(TagVon("Advent4"), TagDesJahres(1994, 12, 18));
    EXPECT_EQ(TagVon("Totensonntag"), TagDesJahres(1994, 11, 20));
}

TEST(BerechneFeiertage, RulesWithoutADateKeepTheirDay) {
    SetzeTabelle({{"Unbekannt", "", 3, RegelFest(1, 1)},
                  {"Monat0", "", FeiertagArt::Fest, RegelFest(0, 5)},
                  {"Monat13", "", FeiertagArt::Fest, RegelFest(13, 5)},
                  {"WTMonat15", "", FeiertagArt::Wochentag, RegelWochentag(1, 1, 15)}});
    for (Feiertag& e : Feiertage().Eintrag) e.Tag = 77;
    BerechneFeiertage(2000, true);
    EXPECT_EQ(TagVon("Unbekannt"), 77);
    EXPECT_EQ(TagVon("Monat0"), 77);
    EXPECT_EQ(TagVon("Monat13"), 77);
    EXPECT_EQ(TagVon("WTMonat15"), 77);
}

TEST(BerechneFeiertage, SortIsStableAndStopsAtTheFirstEmptyEntry) {
    SetzeTabelle({{"Dez", "", FeiertagArt::Fest, RegelFest(12, 1)},
                  {"ZweiterA", "", FeiertagArt::Fest, RegelFest(6, 1)},
                  {"Jan", "", FeiertagArt::Fest, RegelFest(1, 1)},
                  {"ZweiterB", "", FeiertagArt::Fest, RegelFest(6, 1)},
                  {"ZweiterC", "", FeiertagArt::Fest, RegelFest(6, 1)}});
    // Behind the end marker: an entry that must neither move nor be computed.
    FeiertagTabelle& t = Feiertage();
    t.Eintrag[6] = MachEintrag({"Dahinter", "", FeiertagArt::Fest, RegelFest(1, 1)});
    t.Eintrag[6].Tag = -5;
    BerechneFeiertage(2001, true);
    const char* erwartet[] = {"Jan", "ZweiterA", "ZweiterB", "ZweiterC", "Dez", ""};
    for (int i = 0; i < 6; ++i) EXPECT_STREQ(t.Eintrag[i].Kurzname, erwartet[i]) << i;
    EXPECT_STREQ(t.Eintrag[6].Kurzname, "Dahinter");
    EXPECT_EQ(+t.Eintrag[6].Tag, -5);
}

TEST(BerechneFeiertage, FullTableWithoutEndMarkerIsSortedCompletely) {
    FeiertagTabelle& t = Feiertage();
    for (int i = 0; i < MaxFeiertage; ++i) {
        t.Eintrag[i] = MachEintrag({"X", "", FeiertagArt::Ostern, RegelVersatz(MaxFeiertage - i)});
    }
    FeiertageGeaendert();
    BerechneFeiertage(2010, true);
    for (int i = 0; i + 1 < MaxFeiertage; ++i) EXPECT_LT(+t.Eintrag[i].Tag, +t.Eintrag[i + 1].Tag);
}

TEST(BerechneFeiertage, RecomputesOnlyForANewYearOrWhenForced) {
    SetzeTabelle({{"Fest", "", FeiertagArt::Fest, RegelFest(3, 1)}});
    BerechneFeiertage(1995, false);
    EXPECT_EQ(TagVon("Fest"), 60);
    Feiertage().Eintrag[0].Regel = RegelFest(3, 2);
    BerechneFeiertage(1995, false);
    EXPECT_EQ(TagVon("Fest"), 60);  // same year: cached
    BerechneFeiertage(1995, true);
    EXPECT_EQ(TagVon("Fest"), 61);
    Feiertage().Eintrag[0].Regel = RegelFest(3, 3);
    BerechneFeiertage(1996, false);
    EXPECT_EQ(TagVon("Fest"), 63);  // new year, leap
    Feiertage().Eintrag[0].Regel = RegelFest(3, 4);
    FeiertageGeaendert();
    BerechneFeiertage(1996, false);
    EXPECT_EQ(TagVon("Fest"), 64);  // replaced table
}
