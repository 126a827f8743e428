// Computing the table for a year: the four rule kinds, stable sorting, the year cache.
#include "FeiertagTestHelfer.h"
#include "holidays/Osterdatum.h"
#include "store/Zeitpunkt.h"

#include <gtest/gtest.h>

using BerechneFeiertage = FeiertagFixture;
using FeiertagRecord = FeiertagFixture;

namespace {
const Feiertag* Suche(Feiertage& feiertage, const char* kurz) {
    for (const Feiertag& e : feiertage.Tabelle.Eintrag)
        if (std::strncmp(e.Kurzname, kurz, sizeof e.Kurzname) == 0) return &e;
    return nullptr;
}

int TagVon(Feiertage& feiertage, const char* kurz) {
    const Feiertag* e = Suche(feiertage, kurz);
    return e ? e->Tag : -9999;
}
}  // namespace

// Encoding and decoding share the bit positions, so pin them against the file format.
TEST_F(FeiertagRecord, WeekdayRuleBits) {
    EXPECT_EQ(RegelWochentag(2, 7, 5), 2 | 7 << 3 | 5 << 6);
    EXPECT_EQ(WochentagMonat(0x3FF), 15);
    EXPECT_EQ(Versatz(0xFFDD), -35);
}

TEST_F(BerechneFeiertage, FixedAndEasterRules) {
    SetzeTabelle(feiertage, {{"Fest", "", FeiertagArt::Fest, RegelFest(3, 1)},
                  {"Ostern", "", FeiertagArt::Ostern, RegelVersatz(0)},
                  {"Karfreitag", "", FeiertagArt::Ostern, RegelVersatz(-2)},
                  {"Pfingstmo", "", FeiertagArt::Ostern, RegelVersatz(50)}});
    feiertage.Berechne(1996, true);
    EXPECT_EQ(TagVon(feiertage, "Fest"), 61);  // leap year
    EXPECT_EQ(TagVon(feiertage, "Ostern"), TagDesJahres(1996, 4, 7));
    EXPECT_EQ(TagVon(feiertage, "Karfreitag"), TagDesJahres(1996, 4, 5));
    EXPECT_EQ(TagVon(feiertage, "Pfingstmo"), TagDesJahres(1996, 5, 27));
    feiertage.Berechne(1995, true);
    EXPECT_EQ(TagVon(feiertage, "Fest"), 60);
}

TEST_F(BerechneFeiertage, NthWeekdayOfMonth) {
    SetzeTabelle(feiertage, {{"Muttertag", "", FeiertagArt::Wochentag, RegelWochentag(2, 7, 5)},
                  {"ErsterMo", "", FeiertagArt::Wochentag, RegelWochentag(1, 1, 5)},
                  {"FuenfterSo", "", FeiertagArt::Wochentag, RegelWochentag(5, 7, 2)}});
    feiertage.Berechne(1995, true);
    EXPECT_EQ(TagVon(feiertage, "Muttertag"), TagDesJahres(1995, 5, 14));
    EXPECT_EQ(TagVon(feiertage, "ErsterMo"), TagDesJahres(1995, 5, 1));  // 1 May 1995 is a Monday
    // February 1995 has four Sundays (5..26): the fifth runs into March.
    EXPECT_EQ(TagVon(feiertage, "FuenfterSo"), TagDesJahres(1995, 3, 5));
    feiertage.Berechne(1996, true);
    EXPECT_EQ(TagVon(feiertage, "Muttertag"), TagDesJahres(1996, 5, 12));
    EXPECT_EQ(TagVon(feiertage, "ErsterMo"), TagDesJahres(1996, 5, 6));
}

TEST_F(BerechneFeiertage, RelativeToLastSundayBeforeChristmas) {
    SetzeTabelle(feiertage, {{"Advent4", "", FeiertagArt::Weihnachten, RegelVersatz(0)},
                  {"Totensonntag", "", FeiertagArt::Weihnachten, RegelVersatz(-28)}});
    feiertage.Berechne(1995, true);  // 25 December 1995 is a Monday
    EXPECT_EQ(TagVon(feiertage, "Advent4"), TagDesJahres(1995, 12, 24));
    EXPECT_EQ(TagVon(feiertage, "Totensonntag"), TagDesJahres(1995, 11, 26));
    feiertage.Berechne(1994, true);  // 25 December 1994 is a Sunday: a week before
    EXPECT_EQ(TagVon(feiertage, "Advent4"), TagDesJahres(1994, 12, 18));
    EXPECT_EQ(TagVon(feiertage, "Totensonntag"), TagDesJahres(1994, 11, 20));
}

