// Computing the table for a year: the four rule kinds, stable sorting, the year cache.
#include "FeiertagTestHelfer.h"
#include "holidays/Osterdatum.h"
#include "store/Zeitpunkt.h"

#include <gtest/gtest.h>

using BerechneFeiertage = FeiertagFixture;

// One entry per row; a rule without a date keeps the day it had (77).
TEST_F(BerechneFeiertage, EachRuleKindGivesItsDay) {
    const struct {
        int16_t art;
        uint16_t regel;
        int jahr, tag;
    } faelle[] = {
        {FeiertagArt::Fest, RegelFest(3, 1), 1996, 61},  // leap year
        {FeiertagArt::Fest, RegelFest(3, 1), 1995, 60},
        {FeiertagArt::Ostern, RegelVersatz(0), 1996, TagDesJahres(1996, 4, 7)},
        {FeiertagArt::Ostern, RegelVersatz(-2), 1996, TagDesJahres(1996, 4, 5)},
        {FeiertagArt::Ostern, RegelVersatz(50), 1996, TagDesJahres(1996, 5, 27)},
        {FeiertagArt::Wochentag, RegelWochentag(2, 7, 5), 1995, TagDesJahres(1995, 5, 14)},
        {FeiertagArt::Wochentag, RegelWochentag(2, 7, 5), 1996, TagDesJahres(1996, 5, 12)},
        {FeiertagArt::Wochentag, RegelWochentag(1, 1, 5), 1995, TagDesJahres(1995, 5, 1)},  // the 1st is a Monday
        {FeiertagArt::Wochentag, RegelWochentag(1, 1, 5), 1996, TagDesJahres(1996, 5, 6)},
        {FeiertagArt::Wochentag, RegelWochentag(5, 7, 2), 1995, TagDesJahres(1995, 3, 5)},  // four February Sundays
        {FeiertagArt::Weihnachten, RegelVersatz(0), 1995, TagDesJahres(1995, 12, 24)},  // 25 December a Monday
        {FeiertagArt::Weihnachten, RegelVersatz(-28), 1995, TagDesJahres(1995, 11, 26)},
        {FeiertagArt::Weihnachten, RegelVersatz(0), 1994, TagDesJahres(1994, 12, 18)},  // ... a Sunday
        {FeiertagArt::Weihnachten, RegelVersatz(-28), 1994, TagDesJahres(1994, 11, 20)},
        {3, RegelFest(1, 1), 2000, 77},
        {FeiertagArt::Fest, RegelFest(0, 5), 2000, 77},
        {FeiertagArt::Fest, RegelFest(13, 5), 2000, 77},
        {FeiertagArt::Wochentag, RegelWochentag(1, 1, 15), 2000, 77},
    };
    for (const auto& f : faelle) {
        SetzeTabelle(feiertage, {{"X", "", f.art, f.regel}});
        feiertage.Tabelle.Eintrag[0].Tag = 77;
        feiertage.Berechne(f.jahr, true);
        EXPECT_EQ(+feiertage.Tabelle.Eintrag[0].Tag, f.tag) << f.art << " " << f.regel << " " << f.jahr;
    }
    // Encoding and decoding share the bit positions, so pin them against the file format.
    EXPECT_EQ(RegelWochentag(2, 7, 5), 2 | 7 << 3 | 5 << 6);
    EXPECT_EQ(WochentagMonat(0x3FF), 15);
    EXPECT_EQ(Versatz(0xFFDD), -35);
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
    EXPECT_EQ(AnzahlFeiertage(t), MaxFeiertage);
    for (int i = 0; i + 1 < MaxFeiertage; ++i) EXPECT_LT(+t.Eintrag[i].Tag, +t.Eintrag[i + 1].Tag);
}

// Each step first sets the rule to 1 March plus `plus` days.
TEST_F(BerechneFeiertage, RecomputesOnlyForANewYearOrWhenForced) {
    const struct {
        int plus, jahr;
        bool erzwungen, ersetzt;
        int tag;
    } schritte[] = {{0, 1995, false, false, 60}, {1, 1995, false, false, 60},  // same year: cached
                    {1, 1995, true, false, 61},  {2, 1996, false, false, 63},  // new year, leap
                    {3, 1996, false, true, 64}};                              // replaced table
    SetzeTabelle(feiertage, {{"Fest", "", FeiertagArt::Fest, RegelFest(3, 1)}});
    for (const auto& s : schritte) {
        feiertage.Tabelle.Eintrag[0].Regel = RegelFest(3, 1 + s.plus);
        if (s.ersetzt) feiertage.Geaendert();
        feiertage.Berechne(s.jahr, s.erzwungen);
        EXPECT_EQ(+feiertage.Tabelle.Eintrag[0].Tag, s.tag) << s.plus;
    }
}