TEST_F(BerechneFeiertage, RulesWithoutADateKeepTheirDay) {
    SetzeTabelle(feiertage, {{"Unbekannt", "", 3, RegelFest(1, 1)},
                  {"Monat0", "", FeiertagArt::Fest, RegelFest(0, 5)},
                  {"Monat13", "", FeiertagArt::Fest, RegelFest(13, 5)},
                  {"WTMonat15", "", FeiertagArt::Wochentag, RegelWochentag(1, 1, 15)}});
    for (Feiertag& e : feiertage.Tabelle.Eintrag) e.Tag = 77;
    feiertage.Berechne(2000, true);
    for (const char* name : {"Unbekannt", "Monat0", "Monat13", "WTMonat15"}) EXPECT_EQ(TagVon(feiertage, name), 77) << name;
}

TEST_F(BerechneFeiertage, SortIsStableAndStopsAtTheFirstEmptyEntry) {
    SetzeTabelle(feiertage, {{"Dez", "", FeiertagArt::Fest, RegelFest(12, 1)},
                  {"ZweiterA", "", FeiertagArt::Fest, RegelFest(6, 1)},
                  {"Jan", "", FeiertagArt::Fest, RegelFest(1, 1)},
                  {"ZweiterB", "", FeiertagArt::Fest, RegelFest(6, 1)},
                  {"ZweiterC", "", FeiertagArt::Fest, RegelFest(6, 1)}});
    // Behind the end marker: an entry that must neither move nor be computed.
    FeiertagTabelle& t = feiertage.Tabelle;
    t.Eintrag[6] = MachEintrag({"Dahinter", "", FeiertagArt::Fest, RegelFest(1, 1)});
    t.Eintrag[6].Tag = -5;
    feiertage.Berechne(2001, true);
    const char* erwartet[] = {"Jan", "ZweiterA", "ZweiterB", "ZweiterC", "Dez", ""};
    for (int i = 0; i < 6; ++i) EXPECT_STREQ(t.Eintrag[i].Kurzname, erwartet[i]) << i;
    EXPECT_STREQ(t.Eintrag[6].Kurzname, "Dahinter");
    EXPECT_EQ(+t.Eintrag[6].Tag, -5);
}

TEST_F(BerechneFeiertage, FullTableWithoutEndMarkerIsSortedCompletely) {
    FeiertagTabelle& t = feiertage.Tabelle;
    for (int i = 0; i < MaxFeiertage; ++i) {
        t.Eintrag[i] = MachEintrag({"X", "", FeiertagArt::Ostern, RegelVersatz(MaxFeiertage - i)});
    }
    feiertage.Geaendert();
    feiertage.Berechne(2010, true);
    for (int i = 0; i + 1 < MaxFeiertage; ++i) EXPECT_LT(+t.Eintrag[i].Tag, +t.Eintrag[i + 1].Tag);
}

TEST_F(BerechneFeiertage, RecomputesOnlyForANewYearOrWhenForced) {
    SetzeTabelle(feiertage, {{"Fest", "", FeiertagArt::Fest, RegelFest(3, 1)}});
    feiertage.Berechne(1995, false);
    EXPECT_EQ(TagVon(feiertage, "Fest"), 60);
    feiertage.Tabelle.Eintrag[0].Regel = RegelFest(3, 2);
    feiertage.Berechne(1995, false);
    EXPECT_EQ(TagVon(feiertage, "Fest"), 60);  // same year: cached
    feiertage.Berechne(1995, true);
    EXPECT_EQ(TagVon(feiertage, "Fest"), 61);
    feiertage.Tabelle.Eintrag[0].Regel = RegelFest(3, 3);
    feiertage.Berechne(1996, false);
    EXPECT_EQ(TagVon(feiertage, "Fest"), 63);  // new year, leap
    feiertage.Tabelle.Eintrag[0].Regel = RegelFest(3, 4);
    feiertage.Geaendert();
    feiertage.Berechne(1996, false);
    EXPECT_EQ(TagVon(feiertage, "Fest"), 64);  // replaced table
}
